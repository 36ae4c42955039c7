#include "ui/GenerateCodeFlow.h"

#include "ui/MainWindow.h"
#include "ui/logic/CommandRules.h"
#include "ui/logic/NameFilters.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>

namespace parlix::ui {

std::optional<parlix::SaveChoice> AskCodeFile(QWidget* owner, const parlix::SaveOffer& offer) {
    QStringList filters;
    for (const parlix::FilterPair& pair : offer.filters)
        filters << QString::fromStdString(NameFilter(pair));
    QFileDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("codeFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(offer.defaultExtension));
    if (!offer.proposedName.empty()) dialog.selectFile(QString::fromStdString(offer.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return parlix::SaveChoice{dialog.selectedFiles().front().toStdString(),
                              static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

void GenerateCode(MainWindow& window, CommandId) {
    if (!rule::GenerateCode(window.Flows().State())) return;
    parlix::ModuleSession& session = window.Session();
    // Owned by the root of the active window, as the other file dialogs are.
    QWidget* active = QApplication::activeWindow();
    QWidget* owner = active ? active->window() : &window;
    // The result is not shown: a template or file that does not open says nothing.
    parlix::GenerateCode(
        session.Model(), session.BuiltinLanguage(), session.Controller(), window.Settings(),
        [owner](const parlix::SaveOffer& offer) { return AskCodeFile(owner, offer); });
}

}  // namespace parlix::ui
