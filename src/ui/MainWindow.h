// The main window: menus, tool bar with the port box, the two lists side by
// side and the status bar. Its commands stand in the action table and its
// flows in MainFlows; the window only shows what they decide. It is built in
// MainWindowLayout.cpp, its submenus of choices filled in MainWindowChoices.cpp.
#pragma once

#include "app/ModuleSession.h"
#include "link/PortMonitor.h"
#include "ui/QtFrontEnd.h"
#include "ui/logic/CommandIds.h"
#include "ui/logic/ListTexts.h"
#include "ui/logic/MainFlows.h"
#include "ui/logic/MainView.h"

#include <QtCore/QTimer>
#include <QtWidgets/QMainWindow>

#include <map>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QSocketNotifier;
class QSplitter;
class QToolButton;
class QTreeView;

namespace parlix {
class AppSettings;
}

namespace parlix::ui {

struct ActionSpec;
class CommandListModel;
class EmptyListHint;
class GroupListModel;
class InterfaceLanguages;
class LabelDelegate;
class ParamsDialog;
class PromptDialog;
class SoundTableDialog;

class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
  public:
    MainWindow(parlix::AppSettings& settings, InterfaceLanguages& languages);
    ~MainWindow() override;

    QAction* Action(CommandId id) const;
    MainFlows& Flows() { return flows_; }
    parlix::AppSettings& Settings() { return settings_; }
    parlix::ModuleSession& Session() { return session_; }
    QtFrontEnd& Front() { return frontEnd_; }
    QTreeView* GroupView() const { return groupView_; }
    QTreeView* CommandView() const { return commandView_; }
    GroupListModel* Groups() const { return groups_; }
    CommandListModel* Commands() const { return commands_; }
    QComboBox* PortBox() const { return portBox_; }
    QSplitter* Splitter() const { return splitter_; }
    SoundTableDialog* SoundTable() const { return soundTable_.get(); }
    ParamsDialog* Params() const { return params_.get(); }
    QString CommandPaneTitle() const;
    QString StatusPaneText() const;
    // Count the refreshes and the recording polls, so that a caller can wait
    // for the next one.
    int IdleRefreshes() const { return idleRefreshes_; }
    int RecordingPolls() const { return recordingPolls_; }

    // Handlers of the action table that need more than the flows.
    void UpdateFirmware();
    // What the port box shows, typed or chosen, becomes the current port.
    void TakeTypedPort();
    // The box that says a feature is not built yet.

    // MainView
    void UpdateCommandStates() override;
    void IdleRefresh() override;
    void RepaintNow() override;
    void RebuildGroupRows() override;
    void ShowBuiltinLanguages(int moduleId, int language) override;
    void DiscardQueuedInput() override;
    void EnableLists(bool enable) override;
    void ShowRecordingPrompt(const std::string& text) override;
    void RemoveRecordingPrompt() override;
    void StartRecordingTimer() override;
    void StopRecordingTimer() override;
    void FlashCommand(int index, bool expected) override;
    void RedrawCommandRow(int index) override;
    void StartLabelEdit(int index) override;
    PhaseOutcome RunTrainingPhase(int group, int command, int phase) override;
    std::string AskCommandFile(bool save) override;

  signals:
    // The window closed: 0, or the code that asks for another interface language.
    void Closed(int exitCode);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateLists();
    void CreateStatusBar();
    void RestorePlacement();
    // The first start's size: the whole tool bar where the screen allows.
    void PlaceFirstTime();
    void SavePlacement();
    void FillPorts();
    void ChoosePort(const QString& name);
    void FillInterfaceLanguages();
    void ChooseInterfaceLanguage(int index);
    void Run(const ActionSpec& spec);
    void GroupSelectionChanged();
    void CommandSelectionChanged();
    void SizeCommandColumns(ColumnSet set);
    void CommandDoubleClicked(const QModelIndex& index);
    void JobFinished(std::uint64_t threadId, int served);
    void LinkLost();
    void SetAcceleratorsActive(bool active);
    // While a connect runs, its command reads Cancel.
    void ShowConnectAsCancel(bool cancel);
    void StartPortMonitor();
    // The hint in the empty command list, and the lists emptied whenever
    // the connection ends: they never show a module that is not there.
    void CreateHints();
    void FollowConnection(bool connected, bool connecting);
    void ToggleTrace();
    // A trace whose file fills up stops; the window says so once and unticks it.
    void WatchTrace();

    parlix::AppSettings& settings_;
    InterfaceLanguages& languages_;
    QtFrontEnd frontEnd_;
    parlix::ModuleSession session_;
    MainFlows flows_;
    // Modeless and only hidden, never destroyed while the window lives.
    std::unique_ptr<SoundTableDialog> soundTable_;
    std::unique_ptr<ParamsDialog> params_;

    std::map<CommandId, QAction*> actions_;
    std::map<CommandId, QList<QKeySequence>> shortcuts_;
    bool acceleratorsActive_ = true;
    bool connectShowsCancel_ = false;
    struct ActionLook {
        QString text, toolTip, statusTip;
        QIcon icon;
    } connectLook_;
    QMenu* portMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QMenu* builtinMenu_ = nullptr;
    QAction* traceAction_ = nullptr;
    QComboBox* portBox_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QAction* progressAction_ = nullptr;  // shows and hides the bar in the tool bar
    QLabel* statusPane_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* groupTitle_ = nullptr;
    QLabel* commandTitle_ = nullptr;
    QTreeView* groupView_ = nullptr;
    QTreeView* commandView_ = nullptr;
    GroupListModel* groups_ = nullptr;
    CommandListModel* commands_ = nullptr;
    LabelDelegate* labelDelegate_ = nullptr;
    PromptDialog* recordingPrompt_ = nullptr;
    EmptyListHint* commandHint_ = nullptr;
    bool listsConnected_ = false;
    QTimer idleTimer_;
    QTimer recordingTimer_;
    QTimer portRefreshTimer_;
    parlix::PortMonitor portMonitor_;
    QSocketNotifier* portNotifier_ = nullptr;
    int languageExitCode_ = 0;
    int idleRefreshes_ = 0;
    int recordingPolls_ = 0;
};

}  // namespace parlix::ui
