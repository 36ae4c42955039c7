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

    // Empty label, not loaded, value A 0, flag false, changed. Value B is
    // reset too, so that a cleared command carries no stale conflict.
    void Clear();
    // Takes over label, values, flag and loaded of `other` (a command that
    // moves to another position); marks this entry changed.
    void CopyFrom(const VoiceEntry& other);

    LockPair lock;
    std::atomic<bool> changed{false};
    bool loaded = false;
    // Module form for commands and words, a fixed text for message slots.
    std::string label;
    // Command: trained count. Message: sample width in bits. Fixed word: -1.
    std::int32_t valueA = 0;
    // Command: conflict value. Message: length in bytes.
    std::int32_t valueB = 0;
    // Command: has a conflict.
    bool flag = true;
};

}  // namespace parlix
