// One command exchange with the module, the pattern every module command
// follows: the link lock for the whole exchange, a purged line, the
// command, its status and reply arguments, and one report on failure.
#pragma once

#include "link/ModuleFraming.h"
#include "module/ModuleLink.h"
#include "module/ModuleReporter.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace parlix {

// How long most commands wait for their status, in tenths of a second.
inline constexpr int kReplyWait = 30;

// The argument values of one command, however the caller holds them. It only
// refers to them, so it lives no longer than the call it is passed to.
class CommandArgs {
  public:
    CommandArgs() = default;
    CommandArgs(std::initializer_list<std::int32_t> values)
        : values_(values.begin(), values.size()) {}
    CommandArgs(std::span<const std::int32_t> values) : values_(values) {}
    CommandArgs(const std::vector<std::int32_t>& values) : values_(values) {}
    std::span<const std::int32_t> Values() const { return values_; }

  private:
    std::span<const std::int32_t> values_;
};

// What an exchange reports when the link fails: `failure` for a failed send,
// and for a missing status unless `noReply` is given, which is then shown as
// a warning. Both get the system text of the link's failure.
struct ExchangeTexts {
    std::string failure;
    std::string noReply = {};
};

class Exchange {
  public:
    enum class Purge { Yes, No };

    Exchange(ModuleLink& link, ModuleReporter& reporter, Purge purge = Purge::Yes);
    ~Exchange();
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    // The busy prompt, removed at the latest when the exchange ends. A prompt
    // of a module that waits for the user ends with the status (`untilStatus`):
    // Request removes it as soon as the status came or could not be had.
    void ShowPrompt(const std::string& text, bool notifyProxy, bool untilStatus = false);
    void RemovePrompt();

    bool Send(std::uint8_t command, CommandArgs args = {});
    bool Receive(std::uint8_t& status, int tenths);
    bool Fetch(std::span<std::int32_t> values);

    // Sends the command and waits `tenths` for its status; a failure of
    // either is reported with `texts`.
    bool Request(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t& status,
                 const ExchangeTexts& texts);
    // A command answered with `accepted` alone; any other status is an unexpected reply.
    bool Expect(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t accepted,
                const ExchangeTexts& texts);
    // A command answered with 'o' alone.
    bool ExpectDone(std::uint8_t command, CommandArgs args, int tenths,
                    const ExchangeTexts& texts) {
        return Expect(command, args, tenths, kStatusDone, texts);
    }
    // A command answered with `accepted` and the values fetched into `values`;
    // another status, or values that cannot be fetched, are an unexpected
    // reply or invalid arguments.
    bool ExpectValues(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t accepted,
                      std::span<std::int32_t> values, const ExchangeTexts& texts);

    // Report helpers; each sets the error text, shows one message box and returns false.
    bool Fail(const std::string& text, SystemText systemText, BoxStyle style);
    bool LinkFailure(const std::string& text) {
        return Fail(text, SystemText::Append, BoxIcon::Error);
    }
    bool Unexpected(std::uint8_t status);           // "Unexpected reply (0x%02X).\n"
    bool UnexpectedOrInvalid(std::uint8_t status);  // "... or invalid arguments.\n"

    ModuleLink& Link() { return link_; }

  private:
    VoiceProxy* Proxy();
    // Notes a failed transfer that means the link is lost.
    bool Note(bool ok, bool fetch);
    void MarkIfLost();

    ModuleLink& link_;
    ModuleReporter& reporter_;
    std::error_code lost_;  // a transfer found the link lost
    bool prompt_ = false;
    bool promptNotified_ = false;
    bool promptUntilStatus_ = false;
};

}  // namespace parlix
