// Shell operations that train, recognise and edit commands.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

#include <limits>

namespace parlix::cli {
namespace {

// Marks an output that the operation has not written: each path of these
// operations names its own outputs, and only those are shown.
constexpr std::int32_t kUnwritten = std::numeric_limits<std::int32_t>::min();

void AddWritten(ShellOutputs& out, const char* name, std::int32_t value) {
    if (value != kUnwritten) out.emplace_back(name, std::to_string(value));
}

// An operation on command INDEX of group GROUP that gives nothing but its outcome.
ShellOperation OnCommand(std::string name, std::string summary,
                         bool (ModuleController::*edit)(int, int)) {
    return {std::move(name),
            {"GROUP", "INDEX"},
            std::move(summary),
            [edit](ShellContext& s, const ShellArgs& a, ShellOutputs&) {
                return (s.controller.*edit)(a.Int(0), a.Int(1));
            }};
}

// Training and verification give a conflict value and, after a module error, its code.
ShellOperation Training(std::string name, std::string summary,
                        bool (ModuleController::*train)(int, int, std::int32_t&, int&)) {
    return {std::move(name),
            {"GROUP", "INDEX"},
            std::move(summary),
            [train](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                std::int32_t conflict = kUnwritten;
                int error = kUnwritten;
                const bool ok = (s.controller.*train)(a.Int(0), a.Int(1), conflict, error);
                AddWritten(out, "conflict", conflict);
                AddWritten(out, "error", error);
                return ok;
            }};
}

ShellOperation Recognition(std::string name, std::vector<std::string> params, std::string summary,
                           bool (ModuleController::*recognize)(int, std::int32_t&)) {
    return {std::move(name), std::move(params), std::move(summary),
            [recognize](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                std::int32_t result = kUnwritten;
                const bool ok = (s.controller.*recognize)(a.Int(0), result);
                AddWritten(out, "result", result);
                return ok;
            }};
}

}  // namespace

void AddEditOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(OnCommand("create-command", "insert an empty command at INDEX of a group",
                            &ModuleController::CreateCommand));
    ops.push_back(OnCommand("remove-command", "remove a command from its group",
                            &ModuleController::RemoveCommand));
    ops.push_back(
        OnCommand("erase-command", "erase a command's training", &ModuleController::EraseCommand));
    ops.push_back({"rename-command",
                   {"GROUP", "INDEX", "LABEL"},
                   "label a command (A-Z, _ and ^; the label ends at any other character)",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       std::string label = a.Text(2);
                       const bool ok = s.controller.RenameCommand(a.Int(0), a.Int(1), label);
                       if (ok) out.emplace_back("label", label);
                       return ok;
                   }});
    ops.push_back({"import-command-data",
                   {"GROUP", "INDEX", "DATA"},
                   "load 516 hexadecimal digits of command data into a command",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs&) {
                       return s.controller.ImportCommandData(a.Int(0), a.Int(1), a.Text(2));
                   }});
    ops.push_back(Training("train-command", "train a command: speak when asked",
                           &ModuleController::TrainCommand));
    ops.push_back(Training("verify-command", "check imported command data against its group",
                           &ModuleController::VerifyCommand));
    ops.push_back(Recognition("recognize-command", {"GROUP"},
                              "recognise a spoken command of a group",
                              &ModuleController::RecognizeCommand));
    ops.push_back(Recognition("recognize-word", {"WORDSET"},
                              "recognise a spoken word of a wordset (1-3) or grammar (4 and above)",
                              &ModuleController::RecognizeWord));
}

}  // namespace parlix::cli
