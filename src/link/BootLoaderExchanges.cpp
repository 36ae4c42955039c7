#include "link/BootLoaderExchanges.h"

#include <fmt/format.h>

#include <array>

namespace parlix::bootloader {

bool ReadExpected(ModulePort& port, std::uint8_t expected) {
    std::uint8_t byte = 0;
    return port.ReadByte(byte) && byte == expected;
}

bool ReadExpected(ModulePort& port, std::span<const std::uint8_t> expected) {
    for (const std::uint8_t b : expected) {
        if (!ReadExpected(port, b)) return false;
    }
    return true;
}

namespace {

bool WriteAll(ModulePort& port, std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes) {
        if (!port.WriteByte(b)) return false;
    }
    return true;
}

}  // namespace

bool Stk500SignOn(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 7> kSignOn = {0x41, 0x56, 0x52, 0x20,
                                                            0x49, 0x53, 0x50};  // AVR ISP
    return port.WriteByte('0') && port.Expect(kEndOfRequest, kInSync) && ReadExpected(port, kOk) &&
           port.WriteByte('1') && port.Expect(kEndOfRequest, kInSync) &&
           ReadExpected(port, kSignOn) && ReadExpected(port, kOk);
}

bool Stk500GetParameter(ModulePort& port) {
    std::uint8_t value = 0;
    return port.WriteByte('A') && port.WriteByte(0x81) && port.Expect(kEndOfRequest, kInSync) &&
           port.ReadByte(value) && ReadExpected(port, kOk);
}

bool Stk500Request(ModulePort& port, std::span<const std::uint8_t> request,
                   std::span<std::uint8_t> reply) {
    if (!WriteAll(port, request) || !port.Expect(kEndOfRequest, kInSync)) return false;
    for (auto& b : reply) {
        if (!port.ReadByte(b)) return false;
    }
    return ReadExpected(port, kOk);
}

bool EepromExchange(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 3> kAddressZero = {'U', 0x00, 0x00};
    static constexpr std::array<std::uint8_t, 4> kReadTwo = {'t', 0x00, 0x02, 'E'};
    static constexpr std::array<std::uint8_t, 6> kWriteMarker = {'d', 0x00, 0x02, 'E', 'B', 'b'};
    static constexpr std::array<std::uint8_t, 1> kLeave = {'Q'};
    std::array<std::uint8_t, 2> marker{};
    if (!Stk500Request(port, kAddressZero) || !Stk500Request(port, kReadTwo, marker) ||
        marker[0] != 'B' || marker[1] != 'B')
        return false;
    if (!Stk500Request(port, kAddressZero) || !Stk500Request(port, kWriteMarker) ||
        !Stk500Request(port, kAddressZero) || !Stk500Request(port, kReadTwo, marker) ||
        marker[0] != 'B' || marker[1] != 'b')
        return false;
    return Stk500Request(port, kLeave);
}

std::vector<std::uint8_t> Stk500v2Frame(std::span<const std::uint8_t> body) {
    std::vector<std::uint8_t> frame;
    frame.reserve(body.size() + 6);
    frame.push_back(kV2Start);
    frame.push_back(kV2Sequence);
    frame.push_back(static_cast<std::uint8_t>(body.size() >> 8));
    frame.push_back(static_cast<std::uint8_t>(body.size() & 0xFF));
    frame.push_back(kV2Token);
    for (const std::uint8_t b : body) frame.push_back(b);
    std::uint8_t sum = 0;
    for (const std::uint8_t b : frame) sum ^= b;
    frame.push_back(sum);
    return frame;
}

bool Stk500v2Send(ModulePort& port, std::span<const std::uint8_t> body) {
    return WriteAll(port, Stk500v2Frame(body));
}

bool Stk500v2Receive(ModulePort& port, std::uint8_t command, std::span<std::uint8_t> data) {
    std::uint8_t sum = 0;
    auto next = [&](std::uint8_t& b) {
        if (!port.ReadByte(b)) return false;
        sum ^= b;
        return true;
    };
    auto expect = [&](std::uint8_t wanted) {
        std::uint8_t b = 0;
        return next(b) && b == wanted;
    };
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    if (!expect(kV2Start) || !expect(kV2Sequence) || !next(high) || !next(low) ||
        !expect(kV2Token) || !expect(command))
        return false;
    if (((high << 8) | low) != static_cast<int>(data.size()) + 1) return false;
    for (auto& b : data) {
        if (!next(b)) return false;
    }
    const std::uint8_t wanted = sum;
    return ReadExpected(port, wanted);
}

bool Stk500v2GetParameter(ModulePort& port) {
    const std::array<std::uint8_t, 2> body = {kV2GetParameter, kV2ParameterProbed};
    std::array<std::uint8_t, 2> reply{};
    return Stk500v2Send(port, body) && Stk500v2Receive(port, kV2GetParameter, reply) &&
           reply[0] == 0x00;
}

bool Stk500v2LeaveProgMode(ModulePort& port) {
    const std::array<std::uint8_t, 1> body = {kV2LeaveProgMode};
    std::array<std::uint8_t, 1> reply{};
    return Stk500v2Send(port, body) && Stk500v2Receive(port, kV2LeaveProgMode, reply) &&
           reply[0] == 0x00;
}

bool Avr109Identify(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 7> kCaterina = {'C', 'A', 'T', 'E', 'R', 'I', 'N'};
    return port.Expect('!', '?') && port.WriteByte('S') && ReadExpected(port, kCaterina);
}

bool Avr109Exit(ModulePort& port) {
    return port.Expect('E', 0x0D);
}

bool SambaNormalMode(ModulePort& port) {
    return port.WriteByte('N') && port.Expect('#', 0x0A) && ReadExpected(port, 0x0D);
}

bool SambaWriteWord(ModulePort& port, std::uint32_t address, std::uint32_t value) {
    const std::string text = fmt::format("W{:08X},{:08X}#", address, value);
    return WriteAll(port,
                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool SambaBootFromFlash(ModulePort& port) {
    // Flash command "set GPNVM bit 1", then a processor and peripheral reset.
    return SambaWriteWord(port, 0x400E0A04, 0x5A00010B) &&
           SambaWriteWord(port, 0x400E1A00, 0xA500000D);
}

}  // namespace parlix::bootloader
