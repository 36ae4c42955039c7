// fwgen: writes firmware files for the module's loader.
//   fwgen --all DIR                       the shipped set
//   fwgen --id N [--minor M] [--size BYTES] --out FILE
#include "FirmwareWriter.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Write(const std::string& path, const fwgen::FirmwareSpec& spec) {
    std::ofstream out(path, std::ios::binary);
    out << fwgen::FirmwareFileText(spec);
    out.close();
    if (!out) std::fprintf(stderr, "fwgen: cannot write \"%s\"\n", path.c_str());
    return static_cast<bool>(out);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: fwgen --all DIR\n"
                 "       fwgen --id N [--minor M] [--size BYTES] --out FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string all, out;
    fwgen::FirmwareSpec spec;
    bool haveId = false;
    try {
        for (int i = 1; i + 1 < argc; i += 2) {
            const std::string option = argv[i];
            const std::string value = argv[i + 1];
            if (option == "--all")
                all = value;
            else if (option == "--out")
                out = value;
            else if (option == "--id")
                spec.firmwareId = std::stoi(value), haveId = true;
            else if (option == "--minor")
                spec.minor = std::stoi(value);
            else if (option == "--size")
                spec.codeBytes = static_cast<std::uint32_t>(std::stoul(value));
            else
                return Usage();
        }
    } catch (const std::exception&) {
        return Usage();
    }
    if (argc % 2 == 0) return Usage();
    if (!all.empty()) {
        for (const auto& shipped : fwgen::ShippedFirmware())
            if (!Write(all + "/" + shipped.fileName, shipped)) return 1;
        return 0;
    }
    if (!haveId || out.empty() || spec.firmwareId < 0 || spec.firmwareId > 25) return Usage();
    return Write(out, spec) ? 0 : 1;
}
