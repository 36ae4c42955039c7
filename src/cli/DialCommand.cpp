#include "cli/DialCommand.h"

#include "app/ToneDialer.h"

#include <fmt/format.h>

#include <chrono>
#include <thread>

namespace parlix::cli {
namespace {

// Tones need firmware ID 2, as the window's Dial Tones command does.
constexpr int kFirstToneModule = 2;

}  // namespace

int Dial(Session& session, const std::string& number, int durationMs) {
    session.Front().SetStatusStream(stderr);  // standard output carries the number
    if (!session.Open()) return 1;
    ModuleController& controller = session.Controller();
    int id = -1;
    bool ok = controller.ReadVersionId(id);
    if (ok && id < kFirstToneModule) {
        fmt::print(stderr, "parlix-cli: this module plays no tones (firmware ID {})\n", id);
        ok = false;
    }
    const int ms = NormalisedToneDuration(durationMs);
    const std::vector<DialStep> steps = PlanDial(number);
    for (auto step = steps.begin(); ok && step != steps.end(); ++step) {
        if (step->pause)
            std::this_thread::sleep_for(std::chrono::milliseconds(kDialPauseMs));
        else
            ok = controller.PlayTone(step->tone, ms);
    }
    if (ok) fmt::print("{}\n", DialledText(steps));
    std::fflush(stdout);
    session.Close();
    return session.ExitStatus(ok);
}

}  // namespace parlix::cli
