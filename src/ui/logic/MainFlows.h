// The main window's commands and flows without a window: each re-checks its
// enable rule, asks its confirmation through the front end, runs the model
// and controller operations and tells the view what to redraw.
#pragma once

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

    void Connect();
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
};

}  // namespace parlix::ui
