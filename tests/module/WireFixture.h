// A module on a pseudo-terminal that answers from a script, and a controller
// connected to it through the direct link: the exact bytes of each command.
#pragma once

#include "module/ControllerFixture.h"
#include "support/PtyResponder.h"

#include <map>
#include <memory>
#include <string>

namespace parlix::test {

// What the module says to one complete command: a status byte, then one
// reply byte for each request (a space) that follows.
struct ScriptedReply {
    std::uint8_t status;
    std::string arguments;
};

// Commands are keyed by their bytes as sent, e.g. "pDC" for 'p' 3 2.
using ModuleScript = std::map<std::string, ScriptedReply>;

// Enough to detect a module with identity 'C' and enter control mode.
inline ModuleScript ConnectionScript() {
    return {{"b", {'o', ""}}, {"x", {'x', "C"}}, {"yA", {'o', ""}}};
}

inline PtyResponder::Answer ScriptedAnswers(ModuleScript script) {
    struct State {
        ModuleScript script;
        std::string pending;  // bytes of a command not complete yet
        std::string replies;  // reply bytes not requested yet
    };
    auto state = std::make_shared<State>(State{std::move(script), {}, {}});
    return [state](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b == ' ' && state->pending.empty()) {
            if (state->replies.empty()) return {};
            const auto reply = static_cast<std::uint8_t>(state->replies.front());
            state->replies.erase(0, 1);
            return {reply};
        }
        // A command letter starts a new command, as on the module: the robot
        // controller's probe, tried first, leaves a byte that no script knows.
        if (b >= 'a' && b <= 'z') state->pending.clear();
        state->pending += static_cast<char>(b);
        const auto it = state->script.find(state->pending);
        if (it == state->script.end()) return {};
        state->pending.clear();
        state->replies = it->second.arguments;
        return {it->second.status};
    };
}

// Argument values as the bytes that carry them ('A' + value).
inline std::string ArgumentBytes(const std::vector<int>& values) {
    std::string bytes;
    for (const int v : values) bytes += static_cast<char>('A' + v);
    return bytes;
}

class WireFixture : public ControllerFixture {
  protected:
    // Connects the controller's own direct link to the device.
    void ConnectTo(PtyResponder& device) {
        settings.UseCurrentPort(device.Path());
        VoiceProxy* link = &controller.Link().Direct();
        controller.Link().SetTryOrder({link, link, link, link});
        ASSERT_TRUE(controller.Link().Connect());
        device.Clear();
        front.Clear();
    }
};

}  // namespace parlix::test
