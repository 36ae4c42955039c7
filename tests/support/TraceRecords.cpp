#include "support/TraceRecords.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace parlix::test {

std::vector<std::string> ReadTraceLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<TraceRecord> ReadTraceRecords(const std::string& path) {
    static const std::regex record(R"( *\d+\.\d{6} (TX|RX|LINE|STATUS|BOX|ANSWER|END) +(.*))");
    static const std::regex bytes(R"(((?:[0-9A-F]{2} )+) +.+)");
    const std::vector<std::string> lines = ReadTraceLines(path);
    std::vector<TraceRecord> records;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::smatch m;
        if (!std::regex_match(lines[i], m, record)) {
            records.push_back({"?", lines[i]});
            continue;
        }
        std::string tag = m[1].str();
        std::string payload = m[2].str();
        std::smatch b;
        if (tag == "TX" || tag == "RX") {
            const bool wellFormed = std::regex_match(payload, b, bytes);
            records.push_back({wellFormed ? tag : "?", wellFormed ? b[1].str() : payload});
            continue;
        }
        records.push_back({tag, payload});
    }
    return records;
}

std::string WireText(const std::vector<TraceRecord>& records) {
    std::string wire;
    for (const TraceRecord& r : records) {
        if (r.tag != "TX" && r.tag != "RX") continue;
        std::istringstream hex(r.payload);
        for (unsigned byte = 0; hex >> std::hex >> byte;) {
            wire += r.tag == "TX" ? '>' : '<';
            wire += static_cast<char>(byte);
        }
    }
    return wire;
}

std::vector<std::string> Payloads(const std::vector<TraceRecord>& records, const std::string& tag) {
    std::vector<std::string> out;
    for (const TraceRecord& r : records)
        if (r.tag == tag) out.push_back(r.payload);
    return out;
}

}  // namespace parlix::test
