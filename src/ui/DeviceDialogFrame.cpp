#include "ui/DeviceDialogFrame.h"

#include "ui/HeaderBand.h"

#include <QtGui/QIcon>
#include <QtWidgets/QDialog>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {

QVBoxLayout* MakeDeviceDialogFrame(QDialog* dialog, const QIcon& icon, const QString& title,
                                   const QString& description) {
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    AddHeader(layout, dialog, title, description, icon);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(11, 11, 11, 11);
    layout->addLayout(body, 1);
    return body;
}

QString DialogText(TrText text) {
    return QString::fromStdString(Tr(text));
}

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) row->addWidget(button);
    return row;
}

}  // namespace parlix::ui
