// The modeless Update Custom Data dialog, also the Update Firmware dialog:
// the project list over the data list, the header band with the current
// step, the three-phase progress bar and the download options. Its flows
// live in SoundTableFlow; this class only shows and forwards.
#pragma once

#include "external/DataOutputFiles.h"
#include "external/ToolListener.h"
#include "ui/logic/SoundTableFlow.h"

#include <QtWidgets/QDialog>

#include <map>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QProgressBar;
class QTreeWidget;

namespace parlix {
class FrontEnd;
}

namespace parlix::ui {

class SoundTableDialog : public QDialog, public SoundTableView, public ToolListener {
    Q_OBJECT
  public:
    SoundTableDialog(QWidget* parent, FrontEnd& frontEnd, std::string programFolder,
                     std::function<std::string()> port);
    ~SoundTableDialog() override;

    SoundTableFlow& Flow() { return *flow_; }
    QAbstractButton* Button(SoundTableControl control) const;
    QTreeWidget* ProjectList() const { return projects_; }
    QTreeWidget* DataList() const { return data_; }
    QProgressBar* ProgressBar() const { return progress_; }
    QString HeaderText() const;
    QString StatusText() const;

    // SoundTableView
    void SetHeader(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void SetTitle(bool firmware) override;
    void ShowProgress(int position) override;
    void HideProgress() override;
    void SetProjectRows(const std::vector<ProjectRow>& rows, int selected) override;
    int SelectedProject() const override;
    void SetDataRows(const std::vector<DataRow>& rows) override;
    void UpdateControls() override;
    void Focus(SoundTableControl control) override;
    void ShowDialog() override;
    void HideDialog() override;
    std::string AskProjectFile(const std::vector<DataFileFilter>& filters) override;
    std::string AskHeaderFile() override;
    void OpenExternally(const std::string& path) override;
    bool SlowTransfer() const override;
    bool OldFormat() const override;

    // ToolListener: lines arrive on the tool's reader thread and are shown here in order.
    void OnLine(std::string line, std::uint32_t userValue) override;
    void OnFinished(std::uint32_t code, std::uint32_t userValue) override;

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QAbstractButton* AddButton(SoundTableControl control, const QString& text);

    DataOutputFiles outputs_;
    std::unique_ptr<SoundTableFlow> flow_;
    std::map<SoundTableControl, QAbstractButton*> buttons_;
    QLabel* header_;
    QLabel* status_;
    QTreeWidget* projects_;
    QTreeWidget* data_;
    QProgressBar* progress_;
    QCheckBox* slow_ = nullptr;
    QCheckBox* oldFormat_ = nullptr;
};

}  // namespace parlix::ui
