#include "cli/Dump.h"

#include "module/Labels.h"

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
std::string NumberColumn(const GroupRow& row, const ModelSnapshot& snapshot) {
    if (row.number) return std::to_string(*row.number);
    return snapshot.soundTable ? "--" : "n/a";
}

std::string Word(const std::optional<std::string>& word) {
    return word.value_or("???");
}

json WordsJson(const std::vector<std::optional<std::string>>& words) {
    json list = json::array();
    for (const auto& word : words) list.push_back(Word(word));
    return list;
}

json CommandJson(const CommandRow& command) {
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

json GroupJson(const GroupRow& group, const ModelSnapshot& snapshot) {
    json row = {{"list", group.list},
                {"kind", KindName(group.kind)},
                {"index", NumberColumn(group, snapshot)}};
    if (group.busy) return row;
    if (group.count) row["count"] = *group.count;
    if (HoldsCommands(group.kind)) {
        json commands = json::array();
        for (const CommandRow& command : group.commands) commands.push_back(CommandJson(command));
        row["commands"] = commands;
    } else if (HoldsWords(group.kind)) {
        row["words"] = WordsJson(group.words);
    }
    return row;
}

json MessageJson(const MessageRow& message) {
    if (!message.known) return {{"slot", message.slot}, {"status", "???"}};
    return {{"slot", message.slot},
            {"status", message.status},
            {"bits", message.bits},
            {"length", message.length},
            {"time", FormatDuration(message.tenths)}};
}

std::string CommandLine(const CommandRow& command) {
    std::string label = "???", trained = "?", conflict = "??";
    if (command.known) {
        label = command.label;
        trained = command.trained < 0 ? "N/A" : std::to_string(command.trained);
        conflict = command.conflict ? std::to_string(*command.conflict) : "OK";
    }
    return fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", command.index, label, trained, conflict);
}

std::string MessageLine(const MessageRow& message) {
    constexpr auto kRow = "  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}";
    if (!message.known) return fmt::format(kRow, message.slot, "???", "?", "??", "??");
    return fmt::format(kRow, message.slot, message.status, message.bits, message.length,
                       FormatDuration(message.tenths));
}

}  // namespace

std::string FormatDump(const ModelSnapshot& snapshot) {
    std::string out;
    auto line = [&](const std::string& text) { out += text + "\n"; };
    line("Group List");
    for (const GroupRow& row : snapshot.groups)
        line(fmt::format("  {:>3}  {:<10} {}", NumberColumn(row, snapshot), KindName(row.kind),
                         row.count ? std::to_string(*row.count) : ""));

    for (const GroupRow& row : snapshot.groups) {
        if (row.busy) continue;
        if (HoldsCommands(row.kind)) {
            line("");
            line(row.kind == ListKind::Group ? fmt::format("Group {} Command List", *row.number)
                                             : fmt::format("{} Command List", KindName(row.kind)));
            line(fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", "Index", "Label", "Trained",
                             "Conflict"));
            for (const CommandRow& command : row.commands) line(CommandLine(command));
            if (row.kind == ListKind::Trigger)
                for (const auto& word : snapshot.triggerWords)
                    line(fmt::format("  {:>5}  {}", "T", Word(word)));
        } else if (HoldsWords(row.kind)) {
            line("");
            line(fmt::format("Wordset {} Command List", *row.number));
            int i = 0;
            for (const auto& word : row.words) line(fmt::format("  {:>5}  {}", i++, Word(word)));
        }
    }
    if (snapshot.soundTable) {
        line("");
        line("Sentence List");
        int i = 0;
        for (const std::string& sound : snapshot.soundTable->sounds)
            line(fmt::format("  {:>5}  {}", i++, sound));
    }
    if (snapshot.messages) {
        line("");
        line("Message List");
        line(fmt::format("  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}", "Index", "Message Status",
                         "Bits", "Length (Bytes)", "Time (min:sec)"));
        for (const MessageRow& message : *snapshot.messages) line(MessageLine(message));
    }
    return out;
}

json DumpJson(const ModelSnapshot& snapshot) {
    json dump;
    json groups = json::array();
    for (const GroupRow& row : snapshot.groups) groups.push_back(GroupJson(row, snapshot));
    dump["groups"] = groups;
    if (snapshot.soundTable)
        dump["soundTable"] = {{"name", snapshot.soundTable->name},
                              {"sounds", snapshot.soundTable->sounds}};
    if (snapshot.messages) {
        json slots = json::array();
        for (const MessageRow& message : *snapshot.messages) slots.push_back(MessageJson(message));
        dump["messages"] = slots;
    }
    dump["triggerWords"] = WordsJson(snapshot.triggerWords);
    return dump;
}

}  // namespace parlix::cli
