#include "cli/ShellOperations.h"

#include "module/ModuleController.h"

#include <charconv>
#include <stdexcept>

namespace parlix::cli {

int ShellArgs::Int(std::size_t i) const {
    const std::string& word = words_.at(i);
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw std::invalid_argument("not a number: \"" + word + "\"");
    return value;
}

namespace {

std::vector<ShellOperation> BuildOperations() {
    std::vector<ShellOperation> ops;
    ops.push_back({"read-version-id", {}, "read the firmware ID",
                   [](CModuleController& c, const ShellArgs&, ShellOutputs& out) {
                       int id = 0;
                       if (!c.ReadVersionId(id)) return false;
                       out.emplace_back("id", std::to_string(id));
                       return true;
                   }});
    ops.push_back({"set-reply-delay", {"MS"}, "set the module's reply delay in milliseconds",
                   [](CModuleController& c, const ShellArgs& a, ShellOutputs&) {
                       return c.SetReplyDelay(a.Int(0));
                   }});
    return ops;
}

}  // namespace

const std::vector<ShellOperation>& ShellOperations() {
    static const std::vector<ShellOperation> ops = BuildOperations();
    return ops;
}

const ShellOperation* FindShellOperation(const std::string& name) {
    for (const auto& op : ShellOperations())
        if (op.name == name) return &op;
    return nullptr;
}

}  // namespace parlix::cli
