#include "ui/QtFrontEnd.h"

#include "ui/PromptDialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace parlix::ui {
namespace {

bool OnGuiThreadNow() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

BoxAnswer RunMessageBox(QWidget* owner, const QString& text, const QString& title, BoxStyle style) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(QString(text).remove(QLatin1Char('\r')).trimmed());
    switch (style.icon) {
        case BoxIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case BoxIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case BoxIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case BoxIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case BoxIcon::None:
            box.setIcon(QMessageBox::NoIcon);
    }
    // The buttons in the order they stand, which the default button counts in.
    std::vector<QMessageBox::StandardButton> buttons;
    switch (style.buttons) {
        case Buttons::OkCancel:
            buttons = {QMessageBox::Ok, QMessageBox::Cancel};
            break;
        case Buttons::YesNoCancel:
            buttons = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
            break;
        case Buttons::YesNo:
            buttons = {QMessageBox::Yes, QMessageBox::No};
            break;
        case Buttons::Ok:
            buttons = {QMessageBox::Ok};
    }
    QMessageBox::StandardButtons all;
    for (const QMessageBox::StandardButton button : buttons) all |= button;
    box.setStandardButtons(all);
    const auto defaultIndex = static_cast<std::size_t>(style.defaultButton);
    box.setDefaultButton(buttons[std::min(defaultIndex, buttons.size() - 1)]);
    box.setObjectName(QStringLiteral("messageBox"));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        case QMessageBox::Ok:
            return BoxAnswer::Ok;
        default:
            // Closed by the window manager: as Escape would answer.
            return style.buttons == Buttons::YesNo ? BoxAnswer::No : BoxAnswer::Cancel;
    }
}

QtFrontEnd::QtFrontEnd(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QtFrontEnd::~QtFrontEnd() {
    delete prompt_;
}

QWidget* QtFrontEnd::Owner() const {
    if (QWidget* active = QApplication::activeWindow()) return active->window();
    return mainWindow_;
}

void QtFrontEnd::OnGuiThread(const std::function<void()>& call) {
    if (OnGuiThreadNow()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
}

void QtFrontEnd::Post(std::function<void()> call) {
    if (OnGuiThreadNow()) {
        call();
        return;
    }
    Queue(std::move(call));
}

void QtFrontEnd::Queue(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

BoxAnswer QtFrontEnd::ShowMessageBox(const std::string& text, const std::string& title,
                                     BoxStyle style) {
    BoxAnswer answer = BoxAnswer::Cancel;
    OnGuiThread([&] { answer = RunMessageBox(Owner(), FromUtf8(text), FromUtf8(title), style); });
    return answer;
}

void QtFrontEnd::ShowBusyPrompt(const std::string& text) {
    OnGuiThread([&] {
        QWidget* owner = Owner();
        if (!prompt_) {
            if (owner) {
                ownerWasEnabled_ = owner->isEnabled();
                owner->setEnabled(false);
            }
            prompt_ = new PromptDialog(owner);
            prompt_->setObjectName(QStringLiteral("busyPrompt"));
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
        prompt_->ShowText(FromUtf8(text));
        // The module may block this thread next: paint the prompt first.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void QtFrontEnd::RemoveBusyPrompt() {
    OnGuiThread([&] {
        if (!prompt_) return;
        QWidget* owner = prompt_->parentWidget();
        delete prompt_;
        prompt_ = nullptr;
        QGuiApplication::restoreOverrideCursor();
        if (owner && ownerWasEnabled_) owner->setEnabled(true);
    });
}

void QtFrontEnd::BeginWaitCursor() {
    // Work on another thread leaves the window usable: busy, not waiting.
    const Qt::CursorShape shape = OnGuiThreadNow() ? Qt::WaitCursor : Qt::BusyCursor;
    OnGuiThread([shape] { QGuiApplication::setOverrideCursor(shape); });
}

void QtFrontEnd::EndWaitCursor() {
    OnGuiThread([] { QGuiApplication::restoreOverrideCursor(); });
}

void QtFrontEnd::ShowStatusText(const std::string& text) {
    Post([this, text = FromUtf8(text)] {
        if (onStatusText) onStatusText(text);
    });
}

void QtFrontEnd::SetProgressRange(std::uint32_t range) {
    Post([this, range] {
        range_ = range;
        if (onProgress) onProgress(range_, pos_);
    });
}

void QtFrontEnd::SetProgressPos(std::uint32_t pos) {
    Post([this, pos] {
        pos_ = pos;
        if (onProgress) onProgress(range_, pos_);
    });
}

bool QtFrontEnd::EnableMainWindow(bool enable) {
    bool was = true;
    OnGuiThread([&] {
        if (!mainWindow_) return;
        was = mainWindow_->isEnabled();
        mainWindow_->setEnabled(enable);
    });
    return was;
}

void QtFrontEnd::PostJobFinished(std::uint64_t threadId, int served) {
    // Always queued: the job's notification arrives as a message would.
    Queue([this, threadId, served] {
        if (onJobFinished) onJobFinished(threadId, served);
    });
}

void QtFrontEnd::PostLinkLost() {
    Queue([this] {
        if (onLinkLost) onLinkLost();
    });
}

void QtFrontEnd::DispatchingWait(const std::function<bool()>& done) {
    if (done()) return;
    if (!OnGuiThreadNow()) {
        FrontEnd::DispatchingWait(done);
        return;
    }
    // Serves what other threads ask of this one (their message boxes, the
    // prompt), but no user input: the user acts once the wait is over.
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(1);
    }
}

void QtFrontEnd::RunServing(const std::function<void()>& work) {
    if (!OnGuiThreadNow()) {
        work();
        return;
    }
    std::atomic<bool> ended = false;
    std::thread worker([&] {
        work();
        ended = true;
    });
    DispatchingWait([&] { return ended.load(); });
    worker.join();
}

void QtFrontEnd::InteractiveWait(const std::function<bool()>& done) {
    if (done()) return;
    if (!OnGuiThreadNow()) {
        FrontEnd::DispatchingWait(done);
        return;
    }
    // A local loop that looks at `done` every few milliseconds; what the user
    // does meanwhile is handled, so the caller must guard its own re-entry.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(5);
    loop.exec();
    // What the tool said before it ended is shown before its outcome.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

}  // namespace parlix::ui
