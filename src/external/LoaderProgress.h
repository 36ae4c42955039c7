// What one output line of the loader means to the download dialog: the
// status text, and where the three-phase progress bar stands (erasing 0..100,
// programming 100..200, verifying 200..300).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parlix {

inline constexpr int kLoaderProgressRange = 300;

struct LoaderLine {
    std::string status;           // the line without blanks at either end; empty: keep the old one
    std::optional<int> position;  // the bar position, when this is a progress line
};

// A progress line ends with digits and "%" with some character before the
// digits: a blank (or '+') gives the number, any other character 0, and a
// minus sign a negative number, which is no progress. The phase comes from
// the words "program", "verif" and "eras", in that order, in any letter case.
LoaderLine ParseLoaderLine(std::string_view line);

}  // namespace parlix
