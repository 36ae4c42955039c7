#include "external/DataResponseFile.h"

#include "base/Status.h"

#include <cerrno>
#include <cstdio>

namespace parlix {

std::string FormatResponseFile(const std::string& outputBase, bool oldFormat,
                               const DataBuildInputs& inputs) {
    std::string text = "-o " + outputBase + "\n";
    if (!oldFormat) text += "-d 0x30000 -e 0xEFFFF\n";
    for (const std::string& header : inputs.headers) text += "\"" + header + "\"\n";
    for (const std::string& model : inputs.models) text += "\"" + model + "\"\n";
    return text;
}

std::error_code WriteResponseFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return ErrnoCode(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int err = errno;
    if (std::fclose(file) != 0 || !written) return ErrnoCode(written ? errno : err);
    return {};
}

}  // namespace parlix
