// The main window's submenus of choices: the serial ports (with the port box
// beside them), the interface languages and the module's built-in languages.
#include "ui/MainWindow.h"

#include "app/AppSettings.h"
#include "app/PortList.h"
#include "ui/InterfaceLanguages.h"
#include "ui/logic/CommandRules.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QActionGroup>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>

namespace parlix::ui {
namespace {

// The built-in wordset languages, in the module's order.
constexpr const char* kBuiltinLanguages[] = {
    QT_TRANSLATE_NOOP("MainFrame", "English"),  QT_TRANSLATE_NOOP("MainFrame", "Italian"),
    QT_TRANSLATE_NOOP("MainFrame", "Japanese"), QT_TRANSLATE_NOOP("MainFrame", "German"),
    QT_TRANSLATE_NOOP("MainFrame", "Spanish"),  QT_TRANSLATE_NOOP("MainFrame", "French")};

}  // namespace

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
        } else if (IsSimulatedPort(names[i])) {
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
    if (name.isEmpty() || !rule::Port(flows_.State())) return;
    settings_.SetCurrentPort(name.toStdString());
    for (QAction* item : portMenu_->actions()) item->setChecked(item->text() == name);
    portBox_->setCurrentText(name);
}

void MainWindow::TakeTypedPort() {
    // Only what the user typed: otherwise the box shows the current port.
    if (!portBox_->lineEdit()->isModified()) return;
    const QString typed = portBox_->currentText().trimmed();
    if (typed.isEmpty() || typed.toStdString() == settings_.CurrentPort()) return;
    ChoosePort(typed);
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
    if (!rule::InterfaceLanguage(flows_.State())) return;
    // The start-up loop switches the language and builds a new window.
    languageExitCode_ = kLanguageExitBase + index;
    close();
}

void MainWindow::ShowBuiltinLanguages(int moduleId, int language) {
    builtinMenu_->clear();
    auto* group = new QActionGroup(builtinMenu_);
    const int count = moduleId >= 1 ? 6 : 4;
    for (int i = 0; i < count; ++i) {
        QAction* item =
            builtinMenu_->addAction(QCoreApplication::translate("MainFrame", kBuiltinLanguages[i]));
        item->setObjectName(QStringLiteral("builtin%1").arg(kBuiltinLanguageFirst + i));
        item->setCheckable(true);
        item->setChecked(i == language);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { flows_.SetBuiltinLanguage(i); });
    }
}

}  // namespace parlix::ui
