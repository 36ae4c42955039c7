// The building of the main window: its actions from the action table, the
// menus, the tool bar, the status bar and the two lists, and where they sit.
#include "ui/MainWindow.h"

#include "app/AppSettings.h"
#include "app/WindowSettings.h"
#include "base/Trace.h"
#include "ui/ActionTable.h"
#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"
#include "ui/LabelEditor.h"
#include "ui/logic/FirstWindowSize.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QFontMetrics>
#include <QtGui/QScreen>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QTreeView>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

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

}  // namespace

void MainWindow::CreateActions() {
    for (const ActionSpec& spec : ActionSpecs()) {
        auto* action = new QAction(ActionIcon(spec.icon), Text("MainFrame", spec.text), this);
        action->setObjectName(QStringLiteral("action%1").arg(static_cast<int>(spec.id)));
        const auto [help, tip] = HelpAndTip(spec.help);
        action->setStatusTip(help);
        action->setToolTip(tip);
        QList<QKeySequence> keys;
        if (*spec.shortcut) keys = QKeySequence::listFromString(QString::fromLatin1(spec.shortcut));
        action->setShortcuts(keys);
        shortcuts_[spec.id] = keys;
        connect(action, &QAction::triggered, this, [this, &spec] { Run(spec); });
        actions_[spec.id] = action;
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
    // Enter or Tab makes a typed port the current one, as Connect does.
    connect(portBox_->lineEdit(), &QLineEdit::editingFinished, this, &MainWindow::TakeTypedPort);
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
    setLanguage->setFocusPolicy(Qt::NoFocus);  // as the other tool bar buttons
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
    progressAction_ = bar->addWidget(progress_);
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

    // Tab goes from the port box to the groups and on to their commands.
    setTabOrder(portBox_, groupView_);
    setTabOrder(groupView_, commandView_);

    connect(groupView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { GroupSelectionChanged(); });
    connect(commandView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { CommandSelectionChanged(); });
    connect(commandView_, &QTreeView::doubleClicked, this, &MainWindow::CommandDoubleClicked);
    connect(commands_, &CommandListModel::FlashStep, this, [this](int row) {
        if (row == flows_.SelectedCommand()) commandView_->scrollTo(commands_->index(row, 0));
    });
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
    // The label takes the room the numbers leave.
    header->setSectionResizeMode(2, QHeaderView::Stretch);
}

void MainWindow::RestorePlacement() {
    int split = LoadSplitPos(settings_);
    if (split < 11) {
        // The group list's columns and two scroll bars' widths.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        split = 2 * bar;
        for (int c = 0; c < 4; ++c) split += groupView_->columnWidth(c);
    }
    if (!LoadWindowPlacement(settings_)) PlaceFirstTime();
    splitter_->setSizes({split, std::max(width() - split, 100)});
    if (const auto placement = LoadWindowPlacement(settings_)) {
        const QRect rect(QPoint(placement->left, placement->top),
                         QPoint(placement->right - 1, placement->bottom - 1));
        if (rect.isValid()) setGeometry(rect);
        splitter_->setSizes({split, std::max(rect.width() - split, 100)});
    }
}

void MainWindow::PlaceFirstTime() {
    const QScreen* shown = screen();
    if (!shown) return;
    const QRect area = shown->availableGeometry();
    FirstWindowInput in;
    in.available = {area.left(), area.top(), area.width(), area.height()};
    if (const auto* bar = findChild<QToolBar*>(QStringLiteral("toolBar"))) {
        const QMargins margins = contentsMargins();
        in.toolBarWidth = bar->sizeHint().width() + margins.left() + margins.right();
    }
    in.minWidth = width();
    in.minHeight = height();
    in.frame = 8;
    const WindowRect rect = FirstWindowSize(in);
    setGeometry(rect.left, rect.top, rect.width, rect.height);
}

void MainWindow::SavePlacement() {
    const QRect rect = normalGeometry().isValid() ? normalGeometry() : geometry();
    SaveWindowPlacement(settings_, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    const QList<int> sizes = splitter_->sizes();
    if (!sizes.isEmpty()) SaveSplitPos(settings_, sizes.front());
}

}  // namespace parlix::ui
