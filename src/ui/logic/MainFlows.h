// The main window's commands and flows without a window: each re-checks its
// enable rule, asks its confirmation through the front end, runs the model
// and controller operations and tells the view what to redraw.
#pragma once

#include "app/ConnectJob.h"
#include "ui/logic/CommandIds.h"
#include "ui/logic/WindowState.h"

#include <cstdint>
#include <string>

namespace parlix {
class ModuleSession;
class FrontEnd;
}  // namespace parlix

namespace parlix::ui {

class MainView;

enum class ResetScope { All, Commands, Messages };

class MainFlows {
  public:
    MainFlows(parlix::ModuleSession& session, parlix::FrontEnd& frontEnd, MainView& view);

    // The state the rules see now, the model read with try-locks.
    WindowState State();

    void SetSelection(int row, int sel);
    int SelectedRow() const { return row_; }
    int SelectedCommand() const { return sel_; }
    void SetLabelEditing(bool on) { labelEditing_ = on; }
    int RecordingSlot() const { return recordingSlot_; }

    // Starts connecting in the background; while that runs, Connect cancels it.
    void Connect();
    void CancelConnect();
    bool Connecting() const { return connecting_; }
    // Also ends a connect that runs, waiting for it.
    void Disconnect();
    // The group selection changed to `row`.
    void GroupSelected(int row);
    void JobFinished(std::uint64_t threadId, int served);

    void InsertCommand();
    void AddCommand();
    void RemoveCommand();
    // False when the rule forbids it: the editor must not open.
    bool CanRename() { return IsEnabledNow(CommandId::RenameCommand); }
    // The editor closed with `text`; renames when the model takes it as a change.
    void FinishRename(int index, const std::string& text);
    void TrainCommand();
    void EraseTraining();
    void RecordMessage();
    void RecordingTick();
    void PlayMessage();
    void EraseMessage();
    void TestGroup();
    void SetBuiltinLanguage(int language);
    void Reset(ResetScope scope);
    void PlaySound();
    void ExportCommands();
    void ImportCommands();

  private:
    bool IsEnabledNow(CommandId id);
    bool Confirm(const std::string& text);
    void CreateCommand(int index);
    void RecordingEnded();
    // The connect job `run` ended; on the window's thread.
    void ConnectEnded(std::uint64_t run, bool connected);
    // Runs a module operation that may wait, with the window still served.
    template <typename Operation>
    auto Serving(Operation operation);
    // Export or import through the file the user picks.
    void RunCommandFile(bool exporting);

    parlix::ModuleSession& session_;
    parlix::FrontEnd& frontEnd_;
    MainView& view_;
    int row_ = -1;
    int sel_ = -1;
    int recordingSlot_ = -1;
    int editAfterRefresh_ = -1;
    bool labelEditing_ = false;
    // The file of the running export or import, for its outcome line.
    std::string commandFile_;
    bool connecting_ = false;
    std::uint64_t connectRun_ = 0;
    // Last: its thread may still use the members above until it is joined.
    parlix::ConnectJob connectJob_;
};

}  // namespace parlix::ui
