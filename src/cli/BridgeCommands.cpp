#include "cli/BridgeCommands.h"

#include "base/ProgressSink.h"

#include <fmt/format.h>

namespace parlix::cli {

namespace {

// One line a tenth of the way, so that a log shows the download moving.
class PrintedProgress : public ProgressSink {
  public:
    explicit PrintedProgress(std::FILE* out) : out_(out) {}
    std::uint32_t BeginProgress(std::uint32_t total) override {
        total_ = total;
        done_ = 0;
        shown_ = 0;
        return 1;
    }
    void StepProgress(std::uint32_t, std::uint32_t steps) override {
        done_ += steps;
        const std::uint32_t tenth = total_ ? done_ * 10 / total_ : 10;
        if (tenth > shown_ || done_ == total_) {
            shown_ = tenth;
            fmt::print(out_, "Downloading: {} of {}\n", done_, total_);
            std::fflush(out_);
        }
    }
    void EndProgress(std::uint32_t) override {}
    void SetStatusText(const std::string& text) override { fmt::print(out_, "{}\n", text); }

  private:
    std::FILE* out_;
    std::uint32_t total_ = 0;
    std::uint32_t done_ = 0;
    std::uint32_t shown_ = 0;
};

}  // namespace

int UpdateBridge(Session& session) {
    const std::string port = session.Settings().CurrentPort();
    VoiceProxy* found = nullptr;
    for (VoiceProxy* proxy : session.Controller().Link().TryOrder()) {
        if (const LinkResult opened = proxy->OpenLink(port); !opened) {
            fmt::print(stderr, "parlix-cli: cannot open the port \"{}\": {}\n", port,
                       opened.reason.value_or(std::error_code()).message());
            proxy->CloseLink();
            return 1;
        }
        if (proxy->Detect()) {
            found = proxy;
            break;
        }
        proxy->CloseLink();
    }
    if (!found) {
        fmt::print(stderr, "parlix-cli: no device found on \"{}\"\n", port);
        return 1;
    }
    const std::string detail = found->GetDeviceDetail();
    fmt::print("Found {}{} on {}\n", found->GetDeviceName(),
               detail.empty() ? "" : " (" + detail + ")", port);
    const auto bridge = found->GetBridgeFile();
    if (!bridge) {
        fmt::print(stderr, "parlix-cli: no bridge program is named for \"{}\"\n",
                   found->GetDeviceName());
        found->CloseLink();
        return 1;
    }
    PrintedProgress progress(stdout);
    const std::string file = session.Settings().ProgramFolder() + "/data/" + *bridge;
    const LinkResult updated = found->UpdateBridge(file, &progress);
    bool ok = updated.ok;
    if (!ok) {
        // A failure before the line was used is the program file's.
        const std::string why = updated.reason && *updated.reason
                                    ? updated.reason->message()
                                    : "the bridge program cannot be read";
        fmt::print(stderr, "parlix-cli: the download of \"{}\" failed: {}\n", file, why);
    } else {
        // A Stamp's monitor may run at another speed than the bridge: start over.
        ok = found->Detect() && found->ConnectModule();
        if (ok)
            fmt::print("The bridge program answers.\n");
        else
            fmt::print(stderr, "parlix-cli: the bridge program does not answer\n");
    }
    found->CloseLink();
    return ok ? 0 : 1;
}

}  // namespace parlix::cli
