// The data header kandata writes beside the image: a comment line for the
// sound table and for each grammar, the sound names (SND_...), each grammar's
// wordset number (WS_...) and its word names.
#pragma once

#include "ModelFile.h"

#include <string>
#include <vector>

namespace kandata {

struct NamedModel {
    Model model;
    std::vector<std::string> names;  // from the header input; none for an acoustic model
};

// Custom grammars are numbered from 4, after the built-in ones.
inline constexpr int kFirstCustomGrammar = 4;

std::string FormatDataHeader(const std::vector<NamedModel>& models);

// A module label as a C name: each '^' pair back to its digit.
std::string LabelToName(const std::string& label);

}  // namespace kandata
