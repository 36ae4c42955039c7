#include "ui/MainWindow.h"

#include "app/AppSettings.h"
#include "app/PortList.h"
#include "app/WindowSettings.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "ui/ActionTable.h"
#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"
#include "ui/InputDiscarder.h"
#include "ui/InterfaceLanguages.h"
#include "ui/LabelEditor.h"
#include "ui/ListIcons.h"
#include "ui/PromptDialog.h"
#include "ui/SoundTableDialog.h"
#include "ui/TrainingDialog.h"
#include "ui/logic/CommandRules.h"

#include <QtCore/QSocketNotifier>
#include <QtGui/QActionGroup>
#include <QtGui/QCloseEvent>
#include <QtGui/QFontMetrics>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeView>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

constexpr int kIdleRefreshMs = 100;
constexpr int kRecordingPollMs = 500;
constexpr int kPortRefreshMs = 1000;

QString Text(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// "help\ntip": the status bar help before the line break, the tool tip after.
std::pair<QString, QString> HelpAndTip(const char* text) {
    const QString both = Text("MainFrame", text);
    const int split = both.indexOf(QLatin1Char('\n'));
    if (split < 0) return {both, both};
    return {both.left(split), both.mid(split + 1)};
}

QIcon ActionIcon(const char* name) {
    const QString icon = QString::fromLatin1(name);
    if (icon.isEmpty()) return {};
    if (icon.startsWith(QLatin1Char(':'))) return QIcon(icon);
    return QIcon::fromTheme(icon, QIcon(QStringLiteral(":/icons/fallback/%1.svg").arg(icon)));
}

// The built-in wordset languages, in the module's order.
constexpr const char* kBuiltinLanguages[] = {
    QT_TRANSLATE_NOOP("MainFrame", "English"),  QT_TRANSLATE_NOOP("MainFrame", "Italian"),
    QT_TRANSLATE_NOOP("MainFrame", "Japanese"), QT_TRANSLATE_NOOP("MainFrame", "German"),
    QT_TRANSLATE_NOOP("MainFrame", "Spanish"),  QT_TRANSLATE_NOOP("MainFrame", "French")};

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
    RestorePlacement();

    // Its own window, not a child: it must stay usable while this one is disabled.
    soundTable_ = std::make_unique<SoundTableDialog>(nullptr, frontEnd_, settings_.ProgramFolder(),
                                                     [this] { return settings_.CurrentPort(); });
    soundTable_->setWindowIcon(windowIcon());

    frontEnd_.onStatusText = [this](const QString& text) { statusPane_->setText(text); };
    frontEnd_.onProgress = [this](std::uint32_t range, std::uint32_t pos) {
        progress_->setRange(0, static_cast<int>(std::min<std::uint32_t>(range, INT32_MAX)));
        progress_->setValue(static_cast<int>(std::min(pos, range)));
    };
    frontEnd_.onJobFinished = [this](std::uint64_t id, int served) { JobFinished(id, served); };
    frontEnd_.onLinkLost = [this] { LinkLost(); };
    session_.SetStateChangedHandler([this] { UpdateCommandStates(); });

    idleTimer_.setInterval(kIdleRefreshMs);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        if (isEnabled()) IdleRefresh();
    });
    idleTimer_.start();
    recordingTimer_.setInterval(kRecordingPollMs);
    connect(&recordingTimer_, &QTimer::timeout, this, [this] { flows_.RecordingTick(); });
    portRefreshTimer_.setSingleShot(true);
    portRefreshTimer_.setInterval(kPortRefreshMs);
    connect(&portRefreshTimer_, &QTimer::timeout, this, [this] {
        RefreshPortList(settings_);
        FillPorts();
    });
    StartPortMonitor();
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

