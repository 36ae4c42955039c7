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

// How many message boxes titled `title` the command line printed ("Title: text").
int CountBoxes(const std::string& err, const std::string& title);

}  // namespace parlix::test
