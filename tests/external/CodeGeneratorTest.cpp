// The expansion of code templates over a small set of groups: the loops and
// their marks, the inserts, the labels, the lines left alone, and what the
// expansion does with patterns, lines and inserts that do not fit.
#include "external/CodeGenerator.h"

#include <gmock/gmock.h>

#include <map>
#include <sstream>

namespace parlix::test {
namespace {

// Groups by number; a label of none is an entry that is not loaded.
class FakeSource : public CodeSource {
  public:
    std::map<int, std::vector<std::optional<std::string>>> groups;

    std::int32_t CommandCount(int group) override {
        const auto found = groups.find(group);
        return found == groups.end() ? 0 : static_cast<std::int32_t>(found->second.size());
    }
    std::optional<std::string> CommandLabel(int group, int index) override {
        const auto& labels = groups.at(group);
        return labels.at(static_cast<std::size_t>(index));
    }
};

struct Expanded {
    CodeOutcome outcome;
    std::string text;
};

Expanded Expand(FakeSource& source, const std::string& text, const std::string& pattern = "//%c%c",
                std::int32_t language = 0) {
    std::istringstream in(text);
    std::ostringstream out;
    const CodeOutcome outcome = CodeGenerator(source, language).Run(in, pattern, out);
    return {outcome, out.str()};
}

// The two loops around a group line and a command line.
const std::string kLoops =
    "//G>\n"
    "//G+group %2!d! holds %3!d!\n"
    "//C>\n"
    "//C+  command %5!d! is %4\n"
    "//C^\n"
    "//G^\n";

TEST(CodeGeneratorTest, GroupAndCommandLoopsVisitEveryCommandOnce) {
    FakeSource source;
    source.groups = {{1, {"LIGHTS_ON", "ROOM^C"}}, {3, {"HALT"}}};
    const Expanded run = Expand(source, kLoops);
    EXPECT_EQ(run.outcome, CodeOutcome::Written);
    EXPECT_EQ(run.text,
              "\n"
              "group 1 holds 2\n"
              "\n"
              "  command 0 is LIGHTS_ON\n"
              "\n"
              "  command 1 is ROOM2\n"
              "\n"
              "\n"
              "group 3 holds 1\n"
              "\n"
              "  command 0 is HALT\n"
              "\n"
              "\n");
}

TEST(CodeGeneratorTest, TriggerAndPasswordGroupsAreVisitedInOrder) {
    FakeSource source;
    source.groups = {{16, {"OPEN"}}, {0, {"HELLO"}}, {15, {}}};
    const Expanded run = Expand(source, "//G>\n//G+%2!d! \n//G^\n");
    EXPECT_EQ(run.text, "\n0 \n\n16 \n\n");
}

TEST(CodeGeneratorTest, AModelWithoutCommandsNeverWritesTheLoopBody) {
    FakeSource source;
    source.groups = {{2, {}}};
    EXPECT_EQ(Expand(source, "before\n" + kLoops + "after\n").text, "before\n\nafter\n");
}

TEST(CodeGeneratorTest, LabelsAreDecodedOrNamedAfterTheirIndex) {
    struct Case {
        std::optional<std::string> label;
        const char* shown;
    };
    const Case cases[] = {
        {"LIGHT^C", "LIGHT2"},
        {"^B^A^J", "109"},
        {"", "UNNAMED_COMMAND_0"},
        {std::nullopt, "UNNAMED_COMMAND_0"},
        // A caret at the end has no character to decode: it is dropped.
        {"DOOR^", "DOOR"},
        {"^", ""},
    };
    for (const Case& c : cases) {
        FakeSource source;
        source.groups = {{4, {c.label}}};
        EXPECT_EQ(Expand(source, "//G+\n//C+[%4]\n").text, std::string("\n[") + c.shown + "]\n")
            << c.label.value_or("(not loaded)");
    }
}

TEST(CodeGeneratorTest, LinesOutsideTheirLoopsAndOtherKinds) {
    struct Case {
        const char* name;
        const char* line;
        const char* written;
    };
    // No group loop runs: g = -1, c = -1, n = 0, language 3.
    const Case cases[] = {
        {"command line outside a group", "//C+x\n", ""},
        {"command mark outside a group", "//C>x\n", ""},
        {"group return without a group", "//G^x\n", ""},
        {"group line of another operation", "//G=x\n", ""},
        {"plain line with every insert", "//L %1!d! %2!d! %3!d! [%4] %5!d!\n", "3 -1 0 [] -1\n"},
        {"unknown kind: copied with its prefix", "//X+%2!d!\n", "//X+%2!d!\n"},
        {"lower-case kind", "//g+\n", "//g+\n"},
        {"no match", "/ G+\n", "/ G+\n"},
        {"too short to match", "//G", "//G"},
        {"empty line", "\n", "\n"},
    };
    for (const Case& c : cases) {
        FakeSource source;
        source.groups = {{1, {"A"}}};
        EXPECT_EQ(Expand(source, c.line, "//%c%c", 3).text, c.written) << c.name;
    }
}

TEST(CodeGeneratorTest, OperationsOtherThanTheLoopsOnesWriteOnlyInsideTheirLoop) {
    FakeSource source;
    source.groups = {{2, {"A", "B"}}};
    const Expanded run =
        Expand(source, "//G+\n//G=g%2!d!\n//C=before\n//C+\n//C=c%5!d!\n//C+\n//C+\n//C=after\n");
    EXPECT_EQ(run.text, "\ng2\n\nc0\n\n");
}

TEST(CodeGeneratorTest, AReturnWithoutAMarkStartsAgainAtTheTop) {
    FakeSource source;
    source.groups = {{1, {"A"}}, {2, {"B"}}};
    EXPECT_EQ(Expand(source, "top\n//G+%2!d!\n//G^\n").text, "top\n1\n\ntop\n2\n\ntop\n");
}

// Each pass of the literal rules would go round for ever: the same '^' line
// returns to the same mark with nothing changed.
TEST(CodeGeneratorTest, ALoopThatWouldRepeatForEverStops) {
    FakeSource source;
    source.groups = {{1, {"A"}}};
    const char* templates[] = {
        "//G>\n//G^x\n//G+\n//G^y\n",
        "//G+\n//C>\n//C^x\n//C+\n//C^y\n",
    };
    for (const char* text : templates) {
        const Expanded run = Expand(source, text);
        EXPECT_EQ(run.outcome, CodeOutcome::EndlessLoop) << text;
        EXPECT_LT(run.text.size(), 64u) << text;
    }
    // A loop whose pass changes something each time is no endless one.
    EXPECT_EQ(Expand(source, kLoops).outcome, CodeOutcome::Written);
}

TEST(CodeGeneratorTest, ARefusedPatternCopiesEveryLine) {
    FakeSource source;
    source.groups = {{1, {"A"}}};
    for (const char* pattern : {"//%c", "//%c%c%c", "//%d%c%c", "//%s%c", "%c%c%", "%5c%c", ""}) {
        const Expanded run = Expand(source, kLoops, pattern);
        EXPECT_EQ(run.outcome, CodeOutcome::PatternRefused) << pattern;
        EXPECT_EQ(run.text, kLoops) << pattern;
    }
}

TEST(CodeGeneratorTest, TheRestStartsAfterWhatTheScanConsumed) {
    struct Case {
        const char* pattern;
        const char* line;
        const char* written;
    };
    const Case cases[] = {
        // The blank of the pattern matches none here: the printed prefix
        // "// L " would be one longer than what matched.
        {"// %c%c", "//L rest\n", "rest\n"},
        {"// %c%c", "//   L rest\n", "rest\n"},
        {"%% %c%c", "  %Lxrest\n", "rest\n"},
        {"//%c%c:", "//L+:rest\n", "rest\n"},
        // The scan stops at the first literal that fails, with both conversions done.
        {"//%c%c:", "//L+rest\n", "rest\n"},
        // A blank at the end of the pattern takes the line break too.
        {"//%c%c ", "//L+  \n", ""},
    };
    for (const Case& c : cases) {
        FakeSource source;
        EXPECT_EQ(Expand(source, c.line, c.pattern).text, c.written) << c.pattern << c.line;
    }
}

TEST(CodeGeneratorTest, LongLinesStayWhole) {
    FakeSource source;
    source.groups = {{1, {"A"}}};
    const std::string longText(600, 'x');
    // A 249-character reader would see "//L+" again inside the long line's second piece.
    const std::string repeat = std::string(245, 'y') + "//L+tail";
    const std::string text = "//L+" + longText + "\n" + longText + "\n//L+" + repeat + "\n";
    EXPECT_EQ(Expand(source, text).text, longText + "\n" + longText + "\n" + repeat + "\n");
}

TEST(CodeGeneratorTest, LineEndsReadAsATextReaderReadsThem) {
    FakeSource source;
    source.groups = {{1, {"A"}}};
    // CR LF reads as LF; a CR before it stays, and is taken with the LF after formatting.
    EXPECT_EQ(Expand(source, "copied\r\n//L+a\r\n//L+b\r\r\r\nkept\r\r\nlast\r").text,
              "copied\na\nb\nkept\r\nlast\r");
}

TEST(CodeGeneratorTest, ALineWhoseInsertsDoNotFitWritesNothing) {
    FakeSource source;
    source.groups = {{1, {"A"}}};
    for (const char* rest : {"%6", "%0", "%1!s!", "%4!d!", "%1!d", "%", "50%", "%x", "%12",
                             "%1!99999d!", "%1!.99999d!", "%1!*d!", "%1!n!"}) {
        const Expanded run = Expand(source, std::string("//L+") + rest + "\n//L+next\n");
        EXPECT_EQ(run.text, "next\n") << rest;
    }
}

TEST(CodeGeneratorTest, InsertsFollowTheMessageFormatter) {
    struct Case {
        const char* rest;
        const char* written;
    };
    // Group 1 holding "ROOM^C", language 5, inside the command loop.
    const Case cases[] = {
        {"%2", "1"},  // a bare insert of a number is the number as text
        {"%4", "ROOM2"},
        {"%4!s!", "ROOM2"},
        {"%2!03d!|%3!-3d!|", "001|1  |"},
        {"%1!x!", "5"},
        {"100%%", "100%"},
        {"%5!d!%5!d!", "00"},
        {"%4!.2s!", "RO"},
        {"no inserts", "no inserts"},
    };
    for (const Case& c : cases) {
        FakeSource source;
        source.groups = {{1, {"ROOM^C"}}};
        EXPECT_EQ(Expand(source, std::string("//G+\n//C+\n//L+") + c.rest, "//%c%c", 5).text,
                  std::string("\n\n") + c.written)
            << c.rest;
    }
}

}  // namespace
}  // namespace parlix::test
