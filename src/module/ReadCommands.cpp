// Module commands that read what the module stores.
#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/Labels.h"
#include "module/ModuleController.h"

#include <array>
#include <vector>

namespace parlix {
namespace {

// One argument carries -1 to 31; counts use -1 for 32.
int DecodeCount(std::int32_t value) {
    return value == -1 ? 32 : value;
}

std::string LabelFromArguments(std::span<const std::int32_t> values) {
    std::string label;
    label.reserve(values.size());
    for (const std::int32_t v : values) label += LabelChar(v);
    return label;
}

// Nibbles, least significant first.
std::uint32_t DecodeNibbles(std::span<const std::int32_t> values) {
    std::uint32_t result = 0;
    for (std::size_t i = values.size(); i-- > 0;)
        result = result * 16u + static_cast<std::uint32_t>(values[i]);
    return result;
}

// Fetches `count` label characters; a label of no characters needs no request.
bool FetchLabel(Exchange& x, int count, std::string& label) {
    std::vector<std::int32_t> values(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!values.empty() && !x.Fetch(values)) return false;
    label = LabelFromArguments(values);
    return true;
}

}  // namespace

bool ModuleController::ReadVersionId(int& id) {
    Exchange x(link_, *this);
    std::int32_t value = 0;
    if (!x.ExpectValues(kCmdVersion, {}, kReplyWait, 'x', {&value, 1},
                        {Tr(PX_TR("Controller", "Could not read version ID.\n"))}))
        return false;
    id = value;
    return true;
}

bool ModuleController::ReadActiveGroupMask(std::uint32_t& mask) {
    Exchange x(link_, *this);
    std::array<std::int32_t, 8> nibbles{};
    if (!x.ExpectValues(kCmdGroupMask, {}, kReplyWait, 'k', nibbles,
                        {Tr(PX_TR("Controller", "Could not read active group mask.\n"))}))
        return false;
    mask = DecodeNibbles(nibbles);
    return true;
}

bool ModuleController::ReadCommandCount(int group, int& count) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not read command count for group %d.\n"), group);
    if (!IsGroupNumber(group)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::int32_t value = 0;
    if (!x.ExpectValues(kCmdCommandCount, {group}, kReplyWait, 'c', {&value, 1}, {failure}))
        return false;
    count = DecodeCount(value);
    return true;
}

bool ModuleController::ReadCommand(int group, int index, std::string& label, int& trained,
                                   bool& hasConflict, std::int32_t& conflict) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not read command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::uint8_t status = 0;
    if (!x.Request(kCmdReadCommand, {group, index}, kReplyWait, status, {failure})) return false;
    if (status != 'd') return x.Unexpected(status);

    std::array<std::int32_t, 3> params{};  // flags, conflict index, label length
    if (!x.Fetch(params))
        return x.LinkFailure(
            TrFormat(PX_TR("Controller", "Could not read params for command %d of group %d.\n"),
                     index, group));
    const std::int32_t flags = params[0] < 0 || params[0] == 7 ? 0 : params[0];
    trained = flags & 7;
    if (flags & 0x10) {
        hasConflict = true;
        conflict = -1 - params[1];  // a trigger word
    } else if (flags & 0x08) {
        hasConflict = true;
        conflict = params[1];  // a command of the same group
    } else {
        hasConflict = false;
    }

    // A length the module cannot have stored (negative ones included) is no label.
    const int length = params[2];
    if (length <= 0 || length > kMaxLabelLength) {
        label.clear();
        return true;
    }
    if (!FetchLabel(x, length, label))
        return x.LinkFailure(
            TrFormat(PX_TR("Controller", "Could not read label for command %d of group %d.\n"),
                     index, group));
    return true;
}

bool ModuleController::ReadGrammarCount(int& count) {
    Exchange x(link_, *this);
    std::int32_t value = 0;
    if (!x.ExpectValues(kCmdGrammar, {-1}, kReplyWait, 'c', {&value, 1},
                        {Tr(PX_TR("Controller", "Could not read grammars count.\n"))}))
        return false;
    count = DecodeCount(value);
    return true;
}

bool ModuleController::ReadGrammarWordCount(int grammar, int& count) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not read grammar %d words count.\n"), grammar);
    if (!IsGrammarNumber(grammar)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::array<std::int32_t, 2> values{};  // flags, count
    if (!x.ExpectValues(kCmdGrammar, {grammar}, kReplyWait, 'z', values, {failure})) return false;
    count = DecodeCount(values[1]);
    return true;
}

bool ModuleController::ReadGrammarWords(int grammar, int& flags, int& count,
                                        std::vector<std::string>& labels) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not read grammar %d words count.\n"), grammar);
    if (!IsGrammarNumber(grammar)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::array<std::int32_t, 2> values{};  // flags, count
    if (!x.ExpectValues(kCmdGrammar, {grammar}, kReplyWait, 'z', values, {failure})) return false;
    const int wordCount = DecodeCount(values[1]);

    std::vector<std::string> words;
    for (int w = 0; w < wordCount; ++w) {
        std::int32_t length = 0;
        if (!x.Fetch({&length, 1}))
            return x.LinkFailure(TrFormat(
                PX_TR("Controller", "Could not read word %d length in grammar %d.\n"), w, grammar));
        std::string word;
        if (!FetchLabel(x, DecodeCount(length), word))
            return x.LinkFailure(TrFormat(
                PX_TR("Controller", "Could not read word %d label in grammar %d.\n"), w, grammar));
        words.push_back(std::move(word));
    }
    flags = DecodeCount(values[0]);
    count = wordCount;
    labels = std::move(words);
    return true;
}

