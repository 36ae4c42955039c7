// BasicStampProxy: the module behind a BASIC Stamp 2 of any kind. Every byte
// to the Stamp comes back as an echo from its serial input; the bridge program
// then repeats each byte it takes as an acknowledgement.
#pragma once

#include "link/PortProxy.h"
#include "link/StampIdentification.h"

namespace parlix {

class BasicStampProxy : public PortProxy {
  public:
    using PortProxy::PortProxy;

  protected:
    LinkResult DoOpenLink(const std::string& port) override;
    LinkResult DoCloseLink() override;
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override;
    LinkResult DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    LinkResult DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override;
    LinkResult DoSetBusy(bool busy) override;
    LinkResult DoEnterControlMode() override;
    LinkResult DoLeaveControlMode() override;
    LinkResult DoSaveLanguage(int language) override;
    LinkResult DoLoadLanguage(std::uint8_t& language) override;

  private:
    struct Found {
        StampKind kind;
        std::uint8_t version;
    };

    LinkResult EchoedByte(std::uint8_t byte);
    LinkResult AcknowledgedByte(std::uint8_t byte);
    LinkResult ResetStamp();
    LinkResult Identify(StampKind kind, std::uint8_t& version);
    // Resets and asks each kind in turn at a 100 ms read time-out; fails
    // when none answers.
    LinkResult IdentifyAny(Found& found);
    LinkResult SendPacket(const std::uint8_t (&packet)[18]);
    // After a byte of the bridge's framing went missing or wrong, the bridge
    // may be waiting for an operand where a code is due: a reset and control
    // mode again bring both sides back to the start of a command.
    LinkResult Resynchronise();

    bool bridged_ = false;  // the bridge program relays: 'U' was sent since the last reset
    bool resync_ = false;   // the framing went wrong since then
};

}  // namespace parlix
