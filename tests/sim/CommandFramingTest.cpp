// How many argument bytes the module collects for each command.
#include "sim/CommandFraming.h"

#include <gtest/gtest.h>

namespace parlix::sim {
namespace {

TEST(CommandFraming, ArgumentCountDependsOnTheCommandAndItsFirstArguments) {
    struct Case {
        char command;
        std::vector<int> received;
        std::size_t count;
    };
    const Case cases[] = {
        {'b', {}, 0},   {'x', {}, 0},         {'m', {}, 0},        {'h', {}, 0},   {'y', {}, 1},
        {'o', {}, 1},   {'c', {}, 1},         {'z', {}, 1},        {'i', {}, 1},   {'g', {}, 2},
        {'u', {}, 2},   {'q', {}, 2},         {'w', {}, 3},        {'j', {}, 5},   {'p', {3}, 2},
        {'p', {-1}, 3}, {'d', {3}, 1},        {'d', {-1}, 2},      {'v', {4}, 1},  {'v', {-1}, 2},
        {'r', {17}, 1}, {'r', {-1}, 4},       {'f', {8}, 4},       {'f', {-1}, 2}, {'l', {2}, 1},
        {'l', {-1}, 5}, {'k', {3}, 1},        {'k', {-1}, 2},      {'e', {-1}, 2}, {'t', {-1}, 2},
        {'n', {1}, 3},  {'n', {1, 0, 8}, 11}, {'n', {1, 0, 0}, 3}, {'~', {}, 1},   {'~', {8}, 519},
        {'~', {21}, 3}, {'~', {23}, 3},       {'~', {5}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.command) + " after " + std::to_string(c.received.size()));
        EXPECT_EQ(ArgumentCount(static_cast<std::uint8_t>(c.command), c.received), c.count);
    }
    for (char notACommand : {' ', 'A', '@', 'a', 's', '\0'})
        EXPECT_FALSE(ArgumentCount(static_cast<std::uint8_t>(notACommand), {}).has_value())
            << notACommand;
}

}  // namespace
}  // namespace parlix::sim
