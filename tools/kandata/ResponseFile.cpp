#include "ResponseFile.h"

#include "base/Trim.h"

#include <cerrno>
#include <cstdlib>

namespace kandata {
namespace {

using parlix::kLineBlanks;
using parlix::Trim;

// Words between blanks; a double quote groups blanks into a word and is dropped.
bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& error) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (kLineBlanks.find(line[i]) != std::string_view::npos) {
            ++i;
            continue;
        }
        std::string word;
        while (i < line.size() && kLineBlanks.find(line[i]) == std::string_view::npos) {
            if (line[i] == '"') {
                const auto close = line.find('"', i + 1);
                if (close == std::string_view::npos) {
                    error = "a quote is not closed";
                    return false;
                }
                word.append(line.substr(i + 1, close - i - 1));
                i = close + 1;
            } else {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return true;
}

bool ParseAddress(const std::string& text, std::uint32_t& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || parsed > 0xFFFFFFFFull) return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i]) return false;
    }
    return true;
}

bool ParseWords(const std::vector<std::string>& words, Response& response, std::string& error) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "-d" || word == "-e") {
            std::uint32_t value = 0;
            if (i + 1 == words.size() || !ParseAddress(words[i + 1], value)) {
                error = "option " + word + " needs an address";
                return false;
            }
            (word == "-d" ? response.dataStart : response.dataEnd) = value;
            ++i;
        } else if (word == "-o") {
            error = "-o must begin its own line";
            return false;
        } else if (!word.empty() && word[0] == '-') {
            error = "unknown option " + word;
            return false;
        } else if (EndsWith(word, ".h")) {
            response.headers.push_back(word);
        } else if (EndsWith(word, ".mco")) {
            response.models.push_back(word);
        } else {
            error = "not a header (.h) or model (.mco) input: \"" + word + "\"";
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParseResponse(std::string_view text, Response& response, std::string& error) {
    response = Response{};
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty()) continue;
        // The base is the rest of the line, unquoted, so it may hold blanks.
        if (line.starts_with("-o ") || line.starts_with("-o\t")) {
            response.outputBase = std::string(Trim(line.substr(3)));
            continue;
        }
        std::vector<std::string> words;
        if (!SplitWords(line, words, error) || !ParseWords(words, response, error)) return false;
    }
    if (response.outputBase.empty()) {
        error = "no output base (-o)";
        return false;
    }
    if (response.dataStart.has_value() != response.dataEnd.has_value()) {
        error = "-d and -e go together";
        return false;
    }
    if (response.dataStart && *response.dataStart > *response.dataEnd) {
        error = "the data range ends before it starts";
        return false;
    }
    if (response.models.empty()) {
        error = "no model input (.mco)";
        return false;
    }
    return true;
}

}  // namespace kandata
