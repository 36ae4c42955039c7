// The interface-language catalogs: complete, every translation fits the
// formatter of its source, and every text the core marks is in each of them.
#include "res/Conversions.h"
#include "res/MarkedTexts.h"
#include "res/TsCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

namespace parlix::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = PARLIX_SOURCE_DIR;
const fs::path kCatalogDir = kSourceDir / "res" / "translations";

// Texts that read the same in a language. An empty language or context matches any.
struct SameText {
    const char* language;  // prefix of the catalog's language, "de" for "de_DE"
    const char* context;
    const char* source;
};
constexpr SameText kSameInLanguage[] = {
    {"", "", "OK"},
    {"", "MainFrame", "Parlix Desk - v%1!d!.%2!d!.%3!d!"},
    {"", "AboutDlg", "Parlix Desk"},
    {"", "ParamsDlg", "(%d ms)"},
    {"de", "AboutDlg", "Version %1!d!.%2!d!.%3!d! (Build %4!d!)"},
    {"de", "Controller", "Information"},
    {"de", "", "Index"},
    {"de", "MainFrame", "&Port"},
    {"de", "TrainingDlg", "Phase %1!d!"},
    {"it", "GroupsView", "Password"},
    {"it", "parlix::ui::MainWindow", "&File"},
};

bool SameInLanguage(const std::string& language, const TsMessage& m) {
    return std::any_of(
        std::begin(kSameInLanguage), std::end(kSameInLanguage), [&](const SameText& s) {
            return language.starts_with(s.language) &&
                   (*s.context == '\0' || m.context == s.context) && m.source == s.source;
        });
}

// A text on one line, for failure messages.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + "\"";
}

std::string Where(const TsMessage& m) {
    return m.context + " " + Quoted(m.source);
}

// The line breaks a text ends with: the controller appends to texts that end in one.
std::string TrailingBreaks(const std::string& text) {
    const std::size_t end = text.find_last_not_of("\r\n");
    return end == std::string::npos ? text : text.substr(end + 1);
}

std::vector<std::string> CatalogFiles() {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kCatalogDir, ec))
        if (entry.path().extension() == ".ts") files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CatalogsTest, ItalianAndGermanAreShipped) {
    for (const auto& [file, language] :
         {std::pair{"parlix-desk-1040.ts", "it_IT"}, std::pair{"parlix-desk-1031.ts", "de_DE"}}) {
        SCOPED_TRACE(file);
        const TsCatalog catalog = ReadTsCatalog((kCatalogDir / file).string());
        EXPECT_EQ(catalog.language, language);
        EXPECT_FALSE(catalog.messages.empty());
    }
}

class CatalogTest : public testing::TestWithParam<std::string> {
  protected:
    void SetUp() override { catalog_ = ReadTsCatalog((kCatalogDir / GetParam()).string()); }
    TsCatalog catalog_;
};

TEST_P(CatalogTest, EveryEntryIsTranslated) {
    for (const TsMessage& m : catalog_.messages) {
        EXPECT_EQ(m.type, "") << Where(m) << " is " << m.type
                              << ": translate it, or refresh with update-translations";
        EXPECT_FALSE(m.translations.empty()) << Where(m) << " has no translation";
        for (const std::string& t : m.translations)
            EXPECT_FALSE(t.empty()) << Where(m) << " has an empty translation";
    }
}

TEST_P(CatalogTest, TranslationsKeepTheConversionsOfTheirSource) {
    for (const TsMessage& m : catalog_.messages) {
        const Conversions wanted = ConversionsOf(m.source);
        for (const std::string& t : m.translations) {
            if (t.empty()) continue;
            const Conversions got = ConversionsOf(t);
            EXPECT_TRUE(got == wanted) << Where(m) << ": the translation " << Quoted(t) << " has "
                                       << Describe(got) << ", the source " << Describe(wanted);
            EXPECT_EQ(TrailingBreaks(t), TrailingBreaks(m.source))
                << Where(m) << ": the translation " << Quoted(t)
                << " must end in the same line breaks";
        }
    }
}

TEST_P(CatalogTest, NoTranslationCopiesItsSource) {
    for (const TsMessage& m : catalog_.messages) {
        if (SameInLanguage(catalog_.language, m)) continue;
        for (const std::string& t : m.translations)
            EXPECT_NE(t, m.source) << Where(m) << " is not translated into " << catalog_.language
                                   << " (a text that reads the same belongs in kSameInLanguage)";
    }
}

// lupdate reads the sources: a text marked with a variable, or added without
// refreshing the catalogs, would silently stay English.
TEST_P(CatalogTest, HoldsEveryTextTheCoreMarks) {
    std::set<std::pair<std::string, std::string>> present;
    for (const TsMessage& m : catalog_.messages) present.emplace(m.context, m.source);
    int marked = 0;
    for (const char* layer : {"base", "link", "module", "jobs", "external", "app"}) {
        const fs::path dir = kSourceDir / "src" / layer;
        // A layer that moves must move here too, or its texts go unchecked.
        EXPECT_TRUE(fs::is_directory(dir)) << dir;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            const fs::path rel = fs::relative(entry.path(), kSourceDir);
            for (const MarkedText& t : MarkedTextsIn(entry.path().string())) {
                const std::string at = rel.string() + ":" + std::to_string(t.line);
                ++marked;
                EXPECT_EQ(t.fault, "") << at;
                if (!t.fault.empty()) continue;
                EXPECT_TRUE(present.contains({t.context, t.text}))
                    << at << ": " << t.context << " " << Quoted(t.text) << " is not in "
                    << GetParam() << "; refresh with update-translations and translate it";
            }
        }
    }
    EXPECT_GT(marked, 0) << "no marked texts found under " << kSourceDir;
}

