// Module commands for the recognition settings, the language, the module
// time-out and the memory reset.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/ModuleController.h"

#include <array>
#include <span>

namespace parlix {
namespace {

// A setting is one command answered 'o' within the reply wait; a missing
// answer is reported like a failed send. Where a command byte serves two
// settings, one of them sends -1 before its value.
struct SettingCommand {
    std::uint8_t command;
    bool leadingMinusOne;
    TrText failure;
};

enum Setting { Knob, MicDistance, Level, TrailingSilence, FastRecognition };

constexpr SettingCommand kSettings[] = {
    {kCmdKnob, false, PX_TR("Controller", "Could not set confidence knob.\n")},
    {kCmdMicDistance, true, PX_TR("Controller", "Could not set microphone distance.\n")},
    {kCmdLevel, false, PX_TR("Controller", "Could not set strictness level.\n")},
    {kCmdTrailingSilence, true, PX_TR("Controller", "Could not set trailing silence.\n")},
    {kCmdFastRecognition, true, PX_TR("Controller", "Could not set fast recognition.\n")},
};

// The settings dialog keeps each setting in its own range; here a value only
// has to be one the command can carry.
bool ApplySetting(ModuleLink& link, ModuleReporter& reporter, Setting setting, int value) {
    const SettingCommand& s = kSettings[setting];
    const std::string failure = Tr(s.failure);
    if (!IsOneArgumentValue(value)) return link.Refuse(failure);
    const std::array<std::int32_t, 2> args{-1, value};
    Exchange x(link, reporter);
    return x.ExpectDone(s.command, std::span(args).subspan(s.leadingMinusOne ? 0 : 1), kReplyWait,
                        {failure});
}

}  // namespace

bool ModuleController::SetKnob(int value) {
    return ApplySetting(link_, *this, Knob, value);
}

bool ModuleController::SetMicDistance(int value) {
    return ApplySetting(link_, *this, MicDistance, value);
}

bool ModuleController::SetLevel(int value) {
    return ApplySetting(link_, *this, Level, value);
}

bool ModuleController::SetTrailingSilence(int value) {
    return ApplySetting(link_, *this, TrailingSilence, value);
}

bool ModuleController::SetFastRecognition(int value) {
    return ApplySetting(link_, *this, FastRecognition, value);
}

// The link keeps the accepted language for this module, so that the next
// connection can restore it. The module knows six languages, 0 to 5.
bool ModuleController::SetLanguage(int language) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set language.\n"));
    if (!InRange(language, 0, 5)) return RefuseValues(failure);
    Exchange x(link_, *this);
    if (!x.ExpectDone(kCmdLanguage, {language}, kReplyWait, {failure})) return false;
    return link_.Track(link_.CurrentProxy()->SaveLanguage(language)) ||
           x.LinkFailure(Tr(PX_TR("Controller", "Could not save language permanently.\n")));
}

// Listening commands wait for as long as the module listens, so the
// recognition wait follows the accepted time-out. The time-out is one
// argument, -1 (what disconnecting sends) to 31 seconds.
bool ModuleController::SetTimeout(int seconds) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set timeout.\n"));
    if (!IsArgumentValue(seconds)) return RefuseValues(failure);
    Exchange x(link_, *this);
    if (!x.ExpectDone(kCmdTimeout, {seconds}, kReplyWait, {failure})) return false;
    recognitionWait_ = seconds * 10;
    return true;
}

// Erasing takes long; the prompt says so without telling the link, since the
// module does not wait for the user.
bool ModuleController::ResetMemory(int kind) {
    const std::string failure = Tr(PX_TR("Controller", "Could not reset all memory.\n"));
    if (kind != kResetAll && kind != kResetCommands && kind != kResetMessages)
        return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(Tr(PX_TR("Controller", "Erasing memory...\n")), false, true);
    return x.ExpectDone(kCmdResetMemory, {kind}, 400, {failure});
}

}  // namespace parlix
