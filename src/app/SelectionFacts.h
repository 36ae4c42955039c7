// What the window's command rules need to know of the model for the selected
// row and entry, read with the model's try-locks: whatever a job is updating
// reads as unknown, which disables what needs it.
#pragma once

namespace parlix {

class VoiceModel;

struct SelectionFacts {
    bool allRead = false;   // every group and every command is read
    bool room = false;      // a command can still be created
    int triggerCount = -1;  // commands of row 0; -1 while unknown
    // Of the selected row (none selected: left as they are).
    int count = -1;
    bool wholeRowRead = false;
    bool rowHasTrained = false;
    // Of the selected entry, once it is read.
    bool selRead = false;
    bool selTrained = false;    // a command trained at least once
    bool selEmptySlot = false;  // a message slot without a recording (or an untrained command)
    bool selRecorded = false;   // a message slot with a recording
};

// `row` and `sel` are -1 when nothing is selected.
SelectionFacts ReadSelectionFacts(VoiceModel& model, int row, int sel);

}  // namespace parlix
