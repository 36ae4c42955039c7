// The action table's rows: the rule a row names is the one the flows check,
// and the key a menu shows is the one the tool tip names.
#include "ui/ActionTable.h"
#include "ui/logic/CommandRules.h"

#include <QtCore/QList>
#include <QtGui/QKeySequence>

#include <gtest/gtest.h>

#include <vector>

namespace parlix::ui::test {
namespace {

// Window states that tell the rules apart: each field that a rule reads is
// flipped somewhere in the sweep.
std::vector<WindowState> Sweep() {
    std::vector<WindowState> states;
    for (const bool connected : {false, true})
        for (const int moduleId : {-1, 1, 2, 9, 12})
            for (const int row : {-1, 0, 1, 16, 17, 18, 20})
                for (const int variant : {0, 1, 2, 3}) {
                    WindowState s;
                    s.connected = connected;
                    s.moduleId = moduleId;
                    s.row = row;
                    s.sel = variant == 3 ? -1 : 0;
                    s.count = variant == 2 ? 0 : 3;
                    s.busyJobs = variant == 1 ? 1 : 0;
                    s.recordingSlot = variant == 2 && row == 18 ? 0 : -1;
                    s.wholeRowRead = s.selRead = s.allRead = s.room = variant != 1;
                    s.selTrained = s.rowHasTrained = s.selRecorded = variant == 0;
                    s.selEmptySlot = variant != 0;
                    s.triggerCount = variant;
                    states.push_back(s);
                }
    return states;
}

TEST(ActionTableTest, EachRowNamesTheRuleOfItsCommand) {
    const std::vector<WindowState> states = Sweep();
    for (const ActionSpec& spec : ActionSpecs()) {
        int differ = 0;
        for (const WindowState& s : states) differ += spec.enabled(s) != IsEnabled(spec.id, s);
        EXPECT_EQ(differ, 0) << "command " << static_cast<int>(spec.id);
    }
}

// The key that a menu shows beside a command is the one its tool tip names.
TEST(ActionTableTest, MenusShowTheKeyTheToolTipNames) {
    for (const ActionSpec& spec : ActionSpecs()) {
        if (!*spec.shortcut) continue;
        const QString tip = QString::fromLatin1(spec.help).section(QLatin1Char('\n'), 1);
        const QString named = tip.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
        const QList<QKeySequence> keys =
            QKeySequence::listFromString(QString::fromLatin1(spec.shortcut));
        ASSERT_FALSE(keys.isEmpty()) << spec.shortcut;
        EXPECT_EQ(keys.front().toString(QKeySequence::NativeText).toUpper().toStdString(),
                  named.toStdString())
            << "command " << static_cast<int>(spec.id);
    }
}

}  // namespace
}  // namespace parlix::ui::test
