#include "ui/DeviceDialogFrame.h"

#include "ui/HeaderBand.h"

#include <QtGui/QIcon>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {

QVBoxLayout* MakeDeviceDialogFrame(QDialog* dialog, const QIcon& icon, const QString& title,
                                   const QString& description) {
    const HeaderBand top = MakeHeaderBand(dialog);
    top.title->setText(title);
    top.detail->setText(description);
    top.detail->setObjectName(QStringLiteral("description"));
    auto* picture = new QLabel(top.band);
    picture->setPixmap(icon.pixmap(32, 32));
    auto* texts = new QVBoxLayout;
    texts->addWidget(top.title);
    texts->addWidget(top.detail);
    auto* bandLayout = new QHBoxLayout(top.band);
    bandLayout->addWidget(picture);
    bandLayout->addLayout(texts, 1);

    auto* separator = new QFrame(dialog);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top.band);
    layout->addWidget(separator);
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
