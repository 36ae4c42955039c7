// Everything the data model holds, read out once as plain values: the rows of
// the groups list with their commands or words, the sound table, the message
// slots and the trigger words. It is read with the model's try-locks, so a
// list or entry that a job is updating reads as unknown instead of waiting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parlix {

class VoiceModel;

enum class ListKind { Trigger, Group, Password, SoundTable, Messages, Wordset, Grammar };

// True for the lists that hold trained commands (0 to 16).
constexpr bool HoldsCommands(ListKind kind) {
    return kind == ListKind::Trigger || kind == ListKind::Group || kind == ListKind::Password;
}
// True for the built-in wordsets and the custom grammars.
constexpr bool HoldsWords(ListKind kind) {
    return kind == ListKind::Wordset || kind == ListKind::Grammar;
}

struct CommandRow {
    int index = 0;
    // False while the entry is busy or not read yet; the fields below are then unset.
    bool known = false;
    std::string label;                     // as shown
    std::string moduleLabel;               // as the module stores it
    std::int32_t trained = 0;              // negative: the entry cannot be trained
    std::optional<std::int32_t> conflict;  // only when the command has one
};

// One row of the groups list and the entries of its list.
struct GroupRow {
    int list = 0;
    ListKind kind = ListKind::Group;
    // The group, wordset or grammar number; none for the sound table and message rows.
    std::optional<int> number;
    // The list was busy: neither its count nor its entries were read.
    bool busy = false;
    // None while busy or not read yet; the sound table's is shown even then.
    std::optional<std::int32_t> count;
    std::vector<CommandRow> commands;  // lists holding commands
    // Lists holding words, in shown form; none where the entry is busy or unread.
    std::vector<std::optional<std::string>> words;
};

struct SoundTable {
    std::string name;                 // shown form
    std::vector<std::string> sounds;  // the beep first
};

struct MessageRow {
    int slot = 0;
    // False while the slot is busy or not read yet; the fields below are then unset.
    bool known = false;
    std::string status;
    std::int32_t bits = 0;
    std::int32_t length = 0;  // bytes
    int tenths = 0;           // how long it plays
};

struct ModelSnapshot {
    std::vector<GroupRow> groups;
    std::optional<SoundTable> soundTable;             // when the module has the capability
    std::optional<std::vector<MessageRow>> messages;  // likewise
    std::vector<std::optional<std::string>> triggerWords;
};

// Never waits for a list or entry that is being updated.
ModelSnapshot ReadModelSnapshot(VoiceModel& model);

}  // namespace parlix
