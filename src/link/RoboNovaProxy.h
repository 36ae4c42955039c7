// RoboNovaProxy: the module behind a RoboNova MRC-3024 robot controller. The
// controller answers every byte the PC sends; its bridge program and the PC
// exchange the module protocol through one byte of the controller's RAM.
#pragma once

#include "link/PortProxy.h"

#include <mutex>

namespace parlix {

class RoboNovaProxy : public PortProxy {
  public:
    explicit RoboNovaProxy(SettingsStore& settings);

    void PurgeLine() override;

  protected:
    bool DoOpenLink(const std::string& port) override;
    bool DoCloseLink() override;
    bool DoDetect() override;
    bool DoConnectModule() override;
    bool DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    bool DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    bool DoReceiveStatus(std::uint8_t& status, int tenths) override;
    bool DoReceiveArguments(std::span<std::int32_t> values) override;
    bool DoSetBusy(bool busy) override;
    bool DoEnterControlMode() override;
    bool DoLeaveControlMode() override;
    bool DoSaveLanguage(int language) override;
    bool DoLoadLanguage(std::uint8_t& language) override;

  private:
    bool ControllerByte(std::uint8_t byte, std::uint8_t& answer);
    bool CheckedByte(std::uint8_t byte);
    bool CheckedAddress(std::uint16_t address);
    bool WriteRam(std::uint16_t address, std::uint8_t value);
    bool ReadRam(std::uint16_t address, std::uint8_t& value);
    bool ReadMemory(std::uint8_t op, std::uint16_t address, std::uint8_t& value);
    bool WriteMemory(std::uint16_t address, std::uint8_t value);
    bool OutputCommand(std::uint8_t p, std::uint8_t q);
    bool AcknowledgedWrite(std::uint8_t value);
    bool Download(std::FILE* file, ProgressSink* progress);

    std::int32_t replyWaits_ = 20;
    bool busy_ = false;
    std::recursive_mutex portLock_;  // taken inside the controller's lock, never around it
};

}  // namespace parlix
