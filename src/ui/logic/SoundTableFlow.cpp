#include "ui/logic/SoundTableFlow.h"

#include "base/FrontEnd.h"
#include "base/Text.h"
#include "external/CustomDataRefresh.h"
#include "external/DataHeaderExport.h"
#include "external/FirmwareFile.h"
#include "external/LoaderDownload.h"
#include "external/LoaderProgress.h"
#include "ui/logic/OutcomeLines.h"

namespace parlix::ui {

namespace {

// The firmware row's icon in the project list.
constexpr int kFirmwareIcon = 8;

// The dialog's header and status lines show the download.
class DialogDownloadView : public DownloadView {
  public:
    explicit DialogDownloadView(SoundTableView& view) : view_(view) {}
    void ShowDownloadHeader(const std::string& text) override { view_.SetHeader(text); }
    void ShowDownloadStatus(const std::string& text) override { view_.SetStatus(text); }
    void LoaderEnded() override { view_.HideProgress(); }

  private:
    SoundTableView& view_;
};

}  // namespace

SoundTableFlow::SoundTableFlow(SoundTableView& view, FrontEnd& frontEnd, ToolListener& toolOutput,
                               std::string programFolder, std::function<std::string()> port,
                               DataOutputFiles& outputs)
    : view_(view),
      frontEnd_(frontEnd),
      toolOutput_(toolOutput),
      programFolder_(std::move(programFolder)),
      port_(std::move(port)),
      outputs_(outputs),
      build_(frontEnd, view, toolOutput, programFolder_) {}

SoundTableState SoundTableFlow::State() const {
    SoundTableState state;
    state.firmwareMode = firmwareMode_;
    state.building = building_;
    state.downloading = downloading_;
    state.hasFileToDownload = !fileToDownload_.empty();
    state.projectCount = firmwareMode_ ? 1 : projects_.Size();
    state.selectedProject = view_.SelectedProject();
    return state;
}

bool SoundTableFlow::Allowed(SoundTableControl control) const {
    return IsEnabled(control, State());
}

void SoundTableFlow::ShowCustomData() {
    view_.ShowDialog();
    OnShown();
    view_.UpdateControls();
}

void SoundTableFlow::OnShown() {
    if (firmwareMode_) {
        view_.SetHeader(Tr(PX_TR("CustomData", "Updating firmware")));
        view_.SetStatus(Tr(PX_TR("CustomData", "Set transfer options and download...")));
        view_.Focus(SoundTableControl::Cancel);
    } else if (projects_.Empty()) {
        view_.SetHeader(Tr(PX_TR("CustomData", "Preparing custom data")));
        view_.SetStatus(Tr(PX_TR("CustomData", "List the project files to use...")));
        view_.Focus(SoundTableControl::Import);
    }
}

void SoundTableFlow::OnHidden() {
    if (!firmwareMode_) return;
    view_.SetTitle(false);
    projects_ = DataProjectList();
    dataRows_.clear();
    view_.SetProjectRows({}, -1);
    view_.SetDataRows({});
    fileToDownload_.clear();
    firmwareMode_ = false;
}

void SoundTableFlow::LoadFirmwareFile(const std::string& path) {
    firmwareMode_ = true;
    fileToDownload_.clear();
    projects_ = DataProjectList();
    dataRows_.clear();
    view_.SetProjectRows({}, -1);
    view_.SetDataRows({});
    view_.SetTitle(true);
    view_.ShowDialog();
    OnShown();

    view_.SetProjectRows({{kFirmwareIcon, FirmwareProjectName(path), path}}, 0);
    const FirmwareCheck check = CheckFirmwareFile(path);
    if (!check.status.empty()) view_.SetStatus(check.status);
    if (check.hasDataRow) {
        dataRows_ = {{-1, check.Result(), check.description}};
        view_.SetDataRows(dataRows_);
    }
    if (check.valid) {
        fileToDownload_ = path;
        view_.Focus(SoundTableControl::Download);
    }
    view_.UpdateControls();
}

void SoundTableFlow::ShowProjects(int selected) {
    std::vector<ProjectRow> rows;
    for (const auto& project : projects_.Projects())
        rows.push_back(
            {DataProjectIcon(project.type), DataProjectDisplayName(project.path), project.path});
    view_.SetProjectRows(rows, selected);
}

void SoundTableFlow::Import() {
    if (!Allowed(SoundTableControl::Import)) return;
    const std::string path = view_.AskProjectFile(projects_.ImportFilters());
    if (path.empty() || !projects_.Add(path)) return;
    ShowProjects(projects_.Size() - 1);
    Refresh();
}

void SoundTableFlow::Remove() {
    if (!Allowed(SoundTableControl::Remove)) return;
    ShowProjects(projects_.Remove(view_.SelectedProject()));
    Refresh();
}

void SoundTableFlow::MoveUp() {
    if (!Allowed(SoundTableControl::MoveUp)) return;
    const int index = view_.SelectedProject();
    projects_.MoveUp(index);
    ShowProjects(index - 1);
    Refresh();
}

void SoundTableFlow::MoveDown() {
    if (!Allowed(SoundTableControl::MoveDown)) return;
    const int index = view_.SelectedProject();
    projects_.MoveDown(index);
    ShowProjects(index + 1);
    Refresh();
}

void SoundTableFlow::OpenExternally() {
    if (!Allowed(SoundTableControl::OpenExternally)) return;
    view_.OpenExternally(
        projects_.Projects()[static_cast<std::size_t>(view_.SelectedProject())].path);
}

void SoundTableFlow::Refresh() {
    // Every change of the list builds anew; with no project left that empties the data.
    if (firmwareMode_ || building_ || downloading_) return;
    building_ = true;
    view_.UpdateControls();
    view_.Focus(SoundTableControl::Cancel);
    RefreshCustomData(build_, outputs_, projects_, view_.OldFormat(), frontEnd_);
    building_ = false;
    dataRows_ = build_.Rows();
    fileToDownload_ = build_.FileToDownload();
    view_.SetDataRows(dataRows_);
    view_.UpdateControls();
}

void SoundTableFlow::ExportHeader() {
    if (!Allowed(SoundTableControl::ExportHeader)) return;
    const std::string path = view_.AskHeaderFile();
    if (!path.empty()) ExportDataHeader(dataRows_, path, frontEnd_);
}

void SoundTableFlow::DownloadButton() {
    if (!Allowed(SoundTableControl::Download)) return;
    downloading_ = true;
    view_.UpdateControls();
    view_.Focus(SoundTableControl::Cancel);
    DialogDownloadView shown(view_);
    const LoaderDownload download{programFolder_, port_(), fileToDownload_, firmwareMode_,
                                  view_.SlowTransfer()};
    const ToolOutcome outcome =
        DownloadWithLoader(download, shown, toolOutput_, frontEnd_, downloadCancel_);
    downloading_ = false;
    if (outcome.Succeeded()) {
        // The dialog closes at once: the main window's status bar keeps the outcome.
        std::vector<std::string> projects;
        for (const DataProjectEntry& project : projects_.Projects())
            projects.push_back(project.path);
        frontEnd_.SetStatusText(
            firmwareMode_
                ? FirmwareDownloadedLine(
                      dataRows_.empty() ? std::string() : dataRows_.front().label, fileToDownload_)
                : CustomDataDownloadedLine(projects));
        CancelButton();
        return;
    }
    ReportDownloadFailure(outcome, frontEnd_);
    view_.UpdateControls();
    view_.Focus(SoundTableControl::Download);
}

void SoundTableFlow::CancelButton() {
    view_.SetStatus(Tr(PX_TR("CustomData", "Operation has been canceled.")));
    downloadCancel_.Cancel();
    build_.Cancel().Cancel();
    view_.UpdateControls();
    if (ToolRunning()) return;
    frontEnd_.EnableMainWindow(true);
    view_.HideDialog();
}

void SoundTableFlow::OnToolLine(const std::string& line) {
    const LoaderLine parsed = ParseLoaderLine(line);
    if (!parsed.status.empty()) view_.SetStatus(parsed.status);
    if (parsed.position) view_.ShowProgress(*parsed.position);
}

}  // namespace parlix::ui
