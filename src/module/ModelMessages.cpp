// Actions on message slots: the module command first, then the slot on success.
#include "module/Labels.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {
namespace {

constexpr int kRecordingBits = 8;
constexpr int kStartRecording = 0;
constexpr int kPollRecording = -1;

}  // namespace

bool VoiceModel::StartRecording(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    ListEntryLock hold(ListAt(kMessageList)->lock, entry->lock, wait);
    bool completed = false;
    if (!controller.RecordMessage(slot, kRecordingBits, kStartRecording, completed)) return false;
    entry->bits = 0;
    entry->label = RecordingLabel();
    entry->changed = true;
    return true;
}

bool VoiceModel::PollRecording(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return true;  // nothing can be recording there
    const LockWait* wait = Wait();
    ListEntryLock hold(ListAt(kMessageList)->lock, entry->lock, wait);
    bool completed = false;
    controller.RecordMessage(slot, kRecordingBits, kPollRecording, completed);
    if (!completed) return false;
    entry->loaded = false;
    hold.ReleaseEntry();
    RefreshMessage(slot, controller);
    return true;
}

bool VoiceModel::EraseMessageAt(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    ListEntryLock hold(ListAt(kMessageList)->lock, entry->lock, wait);
    if (!controller.EraseMessage(slot)) return false;
    entry->bits = 0;
    entry->label = MessageSlotLabel(0);
    entry->length = 0;
    entry->loaded = true;
    entry->changed = true;
    return true;
}

bool VoiceModel::PlayMessageAt(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    ListEntryLock hold(ListAt(kMessageList)->lock, entry->lock, wait);
    const int duration = MessageDuration(entry->bits, entry->length);
    // The slot stays readable by the views while the message plays.
    hold.ReleaseEntry();
    return controller.PlayMessage(slot, duration, 0, 0);
}

}  // namespace parlix
