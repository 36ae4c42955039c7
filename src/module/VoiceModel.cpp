// The model's state as a whole: construction, capabilities, the resets and
// the built-in words.
#include "module/VoiceModel.h"

#include "base/FrontEnd.h"
#include "module/BuiltinWords.h"
#include "module/Labels.h"

#include <algorithm>
#include <vector>

namespace parlix {
namespace {

// The firmware ID from which each capability is present, in Capability order.
constexpr std::array<int, 6> kCapabilityIds{1, 2, 3, 9, 12, 12};

}  // namespace

VoiceModel::VoiceModel(FrontEnd* frontEnd)
    : frontEnd_(frontEnd), uiThread_(std::this_thread::get_id()) {
    dispatchingWait_ = [this](const std::function<bool()>& ready) {
        frontEnd_->DispatchingWait(ready);
    };
}

void VoiceModel::SetCapabilities(int firmwareId) {
    for (std::size_t i = 0; i < kCapabilityIds.size(); ++i)
        capabilities_[i] = firmwareId >= kCapabilityIds[i];
}

bool VoiceModel::HasCapability(Capability capability) const {
    return capabilities_[static_cast<std::size_t>(capability)].load();
}

VoiceList* VoiceModel::ListAt(int list) {
    if (list == kTriggerWordsList) return &triggerWords_;
    if (list < 0 || list >= kListCount) return nullptr;
    return &lists_[static_cast<std::size_t>(list)];
}

const LockWait* VoiceModel::Wait() const {
    if (frontEnd_ == nullptr || std::this_thread::get_id() != uiThread_) return nullptr;
    return &dispatchingWait_;
}

void VoiceModel::ResetModel() {
    const LockWait* wait = Wait();
    UpdateLock model(lock_, wait);
    totalCommands_ = 0;
    grammarCount_ = 0;
    for (int n = 0; n < kListCount; ++n) {
        if (n >= kGroupLists && n < kFirstGrammarList) continue;
        VoiceList& list = *ListAt(n);
        UpdateLock hold(list.lock, wait);
        list.Clear(wait);
    }
    FillBuiltinLists();
    {
        // The group reader reads the table on every run, so its count stays unknown.
        VoiceList& sounds = *ListAt(kSoundList);
        UpdateLock hold(sounds.lock, wait);
        if (HasCapability(Capability::SoundTable)) {
            const std::string beep;
            sounds.FillFromLabels({&beep, 1}, true, wait);
            sounds.countKnown = false;
        } else {
            sounds.FillFromLabels({}, true, wait);
        }
    }
    {
        // Known slots, each still to be read by the command reader.
        VoiceList& messages = *ListAt(kMessageList);
        UpdateLock hold(messages.lock, wait);
        if (HasCapability(Capability::Messages)) {
            const std::vector<std::string> slots(kMessageSlots);
            messages.FillFromLabels(slots, false, wait);
            messages.countKnown = true;
        } else {
            messages.FillFromLabels({}, true, wait);
        }
    }
    changed_ = true;
}

bool VoiceModel::LoadBuiltinWords(int language) {
    const BuiltinWordTables* tables = BuiltinWords(language);
    if (tables == nullptr) return false;
    UpdateLock model(lock_, Wait());
    for (std::size_t t = 0; t < wordTables_.size(); ++t) {
        const BuiltinWordTable& source = (*tables)[t];
        WordTable& table = wordTables_[t];
        table.count = source.count;
        for (std::size_t w = 0; w < table.words.size(); ++w)
            table.words[w] = std::string(source.words[w]);
    }
    FillBuiltinLists();
    changed_ = true;
    return true;
}

void VoiceModel::FillBuiltinLists() {
    const LockWait* wait = Wait();
    for (std::size_t t = 0; t < wordTables_.size(); ++t) {
        const WordTable& table = wordTables_[t];
        const std::vector<std::string> labels(table.words.begin(),
                                              table.words.begin() + std::clamp(table.count, 0, 11));
        VoiceList& list = t < 3 ? *ListAt(kFirstWordsetList + static_cast<int>(t)) : triggerWords_;
        UpdateLock hold(list.lock, wait);
        list.FillFromLabels(labels, true, wait);
    }
}

void VoiceModel::ClearAfterReset(bool clearGroups, bool clearMessages) {
    const LockWait* wait = Wait();
    UpdateLock model(lock_, wait);
    if (clearGroups) {
        // A reset of the messages alone leaves the groups, so it keeps their total.
        totalCommands_ = 0;
        grammarCount_ = 0;
        for (int n = 0; n < kGroupLists; ++n) {
            VoiceList& list = *ListAt(n);
            UpdateLock hold(list.lock, wait);
            list.Clear(wait);
            list.countKnown = true;  // known to be empty now
        }
    }
    if (clearMessages) {
        VoiceList& messages = *ListAt(kMessageList);
        UpdateLock hold(messages.lock, wait);
        if (HasCapability(Capability::Messages)) {
            for (VoiceEntry& slot : messages.entries) {
                UpdateLock entry(slot.lock, wait);
                slot.label = MessageSlotLabel(0);
                slot.bits = 0;
                slot.length = 0;
                slot.loaded = true;
                slot.changed = true;
            }
            messages.changed = true;
        } else {
            messages.FillFromLabels({}, true, wait);
        }
    }
    changed_ = true;
}

}  // namespace parlix
