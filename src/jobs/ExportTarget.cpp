#include "jobs/ExportTarget.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace parlix {
namespace {

// Read, not set and restored: umask() would change it for every thread.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

}  // namespace

ExportTarget::ExportTarget(const std::string& path) : path_(path) {
    struct stat st {};
    existed_ = ::stat(path.c_str(), &st) == 0;
    errno = 0;
    if (existed_ && !S_ISREG(st.st_mode)) {
        file_.reset(std::fopen(path.c_str(), "wb"));
    } else {
        std::string pattern = path + ".XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::fchmod(fd, 0666 & ~CurrentUmask());
            file_.reset(::fdopen(fd, "wb"));
            if (file_) {
                temp_ = pattern;
            } else {
                const int err = errno;
                ::close(fd);
                ::unlink(pattern.c_str());
                errno = err;
            }
        }
    }
    opened_ = file_ != nullptr;
    if (!opened_) Fail(errno);
}

ExportTarget::~ExportTarget() {
    if (!file_) return;
    const bool closed = Close();
    if (temp_.empty()) return;
    // Kept only as the one record of a failed export, and only when whole.
    if (existed_ || !closed || failed_ || ::rename(temp_.c_str(), path_.c_str()) != 0)
        ::unlink(temp_.c_str());
}

void ExportTarget::Fail(int err) {
    if (failed_) return;
    failed_ = true;
    error_ = err;
}

bool ExportTarget::Write(const std::string& text) {
    if (failed_) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() ||
        std::fflush(file_.get()) != 0)
        Fail(errno);
    return !failed_;
}

bool ExportTarget::Close() {
    errno = 0;
    // The stream's error flag also keeps a failure that a flush no longer shows.
    if (std::ferror(file_.get())) Fail(errno ? errno : EIO);
    if (std::fclose(file_.release()) != 0) Fail(errno);
    return !failed_;
}

bool ExportTarget::Commit() {
    if (!file_) return false;
    if (!failed_) {
        errno = 0;
        if (std::fflush(file_.get()) != 0) Fail(errno);
        // A device such as /dev/full cannot be synced; only the file that replaces the target is.
        else if (!temp_.empty() && ::fsync(::fileno(file_.get())) != 0)
            Fail(errno);
    }
    const bool closed = Close();
    if (temp_.empty()) return closed;
    if (closed && ::rename(temp_.c_str(), path_.c_str()) != 0) Fail(errno);
    if (failed_) ::unlink(temp_.c_str());
    temp_.clear();
    return !failed_;
}

}  // namespace parlix
