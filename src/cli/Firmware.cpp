#include "cli/Firmware.h"

#include "cli/LoaderRun.h"

#include "external/FirmwareFile.h"

#include <fmt/format.h>

namespace parlix::cli {

int CheckFirmware(const std::string& path, std::FILE* out) {
    const FirmwareCheck check = CheckFirmwareFile(path);
    fmt::print(out, "Project: {}\n", check.project);
    if (check.hasDataRow) {
        fmt::print(out, "Description: {}\n", check.description);
        fmt::print(out, "Result: {}\n", check.Result());
    }
    if (!check.status.empty()) fmt::print(out, "{}\n", check.status);
    return check.valid ? 0 : 1;
}

int DownloadFirmware(Session& session, const std::string& path, bool slow) {
    const FirmwareCheck check = CheckFirmwareFile(path);
    if (!check.valid) {
        fmt::print(stderr, "parlix-cli: {}\n", check.status);
        return 1;
    }
    return RunDownload(session, path, slow, true);
}

}  // namespace parlix::cli
