// Shell operations that read the module.
#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

#include <limits>

namespace parlix::cli {
namespace {

// Marks an output that the operation has not written.
constexpr int kUnwritten = std::numeric_limits<int>::min();

std::string Join(const std::vector<std::string>& words) {
    std::string joined;
    for (const auto& word : words) joined += (joined.empty() ? "" : ",") + word;
    return joined;
}

// An operation without arguments that reads one number.
ShellOperation ReadNumber(std::string name, std::string summary, std::string output,
                          bool (ModuleController::*read)(int&)) {
    return {
        std::move(name),
        {},
        std::move(summary),
        [output = std::move(output), read](ShellContext& s, const ShellArgs&, ShellOutputs& out) {
            int value = 0;
            if (!(s.controller.*read)(value)) return false;
            out.emplace_back(output, std::to_string(value));
            return true;
        }};
}

void AddGroupOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"read-active-group-mask",
                   {},
                   "read which groups hold commands (bit n: group n)",
                   [](ShellContext& s, const ShellArgs&, ShellOutputs& out) {
                       std::uint32_t mask = 0;
                       if (!s.controller.ReadActiveGroupMask(mask)) return false;
                       out.emplace_back("mask", std::to_string(mask));
                       return true;
                   }});
    ops.push_back({"read-command-count",
                   {"GROUP"},
                   "read how many commands a group holds",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int count = 0;
                       if (!s.controller.ReadCommandCount(a.Int(0), count)) return false;
                       out.emplace_back("count", std::to_string(count));
                       return true;
                   }});
    // The training state arrives before the label, and is shown even when the label fails.
    ops.push_back({"read-command",
                   {"GROUP", "INDEX"},
                   "read a command's label, trained count and conflict",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       std::string label;
                       int trained = kUnwritten;
                       bool hasConflict = false;
                       std::int32_t conflict = kUnwritten;
                       const bool ok = s.controller.ReadCommand(a.Int(0), a.Int(1), label, trained,
                                                                hasConflict, conflict);
                       if (ok) out.emplace_back("label", label);
                       if (trained == kUnwritten) return ok;
                       out.emplace_back("trained", std::to_string(trained));
                       out.emplace_back("has-conflict", hasConflict ? "true" : "false");
                       if (conflict != kUnwritten)
                           out.emplace_back("conflict", std::to_string(conflict));
                       return ok;
                   }});
}

void AddGrammarOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(ReadNumber("read-grammar-count",
                             "read the number of grammars, built-in wordsets included", "count",
                             &ModuleController::ReadGrammarCount));
    ops.push_back({"read-grammar-word-count",
                   {"GRAMMAR"},
                   "read how many words a grammar holds",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int count = 0;
                       if (!s.controller.ReadGrammarWordCount(a.Int(0), count)) return false;
                       out.emplace_back("count", std::to_string(count));
                       return true;
                   }});
    ops.push_back({"read-grammar-words",
                   {"GRAMMAR"},
                   "read the words of a grammar",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int flags = 0;
                       int count = 0;
                       std::vector<std::string> words;
                       if (!s.controller.ReadGrammarWords(a.Int(0), flags, count, words))
                           return false;
                       out.emplace_back("flags", std::to_string(flags));
                       out.emplace_back("count", std::to_string(count));
                       out.emplace_back("words", Join(words));
                       return true;
                   }});
}

void AddStorageOperations(std::vector<ShellOperation>& ops) {
    ops.push_back({"read-sound-table",
                   {},
                   "read the sound table's name and sound count",
                   [](ShellContext& s, const ShellArgs&, ShellOutputs& out) {
                       std::string name;
                       int count = 0;
                       if (!s.controller.ReadSoundTable(name, count)) return false;
                       out.emplace_back("name", name);
                       out.emplace_back("count", std::to_string(count));
                       return true;
                   }});
    ops.push_back({"read-message",
                   {"SLOT"},
                   "read a message slot's sample width and length in bytes (-1: damaged)",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int bits = 0;
                       int length = 0;
                       if (!s.controller.ReadMessage(a.Int(0), bits, length)) return false;
                       out.emplace_back("bits", std::to_string(bits));
                       out.emplace_back("length", std::to_string(length));
                       return true;
                   }});
    ops.push_back({"check-message-memory",
                   {"FIX"},
                   "check the message memory (0), or check and repair it (1)",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       int result = 0;
                       if (!s.controller.CheckMessageMemory(a.Int(0) != 0, result)) return false;
                       out.emplace_back("result", std::to_string(result));
                       return true;
                   }});
    ops.push_back({"export-command-data",
                   {"GROUP", "INDEX"},
                   "read a trained command's data as 516 hexadecimal digits",
                   [](ShellContext& s, const ShellArgs& a, ShellOutputs& out) {
                       std::string data;
                       if (!s.controller.ExportCommandData(a.Int(0), a.Int(1), data)) return false;
                       out.emplace_back("data", data);
                       return true;
                   }});
    ops.push_back(ReadNumber("read-stored-language",
                             "read the recognition language kept for this module", "language",
                             &ModuleController::ReadStoredLanguage));
}

}  // namespace

void AddReadOperations(std::vector<ShellOperation>& ops) {
    ops.push_back(ReadNumber("read-version-id", "read the firmware ID", "id",
                             &ModuleController::ReadVersionId));
    AddGroupOperations(ops);
    AddGrammarOperations(ops);
    AddStorageOperations(ops);
}

}  // namespace parlix::cli
