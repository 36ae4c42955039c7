#include "cli/Dump.h"

#include "module/Labels.h"
#include "module/VoiceModel.h"

#include <fmt/format.h>

namespace parlix::cli {
namespace {

using nlohmann::json;

// The kind and number shown in the group list for a list number.
std::pair<const char*, std::string> RowName(int list, bool soundTable) {
    if (list == kTriggerList) return {"Trigger", "0"};
    if (list < kPasswordList) return {"Group", std::to_string(list)};
    if (list == kPasswordList) return {"Password", "16"};
    if (list == kSoundList) return {"SoundTable", soundTable ? "--" : "n/a"};
    if (list == kMessageList) return {"Messages", soundTable ? "--" : "n/a"};
    if (list < kFirstGrammarList) return {"Wordset", std::to_string(list - 18)};
    return {"Grammar", std::to_string(list - 18)};
}

json Commands(CVoiceModel& model, int list, int count) {
    json commands = json::array();
    for (int i = 0; i < count; ++i) {
        const auto entry = model.TryReadEntry(list, i);
        json row = {{"index", i}};
        if (!entry || !entry->loaded) {
            row["label"] = "???";
        } else {
            row["label"] = DecodeLabel(entry->label);
            row["moduleLabel"] = entry->label;
            row["trained"] = entry->valueA;
            if (entry->flag) row["conflict"] = entry->valueB;
        }
        commands.push_back(row);
    }
    return commands;
}

json Words(CVoiceModel& model, int list, int count) {
    json words = json::array();
    for (int i = 0; i < count; ++i) {
        const auto entry = model.TryReadEntry(list, i);
        words.push_back(entry && entry->loaded ? DecodeLabel(entry->label) : std::string("???"));
    }
    return words;
}

}  // namespace

json DumpModel(CVoiceModel& model) {
    const bool soundTable = model.HasCapability(Capability::SoundTable);
    json dump;
    json groups = json::array();
    const int rows = kFirstGrammarList + model.GetGrammarCount();
    for (int list = 0; list < rows; ++list) {
        const auto [kind, number] = RowName(list, soundTable);
        const auto snapshot = model.TryReadList(list);
        json row = {{"list", list}, {"kind", kind}, {"index", number}};
        if (snapshot && (snapshot->countKnown || list == kSoundList))
            row["count"] = snapshot->count;
        if (list < kGroupLists && snapshot)
            row["commands"] = Commands(model, list, snapshot->count);
        else if (list >= kFirstWordsetList && snapshot)
            row["words"] = Words(model, list, snapshot->count);
        groups.push_back(row);
    }
    dump["groups"] = groups;

    if (soundTable) {
        const auto list = model.TryReadList(kSoundList);
        const auto name = model.TryReadEntry(kSoundList, 0);
        const std::string tableName = name ? DecodeLabel(name->label) : std::string();
        json sounds = json::array();
        const int count = list ? list->count : 0;
        for (int i = 0; i < count; ++i)
            sounds.push_back(SoundName(tableName, static_cast<unsigned>(i)));
        dump["soundTable"] = {{"name", tableName}, {"sounds", sounds}};
    }
    if (model.HasCapability(Capability::Messages)) {
        json slots = json::array();
        for (int slot = 0; slot < kMessageSlots; ++slot) {
            const auto entry = model.TryReadEntry(kMessageList, slot);
            if (!entry || !entry->loaded) {
                slots.push_back({{"slot", slot}, {"status", "???"}});
                continue;
            }
            slots.push_back(
                {{"slot", slot},
                 {"status", entry->label},
                 {"bits", entry->valueA},
                 {"length", entry->valueB},
                 {"time", FormatDuration(MessageDuration(entry->valueA, entry->valueB))}});
        }
        dump["messages"] = slots;
    }
    const auto trigger = model.TryReadList(kTriggerWordsList);
    dump["triggerWords"] = Words(model, kTriggerWordsList, trigger ? trigger->count : 0);
    return dump;
}

std::string FormatDump(const json& dump) {
    std::string out;
    auto line = [&](const std::string& text) { out += text + "\n"; };
    line("Group List");
    for (const auto& row : dump["groups"]) {
        const std::string count =
            row.contains("count") ? std::to_string(row["count"].get<int>()) : "";
        line(fmt::format("  {:>3}  {:<10} {}", row["index"].get<std::string>(),
                         row["kind"].get<std::string>(), count));
    }
    for (const auto& row : dump["groups"]) {
        const std::string kind = row["kind"];
        const std::string index = row["index"];
        if (row.contains("commands")) {
            line("");
            line(kind == "Group" ? fmt::format("Group {} Command List", index)
                                 : fmt::format("{} Command List", kind));
            line(fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", "Index", "Label", "Trained",
                             "Conflict"));
            for (const auto& c : row["commands"]) {
                const std::string trained = !c.contains("trained") ? "?"
                                            : c["trained"].get<int>() < 0
                                                ? "N/A"
                                                : std::to_string(c["trained"].get<int>());
                const std::string conflict = !c.contains("trained") ? "??"
                                             : c.contains("conflict")
                                                 ? std::to_string(c["conflict"].get<std::int32_t>())
                                                 : "OK";
                line(fmt::format("  {:>5}  {:<31}  {:>7}  {:>8}", c["index"].get<int>(),
                                 c["label"].get<std::string>(), trained, conflict));
            }
            if (kind == "Trigger")
                for (const auto& word : dump["triggerWords"])
                    line(fmt::format("  {:>5}  {}", "T", word.get<std::string>()));
        } else if (row.contains("words")) {
            line("");
            line(fmt::format("Wordset {} Command List", index));
            int i = 0;
            for (const auto& word : row["words"])
                line(fmt::format("  {:>5}  {}", i++, word.get<std::string>()));
        }
    }
    if (dump.contains("soundTable")) {
        line("");
        line("Sentence List");
        int i = 0;
        for (const auto& sound : dump["soundTable"]["sounds"])
            line(fmt::format("  {:>5}  {}", i++, sound.get<std::string>()));
    }
    if (dump.contains("messages")) {
        line("");
        line("Message List");
        line(fmt::format("  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}", "Index", "Message Status",
                         "Bits", "Length (Bytes)", "Time (min:sec)"));
        for (const auto& m : dump["messages"]) {
            if (!m.contains("bits")) {
                line(fmt::format("  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}", m["slot"].get<int>(),
                                 "???", "?", "??", "??"));
                continue;
            }
            line(fmt::format("  {:>5}  {:<16}  {:>4}  {:>14}  {:>13}", m["slot"].get<int>(),
                             m["status"].get<std::string>(), m["bits"].get<int>(),
                             m["length"].get<int>(), m["time"].get<std::string>()));
        }
    }
    return out;
}

}  // namespace parlix::cli
