#include "external/DataHeader.h"

#include <gmock/gmock.h>

namespace parlix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DataHeader, CommentsAndDefinitionsBecomeRowsAndExportBack) {
    const auto rows = ParseDataHeader(
        "// Sound table DEMO (2 sounds)\n#define SND_Beep 0\n#define WS_ROBOT_COMMANDS 3\n");
    EXPECT_THAT(rows,
                ElementsAre(DataRow{4, "#", "Sound table DEMO (2 sounds)"},
                            DataRow{9, "0", "SND_Beep"}, DataRow{6, "3", "WS_ROBOT_COMMANDS"}));
    EXPECT_EQ(FormatHeaderExport(rows),
              "// Sound table DEMO (2 sounds)\n"
              "#define SND_Beep          0\n"
              "#define WS_ROBOT_COMMANDS 3\n");
}

TEST(DataHeader, WhichLinesCount) {
    struct Case {
        const char* line;
        std::vector<DataRow> rows;
    };
    const Case cases[] = {
        {"  //Grammar 4 X  \r", {{0, "#", "Grammar 4 X"}}},
        {"//\t  Sounds", {{4, "#", "Sounds"}}},
        {"// sound table", {}},
        {"// Custom data", {}},
        {"#define\tSND_A\t  7", {{9, "7", "SND_A"}}},
        {"#define WSX 12 // note", {{6, "12 // note", "WSX"}}},
        {"#define G_ROBOT_STOP 4", {}},
        {"#define SND_A", {}},
        {"#defineSND_A 1", {}},
        {"#define  SND_A 1", {}},
        {"# define SND_A 1", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDataHeader(c.line), c.rows) << c.line;
}

TEST(DataHeader, ExportOfCommentsOnlyOrNothing) {
    EXPECT_EQ(FormatHeaderExport({{0, "#", "Grammar 4 G"}}), "// Grammar 4 G\n");
    EXPECT_EQ(FormatHeaderExport({}), "");
    EXPECT_THAT(ParseDataHeader(""), IsEmpty());
}

}  // namespace
}  // namespace parlix
