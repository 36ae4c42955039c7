// Runs one of our executables as a child process and collects what it printed.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace parlix::test {

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `program` is looked up in $PARLIX_BIN_DIR (the build's program folder)
// unless it is an absolute path.
std::string ProgramPath(const std::string& program);

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {},
                         const std::map<std::string, std::string>& env = {});

}  // namespace parlix::test
