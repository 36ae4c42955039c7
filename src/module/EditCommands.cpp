// Module commands that create, remove, erase, rename and load commands.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/Labels.h"
#include "module/ModuleController.h"

#include <vector>

namespace parlix {
namespace {

// The size of a command's data in hexadecimal digits, one per argument.
constexpr std::size_t kCommandDataDigits = 516;

// The value of a hexadecimal digit in either case, -1 for anything else.
int HexValue(char c) {
    c = ToUpperAscii(c);
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ModuleController::CreateCommand(int group, int index) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not create command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdCreateCommand, {group, index}, kReplyWait, {failure});
}

bool ModuleController::RemoveCommand(int group, int index) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not remove command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdRemoveCommand, {group, index}, kReplyWait, {failure});
}

bool ModuleController::EraseCommand(int group, int index) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not erase command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdEraseCommand, {group, index}, kReplyWait, {failure});
}

// The label keeps what the module can store, and is sent as it is kept.
bool ModuleController::RenameCommand(int group, int index, std::string& label) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not rename command %d of group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    KeepModuleLabel(label);
    std::vector<std::int32_t> args = {group, index, static_cast<std::int32_t>(label.size())};
    for (const char c : label) args.push_back(LabelArgument(c));
    Exchange x(link_, *this);
    return x.ExpectDone(kCmdRenameCommand, args, kReplyWait, {failure});
}

// The data is what ExportCommandData gave: any other text is refused before
// anything reaches the module.
bool ModuleController::ImportCommandData(int group, int index, const std::string& data) {
    const std::string failure =
        TrFormat(PX_TR("Controller", "Could not import command %d in group %d.\n"), index, group);
    if (!IsGroupNumber(group) || !IsCommandIndex(index)) return RefuseValues(failure);
    Exchange x(link_, *this);
    x.ShowPrompt(
        TrFormat(PX_TR("Controller", "Importing command %d in group %d...\r\n(Please wait)"), index,
                 group),
        false);
    std::vector<std::int32_t> args = {kDataImport, group, index};
    if (data.size() != kCommandDataDigits)
        return x.Fail(Tr(PX_TR("Controller", "Unexpected or invalid data.\n")), SystemText::Omit,
                      BoxIcon::Error);
    for (const char c : data) {
        const int value = HexValue(c);
        if (value < 0)
            return x.Fail(Tr(PX_TR("Controller", "Unexpected or invalid data.\n")),
                          SystemText::Omit, BoxIcon::Error);
        args.push_back(value);
    }
    if (!x.Send(kCmdCommandData, args)) return x.LinkFailure(failure);
    std::uint8_t status = 0;
    if (!x.Receive(status, kReplyWait)) return x.UnexpectedOrInvalid(0);  // no status byte at all
    return status == kStatusDone || x.UnexpectedOrInvalid(status);
}

}  // namespace parlix
