// Module commands that make the module listen, and the one that stops it.
#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/ModuleController.h"

#include <array>

namespace parlix {
namespace {

enum class Activity { Training, Recognition };

// 'e' brings the module's error code as two nibbles, high first. `code` gets
// it, or -1 when it could not be had. Always a failure.
bool ReportModuleError(Exchange& x, Activity activity, int& code) {
    std::array<std::int32_t, 2> nibbles{};
    const bool fetched = x.Fetch(nibbles);
    if (!fetched || nibbles[0] < 0 || nibbles[0] > 15 || nibbles[1] < 0 || nibbles[1] > 15) {
        code = -1;
        // Values out of range came over a working link: say so rather than repeat a stale error.
        if (fetched) x.Link().SetFailure(Status::InvalidParameter);
        return x.LinkFailure(
            activity == Activity::Training
                ? Tr(PX_TR("Controller",
                           "Training ended with error. Could not retrieve error code.\n"))
                : Tr(PX_TR("Controller", "Recognition failed. Could not retrieve error code.\n")));
    }
    code = nibbles[0] * 16 + nibbles[1];
    const std::string what = ErrorText(code);
    std::string text;
    if (activity == Activity::Training) {
        text = what.empty() ? TrFormat(PX_TR("Controller", "Training ended with error (0x%02X).\n"),
                                       static_cast<unsigned>(code))
                            : TrFormat(PX_TR("Controller", "Training error: %s.\n"), what);
    } else {
        text = what.empty()
                   ? TrFormat(PX_TR("Controller", "Recognition failed with error (0x%02X).\n"),
                              static_cast<unsigned>(code))
                   : TrFormat(PX_TR("Controller", "Recognition error: %s.\n"), what);
    }
    return x.Fail(text, SystemText::Omit, BoxIcon::Warning);
}

// The module's own time-out: nobody spoke. Information, and a failure.
bool ReportNobodySpoke(Exchange& x) {
    return x.Fail(Tr(PX_TR("Controller", "Timeout expired.\n")), SystemText::Omit,
                  BoxIcon::Information);
}

// The answer to a training or a verification of command `index`. A similar
// command whose index got lost still counts as trained, so that the caller
// records the training.
bool TrainingOutcome(ModuleController& controller, Exchange& x, std::uint8_t status, int index,
                     bool nobodySpokeAccepted, std::int32_t& conflict, int& error) {
    switch (status) {
        case kStatusDone:
            conflict = kConflictNone;
            return true;
        case 'r':
        case 's': {
            std::int32_t k = 0;
            if (!x.Fetch({&k, 1})) {
                conflict = kConflictUnnamed;
                x.LinkFailure(Tr(
                    PX_TR("Controller",
                          "Trained command similar to another. Could not retrieve which one.\n")));
                return true;
            }
            if (status == 'r') {
                conflict = k;
                controller.SetErrorText(TrFormat(
                    PX_TR("Controller",
                          "Trained command %d is similar to command %d in the same group.\n"),
                    index, k));
            } else {
                conflict = -1 - k;
                controller.SetErrorText(TrFormat(
                    PX_TR("Controller", "Trained command %d is similar to trigger word.\n"),
                    index));
            }
            return true;
        }
        case 'e':
            return ReportModuleError(x, Activity::Training, error);
        case 't':
            if (!nobodySpokeAccepted) break;
            ReportNobodySpoke(x);
            conflict = kConflictTimedOut;
            return false;
        default:
            break;
    }
    return x.Unexpected(status);
}

// The answer to a recognition: 'r' names a command of the group (group
// recognition only), 's' a trigger word (group) or a word (wordset).
bool RecognitionOutcome(ModuleController& controller, Exchange& x, std::uint8_t status,
                        bool wordset, std::int32_t& result) {
    if (status == 's' || (status == 'r' && !wordset)) {
        std::int32_t k = 0;
        if (!x.Fetch({&k, 1})) {
            result = kConflictUnnamed;
            x.LinkFailure(
                wordset
                    ? Tr(PX_TR("Controller", "Recognized a word. Could not retrieve which one.\n"))
                    : Tr(PX_TR("Controller",
                               "Recognized a command. Could not retrieve which one.\n")));
            return true;
        }
        if (wordset) {
            result = k;
            controller.SetErrorText(TrFormat(PX_TR("Controller", "Recognized word %d.\n"), k));
        } else if (status == 'r') {
            result = k;
            controller.SetErrorText(TrFormat(PX_TR("Controller", "Recognized command %d.\n"), k));
        } else {
            result = -1 - k;
            controller.SetErrorText(Tr(PX_TR("Controller", "Recognized trigger word.\n")));
        }
        return true;
    }
    if (status == 't') return ReportNobodySpoke(x);
    if (status == 'e') {
        int code = 0;  // recognition gives no error code to its caller
        return ReportModuleError(x, Activity::Recognition, code);
    }
    return x.Unexpected(status);
}

}  // namespace

std::string ErrorText(int code) {
    switch (code) {
        case 2:
            return Tr(PX_TR("Controller", "too long (memory overflow)"));
        case 3:
            return Tr(PX_TR("Controller", "too noisy"));
        case 4:
            return Tr(PX_TR("Controller", "spoke too soft"));
        case 5:
            return Tr(PX_TR("Controller", "spoke too loud"));
        case 6:
            return Tr(PX_TR("Controller", "spoke too soon"));
        case 7:
            return Tr(PX_TR("Controller", "too many segments/too complex"));
        case 9:
            return Tr(PX_TR("Controller", "invalid setup"));
        case 17:
            return Tr(PX_TR("Controller", "recognition failed"));
        case 18:
            return Tr(PX_TR("Controller", "recognition result is inaccurate"));
        case 19:
            return Tr(PX_TR("Controller", "recognition result is doubtful"));
        case 20:
            return Tr(PX_TR("Controller", "invalid SD/SV template"));
        case 23:
            return Tr(PX_TR("Controller", "bad pattern durations"));
        case 34:
            return Tr(PX_TR("Controller", "RSC code/ROM versions don't match"));
        case 35:
            return Tr(PX_TR("Controller", "reached limit of available RAM"));
        case 37:
            return Tr(PX_TR("Controller", "ran out of time to process"));
        case 42:
            return Tr(PX_TR("Controller", "net structure incompatibility"));
        case 45:
            return Tr(PX_TR("Controller", "trigger recognized Out of Vocabulary"));
        case 128:
            return Tr(PX_TR("Controller", "none of the above"));
        default:
            return {};
    }
}

bool ModuleController::TrainCommand(int group, int index, std::int32_t& conflict, int& error) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not train command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(Tr(PX_TR("Controller", "Speak now...")), true, true);
    std::uint8_t status = 0;
    if (!x.Request(kCmdTrainCommand, {group, index}, recognitionWait_ + 10, status, {failure}))
        return false;
    return TrainingOutcome(*this, x, status, index, true, conflict, error);
}

