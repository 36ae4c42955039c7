#include "base/FileText.h"

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parlix {
namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

FileTextRead Failed(FileTextRead outcome, std::string& text, int& error, int err) {
    text.clear();
    error = err;
    return outcome;
}

}  // namespace

FileTextRead ReadFileText(const std::string& path, std::string& text, std::size_t limit,
                          FileKinds kinds, int& error) {
    text.clear();
    error = 0;
    int flags = O_RDONLY | O_CLOEXEC;
    if (kinds == FileKinds::kRegularOnly) flags |= O_NONBLOCK;
    const Fd fd(::open(path.c_str(), flags));
    if (fd.get() < 0) {
        const int err = errno;
        return Failed(err == EISDIR ? FileTextRead::kFolder : FileTextRead::kCannotOpen, text,
                      error, err);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return Failed(FileTextRead::kCannotOpen, text, error, errno);
    if (S_ISDIR(st.st_mode)) return Failed(FileTextRead::kFolder, text, error, EISDIR);
    if (kinds == FileKinds::kRegularOnly) {
        if (!S_ISREG(st.st_mode)) return Failed(FileTextRead::kNotRegular, text, error, 0);
        if (static_cast<std::uintmax_t>(st.st_size) > limit)
            return Failed(FileTextRead::kTooLarge, text, error, EFBIG);
        // Regular files never block; reads below wait as usual.
        ::fcntl(fd.get(), F_SETFL, O_RDONLY);
    }
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        const std::size_t have = text.size();
        text.resize(have + kChunk);
        const ssize_t n = ::read(fd.get(), text.data() + have, kChunk);
        if (n < 0) {
            text.resize(have);
            if (errno == EINTR) continue;
            return Failed(FileTextRead::kCannotRead, text, error, errno);
        }
        text.resize(have + static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same bound.
        if (text.size() > limit) return Failed(FileTextRead::kTooLarge, text, error, EFBIG);
        if (n == 0) return FileTextRead::kRead;
    }
}

}  // namespace parlix
