// The jobs that write every command of the module to a command file and load
// such a file back. Both always run to the end; they never poll IsRunning.
#pragma once

#include "base/ProgressSection.h"
#include "jobs/CommandFile.h"
#include "jobs/ProgramThread.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

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

    // After a run that failed once the module had changed: which groups
    // were replaced and which was partly written; empty otherwise.
    std::string PartialNote() const;

  private:
    // Gives group g exactly the file's commands: removes the surplus, then
    // erases or creates each command right before its data goes in.
    bool ImportGroup(const GroupHeaderLine& header, const std::vector<const CommandLine*>& commands,
                     ProgressSection& progress);
    void NoteGroups(std::vector<int> replaced, int touched);
    // Reports the error, with the groups that changed.
    bool Fail(const std::string& text);
    // Ends a run whose failure was reported already: the groups that changed
    // go to the status line.
    bool Stopped();

    ProgramData& data_;
    std::atomic<bool> succeeded_{false};
    std::atomic<int> commands_{0};
    mutable std::mutex noteMutex_;
    std::vector<int> replaced_;
    int touched_ = -1;
};

}  // namespace parlix
