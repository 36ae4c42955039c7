// The flows of the Update Custom Data dialog, which in firmware mode is the
// Update Firmware dialog: the project list, builds, the header export and
// downloads through the loader, without a window.
#pragma once

#include "external/CustomDataBuild.h"
#include "external/DataOutputFiles.h"
#include "external/DataProjectList.h"
#include "external/ToolProcess.h"
#include "ui/logic/SoundTableView.h"

#include <functional>
#include <string>

namespace parlix {
class FrontEnd;
}

namespace parlix::ui {

class SoundTableFlow {
  public:
    // `toolOutput` brings the tools' lines back to OnToolLine on this
    // thread; `port` names the port that downloads go to.
    SoundTableFlow(SoundTableView& view, FrontEnd& frontEnd, ToolListener& toolOutput,
                   std::string programFolder, std::function<std::string()> port,
                   DataOutputFiles& outputs);

    SoundTableState State() const;

    // Update Custom Data: shows the dialog as it was left.
    void ShowCustomData();
    // Update Firmware: firmware mode, the dialog shown and the file checked.
    void LoadFirmwareFile(const std::string& path);
    // The show handler's texts and focus.
    void OnShown();
    // The hide handler: firmware mode ends with its file and rows.
    void OnHidden();

    void Import();
    void Remove();
    void MoveUp();
    void MoveDown();
    void OpenExternally();
    void Refresh();
    void ExportHeader();
    void DownloadButton();
    void CancelButton();

    // One output line of a running tool: the status text and the bar.
    void OnToolLine(const std::string& line);

    // A build or a download runs its tool only while its flag is set.
    bool ToolRunning() const { return building_ || downloading_; }
    const std::string& FileToDownload() const { return fileToDownload_; }

  private:
    void ShowProjects(int selected);
    // Whether the control's rule allows it now; handlers check before acting.
    bool Allowed(SoundTableControl control) const;

    SoundTableView& view_;
    FrontEnd& frontEnd_;
    ToolListener& toolOutput_;
    std::string programFolder_;
    std::function<std::string()> port_;
    DataOutputFiles& outputs_;
    CustomDataBuild build_;
    DataProjectList projects_;
    ToolCancel downloadCancel_;

    bool firmwareMode_ = false;
    bool building_ = false;
    bool downloading_ = false;
    std::string fileToDownload_;
    std::vector<DataRow> dataRows_;
};

}  // namespace parlix::ui
