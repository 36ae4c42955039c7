#include "module/VoiceEntry.h"

namespace parlix {

void CVoiceEntry::Clear() {
    label.clear();
    loaded = false;
    valueA = 0;
    valueB = 0;
    flag = false;
    changed = true;
}

void CVoiceEntry::CopyFrom(const CVoiceEntry& other) {
    label = other.label;
    valueA = other.valueA;
    valueB = other.valueB;
    flag = other.flag;
    loaded = other.loaded;
    changed = true;
}

}  // namespace parlix
