// Reading a whole file into memory with a bound, so that an endless device
// such as /dev/zero or a pipe that never ends cannot hold the program.
#pragma once

#include <cstddef>
#include <string>

namespace parlix {

enum class FileTextRead { kRead, kCannotOpen, kFolder, kNotRegular, kTooLarge, kCannotRead };

enum class FileKinds {
    kAny,          // files, pipes and devices, read once to their end
    kRegularOnly,  // opened without blocking, so a pipe without a writer cannot hang
};

// Reads at most `limit` bytes; a longer input gives kTooLarge without being
// read to its end. On any failure `text` is empty and `error` holds the errno
// value (0 where the system gave none).
FileTextRead ReadFileText(const std::string& path, std::string& text, std::size_t limit,
                          FileKinds kinds, int& error);

}  // namespace parlix
