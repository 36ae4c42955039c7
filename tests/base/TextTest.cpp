#include "base/Text.h"

#include <gtest/gtest.h>

namespace parlix {
namespace {

TEST(InsertsToPrintfTest, TurnsNumberedInsertsIntoPositionalConversions) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case c :
         {Case{"A '%1' device", "A '%1$s' device"}, Case{"%1!d! of %2!d!", "%1$d of %2$d"},
          Case{"100%% sure", "100%% sure"}, Case{"%1!02X!", "%1$02X"},
          Case{"trailing %", "trailing %"}, Case{"%x", "%x"}})
        EXPECT_EQ(InsertsToPrintf(c.in), c.out) << c.in;
}

TEST(TrFormatTest, FormatsPrintfAndInserts) {
    EXPECT_EQ(TrFormat(PX_TR("T", "Unexpected reply (0x%02X).\n"), 0x6Fu),
              "Unexpected reply (0x6F).\n");
    EXPECT_EQ(
        TrFormat(PX_TR("T", "Detected %s on %s..."), std::string("Parlix"), std::string("COM3")),
        "Detected Parlix on COM3...");
    EXPECT_EQ(TrFormatInserts(PX_TR("T", "A '%1' device"), std::string("MRC3024")),
              "A 'MRC3024' device");
}

TEST(TrFormatTest, TranslationWhoseConversionsDoNotFitFallsBackToTheSource) {
    SetTranslationHook([](const char*, const char* text) -> std::string {
        if (std::string(text) == "Could not read command %d of group %d.\n")
            return "Comando %s del gruppo %d non letto.\n";  // %s where a number comes
        if (std::string(text) == "Port %s") return "Porta %s";
        return {};
    });
    EXPECT_EQ(TrFormat(PX_TR("T", "Could not read command %d of group %d.\n"), 3, 1),
              "Could not read command 3 of group 1.\n");
    EXPECT_EQ(TrFormat(PX_TR("T", "Port %s"), std::string("COM3")), "Porta COM3");
    EXPECT_EQ(Tr(PX_TR("T", "Untranslated")), "Untranslated");
    SetTranslationHook(nullptr);
}

TEST(TrFormatTest, MissingArgumentNeverReadsBeyondTheArguments) {
    std::string out;
    EXPECT_FALSE(TryFormat(out, "%d and %d", 1));
    EXPECT_FALSE(TryFormat(out, "%s", 5));
    EXPECT_EQ(TrFormat(PX_TR("T", "%d%%d"), 5), "5%d");
}

}  // namespace
}  // namespace parlix