void MainWindow::CreateActions() {
    for (const ActionSpec& spec : ActionSpecs()) {
        auto* action = new QAction(ActionIcon(spec.icon), Text("MainFrame", spec.text), this);
        action->setObjectName(QStringLiteral("action%1").arg(static_cast<int>(spec.id)));
        const auto [help, tip] = HelpAndTip(spec.help);
        action->setStatusTip(help);
        action->setToolTip(tip);
        QList<QKeySequence> keys;
        if (*spec.shortcut) keys << QKeySequence(QString::fromLatin1(spec.shortcut));
        // Enter works from the main keyboard and the keypad alike.
        if (spec.id == CommandId::TrainCommand) keys << QKeySequence(Qt::Key_Enter);
        if (spec.id == CommandId::TestGroup) keys << QKeySequence(Qt::SHIFT | Qt::Key_Enter);
        action->setShortcuts(keys);
        shortcuts_[spec.id] = keys;
        const CommandId id = spec.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        actions_[id] = action;
    }
    Action(CommandId::RecordMessage)->setCheckable(true);
}

void MainWindow::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<CommandId> ids) {
        for (const CommandId id : ids) menu->addAction(Action(id));
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, {CommandId::Connect, CommandId::Disconnect});
    file->addSeparator();
    portMenu_ = new QMenu(Action(CommandId::Port)->text(), this);
    portMenu_->setObjectName(QStringLiteral("portMenu"));
    Action(CommandId::Port)->setMenu(portMenu_);
    file->addAction(Action(CommandId::Port));
    languageMenu_ = new QMenu(Action(CommandId::InterfaceLanguage)->text(), this);
    languageMenu_->setObjectName(QStringLiteral("languageMenu"));
    Action(CommandId::InterfaceLanguage)->setMenu(languageMenu_);
    file->addAction(Action(CommandId::InterfaceLanguage));
    file->addSeparator();
    add(file, {CommandId::GenerateCode, CommandId::UpdateCustomData});
    file->addSeparator();
    add(file, {CommandId::ExportCommands, CommandId::ImportCommands});
    file->addSeparator();
    add(file, {CommandId::Exit});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, {CommandId::InsertCommand, CommandId::AddCommand, CommandId::RemoveCommand});
    edit->addSeparator();
    add(edit, {CommandId::RenameCommand, CommandId::TrainCommand, CommandId::EraseTraining});
    edit->addSeparator();
    add(edit, {CommandId::RecordMessage, CommandId::PlayMessage, CommandId::EraseMessage});

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    add(tools, {CommandId::TestGroup, CommandId::RecognitionSettings});
    tools->addSeparator();
    builtinMenu_ = new QMenu(Action(CommandId::SetLanguage)->text(), this);
    builtinMenu_->setObjectName(QStringLiteral("builtinLanguageMenu"));
    Action(CommandId::SetLanguage)->setMenu(builtinMenu_);
    tools->addAction(Action(CommandId::SetLanguage));
    tools->addSeparator();
    add(tools, {CommandId::ResetCommands, CommandId::ResetMessages, CommandId::ResetAll});
    tools->addSeparator();
    add(tools, {CommandId::ConfigurePins, CommandId::PlaySound, CommandId::DialTones,
                CommandId::Tokenwave, CommandId::LipSync});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, {CommandId::UpdateFirmware});
    help->addSeparator();
    // Every byte, status text and message into a file the user can attach to a report.
    traceAction_ = help->addAction(tr("&Trace to File..."), this, &MainWindow::ToggleTrace);
    traceAction_->setObjectName(QStringLiteral("actionTrace"));
    traceAction_->setCheckable(true);
    traceAction_->setChecked(IsTracing());
    traceAction_->setStatusTip(tr("Write every byte exchanged with the module to a file"));
    help->addSeparator();
    add(help, {CommandId::About});

    FillInterfaceLanguages();
    ShowBuiltinLanguages(-1, 0);
}

