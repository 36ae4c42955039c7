// The exchanges with the boot loaders of Arduino boards, as the bridge link
// uses them: each fails at the first byte missing or different, with the
// status of the port's last step (none for a byte that differs).
#pragma once

#include "link/LinkResult.h"
#include "link/ModulePort.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace parlix::bootloader {

// STK500 replies frame their data with these.
inline constexpr std::uint8_t kInSync = 0x14;
inline constexpr std::uint8_t kOk = 0x10;
inline constexpr std::uint8_t kEndOfRequest = 0x20;

// STK500v2 frame bytes and the commands used.
inline constexpr std::uint8_t kV2Start = 0x1B;
inline constexpr std::uint8_t kV2Sequence = 0x01;
inline constexpr std::uint8_t kV2Token = 0x0E;
inline constexpr std::uint8_t kV2GetParameter = 0x03;
inline constexpr std::uint8_t kV2LeaveProgMode = 0x11;
// Any parameter the boot loaders answer will do: the hardware version.
inline constexpr std::uint8_t kV2ParameterProbed = 0x90;

// Reads one byte and compares it.
LinkResult ReadExpected(ModulePort& port, std::uint8_t expected);
LinkResult ReadExpected(ModulePort& port, std::span<const std::uint8_t> expected);

// STK500 sign-on: '0' then '1', answered with the text AVR ISP.
LinkResult Stk500SignOn(ModulePort& port);
// STK500 get-parameter 0x81: any value between the sync bytes.
LinkResult Stk500GetParameter(ModulePort& port);
// One STK500 request ending with a space, answered 0x14, `reply.size()`
// data bytes (stored in `reply`), 0x10.
LinkResult Stk500Request(ModulePort& port, std::span<const std::uint8_t> request,
                         std::span<std::uint8_t> reply = {});
// The marker check of the old boot loaders' EEPROM ("BB" becomes "Bb"), then
// the boot loader is left.
LinkResult EepromExchange(ModulePort& port);

// STK500v2 message with the command byte first in `body`. The length sent
// counts the command byte; a reply's data is counted without it, so its
// length field is the data's size plus one.
std::vector<std::uint8_t> Stk500v2Frame(std::span<const std::uint8_t> body);
LinkResult Stk500v2Send(ModulePort& port, std::span<const std::uint8_t> body);
// Checks a reply to `command` carrying `data.size()` bytes after the command
// byte, stores them in `data` and checks the sum.
LinkResult Stk500v2Receive(ModulePort& port, std::uint8_t command, std::span<std::uint8_t> data);
LinkResult Stk500v2GetParameter(ModulePort& port);
LinkResult Stk500v2LeaveProgMode(ModulePort& port);

// AVR109 (the Leonardo's boot loader): '!' answered '?', then 'S' answered
// with the software identifier.
LinkResult Avr109Identify(ModulePort& port);
LinkResult Avr109Exit(ModulePort& port);

// SAM-BA (the Due's boot loader): binary mode answered "\n\r", and a word write.
LinkResult SambaNormalMode(ModulePort& port);
LinkResult SambaWriteWord(ModulePort& port, std::uint32_t address, std::uint32_t value);
// The Due boots from flash (GPNVM bit 1) and restarts.
LinkResult SambaBootFromFlash(ModulePort& port);

}  // namespace parlix::bootloader
