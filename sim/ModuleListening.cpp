// Commands that take time or wait for the person in front of the module.
// Their outcome comes from the user script; the memory changes only when the
// activity completes, so an interrupted one leaves no trace.
#include "sim/ModuleCommands.h"
#include "sim/TokenListener.h"

namespace parlix::sim {

namespace {

constexpr int kSoundMs = 250;
constexpr int kTokenBitMs = 60;
constexpr int kRecordedMs = 1000;
// Bytes of one second of sound per bit of sample width.
constexpr std::uint32_t kBytesPerSecondPerBit = 940;  // 7520 samples/s over 8 bits

Reply Status(std::uint8_t status, std::vector<int> args = {}) {
    return Reply::Status(status, std::move(args));
}

std::vector<int> DefaultLevels() {
    return {0, 3, 8, 14, 18, 12, 6, 10, 16, 20, 13, 7, 2, 0};
}

}  // namespace

int ModuleCommands::DelayOf(const Outcome& outcome) const {
    return outcome.delayMs.value_or(script_.speechMs);
}

Reply ModuleCommands::TimedOut() const {
    if (memory_.timeoutSeconds <= 0) return Reply::Later(Reply::kUntilInterrupted, nullptr);
    return Reply::Later(Reply::Ms(memory_.timeoutSeconds * 1000), [] { return Status('t'); });
}

Reply ModuleCommands::Listen(int delayMs, std::function<Reply()> finish) const {
    if (memory_.timeoutSeconds > 0 && delayMs >= memory_.timeoutSeconds * 1000) return TimedOut();
    return Reply::Later(Reply::Ms(delayMs), std::move(finish));
}

Reply ModuleCommands::Train(int group, int index) {
    if (!memory_.Find(group, index)) return Reply::Error(kErrorInvalid);
    const Outcome outcome = script_.Take(Activity::Train).value_or(Outcome{});
    Similarity similar = Similarity::None;
    std::uint8_t status = 'o';
    switch (outcome.kind) {
        case Outcome::Kind::Silence:
            return TimedOut();
        case Outcome::Kind::Error: {
            const int code = outcome.value;
            return Listen(DelayOf(outcome), [code] { return Reply::Error(code); });
        }
        case Outcome::Kind::Similar:
            similar = Similarity::Command;
            status = 'r';
            break;
        case Outcome::Kind::SimilarTrigger:
            similar = Similarity::Trigger;
            status = 's';
            break;
        default:
            break;
    }
    const int value = outcome.value;
    return Listen(DelayOf(outcome), [this, group, index, similar, status, value] {
        // Another line or a test may have removed the command meanwhile.
        if (memory_.Train(group, index, similar, value)) return Reply::Error(kErrorInvalid);
        return status == 'o' ? Status('o') : Status(status, {value});
    });
}

Reply ModuleCommands::Verify(int group, int index) {
    StoredCommand* command = memory_.Find(group, index);
    if (!command) return Reply::Error(kErrorInvalid);
    if (command->trained <= 0) return Status('o');  // nothing to compare
    // Without a script the module finds what it found when the command was trained.
    Outcome found;
    if (command->similar == Similarity::Command)
        found = Outcome::Of(Outcome::Kind::Similar, command->similarIndex);
    else if (command->similar == Similarity::Trigger)
        found = Outcome::Of(Outcome::Kind::SimilarTrigger, command->similarIndex);
    const Outcome outcome = script_.Take(Activity::Verify).value_or(found);
    switch (outcome.kind) {
        case Outcome::Kind::Error:
            return Reply::Error(outcome.value);
        case Outcome::Kind::Similar:
            command->similar = Similarity::Command;
            command->similarIndex = outcome.value;
            return Status('r', {outcome.value});
        case Outcome::Kind::SimilarTrigger:
            command->similar = Similarity::Trigger;
            command->similarIndex = outcome.value;
            return Status('s', {outcome.value});
        default:
            return Status('o');
    }
}

Reply ModuleCommands::Recognize(int group) {
    if (group < 0 || group >= kGroupCount) return Reply::Error(kErrorInvalid);
    auto outcome = script_.Take(Activity::Recognize);
    if (!outcome) {
        // Without a script the person says the first trained command, if any.
        outcome = Outcome::Of(Outcome::Kind::Silence);
        const auto& commands = memory_.groups[group];
        for (std::size_t i = 0; i < commands.size(); ++i)
            if (commands[i].trained > 0) {
                outcome = Outcome::Of(Outcome::Kind::Command, static_cast<int>(i));
                break;
            }
    }
    const int value = outcome->value;
    switch (outcome->kind) {
        case Outcome::Kind::Command:
            return Listen(DelayOf(*outcome), [value] { return Status('r', {value}); });
        case Outcome::Kind::Trigger:
            return Listen(DelayOf(*outcome), [value] { return Status('s', {value}); });
        case Outcome::Kind::Error:
            return Listen(DelayOf(*outcome), [value] { return Reply::Error(value); });
        default:
            return TimedOut();
    }
}

Reply ModuleCommands::RecognizeWord(int grammar) {
    const auto* words = memory_.GrammarWords(grammar);
    if (!words) return Reply::Error(kErrorInvalid);
    auto outcome = script_.Take(Activity::RecognizeWord);
    if (!outcome)
        outcome = words->empty() ? Outcome::Of(Outcome::Kind::Silence)
                                 : Outcome::Of(Outcome::Kind::Word, 0);
    const int value = outcome->value;
    switch (outcome->kind) {
        case Outcome::Kind::Word:
            return Listen(DelayOf(*outcome), [value] { return Status('s', {value}); });
        case Outcome::Kind::Error:
            return Listen(DelayOf(*outcome), [value] { return Reply::Error(value); });
        default:
            return TimedOut();
    }
}

Reply ModuleCommands::Record(int slot, int bits) {
    if (slot < 0 || slot >= kMessageSlots || bits <= 0) return Reply::Error(kErrorInvalid);
    const Outcome outcome =
        script_.Take(Activity::Record).value_or(Outcome::Of(Outcome::Kind::Recorded, kRecordedMs));
    // Recording starts silently; the status comes when it ends.
    switch (outcome.kind) {
        case Outcome::Kind::Silence:
            return TimedOut();
        case Outcome::Kind::Interrupted:
            return Reply::Later(Reply::Ms(DelayOf(outcome)), [] { return Status('i'); });
        case Outcome::Kind::MemoryFull:
            return Reply::Later(Reply::Ms(DelayOf(outcome)), [] { return Status('m'); });
        default:
            break;
    }
    const int ms = outcome.kind == Outcome::Kind::Recorded ? outcome.value : kRecordedMs;
    auto store = [this, slot, bits](int recordedMs) {
        const auto length = static_cast<std::uint32_t>(static_cast<std::uint64_t>(recordedMs) *
                                                       kBytesPerSecondPerBit * bits / 1000);
        MessageSlot& message = memory_.messages[slot];
        const std::uint32_t others =
            memory_.MessageBytesUsed() - (message.damaged ? 0 : message.length);
        if (others + length > memory_.messageCapacity) return Status('m');
        message = MessageSlot{bits, length, false};
        const int seconds = recordedMs / 1000;
        return Status('o', {(seconds / 32) & 31, seconds % 32});
    };
    Reply reply = Reply::Later(Reply::Ms(ms), [store, ms] { return store(ms); });
    // The control byte ends the recording with what was said so far.
    reply.stop = [store](Reply::Ms elapsed) { return store(static_cast<int>(elapsed.count())); };
    return reply;
}

Reply ModuleCommands::PlayMessage(int slot, int mode) {
    if (slot < 0 || slot >= kMessageSlots) return Reply::Error(kErrorInvalid);
    const MessageSlot& message = memory_.messages[slot];
    if (message.damaged) return Reply::Error(kErrorInvalid);
    if (message.bits <= 0) return Status('o');
    std::uint64_t ms = static_cast<std::uint64_t>(message.length) * 1000 /
                       (kBytesPerSecondPerBit * static_cast<std::uint32_t>(message.bits));
    if (mode & 4) ms /= 2;  // fast speed
    return Reply::Later(Reply::Ms(ms), [] { return Status('o'); });
}

Reply ModuleCommands::PlaySound(int sound) {
    const int count = memory_.hasSoundTable ? memory_.soundCount : 0;
    if (sound < 0 || sound > count) return Reply::Error(kErrorInvalid);
    return Reply::Later(Reply::Ms(kSoundMs), [] { return Status('o'); });
}

Reply ModuleCommands::PlayTone(int tone, int length) {
    if (tone < -1 || tone > 15 || length < 0) return Reply::Error(kErrorInvalid);
    // The dial tone counts in seconds, the other tones in steps of 40 ms.
    const int ms = tone == -1 ? (length + 1) * 1000 : (length + 1) * 40;
    return Reply::Later(Reply::Ms(ms), [] { return Status('o'); });
}

Reply ModuleCommands::SendToken(int bits, int token, int units) {
    if ((bits != 4 && bits != 8) || token < 0 || token >= (1 << bits) || units < 0)
        return Reply::Error(kErrorInvalid);
    // A delayed token waits to be mixed into the next sound played.
    if (units > 0) return Status('o');
    return Reply::Later(Reply::Ms(bits * kTokenBitMs), [] { return Status('o'); });
}

Reply ModuleCommands::ReceiveToken(int bits, int units) {
    const int timeoutMs = units > 0 ? units * 24576 / 895 : 0;
    Outcome outcome =
        script_.Take(Activity::ReceiveToken).value_or(Outcome::Of(Outcome::Kind::Silence));
    if (outcome.kind == Outcome::Kind::Sound) {
        // Only a clean frame of the awaited length is a token; anything else is noise.
        const auto heard = HearToken(outcome.sound, bits);
        outcome.kind = heard ? Outcome::Kind::Token : Outcome::Kind::Silence;
        outcome.value = heard.value_or(0);
    }
    const bool hears = outcome.kind == Outcome::Kind::Token;
    const int delay = DelayOf(outcome);
    if (!hears || (timeoutMs > 0 && delay >= timeoutMs)) {
        if (timeoutMs == 0) return Reply::Later(Reply::kUntilInterrupted, nullptr);
        return Reply::Later(Reply::Ms(timeoutMs), [] { return Status('t'); });
    }
    const int token = outcome.value;
    return Reply::Later(Reply::Ms(delay), [token] {
        return Status('f', {token / 32, token % 32});
    });
}

Reply ModuleCommands::Lipsync(int silenceSeconds) {
    auto outcome = script_.Take(Activity::Lipsync);
    auto levels =
        outcome && outcome->kind == Outcome::Kind::Levels ? outcome->levels : DefaultLevels();
    Reply reply = Status('l');
    reply.stream = std::make_shared<LevelStream>(std::move(levels), silenceSeconds);
    return reply;
}

}  // namespace parlix::sim
