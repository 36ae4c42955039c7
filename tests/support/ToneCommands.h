// The tones a host asked a module for, read from the bytes it sent: each 'w'
// with -1 ('@') as its first argument, as (tone, length argument); the dial
// tone is tone -1. Sounds ('w' with a sound index) are not tones.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace parlix::test {

template <typename Bytes>
std::vector<std::pair<int, int>> TonesSent(const Bytes& bytes) {
    std::vector<std::pair<int, int>> tones;
    for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
        if (bytes[i] == 'w' && bytes[i + 1] == '@') {
            tones.emplace_back(static_cast<int>(bytes[i + 2]) - 'A',
                               static_cast<int>(bytes[i + 3]) - 'A');
            i += 3;
        }
    return tones;
}

}  // namespace parlix::test
