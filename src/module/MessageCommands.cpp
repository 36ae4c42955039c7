// Module commands for the recorded voice messages.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/ModuleController.h"

#include <algorithm>
#include <array>
#include <climits>

namespace parlix {
namespace {

// A negative status wait means "no limit", so a wait computed from the
// caller's numbers is kept within 0 and INT_MAX.
int BoundedTenths(std::int64_t tenths) {
    return static_cast<int>(std::clamp<std::int64_t>(tenths, 0, INT_MAX));
}

}  // namespace

// A negative time-out polls the recording started earlier; otherwise the
// recording starts and its outcome comes later, so nothing is awaited.
bool ModuleController::RecordMessage(int slot, int bits, int timeout, bool& completed) {
    completed = false;
    if (timeout >= 0) {
        const std::string failure = TrFormat(
            PX_TR("Controller", "Could not record message %d with %d bits, timeout %d ms.\n"), slot,
            bits, timeout);
        if (!IsMessageSlot(slot) || !IsOneArgumentValue(bits) || !IsOneArgumentValue(timeout))
            return RefuseValues(failure);
        Exchange x(link_, *this);
        return x.Send(kCmdRecordMessage, {-1, slot, bits, timeout}) || x.LinkFailure(failure);
    }
    Exchange x(link_, *this, Exchange::Purge::No);
    std::uint8_t status = 0;
    if (!x.Receive(status, 0)) return false;  // still recording
    completed = true;
    switch (status) {
        case kStatusDone: {
            std::array<std::int32_t, 2> unused{};
            return x.Fetch(unused) || x.UnexpectedOrInvalid(status);
        }
        // A recording that ended early still ended: told, not failed.
        case 't':
            x.Fail(Tr(PX_TR("Controller", "Timeout expired.\n")), SystemText::Omit,
                   BoxIcon::Information);
            return true;
        case 'i':
            x.Fail(Tr(PX_TR("Controller", "Interrupted.\n")), SystemText::Omit,
                   BoxIcon::Information);
            return true;
        case 'm':
            x.Fail(Tr(PX_TR("Controller", "Memory full.\n")), SystemText::Omit,
                   BoxIcon::Information);
            return true;
        default:
            return x.UnexpectedOrInvalid(status);
    }
}

bool ModuleController::SendStopRecording() {
    VoiceProxy* proxy = link_.CurrentProxy();
    if (!proxy || link_.LinkLost()) return false;
    return proxy->SendCommand(kCmdControl, {}).ok;
}

bool ModuleController::PlayMessage(int slot, int waitTenths, int speed, int attenuation) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not play message %d.\n"), slot),
        TrFormat(PX_TR("Controller", "No reply while playing message %d.\n"), slot)};
    if (!IsMessageSlot(slot)) return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    // Speed and attenuation are cut to their bits of the one argument.
    return x.ExpectDone(kCmdPlayMessage, {-1, slot, (speed & 1) * 4 + (attenuation & 3)},
                        BoundedTenths(std::int64_t{waitTenths} + 10), texts);
}

bool ModuleController::EraseMessage(int slot) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not erase message %d.\n"), slot);
    if (!IsMessageSlot(slot)) return RefuseValues(failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdEraseMessage, {-1, slot}, 100, {failure});
}

}  // namespace parlix
