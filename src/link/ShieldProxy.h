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
    LinkResult DoOpenLink(const std::string& port) override;
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override;
    LinkResult DoEnterControlMode() override { return ControlModeExchange(); }
    LinkResult DoLeaveControlMode() override;

  private:
    void ResetPulse();
    LinkResult Probe(std::uint32_t baud, LinkResult (*probe)(ModulePort&));
    LinkResult TouchAt1200();
    LinkResult ProbesAfterTouch();
    // Notes the ports present before the board restarts, so that the one it
    // leaves can be told from the one it comes back on.
    void NotePorts();
    LinkResult ReopenAfterRestart();
    LinkResult LeaveBootLoader();
    // `quietMs`: how long the line stays quiet before the handshake.
    LinkResult LeaveOptiboot(int quietMs = 0);
    LinkResult RestartIntoSketch();
    LinkResult BridgeHandshake();
    LinkResult DetectModule();

    std::string lastPort_;
    std::vector<std::string> ports_;
    PortListRefresh refresh_;
};

}  // namespace parlix
