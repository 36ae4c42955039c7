// Arbitrary bytes as a firmware file: the check never reads outside a line,
// and whatever it accepts is what the sum says.
#include "FuzzCheck.h"
#include "external/FirmwareFile.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using parlix::fuzz::Check;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const parlix::FirmwareCheck check = parlix::CheckFirmwareStream(in, "FUZZ");

    Check(check.valid == check.status.empty(), "a status text exactly when the file is invalid");
    Check(!check.valid || check.hasDataRow, "a valid file has its description row");
    Check(!check.valid || check.expected == parlix::FirmwareChecksumOf(check.sum),
          "a valid file's checksum matches its sum");
    Check(check.hasDataRow || check.description.empty(), "no description without a data row");
    Check(text.rfind("# Parlix", 0) == 0 || !check.hasDataRow,
          "only a signed file gets a data row");
    return 0;
}