void MainWindow::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("Tool Bar"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    const int charWidth = QFontMetrics(font()).averageCharWidth();
    auto add = [&](std::initializer_list<CommandId> ids) {
        for (const CommandId id : ids) bar->addAction(Action(id));
    };
    add({CommandId::Connect, CommandId::Disconnect});
    bar->addSeparator();
    portBox_ = new QComboBox(bar);
    portBox_->setObjectName(QStringLiteral("portBox"));
    portBox_->setEditable(true);
    portBox_->setInsertPolicy(QComboBox::NoInsert);
    portBox_->setMaxVisibleItems(8);
    portBox_->setMinimumWidth((8 + 8) * charWidth);
    portBox_->setToolTip(tr("Serial port: choose one, or type a device path or sim:NAME"));
    connect(portBox_, &QComboBox::activated, this,
            [this](int index) { ChoosePort(portBox_->itemText(index)); });
    connect(portBox_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { ChoosePort(portBox_->currentText().trimmed()); });
    bar->addWidget(portBox_);
    bar->addSeparator();
    add({CommandId::GenerateCode, CommandId::UpdateCustomData});
    bar->addSeparator();
    add({CommandId::InsertCommand, CommandId::AddCommand, CommandId::RemoveCommand});
    bar->addSeparator();
    add({CommandId::RenameCommand, CommandId::TrainCommand, CommandId::EraseTraining});
    bar->addSeparator();
    add({CommandId::TestGroup, CommandId::RecognitionSettings});
    bar->addSeparator();
    auto* setLanguage = new QToolButton(bar);
    setLanguage->setObjectName(QStringLiteral("setLanguageButton"));
    setLanguage->setDefaultAction(Action(CommandId::SetLanguage));
    setLanguage->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(setLanguage);
    bar->addSeparator();
    add({CommandId::RecordMessage, CommandId::PlayMessage, CommandId::EraseMessage});
    bar->addSeparator();
    add({CommandId::ResetCommands, CommandId::ResetMessages, CommandId::ResetAll});
    bar->addSeparator();
    add({CommandId::ConfigurePins, CommandId::PlaySound, CommandId::DialTones, CommandId::Tokenwave,
         CommandId::LipSync});
    bar->addSeparator();
    progress_ = new QProgressBar(bar);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setFixedWidth((16 + 8) * charWidth);
    progress_->setTextVisible(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    bar->addWidget(progress_);
    FillPorts();
}

void MainWindow::CreateStatusBar() {
    statusBar()->showMessage(tr("Ready"));
    statusPane_ = new QLabel(statusBar());
    statusPane_->setObjectName(QStringLiteral("statusPane"));
    statusPane_->setMinimumWidth(
        QFontMetrics(font()).horizontalAdvance(tr("Connected to Xxxxxxx Yyyyyy Zzzzz on COMnn")));
    statusBar()->addPermanentWidget(statusPane_);
    // Pane 0 returns to "Ready" when a help text goes.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty()) statusBar()->showMessage(tr("Ready"));
    });
}

