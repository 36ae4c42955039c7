#include "ui/HeaderBand.h"

#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>

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

}  // namespace parlix::ui
