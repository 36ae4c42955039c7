#include "ui/logic/StateReader.h"

namespace parlix::ui {

void ReadModelFacts(VoiceModel& model, WindowState& s) {
    s.count = -1;
    s.wholeRowRead = s.rowHasTrained = false;
    s.selRead = s.selTrained = s.selEmptySlot = s.selRecorded = false;
    s.allRead = s.room = false;
    s.triggerCount = -1;
    if (!s.connected) return;

    const SelectionFacts facts = ReadSelectionFacts(model, s.row, s.sel);
    s.allRead = facts.allRead;
    s.room = facts.room;
    s.triggerCount = facts.triggerCount;
    s.count = facts.count;
    s.wholeRowRead = facts.wholeRowRead;
    s.rowHasTrained = facts.rowHasTrained;
    s.selRead = facts.selRead;
    s.selTrained = facts.selTrained;
    s.selEmptySlot = facts.selEmptySlot;
    s.selRecorded = facts.selRecorded;
}

}  // namespace parlix::ui
