#include "module/Exchange.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"

namespace parlix {
namespace {
constexpr const char* kCtx = "Controller";
}

CExchange::CExchange(CModuleController& controller, Purge purge) : controller_(controller) {
    controller_.Lock();
    if (purge == Purge::Yes && controller_.CurrentProxy()) controller_.CurrentProxy()->PurgeLine();
}

CExchange::~CExchange() {
    RemovePrompt();
    controller_.Unlock();
}

void CExchange::ShowPrompt(const std::string& text, bool notifyProxy, bool untilStatus) {
    controller_.SetBusyPrompt(text, notifyProxy);
    prompt_ = true;
    promptNotified_ = notifyProxy;
    promptUntilStatus_ = untilStatus;
}

void CExchange::RemovePrompt() {
    if (!prompt_) return;
    prompt_ = false;
    controller_.SetBusyPrompt(std::nullopt, promptNotified_);
}

// Without a current link nothing reaches the module; that is a link failure.
bool CExchange::Send(std::uint8_t command, CommandArgs args) {
    CVoiceProxy* proxy = controller_.CurrentProxy();
    if (!proxy) {
        SetLastError(Status::InvalidHandle);
        return false;
    }
    return proxy->SendCommand(command, args.Values());
}

bool CExchange::Receive(std::uint8_t& status, int tenths) {
    CVoiceProxy* proxy = controller_.CurrentProxy();
    if (!proxy) {
        SetLastError(Status::InvalidHandle);
        return false;
    }
    return proxy->ReceiveStatus(status, tenths);
}

bool CExchange::Fetch(std::span<std::int32_t> values) {
    CVoiceProxy* proxy = controller_.CurrentProxy();
    if (!proxy) {
        SetLastError(Status::InvalidHandle);
        return false;
    }
    return proxy->ReceiveArguments(values);
}

bool CExchange::Request(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t& status,
                        const ExchangeTexts& texts) {
    const bool sent = Send(command, args);
    const bool received = sent && Receive(status, tenths);
    if (promptUntilStatus_) RemovePrompt();  // the module stopped waiting, whatever it said
    if (!sent || (!received && texts.noReply.empty())) return LinkFailure(texts.failure);
    if (!received) return Fail(texts.noReply, true, MB_ICONWARNING);
    return true;
}

bool CExchange::Expect(std::uint8_t command, CommandArgs args, int tenths, std::uint8_t accepted,
                       const ExchangeTexts& texts) {
    std::uint8_t status = 0;
    if (!Request(command, args, tenths, status, texts)) return false;
    return status == accepted || Unexpected(status);
}

bool CExchange::ExpectValues(std::uint8_t command, CommandArgs args, int tenths,
                             std::uint8_t accepted, std::span<std::int32_t> values,
                             const ExchangeTexts& texts) {
    std::uint8_t status = 0;
    if (!Request(command, args, tenths, status, texts)) return false;
    if (status != accepted || !Fetch(values)) return UnexpectedOrInvalid(status);
    return true;
}

bool CExchange::Fail(const std::string& text, bool appendSystemText, unsigned style) {
    controller_.SetErrorText(text);
    controller_.ReportError(appendSystemText, style);
    return false;
}

bool CExchange::Unexpected(std::uint8_t status) {
    return Fail(TrFormat(kCtx, "Unexpected reply (0x%02X).\n", unsigned{status}), false,
                MB_ICONERROR);
}

bool CExchange::UnexpectedOrInvalid(std::uint8_t status) {
    return Fail(
        TrFormat(kCtx, "Unexpected reply (0x%02X) or invalid arguments.\n", unsigned{status}),
        false, MB_ICONERROR);
}

}  // namespace parlix
