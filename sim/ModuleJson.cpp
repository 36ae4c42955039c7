// The module's content as JSON (documented in sim/README.md).
#include "sim/ModuleDevice.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <stdexcept>

namespace parlix::sim {

using nlohmann::json;

namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw std::invalid_argument(what);
}

int IntIn(const json& value, int low, int high, const std::string& what) {
    if (!value.is_number_integer()) Fail(what + " must be an integer");
    const auto v = value.get<long long>();
    if (v < low || v > high)
        Fail(what + " must lie in " + std::to_string(low) + " to " + std::to_string(high));
    return static_cast<int>(v);
}

int IntOr(const json& object, const char* key, int fallback, int low, int high) {
    return object.contains(key) ? IntIn(object.at(key), low, high, key) : fallback;
}

std::string Label(const json& value, const std::string& what) {
    if (!value.is_string()) Fail(what + " must be a string");
    const auto label = ToModuleLabel(value.get<std::string>());
    if (!label) Fail(what + " \"" + value.get<std::string>() + "\" is no module label");
    return *label;
}

int Key(const std::string& key, int high, const std::string& what) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(key, &used);
        if (used == key.size() && n >= 0 && n <= high) return n;
    } catch (const std::exception&) {
    }
    Fail(what + " \"" + key + "\" must be a number from 0 to " + std::to_string(high));
}

StoredCommand ParseCommand(const json& item, int group, int index) {
    const std::string where =
        "group " + std::to_string(group) + " command " + std::to_string(index);
    if (!item.is_object()) Fail(where + " must be an object");
    StoredCommand command;
    if (item.contains("label")) command.label = Label(item.at("label"), where + " label");
    command.trained = IntOr(item, "trained", 0, 0, kMaxTrained);
    if (item.contains("similarTo")) {
        command.similar = Similarity::Command;
        command.similarIndex = IntIn(item.at("similarTo"), 0, 31, where + " similarTo");
    } else if (item.contains("similarToTrigger")) {
        command.similar = Similarity::Trigger;
        command.similarIndex =
            IntIn(item.at("similarToTrigger"), 0, 31, where + " similarToTrigger");
    }
    if (command.trained > 0)
        command.voice = MakeVoiceTemplate(group, index, command.label, command.trained);
    return command;
}

Outcome ParseOutcome(const json& item, const std::string& where) {
    static const std::pair<const char*, Outcome::Kind> kNamed[] = {
        {"accept", Outcome::Kind::Accept},
        {"silence", Outcome::Kind::Silence},
        {"interrupted", Outcome::Kind::Interrupted},
        {"memoryFull", Outcome::Kind::MemoryFull},
    };
    static const std::pair<const char*, Outcome::Kind> kValued[] = {
        {"similar", Outcome::Kind::Similar}, {"similarTrigger", Outcome::Kind::SimilarTrigger},
        {"error", Outcome::Kind::Error},     {"command", Outcome::Kind::Command},
        {"trigger", Outcome::Kind::Trigger}, {"word", Outcome::Kind::Word},
        {"token", Outcome::Kind::Token},     {"recorded", Outcome::Kind::Recorded},
    };
    Outcome outcome;
    if (item.is_string()) {
        for (const auto& [name, kind] : kNamed)
            if (item.get<std::string>() == name) {
                outcome.kind = kind;
                return outcome;
            }
        Fail(where + ": unknown outcome \"" + item.get<std::string>() + "\"");
    }
    if (!item.is_object()) Fail(where + ": an outcome is a string or an object");
    if (item.contains("delay"))
        outcome.delayMs = IntIn(item.at("delay"), 0, 600000, where + " delay");
    for (const auto& [name, kind] : kNamed)
        if (item.contains(name)) {
            outcome.kind = kind;
            return outcome;
        }
    for (const auto& [name, kind] : kValued)
        if (item.contains(name)) {
            outcome.kind = kind;
            outcome.value = IntIn(item.at(name), 0, 1 << 20, where + " " + name);
            return outcome;
        }
    if (item.contains("sound")) {
        outcome.kind = Outcome::Kind::Sound;
        if (!item.at("sound").is_string()) Fail(where + " sound: a file name");
        outcome.sound = item.at("sound").get<std::string>();
        return outcome;
    }
    if (item.contains("levels")) {
        outcome.kind = Outcome::Kind::Levels;
        for (const auto& level : item.at("levels"))
            outcome.levels.push_back(IntIn(level, 0, 31, where + " level"));
        return outcome;
    }
    Fail(where + ": the outcome names nothing that happens");
}

