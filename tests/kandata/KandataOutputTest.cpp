#include "DataImage.h"
#include "IntelHex.h"

#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <fstream>

namespace kandata {
namespace {

using parlix::test::RunProgram;
using parlix::test::TempDir;
using ::testing::HasSubstr;

TEST(KandataHex, RecordsWithExtendedAddressesAcrossSegments) {
    EXPECT_EQ(FormatIntelHex(0x30000, {0x01, 0x02}),
              ":020000040003F7\n:020000000102FB\n:00000001FF\n");
    // 18 bytes from 0x2FFF8: 8 in the first segment, then a new upper address.
    const std::vector<std::uint8_t> bytes(18, 0xAA);
    EXPECT_EQ(FormatIntelHex(0x2FFF8, bytes),
              ":020000040002F8\n"
              ":08FFF800AAAAAAAAAAAAAAAAB1\n"
              ":020000040003F7\n"
              ":0A000000AAAAAAAAAAAAAAAAAAAA52\n"
              ":00000001FF\n");
}

TEST(KandataImage, OneSoundTableAtMost) {
    Model table{ModelType::SoundTable, "T", GrammarKind::Command, {"A"}, 0};
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_FALSE(BuildImage({table, table}, kNewLayout, image, error));
    EXPECT_EQ(error, "more than one sound table");
    Model grammar{ModelType::Grammar, "G", GrammarKind::Command, {"W"}, 0};
    EXPECT_FALSE(BuildImage(std::vector<Model>(29, grammar), kNewLayout, image, error));
    EXPECT_EQ(error, "more than 28 grammars");
}

class KandataRun : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir.File(name)) << text;
        return dir.File(name);
    }
    parlix::test::ProgramResult Run(const std::string& response) {
        return RunProgram("kandata", {"@" + Write("r.rsp", response)});
    }
    TempDir dir;
};

TEST_F(KandataRun, TellsWhichInputIsWrongAndExitsNonZero) {
    const std::string table =
        Write("t.mco", "parlix-model 1\ntype sound-table\nname T\nsound A\nsound B\n");
    const std::string base = "-o " + dir.File("out") + "\n";
    struct Case {
        std::string response;
        std::string error;
    };
    const Case cases[] = {
        {base + "\"" + dir.File("none.mco") + "\"\n",
         "none.mco\": cannot read it: No such file or directory"},
        {base + "\"" + table + "\"\n", "t.mco\": no header input left for it"},
        {base + "\"" + Write("t.h", "#define SND_A 0\n#define B 1\n") + "\"\n\"" + table + "\"\n",
         "the sound name B does not begin with SND_"},
        {base + "\"" + Write("u.h", "#define SND_A 0\n") + "\"\n\"" + table + "\"\n",
         "no name for index 1"},
        {base + "\"" + Write("v.h", "#define SND_A 0\n#define SND_B 1\n") + "\"\n\"" + table +
             "\"\n\"" + Write("w.h", "") + "\"\n",
         "more header inputs than sound tables and grammars"},
        {base + "-d 0x30000 -e 0x30010\n\"" + Write("x.h", "#define SND_A 0\n#define SND_B 1\n") +
             "\"\n\"" + table + "\"\n",
         "does not fit between its addresses"},
    };
    for (const Case& c : cases) {
        const auto r = Run(c.response);
        EXPECT_EQ(r.exitCode, 1) << c.response;
        EXPECT_THAT(r.err, HasSubstr("kandata: error: ")) << c.response;
        EXPECT_THAT(r.err, HasSubstr(c.error)) << c.response;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.hex")));
    }
    EXPECT_EQ(RunProgram("kandata", {dir.File("r.rsp")}).exitCode, 2);
    EXPECT_EQ(RunProgram("kandata", {}).exitCode, 2);
}

}  // namespace
}  // namespace kandata
