// The custom-data builder's response file: its output base, the address
// range (left out for the old format), then every header input and every
// model input, quoted, one a line.
#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace parlix {

struct DataBuildInputs {
    std::vector<std::string> headers;  // .h, in the order the projects were processed
    std::vector<std::string> models;   // .mco, likewise
};

std::string FormatResponseFile(const std::string& outputBase, bool oldFormat,
                               const DataBuildInputs& inputs);

// Writes the file; the system error when it could not be created or written.
std::error_code WriteResponseFile(const std::string& path, const std::string& text);

}  // namespace parlix
