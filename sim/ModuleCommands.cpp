#include "sim/ModuleCommands.h"

#include "sim/CommandFraming.h"

namespace parlix::sim {

namespace {

// A count of 32 travels as -1.
int CountArgument(int count) {
    return count == 32 ? -1 : count;
}

void AppendLabel(std::vector<int>& args, const std::string& label) {
    for (char c : label) args.push_back(c - 'A');
}

void AppendNibbles(std::vector<int>& args, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) args.push_back(static_cast<int>((value >> (4 * i)) & 15));
}

Reply Done(int error) {
    return error ? Reply::Error(error) : Reply::Status('o');
}

}  // namespace

std::optional<int> ModuleCommands::ReplyDelayMs(int argument) {
    if (argument >= 0 && argument <= 10) return argument;
    if (argument >= 11 && argument <= 19) return (argument - 9) * 10;
    if (argument >= 20 && argument <= 28) return (argument - 18) * 100;
    return std::nullopt;
}

Reply ModuleCommands::Execute(std::uint8_t command, const std::vector<int>& a) {
    const bool extended = !a.empty() && a[0] == -1;
    switch (command) {
        case 'b':
            return Reply::Status('o');
        case 'x':
            return Reply::Status('x', {memory_.identity - 'A'});
        case 'y':
            return SetReplyDelay(a[0]);
        case 'o':
            memory_.timeoutSeconds = a[0];
            return Reply::Status('o');
        case 'm':
            return ActiveGroupMask();
        case 'c':
            return CommandCount(a[0]);
        case 'p':
            return extended ? PlayMessage(a[1], a[2]) : ReadCommand(a[0], a[1]);
        case 'z':
            return extended ? GrammarCount() : GrammarWords(a[0]);
        case 'h':
            return SoundTable();
        case 'd':
            return extended ? ReadMessage(a[1]) : Recognize(a[0]);
        case 'v':
            if (extended) return CheckMessageMemory(a[1]);
            memory_.settings.level = a[0];
            return Reply::Status('o');
        case 'g':
            return Done(memory_.Create(a[0], a[1]));
        case 'u':
            return Done(memory_.Remove(a[0], a[1]));
        case 'e':
            return extended ? EraseMessage(a[1]) : Done(memory_.Erase(a[0], a[1]));
        case 'n':
            return Rename(a);
        case 't':
            if (!extended) return Train(a[0], a[1]);
            memory_.settings.trailingSilence = a[1];
            return Reply::Status('o');
        case 'i':
            return RecognizeWord(a[0]);
        case 'r':
            return extended ? Record(a[1], a[2]) : Reset(a[0]);
        case 'w':
            return extended ? PlayTone(a[1], a[2]) : PlaySound(a[0] * 32 + a[1]);
        case 'j':
            return SendToken(a[0], a[1] * 32 + a[2], a[3] * 32 + a[4]);
        case 'f':
            if (!extended) return ReceiveToken(a[0], a[2] * 32 + a[3]);
            memory_.settings.fastRecognition = a[1];
            return Reply::Status('o');
        case 'q':
            return Pin(a[0], a[1]);
        case 'l':
            return extended ? Lipsync(a[3] * 16 + a[4]) : Language(a[0]);
        case 'k':
            if (extended)
                memory_.settings.micDistance = a[1];
            else
                memory_.settings.knob = a[0];
            return Reply::Status('o');
        case '~':
            switch (a[0]) {
                case 8:
                    return Import(a);
                case 21:
                    return Verify(a[1], a[2]);
                case 23:
                    return Export(a[1], a[2]);
                default:
                    return Reply::None();
            }
        default:
            return Reply::None();
    }
}

Reply ModuleCommands::SetReplyDelay(int argument) {
    const auto ms = ReplyDelayMs(argument);
    if (!ms) return Reply::Error(kErrorInvalid);
    memory_.replyDelayMs = *ms;
    return Reply::Status('o');
}

Reply ModuleCommands::ActiveGroupMask() const {
    std::vector<int> args;
    AppendNibbles(args, memory_.ActiveGroupMask(), 8);
    return Reply::Status('k', std::move(args));
}

Reply ModuleCommands::CommandCount(int group) const {
    if (group < 0 || group >= kGroupCount) return Reply::Error(kErrorInvalid);
    return Reply::Status('c', {CountArgument(static_cast<int>(memory_.groups[group].size()))});
}

Reply ModuleCommands::ReadCommand(int group, int index) const {
    const StoredCommand* command = memory_.Find(group, index);
    if (!command) return Reply::Error(kErrorInvalid);
    std::vector<int> args = {command->Flags(), command->similarIndex,
                             static_cast<int>(command->label.size())};
    AppendLabel(args, command->label);
    return Reply::Status('d', std::move(args));
}

