// Shell operations for messages, sounds, tokens, pins, lip-sync and settings.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

#include <stdexcept>

namespace parlix::cli {
namespace {

// An operation whose only result is success or failure.
ShellOperation Plain(std::string name, std::vector<std::string> params, std::string summary,
                     std::function<bool(ModuleController&, const ShellArgs&)> call) {
    return {std::move(name), std::move(params), std::move(summary),
            [call = std::move(call)](ShellContext& s, const ShellArgs& a, ShellOutputs&) {
                return call(s.controller, a);
            }};
}

const char* Bool(bool value) {
    return value ? "true" : "false";
}

void AddMessageOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"record-message",
                   {"SLOT", "BITS", "TIMEOUT"},
                   "start recording (time-out 0) or poll the recording (time-out -1)",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       bool completed = false;
                       const bool ok =
                           s.controller.RecordMessage(a.Int(0), a.Int(1), a.Int(2), completed);
                       out.emplace_back("completed", Bool(completed));
                       return ok;
                   }});
    ops.push_back(Plain("play-message", {"SLOT", "WAIT", "SPEED", "ATTENUATION"},
                        "play a message, waiting WAIT tenths of a second for its end",
                        [](ModuleController& c, const ShellArgs& a) {
                            return c.PlayMessage(a.Int(0), a.Int(1), a.Int(2), a.Int(3));
                        }));
    ops.push_back(
        Plain("erase-message", {"SLOT"}, "erase a message",
              [](ModuleController& c, const ShellArgs& a) { return c.EraseMessage(a.Int(0)); }));
}

void AddSoundAndTokenOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(Plain(
        "play-sound", {"SOUND", "VOLUME"},
        "play a sound of the sound table (0 is the beep; volume 256 is full)",
        [](ModuleController& c, const ShellArgs& a) { return c.PlaySound(a.Int(0), a.Int(1)); }));
    ops.push_back(Plain(
        "play-tone", {"TONE", "LENGTH"}, "play tone 0 to 15 for LENGTH ms, or the dial tone (-1)",
        [](ModuleController& c, const ShellArgs& a) { return c.PlayTone(a.Int(0), a.Int(1)); }));
    ops.push_back(Plain("send-token", {"BITS", "TOKEN", "DELAY"},
                        "send an audio token of 4 or 8 bits, delayed by DELAY ms",
                        [](ModuleController& c, const ShellArgs& a) {
                            return c.SendToken(a.Int(0), a.Int(1), a.Int(2));
                        }));
    ops.push_back({"receive-token",
                   {"BITS", "REJECTION", "TIMEOUT"},
                   "listen for a token TIMEOUT ms; 0 starts listening, -1 polls",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       const int timeout = a.Int(2);
                       int token = -1;
                       const bool ok =
                           s.controller.ReceiveToken(a.Int(0), a.Int(1), timeout, token);
                       // Starting continuous listening hears nothing yet.
                       if (ok && timeout != 0) out.emplace_back("token", std::to_string(token));
                       return ok;
                   }});
}

void AddPinOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(Plain("set-pin-output", {"PIN", "MODE"},
                        "drive a pin low (mode 0) or high (mode 1)",
                        [](ModuleController& c, const ShellArgs& a) {
                            return c.SetPinOutput(a.Int(0), a.Int(1));
                        }));
    ops.push_back({"query-pin-input",
                   {"PIN", "MODE"},
                   "read a pin as input: 2 Hi-Z, 3 strong pull-up, 4 weak pull-up",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int level = 0;
                       if (!s.controller.QueryPinInput(a.Int(0), a.Int(1), level)) return false;
                       out.emplace_back("level", std::to_string(level));
                       return true;
                   }});
}

// A running stream holds the controller lock once; the shell keeps count so
// that it is released exactly once, by interrupt or at the end of the session.
void AddLipsyncOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"start-lipsync",
                   {"THRESHOLD", "TIMEOUT"},
                   "start real-time lip-sync; read values, then interrupt",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs&) {
                       if (s.lipsyncRunning)
                           throw std::invalid_argument("lip-sync is running; interrupt it first");
                       const int threshold = a.Int(0);
                       const int timeout = a.Int(1);
                       s.lipsyncRunning = true;  // the lock is held whatever the outcome
                       return s.controller.StartLipsync(threshold, timeout);
                   }});
    ops.push_back({"read-lipsync-value",
                   {},
                   "read the mouth opening (-2: nothing new); fails when the stream ended",
                   [](ShellContext& s, const ShellArgs&, ShellOutputs& out) {
                       if (!s.lipsyncRunning)
                           throw std::invalid_argument(
                               "no lip-sync is running; start-lipsync first");
                       int value = -2;
                       const bool ok = s.controller.ReadLipsyncValue(value);
                       if (ok) out.emplace_back("value", std::to_string(value));
                       return ok;
                   }});
    ops.push_back({"interrupt",
                   {},
                   "stop a listening module or a running lip-sync",
                   [](ShellContext& s, const ShellArgs&, ShellOutputs&) {
                       const bool ok = s.controller.Interrupt();
                       if (s.lipsyncRunning) {
                           s.controller.EndLipsync();
                           s.lipsyncRunning = false;
                       }
                       return ok;
                   }});
}

void AddSettingOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(
        Plain("set-knob", {"VALUE"}, "set the confidence knob",
              [](ModuleController& c, const ShellArgs& a) { return c.SetKnob(a.Int(0)); }));
    ops.push_back(
        Plain("set-mic-distance", {"VALUE"},
              "set the microphone distance (1 headset, 2 arm's length, 3 far)",
              [](ModuleController& c, const ShellArgs& a) { return c.SetMicDistance(a.Int(0)); }));
    ops.push_back(
        Plain("set-level", {"VALUE"}, "set the strictness level",
              [](ModuleController& c, const ShellArgs& a) { return c.SetLevel(a.Int(0)); }));
    ops.push_back(Plain(
        "set-trailing-silence", {"VALUE"}, "set the trailing silence",
        [](ModuleController& c, const ShellArgs& a) { return c.SetTrailingSilence(a.Int(0)); }));
    ops.push_back(Plain(
        "set-fast-recognition", {"VALUE"}, "turn fast recognition off (0) or on (1)",
        [](ModuleController& c, const ShellArgs& a) { return c.SetFastRecognition(a.Int(0)); }));
    ops.push_back(
        Plain("set-language", {"LANGUAGE"},
              "set the recognition language (0 English, 1 Italian, 2 Japanese, 3 German, "
              "4 Spanish, 5 French) and keep it",
              [](ModuleController& c, const ShellArgs& a) { return c.SetLanguage(a.Int(0)); }));
    ops.push_back(
        Plain("set-timeout", {"SECONDS"}, "set how long the module listens",
              [](ModuleController& c, const ShellArgs& a) { return c.SetTimeout(a.Int(0)); }));
    ops.push_back(
        Plain("reset-memory", {"KIND"}, "erase memory: 17 all, 3 commands, 12 messages",
              [](ModuleController& c, const ShellArgs& a) { return c.ResetMemory(a.Int(0)); }));
}

}  // namespace

void AddDeviceOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(Plain(
        "set-reply-delay", {"MS"}, "set the module's reply delay in milliseconds",
        [](ModuleController& c, const ShellArgs& a) { return c.Link().SetReplyDelay(a.Int(0)); }));
    AddMessageOperations(ops);
    AddSoundAndTokenOperations(ops);
    AddPinOperations(ops);
    AddLipsyncOperations(ops);
    AddSettingOperations(ops);
}

}  // namespace parlix::cli
