// The window system as the core's front end. Calls from job threads hop to
// the GUI thread; those that must answer (message boxes, the prompt) block
// their caller until served, and the GUI thread serves them even while it
// waits for a lock that the job holds.
#pragma once

#include "base/FrontEnd.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>

#include <functional>

class QWidget;

namespace parlix::ui {

class PromptDialog;

class QtFrontEnd : public QObject, public parlix::FrontEnd {
    Q_OBJECT
  public:
    explicit QtFrontEnd(QWidget* mainWindow);
    ~QtFrontEnd() override;

    void ShowBusyPrompt(const std::string& text) override;
    void RemoveBusyPrompt() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void SetProgressRange(std::uint32_t range) override;
    void SetProgressPos(std::uint32_t pos) override;
    bool EnableMainWindow(bool enable) override;
    void PostJobFinished(std::uint64_t threadId, int served) override;
    void PostLinkLost() override;
    void DispatchingWait(const std::function<bool()>& done) override;
    void InteractiveWait(const std::function<bool()>& done) override;
    void PostToUi(std::function<void()> call) override { Queue(std::move(call)); }
    void RunServing(const std::function<void()>& work) override;

    // Where the window receives what the core reports; called on the GUI thread.
    std::function<void(const QString&)> onStatusText;
    std::function<void(std::uint32_t range, std::uint32_t pos)> onProgress;
    std::function<void(std::uint64_t threadId, int served)> onJobFinished;
    std::function<void()> onLinkLost;

    // The window message boxes belong to: the active one, else the main window.
    QWidget* Owner() const;

  protected:
    BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                             BoxStyle style) override;
    void ShowStatusText(const std::string& text) override;

  private:
    // Runs `call` on the GUI thread and waits for it.
    void OnGuiThread(const std::function<void()>& call);
    // Runs `call` on the GUI thread: at once when called there.
    void Post(std::function<void()> call);
    // Always through the GUI thread's queue, never at once.
    void Queue(std::function<void()> call);

    QPointer<QWidget> mainWindow_;
    PromptDialog* prompt_ = nullptr;
    bool ownerWasEnabled_ = true;
    std::uint32_t range_ = 1;
    std::uint32_t pos_ = 0;
};

// Shows a message box in the style of the core's boxes; returns the button.
BoxAnswer RunMessageBox(QWidget* owner, const QString& text, const QString& title, BoxStyle style);

}  // namespace parlix::ui
