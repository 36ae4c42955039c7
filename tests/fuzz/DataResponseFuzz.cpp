// Arbitrary bytes as kandata's response file. What it accepts is complete,
// and what the build writes for the same inputs reads back the same.
#include "FuzzCheck.h"
#include "ResponseFile.h"
#include "external/DataResponseFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using parlix::fuzz::Check;
    kandata::Response response;
    std::string error;
    if (!kandata::ParseResponse(std::string_view(reinterpret_cast<const char*>(data), size),
                                response, error)) {
        Check(!error.empty(), "a refusal says why");
        return 0;
    }
    Check(!response.outputBase.empty(), "an output base");
    Check(!response.models.empty(), "a model input");
    Check(response.dataStart.has_value() == response.dataEnd.has_value(), "both addresses or none");
    if (response.dataStart)
        Check(*response.dataStart <= *response.dataEnd, "the range is in order");
    for (const std::string& header : response.headers)
        Check(EndsWithNoCase(header, ".h"), "headers end in .h");
    for (const std::string& model : response.models)
        Check(EndsWithNoCase(model, ".mco"), "models end in .mco");

    const bool newRange = response.dataStart == 0x30000u && response.dataEnd == 0xEFFFFu;
    if (response.dataStart && !newRange) return 0;  // the build writes only its own range
    const std::string written = parlix::FormatResponseFile(response.outputBase, !response.dataStart,
                                                           {response.headers, response.models});
    kandata::Response again;
    Check(kandata::ParseResponse(written, again, error), "a written response file reads");
    Check(again.outputBase == response.outputBase && again.headers == response.headers &&
              again.models == response.models && again.dataStart == response.dataStart &&
              again.dataEnd == response.dataEnd,
          "a written response file reads back the same");
    return 0;
}
