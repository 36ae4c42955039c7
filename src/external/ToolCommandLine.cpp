#include "external/ToolCommandLine.h"

namespace parlix {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

ToolCommand SplitToolCommand(std::string_view command) {
    ToolCommand result;
    std::string_view rest;
    if (!command.empty() && command.front() == '"') {
        const std::size_t close = command.find('"', 1);
        if (close == std::string_view::npos) {
            result.program = command;
            return result;
        }
        result.program = command.substr(1, close - 1);
        rest = command.substr(close + 1);
    } else {
        const std::size_t blank = command.find(' ', 1);
        if (command.empty() || blank == std::string_view::npos) {
            result.program = command;
            return result;
        }
        result.program = command.substr(0, blank);
        rest = command.substr(blank);
    }
    result.arguments = SplitToolArguments(rest);
    return result;
}

std::vector<std::string> SplitToolArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!quoted && IsBlank(c)) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            std::size_t count = 0;
            while (i < text.size() && text[i] == '\\') {
                ++count;
                ++i;
            }
            if (i < text.size() && text[i] == '"') {
                current.append(count / 2, '\\');
                if (count % 2 == 1) {
                    current.push_back('"');
                    ++i;
                }
            } else {
                current.append(count, '\\');
            }
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        } else {
            current.push_back(c);
        }
        ++i;
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace parlix
