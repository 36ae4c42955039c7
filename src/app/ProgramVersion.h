// The program's own four-number version, as About and parlix-cli --version
// show it.
#pragma once

#include <string>

namespace parlix {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int patch = 0;
    int build = 0;
};

ProgramVersion OwnVersion();
// "Version 3.11.0 (Build 71)", translated.
std::string VersionLine(const ProgramVersion& version);

}  // namespace parlix
