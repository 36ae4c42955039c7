// The enable rules of the Update Custom Data dialog, which also updates the
// firmware: every control from the dialog's state alone.
#pragma once

namespace parlix::ui {

// The dialog's controls, by their identifiers.
enum class SoundTableControl {
    Download = 1,
    Cancel = 2,
    Import = 1010,
    OpenExternally = 1011,
    Refresh = 1012,
    ExportHeader = 1031,
    MoveDown = 1034,
    MoveUp = 1035,
    Remove = 1037,
    SlowTransfer = 1040,
    OldFormat = 1100,
};

struct SoundTableState {
    bool firmwareMode = false;
    bool building = false;
    bool downloading = false;
    bool hasFileToDownload = false;  // a valid firmware file, or a built image
    int projectCount = 0;
    int selectedProject = -1;  // -1: none
};

bool IsEnabled(SoundTableControl control, const SoundTableState& state);

}  // namespace parlix::ui
