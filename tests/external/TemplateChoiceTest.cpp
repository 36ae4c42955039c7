// Template records, the scan of directive lines, and which template a
// generation uses: the host's, or the one whose filter the user chose.
#include "external/DirectivePattern.h"
#include "external/TemplateChoice.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

TEST(TemplateRecordTest, FieldsAreCutAtTheFirstThreeBars) {
    struct Case {
        const char* record;
        TemplateRecord fields;
    };
    const Case cases[] = {
        {"t/bs2.tpl|bs2|Stamp (*.bs2)^*.bs2^|'%c%c",
         {"t/bs2.tpl", "bs2", "Stamp (*.bs2)^*.bs2^", "'%c%c"}},
        {"a|b|c|d|e", {"a", "b", "c", "d|e"}},
        {"a|b|c", {"a", "b", "c", ""}},
        {"a|b", {"a", "b", "", ""}},
        {"a", {"a", "", "", ""}},
        {"", {"", "", "", ""}},
        {"|||", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        const TemplateRecord split = TemplateRecord::Split(c.record);
        EXPECT_EQ(split.file, c.fields.file) << c.record;
        EXPECT_EQ(split.extension, c.fields.extension) << c.record;
        EXPECT_EQ(split.filter, c.fields.filter) << c.record;
        EXPECT_EQ(split.pattern, c.fields.pattern) << c.record;
    }
}

TEST(TemplateRecordTest, FilterPairsNeedBothHalves) {
    EXPECT_THAT(FilterPairs("C (*.c)^*.c^H^*.h^"),
                ElementsAre(FilterPair{"C (*.c)", "*.c"}, FilterPair{"H", "*.h"}));
    EXPECT_THAT(FilterPairs("C^*.c"), ElementsAre(FilterPair{"C", "*.c"}));
    EXPECT_THAT(FilterPairs("C^*.c^Lonely^"), ElementsAre(FilterPair{"C", "*.c"}));
    EXPECT_TRUE(FilterPairs("").empty());
    EXPECT_TRUE(FilterPairs("Lonely").empty());
}

TEST(DirectivePatternTest, ScansAsAFormattedScanDoes) {
    struct Case {
        const char* pattern;
        const char* line;
        std::optional<Directive> found;
    };
    const Case cases[] = {
        {"//%c%c", "//G>\n", Directive{'G', '>', 4}},
        {"//%c%c", "//G\n", Directive{'G', '\n', 4}},
        {"//%c%c", "//G", std::nullopt},
        {"//%c%c", "/G>", std::nullopt},
        {"//%c%c", " //G>", std::nullopt},
        {" //%c%c", "\t //G>", Directive{'G', '>', 6}},
        // %c takes a blank too; blanks of the pattern match none or several.
        {"// %c%c", "//  G>", Directive{'G', '>', 6}},
        {"//%c %c", "//G   >x", Directive{'G', '>', 7}},
        {"//%c%c", "// G>", Directive{' ', 'G', 4}},
        {"%%%c%c", " %C+", Directive{'C', '+', 4}},
        {"%%%c%c", "%%C+", Directive{'%', 'C', 3}},
        {"%c%c-", "ab-c", Directive{'a', 'b', 3}},
        {"%c%c-", "abc", Directive{'a', 'b', 2}},
    };
    for (const Case& c : cases) {
        const auto pattern = DirectivePattern::Parse(c.pattern);
        ASSERT_TRUE(pattern) << c.pattern;
        const auto found = pattern->Scan(c.line);
        ASSERT_EQ(found.has_value(), c.found.has_value()) << c.pattern << " on " << c.line;
        if (!found) continue;
        EXPECT_EQ(found->kind, c.found->kind) << c.pattern << " on " << c.line;
        EXPECT_EQ(found->operation, c.found->operation) << c.pattern << " on " << c.line;
        EXPECT_EQ(found->consumed, c.found->consumed) << c.pattern << " on " << c.line;
    }
}

TEST(DirectivePatternTest, OnlyTwoCharacterConversionsAreTaken) {
    for (const char* pattern : {"%c%c", "//%c%c", "%%%c%%%c%%", "%c  %c"})
        EXPECT_TRUE(DirectivePattern::Parse(pattern)) << pattern;
    for (const char* pattern :
         {"", "%c", "%c%c%c", "%c%c%", "%s%c%c", "%1c%c", "%*c%c%c", "%c%c%n", "%[a]%c%c", "%d"})
        EXPECT_FALSE(DirectivePattern::Parse(pattern)) << pattern;
}

const char* kTitle = "Parlix Desk - v%1!d!.%2!d!.%3!d!";

TEST(TemplateChoiceTest, TheHostsTemplateIsOfferedAlone) {
    const TemplateChoice choice("stamp.tpl|bs2|Stamp (*.bs2)^*.bs2^|'%c%c",
                                {{"Other", "other.tpl|c|C^*.c^|//%c%c"}});
    ASSERT_TRUE(choice.Available());
    EXPECT_TRUE(choice.FromHost());
    const SaveOffer offer = choice.Offer(kTitle);
    EXPECT_THAT(offer.filters, ElementsAre(FilterPair{"Stamp (*.bs2)", "*.bs2"},
                                           FilterPair{"All Files (*.*)", "*.*"}));
    EXPECT_EQ(offer.defaultExtension, "bs2");
    // The title holds no "GUI": nothing of it names the file.
    EXPECT_EQ(offer.proposedName, ".bs2");
    // Whatever filter was chosen, even "All Files".
    for (const int index : {0, 1, 2, 7}) {
        const auto chosen = choice.Chosen(index);
        ASSERT_TRUE(chosen) << index;
        EXPECT_EQ(chosen->file, "stamp.tpl");
        EXPECT_EQ(chosen->pattern, "'%c%c");
    }
}

TEST(TemplateChoiceTest, EachFilterNamesTheSectionItCameFrom) {
    // Sections without a template take no place; one template brings two filters.
    const TemplateChoice choice("", {{"BASIC Stamp 2", "bs2.tpl|bs2|Stamp^*.bs2^|'%c%c"},
                                     {"Plain", ""},
                                     {"C", "c.tpl|c|C source^*.c^C header^*.h^|//%c%c"},
                                     {"MRC3024", "mrc.tpl|bas|Robot^*.bas^|'%c%c"}});
    ASSERT_TRUE(choice.Available());
    EXPECT_FALSE(choice.FromHost());
    EXPECT_THAT(choice.SectionNames(), ElementsAre("BASIC Stamp 2", "C", "MRC3024"));
    const SaveOffer offer = choice.Offer(kTitle);
    EXPECT_EQ(offer.filters.size(), 5u);
    EXPECT_EQ(offer.filters.back(), (FilterPair{"All Files (*.*)", "*.*"}));
    EXPECT_EQ(offer.defaultExtension, "");
    EXPECT_EQ(offer.proposedName, "");
    const char* expected[] = {nullptr, "bs2.tpl", "c.tpl", "c.tpl", "mrc.tpl", nullptr, nullptr};
    for (int index = 0; index < 7; ++index) {
        const auto chosen = choice.Chosen(index);
        if (!expected[index]) {
            EXPECT_FALSE(chosen) << index;
            continue;
        }
        ASSERT_TRUE(chosen) << index;
        EXPECT_EQ(chosen->file, expected[index]) << index;
    }
}

TEST(TemplateChoiceTest, NoSectionWithATemplateLeavesNothingToChoose) {
    EXPECT_FALSE(TemplateChoice("", {}).Available());
    EXPECT_FALSE(TemplateChoice("", {{"BASIC Stamp 2", ""}, {"MRC3024", ""}}).Available());
    EXPECT_EQ(NoTemplateAvailableText(), "No code generation template is available!");
    EXPECT_EQ(NoTemplateSelectedText(), "No code generation template selected!");
}

TEST(TemplateChoiceTest, TheProposedNameIsTheTitleBeforeGui) {
    EXPECT_EQ(ProposedFileName("Parlix Desk GUI - v1", "h"), "Parlix Desk.h");
    EXPECT_EQ(ProposedFileName("Kit  \t GUI GUI", "bs2"), "Kit.bs2");
    EXPECT_EQ(ProposedFileName("GUI", "c"), ".c");
    EXPECT_EQ(ProposedFileName(kTitle, "bas"), ".bas");
    EXPECT_EQ(ProposedFileName("Desk GUI", ""), "Desk.");
}

}  // namespace
}  // namespace parlix::test