bool ModuleController::VerifyCommand(int group, int index, std::int32_t& conflict, int& error) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not verify command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::uint8_t status = 0;
    if (!x.Request(kCmdCommandData, {kDataVerify, group, index}, kReplyWait, status, {failure}))
        return false;
    return TrainingOutcome(*this, x, status, index, false, conflict, error);
}

bool ModuleController::RecognizeCommand(int group, std::int32_t& result) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not recognize commands in group %d.\n"), group);
    if (!IsGroupNumber(group)) return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(Tr(PX_TR("Controller", "Speak now...")), true, true);
    std::uint8_t status = 0;
    if (!x.Request(kCmdRecognizeCommand, {group}, recognitionWait_ + 20, status, {failure}))
        return false;
    return RecognitionOutcome(*this, x, status, false, result);
}

bool ModuleController::RecognizeWord(int wordset, std::int32_t& result) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not recognize word in set %d.\n"), wordset);
    if (!IsWordsetNumber(wordset)) return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(Tr(PX_TR("Controller", "Speak now...")), true, true);
    std::uint8_t status = 0;
    if (!x.Request(kCmdRecognizeWord, {wordset}, recognitionWait_ + 20, status, {failure}))
        return false;
    return RecognitionOutcome(*this, x, status, true, result);
}

// Runs on the thread that may already hold the lock for a stream, so it takes
// no lock and purges nothing.
bool ModuleController::Interrupt() {
    VoiceProxy* proxy = link_.CurrentProxy();
    if (!proxy || link_.LinkLost()) return false;
    std::uint8_t status = 0;
    return proxy->SendCommand(kCmdControl, {}) && proxy->ReceiveStatus(status, 50) &&
           proxy->SendCommand(kCmdControl, {}) && proxy->ReceiveStatus(status, 50) &&
           status == kStatusDone;
}

}  // namespace parlix