void ParseScript(const json& script, UserScript& out) {
    static const std::pair<const char*, Activity> kActivities[] = {
        {"train", Activity::Train},
        {"verify", Activity::Verify},
        {"recognize", Activity::Recognize},
        {"recognizeWord", Activity::RecognizeWord},
        {"receiveToken", Activity::ReceiveToken},
        {"record", Activity::Record},
        {"lipsync", Activity::Lipsync},
    };
    out.speechMs = IntOr(script, "speechMs", out.speechMs, 0, 600000);
    for (const auto& [name, activity] : kActivities) {
        if (!script.contains(name)) continue;
        for (const auto& item : script.at(name))
            out.Push(activity, ParseOutcome(item, std::string("script ") + name));
    }
}

ModuleFaults ParseFaults(const json& faults) {
    ModuleFaults out;
    out.dropReplyBytes = IntOr(faults, "dropReplyBytes", 0, 0, 1 << 20);
    out.garbleReplyBytes = IntOr(faults, "garbleReplyBytes", 0, 0, 1 << 20);
    out.garbage = static_cast<std::uint8_t>(IntOr(faults, "garbage", 0xFF, 0, 255));
    out.silent = faults.value("silent", false);
    out.unplugAfterCommands = IntOr(faults, "unplugAfterCommands", -1, -1, 1 << 20);
    out.slowReplyBytes = IntOr(faults, "slowReplyBytes", 0, 0, 1 << 20);
    out.slowReplyMs = IntOr(faults, "slowReplyMs", 0, 0, 600000);
    out.afterCommands = IntOr(faults, "afterCommands", 0, 0, 1 << 20);
    out.afterReplyBytes = IntOr(faults, "afterReplyBytes", 0, 0, 1 << 20);
    return out;
}

ModuleMemory ParseMemory(const json& content) {
    ModuleMemory m;
    if (content.contains("identity")) {
        const auto& id = content.at("identity");
        if (!id.is_string() || id.get<std::string>().size() != 1 ||
            id.get<std::string>()[0] < 'A' || id.get<std::string>()[0] > '`')
            Fail("identity must be one character from \"A\" to \"`\"");
        m.identity = static_cast<std::uint8_t>(id.get<std::string>()[0]);
    }
    m.language = IntOr(content, "language", 0, 0, 5);
    m.timeoutSeconds = IntOr(content, "timeout", m.timeoutSeconds, -1, 31);
    m.replyDelayMs = IntOr(content, "replyDelay", 0, 0, 1000);
    if (content.contains("settings")) {
        const auto& s = content.at("settings");
        m.settings.knob = IntOr(s, "knob", m.settings.knob, -1, 31);
        m.settings.level = IntOr(s, "level", m.settings.level, -1, 31);
        m.settings.micDistance = IntOr(s, "micDistance", m.settings.micDistance, -1, 31);
        m.settings.trailingSilence =
            IntOr(s, "trailingSilence", m.settings.trailingSilence, -1, 31);
        m.settings.fastRecognition =
            IntOr(s, "fastRecognition", m.settings.fastRecognition, -1, 31);
    }
    if (content.contains("groups")) {
        for (const auto& [key, commands] : content.at("groups").items()) {
            const int group = Key(key, kGroupCount - 1, "group");
            for (const auto& item : commands)
                m.groups[group].push_back(
                    ParseCommand(item, group, static_cast<int>(m.groups[group].size())));
        }
        if (m.TotalCommands() > kMaxCommands)
            Fail("a module holds at most " + std::to_string(kMaxCommands) + " commands");
    }
    if (content.contains("grammars")) {
        for (const auto& item : content.at("grammars")) {
            Grammar grammar;
            grammar.flags = IntOr(item, "flags", 0, -1, 31);
            for (const auto& word : item.at("words"))
                grammar.words.push_back(Label(word, "grammar word"));
            if (grammar.words.size() > 32) Fail("a grammar holds at most 32 words");
            m.grammars.push_back(std::move(grammar));
        }
        if (m.GrammarCount() > kMaxGrammars) Fail("a module holds at most 28 custom grammars");
    }
    if (content.contains("soundTable")) {
        const auto& table = content.at("soundTable");
        m.hasSoundTable = true;
        m.soundTableName =
            table.contains("name") ? Label(table.at("name"), "sound table name") : "";
        m.soundCount = IntOr(table, "count", 0, 0, 1023);
    }
    m.messageCapacity = static_cast<std::uint32_t>(
        IntOr(content, "messageCapacity", static_cast<int>(m.messageCapacity), 0, 0xFFFFFF));
    if (content.contains("messages")) {
        for (const auto& [key, item] : content.at("messages").items()) {
            MessageSlot& slot = m.messages[Key(key, kMessageSlots - 1, "message slot")];
            slot.damaged = item.value("damaged", false);
            slot.bits = IntOr(item, "bits", 0, 0, 31);
            slot.length = static_cast<std::uint32_t>(IntOr(item, "length", 0, 0, 0xFFFFFF));
        }
    }
    m.memoryCheck = IntOr(content, "memoryCheck", 0, 0, 255);
    m.memoryFixable = content.value("memoryFixable", true);
    if (content.contains("pins")) {
        int pin = 1;
        for (const auto& level : content.at("pins")) {
            if (pin > 6) Fail("pins lists the input levels of pins 1 to 6");
            m.pinLevels[pin++] = IntIn(level, 0, 1, "pin level");
        }
    }
    return m;
}

}  // namespace

