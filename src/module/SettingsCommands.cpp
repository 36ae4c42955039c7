// Module commands for the recognition settings, the language, the module
// time-out and the memory reset.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/Exchange.h"

#include <algorithm>
#include <climits>

namespace parlix {
namespace {

constexpr const char* kCtx = "Controller";

}  // namespace

// A setting is one command answered 'o' within 3 s; a missing answer is
// reported like a failed send.
bool CModuleController::SetKnob(int value) {
    CExchange x(*this);
    return x.ExpectDone(kCmdKnob, {value}, 30, {Tr(kCtx, "Could not set confidence knob.\n")});
}

bool CModuleController::SetMicDistance(int value) {
    CExchange x(*this);
    return x.ExpectDone(kCmdMicDistance, {-1, value}, 30,
                        {Tr(kCtx, "Could not set microphone distance.\n")});
}

bool CModuleController::SetLevel(int value) {
    CExchange x(*this);
    return x.ExpectDone(kCmdLevel, {value}, 30, {Tr(kCtx, "Could not set strictness level.\n")});
}

bool CModuleController::SetTrailingSilence(int value) {
    CExchange x(*this);
    return x.ExpectDone(kCmdTrailingSilence, {-1, value}, 30,
                        {Tr(kCtx, "Could not set trailing silence.\n")});
}

bool CModuleController::SetFastRecognition(int value) {
    CExchange x(*this);
    return x.ExpectDone(kCmdFastRecognition, {-1, value}, 30,
                        {Tr(kCtx, "Could not set fast recognition.\n")});
}

// The link keeps the accepted language for this module, so that the next
// connection can restore it.
bool CModuleController::SetLanguage(int language) {
    CExchange x(*this);
    if (!x.ExpectDone(kCmdLanguage, {language}, 30, {Tr(kCtx, "Could not set language.\n")}))
        return false;
    return current_->SaveLanguage(language) ||
           x.LinkFailure(Tr(kCtx, "Could not save language permanently.\n"));
}

// Listening commands wait for as long as the module listens, so the
// recognition wait follows the accepted time-out. It is kept clear of the
// int limits since the listening commands add their margins to it.
bool CModuleController::SetTimeout(int seconds) {
    CExchange x(*this);
    if (!x.ExpectDone(kCmdTimeout, {seconds}, 30, {Tr(kCtx, "Could not set timeout.\n")}))
        return false;
    constexpr std::int64_t kLimit = INT_MAX - 100;
    recognitionWait_ =
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t{seconds} * 10, -kLimit, kLimit));
    return true;
}

// Erasing takes long; the prompt says so without telling the link, since the
// module does not wait for the user.
bool CModuleController::ResetMemory(int kind) {
    CExchange x(*this);
    x.ShowPrompt(Tr(kCtx, "Erasing memory...\n"), false, true);
    return x.ExpectDone(kCmdResetMemory, {kind}, 400, {Tr(kCtx, "Could not reset all memory.\n")});
}

}  // namespace parlix
