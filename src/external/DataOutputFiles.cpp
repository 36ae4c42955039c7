#include "external/DataOutputFiles.h"

#include "base/Status.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace parlix {

namespace fs = std::filesystem;

DataOutputFiles::~DataOutputFiles() {
    DeleteFiles();
}

void DataOutputFiles::DeleteFiles() {
    // An empty base would make the pattern ".*" in the working folder.
    if (base_.empty()) return;
    const fs::path base(base_);
    const std::string prefix = base.filename().string() + ".";
    std::error_code ec;
    for (fs::directory_iterator it(base.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        std::error_code statError;
        if (it->is_regular_file(statError)) fs::remove(it->path(), statError);
    }
}

std::string DataOutputFiles::NewBase(std::error_code& error) {
    DeleteFiles();
    base_.clear();
    error.clear();
    fs::path folder = folder_;
    if (folder.empty()) {
        folder = fs::temp_directory_path(error);
        if (error) return {};
    }
    std::string name = (folder / "sndXXXXXX.tmp").string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = mkstemps(buffer.data(), 4);
    if (fd < 0) {
        error = ErrnoCode(errno);
        return {};
    }
    close(fd);
    name = buffer.data();
    base_ = name.substr(0, name.size() - 4);
    return base_;
}

}  // namespace parlix
