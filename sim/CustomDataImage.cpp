#include "sim/CustomDataImage.h"

#include <optional>
#include <string>
#include <vector>

namespace parlix::sim {
namespace {

// Where each layout begins: the current one, and the one of older modules
// (Parlix 2.0), which builders still write on request.
constexpr std::uint32_t kNewStart = 0x30000;
constexpr std::uint32_t kOldStart = 0x20000;
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kMaxSoundCount = 1023;

// Reads the image's bytes in order; any gap or overrun makes it invalid.
class Reader {
  public:
    explicit Reader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    bool Done() const { return at_ == bytes_.size(); }
    std::optional<std::uint32_t> Number(int size) {
        if (bytes_.size() - at_ < static_cast<std::size_t>(size)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<std::uint32_t>(bytes_[at_++]) << (8 * i);
        return value;
    }
    std::optional<std::string> Label() {
        const auto size = Number(1);
        if (!size || *size == 0 || *size > static_cast<std::uint32_t>(kMaxLabel) ||
            bytes_.size() - at_ < *size)
            return std::nullopt;
        std::string text(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                         bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + *size));
        at_ += *size;
        for (const char c : text)
            if (!IsLabelChar(c)) return std::nullopt;
        return text;
    }
    bool Skip(std::size_t size) {
        if (bytes_.size() - at_ < size) return false;
        at_ += size;
        return true;
    }
    std::optional<Reader> Chunk(std::size_t size) {
        if (bytes_.size() - at_ < size) return std::nullopt;
        Reader chunk({bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                      bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + size)});
        at_ += size;
        return chunk;
    }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// `count` bytes from `start`, none missing.
std::optional<std::vector<std::uint8_t>> Span(const FlashBytes& flash, std::uint32_t start,
                                              std::size_t count) {
    std::vector<std::uint8_t> out;
    out.reserve(count);
    auto it = flash.find(start);
    for (std::size_t i = 0; i < count; ++i, ++it) {
        if (it == flash.end() || it->first != start + i) return std::nullopt;
        out.push_back(it->second);
    }
    return out;
}

struct Content {
    bool hasSoundTable = false;
    std::string soundTableName;
    int soundCount = 0;
    std::vector<Grammar> grammars;
};

bool ReadSoundTable(Reader chunk, Content& content) {
    if (content.hasSoundTable) return false;
    const auto name = chunk.Label();
    const auto count = chunk.Number(2);
    if (!name || !count || *count == 0 || *count > kMaxSoundCount) return false;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto sound = chunk.Label();
        const auto size = chunk.Number(2);
        if (!sound || !size || !chunk.Skip(*size)) return false;
    }
    content.hasSoundTable = true;
    content.soundTableName = *name;
    content.soundCount = static_cast<int>(*count);
    return chunk.Done();
}

bool ReadGrammar(Reader chunk, Content& content) {
    const auto flags = chunk.Number(1);
    const auto name = chunk.Label();
    const auto count = chunk.Number(1);
    if (!flags || *flags > 31 || !name || !count || *count == 0 || *count > 32) return false;
    Grammar grammar;
    grammar.flags = static_cast<int>(*flags);
    for (std::uint32_t i = 0; i < *count; ++i) {
        auto word = chunk.Label();
        if (!word) return false;
        grammar.words.push_back(std::move(*word));
    }
    content.grammars.push_back(std::move(grammar));
    return chunk.Done() &&
           kBuiltinGrammars + content.grammars.size() <= static_cast<std::size_t>(kMaxGrammars);
}

bool ReadAcousticModel(Reader chunk) {
    const auto name = chunk.Label();
    const auto size = chunk.Number(2);
    return name && size && chunk.Skip(*size) && chunk.Done();
}

std::optional<Content> ReadImage(const FlashBytes& flash) {
    if (flash.empty()) return std::nullopt;
    const std::uint32_t start = flash.begin()->first;
    const int layout = start == kNewStart ? 2 : start == kOldStart ? 1 : 0;
    const auto header = Span(flash, start, kHeaderSize);
    if (layout == 0 || !header) return std::nullopt;
    const auto& h = *header;
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint32_t>(h[at]) | static_cast<std::uint32_t>(h[at + 1]) << 8 |
               static_cast<std::uint32_t>(h[at + 2]) << 16 |
               static_cast<std::uint32_t>(h[at + 3]) << 24;
    };
    if (h[0] != 'P' || h[1] != 'X' || h[2] != 'C' || h[3] != 'D' || h[4] != layout)
        return std::nullopt;
    const std::uint32_t length = word(8);
    if (length > flash.size()) return std::nullopt;
    auto payload = Span(flash, start + static_cast<std::uint32_t>(kHeaderSize), length);
    if (!payload) return std::nullopt;
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : *payload) sum += byte;
    if (sum != word(12)) return std::nullopt;

    Content content;
    Reader reader(std::move(*payload));
    for (int chunks = h[5]; chunks > 0; --chunks) {
        const auto tag = reader.Number(1);
        const auto size = reader.Number(4);
        if (!tag || !size) return std::nullopt;
        auto chunk = reader.Chunk(*size);
        if (!chunk) return std::nullopt;
        const bool ok = *tag == 'S'   ? ReadSoundTable(std::move(*chunk), content)
                        : *tag == 'G' ? ReadGrammar(std::move(*chunk), content)
                        : *tag == 'M' ? ReadAcousticModel(std::move(*chunk))
                                      : false;
        if (!ok) return std::nullopt;
    }
    if (!reader.Done()) return std::nullopt;
    return content;
}

}  // namespace

bool ApplyCustomDataImage(const FlashBytes& bytes, ModuleMemory& memory) {
    const auto content = ReadImage(bytes);
    if (!content) return false;
    // The image is the whole custom data: what it leaves out is gone.
    memory.hasSoundTable = content->hasSoundTable;
    memory.soundTableName = content->soundTableName;
    memory.soundCount = content->soundCount;
    memory.grammars = content->grammars;
    return true;
}

}  // namespace parlix::sim
