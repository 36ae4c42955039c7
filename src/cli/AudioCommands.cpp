#include "cli/AudioCommands.h"

#include <fmt/format.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace parlix::cli {
namespace {

// What the module heard is looked for this often; a level comes every 20 ms.
constexpr auto kTokenPoll = std::chrono::milliseconds(100);
constexpr auto kLevelPoll = std::chrono::milliseconds(20);

std::atomic<bool> stopRequested{false};

extern "C" void RequestStop(int) {
    stopRequested.store(true);
}

// Ctrl+C and SIGTERM end the loop, so that the module is interrupted and
// the port closed as after any other command.
class StopSignals {
  public:
    StopSignals() {
        stopRequested.store(false);
        struct sigaction action {};
        action.sa_handler = RequestStop;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~StopSignals() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool Requested() { return stopRequested.load(); }

  private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

}  // namespace

int ListenTokens(Session& session, const TokenListenOptions& options) {
    session.Front().SetStatusStream(stderr);  // standard output carries the tokens
    if (!session.Open()) return 1;
    const StopSignals signals;
    ModuleController& controller = session.Controller();
    int heard = 0;
    int token = -1;
    bool ok = controller.ReceiveToken(options.bits, options.rejection, 0, token);
    bool listening = ok;
    while (listening && !StopSignals::Requested()) {
        std::this_thread::sleep_for(kTokenPoll);
        if (!controller.ReceiveToken(0, 0, -1, token)) {
            if (!controller.Link().LinkLost()) continue;  // nothing heard yet
            ok = listening = false;
            break;
        }
        // A module time-out ends listening without a token; it starts again.
        if (token >= 0) {
            ++heard;
            fmt::print("{}\n", token);
            std::fflush(stdout);
        }
        if (options.count > 0 && heard >= options.count) break;
        ok = listening = controller.ReceiveToken(options.bits, options.rejection, 0, token);
    }
    if (listening && StopSignals::Requested()) controller.Interrupt();
    session.Close();
    return session.ExitStatus(ok);
}

int FollowLipsync(Session& session, int threshold, int seconds) {
    session.Front().SetStatusStream(stderr);  // standard output carries the levels
    if (!session.Open()) return 1;
    const StopSignals signals;
    ModuleController& controller = session.Controller();
    // The lock stays with this thread until EndLipsync, whatever the start gave.
    const bool started = controller.StartLipsync(threshold, seconds);
    int level = -2;
    while (started && !StopSignals::Requested() && controller.ReadLipsyncValue(level)) {
        if (level >= 0) {
            fmt::print("{}\n", level);
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(kLevelPoll);
    }
    controller.Interrupt();
    controller.EndLipsync();
    session.Close();
    return session.ExitStatus(started);
}

}  // namespace parlix::cli