void MainWindow::CreateLists() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(false);
    auto pane = [this](const QString& title, QLabel*& titleLabel, QTreeView*& view) {
        auto* box = new QWidget(splitter_);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        titleLabel = new QLabel(title, box);
        titleLabel->setContentsMargins(4, 2, 4, 0);
        view = new QTreeView(box);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setItemsExpandable(false);
        view->setAllColumnsShowFocus(true);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setIconSize(QSize(16, 16));
        view->header()->setStretchLastSection(false);
        view->header()->setSectionsMovable(false);
        layout->addWidget(titleLabel);
        layout->addWidget(view, 1);
        splitter_->addWidget(box);
    };
    pane(tr("Group List"), groupTitle_, groupView_);
    pane(tr("Command List"), commandTitle_, commandView_);
    groupView_->setObjectName(QStringLiteral("groupList"));
    commandView_->setObjectName(QStringLiteral("commandList"));
    commandTitle_->setObjectName(QStringLiteral("commandPaneTitle"));
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    groups_ = new GroupListModel(session_.Model(), this);
    commands_ = new CommandListModel(session_.Model(), this);
    groupView_->setModel(groups_);
    commandView_->setModel(commands_);
    const int charWidth = QFontMetrics(font()).averageCharWidth();
    groupView_->setColumnWidth(0, 24);
    groupView_->setColumnWidth(1, 6 * charWidth);
    groupView_->setColumnWidth(2, 14 * charWidth);
    // The count column as wide as its heading.
    groupView_->setColumnWidth(3, groupView_->header()->sectionSizeHint(3));

    labelDelegate_ = new LabelDelegate(commandView_);
    labelDelegate_->mayEdit = [this] {
        if (!flows_.CanRename()) return false;
        flows_.SetLabelEditing(true);
        SetAcceleratorsActive(false);
        return true;
    };
    labelDelegate_->finished = [this](int row, const QString* text) {
        SetAcceleratorsActive(true);
        if (!text) {
            flows_.SetLabelEditing(false);
            UpdateCommandStates();
            return;
        }
        // The rename talks to the module: not from inside the view's commit.
        QTimer::singleShot(
            0, this, [this, row, label = text->toStdString()] { flows_.FinishRename(row, label); });
    };
    commandView_->setItemDelegateForColumn(2, labelDelegate_);

    connect(groupView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { GroupSelectionChanged(); });
    connect(commandView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { CommandSelectionChanged(); });
    connect(commandView_, &QTreeView::doubleClicked, this, &MainWindow::CommandDoubleClicked);
    connect(commands_, &CommandListModel::FlashStep, this, [this](int row) {
        if (row == flows_.SelectedCommand()) commandView_->scrollTo(commands_->index(row, 0));
    });
}

void MainWindow::RestorePlacement() {
    int split = LoadSplitPos(settings_);
    if (split < 11) {
        // The group list's columns and two scroll bars' widths.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        split = 2 * bar;
        for (int c = 0; c < 4; ++c) split += groupView_->columnWidth(c);
    }
    splitter_->setSizes({split, std::max(width() - split, 100)});
    if (const auto placement = LoadWindowPlacement(settings_)) {
        const QRect rect(QPoint(placement->left, placement->top),
                         QPoint(placement->right - 1, placement->bottom - 1));
        if (rect.isValid()) setGeometry(rect);
        splitter_->setSizes({split, std::max(rect.width() - split, 100)});
    }
}

void MainWindow::SavePlacement() {
    const QRect rect = normalGeometry().isValid() ? normalGeometry() : geometry();
    SaveWindowPlacement(settings_, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    const QList<int> sizes = splitter_->sizes();
    if (!sizes.isEmpty()) SaveSplitPos(settings_, sizes.front());
}

void MainWindow::FillPorts() {
    const std::vector<std::string> names = settings_.Ports();
    std::map<std::string, PortRecord> records;
    for (PortRecord& record : DiscoverPorts()) records[record.name] = std::move(record);
    const QString current = QString::fromStdString(settings_.CurrentPort());
    portBox_->clear();
    portMenu_->clear();
    auto* group = new QActionGroup(portMenu_);
    for (std::size_t i = 0; i < names.size() && i < static_cast<std::size_t>(kMaxPorts); ++i) {
        const QString name = QString::fromStdString(names[i]);
        QString tip = name;
        if (const auto found = records.find(names[i]); found != records.end()) {
            tip = QString::fromStdString(found->second.friendlyName);
            if (!found->second.technology.empty())
                tip +=
                    QStringLiteral(" (%1)").arg(QString::fromStdString(found->second.technology));
        } else if (name.startsWith(QStringLiteral("sim:"))) {
            tip = tr("Simulated device");
        }
        portBox_->addItem(name);
        portBox_->setItemData(portBox_->count() - 1, tip, Qt::ToolTipRole);
        QAction* item = portMenu_->addAction(name);
        item->setToolTip(tip);
        item->setCheckable(true);
        item->setChecked(name == current);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name] { ChoosePort(name); });
    }
    portBox_->setCurrentText(current == QStringLiteral("*") ? QString() : current);
}

