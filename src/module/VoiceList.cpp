#include "module/VoiceList.h"

#include <algorithm>

namespace parlix {

void VoiceList::Clear(const LockWait* wait) {
    count = 0;
    fixedEntries = false;
    for (VoiceEntry& entry : entries) {
        UpdateLock hold(entry.lock, wait);
        entry.Clear();
    }
    changed = true;
    countKnown = false;
}

void VoiceList::FillFromLabels(std::span<const std::string> labels, bool loaded,
                               const LockWait* wait) {
    fixedEntries = true;
    count = static_cast<std::int32_t>(std::min<std::size_t>(labels.size(), kEntriesPerList));
    for (int i = 0; i < kEntriesPerList; ++i) {
        VoiceEntry& entry = entries[static_cast<std::size_t>(i)];
        UpdateLock hold(entry.lock, wait);
        entry.Clear();
        if (i < count) {
            entry.label = labels[static_cast<std::size_t>(i)];
            entry.trained = -1;
            entry.loaded = loaded;
        }
    }
    changed = true;
    countKnown = loaded;
}

int VoiceList::EntriesInUse() const {
    return std::clamp<int>(count, 0, kEntriesPerList);
}

}  // namespace parlix
