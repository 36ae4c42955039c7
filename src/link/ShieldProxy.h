// ShieldProxy: the module on an Arduino board whose bridge sketch relays
// the bytes. The board's boot loader is recognised first, then left so that
// the sketch runs.
#pragma once

#include "link/PortDiscovery.h"
#include "link/PortProxy.h"

#include <string>
#include <vector>

namespace parlix {

class ShieldProxy : public PortProxy {
  public:
    explicit ShieldProxy(SettingsStore& settings);

    // The port opened last: after a restart the board may be on another one.
    const std::string& LastPort() const { return lastPort_; }
    // Where the port list comes from while a board restarts (tests give their own).
    void SetPortListRefresh(PortListRefresh refresh) { refresh_ = std::move(refresh); }

  protected:
    bool DoOpenLink(const std::string& port) override;
    bool DoDetect() override;
    bool DoConnectModule() override;
    bool DoReceiveArguments(std::span<std::int32_t> values) override;
    bool DoEnterControlMode() override { return ControlModeExchange(); }
    bool DoLeaveControlMode() override;

  private:
    void ResetPulse();
    bool Probe(std::uint32_t baud, bool (*probe)(ModulePort&));
    bool TouchAt1200();
    bool ProbesAfterTouch();
    // Notes the ports present before the board restarts, so that the one it
    // leaves can be told from the one it comes back on.
    void NotePorts();
    bool ReopenAfterRestart();
    bool LeaveBootLoader();
    // `quietMs`: how long the line stays quiet before the handshake.
    bool LeaveOptiboot(int quietMs = 0);
    bool RestartIntoSketch();
    bool BridgeHandshake();
    bool DetectModule();

    std::string lastPort_;
    std::vector<std::string> ports_;
    PortListRefresh refresh_;
};

}  // namespace parlix
