#include "ui/logic/ListTexts.h"

#include "base/Text.h"
#include "module/Labels.h"
#include "module/VoiceModel.h"

#include <fmt/format.h>

namespace parlix::ui {
namespace {

// Row 0 lists its user commands and then the built-in trigger words.
int TriggerWordCount(VoiceModel& model) {
    const auto words = model.TryReadList(kTriggerWordsList);
    return words ? words->count : 0;
}

CommandRowTexts CommandCells(const std::optional<EntrySnapshot>& entry, bool password,
                             std::string index) {
    CommandRowTexts row;
    row.icon = password ? ListIcon::PasswordCommand : ListIcon::Command;
    if (!entry || !entry->loaded) {
        row.cells = {std::move(index), "???", "?", "??"};
        return row;
    }
    row.cells = {
        std::move(index), DecodeLabel(entry->label),
        entry->valueA < 0 ? Tr(PX_TR("CommandView", "N/A")) : std::to_string(entry->valueA),
        entry->flag ? std::to_string(entry->valueB) : Tr(PX_TR("CommandView", "OK"))};
    if (entry->flag)
        row.icon = password ? ListIcon::PasswordCommandConflict : ListIcon::CommandConflict;
    return row;
}

CommandRowTexts MessageCells(const std::optional<EntrySnapshot>& entry, std::string index) {
    CommandRowTexts row;
    row.icon = ListIcon::MessageSlot;
    if (!entry || !entry->loaded) {
        row.cells = {std::move(index), "???", "?", "??", "??"};
        return row;
    }
    row.cells = {std::move(index), entry->label, std::to_string(entry->valueA),
                 std::to_string(entry->valueB),
                 FormatDuration(MessageDuration(entry->valueA, entry->valueB))};
    row.bold = entry->valueB > 0;
    return row;
}

GroupRowTexts Describe(int row, bool sounds) {
    GroupRowTexts texts;
    if (row == kTriggerList) {
        texts.icon = ListIcon::Trigger;
        texts.index = "0";
        texts.description = Tr(PX_TR("GroupsView", "Trigger"));
    } else if (row < kPasswordList) {
        texts.icon = ListIcon::Group;
        texts.index = std::to_string(row);
        texts.description = Tr(PX_TR("GroupsView", "Group"));
    } else if (row == kPasswordList) {
        texts.icon = ListIcon::Password;
        texts.index = "16";
        texts.description = Tr(PX_TR("GroupsView", "Password"));
    } else if (row == kSoundList || row == kMessageList) {
        texts.icon = row == kSoundList ? ListIcon::SoundTable : ListIcon::Messages;
        texts.index = sounds ? "--" : "n/a";
        texts.description = row == kSoundList ? Tr(PX_TR("GroupsView", "SoundTable"))
                                              : Tr(PX_TR("GroupsView", "Messages"));
    } else {
        texts.icon = ListIcon::Wordset;
        texts.index = std::to_string(row - kWordsetOffset);
        texts.description = row < kFirstGrammarList ? Tr(PX_TR("GroupsView", "Wordset"))
                                                    : Tr(PX_TR("GroupsView", "Grammar"));
    }
    return texts;
}

}  // namespace

int GroupRowCount(VoiceModel& model) {
    const int grammars = model.HasCapability(Capability::Grammars) ? model.GetGrammarCount() : 0;
    return kFirstGrammarList + grammars;
}

GroupRowTexts ReadGroupRow(VoiceModel& model, int row) {
    const bool sounds = model.HasCapability(Capability::SoundTable);
    GroupRowTexts texts = Describe(row, sounds);
    const auto list = model.TryReadList(row);
    // The sound table's count is renewed by every group read, so it shows while "unknown".
    if (list && (list->countKnown || row == kSoundList)) {
        texts.commands = std::to_string(list->count);
        texts.bold = list->count > 0;
    }
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
    const auto list = model.TryReadList(row);
    if (!list) return std::nullopt;
    int count = std::max(0, row == kSoundList ? list->count : std::min(list->count, 32));
    if (row == kTriggerList) count += TriggerWordCount(model);
    return count;
}

std::optional<CommandRowTexts> ReadCommandRow(VoiceModel& model, int row, int index,
                                              bool takeChanged) {
    const auto list = model.TryReadList(row);
    if (row == kTriggerList && !list) {
        // Whether the row is a command or a trigger word is not known yet.
        if (takeChanged) return std::nullopt;
        CommandRowTexts texts = CommandCells(std::nullopt, false, std::to_string(index));
        texts.busy = true;
        return texts;
    }
    if (row == kTriggerList && index >= list->count) {
        // A built-in trigger word: "T", its label, never trained, no conflict.
        const auto word = model.TryReadEntry(kTriggerWordsList, index - list->count, takeChanged);
        if (!word && takeChanged) return std::nullopt;
        CommandRowTexts texts = CommandCells(word, false, "T");
        texts.icon = ListIcon::Word;
        texts.changed = word && word->changed;
        texts.busy = !word;
        return texts;
    }
    CommandRowTexts texts;
    if (row == kSoundList) {
        // Sound names follow from the table's name, held by entry 0.
        const auto name = model.TryReadEntry(kSoundList, 0, takeChanged && index == 0);
        if (!name && takeChanged) return std::nullopt;
        texts.icon = ListIcon::Sound;
        texts.cells = {std::to_string(index),
                       name ? SoundName(DecodeLabel(name->label), static_cast<unsigned>(index))
                            : std::string("???")};
        texts.changed = name && name->changed;
        texts.busy = !name;
        return texts;
    }
    const auto entry = model.TryReadEntry(row, index, takeChanged);
    if (!entry && takeChanged) return std::nullopt;
    if (row == kMessageList) {
        texts = MessageCells(entry, std::to_string(index));
    } else if (row <= kPasswordList) {
        texts = CommandCells(entry, row == kPasswordList, std::to_string(index));
    } else {
        texts.icon = ListIcon::Word;
        texts.cells = {std::to_string(index),
                       entry && entry->loaded ? DecodeLabel(entry->label) : std::string("???")};
    }
    texts.changed = entry && entry->changed;
    texts.busy = !entry;
    return texts;
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
