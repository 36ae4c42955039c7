// Arbitrary bytes as shell input: each line split into an operation and its
// arguments as the shell splits it, the operation looked up and its arguments
// read the way the operations read them. Nothing runs on a module.
#include "FuzzCheck.h"
#include "cli/ShellOperations.h"
#include "module/Labels.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using parlix::cli::ShellArgs;
using parlix::fuzz::Check;

// What a number argument must be: an optional minus, decimal digits, and
// nothing else, within int.
bool IsIntText(const std::string& word, int& value) {
    const std::size_t digits = !word.empty() && word[0] == '-' ? 1 : 0;
    if (word.size() == digits) return false;
    for (std::size_t i = digits; i < word.size(); ++i)
        if (word[i] < '0' || word[i] > '9') return false;
    errno = 0;
    const long long wide = std::strtoll(word.c_str(), nullptr, 10);
    if (errno == ERANGE || wide < std::numeric_limits<int>::min() ||
        wide > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(wide);
    return true;
}

void CheckInt(const ShellArgs& args, std::size_t i) {
    int expected = 0;
    const bool number = IsIntText(args.Text(i), expected);
    try {
        const int value = args.Int(i);
        Check(number && value == expected, "a number argument reads as its decimal value");
    } catch (const std::invalid_argument&) {
        Check(!number, "only what is not a number is rejected");
    }
}

// The module form of a label typed as an argument.
void CheckLabel(const std::string& text) {
    const std::string label = parlix::EncodeLabel(text);
    Check(label.size() <= static_cast<std::size_t>(parlix::kMaxLabelLength), "a label fits");
    std::size_t i = 0;
    for (; i < label.size(); ++i) {
        const char c = label[i];
        Check((c >= 'A' && c <= 'Z') || c == '_' || c == '^', "a label holds module characters");
        if (c == '^') Check(++i < label.size(), "a '^' keeps its character");
    }
}

// The shell splits its lines inside RunShell, which needs a module; this is
// the same split (words between blanks, '#' starts a comment), kept in step by hand.
void ParseLine(const std::string& line) {
    std::istringstream split(line);
    std::vector<std::string> words;
    for (std::string word; split >> word;) words.push_back(word);
    if (words.empty() || words[0][0] == '#') return;

    const ShellArgs all(words);
    for (std::size_t i = 0; i < all.Size(); ++i) CheckInt(all, i);

    const auto* op = parlix::cli::FindShellOperation(words[0]);
    if (!op) return;
    Check(op->name == words[0], "the operation found is the one named");
    words.erase(words.begin());
    if (words.size() != op->params.size()) return;
    const ShellArgs args(std::move(words));
    for (std::size_t i = 0; i < args.Size(); ++i) {
        if (op->params[i] == "LABEL")
            CheckLabel(args.Text(i));
        else if (op->params[i] != "DATA")
            CheckInt(args, i);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(in, line);) ParseLine(line);
    return 0;
}
