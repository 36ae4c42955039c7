// What a module stores: its commands in the trigger group, fifteen command
// groups and the password group, custom grammars, the sound table, message
// slots and settings. The operations keep it consistent the way the module
// does, for example renumbering similarity links when a group changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlix::sim {

inline constexpr int kGroupCount = 17;   // 0 trigger, 1..15 command groups, 16 password
inline constexpr int kMaxCommands = 32;  // in all groups together
inline constexpr int kMaxLabel = 31;
inline constexpr int kMessageSlots = 32;
inline constexpr int kBuiltinGrammars = 4;  // 0 trigger words, 1..3 wordsets; custom from 4
inline constexpr int kMaxGrammars = 32;
inline constexpr int kMaxTrained = 2;
inline constexpr std::size_t kBlockBytes = 258;  // a command as import and export carry it

// Error codes the module reports with status 'e'.
inline constexpr int kErrorMemoryFull = 0x02;
inline constexpr int kErrorInvalid = 0x09;
inline constexpr int kErrorNoTemplate = 0x14;

enum class Similarity { None, Command, Trigger };

struct StoredCommand {
    std::string label;  // module form: 'A'-'Z', '_', '^'
    int trained = 0;
    Similarity similar = Similarity::None;
    int similarIndex = 0;
    std::vector<std::uint8_t> voice;  // the trained voice template, empty when untrained

    // The flags argument of a command read: trained count and similarity bits.
    int Flags() const;
};

struct Grammar {
    int flags = 0;
    std::vector<std::string> words;  // module form
};

struct MessageSlot {
    int bits = 0;  // 0: empty
    std::uint32_t length = 0;
    bool damaged = false;
};

struct RecognitionSettings {
    int knob = 2;
    int level = 2;
    int micDistance = 1;
    int trailingSilence = 0;
    int fastRecognition = 0;
};

struct ModuleMemory {
    std::uint8_t identity = 'C';  // firmware ID = identity - 'A'
    int language = 0;
    int timeoutSeconds = 5;  // how long listening waits for speech; <= 0 without limit
    int replyDelayMs = 0;
    RecognitionSettings settings;
    std::array<std::vector<StoredCommand>, kGroupCount> groups;
    std::vector<Grammar> grammars;  // custom grammars, module numbers 4 upward
    bool hasSoundTable = false;
    std::string soundTableName;
    int soundCount = 0;
    std::array<MessageSlot, kMessageSlots> messages;
    std::uint32_t messageCapacity = 1u << 20;  // bytes of message memory
    int memoryCheck = 0;                       // result of the message memory check, 0 good
    bool memoryFixable = true;
    std::array<int, 7> pinLevels{};  // input level of pins 1..6 (index 0 unused)
    std::array<int, 7> pinModes{};   // last mode set on each pin

    int FirmwareId() const { return identity - 'A'; }
    int PinCount() const { return FirmwareId() < 8 ? 3 : 6; }
    int TotalCommands() const;
    std::uint32_t ActiveGroupMask() const;
    std::uint32_t MessageBytesUsed() const;
    int GrammarCount() const { return kBuiltinGrammars + static_cast<int>(grammars.size()); }
    // Words of grammar n (0..3 built in, 4 upward custom); null when there is none.
    const std::vector<std::string>* GrammarWords(int n) const;
    StoredCommand* Find(int group, int index);
    const StoredCommand* Find(int group, int index) const;

    // Each returns 0 or the error code the module answers with.
    int Create(int group, int index);
    int Remove(int group, int index);
    int Erase(int group, int index);
    int Rename(int group, int index, const std::string& label);
    // A training pass that ended with `similar` (Similarity::None: accepted).
    int Train(int group, int index, Similarity similar, int similarIndex);
    int Import(int group, int index, const std::vector<std::uint8_t>& block);
    std::optional<std::vector<std::uint8_t>> Export(int group, int index) const;

    void ClearCommands();
    void ClearMessages();
};

bool IsLabelChar(char c);
// A label in module form: upper case, each digit d as '^' then 'A' + d. Nothing
// when a character has no module form or the result is longer than 31.
std::optional<std::string> ToModuleLabel(std::string_view text);
// The built-in trigger words and wordsets 1 to 3 (grammars 0 to 3), in module form.
const std::array<std::vector<std::string>, kBuiltinGrammars>& BuiltinGrammars();
// A voice template as a training would produce it; the same inputs give the same bytes.
std::vector<std::uint8_t> MakeVoiceTemplate(int group, int index, const std::string& label,
                                            int pass);

}  // namespace parlix::sim
