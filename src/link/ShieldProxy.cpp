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
    bool (*probe)(ModulePort&);
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

bool ShieldProxy::DoOpenLink(const std::string& port) {
    lastPort_ = port;
    if (!OpenLine(port)) return false;
    if (port_.SetEventMask(EV_BREAK) || port_.SetReadMode(1)) return false;
    port_.SetReadTimeout(1000);
    port_.SetWritePacing(0);
    port_.Purge();
    return true;
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

bool ShieldProxy::Probe(std::uint32_t baud, bool (*probe)(ModulePort&)) {
    if (port_.Configure(baud, 8, 0, 0)) return false;
    ResetPulse();
    return probe(port_);
}

bool ShieldProxy::DoDetect() {
    ClearTexts();
    port_.SetReadTimeout(kProbeTimeoutMs);
    for (const ResetProbe& p : kResetProbes) {
        if (Probe(p.baud, p.probe)) {
            deviceName_ = p.name;
            deviceDetail_ = p.detail;
            return true;
        }
    }
    if (!TouchAt1200()) return false;
    if (bl::Avr109Identify(port_)) {
        deviceName_ = "AVR/Arduino Leonardo";
        deviceDetail_ = kCaterina;
    } else if (!port_.Configure(115200, 8, 0, 0) && bl::SambaNormalMode(port_)) {
        deviceName_ = "SAM3/Arduino Due";
        deviceDetail_ = kSamba;
    } else if (!port_.Configure(115200, 8, 0, 0) && bl::Stk500v2GetParameter(port_)) {
        deviceName_ = "SAMD21/Arduino Zero";
        deviceDetail_ = kZeroboot;
    }
    return !deviceName_.empty();
}

// Boards with a native USB port restart into their boot loader when the port
// is set to 1200 baud and DTR drops.
bool ShieldProxy::TouchAt1200() {
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
    const bool reopened = ReopenAfterRestart();
    port_.SetReadTimeout(timeout);
    if (!reopened) return false;
    port_.Configure(9600, 8, 0, 0);
    port_.Purge();
    return true;
}

void ShieldProxy::NotePorts() {
    std::vector<std::string> list;
    if (refresh_ && refresh_(list)) ports_ = std::move(list);
}

bool ShieldProxy::ReopenAfterRestart() {
    const auto next =
        WaitForNewPort(ports_, lastPort_, kRestartWaitMs, [this](std::vector<std::string>& list) {
            if (!refresh_ || !refresh_(list)) return false;
            ports_ = list;
            return true;
        });
    if (!next) return DoOpenLink(lastPort_);
    for (int i = 0; i < kReopenTries; ++i) {
        SleepMs(100);
        if (DoOpenLink(*next)) return true;  // the new name is remembered from now on
    }
    return false;
}

bool ShieldProxy::DoConnectModule() {
    const std::string bootLoader = deviceDetail_;
    if (bootLoader == kAtmega168 || bootLoader == kAtmega328) {
        if (bl::EepromExchange(port_))
            SleepMs(kOldBootLoaderQuietMs - kSettleMs);
        else if (!LeaveOptiboot(kOldBootLoaderQuietMs))
            return false;
    } else if (!LeaveBootLoader()) {
        return false;
    }
    if (bootLoader.empty() && port_.Configure(9600, 8, 0, 0)) return false;
    deviceName_ = "Parlix Shield/Bridge";
    deviceDetail_ = "VR Module N/A";
    SleepMs(kSettleMs);
    port_.Purge();
    port_.SetReadTimeout(250);
    return DetectModule();
}

bool ShieldProxy::LeaveBootLoader() {
    const std::string& bootLoader = deviceDetail_;
    if (bootLoader == kOptiboot) return LeaveOptiboot();
    if (bootLoader == kStk500v2) {
        return bl::Stk500v2LeaveProgMode(port_) && !port_.Configure(9600, 8, 0, 0) &&
               BridgeHandshake();
    }
    if (bootLoader == kCaterina) {
        NotePorts();
        if (!bl::Avr109Exit(port_)) return false;
        port_.Close();
        return RestartIntoSketch();
    }
    if (bootLoader == kSamba) {
        NotePorts();
        if (!bl::SambaBootFromFlash(port_)) return false;
        port_.Close();
        return RestartIntoSketch();
    }
    if (bootLoader == kZeroboot) {
        NotePorts();
        if (!bl::Stk500v2LeaveProgMode(port_) || port_.Configure(9600, 8, 0, 0)) return false;
        port_.Close();
        return RestartIntoSketch();
    }
    return true;
}

bool ShieldProxy::LeaveOptiboot(int quietMs) {
    if (!port_.WriteByte('Q') || !port_.WriteByte(' ') || port_.Configure(9600, 8, 0, 0))
        return false;
    if (quietMs > 0) SleepMs(quietMs);
    return BridgeHandshake();
}

bool ShieldProxy::RestartIntoSketch() {
    if (!ReopenAfterRestart() || port_.Configure(9600, 8, 0, 0)) return false;
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    return BridgeHandshake();
}

// The bridge sketch's sign of life: 0xBB answered 0xCC, then 0xDD answered 0xEE.
bool ShieldProxy::BridgeHandshake() {
    auto tries = [this](std::uint8_t request, std::uint8_t reply) {
        for (int i = 0; i < kHandshakeTries; ++i) {
            port_.Purge();
            if (port_.Expect(request, reply)) return true;
        }
        return false;
    };
    SleepMs(20);
    port_.SetReadTimeout(100);
    if (!tries(0xBB, 0xCC)) return false;
    SleepMs(20);
    return tries(0xDD, 0xEE);
}

// Pacing and time-out stay for the rest of the connection: the sketch needs
// the gaps to relay each byte at the module's 9600 baud.
bool ShieldProxy::DetectModule() {
    port_.SetWritePacing(5);
    std::uint8_t reply = 0;
    if (!port_.Query('b', reply) && !port_.Query('b', reply)) return false;
    if (!port_.Expect('b', 'o') || !port_.Expect('x', 'x')) return false;
    std::uint8_t identity = 0;
    if (!port_.Query(kArgRequest, identity)) return false;
    deviceDetail_ = fmt::format("{} Rev {}", ModelName(identity), Revision(identity));
    return true;
}

bool ShieldProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    return FetchArguments(values);
}

// The '?' tells the sketch that the session is over.
bool ShieldProxy::DoLeaveControlMode() {
    const bool left = ControlModeExchange();
    SleepMs(200);
    return port_.WriteByte('?') && left;
}

}  // namespace parlix
