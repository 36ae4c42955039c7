#include "base/FrontEnd.h"

#include "base/Trace.h"

#include <chrono>
#include <thread>

namespace parlix {

BoxAnswer FrontEnd::MessageBox(const std::string& text, const std::string& title, BoxStyle style) {
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
