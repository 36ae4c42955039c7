// The Qt name filters of the string table's and the templates' filter pairs.
#include "ui/logic/NameFilters.h"

#include <gtest/gtest.h>

namespace parlix::ui {
namespace {

TEST(NameFiltersTest, EachPairShowsItsPatternsOnce) {
    struct Case {
        FilterPair pair;
        const char* filter;
    };
    const Case cases[] = {
        {{"All Files (*.*)", "*.*"}, "All Files (*.*)"},
        {{"BASIC Stamp", "*.bs2"}, "BASIC Stamp (*.bs2)"},
        {{"C and headers", "*.c;*.h"}, "C and headers (*.c *.h)"},
        {{"C and headers (*.c;*.h)", "*.c;*.h"}, "C and headers (*.c *.h)"},
        {{"Basic (*.bas) ", "*.bas"}, "Basic (*.bas)"},
        {{"Mentions *.bas", "*.bas"}, "Mentions *.bas (*.bas)"},
        {{"", "*.x"}, "*.x"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameFilter(c.pair), c.filter) << c.pair.description;
}

}  // namespace
}  // namespace parlix::ui
