// What the main window's flows ask of the window. The Qt window implements
// it; tests use a recorder.
#pragma once

#include "ui/logic/TrainingFlow.h"

#include <string>

namespace parlix::ui {

class MainView {
  public:
    virtual ~MainView() = default;

    // Applies the enable rules to menus, tool bar and accelerators.
    virtual void UpdateCommandStates() = 0;
    // Redraws what changed in the model.
    virtual void IdleRefresh() = 0;
    virtual void RepaintNow() = 0;
    // After connecting: the group list rows anew, row 0 selected.
    virtual void RebuildGroupRows() = 0;
    // The built-in language menu for the module, with `language` ticked.
    virtual void ShowBuiltinLanguages(int moduleId, int language) = 0;
    virtual void DiscardQueuedInput() = 0;
    virtual void EnableLists(bool enable) = 0;
    virtual void ShowRecordingPrompt(const std::string& text) = 0;
    virtual void RemoveRecordingPrompt() = 0;
    virtual void StartRecordingTimer() = 0;
    virtual void StopRecordingTimer() = 0;
    virtual void FlashCommand(int index, bool expected) = 0;
    virtual void RedrawCommandRow(int index) = 0;
    // Selects command row `index` and opens its label editor, if Rename allows.
    virtual void StartLabelEdit(int index) = 0;
    // Runs the training dialog for one phase.
    virtual PhaseOutcome RunTrainingPhase(int group, int command, int phase) = 0;
    // A file dialog; empty when the user cancelled.
    virtual std::string AskCommandFile(bool save) = 0;
};

}  // namespace parlix::ui
