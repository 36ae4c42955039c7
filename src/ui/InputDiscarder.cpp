#include "ui/InputDiscarder.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QObject>

namespace parlix::ui {
namespace {

class InputFilter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void DiscardPendingInput() {
    // Whatever input the window system holds now is taken and dropped;
    // everything else is dispatched as usual.
    InputFilter filter;
    QCoreApplication::instance()->installEventFilter(&filter);
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&filter);
}

}  // namespace parlix::ui
