// Label encoding and the texts derived from labels and message slots.
#include "module/Labels.h"

#include "base/Text.h"

#include <cstdint>

namespace parlix {
namespace {

// A digit travels as '^' and the digit + 17, i.e. '0' becomes "^A".
constexpr int kDigitShift = 17;

}  // namespace

void KeepModuleLabel(std::string& label) {
    std::size_t kept = 0;
    for (; kept < label.size() && kept < kMaxLabelLength; ++kept) {
        label[kept] = ToUpperAscii(label[kept]);
        if (!IsModuleLabelChar(label[kept])) break;
    }
    label.resize(kept);
}

std::string EncodeLabel(std::string_view text) {
    std::string label;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            label += '^';
            label += static_cast<char>(c + kDigitShift);
        } else {
            label += c;
        }
    }
    KeepModuleLabel(label);
    // A '^' without its character (a digit cut in half) would show as garbage.
    std::size_t i = 0;
    while (i + 1 < label.size()) i += label[i] == '^' ? 2 : 1;
    if (i < label.size() && label[i] == '^') label.pop_back();
    return label;
}

std::string DecodeLabel(std::string_view label) {
    std::string shown;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '^' && i + 1 < label.size()) {
            shown += static_cast<char>(label[i + 1] - kDigitShift);
            ++i;
        } else {
            shown += label[i];
        }
    }
    return shown;
}

std::string SoundName(std::string_view tableName, unsigned index) {
    if (index == 0) return "SND_BEEP";
    return fmt::sprintf("SND_%s_%u", DecodeLabel(tableName), index);
}

std::string CommandName(std::string_view label, int index) {
    if (label.empty()) return fmt::sprintf("UNNAMED_COMMAND_%d", index);
    return DecodeLabel(label);
}

std::string MessageSlotLabel(std::int32_t bits) {
    if (bits == 0) return Tr(PX_TR("VoiceModel", "Empty Slot"));
    if (bits > 0) return Tr(PX_TR("VoiceModel", "Recorded Message"));
    return Tr(PX_TR("VoiceModel", "Message Error"));
}

std::string RecordingLabel() {
    return Tr(PX_TR("VoiceModel", "Recording..."));
}

int MessageDuration(std::int32_t bits, std::int32_t length) {
    if (bits <= 0) return 0;
    const std::int64_t perTenth = std::int64_t{bits} * 752;
    return static_cast<int>((std::int64_t{length} * 8 + perTenth / 2) / perTenth);
}

std::string FormatDuration(int tenths) {
    const auto t = static_cast<unsigned>(tenths);
    return fmt::sprintf("%u:%02u.%u", t / 600, t / 10 % 60, t % 10);
}

}  // namespace parlix
