// BasicStampProxy: the module behind a BASIC Stamp 2 of any kind. Every byte
// to the Stamp comes back as an echo from its serial input; the bridge program
// then repeats each byte it takes as an acknowledgement.
#pragma once

#include "link/PortProxy.h"
#include "link/StampIdentification.h"

#include <optional>

namespace parlix {

class BasicStampProxy : public PortProxy {
  public:
    using PortProxy::PortProxy;

  protected:
    bool DoOpenLink(const std::string& port) override;
    bool DoDetect() override;
    bool DoConnectModule() override;
    bool DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    bool DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    bool DoReceiveArguments(std::span<std::int32_t> values) override;
    bool DoSetBusy(bool busy) override;
    bool DoEnterControlMode() override;
    bool DoLeaveControlMode() override;
    bool DoSaveLanguage(int language) override;
    bool DoLoadLanguage(std::uint8_t& language) override;

  private:
    struct Found {
        StampKind kind;
        std::uint8_t version;
    };

    bool EchoedByte(std::uint8_t byte);
    bool AcknowledgedByte(std::uint8_t byte);
    bool ResetStamp();
    bool Identify(StampKind kind, std::uint8_t& version);
    // Resets and asks each kind in turn at a 100 ms read time-out.
    std::optional<Found> IdentifyAny();
    bool SendPacket(const std::uint8_t (&packet)[18]);
};

}  // namespace parlix
