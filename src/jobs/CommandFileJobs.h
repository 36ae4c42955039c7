// The jobs that write every command of the module to a command file and load
// such a file back. Both always run to the end; they never poll IsRunning.
#pragma once

#include "jobs/ProgramThread.h"

#include <atomic>
#include <string>

namespace parlix {

class ProgramData;

class CommandExporterThread : public ProgramThreadImpl<CommandExporterThread, std::string> {
  public:
    explicit CommandExporterThread(ProgramData& data)
        : ProgramThreadImpl("CCommandExporterThread"), data_(data) {}
    ~CommandExporterThread() { Stop(); }
    void Run(const std::string& path);
    // Whether the last run wrote every command.
    bool Succeeded() const { return succeeded_.load(); }
    // The commands the last run wrote; 0 unless it succeeded.
    int Commands() const { return commands_.load(); }
    // The export itself, on the calling thread: false when the model is not
    // completely read, the file cannot be written or a command failed.
    bool Export(const std::string& path);

  private:
    bool WriteFailed(const std::string& path, int error);

    ProgramData& data_;
    std::atomic<bool> succeeded_{false};
    std::atomic<int> commands_{0};
};

class CommandImporterThread : public ProgramThreadImpl<CommandImporterThread, std::string> {
  public:
    explicit CommandImporterThread(ProgramData& data)
        : ProgramThreadImpl("CCommandImporterThread"), data_(data) {}
    ~CommandImporterThread() { Stop(); }
    void Run(const std::string& path);
    // Whether the last run loaded the whole file.
    bool Succeeded() const { return succeeded_.load(); }
    // The commands the last run loaded; 0 unless it succeeded.
    int Commands() const { return commands_.load(); }
    // The import itself, on the calling thread. Nothing on the module changes
    // before the whole file has been validated.
    bool Import(const std::string& path);

  private:
    // Gives group g exactly n commands: erase those kept, add or remove the rest.
    bool ResizeGroup(int group, int count);
    bool Fail(const std::string& text);

    ProgramData& data_;
    std::atomic<bool> succeeded_{false};
    std::atomic<int> commands_{0};
};

}  // namespace parlix
