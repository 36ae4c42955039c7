// One list of the model: a command group, the sound table, the message slots,
// a wordset or a custom grammar, with up to 32 entries. Count and flags are
// guarded by the list's lock pair, each entry by its own.
#pragma once

#include "module/LockPair.h"
#include "module/VoiceEntry.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>

namespace parlix {

inline constexpr int kEntriesPerList = 32;

class VoiceList {
  public:
    VoiceList() = default;
    VoiceList(const VoiceList&) = delete;
    VoiceList& operator=(const VoiceList&) = delete;

    // Count 0, entries from the module, every entry cleared, count unknown.
    // Takes the entry locks (through `wait` when given); the caller holds
    // the list lock.
    void Clear(const LockWait* wait = nullptr);
    // Fixed entries from a table of labels (at most 32), never trained (-1), and
    // `loaded` both for the entries and for the count. The caller holds the
    // list lock.
    void FillFromLabels(std::span<const std::string> labels, bool loaded,
                        const LockWait* wait = nullptr);
    // How many entries the count covers; the sound table's count may exceed 32.
    int EntriesInUse() const;

    LockPair lock;
    std::atomic<bool> changed{false};
    bool countKnown = false;
    // The entries come from a table of labels and are never read from the module.
    bool fixedEntries = true;
    std::int32_t count = 0;
    std::array<VoiceEntry, kEntriesPerList> entries;
};

}  // namespace parlix
