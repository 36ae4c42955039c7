// The one way the core reaches the user: message boxes, the busy prompt, the
// wait cursor, the status bar, the progress bar and job notifications.
// The GUI, the command line and the tests each implement it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace parlix {

// Message box styles: button set in the low bits, icon in bits 4..7.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// Buttons a message box returns.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;

    // Shows a message box and blocks the caller (any thread) until answered.
    // Every box and its answer go to the protocol trace on the way.
    int MessageBox(const std::string& text, const std::string& title, unsigned style);

    // The modeless prompt shown while the module waits for the user.
    virtual void ShowBusyPrompt(const std::string& text) = 0;
    virtual void RemoveBusyPrompt() = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // Status bar pane 1, traced like message boxes, and the progress bar.
    void SetStatusText(const std::string& text);
    virtual void SetProgressRange(std::uint32_t range) { (void)range; }
    virtual void SetProgressPos(std::uint32_t pos) { (void)pos; }

    // Disables or enables the main window; returns whether it was enabled.
    virtual bool EnableMainWindow(bool enable) {
        (void)enable;
        return true;
    }

    // A job finished a run; posted, never blocks the job.
    virtual void PostJobFinished(std::uint64_t threadId, int served) {
        (void)threadId;
        (void)served;
    }

    // The connection was lost: the module stopped answering or its device
    // went away. Posted once, after the message that says so; never blocks.
    virtual void PostLinkLost() {}

    // Waits until `done` holds, serving requests that other threads make of
    // this one meanwhile (a worker may be waiting for a message box).
    virtual void DispatchingWait(const std::function<bool()>& done);

    // Waits as DispatchingWait does while a tool runs, but the window stays
    // usable meanwhile: it paints, shows the tool's lines and can cancel it.
    virtual void InteractiveWait(const std::function<bool()>& done) { DispatchingWait(done); }

  protected:
    // What each front end shows, reached only through the calls above.
    virtual int ShowMessageBox(const std::string& text, const std::string& title,
                               unsigned style) = 0;
    virtual void ShowStatusText(const std::string& text) = 0;
};

}  // namespace parlix
