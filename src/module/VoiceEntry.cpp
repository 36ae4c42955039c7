#include "module/VoiceEntry.h"

namespace parlix {

void VoiceEntry::Clear() {
    label.clear();
    loaded = false;
    valueA = 0;
    valueB = 0;
    flag = false;
    changed = true;
}

void VoiceEntry::CopyFrom(const VoiceEntry& other) {
    label = other.label;
    valueA = other.valueA;
    valueB = other.valueB;
    flag = other.flag;
    loaded = other.loaded;
    changed = true;
}

}  // namespace parlix
