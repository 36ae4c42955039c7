// The texts that a source file marks with PX_TR, read as lupdate reads them:
// from the source, outside comments and preprocessor lines, with adjacent
// string literals joined.
#pragma once

#include <string>
#include <vector>

namespace parlix::test {

struct MarkedText {
    int line = 0;
    std::string context;
    std::string text;
    std::string fault;  // set when the marker is not two string literals
};

std::vector<MarkedText> MarkedTextsIn(const std::string& path);

}  // namespace parlix::test
