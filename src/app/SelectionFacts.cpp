#include "app/SelectionFacts.h"

#include "module/VoiceModel.h"

namespace parlix {

SelectionFacts ReadSelectionFacts(VoiceModel& model, int row, int sel) {
    SelectionFacts facts;
    facts.allRead = model.AreGroupsLoaded();
    facts.room = model.CanAddCommand();
    facts.triggerCount = model.GetListCount(kTriggerList);
    if (row < 0) return facts;
    facts.count = model.GetListCount(row);
    facts.wholeRowRead = model.IsListLoaded(row);
    facts.rowHasTrained = model.HasTrainedCommand(row);
    if (sel < 0) return facts;
    const auto entry = model.TryReadEntry(row, sel);
    if (!entry || !entry->loaded) return facts;
    facts.selRead = true;
    // A slot's sample width tells a recording as a command's count tells training.
    const std::int32_t value = row == kMessageList ? entry->bits : entry->trained;
    facts.selTrained = value > 0;
    facts.selEmptySlot = value == 0;
    facts.selRecorded = value > 0;
    return facts;
}

}  // namespace parlix
