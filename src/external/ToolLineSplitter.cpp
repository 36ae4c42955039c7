#include "external/ToolLineSplitter.h"

namespace parlix {

void ToolLineSplitter::Feed(std::string_view bytes, const LineSink& sink) {
    if (awaitingLf_ && !bytes.empty()) {
        awaitingLf_ = false;
        if (bytes.front() == '\n') {
            // The CR that ended the last read was half of a CR LF pair after all.
            bytes.remove_prefix(1);
            previousEndedWithLoneCr_ = false;
        }
    }
    pending_.append(bytes);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = pending_.find_first_of("\r\n", start);
        if (end == std::string::npos) break;
        const std::string_view line(pending_.data() + start, end - start);
        if (pending_[end] == '\n') {
            Emit(line, false, sink);
            start = end + 1;
        } else if (end + 1 == pending_.size()) {
            // A progress line waits for no more output: shown now, and an LF
            // at the start of the next read only completes its line break.
            Emit(line, true, sink);
            start = end + 1;
            awaitingLf_ = true;
        } else if (pending_[end + 1] == '\n') {
            Emit(line, false, sink);
            start = end + 2;
        } else {
            Emit(line, true, sink);
            start = end + 1;
        }
    }
    pending_.erase(0, start);
}

void ToolLineSplitter::Finish(const LineSink& sink) {
    if (!pending_.empty() && pending_.back() == '\r') {
        // Only a lone CR can be left at the end: it ended its line.
        Emit(std::string_view(pending_).substr(0, pending_.size() - 1), true, sink);
    } else if (!pending_.empty()) {
        // Text without a line end overwrites nothing.
        previousEndedWithLoneCr_ = false;
        Emit(pending_, false, sink);
    }
    pending_.clear();
    previousEndedWithLoneCr_ = false;
    awaitingLf_ = false;
}

void ToolLineSplitter::Emit(std::string_view line, bool endedWithLoneCr, const LineSink& sink) {
    std::string text;
    text.reserve(line.size() + 1);
    if (previousEndedWithLoneCr_) text.push_back('\r');
    text.append(line);
    previousEndedWithLoneCr_ = endedWithLoneCr;
    sink(std::move(text));
}

}  // namespace parlix
