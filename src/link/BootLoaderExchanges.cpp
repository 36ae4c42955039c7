#include "link/BootLoaderExchanges.h"

#include <fmt/format.h>

#include <array>

namespace parlix::bootloader {

LinkResult ReadExpected(ModulePort& port, std::uint8_t expected) {
    std::uint8_t byte = 0;
    const LinkResult r = port.ReadByte(byte);
    return r && byte != expected ? r.Refused() : r;
}

LinkResult ReadExpected(ModulePort& port, std::span<const std::uint8_t> expected) {
    LinkResult r = LinkResult::WithoutLine(true);
    for (const std::uint8_t b : expected) {
        if (!(r = ReadExpected(port, b))) break;
    }
    return r;
}

namespace {

LinkResult WriteAll(ModulePort& port, std::span<const std::uint8_t> bytes) {
    LinkResult r = LinkResult::WithoutLine(true);
    for (const std::uint8_t b : bytes) {
        if (!(r = port.WriteByte(b))) break;
    }
    return r;
}

}  // namespace

LinkResult Stk500SignOn(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 7> kSignOn = {0x41, 0x56, 0x52, 0x20,
                                                            0x49, 0x53, 0x50};  // AVR ISP
    LinkResult r = port.WriteByte('0');
    if (r) r = port.Expect(kEndOfRequest, kInSync);
    if (r) r = ReadExpected(port, kOk);
    if (r) r = port.WriteByte('1');
    if (r) r = port.Expect(kEndOfRequest, kInSync);
    if (r) r = ReadExpected(port, kSignOn);
    if (r) r = ReadExpected(port, kOk);
    return r;
}

LinkResult Stk500GetParameter(ModulePort& port) {
    std::uint8_t value = 0;
    LinkResult r = port.WriteByte('A');
    if (r) r = port.WriteByte(0x81);
    if (r) r = port.Expect(kEndOfRequest, kInSync);
    if (r) r = port.ReadByte(value);
    if (r) r = ReadExpected(port, kOk);
    return r;
}

LinkResult Stk500Request(ModulePort& port, std::span<const std::uint8_t> request,
                         std::span<std::uint8_t> reply) {
    LinkResult r = WriteAll(port, request);
    if (r) r = port.Expect(kEndOfRequest, kInSync);
    for (auto& b : reply) {
        if (!r) break;
        r = port.ReadByte(b);
    }
    if (r) r = ReadExpected(port, kOk);
    return r;
}

LinkResult EepromExchange(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 3> kAddressZero = {'U', 0x00, 0x00};
    static constexpr std::array<std::uint8_t, 4> kReadTwo = {'t', 0x00, 0x02, 'E'};
    static constexpr std::array<std::uint8_t, 6> kWriteMarker = {'d', 0x00, 0x02, 'E', 'B', 'b'};
    static constexpr std::array<std::uint8_t, 1> kLeave = {'Q'};
    std::array<std::uint8_t, 2> marker{};
    LinkResult r = Stk500Request(port, kAddressZero);
    if (r) r = Stk500Request(port, kReadTwo, marker);
    if (r && (marker[0] != 'B' || marker[1] != 'B')) return r.Refused();
    if (r) r = Stk500Request(port, kAddressZero);
    if (r) r = Stk500Request(port, kWriteMarker);
    if (r) r = Stk500Request(port, kAddressZero);
    if (r) r = Stk500Request(port, kReadTwo, marker);
    if (r && (marker[0] != 'B' || marker[1] != 'b')) return r.Refused();
    if (r) r = Stk500Request(port, kLeave);
    return r;
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

LinkResult Stk500v2Send(ModulePort& port, std::span<const std::uint8_t> body) {
    return WriteAll(port, Stk500v2Frame(body));
}

LinkResult Stk500v2Receive(ModulePort& port, std::uint8_t command, std::span<std::uint8_t> data) {
    std::uint8_t sum = 0;
    auto next = [&](std::uint8_t& b) {
        const LinkResult r = port.ReadByte(b);
        if (r) sum ^= b;
        return r;
    };
    auto expect = [&](std::uint8_t wanted) {
        std::uint8_t b = 0;
        const LinkResult r = next(b);
        return r && b != wanted ? r.Refused() : r;
    };
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    LinkResult r = expect(kV2Start);
    if (r) r = expect(kV2Sequence);
    if (r) r = next(high);
    if (r) r = next(low);
    if (r) r = expect(kV2Token);
    if (r) r = expect(command);
    if (!r) return r;
    if (((high << 8) | low) != static_cast<int>(data.size()) + 1) return r.Refused();
    for (auto& b : data) {
        if (!(r = next(b))) return r;
    }
    const std::uint8_t wanted = sum;
    return ReadExpected(port, wanted);
}

LinkResult Stk500v2GetParameter(ModulePort& port) {
    const std::array<std::uint8_t, 2> body = {kV2GetParameter, kV2ParameterProbed};
    std::array<std::uint8_t, 2> reply{};
    LinkResult r = Stk500v2Send(port, body);
    if (r) r = Stk500v2Receive(port, kV2GetParameter, reply);
    return r && reply[0] != 0x00 ? r.Refused() : r;
}

LinkResult Stk500v2LeaveProgMode(ModulePort& port) {
    const std::array<std::uint8_t, 1> body = {kV2LeaveProgMode};
    std::array<std::uint8_t, 1> reply{};
    LinkResult r = Stk500v2Send(port, body);
    if (r) r = Stk500v2Receive(port, kV2LeaveProgMode, reply);
    return r && reply[0] != 0x00 ? r.Refused() : r;
}

LinkResult Avr109Identify(ModulePort& port) {
    static constexpr std::array<std::uint8_t, 7> kCaterina = {'C', 'A', 'T', 'E', 'R', 'I', 'N'};
    LinkResult r = port.Expect('!', '?');
    if (r) r = port.WriteByte('S');
    if (r) r = ReadExpected(port, kCaterina);
    return r;
}

LinkResult Avr109Exit(ModulePort& port) {
    return port.Expect('E', 0x0D);
}

LinkResult SambaNormalMode(ModulePort& port) {
    LinkResult r = port.WriteByte('N');
    if (r) r = port.Expect('#', 0x0A);
    if (r) r = ReadExpected(port, 0x0D);
    return r;
}

LinkResult SambaWriteWord(ModulePort& port, std::uint32_t address, std::uint32_t value) {
    const std::string text = fmt::format("W{:08X},{:08X}#", address, value);
    return WriteAll(port,
                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

LinkResult SambaBootFromFlash(ModulePort& port) {
    // Flash command "set GPNVM bit 1", then a processor and peripheral reset.
    LinkResult r = SambaWriteWord(port, 0x400E0A04, 0x5A00010B);
    if (r) r = SambaWriteWord(port, 0x400E1A00, 0xA500000D);
    return r;
}

}  // namespace parlix::bootloader
