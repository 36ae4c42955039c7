#include "app/ModuleSession.h"

#include "app/AppSettings.h"
#include "base/FrontEnd.h"
#include "base/Text.h"

namespace parlix {

ModuleSession::ModuleSession(AppSettings& settings, FrontEnd& frontEnd)
    : settings_(settings),
      frontEnd_(frontEnd),
      data_(settings, frontEnd),
      groupReader_(data_),
      commandReader_(data_),
      exporter_(data_),
      importer_(data_) {
    for (ProgramNotify* job : std::initializer_list<ProgramNotify*>{&groupReader_, &commandReader_,
                                                                    &exporter_, &importer_})
        job->SetNotifyTarget(&frontEnd);
    data_.Progress().AttachBars();
}

ModuleSession::~ModuleSession() {
    Disconnect();
}

void ModuleSession::StateChanged() {
    if (stateChanged_) stateChanged_();
}

RecognitionSupport ModuleSession::Support() {
    VoiceModel& model = data_.Model();
    return {model.HasCapability(Capability::MicDistance),
            model.HasCapability(Capability::FastRecognition),
            model.HasCapability(Capability::TrailingSilence)};
}

std::string ModuleSession::Port() const {
    return settings_.CurrentPort();
}

bool ModuleSession::Connect() {
    if (connected_) return true;
    if (!Establish()) return false;
    Begin();
    return true;
}

bool ModuleSession::Establish() {
    if (connected_) return true;
    ModuleController& controller = data_.Controller();
    if (!controller.Link().Connect()) return false;
    connected_ = true;
    moduleId_ = -1;
    StateChanged();
    if (!controller.Link().EnterControlMode()) {
        connected_ = false;
        StateChanged();
        controller.Link().Disconnect();
        return false;
    }
    int id = -1;
    if (!controller.ReadVersionId(id)) {
        connected_ = false;
        StateChanged();
        controller.Link().LeaveControlMode();
        controller.Link().Disconnect();
        return false;
    }
    moduleId_ = id;
    if (moduleId_ >= 9) CheckMessageMemory();
    data_.Progress().MarkConnected(true);
    controller.SetTimeout(5);

    VoiceModel& model = data_.Model();
    model.SetCapabilities(moduleId_);
    model.ResetModel();
    if (model.HasCapability(Capability::Grammars)) model.RefreshGrammarCount(controller);

    int language = 0;
    if (!controller.ReadStoredLanguage(language)) language = 0;
    builtinLanguage_ = language;
    controller.SetLanguage(language);
    model.LoadBuiltinWords(language);

    recognition_.LoadFromSettings(settings_);
    recognition_.ResetApplied();
    recognition_.Apply(controller, Support());
    if (controller.Link().LinkLost()) {
        connected_ = false;
        StateChanged();
        controller.Link().Disconnect();
        data_.Progress().MarkConnected(false);
        return false;
    }
    return true;
}

void ModuleSession::Begin() {
    groupReader_.Start();
    groupReader_.Request();
    ++busyJobs_;
    if (selectedRow_ >= 0) {
        commandReader_.Request(selectedRow_);
        ++busyJobs_;
    }
    connected_ = true;
    StateChanged();
}

void ModuleSession::CheckMessageMemory() {
    ModuleController& controller = data_.Controller();
    int result = 0;
    if (!controller.CheckMessageMemory(false, result) || result == 0) return;
    const std::string warning = Tr(PX_TR("Controller", "Warning"));
    frontEnd_.MessageBox(
        Tr(PX_TR("MainFrame",
                 "The internal message memory check has failed.\nA recovery attempt "
                 "will be performed, which may erase all messages.")),
        warning, BoxIcon::Warning);
    // A repair that lost the link has said so already.
    const bool repaired = controller.CheckMessageMemory(true, result);
    if (controller.Link().LinkLost()) return;
    if (!repaired || result != 0)
        frontEnd_.MessageBox(Tr(PX_TR("MainFrame", "Message recovery failed!")), warning,
                             BoxIcon::Warning);
}

void ModuleSession::Disconnect() {
    if (!connected_) return;
    connected_ = false;
    StateChanged();
    groupReader_.Stop();
    commandReader_.Stop();
    ModuleController& controller = data_.Controller();
    controller.SetTimeout(-1);
    controller.Link().LeaveControlMode();
    controller.Link().Disconnect();
    data_.Progress().MarkConnected(false);
    StateChanged();
}

bool ModuleSession::SetBuiltinLanguage(int language) {
    builtinLanguage_ = language;
    if (!data_.Controller().SetLanguage(language)) return false;
    data_.Model().LoadBuiltinWords(language);
    StateChanged();
    return true;
}

void ModuleSession::SelectGroupRow(int row) {
    selectedRow_ = row;
    if (!connected_) return;
    ++busyJobs_;
    commandReader_.Request(row);
}

void ModuleSession::RequestExport(const std::string& path) {
    ++busyJobs_;
    exporter_.Request(path);
    exporter_.Start();
}

void ModuleSession::RequestImport(const std::string& path) {
    ++busyJobs_;
    importer_.Request(path);
    importer_.Start();
}

void ModuleSession::OnJobFinished(std::uint64_t threadId, int served) {
    busyJobs_ -= served;
    if (threadId == groupReader_.ThreadId()) {
        if (connected_) commandReader_.Start();
    } else if (threadId == exporter_.ThreadId()) {
        exporter_.Stop();
    } else if (threadId == importer_.ThreadId()) {
        importer_.Stop();
    }
    StateChanged();
}

}  // namespace parlix