Reply ModuleCommands::GrammarCount() const {
    return Reply::Status('c', {CountArgument(memory_.GrammarCount())});
}

Reply ModuleCommands::GrammarWords(int grammar) const {
    const auto* words = memory_.GrammarWords(grammar);
    if (!words) return Reply::Error(kErrorInvalid);
    const int flags =
        grammar >= kBuiltinGrammars ? memory_.grammars[grammar - kBuiltinGrammars].flags : 0;
    std::vector<int> args = {flags, CountArgument(static_cast<int>(words->size()))};
    for (const auto& word : *words) {
        args.push_back(CountArgument(static_cast<int>(word.size())));
        AppendLabel(args, word);
    }
    return Reply::Status('z', std::move(args));
}

Reply ModuleCommands::SoundTable() const {
    if (!memory_.hasSoundTable) return Reply::Status('m');
    std::vector<int> args = {memory_.soundCount / 32, memory_.soundCount % 32,
                             static_cast<int>(memory_.soundTableName.size())};
    AppendLabel(args, memory_.soundTableName);
    return Reply::Status('h', std::move(args));
}

Reply ModuleCommands::Rename(const std::vector<int>& args) {
    std::string label;
    for (std::size_t i = 3; i < args.size(); ++i) label += static_cast<char>('A' + args[i]);
    return Done(memory_.Rename(args[0], args[1], label));
}

Reply ModuleCommands::Import(const std::vector<int>& args) {
    std::vector<std::uint8_t> block;
    for (std::size_t i = 3; i + 1 < args.size(); i += 2) {
        if (args[i] < 0 || args[i] > 15 || args[i + 1] < 0 || args[i + 1] > 15)
            return Reply::Error(kErrorNoTemplate);
        block.push_back(static_cast<std::uint8_t>(args[i] << 4 | args[i + 1]));
    }
    return Done(memory_.Import(args[1], args[2], block));
}

Reply ModuleCommands::Export(int group, int index) const {
    if (!memory_.Find(group, index)) return Reply::Error(kErrorInvalid);
    const auto block = memory_.Export(group, index);
    if (!block) return Reply::Error(kErrorNoTemplate);
    std::vector<int> args = {3};
    for (std::uint8_t byte : *block) {
        args.push_back(byte >> 4);
        args.push_back(byte & 15);
    }
    return Reply::Status('~', std::move(args));
}

Reply ModuleCommands::Reset(int kind) {
    const bool commands = kind == 'R' - 'A' || kind == 'D' - 'A';
    const bool messages = kind == 'R' - 'A' || kind == 'M' - 'A';
    if (!commands && !messages) return Reply::Error(kErrorInvalid);
    // Erasing flash takes a moment; the host allows it plenty.
    return Reply::Later(Reply::Ms(300), [this, commands, messages] {
        if (commands) memory_.ClearCommands();
        if (messages) memory_.ClearMessages();
        return Reply::Status('o');
    });
}

Reply ModuleCommands::ReadMessage(int slot) const {
    if (slot < 0 || slot >= kMessageSlots) return Reply::Error(kErrorInvalid);
    const MessageSlot& message = memory_.messages[slot];
    if (message.damaged) return Reply::Status('e');
    std::vector<int> args = {message.bits};
    if (message.bits != 0) AppendNibbles(args, message.length, 6);
    return Reply::Status('g', std::move(args));
}

Reply ModuleCommands::EraseMessage(int slot) {
    if (slot < 0 || slot >= kMessageSlots) return Reply::Error(kErrorInvalid);
    memory_.messages[slot] = MessageSlot{};
    return Reply::Status('o');
}

Reply ModuleCommands::CheckMessageMemory(int fix) {
    if (memory_.memoryCheck == 0) return Reply::Status('o');
    if (fix != 1 || !memory_.memoryFixable) return Reply::Error(memory_.memoryCheck & 0xFF);
    // The repair gives up the damaged messages.
    return Reply::Later(Reply::Ms(500), [this] {
        for (auto& slot : memory_.messages)
            if (slot.damaged) slot = MessageSlot{};
        memory_.memoryCheck = 0;
        return Reply::Status('o');
    });
}

Reply ModuleCommands::Pin(int pin, int mode) {
    if (pin < 1 || pin > memory_.PinCount() || mode < 0 || mode > 4)
        return Reply::Error(kErrorInvalid);
    memory_.pinModes[pin] = mode;
    if (mode <= 1) return Reply::Status('o');
    return Reply::Status('p', {memory_.pinLevels[pin]});
}

Reply ModuleCommands::Language(int language) {
    if (language < 0 || language > 5) return Reply::Error(kErrorInvalid);
    memory_.language = language;
    return Reply::Status('o');
}

}  // namespace parlix::sim