std::shared_ptr<ModuleDevice> ModuleDevice::FromJson(const json& content) {
    try {
        if (!content.is_object()) Fail("the module content must be a JSON object");
        auto device = std::make_shared<ModuleDevice>(ParseMemory(content));
        if (content.contains("script")) ParseScript(content.at("script"), device->script_);
        if (content.contains("faults")) {
            device->faults_ = ParseFaults(content.at("faults"));
            device->unplugRequested_ = content.at("faults").value("unplug", false);
        }
        return device;
    } catch (const json::exception& e) {
        Fail(e.what());
    }
}

std::shared_ptr<ModuleDevice> ModuleDevice::FromFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path);
    try {
        return FromJson(json::parse(in));
    } catch (const json::exception& e) {
        Fail(path + ": " + e.what());
    } catch (const std::invalid_argument& e) {
        Fail(path + ": " + e.what());
    }
}

json ModuleDevice::ToJson() const {
    const ModuleMemory m = Memory();
    json out;
    out["identity"] = std::string(1, static_cast<char>(m.identity));
    out["language"] = m.language;
    out["timeout"] = m.timeoutSeconds;
    out["replyDelay"] = m.replyDelayMs;
    out["settings"] = {{"knob", m.settings.knob},
                       {"level", m.settings.level},
                       {"micDistance", m.settings.micDistance},
                       {"trailingSilence", m.settings.trailingSilence},
                       {"fastRecognition", m.settings.fastRecognition}};
    json groups = json::object();
    for (int g = 0; g < kGroupCount; ++g) {
        if (m.groups[g].empty()) continue;
        json commands = json::array();
        for (const auto& c : m.groups[g]) {
            json item = {{"label", c.label}, {"trained", c.trained}};
            if (c.similar == Similarity::Command) item["similarTo"] = c.similarIndex;
            if (c.similar == Similarity::Trigger) item["similarToTrigger"] = c.similarIndex;
            commands.push_back(item);
        }
        groups[std::to_string(g)] = commands;
    }
    out["groups"] = groups;
    json grammars = json::array();
    for (const auto& g : m.grammars) grammars.push_back({{"flags", g.flags}, {"words", g.words}});
    out["grammars"] = grammars;
    if (m.hasSoundTable) out["soundTable"] = {{"name", m.soundTableName}, {"count", m.soundCount}};
    json messages = json::object();
    for (int s = 0; s < kMessageSlots; ++s) {
        const auto& slot = m.messages[s];
        if (slot.damaged)
            messages[std::to_string(s)] = {{"damaged", true}};
        else if (slot.bits != 0)
            messages[std::to_string(s)] = {{"bits", slot.bits}, {"length", slot.length}};
    }
    out["messages"] = messages;
    out["messageCapacity"] = m.messageCapacity;
    out["memoryCheck"] = m.memoryCheck;
    out["memoryFixable"] = m.memoryFixable;
    out["pins"] = std::vector<int>(m.pinLevels.begin() + 1, m.pinLevels.end());
    return out;
}

}  // namespace parlix::sim
