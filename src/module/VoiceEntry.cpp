#include "module/VoiceEntry.h"

namespace parlix {

void VoiceEntry::Clear() {
    label.clear();
    loaded = false;
    trained = 0;
    conflict = 0;
    hasConflict = false;
    bits = 0;
    length = 0;
    changed = true;
}

void VoiceEntry::CopyFrom(const VoiceEntry& other) {
    label = other.label;
    trained = other.trained;
    conflict = other.conflict;
    hasConflict = other.hasConflict;
    bits = other.bits;
    length = other.length;
    loaded = other.loaded;
    changed = true;
}

}  // namespace parlix
