// Where an export writes: a temporary file beside the target that replaces it
// once every command was written and has reached the disk. A failed export
// leaves an earlier file as it was; with no earlier file, what was written
// stays, ending in the line that says where it stopped, unless the file
// itself could not be written. A target that is no regular file (a pipe, a
// terminal, a device) is written directly.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace parlix {

class ExportTarget {
  public:
    explicit ExportTarget(const std::string& path);
    ~ExportTarget();
    ExportTarget(const ExportTarget&) = delete;
    ExportTarget& operator=(const ExportTarget&) = delete;

    // False once anything failed; later writes are skipped.
    bool Write(const std::string& text);
    // Everything written: flushed, synced and put in place of the target.
    bool Commit();

    bool Opened() const { return opened_; }
    // The errno value of the first failure, 0 when the system gave none.
    bool Failed() const { return failed_; }
    int Error() const { return error_; }

  private:
    void Fail(int err);
    bool Close();

    std::string path_;
    std::string temp_;
    bool existed_ = false;
    bool opened_ = false;
    bool failed_ = false;
    int error_ = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
};

}  // namespace parlix
