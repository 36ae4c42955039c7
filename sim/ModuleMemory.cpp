#include "sim/ModuleMemory.h"

#include <algorithm>

namespace parlix::sim {

namespace {

// Layout of a command block: magic, version, trained count, label length,
// label, voice template, then a 16-bit sum of everything before it.
constexpr std::uint8_t kBlockMagic = 0x50;
constexpr std::uint8_t kBlockVersion = 1;
constexpr std::size_t kLabelAt = 4;
constexpr std::size_t kVoiceAt = kLabelAt + kMaxLabel;
// The similarity the module found travels with the command, so that a command
// loaded back is found similar to the same one again.
constexpr std::size_t kSimilarAt = kBlockBytes - 4;
constexpr std::size_t kVoiceBytes = kSimilarAt - kVoiceAt;

std::uint16_t BlockSum(const std::vector<std::uint8_t>& block) {
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i + 2 < kBlockBytes; ++i)
        sum = static_cast<std::uint16_t>(sum + block[i]);
    return sum;
}

bool ValidGroup(int group) {
    return group >= 0 && group < kGroupCount;
}

// Applies `change` to each command of a group that is similar to another command of it.
template <typename F>
void ForEachLink(std::vector<StoredCommand>& group, F change) {
    for (auto& command : group)
        if (command.similar == Similarity::Command) change(command);
}

}  // namespace

int StoredCommand::Flags() const {
    int flags = std::clamp(trained, 0, 6);
    if (similar == Similarity::Command) flags |= 0x08;
    if (similar == Similarity::Trigger) flags |= 0x10;
    return flags;
}

bool IsLabelChar(char c) {
    return (c >= 'A' && c <= 'Z') || c == '_' || c == '^';
}

std::optional<std::string> ToModuleLabel(std::string_view text) {
    std::string label;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            label += '^';
            label += static_cast<char>('A' + (c - '0'));
            continue;
        }
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!IsLabelChar(c)) return std::nullopt;
        label += c;
    }
    if (label.size() > static_cast<std::size_t>(kMaxLabel)) return std::nullopt;
    return label;
}

const std::array<std::vector<std::string>, kBuiltinGrammars>& BuiltinGrammars() {
    static const std::array<std::vector<std::string>, kBuiltinGrammars> grammars = {{
        {"ROBOT"},
        {"ACTION", "MOVE", "TURN", "RUN", "LOOK", "ATTACK", "STOP", "HELLO"},
        {"LEFT", "RIGHT", "UP", "DOWN", "FORWARD", "BACKWARD"},
        {"ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN"},
    }};
    return grammars;
}

std::vector<std::uint8_t> MakeVoiceTemplate(int group, int index, const std::string& label,
                                            int pass) {
    // FNV-1a over the inputs seeds a xorshift generator.
    std::uint32_t state = 2166136261u;
    auto mix = [&state](std::uint32_t v) {
        state ^= v;
        state *= 16777619u;
    };
    mix(static_cast<std::uint32_t>(group));
    mix(static_cast<std::uint32_t>(index));
    mix(static_cast<std::uint32_t>(pass));
    for (char c : label) mix(static_cast<std::uint8_t>(c));
    if (state == 0) state = 1;
    std::vector<std::uint8_t> voice(kVoiceBytes);
    for (auto& byte : voice) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return voice;
}

int ModuleMemory::TotalCommands() const {
    int total = 0;
    for (const auto& group : groups) total += static_cast<int>(group.size());
    return total;
}

std::uint32_t ModuleMemory::ActiveGroupMask() const {
    std::uint32_t mask = 0;
    for (int g = 0; g < kGroupCount; ++g)
        if (!groups[g].empty()) mask |= 1u << g;
    return mask;
}

std::uint32_t ModuleMemory::MessageBytesUsed() const {
    std::uint32_t used = 0;
    for (const auto& slot : messages)
        if (!slot.damaged) used += slot.length;
    return used;
}

const std::vector<std::string>* ModuleMemory::GrammarWords(int n) const {
    if (n >= 0 && n < kBuiltinGrammars) return &BuiltinGrammars()[n];
    const int custom = n - kBuiltinGrammars;
    if (custom >= 0 && custom < static_cast<int>(grammars.size())) return &grammars[custom].words;
    return nullptr;
}

StoredCommand* ModuleMemory::Find(int group, int index) {
    if (!ValidGroup(group) || index < 0 || index >= static_cast<int>(groups[group].size()))
        return nullptr;
    return &groups[group][index];
}

const StoredCommand* ModuleMemory::Find(int group, int index) const {
    return const_cast<ModuleMemory*>(this)->Find(group, index);
}

