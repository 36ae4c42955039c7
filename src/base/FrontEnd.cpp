#include "base/FrontEnd.h"

#include "base/Cancellation.h"
#include "base/Trace.h"

#include <chrono>
#include <thread>

namespace parlix {

BoxAnswer FrontEnd::MessageBox(const std::string& text, const std::string& title, BoxStyle style) {
    // The user cancelled this run: what failed because of it needs no word.
    if (CancelRequested()) {
        switch (style.buttons) {
            case Buttons::Ok:
                return BoxAnswer::Ok;
            case Buttons::YesNo:
                return BoxAnswer::No;
            default:
                return BoxAnswer::Cancel;
        }
    }
    TraceMessageBox(text, title, style.Code());
    const BoxAnswer answer = ShowMessageBox(text, title, style);
    TraceMessageBoxAnswer(title, static_cast<int>(answer));
    return answer;
}

void FrontEnd::SetStatusText(const std::string& text) {
    TraceStatusText(text);
    ShowStatusText(text);
}

// Front ends without their own event loop serve nothing, so a short poll does.
void FrontEnd::DispatchingWait(const std::function<bool()>& done) {
    while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace parlix
