// The data model read for display, one row at a time, with the model's
// try-locks: nothing here waits, and whatever a job is updating reads as busy.
// The window's two lists and `parlix-cli dump` format these same rows.
#pragma once

#include "app/ListRows.h"

#include <cstdint>
#include <optional>
#include <string>

namespace parlix {

class VoiceModel;

// Rows of the group list: 22, and one per custom grammar on modules that
// have grammars.
int GroupListRows(VoiceModel& model);

struct GroupRowFacts {
    int row = 0;
    ListKind kind = ListKind::Group;
    std::optional<int> number;  // RowNumber(row)
    // The module has a sound table: the rows without a number then show "--", else "n/a".
    bool soundTable = false;
    // The list was busy: its count was not read.
    bool busy = false;
    // None while busy or not read yet; the sound table's is shown even then.
    std::optional<std::int32_t> count;
    bool holdsSomething = false;  // the count shown is above 0
    std::int32_t entries = 0;     // what the list stores, known or not; 0 while busy
};
GroupRowFacts ReadGroupRowFacts(VoiceModel& model, int row);

// Rows of the entry list of group row `row`: up to 32 entries, every sound of
// the sound table, and after row 0's commands the built-in trigger words.
// None while the list is busy.
std::optional<int> EntryRowCount(VoiceModel& model, int row);
// The commands of row 0, which its trigger words follow; none while it is busy.
std::optional<int> TriggerRowCommands(VoiceModel& model);
// The built-in trigger words; 0 while they are busy.
int TriggerWordCount(VoiceModel& model);

// What every entry row has. `busy`: a job held the entry, so it shows
// placeholders and is read again later. `known`: it holds what the module
// stores. `changed`: it changed since it was last shown.
struct EntryRowState {
    int index = 0;
    bool busy = false;
    bool known = false;
    bool changed = false;
};

struct CommandEntry : EntryRowState {
    std::string label;                     // as shown
    std::string moduleLabel;               // as the module stores it
    std::int32_t trained = 0;              // negative: the entry cannot be trained
    std::optional<std::int32_t> conflict;  // only when the command has one
};

struct WordEntry : EntryRowState {
    std::string word;  // as shown
};

// Sound names follow from the table's name; `known` when that could be read.
struct SoundEntry : EntryRowState {
    std::string name;
};

struct MessageEntry : EntryRowState {
    std::string status;
    std::int32_t bits = 0;
    std::int32_t length = 0;  // bytes
    int tenths = 0;           // how long it plays
    std::string time;         // the same as "m:ss.t"
};

// Each reads one entry row. With `takeChanged` the entry's changed flag is
// cleared, as the row is being shown; a busy entry then gives none: keep what
// is shown. Without it a busy entry gives a row with `busy` set.
std::optional<CommandEntry> ReadCommandEntry(VoiceModel& model, int row, int index,
                                             bool takeChanged);
// A word of a wordset or a grammar row.
std::optional<WordEntry> ReadWordEntry(VoiceModel& model, int row, int index, bool takeChanged);
// Built-in trigger word `word`, counted from the first one.
std::optional<WordEntry> ReadTriggerWord(VoiceModel& model, int word, bool takeChanged);
std::optional<SoundEntry> ReadSoundEntry(VoiceModel& model, int index, bool takeChanged);
std::optional<MessageEntry> ReadMessageEntry(VoiceModel& model, int slot, bool takeChanged);

// The sound table's name as shown; none while it is busy.
std::optional<std::string> ReadSoundTableName(VoiceModel& model);

}  // namespace parlix