void MainWindow::ChoosePort(const QString& name) {
    if (name.isEmpty() || !IsEnabled(CommandId::Port, flows_.State())) return;
    settings_.SetCurrentPort(name.toStdString());
    for (QAction* item : portMenu_->actions()) item->setChecked(item->text() == name);
    portBox_->setCurrentText(name);
}

void MainWindow::FillInterfaceLanguages() {
    languageMenu_->clear();
    auto* group = new QActionGroup(languageMenu_);
    const auto& languages = languages_.Languages();
    for (int i = 0; i < static_cast<int>(languages.size()) && i < kMaxInterfaceLanguages; ++i) {
        QAction* item = languageMenu_->addAction(languages[static_cast<std::size_t>(i)].name);
        item->setObjectName(QStringLiteral("language%1").arg(i));
        item->setCheckable(true);
        item->setChecked(i == languages_.Current());
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { ChooseInterfaceLanguage(i); });
    }
}

void MainWindow::ChooseInterfaceLanguage(int index) {
    if (!IsEnabled(CommandId::InterfaceLanguage, flows_.State())) return;
    // The start-up loop switches the language and builds a new window.
    languageExitCode_ = kLanguageExitBase + index;
    close();
}

void MainWindow::ShowBuiltinLanguages(int moduleId, int language) {
    builtinMenu_->clear();
    auto* group = new QActionGroup(builtinMenu_);
    const int count = moduleId >= 1 ? 6 : 4;
    for (int i = 0; i < count; ++i) {
        QAction* item = builtinMenu_->addAction(Text("MainFrame", kBuiltinLanguages[i]));
        item->setObjectName(QStringLiteral("builtin%1").arg(kBuiltinLanguageFirst + i));
        item->setCheckable(true);
        item->setChecked(i == language);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { flows_.SetBuiltinLanguage(i); });
    }
}

void MainWindow::Run(CommandId id) {
    // Each handler checks its rule again: an accelerator never bypasses it.
    if (!IsEnabled(id, flows_.State())) {
        UpdateCommandStates();
        return;
    }
    switch (id) {
        case CommandId::Connect:
            flows_.Connect();
            break;
        case CommandId::Disconnect:
            flows_.Disconnect();
            break;
        case CommandId::Exit:
            close();
            break;
        case CommandId::ExportCommands:
            flows_.ExportCommands();
            break;
        case CommandId::ImportCommands:
            flows_.ImportCommands();
            break;
        case CommandId::InsertCommand:
            flows_.InsertCommand();
            break;
        case CommandId::AddCommand:
            flows_.AddCommand();
            break;
        case CommandId::RemoveCommand:
            flows_.RemoveCommand();
            break;
        case CommandId::RenameCommand:
            StartLabelEdit(flows_.SelectedCommand());
            break;
        case CommandId::TrainCommand:
            flows_.TrainCommand();
            break;
        case CommandId::EraseTraining:
            flows_.EraseTraining();
            break;
        case CommandId::RecordMessage:
            flows_.RecordMessage();
            break;
        case CommandId::PlayMessage:
            flows_.PlayMessage();
            break;
        case CommandId::EraseMessage:
            flows_.EraseMessage();
            break;
        case CommandId::TestGroup:
            flows_.TestGroup();
            break;
        case CommandId::ResetCommands:
            flows_.Reset(ResetScope::Commands);
            break;
        case CommandId::ResetMessages:
            flows_.Reset(ResetScope::Messages);
            break;
        case CommandId::ResetAll:
            flows_.Reset(ResetScope::All);
            break;
        case CommandId::PlaySound:
            flows_.PlaySound();
            break;
        case CommandId::UpdateCustomData:
            frontEnd_.EnableMainWindow(false);
            soundTable_->Flow().ShowCustomData();
            break;
        case CommandId::UpdateFirmware:
            UpdateFirmware();
            break;
        case CommandId::Port:
        case CommandId::InterfaceLanguage:
        case CommandId::SetLanguage:
            break;  // submenus
        default:
            NotYetAvailable(id);
            break;
    }
    UpdateCommandStates();
}

