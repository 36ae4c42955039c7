#include "ui/logic/MainFlows.h"

#include "app/ModelEdits.h"
#include "app/ModuleSession.h"
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "ui/logic/CommandRules.h"
#include "ui/logic/MainView.h"
#include "ui/logic/OutcomeLines.h"
#include "ui/logic/StateReader.h"

#include <type_traits>

namespace parlix::ui {
namespace {

constexpr int kSoundVolume = 256;

}  // namespace

MainFlows::MainFlows(ModuleSession& session, FrontEnd& frontEnd, MainView& view)
    : session_(session), frontEnd_(frontEnd), view_(view), connectJob_(session) {}

template <typename Operation>
auto MainFlows::Serving(Operation operation) {
    using Result = decltype(operation());
    if constexpr (std::is_void_v<Result>) {
        frontEnd_.RunServing(operation);
    } else {
        Result result{};
        frontEnd_.RunServing([&] { result = operation(); });
        return result;
    }
}

WindowState MainFlows::State() {
    WindowState state;
    // Half-way through connecting the session is not the window's yet.
    state.connecting = connecting_;
    state.connected = !connecting_ && session_.IsConnected();
    state.moduleId = session_.ModuleId();
    state.busyJobs = session_.BusyJobs();
    state.recordingSlot = recordingSlot_;
    state.labelEditing = labelEditing_;
    state.row = row_;
    state.sel = sel_;
    ReadModelFacts(session_.Model(), state);
    return state;
}

bool MainFlows::IsEnabledNow(CommandId id) {
    return IsEnabled(id, State());
}

bool MainFlows::Confirm(const std::string& text) {
    // Every question here destroys something on Yes: one stray Enter answers No.
    return frontEnd_.MessageBox(
               text, Tr(PX_TR("Controller", "Confirmation")),
               (Buttons::YesNo | BoxIcon::Question).WithDefault(DefaultButton::Second)) ==
           BoxAnswer::Yes;
}

void MainFlows::SetSelection(int row, int sel) {
    row_ = row;
    sel_ = sel;
}

void MainFlows::Connect() {
    if (connecting_) {
        CancelConnect();
        return;
    }
    if (session_.IsConnected()) return;
    connecting_ = true;
    const std::uint64_t run = ++connectRun_;
    frontEnd_.SetStatusText(
        TrFormat(PX_TR("MainFrame", "Detecting the device on %s..."), session_.Port()));
    view_.UpdateCommandStates();
    connectJob_.Start([this, run](bool connected) {
        frontEnd_.PostToUi([this, run, connected] { ConnectEnded(run, connected); });
    });
}

void MainFlows::CancelConnect() {
    if (connecting_) connectJob_.Cancel();
}

void MainFlows::ConnectEnded(std::uint64_t run, bool connected) {
    // A run that Disconnect already ended has nothing left to say.
    if (!connecting_ || run != connectRun_) return;
    connectJob_.Join();
    connecting_ = false;
    const bool cancelled = connectJob_.Cancelled();
    if (connected && cancelled) {
        // Cancel came after the connection was made: undo it.
        session_.Disconnect();
        connected = false;
    }
    if (!connected) {
        if (cancelled) frontEnd_.SetStatusText(Tr(PX_TR("MainFrame", "Connection cancelled")));
        view_.UpdateCommandStates();
        return;
    }
    session_.Begin();
    view_.RebuildGroupRows();
    view_.ShowBuiltinLanguages(session_.ModuleId(), session_.BuiltinLanguage());
    view_.IdleRefresh();
    view_.RepaintNow();
    view_.UpdateCommandStates();
}

void MainFlows::Disconnect() {
    if (connecting_) {
        connecting_ = false;
        ++connectRun_;
        connectJob_.Cancel();
        frontEnd_.DispatchingWait([this] { return !connectJob_.Running(); });
        connectJob_.Join();
        frontEnd_.SetStatusText(Tr(PX_TR("MainFrame", "Connection cancelled")));
    }
    if (!session_.IsConnected()) {
        view_.UpdateCommandStates();
        return;
    }
    session_.Disconnect();
    view_.EnableLists(true);
    frontEnd_.RemoveBusyPrompt();
    view_.RemoveRecordingPrompt();
    view_.StopRecordingTimer();
    recordingSlot_ = -1;
    view_.UpdateCommandStates();
}

void MainFlows::GroupSelected(int row) {
    row_ = row;
    sel_ = -1;
    view_.UpdateCommandStates();
    session_.SelectGroupRow(row);
    editAfterRefresh_ = -1;
}

void MainFlows::JobFinished(std::uint64_t threadId, int served) {
    // Read before the session ends the job.
    const std::string outcome = CommandFileJobLine(session_, threadId, commandFile_);
    session_.OnJobFinished(threadId, served);
    if (!outcome.empty()) frontEnd_.SetStatusText(outcome);
    view_.UpdateCommandStates();
    // The new command's row is read once every job has ended.
    if (editAfterRefresh_ >= 0 && session_.BusyJobs() == 0) {
        const int row = editAfterRefresh_;
        editAfterRefresh_ = -1;
        view_.RedrawCommandRow(row);
        // The new command is selected first, so that a group that was empty
        // gets its first command named too; the editor checks Rename's rule.
        view_.StartLabelEdit(row);
    }
}

void MainFlows::CreateCommand(int index) {
    if (!ModelEdits(session_).InsertCommand(row_, index)) return;
    editAfterRefresh_ = -1;
    session_.SelectGroupRow(row_);
    editAfterRefresh_ = index;
    view_.UpdateCommandStates();
}

void MainFlows::InsertCommand() {
    if (!IsEnabledNow(CommandId::InsertCommand)) return;
    CreateCommand(sel_);
}

void MainFlows::AddCommand() {
    if (!IsEnabledNow(CommandId::AddCommand)) return;
    CreateCommand(State().count);
}

void MainFlows::RemoveCommand() {
    if (!IsEnabledNow(CommandId::RemoveCommand)) return;
    if (!Confirm(
            Tr(PX_TR("MainFrame",
                     "This operation will remove the selected command.\n\nAre you sure you want "
                     "to proceed?"))))
        return;
    if (!ModelEdits(session_).RemoveCommand(row_, sel_)) return;
    session_.SelectGroupRow(row_);
    view_.UpdateCommandStates();
}

void MainFlows::FinishRename(int index, const std::string& text) {
    labelEditing_ = false;
    ModelEdits(session_).RenameIfChanged(row_, index, text);
    view_.RedrawCommandRow(index);
    view_.UpdateCommandStates();
}

void MainFlows::TrainCommand() {
    if (!IsEnabledNow(CommandId::TrainCommand)) return;
    const int group = row_;
    const int command = sel_;
    TrainingSteps steps;
    steps.runPhase = [&](int phase) { return view_.RunTrainingPhase(group, command, phase); };
    steps.afterPhase = [&] {
        view_.UpdateCommandStates();
        view_.IdleRefresh();
    };
    steps.flash = [&](int index, bool expected) { view_.FlashCommand(index, expected); };
    const std::string label = CommandLabel(session_.Model(), group, command);
    const bool trained = RunTrainingFlow(command, steps);
    frontEnd_.SetStatusText(TrainingLine(label, command, trained));
}

void MainFlows::EraseTraining() {
    if (!IsEnabledNow(CommandId::EraseTraining)) return;
    if (!Confirm(
            Tr(PX_TR("MainFrame",
                     "This operation will erase training data for the selected command.\n\nAre "
                     "you sure you want to proceed?"))))
        return;
    Serving([&] { ModelEdits(session_).EraseTraining(row_, sel_); });
    view_.UpdateCommandStates();
}

void MainFlows::RecordMessage() {
    if (!IsEnabledNow(CommandId::RecordMessage)) return;
    if (recordingSlot_ >= 0) {
        // The module ends the recording; the next poll sees it.
        Serving([&] { ModelEdits(session_).StopRecording(); });
        return;
    }
    const int slot = sel_;
    if (!Serving([&] { return ModelEdits(session_).StartRecording(slot); })) return;
    view_.StartRecordingTimer();
    recordingSlot_ = slot;
    view_.UpdateCommandStates();
    view_.ShowRecordingPrompt(Tr(PX_TR("MainFrame", "Recording...\r\n(Press again to stop)")));
    view_.EnableLists(false);
}

void MainFlows::RecordingTick() {
    if (recordingSlot_ < 0) return;
    if (session_.IsConnected() && !ModelEdits(session_).PollRecording(recordingSlot_)) return;
    RecordingEnded();
}

void MainFlows::RecordingEnded() {
    view_.EnableLists(true);
    view_.RemoveRecordingPrompt();
    view_.StopRecordingTimer();
    recordingSlot_ = -1;
    view_.UpdateCommandStates();
}

void MainFlows::PlayMessage() {
    if (!IsEnabledNow(CommandId::PlayMessage)) return;
    Serving([&] { ModelEdits(session_).PlayMessage(sel_); });
    view_.DiscardQueuedInput();
}

void MainFlows::EraseMessage() {
    if (!IsEnabledNow(CommandId::EraseMessage)) return;
    if (!Confirm(
            Tr(PX_TR("MainFrame",
                     "This operation will erase the selected message.\n\nAre you sure you want "
                     "to proceed?"))))
        return;
    Serving([&] { ModelEdits(session_).EraseMessage(sel_); });
    view_.UpdateCommandStates();
}

void MainFlows::TestGroup() {
    if (!IsEnabledNow(CommandId::TestGroup)) return;
    const std::int32_t result = Serving([&] { return ModelEdits(session_).Recognize(row_); });
    view_.DiscardQueuedInput();
    frontEnd_.SetStatusText(
        RecognitionLine(row_, result, RecognisedLabel(session_.Model(), row_, result)));
    if (result < -1) return;
    if (result >= 0) view_.FlashCommand(result, true);
}

void MainFlows::SetBuiltinLanguage(int language) {
    if (!IsEnabledNow(CommandId::SetLanguage)) return;
    if (!session_.SetBuiltinLanguage(language)) return;
    view_.ShowBuiltinLanguages(session_.ModuleId(), language);
    view_.IdleRefresh();
}

void MainFlows::Reset(ResetScope scope) {
    static constexpr CommandId kIds[] = {CommandId::ResetAll, CommandId::ResetCommands,
                                         CommandId::ResetMessages};
    if (!IsEnabledNow(kIds[static_cast<int>(scope)])) return;
    std::string question;
    MemoryReset reset = MemoryReset::All;
    switch (scope) {
        case ResetScope::All:
            question = Tr(PX_TR("MainFrame",
                                "This operation will delete all defined commands and recorded "
                                "messages.\n\nAre you sure you want to proceed?"));
            break;
        case ResetScope::Commands:
            question = Tr(PX_TR("MainFrame",
                                "This operation will delete all commands and groups you have "
                                "defined.\n\nAre you sure you want to proceed?"));
            reset = MemoryReset::Commands;
            break;
        case ResetScope::Messages:
            question =
                Tr(PX_TR("MainFrame",
                         "This operation will delete all messages you have recorded.\n\nAre you "
                         "sure you want to proceed?"));
            reset = MemoryReset::Messages;
            break;
    }
    if (!Confirm(question)) return;
    if (!Serving([&] { return ModelEdits(session_).ResetMemory(reset); })) return;
    view_.UpdateCommandStates();
    view_.IdleRefresh();
    view_.DiscardQueuedInput();
    frontEnd_.MessageBox(Tr(PX_TR("MainFrame", "Reset completed successfully.")),
                         Tr(PX_TR("Controller", "Information")), BoxIcon::Information);
}

void MainFlows::PlaySound() {
    if (!IsEnabledNow(CommandId::PlaySound)) return;
    Serving([&] { ModelEdits(session_).PlaySound(sel_, kSoundVolume); });
    view_.DiscardQueuedInput();
}

void MainFlows::ExportCommands() {
    RunCommandFile(true);
}

void MainFlows::ImportCommands() {
    RunCommandFile(false);
}

void MainFlows::RunCommandFile(bool exporting) {
    if (!IsEnabledNow(exporting ? CommandId::ExportCommands : CommandId::ImportCommands)) return;
    const std::string path = view_.AskCommandFile(exporting);
    if (path.empty()) return;
    commandFile_ = path;
    if (exporting)
        session_.RequestExport(path);
    else
        session_.RequestImport(path);
    view_.UpdateCommandStates();
}

}  // namespace parlix::ui
