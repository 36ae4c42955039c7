// Opening a bridge program file for a download to its host.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace parlix {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using ProgramFile = std::unique_ptr<std::FILE, FileCloser>;

// Null unless the path is a regular file opened for binary reading: a pipe
// without a writer would block the open, and a device such as /dev/zero
// would feed the host endless packets.
ProgramFile OpenProgramFile(const std::string& path);

}  // namespace parlix
