// CProgramData: what the main window owns for its whole life and the jobs
// work on: the module controller, the data model and the notification part.
#pragma once

#include "jobs/StatusProgress.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {

class SettingsStore;
class FrontEnd;

class CProgramData {
  public:
    CProgramData(SettingsStore& settings, FrontEnd& frontEnd)
        : progress_(frontEnd), controller_(settings, progress_, frontEnd), model_(&frontEnd) {}
    CProgramData(const CProgramData&) = delete;
    CProgramData& operator=(const CProgramData&) = delete;

    CModuleController& Controller() { return controller_; }
    CVoiceModel& Model() { return model_; }
    CStatusProgress& Progress() { return progress_; }
    FrontEnd& Front() { return progress_.Front(); }

  private:
    // The notification part comes first: the controller keeps a reference to it.
    CStatusProgress progress_;
    CModuleController controller_;
    CVoiceModel model_;
};

}  // namespace parlix
