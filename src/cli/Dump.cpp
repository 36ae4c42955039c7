#include "cli/Dump.h"

#include <fmt/format.h>

namespace parlix::cli {
namespace {

using nlohmann::json;

const char* KindName(ListKind kind) {
    switch (kind) {
        case ListKind::Trigger:
            return "Trigger";
        case ListKind::Group:
            return "Group";
        case ListKind::Password:
            return "Password";
        case ListKind::SoundTable:
            return "SoundTable";
        case ListKind::Messages:
            return "Messages";
        case ListKind::Wordset:
            return "Wordset";
        case ListKind::Grammar:
            return "Grammar";
    }
    return "";
}

// The number column: the sound table and message rows show "--" on modules
// that have a sound table, else "n/a".
std::string NumberColumn(const GroupRow& row) {
    if (row.number) return std::to_string(*row.number);
    return row.soundTable ? "--" : "n/a";
}

std::string Word(const WordEntry& word) {
    return word.known ? word.word : "???";
}

std::string SoundText(const SoundEntry& sound) {
    return sound.known ? sound.name : "???";
}

json WordsJson(const std::vector<WordEntry>& words) {
    json list = json::array();
    for (const WordEntry& word : words) list.push_back(Word(word));
    return list;
}

json CommandJson(const CommandEntry& command) {
    json row = {{"index", command.index}};
    if (!command.known) {
        row["label"] = "???";
        return row;
    }
    row["label"] = command.label;
    row["moduleLabel"] = command.moduleLabel;
    row["trained"] = command.trained;
    if (command.conflict) row["conflict"] = *command.conflict;
    return row;
}

json GroupJson(const GroupRow& group) {
    json row = {
        {"list", group.row}, {"kind", KindName(group.kind)}, {"index", NumberColumn(group)}};
    if (group.busy) return row;
    if (group.count) row["count"] = *group.count;
    if (HoldsCommands(group.kind)) {
        json commands = json::array();
        for (const CommandEntry& command : group.commands) commands.push_back(CommandJson(command));
        row["commands"] = commands;
    } else if (HoldsWords(group.kind)) {
        row["words"] = WordsJson(group.words);
    }
    return row;
}

json MessageJson(const MessageEntry& message) {
    if (!message.known) return {{"slot", message.index}, {"status", "???"}};
    return {{"slot", message.index},
            {"status", message.status},
            {"bits", message.bits},
            {"length", message.length},
            {"time", message.time}};
}

std::string CommandLine(const CommandEntry& command) {
    std::string label = "???", trained = "?", conflict = "??";
    if (command.known) {
        label = command.label;
        trained = command.trained < 0 ? "N/A" : std::to_string(command.trained);
        conflict = command.conflict ? std::to_string(*command.conflict) : "OK";
    }
    return fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", command.index, label, trained, conflict);
}

std::string MessageLine(const MessageEntry& message) {
    constexpr auto kRow = "  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}";
    if (!message.known) return fmt::format(kRow, message.index, "???", "?", "??", "??");
    return fmt::format(kRow, message.index, message.status, message.bits, message.length,
                       message.time);
}

}  // namespace

std::string FormatDump(const ModelSnapshot& snapshot) {
    std::string out;
    auto line = [&](const std::string& text) { out += text + "\n"; };
    line("Group List");
    for (const GroupRow& row : snapshot.groups)
        line(fmt::format("  {:>3}  {:<10} {}", NumberColumn(row), KindName(row.kind),
                         row.count ? std::to_string(*row.count) : ""));

    for (const GroupRow& row : snapshot.groups) {
        if (row.busy) continue;
        if (HoldsCommands(row.kind)) {
            line("");
            line(row.kind == ListKind::Group ? fmt::format("Group {} Command List", *row.number)
                                             : fmt::format("{} Command List", KindName(row.kind)));
            line(fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", "Index", "Label", "Trained",
                             "Conflict"));
            for (const CommandEntry& command : row.commands) line(CommandLine(command));
            if (row.kind == ListKind::Trigger)
                for (const WordEntry& word : snapshot.triggerWords)
                    line(fmt::format("  {:>5}  {}", "T", Word(word)));
        } else if (HoldsWords(row.kind)) {
            line("");
            line(fmt::format("Wordset {} Command List", *row.number));
            int i = 0;
            for (const WordEntry& word : row.words)
                line(fmt::format("  {:>5}  {}", i++, Word(word)));
        }
    }
    if (snapshot.soundTable) {
        line("");
        line("Sentence List");
        for (const SoundEntry& sound : snapshot.soundTable->sounds)
            line(fmt::format("  {:>5}  {}", sound.index, SoundText(sound)));
    }
    if (snapshot.messages) {
        line("");
        line("Message List");
        line(fmt::format("  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}", "Index", "Message Status",
                         "Bits", "Length (Bytes)", "Time (min:sec)"));
        for (const MessageEntry& message : *snapshot.messages) line(MessageLine(message));
    }
    return out;
}

json DumpJson(const ModelSnapshot& snapshot) {
    json dump;
    json groups = json::array();
    for (const GroupRow& row : snapshot.groups) groups.push_back(GroupJson(row));
    dump["groups"] = groups;
    if (snapshot.soundTable) {
        json sounds = json::array();
        for (const SoundEntry& sound : snapshot.soundTable->sounds)
            sounds.push_back(SoundText(sound));
        dump["soundTable"] = {{"name", snapshot.soundTable->name}, {"sounds", sounds}};
    }
    if (snapshot.messages) {
        json slots = json::array();
        for (const MessageEntry& message : *snapshot.messages)
            slots.push_back(MessageJson(message));
        dump["messages"] = slots;
    }
    dump["triggerWords"] = WordsJson(snapshot.triggerWords);
    return dump;
}

}  // namespace parlix::cli
