// Which controls of the custom data dialog are usable in each situation.
#include "ui/logic/SoundTableRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace parlix::ui {
namespace {

using C = SoundTableControl;

const C kAll[] = {C::Download, C::Cancel,       C::Import,   C::OpenExternally,
                  C::Refresh,  C::ExportHeader, C::MoveDown, C::MoveUp,
                  C::Remove,   C::SlowTransfer, C::OldFormat};

TEST(SoundTableRulesTest, EachStateEnablesExactlyItsControls) {
    const struct {
        std::string what;
        SoundTableState state;
        std::set<C> enabled;
    } cases[] = {
        {"empty list", {}, {C::Cancel, C::Import, C::SlowTransfer, C::OldFormat}},
        {"one project selected, not built",
         {false, false, false, false, 1, 0},
         {C::Cancel, C::Import, C::Remove, C::OpenExternally, C::Refresh, C::SlowTransfer,
          C::OldFormat}},
        {"first of three selected, built",
         {false, false, false, true, 3, 0},
         {C::Cancel, C::Import, C::Remove, C::OpenExternally, C::Refresh, C::MoveDown,
          C::ExportHeader, C::Download, C::SlowTransfer, C::OldFormat}},
        {"middle of three selected",
         {false, false, false, false, 3, 1},
         {C::Cancel, C::Import, C::Remove, C::OpenExternally, C::Refresh, C::MoveUp, C::MoveDown,
          C::SlowTransfer, C::OldFormat}},
        {"last of three selected",
         {false, false, false, false, 3, 2},
         {C::Cancel, C::Import, C::Remove, C::OpenExternally, C::Refresh, C::MoveUp,
          C::SlowTransfer, C::OldFormat}},
        {"projects but none selected",
         {false, false, false, false, 3, -1},
         {C::Cancel, C::Import, C::Refresh, C::SlowTransfer, C::OldFormat}},
        {"building", {false, true, false, false, 2, 0}, {C::Cancel, C::SlowTransfer}},
        {"downloading the built image",
         {false, false, true, true, 2, 0},
         {C::Cancel, C::ExportHeader}},
        {"firmware, valid file",
         {true, false, false, true, 1, 0},
         {C::Cancel, C::Download, C::SlowTransfer}},
        {"firmware, invalid file", {true, false, false, false, 1, 0}, {C::Cancel, C::SlowTransfer}},
        {"firmware downloading", {true, false, true, true, 1, 0}, {C::Cancel}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (C control : kAll)
            EXPECT_EQ(IsEnabled(control, c.state), c.enabled.contains(control))
                << "control " << static_cast<int>(control);
    }
}

}  // namespace
}  // namespace parlix::ui
