#include "module/VoiceList.h"

#include <algorithm>

namespace parlix {

void CVoiceList::Clear(const LockWait* wait) {
    count = 0;
    fixedEntries = false;
    for (CVoiceEntry& entry : entries) {
        CUpdateLock hold(entry.lock, wait);
        entry.Clear();
    }
    changed = true;
    countKnown = false;
}

void CVoiceList::FillFromLabels(std::span<const std::string> labels, bool loaded,
                                const LockWait* wait) {
    fixedEntries = true;
    count = static_cast<std::int32_t>(std::min<std::size_t>(labels.size(), kEntriesPerList));
    for (int i = 0; i < kEntriesPerList; ++i) {
        CVoiceEntry& entry = entries[static_cast<std::size_t>(i)];
        CUpdateLock hold(entry.lock, wait);
        entry.Clear();
        if (i < count) {
            entry.label = labels[static_cast<std::size_t>(i)];
            entry.valueA = -1;
            entry.loaded = loaded;
        }
    }
    changed = true;
    countKnown = loaded;
}

int CVoiceList::EntriesInUse() const {
    return std::clamp<int>(count, 0, kEntriesPerList);
}

}  // namespace parlix
