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

class CAppSettings;
class FrontEnd;

class CModuleSession {
  public:
    CModuleSession(CAppSettings& settings, FrontEnd& frontEnd);
    ~CModuleSession();
    CModuleSession(const CModuleSession&) = delete;
    CModuleSession& operator=(const CModuleSession&) = delete;

    // Connect with the start-up reads and settings; the group reader starts.
    bool Connect();
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

    bool IsConnected() const { return connected_; }
    int ModuleId() const { return moduleId_; }
    int BuiltinLanguage() const { return builtinLanguage_; }
    int BusyJobs() const { return busyJobs_; }
    int SelectedRow() const { return selectedRow_; }
    RecognitionSupport Support();

    CProgramData& Data() { return data_; }
    CModuleController& Controller() { return data_.Controller(); }
    CVoiceModel& Model() { return data_.Model(); }
    CRecognitionSettings& Recognition() { return recognition_; }
    CGroupReaderThread& GroupReader() { return groupReader_; }
    CCommandReaderThread& CommandReader() { return commandReader_; }
    CCommandExporterThread& Exporter() { return exporter_; }
    CCommandImporterThread& Importer() { return importer_; }

  private:
    void CheckMessageMemory();
    void StateChanged();

    CAppSettings& settings_;
    FrontEnd& frontEnd_;
    CProgramData data_;
    CRecognitionSettings recognition_;
    CGroupReaderThread groupReader_;
    CCommandReaderThread commandReader_;
    CCommandExporterThread exporter_;
    CCommandImporterThread importer_;
    std::function<void()> stateChanged_;
    bool connected_ = false;
    int moduleId_ = -1;
    int builtinLanguage_ = 0;
    int busyJobs_ = 0;
    int selectedRow_ = -1;
};

}  // namespace parlix
