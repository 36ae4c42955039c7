#include "external/DataInputs.h"
#include "external/DataResponseFile.h"

#include <gmock/gmock.h>

namespace parlix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CombinedGrammarNames, OneNamePerNonEmptyLine) {
    struct Case {
        const char* text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"C:\\Projects\\Home\\Lights.rsc\r\n\r\n   Doors.rsc  \r\n", {"Lights", "Doors"}},
        {"/home/me/grammars/Robot.rsc\n", {"Robot"}},
        // A backslash wins over a later slash.
        {"C:\\a/b\\x/Robot.rsc", {"x/Robot"}},
        {"Plain\n\t\nname.v2.rsc", {"Plain", "name.v2"}},
        {" \t\r\n\n", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCombinedGrammarNames(c.text), c.names) << c.text;
}

TEST(DataInputs, NamedAfterTheProjectAsOnDisk) {
    EXPECT_EQ(SoundTableModel("/p/Demo.Sounds.qxp"), "/p/Demo.Sounds.mco");
    EXPECT_EQ(SoundTableHeader("/p/Demo.qxp"), "/p/Demo.h");
    const GrammarInputs trigger = TriggerGrammarInputs("/p/", "Robot");
    EXPECT_EQ(trigger.model, "/p/trig_rscGram_Robot.mco");
    EXPECT_EQ(trigger.header, "/p/trig_rscApp_Robot.h");
    const GrammarInputs command = CommandGrammarInputs("/p/", "Robot");
    EXPECT_EQ(command.model, "/p/comm_rscGram_Robot.mco");
    EXPECT_EQ(command.header, "/p/comm_rscApp_Robot.h");
    EXPECT_EQ(AcousticModelInput("/p/", "Robot"), "/p/rscNet_Robot.mco");
}

TEST(DataResponseFile, AddressLineOnlyInTheNewFormat) {
    const DataBuildInputs inputs{{"/p/a b.h", "/p/c.h"},
                                 {"/p/a b.mco", "/p/c.mco", "/p/rscNet_c.mco"}};
    const std::string files =
        "\"/p/a b.h\"\n\"/p/c.h\"\n\"/p/a b.mco\"\n\"/p/c.mco\"\n\"/p/rscNet_c.mco\"\n";
    EXPECT_EQ(FormatResponseFile("/tmp/snd1", false, inputs),
              "-o /tmp/snd1\n-d 0x30000 -e 0xEFFFF\n" + files);
    EXPECT_EQ(FormatResponseFile("/tmp/snd1", true, inputs), "-o /tmp/snd1\n" + files);
}

}  // namespace
}  // namespace parlix