INSTANTIATE_TEST_SUITE_P(Catalogs, CatalogTest, testing::ValuesIn(CatalogFiles()),
                         [](const testing::TestParamInfo<std::string>& param) {
                             std::string name = fs::path(param.param).stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(ConversionsTest, TellsWhetherATranslationFitsItsSource) {
    struct Case {
        const char* source;
        const char* translation;
        bool fits;
    };
    for (const Case c : {
             Case{"Command %d of group %d.\n", "Comando %d del gruppo %d.\n", true},
             Case{"Reply (0x%02X).\n", "Risposta (0x%02X).\n", true},
             Case{"Reply (0x%02X).\n", "Risposta (0x%X).\n", false},
             Case{"Command %d of group %d.\n", "Gruppe %d, Befehl %s.\n", false},
             Case{"Command %d of group %d.\n", "Comando %d.\n", false},
             Case{"Command %d.\n", "Comando %d di %d.\n", false},
             Case{"Port \"%s\".\n", "Porta \"%s\" (100%%).\n", true},
             Case{"Speak now...", "Parlare ora 100% ...", false},
             Case{"A '%1' device on %2!d!", "Port %2!d!: '%1'", true},
             Case{"A '%1' device on %2!d!", "Port %2: '%1'", false},
             Case{"%1$s on %2$s", "%2$s: %1$s", true},
             Case{"%1 of %L2", "%L2 / %1", true},
             Case{"%d of %s", "%s of %d", false},
         }) {
        EXPECT_EQ(ConversionsOf(c.translation) == ConversionsOf(c.source), c.fits)
            << c.source << " -> " << c.translation;
    }
}

TEST(TsCatalogTest, ReadsWhatLupdateWrites) {
    TempDir dir;
    std::ofstream(dir.File("x.ts"))
        << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
           "<TS version=\"2.1\" language=\"it_IT\" sourcelanguage=\"en\">\n"
           "<context>\n    <name>Controller</name>\n"
           "    <message>\n        <location filename=\"a.cpp\" line=\"3\"/>\n"
           "        <source>A &apos;%1&apos; &quot;bridge&quot; &lt;&amp;&gt;\n</source>\n"
           "        <translation>Un &apos;%1&apos; &#xe8;\n</translation>\n    </message>\n"
           "    <message>\n        <source>Wait...<byte value=\"xd\"/>\n(Please)</source>\n"
           "        <comment>prompt</comment>\n"
           "        <translation type=\"unfinished\"></translation>\n    </message>\n"
           "</context>\n<context>\n    <name>Form</name>\n"
           "    <message numerus=\"yes\">\n        <source>%n files</source>\n"
           "        <translation>\n            <numerusform>%n file</numerusform>\n"
           "            <numerusform>%n file</numerusform>\n        </translation>\n"
           "    </message>\n</context>\n</TS>\n";
    const TsCatalog catalog = ReadTsCatalog(dir.File("x.ts"));
    EXPECT_EQ(catalog.language, "it_IT");
    ASSERT_EQ(catalog.messages.size(), 3u);
    const TsMessage& first = catalog.messages[0];
    EXPECT_EQ(first.context, "Controller");
    EXPECT_EQ(first.source, "A '%1' \"bridge\" <&>\n");
    EXPECT_EQ(first.type, "");
    EXPECT_EQ(first.translations, std::vector<std::string>{"Un '%1' \xC3\xA8\n"});
    const TsMessage& second = catalog.messages[1];
    EXPECT_EQ(second.source, "Wait...\r\n(Please)");
    EXPECT_EQ(second.type, "unfinished");
    EXPECT_EQ(second.translations, std::vector<std::string>{""});
    const TsMessage& third = catalog.messages[2];
    EXPECT_EQ(third.context, "Form");
    EXPECT_EQ(third.translations, (std::vector<std::string>{"%n file", "%n file"}));
}

TEST(MarkedTextsTest, ReadsMarkersAsLupdateDoes) {
    TempDir dir;
    std::ofstream(dir.File("a.cpp"))
        << "#define PX_TR(context, text) (TrText{context, text})\n"
           "// Tr(PX_TR(kCtx, \"in a comment\"))\n"
           "const long n = 10'000;\n"
           "auto a = Tr(PX_TR(\"Controller\", \"Could not read \\\"%s\\\".\\n\"));\n"
           "auto b = TrFormat(PX_TR(\"Controller\",\n"
           "                        \"Importing %d...\\r\\n\" /* joined */\n"
           "                        \"(Please wait)\"), 3);\n"
           "auto c = Tr(PX_TR(kCtx, \"Lost\"));\n"
           "auto d = \"PX_TR(\\\"in a string\\\")\";\n";
    const std::vector<MarkedText> found = MarkedTextsIn(dir.File("a.cpp"));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].line, 4);
    EXPECT_EQ(found[0].context, "Controller");
    EXPECT_EQ(found[0].text, "Could not read \"%s\".\n");
    EXPECT_EQ(found[1].line, 5);
    EXPECT_EQ(found[1].text, "Importing %d...\r\n(Please wait)");
    EXPECT_EQ(found[1].fault, "");
    EXPECT_EQ(found[2].line, 8);
    EXPECT_NE(found[2].fault, "");
}

}  // namespace
}  // namespace parlix::test
