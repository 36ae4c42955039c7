// Reads a protocol trace back for tests: its lines, its records, and the
// bytes on the wire with their direction.
#pragma once

#include <string>
#include <vector>

namespace parlix::test {

struct TraceRecord {
    std::string tag;      // TX, RX, LINE, STATUS, BOX, ANSWER, END; "?" for a malformed line
    std::string payload;  // for TX and RX the bytes as hex, without the printable rendering
};

std::vector<std::string> ReadTraceLines(const std::string& path);
// The records below the two header lines.
std::vector<TraceRecord> ReadTraceRecords(const std::string& path);
// Every byte of the TX and RX records in order, each as '>' (sent) or '<'
// (received) followed by the byte as a character.
std::string WireText(const std::vector<TraceRecord>& records);
// The payloads of the records with `tag`, in order.
std::vector<std::string> Payloads(const std::vector<TraceRecord>& records, const std::string& tag);

}  // namespace parlix::test
