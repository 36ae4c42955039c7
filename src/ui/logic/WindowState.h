// What the main window's enable rules look at: the window's own state and
// what the data model knows about the selected rows, read without waiting.
#pragma once

namespace parlix::ui {

struct WindowState {
    bool connected = false;
    bool connecting = false;  // a connect runs; Connect cancels it
    int moduleId = -1;
    int busyJobs = 0;
    int recordingSlot = -1;
    bool labelEditing = false;

    int row = -1;  // selected group row
    int sel = -1;  // selected command row

    // Of the selected group row, as the model knows it now.
    int count = -1;              // -1 while unknown
    bool wholeRowRead = false;   // every entry of the row is known
    bool rowHasTrained = false;  // some command of the row is trained
    // Of the selected command row.
    bool selRead = false;     // its details are known
    bool selTrained = false;  // read, with a trained count above 0
    bool selEmptySlot = false;
    bool selRecorded = false;
    // Of the whole module.
    bool allRead = false;   // rows 0-16 fully read
    bool room = false;      // rows 0-16 counted, fewer than 32 commands
    int triggerCount = -1;  // commands of row 0, -1 while unknown

    bool Recording() const { return recordingSlot >= 0; }
    // Neither connected nor connecting: the choices made before connecting.
    bool Idle() const { return !connected && !connecting; }
    bool Busy() const { return busyJobs > 0; }
};

}  // namespace parlix::ui
