#include "cli/BridgeCommands.h"

#include "base/FileText.h"
#include "base/ProgressSink.h"
#include "base/Status.h"

#include <fmt/format.h>

#include <cerrno>

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

// Far above any host's program memory; /dev/zero would never end.
constexpr std::size_t kBridgeFileMaxBytes = std::size_t{1} << 20;

// Why the bridge program file cannot be sent; empty when it can.
std::string BridgeFileFault(const std::string& file) {
    std::string text;
    int error = 0;
    switch (ReadFileText(file, text, kBridgeFileMaxBytes, FileKinds::kRegularOnly, error)) {
        case FileTextRead::kRead:
            return {};
        case FileTextRead::kCannotOpen:
            return error == ENOENT ? "the file is missing" : ErrnoCode(error).message();
        case FileTextRead::kFolder:
            return "it is a folder, not a file";
        case FileTextRead::kNotRegular:
            return "it is not a regular file (a device or pipe)";
        case FileTextRead::kTooLarge:
            return fmt::format("the file is larger than {} MB; no bridge program is that large",
                               kBridgeFileMaxBytes >> 20);
        case FileTextRead::kCannotRead:
            break;
    }
    return ErrnoCode(error).message();
}

// A download that fails on the line names the link, not the status number's
// generic text: the user's next step is to check the cable and the host.
std::string DownloadFault(const LinkResult& result) {
    if (!result.reason || !*result.reason)
        return "the file is too short or not a bridge program for this host";
    const std::error_code why = *result.reason;
    if (why == Status::DeviceUnplugged) return "the link to the host was lost";
    if (why == Status::ShortReply || why == Status::Timeout || why == Status::WaitTimeout)
        return "no answer from the host: the link was lost, went silent or closed";
    if (why == Status::BadReply || why == Status::PacketRejected)
        return "unexpected reply from the host";
    if (why == Status::BadPacketSum) return "the file is damaged (a packet does not add up)";
    if (why == Status::Unsupported) return "the host no longer answers its identification";
    return "the link to the host failed: " + why.message();
}

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
    if (const std::string fault = BridgeFileFault(file); !fault.empty()) {
        fmt::print(stderr, "parlix-cli: cannot download the bridge program \"{}\": {}\n", file,
                   fault);
        found->CloseLink();
        return 1;
    }
    const LinkResult updated = found->UpdateBridge(file, &progress);
    bool ok = updated.ok;
    if (!ok) {
        fmt::print(stderr, "parlix-cli: the download of \"{}\" to {} failed: {}\n", file,
                   found->GetDeviceName(), DownloadFault(updated));
    } else {
        fmt::print("Downloaded \"{}\" to {} on {}\n", file, found->GetDeviceName(), port);
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
