// The module's token receiver: finds an audio token in a sound file, as the
// module hears it through its microphone.
#pragma once

#include <optional>
#include <string>

namespace parlix::sim {

// The token of `bits` data bits that the RIFF sound file at `path` holds, or
// nothing when the file cannot be read or holds no clean frame of that length.
std::optional<int> HearToken(const std::string& path, int bits);

}  // namespace parlix::sim
