// The temporary files of custom-data builds. Each build gets a new output
// base (a temporary path without extension); the files of the previous one
// go when the next build starts and when this object ends.
#pragma once

#include <string>
#include <system_error>

namespace parlix {

class DataOutputFiles {
  public:
    DataOutputFiles() = default;
    // `folder` instead of the system's temporary folder (tests).
    explicit DataOutputFiles(std::string folder) : folder_(std::move(folder)) {}
    ~DataOutputFiles();
    DataOutputFiles(const DataOutputFiles&) = delete;
    DataOutputFiles& operator=(const DataOutputFiles&) = delete;

    // Deletes the previous build's files and makes a new output base from a
    // new temporary file "snd....tmp", without its ".tmp". Empty, with `error`
    // set, when no temporary file could be made.
    std::string NewBase(std::error_code& error);

    // Deletes every file named like the current base with any extension.
    // Nothing before the first build.
    void DeleteFiles();

    const std::string& Base() const { return base_; }

  private:
    std::string folder_;
    std::string base_;
};

}  // namespace parlix
