#include "external/TemplateRecord.h"

namespace parlix {
namespace {

// The text up to the next `separator`, which is consumed; the rest when there is none.
std::string_view TakeField(std::string_view& text, char separator) {
    const std::size_t end = text.find(separator);
    const std::string_view field = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return field;
}

}  // namespace

TemplateRecord TemplateRecord::Split(std::string_view record) {
    TemplateRecord fields;
    fields.file = TakeField(record, '|');
    fields.extension = TakeField(record, '|');
    fields.filter = TakeField(record, '|');
    fields.pattern = record;
    return fields;
}

std::vector<FilterPair> FilterPairs(std::string_view filter) {
    std::vector<FilterPair> pairs;
    while (!filter.empty()) {
        const std::string_view description = TakeField(filter, '^');
        if (filter.empty()) break;
        const std::string_view pattern = TakeField(filter, '^');
        pairs.push_back({std::string(description), std::string(pattern)});
    }
    return pairs;
}

}  // namespace parlix
