// The response file kandata is started with (kandata @FILE): the output
// base, the optional address range and the input files, one item a line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kandata {

struct Response {
    std::string outputBase;
    std::optional<std::uint32_t> dataStart;  // -d; with -e, the new layout
    std::optional<std::uint32_t> dataEnd;    // -e, the last address the image may use
    std::vector<std::string> headers;        // .h inputs, in order
    std::vector<std::string> models;         // .mco inputs, in order
};

// False with `error` set for anything it does not understand.
bool ParseResponse(std::string_view text, Response& response, std::string& error);

}  // namespace kandata
