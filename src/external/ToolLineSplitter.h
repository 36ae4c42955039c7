// Turns a tool's captured output into lines, chunk by chunk, as a console
// would show them. A line ends at whichever of CR or LF comes first; CR LF is
// one line end, even when a read splits the pair. A line that ended with a
// lone CR is overwritten by the next one, as with progress lines ("10%\r20%\r"),
// so the next line carries one CR in front to tell the receiver so. A CR at
// the end of a read ends its line at once, so progress shows without delay.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace parlix {

class ToolLineSplitter {
  public:
    using LineSink = std::function<void(std::string line)>;

    // Appends the bytes of one read and hands on every line they complete.
    void Feed(std::string_view bytes, const LineSink& sink);

    // The output has ended: hands on what is left as the last line. A lone CR
    // at the very end still ends a line and is not part of it.
    void Finish(const LineSink& sink);

  private:
    void Emit(std::string_view line, bool endedWithLoneCr, const LineSink& sink);

    std::string pending_;
    bool previousEndedWithLoneCr_ = false;
    bool awaitingLf_ = false;  // the last read ended with CR: an LF next is no new line
};

}  // namespace parlix
