// What the Tokenwave dialog does, without a window: listening once or
// continuously, sending a token, and making token sounds with the generator
// tool to play them here or to keep them in a folder.
#pragma once

#include "ui/logic/TokenwaveRules.h"

#include <functional>
#include <string>

namespace parlix {
class FrontEnd;
}

namespace parlix::ui {

// The module's token commands and the generator run; the dialog supplies
// them, so that the flow runs against a script in tests.
struct TokenSteps {
    std::function<bool(int bits, int token, int delayMs)> send;
    std::function<bool(int bits, int rejection, int timeoutMs, int& token)> receive;
    std::function<bool()> interrupt;
    // Runs a generator command line; true when the tool ran and exited with 0.
    std::function<bool(const std::string& command)> runTool;
};

class TokenwaveView {
  public:
    virtual ~TokenwaveView() = default;
    virtual TokenwaveFields Fields() const = 0;
    // Also sets the index range for the token length.
    virtual void ShowFields(const TokenwaveFields& fields) = 0;
    virtual void ApplyEnables(const TokenwaveEnables& enables) = 0;
    // The Listen button's text and the poll timer.
    virtual void ShowListening(bool listening) = 0;
    // Shows the prompt at the dialog's top edge, or changes its text.
    virtual void ShowPrompt(const std::string& text) = 0;
    virtual void RemovePrompt() = 0;
    virtual void End(int result) = 0;
    // The file name chosen to save the tokens under; empty when cancelled.
    virtual std::string AskTokenFile() = 0;
    // Plays a sound file to its end while the window keeps working.
    virtual void PlaySound(const std::string& path) = 0;
    virtual void OpenFolder(const std::string& folder) = 0;
};

class TokenwaveFlow {
  public:
    // `tempFolder` holds the sounds that Play makes and deletes again.
    TokenwaveFlow(TokenwaveView& view, FrontEnd& frontEnd, TokenSteps steps, bool connected,
                  std::string programFolder, std::string tempFolder);

    bool Listening() const { return listening_; }
    void UpdateControls();

    void LengthChanged(int bits);
    void ListenButton();
    void Tick();
    void Send();
    void Play();
    void Generate();
    void Close();

  private:
    void StopListening();

    TokenwaveView& view_;
    FrontEnd& frontEnd_;
    TokenSteps steps_;
    bool connected_;
    std::string programFolder_;
    std::string tempFolder_;
    bool listening_ = false;
    bool ticking_ = false;
    bool toolBusy_ = false;  // the window works on while a tool or a sound runs
    int listenBits_ = 4;
    int listenRejection_ = 1;
};

// Reserves a new file "tok…_%03d.wav" in `folder` for the sound of token
// `index`; returns its path, and in `base` the part before "_%03d.wav".
// Empty when no file could be made.
std::string ReserveTokenFile(const std::string& folder, int index, std::string& base);

}  // namespace parlix::ui
