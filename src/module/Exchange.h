// One command exchange with the module, the pattern every module command
// follows: the controller lock for the whole exchange, a purged line, the
// command, its status and reply arguments, and one report on failure.
#pragma once

#include "module/ModuleController.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <system_error>

namespace parlix {

class CExchange {
  public:
    enum class Purge { Yes, No };

    explicit CExchange(CModuleController& controller, Purge purge = Purge::Yes);
    ~CExchange();
    CExchange(const CExchange&) = delete;
    CExchange& operator=(const CExchange&) = delete;

    // The busy prompt, removed at the latest when the exchange ends.
    void ShowPrompt(const std::string& text, bool notifyProxy);
    void RemovePrompt();

    bool Send(std::uint8_t command, std::span<const std::int32_t> args = {});
    bool Send(std::uint8_t command, std::initializer_list<std::int32_t> args) {
        return Send(command, std::span<const std::int32_t>(args.begin(), args.size()));
    }
    bool Receive(std::uint8_t& status, int tenths);
    bool Fetch(std::span<std::int32_t> values);

    // Report helpers; each sets the error text, shows one message box and returns false.
    bool Fail(const std::string& text, bool appendSystemText, unsigned style);
    bool LinkFailure(const std::string& text) { return Fail(text, true, 0x10); }
    bool Unexpected(std::uint8_t status);           // "Unexpected reply (0x%02X).\n"
    bool UnexpectedOrInvalid(std::uint8_t status);  // "... or invalid arguments.\n"

    CModuleController& Controller() { return controller_; }

  private:
    CVoiceProxy* Proxy();
    // Notes a failed transfer that means the link is lost.
    bool Note(bool ok);
    void MarkIfLost();

    CModuleController& controller_;
    std::error_code lost_;  // a transfer found the link lost
    bool prompt_ = false;
    bool promptNotified_ = false;
};

}  // namespace parlix
