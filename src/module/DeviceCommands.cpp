// Module commands for sounds, tones, audio tokens, the I/O pins and lip-sync.
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

// The token commands count time in units of 24576/895 ms (about 27.5 ms),
// rounded; any positive time is at least one unit.
int TokenUnits(int ms) {
    const std::int64_t units = (std::int64_t{ms} * 895 + 12288) / 24576;
    return static_cast<int>(ms > 0 && units == 0 ? 1 : units);
}

}  // namespace

// Values wider than one argument travel as n / 32 and the remainder. A
// negative sound would split into negative parts, and -1 first is a tone.
bool ModuleController::PlaySound(int sound, int volume) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not play sentence %d.\n"), sound),
        TrFormat(PX_TR("Controller", "No reply while playing sentence %d.\n"), sound)};
    const int level = volume / 16 - 1;
    if (!IsTwoArgumentValue(sound) || volume < 0 || !IsArgumentValue(level))
        return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdPlaySound, {sound / 32, sound % 32, level}, 100, texts);
}

// The dial tone (-1) counts its length in its own steps, the other tones in
// steps of 40 ms.
bool ModuleController::PlayTone(int tone, int length) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not play tone %d.\n"), tone),
        TrFormat(PX_TR("Controller", "No reply while playing tone %d.\n"), tone)};
    const std::int64_t steps = tone == -1 ? std::int64_t{length} - 1 : length / 40 - 1;
    if (!InRange(tone, -1, 15) || steps < 0 || steps > kArgMax) return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdPlayTone, {-1, tone, static_cast<std::int32_t>(steps)}, 100, texts);
}

bool ModuleController::SendToken(int bits, int token, int delayMs) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not send token %d with %d bits, delayed by %d ms.\n"),
                 token, bits, delayMs),
        TrFormat(PX_TR("Controller",
                       "No reply while sending token %d with %d bits, delayed by %d ms.\n"),
                 token, bits, delayMs)};
    if (!IsTokenBits(bits) || !IsTokenValue(bits, token) || !IsTokenTime(delayMs))
        return RefuseValues(texts.failure);
    const int units = TokenUnits(delayMs);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdSendToken, {bits, token / 32, token % 32, units / 32, units % 32},
                        BoundedTenths(std::int64_t{bits} * 3 / 2 + 5), texts);
}

// A positive time-out listens for that long behind the busy prompt; 0 starts
// continuous listening and returns at once; a negative one polls for what the
// module heard meanwhile.
bool ModuleController::ReceiveToken(int bits, int rejection, int timeoutMs, int& token) {
    // A poll sends nothing, so only a start has values to check.
    std::string failure;
    if (timeoutMs >= 0) {
        failure =
            TrFormat(PX_TR("Controller",
                           "Could not receive token with %d bits, rejection %d, timeout %d ms.\n"),
                     bits, rejection, timeoutMs);
        if (!IsTokenBits(bits) || !InRange(rejection, 0, 2) || !IsTokenTime(timeoutMs))
            return RefuseValues(failure);
    }
    Exchange x(link_, *this, timeoutMs >= 0 ? Exchange::Purge::Yes : Exchange::Purge::No);
    std::uint8_t status = 0;
    if (timeoutMs >= 0) {
        const int units = TokenUnits(timeoutMs);
        if (!x.Send(kCmdReceiveToken, {bits, rejection, units / 32, units % 32}))
            return x.LinkFailure(failure);
        if (timeoutMs == 0) return true;
        x.ShowPrompt(Tr(PX_TR("Controller", "Listening...")), true);
        if (!x.Receive(status, timeoutMs / 100 + 10))
            return x.Fail(
                TrFormat(
                    PX_TR("Controller",
                          "No reply while receiving token with %d bits, rejection %d, timeout %d "
                          "ms.\n"),
                    bits, rejection, timeoutMs),
                SystemText::Append, BoxIcon::Warning);
        x.RemovePrompt();
    } else if (!x.Receive(status, 0)) {
        return false;  // nothing heard yet
    }
    if (status == 't') {
        token = -1;
        x.Fail(Tr(PX_TR("Controller", "Timeout expired.\n")), SystemText::Omit,
               BoxIcon::Information);
        return true;
    }
    std::array<std::int32_t, 2> parts{};
    if (status != 'f' || !x.Fetch(parts)) return x.UnexpectedOrInvalid(status);
    token = parts[0] * 32 + parts[1];
    return true;
}

bool ModuleController::SetPinOutput(int pin, int mode) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not query output pin %d.\n"), pin),
        TrFormat(PX_TR("Controller", "No reply while querying output pin %d.\n"), pin)};
    if (!IsPinNumber(pin) || !InRange(mode, 0, 1)) return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdPin, {pin, mode}, 100, texts);
}

bool ModuleController::QueryPinInput(int pin, int mode, int& level) {
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller", "Could not query input pin %d.\n"), pin),
        TrFormat(PX_TR("Controller", "No reply while querying input pin %d.\n"), pin)};
    if (!IsPinNumber(pin) || !InRange(mode, 2, 4)) return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    std::int32_t value = 0;
    if (!x.ExpectValues(kCmdPin, {pin, mode}, 100, 'p', {&value, 1}, texts)) return false;
    level = value;
    return true;
}

// The running stream owns the lock until EndLipsync, whether it started,
// failed or was refused, so the caller always ends it the same way. The
// fields hold 10 bits of threshold and 8 of time-out; a wider value is
// refused rather than cut to another one.
bool ModuleController::StartLipsync(int threshold, int timeout) {
    link_.Lock();
    const ExchangeTexts texts{
        TrFormat(PX_TR("Controller",
                       "Could not start real-time lipsync with threshold %d and timeout %d.\n"),
                 threshold, timeout),
        TrFormat(PX_TR("Controller",
                       "No reply to real-time lipsync with threshold %d and timeout %d.\n"),
                 threshold, timeout)};
    if (!InRange(threshold, 0, 1023) || !InRange(timeout, 0, 255))
        return RefuseValues(texts.failure);
    Exchange x(link_, *this);
    return x.Expect(kCmdLipsync,
                    {-1, (threshold >> 5) & 31, threshold & 31, (timeout >> 4) & 15, timeout & 15},
                    100, 'l', texts);
}

// Runs under the lock that StartLipsync kept, on the same thread. A reply
// that is not a level is left in the buffer by the link: 't' (the module's
// time-out) or 'i' (interrupted) ends the stream quietly.
bool ModuleController::ReadLipsyncValue(int& value) {
    value = -2;
    VoiceProxy* proxy = link_.CurrentProxy();
    if (!proxy || link_.LinkLost()) return false;
    constexpr std::int32_t kUntouched = 256;
    std::int32_t buffer = kUntouched;
    if (proxy->ReceiveArguments({&buffer, 1})) {
        value = buffer;
        return true;
    }
    if (buffer == kUntouched) return true;  // nothing new
    if (buffer == 't' || buffer == 'i') return false;
    errorText_ = TrFormat(PX_TR("Controller", "Unexpected reply (0x%02X).\n"),
                          static_cast<unsigned>(buffer) & 0xFFu);
    ReportError(SystemText::Omit, BoxIcon::Error);
    return false;
}

}  // namespace parlix
