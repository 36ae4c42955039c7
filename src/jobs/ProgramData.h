// ProgramData: what the main window owns for its whole life and the jobs
// work on: the module controller, the data model and the notification part.
#pragma once

#include "jobs/StatusProgress.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {

class SettingsStore;
class FrontEnd;

class ProgramData {
  public:
    ProgramData(SettingsStore& settings, FrontEnd& frontEnd)
        : progress_(frontEnd), controller_(settings, progress_, frontEnd), model_(&frontEnd) {}
    ProgramData(const ProgramData&) = delete;
    ProgramData& operator=(const ProgramData&) = delete;

    ModuleController& Controller() { return controller_; }
    VoiceModel& Model() { return model_; }
    StatusProgress& Progress() { return progress_; }
    FrontEnd& Front() { return progress_.Front(); }

  private:
    // The notification part comes first: the controller keeps a reference to it.
    StatusProgress progress_;
    ModuleController controller_;
    VoiceModel model_;
};

}  // namespace parlix
