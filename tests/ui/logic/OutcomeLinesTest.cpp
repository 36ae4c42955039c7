// The status lines that end the operations without a message box.
#include "ui/logic/OutcomeLines.h"

#include "module/ModuleController.h"

#include <gtest/gtest.h>

namespace parlix::ui {
namespace {

TEST(OutcomeLines, FirmwareNamesIdAndVersionWhenItsDescriptionDoes) {
    struct Case {
        const char* description;
        const char* path;
        const char* line;
    };
    const Case cases[] = {
        {"Parlix firmware ID 12, version 1.12", "/fw/parlix-fw12.PLXFW",
         "Firmware 12, version 1.12, downloaded"},
        {"firmware id 3,version 2.0b", "/fw/a.PLXFW", "Firmware 3, version 2.0b, downloaded"},
        // Another maker's wording is shown as it stands, or the file when there is none.
        {"Release 2024-05 for the Rev 3 board", "/fw/r3.PLXFW",
         "Firmware \"Release 2024-05 for the Rev 3 board\" downloaded"},
        {"", "/home/me/firmware/r3.PLXFW", "Firmware \"r3.PLXFW\" downloaded"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirmwareDownloadedLine(c.description, c.path), c.line) << c.description;
    EXPECT_EQ(CustomDataDownloadedLine({"/home/me/sounds/Demo.qxp", "/home/me/robot/Robot.rsc"}),
              "Custom data from Demo.qxp, Robot.rsc downloaded");
}

TEST(OutcomeLines, CommandFilesNameTheCountAndTheFileOnly) {
    struct Case {
        bool exporting;
        bool succeeded;
        int commands;
        const char* line;
    };
    const Case cases[] = {
        {true, true, 9, "Exported 9 commands to set.vrcmd"},
        {false, true, 9, "Imported 9 commands from set.vrcmd"},
        {true, true, 1, "Exported 1 command to set.vrcmd"},
        {false, true, 0, "Imported 0 commands from set.vrcmd"},
        {true, false, 0, "Commands not exported to set.vrcmd"},
        {false, false, 0, "Commands not imported from set.vrcmd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandFileLine(c.exporting, c.succeeded, c.commands, "/home/me/sets/set.vrcmd"),
                  c.line);
}

TEST(OutcomeLines, RecognitionSaysWhatWasHeardAndWhere) {
    struct Case {
        int row;
        std::int32_t result;
        const char* label;
        const char* line;
    };
    const Case cases[] = {
        {1, 2, "LIGHT", "Recognised: LIGHT (group 1)"},
        {0, 0, "PARLIX", "Recognised: PARLIX (trigger group)"},
        {16, 0, "", "Recognised: command 0 (password group)"},
        {3, -1, "Robot", "Recognised: Robot (group 3)"},
        {3, -3, "", "Recognised: trigger word 2 (group 3)"},
        {19, 4, "Look", "Recognised: Look (wordset 1)"},
        {23, 1, "", "Recognised: word 1 (wordset 5)"},
        {1, kConflictIncomplete, "", "Nothing recognised (group 1)"},
        {1, kConflictUnnamed, "", "Recognised, but not which one (group 1)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecognitionLine(c.row, c.result, c.label), c.line) << c.row << " " << c.result;
}

}  // namespace
}  // namespace parlix::ui
