// What the custom data and firmware dialog's flows ask of the dialog. The Qt
// dialog implements it; tests use a recorder.
#pragma once

#include "external/CustomDataBuild.h"
#include "ui/logic/SoundTableRules.h"

#include <string>
#include <vector>

namespace parlix::ui {

struct ProjectRow {
    int icon = 0;
    std::string name;
    std::string path;
    bool operator==(const ProjectRow&) const = default;
};

class SoundTableView : public DataBuildView {
  public:
    // "Update Firmware" in firmware mode, else "Update Custom Data".
    virtual void SetTitle(bool firmware) = 0;
    virtual void ShowProgress(int position) = 0;
    virtual void HideProgress() = 0;
    virtual void SetProjectRows(const std::vector<ProjectRow>& rows, int selected) = 0;
    virtual int SelectedProject() const = 0;
    virtual void SetDataRows(const std::vector<DataRow>& rows) = 0;
    // Applies the enable rules to every control.
    virtual void UpdateControls() = 0;
    virtual void Focus(SoundTableControl control) = 0;
    virtual void ShowDialog() = 0;
    virtual void HideDialog() = 0;
    // An open-file dialog for a project; empty when the user cancelled.
    virtual std::string AskProjectFile(const std::vector<DataFileFilter>& filters) = 0;
    // A save-file dialog for the header export; empty when the user cancelled.
    virtual std::string AskHeaderFile() = 0;
    // Opens a project in the program the desktop associates with it.
    virtual void OpenExternally(const std::string& path) = 0;
    virtual bool SlowTransfer() const = 0;
    virtual bool OldFormat() const = 0;
};

}  // namespace parlix::ui
