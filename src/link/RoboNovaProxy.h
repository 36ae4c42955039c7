// RoboNovaProxy: the module behind a RoboNova MRC-3024 robot controller. The
// controller answers every byte the PC sends; its bridge program and the PC
// exchange the module protocol through one byte of the controller's RAM.
#pragma once

#include "link/PortProxy.h"

#include <initializer_list>
#include <mutex>

namespace parlix {

class RoboNovaProxy : public PortProxy {
  public:
    explicit RoboNovaProxy(SettingsStore& settings);

    void PurgeLine() override;

  protected:
    LinkResult DoOpenLink(const std::string& port) override;
    LinkResult DoCloseLink() override;
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override;
    LinkResult DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    LinkResult DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    LinkResult DoReceiveStatus(std::uint8_t& status, int tenths) override;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override;
    LinkResult DoSetBusy(bool busy) override;
    LinkResult DoEnterControlMode() override;
    LinkResult DoLeaveControlMode() override;
    LinkResult DoSaveLanguage(int language) override;
    LinkResult DoLoadLanguage(std::uint8_t& language) override;

  private:
    LinkResult ControllerByte(std::uint8_t byte, std::uint8_t& answer);
    LinkResult CheckedByte(std::uint8_t byte);
    LinkResult Operation(std::initializer_list<std::uint8_t> bytes, std::uint8_t* value = nullptr);
    LinkResult WriteRam(std::uint16_t address, std::uint8_t value);
    LinkResult ReadRam(std::uint16_t address, std::uint8_t& value);
    LinkResult ReadMemory(std::uint8_t op, std::uint16_t address, std::uint8_t& value);
    LinkResult WriteMemory(std::uint16_t address, std::uint8_t value);
    LinkResult OutputCommand(std::uint8_t p, std::uint8_t q);
    LinkResult AcknowledgedWrite(std::uint8_t value);
    LinkResult Download(std::FILE* file, ProgressSink* progress);

    std::int32_t replyWaits_ = 20;
    bool busy_ = false;
    std::recursive_mutex portLock_;  // taken inside the controller's lock, never around it
};

}  // namespace parlix
