#include "ui/logic/ListTexts.h"

#include "base/Text.h"

#include <fmt/format.h>

namespace parlix::ui {
namespace {

// What every row takes from its entry: the icon, and whether it changed or was busy.
CommandRowTexts RowOf(const EntryRowState& entry, ListIcon icon) {
    CommandRowTexts row;
    row.icon = icon;
    row.changed = entry.changed;
    row.busy = entry.busy;
    return row;
}

CommandRowTexts Placeholders(ListIcon icon, std::vector<std::string> cells) {
    CommandRowTexts row;
    row.icon = icon;
    row.cells = std::move(cells);
    row.busy = true;
    return row;
}

CommandRowTexts CommandCells(const CommandEntry& entry, bool password) {
    CommandRowTexts row = RowOf(entry, password ? ListIcon::PasswordCommand : ListIcon::Command);
    const std::string index = std::to_string(entry.index);
    if (!entry.known) {
        row.cells = {index, "???", "?", "??"};
        return row;
    }
    row.cells = {
        index, entry.label,
        entry.trained < 0 ? Tr(PX_TR("CommandView", "N/A")) : std::to_string(entry.trained),
        entry.conflict ? std::to_string(*entry.conflict) : Tr(PX_TR("CommandView", "OK"))};
    if (entry.conflict)
        row.icon = password ? ListIcon::PasswordCommandConflict : ListIcon::CommandConflict;
    return row;
}

// A built-in trigger word shows as a command that is never trained and has
// no conflict, indexed "T".
CommandRowTexts TriggerWordCells(const WordEntry& word) {
    CommandRowTexts row = RowOf(word, ListIcon::Word);
    if (!word.known) {
        row.cells = {"T", "???", "?", "??"};
        return row;
    }
    row.cells = {"T", word.word, Tr(PX_TR("CommandView", "N/A")), Tr(PX_TR("CommandView", "OK"))};
    return row;
}

CommandRowTexts WordCells(const WordEntry& word) {
    CommandRowTexts row = RowOf(word, ListIcon::Word);
    row.cells = {std::to_string(word.index), word.known ? word.word : std::string("???")};
    return row;
}

CommandRowTexts SoundCells(const SoundEntry& sound) {
    CommandRowTexts row = RowOf(sound, ListIcon::Sound);
    row.cells = {std::to_string(sound.index), sound.known ? sound.name : std::string("???")};
    return row;
}

CommandRowTexts MessageCells(const MessageEntry& message) {
    CommandRowTexts row = RowOf(message, ListIcon::MessageSlot);
    const std::string index = std::to_string(message.index);
    if (!message.known) {
        row.cells = {index, "???", "?", "??", "??"};
        return row;
    }
    row.cells = {index, message.status, std::to_string(message.bits),
                 std::to_string(message.length), message.time};
    row.bold = message.length > 0;
    return row;
}

template <typename Entry, typename Cells>
std::optional<CommandRowTexts> Format(const std::optional<Entry>& entry, Cells cells) {
    if (!entry) return std::nullopt;
    return cells(*entry);
}

std::string Description(ListKind kind) {
    switch (kind) {
        case ListKind::Trigger:
            return Tr(PX_TR("GroupsView", "Trigger"));
        case ListKind::Group:
            return Tr(PX_TR("GroupsView", "Group"));
        case ListKind::Password:
            return Tr(PX_TR("GroupsView", "Password"));
        case ListKind::SoundTable:
            return Tr(PX_TR("GroupsView", "SoundTable"));
        case ListKind::Messages:
            return Tr(PX_TR("GroupsView", "Messages"));
        case ListKind::Wordset:
            return Tr(PX_TR("GroupsView", "Wordset"));
        case ListKind::Grammar:
            return Tr(PX_TR("GroupsView", "Grammar"));
    }
    return {};
}

ListIcon GroupIcon(ListKind kind) {
    switch (kind) {
        case ListKind::Trigger:
            return ListIcon::Trigger;
        case ListKind::Group:
            return ListIcon::Group;
        case ListKind::Password:
            return ListIcon::Password;
        case ListKind::SoundTable:
            return ListIcon::SoundTable;
        case ListKind::Messages:
            return ListIcon::Messages;
        case ListKind::Wordset:
        case ListKind::Grammar:
            return ListIcon::Wordset;
    }
    return ListIcon::Group;
}

}  // namespace

int GroupRowCount(VoiceModel& model) {
    return GroupListRows(model);
}

GroupRowTexts ReadGroupRow(VoiceModel& model, int row) {
    const GroupRowFacts facts = ReadGroupRowFacts(model, row);
    GroupRowTexts texts;
    texts.icon = GroupIcon(facts.kind);
    texts.description = Description(facts.kind);
    // Rows without a number show "--" on modules that have a sound table, else "n/a".
    texts.index = facts.number ? std::to_string(*facts.number) : facts.soundTable ? "--" : "n/a";
    if (facts.count) texts.commands = std::to_string(*facts.count);
    texts.bold = facts.holdsSomething;
    return texts;
}

ColumnSet ColumnsFor(int row) {
    if (row >= kTriggerList && row <= kPasswordList) return ColumnSet::Commands;
    if (row == kMessageList) return ColumnSet::Messages;
    return ColumnSet::Labels;
}

std::vector<std::string> ColumnHeaders(ColumnSet set) {
    switch (set) {
        case ColumnSet::Commands:
            return {"", Tr(PX_TR("CommandView", "Index")), Tr(PX_TR("CommandView", "Label")),
                    Tr(PX_TR("CommandView", "Trained")), Tr(PX_TR("CommandView", "Conflict"))};
        case ColumnSet::Labels:
            return {"", Tr(PX_TR("CommandView", "Index")), Tr(PX_TR("CommandView", "Label"))};
        case ColumnSet::Messages:
            return {"",
                    Tr(PX_TR("CommandView", "Index")),
                    Tr(PX_TR("CommandView", "Message Status")),
                    Tr(PX_TR("CommandView", "Bits")),
                    Tr(PX_TR("CommandView", "Length (Bytes)")),
                    Tr(PX_TR("CommandView", "Time (min:sec)"))};
    }
    return {};
}

std::string CommandListTitle(int row) {
    if (row == kTriggerList)
        return TrFormat(PX_TR("CommandView", "%s Command List"),
                        Tr(PX_TR("GroupsView", "Trigger")));
    if (row == kPasswordList)
        return TrFormat(PX_TR("CommandView", "%s Command List"),
                        Tr(PX_TR("GroupsView", "Password")));
    if (row == kSoundList) return Tr(PX_TR("CommandView", "Sentence List"));
    if (row == kMessageList) return Tr(PX_TR("CommandView", "Message List"));
    if (row > kTriggerList && row < kPasswordList)
        return TrFormat(PX_TR("CommandView", "Group %s Command List"), std::to_string(row));
    return TrFormat(PX_TR("CommandView", "Wordset %s Command List"),
                    std::to_string(row - kWordsetOffset));
}

std::optional<int> CommandRowCount(VoiceModel& model, int row) {
    return EntryRowCount(model, row);
}

std::optional<CommandRowTexts> ReadCommandRow(VoiceModel& model, int row, int index,
                                              bool takeChanged) {
    switch (KindOfRow(row)) {
        case ListKind::SoundTable:
            return Format(ReadSoundEntry(model, index, takeChanged), SoundCells);
        case ListKind::Messages:
            return Format(ReadMessageEntry(model, index, takeChanged), MessageCells);
        case ListKind::Wordset:
        case ListKind::Grammar:
            return Format(ReadWordEntry(model, row, index, takeChanged), WordCells);
        case ListKind::Trigger: {
            const auto commands = TriggerRowCommands(model);
            // Whether the row is a command or a trigger word is not known yet.
            if (!commands && takeChanged) return std::nullopt;
            if (!commands)
                return Placeholders(ListIcon::Command, {std::to_string(index), "???", "?", "??"});
            if (index >= *commands)
                return Format(ReadTriggerWord(model, index - *commands, takeChanged),
                              TriggerWordCells);
            break;
        }
        case ListKind::Group:
        case ListKind::Password:
            break;
    }
    const bool password = row == kPasswordList;
    return Format(ReadCommandEntry(model, row, index, takeChanged),
                  [password](const CommandEntry& entry) { return CommandCells(entry, password); });
}

std::optional<int> ConflictIndex(const std::string& cell) {
    std::size_t i = 0;
    bool negative = false;
    if (i < cell.size() && cell[i] == '-') {
        negative = true;
        ++i;
    }
    if (i >= cell.size() || cell[i] < '0' || cell[i] > '9') return std::nullopt;
    long value = 0;
    for (; i < cell.size() && cell[i] >= '0' && cell[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (cell[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

}  // namespace parlix::ui
