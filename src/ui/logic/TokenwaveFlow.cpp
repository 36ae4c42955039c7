#include "ui/logic/TokenwaveFlow.h"

#include "base/FrontEnd.h"
#include "base/Text.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace parlix::ui {
namespace {

namespace fs = std::filesystem;

// Play and Generate wait with the window working: a second press is ignored.
struct BusyFlag {
    bool& flag;
    explicit BusyFlag(bool& f) : flag(f) { flag = true; }
    ~BusyFlag() { flag = false; }
};

// Deletes the played sound however the run ended.
struct RemoveOnExit {
    std::string path;
    ~RemoveOnExit() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
};

}  // namespace

std::string ReserveTokenFile(const std::string& folder, int index, std::string& base) {
    const std::string suffix = TokenFileName("", index);
    std::string pattern = (fs::path(folder) / "tokXXXXXX").string() + suffix;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) return {};
    close(fd);
    std::string path(name.data());
    base = path.substr(0, path.size() - suffix.size());
    return path;
}

TokenwaveFlow::TokenwaveFlow(TokenwaveView& view, FrontEnd& frontEnd, TokenSteps steps,
                             bool connected, std::string programFolder, std::string tempFolder)
    : view_(view),
      frontEnd_(frontEnd),
      steps_(std::move(steps)),
      connected_(connected),
      programFolder_(std::move(programFolder)),
      tempFolder_(std::move(tempFolder)) {}

void TokenwaveFlow::UpdateControls() {
    view_.ApplyEnables(TokenwaveRules(connected_, listening_));
}

void TokenwaveFlow::LengthChanged(int bits) {
    if (listening_) return;
    TokenwaveFields fields = view_.Fields();
    fields.bits = bits;
    fields.index = ClampTokenIndex(fields.index, bits);
    view_.ShowFields(fields);
    UpdateControls();
}

void TokenwaveFlow::ListenButton() {
    if (listening_) {
        StopListening();
        return;
    }
    if (!TokenwaveRules(connected_, listening_).listen) return;
    TokenwaveFields fields = view_.Fields();
    fields.timeoutMs = ClampTokenTime(fields.timeoutMs);
    view_.ShowFields(fields);
    int token = -1;
    if (!steps_.receive(fields.bits, fields.rejection, fields.timeoutMs, token)) return;
    if (fields.timeoutMs != 0) {
        if (token >= 0)
            frontEnd_.MessageBox(TrFormat(PX_TR("TokenwaveDlg", "Received Token %d"), token),
                                 Tr(PX_TR("Controller", "Information")), BoxIcon::Information);
        return;
    }
    listenBits_ = fields.bits;
    listenRejection_ = fields.rejection;
    listening_ = true;
    view_.ShowListening(true);
    view_.ShowPrompt(Tr(PX_TR("TokenwaveDlg", "Continuos listening...")));
    UpdateControls();
}

void TokenwaveFlow::Tick() {
    // A report's message box keeps the timer running: one poll at a time.
    if (!listening_ || ticking_) return;
    const BusyFlag ticking(ticking_);
    int token = -1;
    if (!steps_.receive(0, 0, -1, token)) return;  // nothing heard yet
    // A module time-out ends the listening with no token; it starts again all the same.
    if (token >= 0)
        view_.ShowPrompt(
            TrFormat(PX_TR("TokenwaveDlg", "Received Token %d. Now listening..."), token));
    if (!listening_) return;  // stopped while the report was shown
    if (!steps_.receive(listenBits_, listenRejection_, 0, token)) StopListening();
}

void TokenwaveFlow::StopListening() {
    steps_.interrupt();
    listening_ = false;
    view_.ShowListening(false);
    view_.RemovePrompt();
    UpdateControls();
}

void TokenwaveFlow::Send() {
    if (!TokenwaveRules(connected_, listening_).send) return;
    const TokenwaveFields fields = ValidateTokenFields(view_.Fields());
    view_.ShowFields(fields);
    // Only a token that reached the module will be mixed into the next sound.
    if (steps_.send(fields.bits, fields.index, fields.delayMs) && SendCloses(fields.delayMs))
        view_.End(1);
}

void TokenwaveFlow::Play() {
    if (toolBusy_) return;
    const BusyFlag busy(toolBusy_);
    const TokenwaveFields fields = ValidateTokenFields(view_.Fields());
    view_.ShowFields(fields);
    std::string base;
    const RemoveOnExit sound{ReserveTokenFile(tempFolder_, fields.index, base)};
    if (sound.path.empty()) return;
    if (steps_.runTool(PlayTokenCommand(programFolder_, fields.bits, fields.index, base)))
        view_.PlaySound(sound.path);
}

void TokenwaveFlow::Generate() {
    if (toolBusy_) return;
    const BusyFlag busy(toolBusy_);
    const TokenwaveFields fields = ValidateTokenFields(view_.Fields());
    view_.ShowFields(fields);
    const std::string chosen = view_.AskTokenFile();
    if (chosen.empty()) return;
    const fs::path path(chosen);
    const std::string folder = path.parent_path().string();
    const std::string name = path.filename().string();
    if (frontEnd_.MessageBox(GenerateQuestion(folder, name, fields.bits),
                             Tr(PX_TR("Controller", "Information")),
                             Buttons::OkCancel | BoxIcon::Information) != BoxAnswer::Ok)
        return;
    if (steps_.runTool(GenerateTokensCommand(programFolder_, fields.bits, chosen)))
        view_.OpenFolder(folder);
}

void TokenwaveFlow::Close() {
    if (listening_) StopListening();
    view_.End(2);
}

}  // namespace parlix::ui
