#include "ui/HeaderBand.h"

#include <QtGui/QIcon>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {

HeaderBand MakeHeaderBand(QWidget* parent) {
    auto* band = new QFrame(parent);
    band->setAutoFillBackground(true);
    // Dark text on white whatever the theme, so that it stays readable.
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    band->setPalette(palette);
    auto* title = new QLabel(band);
    title->setObjectName(QStringLiteral("header"));
    QFont bold = title->font();
    bold.setWeight(QFont::Bold);
    title->setFont(bold);
    auto* detail = new QLabel(band);
    detail->setWordWrap(true);
    return {band, title, detail};
}

void AddHeader(QVBoxLayout* layout, QWidget* dialog, const QString& title, const QString& detail,
               const QIcon& icon) {
    const HeaderBand top = MakeHeaderBand(dialog);
    top.title->setText(title);
    top.detail->setText(detail);
    top.detail->setObjectName(QStringLiteral("description"));
    auto* picture = new QLabel(top.band);
    picture->setPixmap(icon.pixmap(32, 32));
    auto* texts = new QVBoxLayout;
    texts->addWidget(top.title);
    texts->addWidget(top.detail);
    auto* row = new QHBoxLayout(top.band);
    row->addLayout(texts, 1);
    row->addWidget(picture);
    auto* separator = new QFrame(dialog);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    layout->addWidget(top.band);
    layout->addWidget(separator);
}

}  // namespace parlix::ui