int ModuleMemory::Create(int group, int index) {
    if (!ValidGroup(group) || index < 0 || index > static_cast<int>(groups[group].size()))
        return kErrorInvalid;
    if (TotalCommands() >= kMaxCommands) return kErrorMemoryFull;
    auto& commands = groups[group];
    ForEachLink(commands, [index](StoredCommand& c) {
        if (c.similarIndex >= index) ++c.similarIndex;
    });
    commands.insert(commands.begin() + index, StoredCommand{});
    return 0;
}

int ModuleMemory::Remove(int group, int index) {
    if (const int error = Erase(group, index)) return error;
    auto& commands = groups[group];
    commands.erase(commands.begin() + index);
    ForEachLink(commands, [index](StoredCommand& c) {
        if (c.similarIndex > index) --c.similarIndex;
    });
    return 0;
}

int ModuleMemory::Erase(int group, int index) {
    StoredCommand* command = Find(group, index);
    if (!command) return kErrorInvalid;
    command->trained = 0;
    command->similar = Similarity::None;
    command->similarIndex = 0;
    command->voice.clear();
    ForEachLink(groups[group], [index](StoredCommand& c) {
        if (c.similarIndex == index) {
            c.similar = Similarity::None;
            c.similarIndex = 0;
        }
    });
    return 0;
}

int ModuleMemory::Rename(int group, int index, const std::string& label) {
    StoredCommand* command = Find(group, index);
    if (!command || label.size() > static_cast<std::size_t>(kMaxLabel) ||
        !std::all_of(label.begin(), label.end(), IsLabelChar))
        return kErrorInvalid;
    command->label = label;
    return 0;
}

int ModuleMemory::Train(int group, int index, Similarity similar, int similarIndex) {
    StoredCommand* command = Find(group, index);
    if (!command) return kErrorInvalid;
    command->trained = std::min(command->trained + 1, kMaxTrained);
    command->similar = similar;
    command->similarIndex = similar == Similarity::None ? 0 : similarIndex;
    command->voice = MakeVoiceTemplate(group, index, command->label, command->trained);
    return 0;
}

int ModuleMemory::Import(int group, int index, const std::vector<std::uint8_t>& block) {
    StoredCommand* command = Find(group, index);
    if (!command) return kErrorInvalid;
    if (block.size() != kBlockBytes || block[0] != kBlockMagic || block[1] != kBlockVersion ||
        block[2] > kMaxTrained || block[3] > kMaxLabel ||
        ((block[kBlockBytes - 2] << 8) | block[kBlockBytes - 1]) != BlockSum(block))
        return kErrorNoTemplate;
    std::string label(block.begin() + kLabelAt, block.begin() + kLabelAt + block[3]);
    if (!std::all_of(label.begin(), label.end(), IsLabelChar)) return kErrorNoTemplate;
    command->label = std::move(label);
    command->trained = block[2];
    command->similar = block[kSimilarAt] == 1   ? Similarity::Command
                       : block[kSimilarAt] == 2 ? Similarity::Trigger
                                                : Similarity::None;
    command->similarIndex = command->similar == Similarity::None ? 0 : block[kSimilarAt + 1];
    command->voice.assign(block.begin() + kVoiceAt, block.begin() + kVoiceAt + kVoiceBytes);
    return 0;
}

std::optional<std::vector<std::uint8_t>> ModuleMemory::Export(int group, int index) const {
    const StoredCommand* command = Find(group, index);
    // An untrained command travels too: its block keeps the label.
    if (!command) return std::nullopt;
    std::vector<std::uint8_t> block(kBlockBytes, 0);
    block[0] = kBlockMagic;
    block[1] = kBlockVersion;
    block[2] = static_cast<std::uint8_t>(command->trained);
    block[3] = static_cast<std::uint8_t>(command->label.size());
    std::copy(command->label.begin(), command->label.end(), block.begin() + kLabelAt);
    auto voice = command->voice;
    if (voice.size() != kVoiceBytes)
        voice = MakeVoiceTemplate(group, index, command->label, command->trained);
    std::copy(voice.begin(), voice.end(), block.begin() + kVoiceAt);
    block[kSimilarAt] = command->similar == Similarity::Command   ? 1
                        : command->similar == Similarity::Trigger ? 2
                                                                  : 0;
    block[kSimilarAt + 1] = static_cast<std::uint8_t>(command->similarIndex);
    const std::uint16_t sum = BlockSum(block);
    block[kBlockBytes - 2] = static_cast<std::uint8_t>(sum >> 8);
    block[kBlockBytes - 1] = static_cast<std::uint8_t>(sum & 0xFF);
    return block;
}

void ModuleMemory::ClearCommands() {
    for (auto& group : groups) group.clear();
}

void ModuleMemory::ClearMessages() {
    messages.fill(MessageSlot{});
    memoryCheck = 0;
}

}  // namespace parlix::sim
