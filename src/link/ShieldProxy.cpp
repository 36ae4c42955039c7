#include "link/ShieldProxy.h"

#include "link/BootLoaderExchanges.h"
#include "link/ModuleFraming.h"
#include "link/SimDeviceList.h"

#include <fmt/format.h>

#include <array>

namespace parlix {

namespace bl = bootloader;

namespace {

constexpr int kProbeTimeoutMs = 500;
constexpr std::uint32_t kRestartWaitMs = 10000;
// A board that restarts on the 1200-baud touch drops off the bus within this;
// a port still listed after it belongs to a board that did not restart.
constexpr std::uint32_t kRestartRemovalMs = 2000;
constexpr int kReopenTries = 30;
constexpr int kHandshakeTries = 5;

constexpr const char* kOptiboot = "(optiboot)";
constexpr const char* kStk500v2 = "(stk500v2)";
constexpr const char* kCaterina = "(caterina)";
constexpr const char* kSamba = "(samba)";
constexpr const char* kZeroboot = "(zeroboot)";
constexpr const char* kAtmega168 = "(atmega168)";
constexpr const char* kAtmega328 = "(atmega328)";
// The old STK500 boot loader acknowledges 'Q' but starts the sketch only once
// the line has been quiet for about a second; bytes sent earlier keep it in
// charge. So the line stays quiet this long after its 'Q'.
constexpr int kOldBootLoaderQuietMs = 1500;
// ConnectModule waits this long anyway before it looks for the module.
constexpr int kSettleMs = 500;

struct ResetProbe {
    std::uint32_t baud;
    LinkResult (*probe)(ModulePort&);
    const char* name;
    const char* detail;
};

// Boards that restart into their boot loader on a reset pulse, in the order tried.
constexpr std::array<ResetProbe, 4> kResetProbes = {{
    {57600, bl::Stk500SignOn, "AVR/Arduino", kAtmega328},
    {19200, bl::Stk500SignOn, "AVR/Arduino", kAtmega168},
    {115200, bl::Stk500GetParameter, "AVR/Arduino UNO", kOptiboot},
    {115200, bl::Stk500v2GetParameter, "AVR/Arduino Mega", kStk500v2},
}};

}  // namespace

ShieldProxy::ShieldProxy(SettingsStore& settings)
    : PortProxy(settings), refresh_(ListPortsWithSimulated) {}

LinkResult ShieldProxy::DoOpenLink(const std::string& port) {
    lastPort_ = port;
    if (const LinkResult r = OpenLine(port); !r) return r;
    if (const auto ec = port_.SetEventMask(EV_BREAK)) return LinkResult::Fail(ec);
    if (const auto ec = port_.SetReadMode(1)) return LinkResult::Fail(ec);
    port_.SetReadTimeout(1000);
    port_.SetWritePacing(0);
    return {true, port_.Purge()};
}

void ShieldProxy::ResetPulse() {
    port_.EscapeFunction(CLRRTS);
    port_.EscapeFunction(CLRDTR);
    SleepMs(50);
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    SleepMs(150);
    port_.Purge();
}

LinkResult ShieldProxy::Probe(std::uint32_t baud, LinkResult (*probe)(ModulePort&)) {
    if (const auto ec = port_.Configure(baud, 8, 0, 0)) return LinkResult::Fail(ec);
    ResetPulse();
    return probe(port_);
}

LinkResult ShieldProxy::DoDetect() {
    ClearTexts();
    port_.SetReadTimeout(kProbeTimeoutMs);
    for (const ResetProbe& p : kResetProbes) {
        if (const LinkResult r = Probe(p.baud, p.probe)) {
            deviceName_ = p.name;
            deviceDetail_ = p.detail;
            return r;
        }
    }
    LinkResult r = TouchAt1200();
    if (!r) return r;
    if ((r = bl::Avr109Identify(port_))) {
        deviceName_ = "AVR/Arduino Leonardo";
        deviceDetail_ = kCaterina;
        return r;
    }
    r = LinkResult::Line(port_.Configure(115200, 8, 0, 0));
    if (r) r = bl::SambaNormalMode(port_);
    if (r) {
        deviceName_ = "SAM3/Arduino Due";
        deviceDetail_ = kSamba;
        return r;
    }
    r = LinkResult::Line(port_.Configure(115200, 8, 0, 0));
    if (r) r = bl::Stk500v2GetParameter(port_);
    if (r) {
        deviceName_ = "SAMD21/Arduino Zero";
        deviceDetail_ = kZeroboot;
    }
    return r;
}

// Boards with a native USB port restart into their boot loader when the port
// is set to 1200 baud and DTR drops.
LinkResult ShieldProxy::TouchAt1200() {
    NotePorts();
    port_.Configure(1200, 8, 0, 0);
    port_.EscapeFunction(CLRRTS);
    port_.EscapeFunction(CLRDTR);
    SleepMs(50);
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    port_.Close();
    // The probes after the restart keep their own time-out.
    const int timeout = port_.ReadTimeout();
    const LinkResult reopened = ReopenAfterRestart();
    port_.SetReadTimeout(timeout);
    if (!reopened) return reopened;
    port_.Configure(9600, 8, 0, 0);
    return {true, port_.Purge()};
}

void ShieldProxy::NotePorts() {
    std::vector<std::string> list;
    if (refresh_ && refresh_(list)) ports_ = std::move(list);
}

LinkResult ShieldProxy::ReopenAfterRestart() {
    const auto next = WaitForNewPort(ports_, lastPort_, kRestartWaitMs, kRestartRemovalMs,
                                     [this](std::vector<std::string>& list) {
                                         if (!refresh_ || !refresh_(list)) return false;
                                         ports_ = list;
                                         return true;
                                     });
    if (!next) return DoOpenLink(lastPort_);
    LinkResult r;
    for (int i = 0; i < kReopenTries; ++i) {
        SleepMs(100);
        if ((r = DoOpenLink(*next))) return r;  // the new name is remembered from now on
    }
    return r;
}

LinkResult ShieldProxy::DoConnectModule() {
    const std::string bootLoader = deviceDetail_;
    LinkResult r;
    if (bootLoader == kAtmega168 || bootLoader == kAtmega328) {
        if ((r = bl::EepromExchange(port_)))
            SleepMs(kOldBootLoaderQuietMs - kSettleMs);
        else if (!(r = LeaveOptiboot(kOldBootLoaderQuietMs)))
            return r;
    } else if (!(r = LeaveBootLoader())) {
        return r;
    }
    if (bootLoader.empty()) {
        if (const auto ec = port_.Configure(9600, 8, 0, 0)) return LinkResult::Fail(ec);
    }
    deviceName_ = "Parlix Shield/Bridge";
    deviceDetail_ = "VR Module N/A";
    SleepMs(kSettleMs);
    port_.Purge();
    port_.SetReadTimeout(250);
    return DetectModule();
}

LinkResult ShieldProxy::LeaveBootLoader() {
    const std::string& bootLoader = deviceDetail_;
    if (bootLoader == kOptiboot) return LeaveOptiboot();
    if (bootLoader == kStk500v2) {
        LinkResult r = bl::Stk500v2LeaveProgMode(port_);
        if (r) r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
        if (r) r = BridgeHandshake();
        return r;
    }
    if (bootLoader == kCaterina) {
        NotePorts();
        if (const LinkResult r = bl::Avr109Exit(port_); !r) return r;
        port_.Close();
        return RestartIntoSketch();
    }
    if (bootLoader == kSamba) {
        NotePorts();
        if (const LinkResult r = bl::SambaBootFromFlash(port_); !r) return r;
        port_.Close();
        return RestartIntoSketch();
    }
    if (bootLoader == kZeroboot) {
        NotePorts();
        LinkResult r = bl::Stk500v2LeaveProgMode(port_);
        if (r) r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
        if (!r) return r;
        port_.Close();
        return RestartIntoSketch();
    }
    return LinkResult::WithoutLine(true);
}

LinkResult ShieldProxy::LeaveOptiboot(int quietMs) {
    LinkResult r = port_.WriteByte('Q');
    if (r) r = port_.WriteByte(' ');
    if (r) r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
    if (!r) return r;
    if (quietMs > 0) SleepMs(quietMs);
    return BridgeHandshake();
}

LinkResult ShieldProxy::RestartIntoSketch() {
    LinkResult r = ReopenAfterRestart();
    if (r) r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
    if (!r) return r;
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    return BridgeHandshake();
}

// The bridge sketch's sign of life: 0xBB answered 0xCC, then 0xDD answered 0xEE.
LinkResult ShieldProxy::BridgeHandshake() {
    auto tries = [this](std::uint8_t request, std::uint8_t reply) {
        LinkResult r;
        for (int i = 0; i < kHandshakeTries; ++i) {
            port_.Purge();
            if ((r = port_.Expect(request, reply))) break;
        }
        return r;
    };
    SleepMs(20);
    port_.SetReadTimeout(100);
    if (const LinkResult r = tries(0xBB, 0xCC); !r) return r;
    SleepMs(20);
    return tries(0xDD, 0xEE);
}

// Pacing and time-out stay for the rest of the connection: the sketch needs
// the gaps to relay each byte at the module's 9600 baud.
LinkResult ShieldProxy::DetectModule() {
    port_.SetWritePacing(5);
    std::uint8_t reply = 0;
    LinkResult r = port_.Query('b', reply);
    if (!r) r = port_.Query('b', reply);
    if (r) r = port_.Expect('b', 'o');
    if (r) r = port_.Expect('x', 'x');
    if (!r) return r;
    std::uint8_t identity = 0;
    if (!(r = port_.Query(kArgRequest, identity))) return r;
    deviceDetail_ = fmt::format("{} Rev {}", ModelName(identity), Revision(identity));
    return r;
}

LinkResult ShieldProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    return FetchArguments(values);
}

// The '?' tells the sketch that the session is over.
LinkResult ShieldProxy::DoLeaveControlMode() {
    const LinkResult left = ControlModeExchange();
    SleepMs(200);
    const LinkResult written = port_.WriteByte('?');
    return written && !left ? written.Refused() : written;
}

}  // namespace parlix
