// One entry of a model list: a command, a word, a sound table name or a
// message slot. Its fields are read and written under its lock pair; the
// changed flag alone is an atomic, so that a view can poll and clear it.
#pragma once

#include "module/LockPair.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace parlix {

class VoiceEntry {
  public:
    VoiceEntry() = default;
    VoiceEntry(const VoiceEntry&) = delete;
    VoiceEntry& operator=(const VoiceEntry&) = delete;

    // Empty label, not loaded, every value 0, no conflict, changed. The
    // conflict value is reset too, so that a cleared command keeps no stale one.
    void Clear();
    // Takes over label, values and loaded of `other` (a command that moves to
    // another position); marks this entry changed.
    void CopyFrom(const VoiceEntry& other);

    LockPair lock;
    std::atomic<bool> changed{false};
    bool loaded = false;
    // Module form for commands and words, a fixed text for message slots.
    std::string label;
    // Command: how often it was trained; -1 for a fixed word, which cannot be.
    std::int32_t trained = 0;
    // Command: the index of the similar command, or a sentinel.
    std::int32_t conflict = 0;
    bool hasConflict = true;
    // Message slot: the sample width in bits (0 when empty) and the length in bytes.
    std::int32_t bits = 0;
    std::int32_t length = 0;
};

}  // namespace parlix
