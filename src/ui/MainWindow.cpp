#include "ui/MainWindow.h"

#include "app/AppSettings.h"
#include "app/FileFolders.h"
#include "app/PortList.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "ui/ActionTable.h"
#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"
#include "ui/InputDiscarder.h"
#include "ui/ListIcons.h"
#include "ui/ParamsDialog.h"
#include "ui/PromptDialog.h"
#include "ui/SoundTableDialog.h"
#include "ui/TrainingDialog.h"
#include "ui/logic/CommandRules.h"
#include "ui/logic/ProgressShown.h"

#include <QtCore/QMetaObject>
#include <QtCore/QPointer>
#include <QtCore/QSocketNotifier>
#include <QtCore/QStandardPaths>
#include <QtCore/QThread>
#include <QtGui/QCloseEvent>
#include <QtGui/QFontMetrics>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QTreeView>

#include <cstdio>

namespace parlix::ui {
namespace {

constexpr int kIdleRefreshMs = 100;
constexpr int kRecordingPollMs = 500;
constexpr int kPortRefreshMs = 1000;

QString Text(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// The title shows the version as major.minor.third.
QString WindowTitle() {
    const QStringList parts = QStringLiteral(PARLIX_VERSION).split(QLatin1Char('.'));
    auto part = [&](int i) { return i < parts.size() ? parts[i].toInt() : 0; };
    return QString::fromStdString(TrFormatInserts(
        PX_TR("MainFrame", "Parlix Desk - v%1!d!.%2!d!.%3!d!"), part(0), part(1), part(2)));
}

}  // namespace

MainWindow::MainWindow(AppSettings& settings, InterfaceLanguages& languages)
    : settings_(settings),
      languages_(languages),
      frontEnd_(this),
      session_(settings, frontEnd_),
      flows_(session_, frontEnd_, *this) {
    InitResources();
    setObjectName(QStringLiteral("mainWindow"));
    const QFontMetrics metrics(font());
    resize(45 * metrics.averageCharWidth() + 486, 30 * (metrics.height() + metrics.leading()) + 28);
    setWindowTitle(WindowTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/parlix-desk.svg")));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateLists();
    CreateHints();
    RestorePlacement();
    progressAction_->setVisible(false);  // until something runs

    // Its own window, not a child: it must stay usable while this one is disabled.
    soundTable_ = std::make_unique<SoundTableDialog>(nullptr, frontEnd_, settings_.ProgramFolder(),
                                                     [this] { return settings_.CurrentPort(); });
    soundTable_->setWindowIcon(windowIcon());
    params_ = std::make_unique<ParamsDialog>(this, session_, settings_);

    frontEnd_.onStatusText = [this](const QString& text) { statusPane_->setText(text); };
    frontEnd_.onProgress = [this](std::uint32_t range, std::uint32_t pos) {
        progress_->setRange(0, static_cast<int>(std::min<std::uint32_t>(range, INT32_MAX)));
        progress_->setValue(static_cast<int>(std::min(pos, range)));
        progressAction_->setVisible(ProgressShown(range, pos));
    };
    frontEnd_.onJobFinished = [this](std::uint64_t id, int served) { JobFinished(id, served); };
    frontEnd_.onLinkLost = [this] { LinkLost(); };
    // The connect job changes the state on its own thread.
    session_.SetStateChangedHandler([this] {
        if (QThread::currentThread() == thread())
            UpdateCommandStates();
        else
            QMetaObject::invokeMethod(
                this, [this] { UpdateCommandStates(); }, Qt::QueuedConnection);
    });

    idleTimer_.setInterval(kIdleRefreshMs);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        if (isEnabled()) IdleRefresh();
    });
    idleTimer_.start();
    recordingTimer_.setInterval(kRecordingPollMs);
    connect(&recordingTimer_, &QTimer::timeout, this, [this] {
        flows_.RecordingTick();
        ++recordingPolls_;
    });
    portRefreshTimer_.setSingleShot(true);
    portRefreshTimer_.setInterval(kPortRefreshMs);
    connect(&portRefreshTimer_, &QTimer::timeout, this, [this] {
        RefreshPortList(settings_);
        FillPorts();
    });
    StartPortMonitor();
    WatchTrace();
    UpdateCommandStates();
    groupView_->setFocus();
}

MainWindow::~MainWindow() {
    idleTimer_.stop();
    flows_.Disconnect();
    SavePlacement();
}

QAction* MainWindow::Action(CommandId id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::Run(const ActionSpec& spec) {
    // Each handler checks its rule again: an accelerator never bypasses it.
    if (spec.enabled(flows_.State())) spec.run(*this, spec.id);
    UpdateCommandStates();
}

void MainWindow::UpdateFirmware() {
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    const QString path = QFileDialog::getOpenFileName(
        owner, QString(), QString::fromStdString(FirmwareFolder(settings_)),
        QString::fromStdString(Tr(PX_TR("MainFrame", "Parlix Firmware (*.PLXFW)"))), nullptr,
        QFileDialog::ReadOnly);
    if (path.isEmpty()) return;
    frontEnd_.EnableMainWindow(false);
    soundTable_->Flow().LoadFirmwareFile(path.toStdString());
}

void MainWindow::UpdateCommandStates() {
    const WindowState state = flows_.State();
    for (const ActionSpec& spec : ActionSpecs()) {
        QAction* action = Action(spec.id);
        action->setEnabled(spec.enabled(state));
        if (action->isCheckable()) action->setChecked(IsChecked(spec.id, state));
    }
    ShowConnectAsCancel(state.connecting);
    portBox_->setEnabled(rule::Port(state));
    FollowConnection(state.connected, state.connecting);
    if (params_)
        params_->SetConnection(state.connected,
                               state.connected ? session_.Support() : RecognitionSupport{});
}

void MainWindow::ShowConnectAsCancel(bool cancel) {
    if (cancel == connectShowsCancel_) return;
    connectShowsCancel_ = cancel;
    QAction* action = Action(CommandId::Connect);
    if (cancel) {
        connectLook_ = {action->text(), action->toolTip(), action->statusTip(), action->icon()};
        action->setText(tr("&Cancel"));
        action->setToolTip(tr("Stop connecting"));
        action->setStatusTip(tr("Stop connecting and close the port"));
        action->setIcon(
            QIcon::fromTheme(QStringLiteral("process-stop"),
                             QIcon(QStringLiteral(":/icons/fallback/process-stop.svg"))));
        action->setShortcut(QKeySequence(Qt::Key_Escape));
        return;
    }
    action->setText(connectLook_.text);
    action->setToolTip(connectLook_.toolTip);
    action->setStatusTip(connectLook_.statusTip);
    action->setIcon(connectLook_.icon);
    action->setShortcuts(acceleratorsActive_ ? shortcuts_[CommandId::Connect]
                                             : QList<QKeySequence>{});
}

void MainWindow::SetAcceleratorsActive(bool active) {
    if (active == acceleratorsActive_) return;
    acceleratorsActive_ = active;
    for (const auto& [id, action] : actions_)
        action->setShortcuts(active ? shortcuts_[id] : QList<QKeySequence>{});
}

void MainWindow::IdleRefresh() {
    UpdateCommandStates();
    groups_->Refresh();
    commands_->Refresh();
    ++idleRefreshes_;
}

void MainWindow::RepaintNow() {
    repaint();
}

void MainWindow::RebuildGroupRows() {
    // Row 0 is selected anew, so that its columns and read follow even when
    // it was the selected row before.
    commands_->SetGroupRow(-1);
    groups_->Rebuild();
    groupView_->resizeColumnToContents(2);
    if (groups_->rowCount() > 0) {
        groupView_->setCurrentIndex(groups_->index(0, 0));
        groupView_->setFocus();
    }
}

void MainWindow::GroupSelectionChanged() {
    const int row = groupView_->currentIndex().isValid() ? groupView_->currentIndex().row() : -1;
    if (row == commands_->GroupRow()) return;
    commandTitle_->setText(row < 0 ? tr("Command List")
                                   : QString::fromStdString(CommandListTitle(row)));
    commands_->SetGroupRow(row);
    SizeCommandColumns(ColumnsFor(row));
    flows_.SetSelection(row, -1);
    if (row >= 0) flows_.GroupSelected(row);
}

void MainWindow::CommandSelectionChanged() {
    const QModelIndex current = commandView_->currentIndex();
    const int sel = current.isValid() ? current.row() : -1;
    flows_.SetSelection(flows_.SelectedRow(), sel);
    commands_->SetSelected(sel);
    UpdateCommandStates();
}

void MainWindow::CommandDoubleClicked(const QModelIndex& index) {
    if (flows_.SelectedRow() == 17) {
        flows_.PlaySound();
        return;
    }
    StartLabelEdit(index.row());
}

void MainWindow::StartLabelEdit(int row) {
    // A job's end can come before the idle refresh has shown the row it read.
    if (row >= commands_->rowCount()) commands_->Refresh();
    if (row < 0 || row >= commands_->rowCount()) return;
    const QModelIndex cell = commands_->index(row, 2);
    commandView_->setFocus();
    commandView_->setCurrentIndex(cell);
    commandView_->edit(cell);
}

void MainWindow::RedrawCommandRow(int row) {
    commands_->RedrawRow(row);
}

void MainWindow::JobFinished(std::uint64_t threadId, int served) {
    flows_.JobFinished(threadId, served);
    IdleRefresh();
}

void MainWindow::LinkLost() {
    // The exchange has said what happened; the window only disconnects.
    flows_.Disconnect();
}

void MainWindow::DiscardQueuedInput() {
    DiscardPendingInput();
}

void MainWindow::EnableLists(bool enable) {
    groupView_->setEnabled(enable);
    commandView_->setEnabled(enable);
}

void MainWindow::ShowRecordingPrompt(const std::string& text) {
    if (!recordingPrompt_) {
        recordingPrompt_ = new PromptDialog(commandView_);
        recordingPrompt_->setObjectName(QStringLiteral("recordingPrompt"));
    }
    recordingPrompt_->ShowText(QString::fromStdString(text));
}

void MainWindow::RemoveRecordingPrompt() {
    delete recordingPrompt_;
    recordingPrompt_ = nullptr;
}

void MainWindow::StartRecordingTimer() {
    recordingTimer_.start();
}

void MainWindow::StopRecordingTimer() {
    recordingTimer_.stop();
}

void MainWindow::FlashCommand(int index, bool expected) {
    commands_->Flash(index, expected);
}

PhaseOutcome MainWindow::RunTrainingPhase(int group, int command, int phase) {
    const QString label = commands_->RowTexts(command).value(2);
    VoiceModel& model = session_.Model();
    ModuleController& controller = session_.Controller();
    PhaseSteps steps;
    // The module listens for seconds: the window keeps painting meanwhile.
    steps.erase = [&] {
        bool erased = false;
        frontEnd_.RunServing([&] { erased = model.EraseTraining(group, command, controller); });
        return erased;
    };
    steps.train = [&] {
        std::int32_t result = 0;
        frontEnd_.RunServing([&] { result = model.TrainEntry(group, command, controller); });
        return result;
    };
    steps.keep = [this](std::int32_t similar) {
        return frontEnd_.MessageBox(TrFormatInserts(PX_TR("TrainingDlg",
                                                          "Trained command is similar to existing "
                                                          "command %1!d!.\n\nKeep current training "
                                                          "anyway?"),
                                                    similar),
                                    Tr(PX_TR("Controller", "Warning")),
                                    Buttons::YesNo | BoxIcon::Warning) == BoxAnswer::Yes;
    };
    TrainingDialog dialog(this, label, group, command, phase, std::move(steps));
    dialog.exec();
    return dialog.Outcome();
}

std::string MainWindow::AskCommandFile(bool save) {
    // "Name (*.ext)^*.ext^": the filter before the first separator.
    const QString filter =
        Text("MainFrame", QT_TRANSLATE_NOOP("MainFrame", "Command Files (*.vrcmd)^*.vrcmd^"))
            .section(QLatin1Char('^'), 0, 0);
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("commandFileDialog"));
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("vrcmd"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(
        QString::fromStdString(CommandFileFolder(settings_, documents.toStdString())));
    if (save) dialog.selectFile(tr("Commands.vrcmd"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const std::string chosen = dialog.selectedFiles().front().toStdString();
    RememberCommandFileFolder(settings_, chosen);
    return chosen;
}

QString MainWindow::CommandPaneTitle() const {
    return commandTitle_->text();
}

QString MainWindow::StatusPaneText() const {
    return statusPane_->text();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    flows_.Disconnect();
    event->accept();
    // The start-up loop ends the message loop; a language switch has its own code.
    emit Closed(languageExitCode_);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusPane_) statusPane_->setFixedWidth(width() / 2);
}

void MainWindow::ToggleTrace() {
    if (IsTracing()) {
        CloseTrace();
        traceAction_->setChecked(false);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Trace to File"), QString(),
                                                      tr("Trace Files (*.txt *.log)"));
    if (!path.isEmpty()) {
        if (const std::error_code error = OpenTrace(path.toStdString(), qVersion()))
            frontEnd_.MessageBox(tr("The trace cannot be written to \"%1\":\n%2")
                                     .arg(path, QString::fromStdString(error.message()))
                                     .toStdString(),
                                 Tr(PX_TR("Controller", "Error")), BoxIcon::Error);
    }
    traceAction_->setChecked(IsTracing());
}

void MainWindow::WatchTrace() {
    // Told on the thread whose write failed, perhaps a job's: shown on this one.
    // The next window replaces the handler; until then a closed one leaves
    // the warning to standard error.
    SetTraceFailureHandler(
        [window = QPointer<MainWindow>(this)](const std::string& path, std::error_code error) {
            const QString file = QString::fromStdString(path);
            const QString reason = QString::fromStdString(error.message());
            QMetaObject::invokeMethod(
                qApp,
                [window, file, reason] {
                    if (!window) {
                        std::fprintf(stderr, "The trace \"%s\" stopped: %s\n", qPrintable(file),
                                     qPrintable(reason));
                        return;
                    }
                    window->traceAction_->setChecked(IsTracing());
                    window->frontEnd_.MessageBox(
                        tr("Tracing has stopped: the trace \"%1\" cannot be written.\n%2")
                            .arg(file, reason)
                            .toStdString(),
                        Tr(PX_TR("Controller", "Warning")), BoxIcon::Warning);
                },
                Qt::QueuedConnection);
        });
}

void MainWindow::StartPortMonitor() {
    if (portMonitor_.Start()) return;  // no monitor: the list is refreshed at start-up only
    portNotifier_ = new QSocketNotifier(portMonitor_.Fd(), QSocketNotifier::Read, this);
    connect(portNotifier_, &QSocketNotifier::activated, this, [this] {
        if (portMonitor_.Drain()) portRefreshTimer_.start();
    });
}

}  // namespace parlix::ui