bool ModuleController::ReadSoundTable(std::string& name, int& count) {
    name.clear();
    count = 0;
    Exchange x(link_, *this);
    std::uint8_t status = 0;
    if (!x.Request(kCmdSoundTable, {}, kReplyWait, status,
                   {Tr(PX_TR("Controller", "Could not read optional sound table.\n"))}))
        return false;
    if (status == 'm') return true;  // the module has no sound table
    if (status != 'h') return x.Unexpected(status);

    std::array<std::int32_t, 3> params{};  // high part, low part, name length
    if (!x.Fetch(params))
        return x.LinkFailure(Tr(PX_TR("Controller", "Could not read params for sound table.\n")));
    if (params[0] < 0 || params[1] < 0 || params[2] < 0) {
        // The link worked; the system text names what is wrong instead of a stale error.
        link_.SetFailure(Status::InvalidParameter);
        return x.LinkFailure(Tr(PX_TR("Controller", "Read invalid params for sound table.\n")));
    }
    std::string label;
    if (!FetchLabel(x, params[2], label))
        return x.LinkFailure(Tr(PX_TR("Controller", "Could not read label for sound table.\n")));
    count = params[0] * 32 + params[1];
    name = std::move(label);
    return true;
}

bool ModuleController::ReadMessage(int slot, int& bits, int& length) {
    bits = -1;
    length = -1;
    const std::string failure = TrFormat(PX_TR("Controller", "Could not read message %d.\n"), slot);
    if (!IsMessageSlot(slot)) return RefuseValues(failure);
    Exchange x(link_, *this);
    std::uint8_t status = 0;
    if (!x.Request(kCmdReadMessage, {-1, slot}, kReplyWait, status, {failure})) return false;
    if (status == 'e') return true;  // the slot holds a damaged message
    if (status != 'g') return x.Unexpected(status);

    std::int32_t width = 0;
    if (!x.Fetch({&width, 1}))
        return x.LinkFailure(
            TrFormat(PX_TR("Controller", "Could not read status for message %d.\n"), slot));
    bits = width;
    if (width == 0) {
        length = 0;
        return true;
    }
    std::array<std::int32_t, 6> nibbles{};
    if (!x.Fetch(nibbles))
        return x.LinkFailure(
            TrFormat(PX_TR("Controller", "Could not read length for message %d.\n"), slot));
    length = static_cast<int>(DecodeNibbles(nibbles));
    return true;
}

bool ModuleController::CheckMessageMemory(bool fix, int& result) {
    Exchange x(link_, *this);
    if (fix) x.ShowPrompt(Tr(PX_TR("Controller", "Fixing memory...\n")), false, true);
    std::uint8_t status = 0;
    if (!x.Request(kCmdCheckMemory, {-1, fix ? 1 : 0}, fix ? 400 : kReplyWait, status,
                   {Tr(PX_TR("Controller", "Could not check device memory.\n"))}))
        return false;
    if (status == kStatusDone) {
        result = 0;
        return true;
    }
    std::array<std::int32_t, 2> values{};
    if (status != 'e' || !x.Fetch(values)) return x.UnexpectedOrInvalid(status);
    result = values[0] * 16 + values[1];
    return true;
}

bool ModuleController::ExportCommandData(int group, int index, std::string& data) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not export command %d in group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(
        TrFormat(PX_TR("Controller", "Exporting command %d in group %d...\r\n(Please wait)"), index,
                 group),
        false);
    std::uint8_t status = 0;
    if (!x.Request(kCmdCommandData, {kDataExport, group, index}, kReplyWait, status, {failure}))
        return false;
    std::int32_t kind = 0;
    if (status != '~' || !x.Fetch({&kind, 1}) || kind != 3) return x.UnexpectedOrInvalid(status);

    std::vector<std::int32_t> nibbles(516);
    std::string digits;
    digits.reserve(nibbles.size());
    bool valid = x.Fetch(nibbles);
    // A line that fails within the data is the link's fault, not the data's:
    // the system text then names the time-out or the removed device.
    if (!valid && link_.Failure())
        return x.Fail(Tr(PX_TR("Controller", "Unexpected or invalid data.\n")), SystemText::Append,
                      BoxIcon::Error);
    for (std::size_t i = 0; valid && i < nibbles.size(); ++i) {
        const std::int32_t v = nibbles[i];
        valid = v >= 0 && v <= 15;
        digits += static_cast<char>(v < 10 ? '0' + v : 'A' + v - 10);
    }
    if (!valid)
        return x.Fail(Tr(PX_TR("Controller", "Unexpected or invalid data.\n")), SystemText::Omit,
                      BoxIcon::Error);
    data = std::move(digits);
    return true;
}

bool ModuleController::ReadStoredLanguage(int& language) {
    Exchange x(link_, *this);
    VoiceProxy* proxy = link_.CurrentProxy();
    std::uint8_t value = 0;
    if (!proxy) link_.SetFailure(Status::InvalidHandle);
    if (!proxy || !link_.Track(proxy->LoadLanguage(value)))
        return x.LinkFailure(Tr(PX_TR("Controller", "Could not load language settings.\n")));
    language = value;
    return true;
}

}  // namespace parlix
