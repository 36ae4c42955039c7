#include "ui/logic/SoundTableRules.h"

namespace parlix::ui {

bool IsEnabled(SoundTableControl control, const SoundTableState& s) {
    // Firmware mode leaves the project list alone: only the download matters.
    const bool editable = !s.firmwareMode && !s.building && !s.downloading;
    const bool selected = editable && s.selectedProject >= 0 && s.selectedProject < s.projectCount;
    switch (control) {
        case SoundTableControl::Import:
        case SoundTableControl::OldFormat:
            return editable;
        case SoundTableControl::Remove:
        case SoundTableControl::OpenExternally:
            return selected;
        case SoundTableControl::MoveUp:
            return selected && s.selectedProject > 0;
        case SoundTableControl::MoveDown:
            return selected && s.selectedProject < s.projectCount - 1;
        case SoundTableControl::Refresh:
            return editable && s.projectCount > 0;
        case SoundTableControl::ExportHeader:
            return !s.firmwareMode && !s.building && s.projectCount > 0 && s.hasFileToDownload;
        case SoundTableControl::Download:
            return !s.building && !s.downloading && s.hasFileToDownload;
        case SoundTableControl::Cancel:
            return true;
        case SoundTableControl::SlowTransfer:
            return !s.downloading;
    }
    return false;
}

}  // namespace parlix::ui
