#include "app/AppSettings.h"
#include "app/IniFile.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

namespace parlix {
namespace {

using test::TempDir;
using ::testing::ElementsAre;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ParseProfileIntTest, ReadsLeadingDigitsLikeAProfileRead) {
    struct Case {
        const char* text;
        int value;
    };
    for (const Case c : {Case{"12", 12}, Case{"-1", -1}, Case{"7abc", 7}, Case{"abc", 0},
                         Case{"", 0}, Case{" 5", 5}, Case{"-", 0}, Case{"3.9", 3}})
        EXPECT_EQ(ParseProfileInt(c.text), c.value) << '"' << c.text << '"';
}

class IniFileTest : public ::testing::Test {
  protected:
    TempDir dir;
    IniFile ini{dir.File("Settings.ini")};
};

TEST_F(IniFileTest, MissingFileOrKeyGivesTheDefault) {
    EXPECT_EQ(ini.ReadString("Settings", "ComPort", "*"), "*");
    EXPECT_EQ(ini.ReadInt("Settings", "LangVR", 0), 0);
    ASSERT_TRUE(ini.WriteString("Settings", "Other", "x"));
    EXPECT_EQ(ini.ReadInt("Settings", "SplitPos", -1), -1);
}

TEST_F(IniFileTest, StoredKeyReadsAsANumberEvenWhenItIsNone) {
    struct Case {
        const char* stored;
        int value;
    };
    const Case cases[] = {{"12", 12}, {"-3", -3}, {"7x", 7}, {"abc", 0}, {"", 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(ini.WriteString("Settings", "Key", c.stored));
        EXPECT_EQ(ini.ReadInt("Settings", "Key", 99), c.value) << '"' << c.stored << '"';
    }
}

TEST_F(IniFileTest, WritesPlainIniThatReadsBack) {
    ASSERT_TRUE(ini.WriteString("Settings", "ComPort", "ttyUSB0"));
    ASSERT_TRUE(ini.WriteInt("Settings", "LangVR", 3));
    EXPECT_EQ(ini.ReadString("Settings", "ComPort", "*"), "ttyUSB0");
    EXPECT_EQ(ini.ReadInt("Settings", "LangVR", 0), 3);
    const std::string text = ReadFile(ini.Path());
    EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos) << "no byte-order mark";
    EXPECT_NE(text.find("ComPort=ttyUSB0"), std::string::npos) << text;
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
}

TEST_F(IniFileTest, WriteKeepsWhatOthersWroteAndLeavesNoTemporaryFile) {
    {
        std::ofstream out(ini.Path());
        out << "[Settings]\nLevel=4\n[Mine]\nKey=Value\n";
    }
    ASSERT_TRUE(ini.WriteInt("Settings", "Knob", 2));
    EXPECT_EQ(ini.ReadInt("Settings", "Level", 0), 4);
    EXPECT_EQ(ini.ReadString("Mine", "Key", ""), "Value");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(IniFileTest, UnwritableFileFailsQuietly) {
    IniFile bad(dir.File("missing-folder/Settings.ini"));
    EXPECT_FALSE(bad.WriteString("Settings", "ComPort", "x"));
    EXPECT_EQ(bad.ReadString("Settings", "ComPort", "*"), "*");
}

TEST_F(IniFileTest, SectionNamesStopAtTheBuffer) {
    {
        std::ofstream out(ini.Path());
        out << "[MRC3024]\nBridge=a\n[BASIC Stamp 2]\nBridge=b\n[Arduino]\n";
    }
    EXPECT_THAT(ini.SectionNames(1040), ElementsAre("MRC3024", "BASIC Stamp 2", "Arduino"));
    // "MRC3024\0" takes 8 characters and the list's end one more.
    EXPECT_THAT(ini.SectionNames(9), ElementsAre("MRC3024"));
    EXPECT_TRUE(ini.SectionNames(8).empty());
}

class AppSettingsTest : public ::testing::Test {
  protected:
    TempDir dir;
    AppSettings settings{dir.File("bin/parlix-desk"), dir.File("Settings.ini")};
};

TEST_F(AppSettingsTest, FileLocationsFollowTheProgram) {
    EXPECT_EQ(settings.ProgramFolder(), dir.File("bin"));
    EXPECT_EQ(settings.ConfigPath(), dir.File("bin/data/Config.ini"));
    EXPECT_EQ(settings.SettingsPath(), dir.File("Settings.ini"));
}

TEST_F(AppSettingsTest, RememberedPortThatIsGoneGivesWayToTheFirstPresent) {
    settings.Settings().WriteString("Settings", "ComPort", "ttyUSB7");
    settings.SetPorts({"ttyUSB3", "ttyUSB4"});
    settings.LoadPortFromSettings();
    EXPECT_EQ(settings.CurrentPort(), "ttyUSB3");
    EXPECT_EQ(settings.Settings().ReadString("Settings", "ComPort", ""), "ttyUSB7");
}

TEST_F(AppSettingsTest, RememberedPortStaysWhenPresentOrWhenNoPortsAtAll) {
    settings.Settings().WriteString("Settings", "ComPort", "ttyUSB4");
    settings.SetPorts({"ttyUSB3", "ttyUSB4"});
    settings.LoadPortFromSettings();
    EXPECT_EQ(settings.CurrentPort(), "ttyUSB4");
    settings.SetPorts({});
    settings.Settings().WriteString("Settings", "ComPort", "ttyUSB9");
    settings.LoadPortFromSettings();
    EXPECT_EQ(settings.CurrentPort(), "ttyUSB9");
}

TEST_F(AppSettingsTest, NothingRememberedIsTheStar) {
    settings.LoadPortFromSettings();
    EXPECT_EQ(settings.CurrentPort(), "*");
}

TEST_F(AppSettingsTest, PickedPortIsRememberedAtOnceButACommandLinePortIsNot) {
    settings.SetCurrentPort("ttyACM0");
    EXPECT_EQ(settings.Settings().ReadString("Settings", "ComPort", ""), "ttyACM0");
    settings.UseCurrentPort("sim:module");
    EXPECT_EQ(settings.CurrentPort(), "sim:module");
    EXPECT_EQ(settings.Settings().ReadString("Settings", "ComPort", ""), "ttyACM0");
}

TEST_F(AppSettingsTest, SimulatedPortsFollowTheDiscoveredOnes) {
    settings.SetPorts({"ttyS0", "ttyUSB0"});
    settings.SetExtraPorts({"sim:module"});
    EXPECT_THAT(settings.Ports(), ElementsAre("ttyS0", "ttyUSB0", "sim:module"));
}

TEST_F(AppSettingsTest, ModuleLanguageDefaultsToEnglishAndPersists) {
    EXPECT_EQ(settings.GetLangVR(), 0);
    ASSERT_TRUE(settings.SetLangVR(5));
    AppSettings again(dir.File("bin/parlix-desk"), dir.File("Settings.ini"));
    EXPECT_EQ(again.GetLangVR(), 5);
}

TEST(DefaultSettingsPathTest, LivesInTheUsersConfigFolder) {
    TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(DefaultSettingsPath("/opt/parlix/parlix-desk"),
              dir.File("Kanta/Parlix Desk/Settings.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Kanta/Parlix Desk")));
    ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace parlix
