#include "HeaderInput.h"
#include "ModelFile.h"
#include "ResponseFile.h"

#include <gmock/gmock.h>

namespace kandata {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(KandataResponse, ReadsBaseRangeAndInputs) {
    Response r;
    std::string error;
    ASSERT_TRUE(ParseResponse(
        "-o /tmp/my base\r\n\n-d 0x30000 -e 983039\n\"/a b/x.H\"\n\"/a b/x.mco\" /c/y.MCO\n", r,
        error))
        << error;
    EXPECT_EQ(r.outputBase, "/tmp/my base");
    EXPECT_EQ(r.dataStart, 0x30000u);
    EXPECT_EQ(r.dataEnd, 0xEFFFFu);
    EXPECT_THAT(r.headers, ElementsAre("/a b/x.H"));
    EXPECT_THAT(r.models, ElementsAre("/a b/x.mco", "/c/y.MCO"));

    ASSERT_TRUE(ParseResponse("-o b\n\"m.mco\"\n", r, error));
    EXPECT_FALSE(r.dataStart.has_value()) << "the old layout";
}

TEST(KandataResponse, RefusesWhatItDoesNotUnderstand) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"\"m.mco\"\n", "no output base"},
        {"-o b\n", "no model input"},
        {"-o b\n-d 0x30000\n\"m.mco\"", "-d and -e go together"},
        {"-o b\n-d 0x30000 -e\n\"m.mco\"", "-e needs an address"},
        {"-o b\n-d 0x30000 -e 0x3zz\n\"m.mco\"", "-e needs an address"},
        {"-o b\n-d 0x40000 -e 0x30000\n\"m.mco\"", "ends before it starts"},
        {"-o b\n-d 0x100000000 -e 0x1\n\"m.mco\"", "-d needs an address"},
        {"-o b\n-x\n\"m.mco\"", "unknown option -x"},
        {"-o b\n\"m.wav\"", "not a header (.h) or model (.mco) input"},
        {"-o b\n\"m.mco", "a quote is not closed"},
        {"-o b\n\"m.mco\" -o c", "-o must begin its own line"},
    };
    for (const Case& c : cases) {
        Response r;
        std::string error;
        EXPECT_FALSE(ParseResponse(c.text, r, error)) << c.text;
        EXPECT_THAT(error, HasSubstr(c.error)) << c.text;
    }
}

TEST(KandataModel, ReadsEachType) {
    Model m;
    std::string error;
    ASSERT_TRUE(ParseModel(
        "# built\nparlix-model 1\ntype grammar\nname ROBOT^C\nkind trigger\nword HI\n", m, error))
        << error;
    EXPECT_EQ(m.type, ModelType::Grammar);
    EXPECT_EQ(m.kind, GrammarKind::Trigger);
    EXPECT_EQ(m.name, "ROBOT^C");
    EXPECT_THAT(m.items, ElementsAre("HI"));
    ASSERT_TRUE(
        ParseModel("parlix-model 1\r\ntype acoustic\r\nname NET\r\nsize 65535\r\n", m, error))
        << error;
    EXPECT_EQ(m.size, 65535);
}

TEST(KandataModel, RefusesMalformedFiles) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "not a model file"},
        {"type grammar\n", "line 1: not a model file"},
        {"parlix-model 1\nname X\n", "line 2: the type must come first"},
        {"parlix-model 1\ntype song\n", "unknown type"},
        {"parlix-model 1\ntype sound-table\nname X\nword A\n",
         "line 4: \"word\" does not belong here"},
        {"parlix-model 1\ntype sound-table\nname lower\n", "\"lower\" is not a label"},
        {"parlix-model 1\ntype sound-table\nname A^K\n", "is not a label"},
        {"parlix-model 1\ntype sound-table\nname ABCDEFGHIJKLMNOPQRSTUVWXYZ_ABCDE\n",
         "is not a label"},
        {"parlix-model 1\ntype sound-table\nname X\n", "1 to 1023 sounds"},
        {"parlix-model 1\ntype grammar\nname X\nword A\n", "no kind"},
        {"parlix-model 1\ntype grammar\nkind loud\n", "trigger or command"},
        {"parlix-model 1\ntype acoustic\nname X\n", "no size"},
        {"parlix-model 1\ntype acoustic\nname X\nsize 65536\n", "1 to 65535"},
        {"parlix-model 1\ntype acoustic\nname X\nsize 12k\n", "1 to 65535"},
        {"parlix-model 1\ntype acoustic\nsize 1\n", "no name"},
        {"parlix-model 1\ntype acoustic\nname\n", "a key without a value"},
    };
    for (const Case& c : cases) {
        Model m;
        std::string error;
        EXPECT_FALSE(ParseModel(c.text, m, error)) << c.text;
        EXPECT_THAT(error, HasSubstr(c.error)) << c.text;
    }
    std::string grammar = "parlix-model 1\ntype grammar\nkind command\nname G\n";
    for (int i = 0; i < 33; ++i) grammar += "word W\n";
    Model m;
    std::string error;
    EXPECT_FALSE(ParseModel(grammar, m, error));
    EXPECT_THAT(error, HasSubstr("1 to 32 words"));
}

TEST(KandataHeaderInput, NamesInIndexOrder) {
    std::vector<std::string> names;
    std::string error;
    ASSERT_TRUE(ParseHeaderInput("// x\n#ifndef A\n#define  SND_B\t1\n#define SND_A 0 \n#endif\n",
                                 2, names, error))
        << error;
    EXPECT_THAT(names, ElementsAre("SND_A", "SND_B"));

    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"#define A 0\n", "no name for index 1"},
        {"#define A 0\n#define B 0\n", "line 2: index 0 is defined twice"},
        {"#define A 0\n#define B 2\n", "index 2 is beyond"},
        {"#define A 0\n#define B one\n", "line 2: expected"},
        {"#define A 0\n#define 1B 1\n", "expected"},
        {"#define A 0\n#define B\n", "expected"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseHeaderInput(c.text, 2, names, error)) << c.text;
        EXPECT_THAT(error, HasSubstr(c.error)) << c.text;
    }
}

}  // namespace
}  // namespace kandata
