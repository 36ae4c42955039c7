// The operations of the line-based shell: one a line, named after the module
// operation in lower case with dashes, arguments separated by blanks.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace parlix {
class ModuleController;
}

namespace parlix::cli {

using ShellOutputs = std::vector<std::pair<std::string, std::string>>;

// Arguments as typed; the accessors reject what is not a number.
class ShellArgs {
  public:
    explicit ShellArgs(std::vector<std::string> words) : words_(std::move(words)) {}
    std::size_t Size() const { return words_.size(); }
    const std::string& Text(std::size_t i) const { return words_.at(i); }
    // Throws std::invalid_argument with a message for the user.
    int Int(std::size_t i) const;

  private:
    std::vector<std::string> words_;
};

// What the operations of one shell session share.
struct ShellContext {
    ModuleController& controller;
    bool lipsyncRunning = false;  // the controller lock is held for the stream
};

struct ShellOperation {
    std::string name;
    std::vector<std::string> params;  // as shown by help
    std::string summary;
    std::function<bool(ShellContext&, const ShellArgs&, ShellOutputs&)> run;
};

const std::vector<ShellOperation>& ShellOperations();
const ShellOperation* FindShellOperation(const std::string& name);

// The operations by subject, each in its own file.
void AddReadOperations(std::vector<ShellOperation>& ops);
void AddEditOperations(std::vector<ShellOperation>& ops);
void AddDeviceOperations(std::vector<ShellOperation>& ops);

}  // namespace parlix::cli
