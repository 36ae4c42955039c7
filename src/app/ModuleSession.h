// The connection as the main window runs it, without a window: connecting
// with the whole start-up sequence, disconnecting, the built-in language, and
// driving the background jobs with the count of outstanding requests. The
// GUI and the command line both use it.
#pragma once

#include "app/RecognitionSettings.h"
#include "jobs/CommandFileJobs.h"
#include "jobs/ProgramData.h"
#include "jobs/Readers.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace parlix {

class AppSettings;
class FrontEnd;

class ModuleSession {
  public:
    ModuleSession(AppSettings& settings, FrontEnd& frontEnd);
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // Connect with the start-up reads and settings; the group reader starts.
    bool Connect();
    // Connect in two steps: Establish (detection, control mode, the start-up
    // reads and settings) may run on another thread, which the calling
    // thread's cancel token can stop; Begin then starts the readers on the
    // thread that runs the session.
    bool Establish();
    void Begin();
    void Disconnect();
    // Sets the module's built-in wordset language and loads its words.
    bool SetBuiltinLanguage(int language);

    // The user selected a row of the group list: read it first.
    void SelectGroupRow(int row);
    // Export and import run on their jobs; false when the rules forbid them now.
    void RequestExport(const std::string& path);
    void RequestImport(const std::string& path);
    // A job posted its completion; call on the thread that runs the session.
    void OnJobFinished(std::uint64_t threadId, int served);

    // Called whenever the state the commands depend on changed.
    void SetStateChangedHandler(std::function<void()> handler) {
        stateChanged_ = std::move(handler);
    }

    // The port that Connect opens.
    std::string Port() const;
    bool IsConnected() const { return connected_; }
    int ModuleId() const { return moduleId_; }
    int BuiltinLanguage() const { return builtinLanguage_; }
    int BusyJobs() const { return busyJobs_; }
    int SelectedRow() const { return selectedRow_; }
    RecognitionSupport Support();

    ProgramData& Data() { return data_; }
    ModuleController& Controller() { return data_.Controller(); }
    VoiceModel& Model() { return data_.Model(); }
    RecognitionSettings& Recognition() { return recognition_; }
    GroupReaderThread& GroupReader() { return groupReader_; }
    CommandReaderThread& CommandReader() { return commandReader_; }
    CommandExporterThread& Exporter() { return exporter_; }
    CommandImporterThread& Importer() { return importer_; }

  private:
    void CheckMessageMemory();
    void StateChanged();

    AppSettings& settings_;
    FrontEnd& frontEnd_;
    ProgramData data_;
    RecognitionSettings recognition_;
    GroupReaderThread groupReader_;
    CommandReaderThread commandReader_;
    CommandExporterThread exporter_;
    CommandImporterThread importer_;
    std::function<void()> stateChanged_;
    // Written by Establish, perhaps on another thread.
    std::atomic<bool> connected_ = false;
    std::atomic<int> moduleId_ = -1;
    std::atomic<int> builtinLanguage_ = 0;
    int busyJobs_ = 0;
    int selectedRow_ = -1;
};

}  // namespace parlix