void MainWindow::UpdateFirmware() {
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    const QString path = QFileDialog::getOpenFileName(
        owner, QString(), QString::fromStdString(settings_.ProgramFolder()),
        QString::fromStdString(Tr(PX_TR("MainFrame", "Parlix Firmware (*.PLXFW)"))), nullptr,
        QFileDialog::ReadOnly);
    if (path.isEmpty()) return;
    frontEnd_.EnableMainWindow(false);
    soundTable_->Flow().LoadFirmwareFile(path.toStdString());
}

void MainWindow::NotYetAvailable(CommandId id) {
    QString feature = Text("MainFrame", SpecOf(id).text);
    feature.remove(QLatin1Char('&'));
    if (feature.endsWith(QStringLiteral("..."))) feature.chop(3);
    frontEnd_.MessageBox(tr("%1 is not available in this version yet.").arg(feature).toStdString(),
                         Tr(PX_TR("Controller", "Information")), MB_ICONINFORMATION);
}

void MainWindow::UpdateCommandStates() {
    const WindowState state = flows_.State();
    for (const auto& [id, action] : actions_) {
        action->setEnabled(IsEnabled(id, state));
        if (action->isCheckable()) action->setChecked(IsChecked(id, state));
    }
    portBox_->setEnabled(IsEnabled(CommandId::Port, state));
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

void MainWindow::SizeCommandColumns(ColumnSet set) {
    const QFontMetrics metrics(font());
    const int letterM = metrics.horizontalAdvance(QLatin1Char('M'));
    commandView_->setColumnWidth(0, 24);
    commandView_->setColumnWidth(1, 6 * metrics.averageCharWidth());
    switch (set) {
        case ColumnSet::Commands:
            commandView_->setColumnWidth(2, 31 * letterM + 15);
            break;
        case ColumnSet::Messages:
            commandView_->setColumnWidth(2, 15 * letterM + 15);
            break;
        case ColumnSet::Labels:
            commandView_->setColumnWidth(2, 24 * letterM);
            break;
    }
    // The numbers after the label are short: as wide as their headings,
    // which translations make longer.
    QHeaderView* header = commandView_->header();
    for (int column = 3; column < commands_->columnCount(); ++column)
        commandView_->setColumnWidth(column, header->sectionSizeHint(column));
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
    steps.erase = [&] { return model.EraseTraining(group, command, controller); };
    steps.train = [&] { return model.TrainEntry(group, command, controller); };
    steps.keep = [this](std::int32_t similar) {
        return frontEnd_.MessageBox(TrFormatInserts(PX_TR("TrainingDlg",
                                                          "Trained command is similar to existing "
                                                          "command %1!d!.\n\nKeep current training "
                                                          "anyway?"),
                                                    similar),
                                    Tr(PX_TR("Controller", "Warning")),
                                    MB_YESNO | MB_ICONWARNING) == IDYES;
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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
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
                                 Tr(PX_TR("Controller", "Error")), MB_ICONERROR);
    }
    traceAction_->setChecked(IsTracing());
}

void MainWindow::StartPortMonitor() {
    if (portMonitor_.Start()) return;  // no monitor: the list is refreshed at start-up only
    portNotifier_ = new QSocketNotifier(portMonitor_.Fd(), QSocketNotifier::Read, this);
    connect(portNotifier_, &QSocketNotifier::activated, this, [this] {
        if (portMonitor_.Drain()) portRefreshTimer_.start();
    });
}

}  // namespace parlix::ui
