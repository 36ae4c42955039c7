// A tool's command line as the callers write it: a program, quoted when its
// path may hold blanks, and arguments with the same quoting. Tools are started
// from the split list, never through a shell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

struct ToolCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// Splits off the program: a leading quoted text up to the next quote, else the
// text before the first blank. With no closing quote, or no blank after the
// first character, the whole command is the program.
ToolCommand SplitToolCommand(std::string_view command);

// Splits arguments at blanks and tabs; double quotes group blanks into one
// argument and are dropped ("-c" "a b" and @"a b" are one argument each).
// Backslashes are literal except before a quote: 2n of them and a quote give
// n backslashes and a grouping quote, 2n+1 give n backslashes and a literal quote.
std::vector<std::string> SplitToolArguments(std::string_view text);

}  // namespace parlix
