#include "external/ToolCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlix {
namespace {

struct CommandCase {
    const char* name;
    const char* command;
    std::string program;
    std::vector<std::string> arguments;
};

class ToolCommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(ToolCommandLineTest, SplitsProgramAndArguments) {
    const ToolCommand command = SplitToolCommand(GetParam().command);
    EXPECT_EQ(command.program, GetParam().program);
    EXPECT_EQ(command.arguments, GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolCommandLineTest,
    testing::Values(
        CommandCase{"Loader",
                    R"("/opt/parlix desk/kanloader" -p ttyUSB0 -c "/home/u/my fw.PLXFW" -nofast)",
                    "/opt/parlix desk/kanloader",
                    {"-p", "ttyUSB0", "-c", "/home/u/my fw.PLXFW", "-nofast"}},
        CommandCase{"QuotesInsideAnArgument",
                    R"("/opt/p/kandata" @"/tmp/a b.rsp")",
                    "/opt/p/kandata",
                    {"@/tmp/a b.rsp"}},
        CommandCase{"UnquotedProgram", "/bin/tool  1\t2 ", "/bin/tool", {"1", "2"}},
        CommandCase{"ProgramAlone", "/bin/tool", "/bin/tool", {}},
        CommandCase{"QuotedProgramAlone", R"("/a b/tool")", "/a b/tool", {}},
        CommandCase{"NoClosingQuoteMakesAllTheProgram", R"("/a b/tool x)", R"("/a b/tool x)", {}},
        CommandCase{"EmptyQuotedArgument", R"(/t "" x)", "/t", {"", "x"}},
        CommandCase{"BackslashesLiteralExceptBeforeAQuote",
                    R"(/t a\b \"q\" "c\\" d\\\"e)",
                    "/t",
                    {R"(a\b)", R"("q")", R"(c\)", R"(d\"e)"}},
        CommandCase{"EmptyCommand", "", "", {}}),
    [](const testing::TestParamInfo<CommandCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace parlix
