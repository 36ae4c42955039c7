// The meaning of each module command: given the command byte and its
// arguments, change the memory and say what to answer. Runs under the
// device's lock; replies that come later run their `finish` under it too.
#pragma once

#include "sim/ModuleMemory.h"
#include "sim/ModuleReply.h"
#include "sim/UserScript.h"

#include <cstdint>
#include <vector>

namespace parlix::sim {

class ModuleCommands {
  public:
    ModuleCommands(ModuleMemory& memory, UserScript& script) : memory_(memory), script_(script) {}

    Reply Execute(std::uint8_t command, const std::vector<int>& args);

    // Reply delay argument to milliseconds: v <= 10 is v ms, 11..19 tens, 20..28 hundreds.
    static std::optional<int> ReplyDelayMs(int argument);

  private:
    // Reading and editing (ModuleCommands.cpp).
    Reply SetReplyDelay(int argument);
    Reply ActiveGroupMask() const;
    Reply CommandCount(int group) const;
    Reply ReadCommand(int group, int index) const;
    Reply GrammarCount() const;
    Reply GrammarWords(int grammar) const;
    Reply SoundTable() const;
    Reply Rename(const std::vector<int>& args);
    Reply Import(const std::vector<int>& args);
    Reply Export(int group, int index) const;
    Reply Reset(int kind);
    Reply ReadMessage(int slot) const;
    Reply EraseMessage(int slot);
    Reply CheckMessageMemory(int fix);
    Reply Pin(int pin, int mode);
    Reply Language(int language);

    // Activities that take time or wait for the user (ModuleListening.cpp).
    Reply Train(int group, int index);
    Reply Verify(int group, int index);
    Reply Recognize(int group);
    Reply RecognizeWord(int grammar);
    Reply Record(int slot, int bits);
    Reply PlayMessage(int slot, int mode);
    Reply PlaySound(int sound);
    Reply PlayTone(int tone, int length);
    Reply SendToken(int bits, int token, int units);
    Reply ReceiveToken(int bits, int units);
    Reply Lipsync(int silenceSeconds);
    // Waits `delayMs` for the user, or the module time-out when that is shorter.
    Reply Listen(int delayMs, std::function<Reply()> finish) const;
    Reply TimedOut() const;
    int DelayOf(const Outcome& outcome) const;

    ModuleMemory& memory_;
    UserScript& script_;
};

}  // namespace parlix::sim
