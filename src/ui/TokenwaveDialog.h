// The modal Tokenwave dialog: sends and receives audio tokens through the
// module, and makes token sounds with the generator tool. Its flow lives in
// TokenwaveFlow; this class only shows and forwards.
#pragma once

#include "ui/logic/TokenwaveFlow.h"

#include <QtCore/QTimer>
#include <QtWidgets/QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace parlix {
class FrontEnd;
class ModuleController;
}  // namespace parlix

namespace parlix::ui {

class PromptDialog;

class TokenwaveDialog : public QDialog, public TokenwaveView {
    Q_OBJECT
  public:
    using Player = std::function<void(const QString& path)>;

    // Ends with 1 after a delayed token was sent, else 2.
    TokenwaveDialog(QWidget* parent, ModuleController& controller, FrontEnd& frontEnd,
                    bool connected, std::string programFolder);
    ~TokenwaveDialog() override;

    TokenwaveFlow& Flow() { return *flow_; }
    // Plays the sounds that Play makes; the desktop's sound output by default.
    void SetPlayer(Player player) { player_ = std::move(player); }
    QPushButton* ListenButton() const { return listen_; }
    QPushButton* SendButton() const { return send_; }
    QPushButton* PlayButton() const { return play_; }
    QPushButton* GenerateButton() const { return generate_; }
    QSpinBox* IndexBox() const { return index_; }
    QSpinBox* DelayBox() const { return delay_; }
    QSpinBox* TimeoutBox() const { return timeout_; }
    QRadioButton* LongButton() const { return long_; }
    // The listening prompt's text; empty while none is shown.
    QString PromptText() const;

    // Close, Escape and the close box: stops listening first.
    void reject() override;

    // TokenwaveView
    TokenwaveFields Fields() const override;
    void ShowFields(const TokenwaveFields& fields) override;
    void ApplyEnables(const TokenwaveEnables& enables) override;
    void ShowListening(bool listening) override;
    void ShowPrompt(const std::string& text) override;
    void RemovePrompt() override;
    void End(int result) override;
    std::string AskTokenFile() override;
    void PlaySound(const std::string& path) override;
    void OpenFolder(const std::string& folder) override;

  private:
    std::optional<TokenwaveFlow> flow_;
    Player player_;
    QTimer listenTimer_;
    QSpinBox* index_;
    QSpinBox* delay_;
    QSpinBox* timeout_;
    QSlider* rejection_;
    QLabel* rejectionValue_;
    QRadioButton* short_;
    QRadioButton* long_;
    QPushButton* listen_;
    QPushButton* send_;
    QPushButton* play_;
    QPushButton* generate_;
    PromptDialog* prompt_ = nullptr;
};

}  // namespace parlix::ui
