// Module commands for the recognition settings, the language, the module
// time-out and the memory reset.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"

namespace parlix {

// A setting is one command answered 'o' within 3 s; a missing answer is
// reported like a failed send. The settings dialog keeps each setting in its
// own range; here a value only has to be one the command can carry.
bool ModuleController::SetKnob(int value) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set confidence knob.\n"));
    if (!IsOneArgumentValue(value)) return RefuseValues(failure);
    Exchange x(*this);
    return x.ExpectDone(kCmdKnob, {value}, 30, {failure});
}

bool ModuleController::SetMicDistance(int value) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set microphone distance.\n"));
    if (!IsOneArgumentValue(value)) return RefuseValues(failure);
    Exchange x(*this);
    return x.ExpectDone(kCmdMicDistance, {-1, value}, 30, {failure});
}

bool ModuleController::SetLevel(int value) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set strictness level.\n"));
    if (!IsOneArgumentValue(value)) return RefuseValues(failure);
    Exchange x(*this);
    return x.ExpectDone(kCmdLevel, {value}, 30, {failure});
}

bool ModuleController::SetTrailingSilence(int value) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set trailing silence.\n"));
    if (!IsOneArgumentValue(value)) return RefuseValues(failure);
    Exchange x(*this);
    return x.ExpectDone(kCmdTrailingSilence, {-1, value}, 30, {failure});
}

bool ModuleController::SetFastRecognition(int value) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set fast recognition.\n"));
    if (!IsOneArgumentValue(value)) return RefuseValues(failure);
    Exchange x(*this);
    return x.ExpectDone(kCmdFastRecognition, {-1, value}, 30, {failure});
}

// The link keeps the accepted language for this module, so that the next
// connection can restore it. The module knows six languages, 0 to 5.
bool ModuleController::SetLanguage(int language) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set language.\n"));
    if (!InRange(language, 0, 5)) return RefuseValues(failure);
    Exchange x(*this);
    if (!x.ExpectDone(kCmdLanguage, {language}, 30, {failure})) return false;
    return current_->SaveLanguage(language) ||
           x.LinkFailure(Tr(PX_TR("Controller", "Could not save language permanently.\n")));
}

// Listening commands wait for as long as the module listens, so the
// recognition wait follows the accepted time-out. The time-out is one
// argument, -1 (what disconnecting sends) to 31 seconds.
bool ModuleController::SetTimeout(int seconds) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set timeout.\n"));
    if (!IsArgumentValue(seconds)) return RefuseValues(failure);
    Exchange x(*this);
    if (!x.ExpectDone(kCmdTimeout, {seconds}, 30, {failure})) return false;
    recognitionWait_ = seconds * 10;
    return true;
}

// Erasing takes long; the prompt says so without telling the link, since the
// module does not wait for the user.
bool ModuleController::ResetMemory(int kind) {
    const std::string failure = Tr(PX_TR("Controller", "Could not reset all memory.\n"));
    if (kind != kResetAll && kind != kResetCommands && kind != kResetMessages)
        return RefuseValues(failure);
    Exchange x(*this);
    x.ShowPrompt(Tr(PX_TR("Controller", "Erasing memory...\n")), false, true);
    return x.ExpectDone(kCmdResetMemory, {kind}, 400, {failure});
}

}  // namespace parlix
