#include "ui/MouthView.h"

#include "ui/logic/MouthShape.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace parlix::ui {
namespace {

const QColor kLips(224, 64, 64);
const QColor kInside(32, 0, 0);
constexpr int kLipWidth = 8;

}  // namespace

MouthView::MouthView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mouth"));
    setMinimumSize(240, 150);
}

void MouthView::ShowLevel(int level) {
    level_ = level;
    repaint();
}

void MouthView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const auto p = MouthOutline({0, 0, width(), height()}, level_);
    const auto at = [&p](int i) { return QPointF(p[i].x, p[i].y); };
    QPainterPath path(at(0));
    for (int i = 1; i < 13; i += 3) path.cubicTo(at(i), at(i + 1), at(i + 2));
    path.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, kInside);
    painter.strokePath(path, QPen(kLips, kLipWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace parlix::ui
