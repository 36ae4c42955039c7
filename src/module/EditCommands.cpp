// Module commands that create, remove, erase, rename and load commands.
#include "base/FrontEnd.h"
#include "base/Text.h"
#include "module/Exchange.h"

#include <vector>

namespace parlix {
namespace {

constexpr const char* kCtx = "Controller";

// The size of a command's data in hexadecimal digits, one per argument.
constexpr std::size_t kCommandDataDigits = 516;

// A command answered with 'o' alone.
bool DoneExchange(CExchange& x, std::uint8_t command, std::span<const std::int32_t> args,
                  const std::string& failure) {
    std::uint8_t status = 0;
    if (!x.Send(command, args) || !x.Receive(status, 30)) return x.LinkFailure(failure);
    return status == 'o' || x.Unexpected(status);
}

char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsLabelChar(char c) {
    return (c >= 'A' && c <= 'Z') || c == '_' || c == '^';
}

// The value of a hexadecimal digit in either case, -1 for anything else.
int HexValue(char c) {
    c = ToUpperAscii(c);
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool CModuleController::CreateCommand(int group, int index) {
    CExchange x(*this);
    const std::int32_t args[] = {group, index};
    return DoneExchange(x, 'g', args,
                        TrFormat(kCtx, "Could not create command %d of group %d.\n", index, group));
}

bool CModuleController::RemoveCommand(int group, int index) {
    CExchange x(*this);
    const std::int32_t args[] = {group, index};
    return DoneExchange(x, 'u', args,
                        TrFormat(kCtx, "Could not remove command %d of group %d.\n", index, group));
}

bool CModuleController::EraseCommand(int group, int index) {
    CExchange x(*this);
    const std::int32_t args[] = {group, index};
    return DoneExchange(x, 'e', args,
                        TrFormat(kCtx, "Could not erase command %d of group %d.\n", index, group));
}

// The module stores at most 31 characters of 'A' to 'Z', '_' and '^'; the
// label is upper-cased and ends at the first character it cannot store.
bool CModuleController::RenameCommand(int group, int index, std::string& label) {
    std::size_t kept = 0;
    std::vector<std::int32_t> values;
    for (; kept < label.size() && kept < 31; ++kept) {
        label[kept] = ToUpperAscii(label[kept]);
        if (!IsLabelChar(label[kept])) break;
        values.push_back(label[kept] - 'A');
    }
    label.resize(kept);

    std::vector<std::int32_t> args = {group, index, static_cast<std::int32_t>(values.size())};
    args.insert(args.end(), values.begin(), values.end());
    CExchange x(*this);
    return DoneExchange(x, 'n', args,
                        TrFormat(kCtx, "Could not rename command %d of group %d.\n", index, group));
}

// The data is what ExportCommandData gave: any other text is refused before
// anything reaches the module.
bool CModuleController::ImportCommandData(int group, int index, const std::string& data) {
    CExchange x(*this);
    x.ShowPrompt(
        TrFormat(kCtx, "Importing command %d in group %d...\r\n(Please wait)", index, group),
        false);
    std::vector<std::int32_t> args = {8, group, index};
    if (data.size() != kCommandDataDigits)
        return x.Fail(Tr(kCtx, "Unexpected or invalid data.\n"), false, MB_ICONERROR);
    for (const char c : data) {
        const int value = HexValue(c);
        if (value < 0)
            return x.Fail(Tr(kCtx, "Unexpected or invalid data.\n"), false, MB_ICONERROR);
        args.push_back(value);
    }
    if (!x.Send('~', args))
        return x.LinkFailure(
            TrFormat(kCtx, "Could not import command %d in group %d.\n", index, group));
    std::uint8_t status = 0;
    if (!x.Receive(status, 30)) return x.UnexpectedOrInvalid(0);  // no status byte at all
    return status == 'o' || x.UnexpectedOrInvalid(status);
}

}  // namespace parlix
