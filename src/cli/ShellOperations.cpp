#include "cli/ShellOperations.h"

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
    AddReadOperations(ops);
    AddEditOperations(ops);
    AddDeviceOperations(ops);
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
