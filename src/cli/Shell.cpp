#include "cli/Shell.h"

#include "cli/ShellOperations.h"
#include "module/ModuleController.h"

#include <fmt/format.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace parlix::cli {
namespace {

void PrintHelp(std::FILE* out) {
    for (const auto& op : ShellOperations()) {
        std::string usage = op.name;
        for (const auto& param : op.params) usage += " " + param;
        fmt::print(out, "{:<40} {}\n", usage, op.summary);
    }
    fmt::print(out, "{:<40} {}\n", "help", "list the operations");
}

}  // namespace

bool RunShell(ModuleController& controller, std::istream& in, std::FILE* out, std::FILE* err) {
    ShellContext context{controller};
    bool allOk = true;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        if (!(words >> name) || name[0] == '#') continue;
        std::vector<std::string> args;
        for (std::string word; words >> word;) args.push_back(word);
        if (name == "help") {
            PrintHelp(out);
            std::fflush(out);
            continue;
        }
        const ShellOperation* op = FindShellOperation(name);
        ShellOutputs outputs;
        bool ok = false;
        if (!op) {
            fmt::print(err, "parlix-cli: unknown operation \"{}\" (try \"help\")\n", name);
        } else if (args.size() != op->params.size()) {
            fmt::print(err, "parlix-cli: {} takes {} argument(s)\n", name, op->params.size());
        } else {
            try {
                ok = op->run(context, ShellArgs(std::move(args)), outputs);
            } catch (const std::invalid_argument& e) {
                fmt::print(err, "parlix-cli: {}: {}\n", name, e.what());
            }
        }
        std::string result = ok ? "ok" : "failed";
        for (const auto& [key, value] : outputs) result += " " + key + "=" + value;
        fmt::print(out, "{}\n", result);
        std::fflush(out);
        std::fflush(err);
        allOk = allOk && ok;
    }
    if (context.lipsyncRunning) {  // a stream left running ends with the session
        controller.Interrupt();
        controller.EndLipsync();
    }
    return allOk;
}

}  // namespace parlix::cli
