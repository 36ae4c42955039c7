// The one way the core reaches the user: message boxes, the busy prompt, the
// wait cursor, the status bar, the progress bar and job notifications.
// The GUI, the command line and the tests each implement it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace parlix {

// The buttons of a message box. The values are the low bits of the style
// code that the protocol trace shows.
enum class Buttons : unsigned { Ok = 0x00, OkCancel = 0x01, YesNoCancel = 0x03, YesNo = 0x04 };

// Its icon, in bits 4 to 7 of the style code; the icon also names the title.
enum class BoxIcon : unsigned {
    None = 0x00,
    Error = 0x10,
    Question = 0x20,
    Warning = 0x30,
    Information = 0x40,
};

// The button that Enter presses, counted in the order the buttons stand.
// It is no part of the style code: the trace shows the box as before.
enum class DefaultButton : unsigned { First, Second, Third };

struct BoxStyle {
    Buttons buttons = Buttons::Ok;
    BoxIcon icon = BoxIcon::None;
    DefaultButton defaultButton = DefaultButton::First;

    constexpr BoxStyle() = default;
    // An icon alone has the OK button.
    constexpr BoxStyle(BoxIcon i) : icon(i) {}  // NOLINT: implicit on purpose
    constexpr BoxStyle(Buttons b, BoxIcon i) : buttons(b), icon(i) {}

    // A question whose Yes destroys something defaults to No.
    constexpr BoxStyle WithDefault(DefaultButton button) const {
        BoxStyle style = *this;
        style.defaultButton = button;
        return style;
    }

    constexpr unsigned Code() const {
        return static_cast<unsigned>(buttons) | static_cast<unsigned>(icon);
    }
    bool operator==(const BoxStyle&) const = default;
};

constexpr BoxStyle operator|(Buttons buttons, BoxIcon icon) {
    return {buttons, icon};
}

// The button that answered a message box; the values are those the trace shows.
enum class BoxAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;

    // Shows a message box and blocks the caller (any thread) until answered.
    // Every box and its answer go to the protocol trace on the way.
    BoxAnswer MessageBox(const std::string& text, const std::string& title, BoxStyle style);

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

    // Runs `call` later on the thread that serves this front end; one
    // without a loop of its own runs it at once.
    virtual void PostToUi(std::function<void()> call) { call(); }

    // Runs `work`, which may wait on the module, while this front end keeps
    // serving: the window keeps painting and answers other threads, and the
    // user's input waits until `work` has ended.
    virtual void RunServing(const std::function<void()>& work) { work(); }

    // Waits as DispatchingWait does while a tool runs, but the window stays
    // usable meanwhile: it paints, shows the tool's lines and can cancel it.
    virtual void InteractiveWait(const std::function<bool()>& done) { DispatchingWait(done); }

  protected:
    // What each front end shows, reached only through the calls above.
    virtual BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                                     BoxStyle style) = 0;
    virtual void ShowStatusText(const std::string& text) = 0;
};

}  // namespace parlix
