#include "res/TsCatalog.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace parlix::test {
namespace {

[[noreturn]] void Fault(const std::string& what) {
    throw std::runtime_error("catalog: " + what);
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// "x41" or "65" as lupdate writes them in &#...; and <byte value="..."/>.
unsigned long CharCode(const std::string& digits) {
    if (digits.empty()) Fault("empty character reference");
    const bool hex = digits[0] == 'x';
    const std::string number = hex ? digits.substr(1) : digits;
    std::size_t used = 0;
    const unsigned long code = std::stoul(number, &used, hex ? 16 : 10);
    if (used != number.size()) Fault("bad character reference " + digits);
    return code;
}

std::string Unescape(const std::string& text) {
    static const std::map<std::string, char> kNamed{
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (end == std::string::npos) Fault("unterminated entity");
        const std::string name = text.substr(i + 1, end - i - 1);
        if (!name.empty() && name[0] == '#') {
            AppendUtf8(out, CharCode(name.substr(1)));
        } else if (const auto it = kNamed.find(name); it != kNamed.end()) {
            out += it->second;
        } else {
            Fault("unknown entity &" + name + ";");
        }
        i = end;
    }
    return out;
}

std::string Attribute(const std::string& tag, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = tag.find(key);
    if (at == std::string::npos) return {};
    const std::size_t begin = at + key.size();
    const std::size_t end = tag.find('"', begin);
    if (end == std::string::npos) Fault("unterminated attribute in <" + tag + ">");
    return Unescape(tag.substr(begin, end - begin));
}

// Walks the elements; keeps the text of the element being collected.
class Reader {
  public:
    explicit Reader(std::string xml) : xml_(std::move(xml)) {}

    TsCatalog Read() {
        while (pos_ < xml_.size()) {
            const std::size_t open = xml_.find('<', pos_);
            if (open == std::string::npos) break;
            Text(xml_.substr(pos_, open - pos_));
            Markup(open);
        }
        if (!sawTs_) Fault("no <TS> element");
        return std::move(catalog_);
    }

  private:
    void Text(const std::string& raw) {
        if (target_) *target_ += Unescape(raw);
    }

    void Markup(std::size_t open) {
        if (xml_.compare(open, 4, "<!--") == 0) {
            pos_ = Skip(open, "-->");
            return;
        }
        if (xml_.compare(open, 2, "<?") == 0 || xml_.compare(open, 2, "<!") == 0) {
            pos_ = Skip(open, ">");
            return;
        }
        const std::size_t close = xml_.find('>', open);
        if (close == std::string::npos) Fault("unterminated tag");
        std::string tag = xml_.substr(open + 1, close - open - 1);
        pos_ = close + 1;
        const bool closing = !tag.empty() && tag[0] == '/';
        const bool empty = !tag.empty() && tag.back() == '/';
        if (closing) tag.erase(0, 1);
        if (empty) tag.pop_back();
        const std::string name = tag.substr(0, tag.find_first_of(" \t\r\n"));
        if (closing)
            End(name);
        else
            Start(name, tag, empty);
    }

    std::size_t Skip(std::size_t from, const char* until) {
        const std::size_t end = xml_.find(until, from);
        if (end == std::string::npos) Fault("unterminated markup");
        return end + std::string(until).size();
    }

    void Start(const std::string& name, const std::string& tag, bool empty) {
        if (name == "TS") {
            sawTs_ = true;
            catalog_.language = Attribute(tag, "language");
        } else if (name == "context") {
            context_.clear();
        } else if (name == "name") {
            target_ = &context_;
        } else if (name == "message") {
            message_ = TsMessage{};
            message_.context = context_;
            inMessage_ = true;
            plural_ = Attribute(tag, "numerus") == "yes";
        } else if (name == "source" && inMessage_) {
            target_ = &message_.source;
        } else if (name == "translation" && inMessage_) {
            message_.type = Attribute(tag, "type");
            if (!plural_) {
                message_.translations.emplace_back();
                target_ = &message_.translations.back();
            }
        } else if (name == "numerusform" && inMessage_) {
            message_.translations.emplace_back();
            target_ = &message_.translations.back();
        } else if (name == "byte") {
            if (target_) AppendUtf8(*target_, CharCode(Attribute(tag, "value")));
        } else if (!empty) {
            // comment, extracomment, translatorcomment, location...: not collected.
            target_ = nullptr;
        }
        if (empty && name != "byte") target_ = nullptr;
    }

    void End(const std::string& name) {
        if (name == "message") {
            catalog_.messages.push_back(message_);
            inMessage_ = false;
        }
        if (name != "byte") target_ = nullptr;
    }

    std::string xml_;
    std::size_t pos_ = 0;
    TsCatalog catalog_;
    bool sawTs_ = false;
    std::string context_;
    TsMessage message_;
    bool inMessage_ = false;
    bool plural_ = false;  // the translation comes as <numerusform> elements
    std::string* target_ = nullptr;
};

}  // namespace

TsCatalog ReadTsCatalog(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) Fault("cannot open " + path);
    std::ostringstream contents;
    contents << file.rdbuf();
    try {
        return Reader(contents.str()).Read();
    } catch (const std::exception& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

}  // namespace parlix::test
