#include "link/ProgramFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parlix {

ProgramFile OpenProgramFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, O_RDONLY);
    ProgramFile file(::fdopen(fd, "rb"));
    if (!file) ::close(fd);
    return file;
}

}  // namespace parlix
