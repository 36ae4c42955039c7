#include "module/Exchange.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"

namespace parlix {

Exchange::Exchange(ModuleLink& link, ModuleReporter& reporter, Purge purge)
    : link_(link), reporter_(reporter) {
    link_.Lock();
    VoiceProxy* proxy = link_.CurrentProxy();
    if (purge == Purge::Yes && proxy && !link_.LinkLost()) proxy->PurgeLine();
}

// The link that carries the exchange: none without a connection, and none
// once it is lost, so that nothing more waits for a module that is gone.
VoiceProxy* Exchange::Proxy() {
    if (link_.LinkLost()) {
        link_.SetFailure(link_.LostReason());
        return nullptr;
    }
    VoiceProxy* proxy = link_.CurrentProxy();
    if (!proxy) link_.SetFailure(Status::InvalidHandle);
    return proxy;
}

Exchange::~Exchange() {
    RemovePrompt();
    MarkIfLost();
    link_.Unlock();
}

// No reply within the time-out, or the device gone: nothing more will come
// over this link. A live module that answers wrongly is not a lost link, and
// neither is one missing reply argument, which some commands take as an
// outcome; but a module that then leaves a status unanswered is gone, and
// the missing argument already had its message.
bool Exchange::Note(bool ok, bool fetch) {
    const std::error_code last = ok ? std::error_code() : link_.Failure();
    const bool timedOut = last == Status::Timeout || last == Status::WaitTimeout;
    if (ok) {
        if (!fetch) link_.SetReplyMissing(false);
    } else if (last == Status::DeviceUnplugged) {
        lost_ = last;
    } else if (fetch && timedOut) {
        link_.SetReplyMissing(true);
    } else if (timedOut && link_.ReplyMissing()) {
        link_.MarkLinkLost(last);
    } else if (timedOut) {
        lost_ = last;
    }
    return ok;
}

// After the exchange's own message, if it shows one: that is the one message.
void Exchange::MarkIfLost() {
    if (!lost_) return;
    link_.MarkLinkLost(lost_);
    lost_.clear();
}

void Exchange::ShowPrompt(const std::string& text, bool notifyProxy, bool untilStatus) {
    link_.SetBusyPrompt(text, notifyProxy);
    prompt_ = true;
    promptNotified_ = notifyProxy;
    promptUntilStatus_ = untilStatus;
}

void Exchange::RemovePrompt() {
    if (!prompt_) return;
    prompt_ = false;
    link_.SetBusyPrompt(std::nullopt, promptNotified_);
}

// Without a current link nothing reaches the module; that is a link failure.
bool Exchange::Send(std::uint8_t command, CommandArgs args) {
    VoiceProxy* proxy = Proxy();
    if (!proxy) return false;
    return Note(link_.Track(proxy->SendCommand(command, args.Values())), false);
}

bool Exchange::Receive(std::uint8_t& status, int tenths) {
    VoiceProxy* proxy = Proxy();
    if (!proxy) return false;
    // A poll that finds nothing yet is no silence of the module.
    const bool received = link_.Track(proxy->ReceiveStatus(status, tenths));
    if (tenths == 0) return received;
    return Note(received, false);
}

bool Exchange::Fetch(std::span<std::int32_t> values) {
    VoiceProxy* proxy = Proxy();
    if (!proxy) return false;
    return Note(link_.Track(proxy->ReceiveArguments(values)), true);
}

bool Exchange::Request(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t& status,
                       const ExchangeTexts& texts) {
    const bool sent = Send(command, args);
    const bool received = sent && Receive(status, tenths);
    if (promptUntilStatus_) RemovePrompt();  // the module stopped waiting, whatever it said
    if (!sent || (!received && texts.noReply.empty())) return LinkFailure(texts.failure);
    if (!received) return Fail(texts.noReply, SystemText::Append, BoxIcon::Warning);
    return true;
}

bool Exchange::Expect(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t accepted,
                      const ExchangeTexts& texts) {
    std::uint8_t status = 0;
    if (!Request(command, args, tenths, status, texts)) return false;
    return status == accepted || Unexpected(status);
}

bool Exchange::ExpectValues(std::uint8_t command, CommandArgs args, int tenths,
                            std::uint8_t accepted, std::span<std::int32_t> values,
                            const ExchangeTexts& texts) {
    std::uint8_t status = 0;
    if (!Request(command, args, tenths, status, texts)) return false;
    if (status != accepted || !Fetch(values)) return UnexpectedOrInvalid(status);
    return true;
}

bool Exchange::Fail(const std::string& text, SystemText systemText, BoxStyle style) {
    reporter_.Report(text, systemText, style);
    MarkIfLost();
    return false;
}

bool Exchange::Unexpected(std::uint8_t status) {
    return Fail(TrFormat(PX_TR("Controller", "Unexpected reply (0x%02X).\n"), unsigned{status}),
                SystemText::Omit, BoxIcon::Error);
}

bool Exchange::UnexpectedOrInvalid(std::uint8_t status) {
    return Fail(TrFormat(PX_TR("Controller", "Unexpected reply (0x%02X) or invalid arguments.\n"),
                         unsigned{status}),
                SystemText::Omit, BoxIcon::Error);
}

}  // namespace parlix
