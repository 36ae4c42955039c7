#include "ui/logic/StateReader.h"

#include "module/VoiceModel.h"

namespace parlix::ui {

void ReadModelFacts(VoiceModel& model, WindowState& s) {
    s.count = -1;
    s.wholeRowRead = s.rowHasTrained = false;
    s.selRead = s.selTrained = s.selEmptySlot = s.selRecorded = false;
    s.allRead = s.room = false;
    s.triggerCount = -1;
    if (!s.connected) return;

    s.allRead = model.AreGroupsLoaded();
    s.room = model.CanAddCommand();
    s.triggerCount = model.GetListCount(kTriggerList);
    if (s.row < 0) return;
    s.count = model.GetListCount(s.row);
    s.wholeRowRead = model.IsListLoaded(s.row);
    s.rowHasTrained = model.HasTrainedCommand(s.row);
    if (s.sel < 0) return;
    const auto entry = model.TryReadEntry(s.row, s.sel);
    if (!entry || !entry->loaded) return;
    s.selRead = true;
    s.selTrained = entry->valueA > 0;
    s.selEmptySlot = entry->valueA == 0;
    s.selRecorded = entry->valueA > 0;
}

}  // namespace parlix::ui
