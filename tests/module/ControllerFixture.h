// A controller wired to a recording front end and settings in a private folder.
#pragma once

#include "app/AppSettings.h"
#include "jobs/StatusProgress.h"
#include "module/ModuleController.h"
#include "support/FakeProxy.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace parlix::test {

class ControllerFixture : public ::testing::Test {
  protected:
    ControllerFixture()
        : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")),
          progress(front),
          controller(settings, progress, front) {
        settings.UseCurrentPort("COM3");
    }

    // Puts four scripted links in the try order, all logging into `log`.
    void UseFakes() {
        for (auto* fake : {&robo, &direct, &shield, &stamp}) fake->sharedLog = &log;
        controller.Link().SetTryOrder({&robo, &direct, &shield, &stamp});
    }

    // Connects through the scripted direct link.
    void ConnectDirect() {
        UseFakes();
        direct.detectResult = true;
        ASSERT_TRUE(controller.Link().Connect());
        front.Clear();
        log.clear();
        direct.calls.clear();
    }

    // A time-out loses the link, and nothing more is sent on it: a table's
    // next case starts on a fresh connection, with the logs as they were.
    void Reconnect() {
        if (!controller.Link().LinkLost()) return;
        const auto calls = direct.calls;
        const auto kept = log;
        ASSERT_TRUE(controller.Link().Connect());
        direct.calls = calls;
        log = kept;
    }

    TempDir dir;
    RecordingFrontEnd front;
    AppSettings settings;
    StatusProgress progress;
    ModuleController controller;
    std::vector<std::string> log;
    FakeProxy robo{"robo"}, direct{"direct"}, shield{"shield"}, stamp{"stamp"};
};

}  // namespace parlix::test
