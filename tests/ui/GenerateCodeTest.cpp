// "Generate Code" in the window against the demo module: the save dialog's
// filters for the templates of Config.ini or of the host board, the file
// written, and the information boxes when no template is there or chosen.
#include "WindowFixture.h"

#include "support/ReadFile.h"

#include <QtTest/QTest>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>

#include <filesystem>
#include <fstream>

namespace parlix::ui::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemplates = PARLIX_SOURCE_DIR "/tests/external/templates/";

class GenerateCodeTest : public WindowFixture {
  protected:
    GenerateCodeTest() {
        fs::create_directories(dir.Path() / "bin" / "data" / "templates");
        fs::copy_file(std::string(kTemplates) + "demo.tpl",
                      dir.Path() / "bin/data/templates/demo.tpl");
    }

    void WriteConfig(const std::string& text) {
        std::ofstream(dir.Path() / "bin" / "data" / "Config.ini") << text;
    }

    // Answers the save dialog: keeps what it offers, picks `filter` and types `name`.
    void ThenSave(const QString& filter, const std::string& name) {
        answers.Then([this, filter, name](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            filters = files->nameFilters();
            suffix = files->defaultSuffix();
            auto* edit = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(edit, nullptr);
            proposed = edit->text();
            files->selectNameFilter(filter);
            edit->setText(QString::fromStdString(name));
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }

    void Generate() {
        ASSERT_TRUE(window->Action(CommandId::GenerateCode)->isEnabled());
        Trigger(CommandId::GenerateCode);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected(), 0);
    }

    QStringList filters;
    QString suffix;
    QString proposed;
    std::string expected = parlix::test::ReadFileBytes(std::string(kTemplates) + "demo.expected");
};

const char* kSections =
    "[Other Board]\n"
    "Template=templates/other.tpl|c|C^*.c;*.h^|//%c%c\n"
    "[Plain]\n"
    "Bridge=none\n"
    "[BASIC Stamp 2]\n"
    "Template=templates/demo.tpl|bs2|BASIC Stamp (*.bs2)^*.bs2^|//%c%c\n";

TEST_F(GenerateCodeTest, TheFilterChosenNamesTheTemplate) {
    WriteConfig(kSections);
    ConnectAndRead();
    const std::string out = dir.File("demo.bs2");
    ThenSave("BASIC Stamp (*.bs2)", out);
    Generate();
    EXPECT_EQ(filters, QStringList({"C (*.c *.h)", "BASIC Stamp (*.bs2)", "All Files (*.*)"}));
    EXPECT_EQ(suffix, "");
    EXPECT_EQ(proposed, "");
    EXPECT_EQ(parlix::test::ReadFileBytes(out), expected);
    EXPECT_TRUE(answers.Boxes().empty());
}

TEST_F(GenerateCodeTest, AllFilesChoosesNoTemplate) {
    WriteConfig(kSections);
    ConnectAndRead();
    const std::string out = dir.File("any.txt");
    ThenSave("All Files (*.*)", out);
    answers.ThenButton(QMessageBox::Ok);
    Generate();
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, "Information");
    EXPECT_EQ(answers.Boxes()[0].text, "No code generation template selected!");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(GenerateCodeTest, NoTemplateInConfigOffersNoDialog) {
    for (const char* config : {"", "[Plain]\nBridge=none\n"}) {
        WriteConfig(config);
        if (!window->Session().IsConnected()) ConnectAndRead();
        answers.ClearBoxes();
        answers.ThenButton(QMessageBox::Ok);
        Generate();
        ASSERT_EQ(answers.Boxes().size(), 1u) << config;
        EXPECT_EQ(answers.Boxes()[0].title, "Information");
        EXPECT_EQ(answers.Boxes()[0].text, "No code generation template is available!");
    }
}

// Behind a BASIC Stamp the host's template is used whatever filter is chosen,
// and the dialog proposes its extension.
class HostTemplateTest : public GenerateCodeTest {
  protected:
    HostTemplateTest() { PlugBehindStamp(/*blank=*/false); }
};

TEST_F(HostTemplateTest, TheHostsTemplateIsProposedWithoutAChoice) {
    WriteConfig(kSections);
    ConnectAndRead();
    const std::string base = dir.File("module");
    ThenSave("All Files (*.*)", base);
    Generate();
    EXPECT_EQ(filters, QStringList({"BASIC Stamp (*.bs2)", "All Files (*.*)"}));
    EXPECT_EQ(suffix, "bs2");
    // The title names no "GUI": only the extension is proposed.
    EXPECT_EQ(proposed, ".bs2");
    EXPECT_EQ(parlix::test::ReadFileBytes(base + ".bs2"), expected);
    EXPECT_TRUE(answers.Boxes().empty());
}

}  // namespace
}  // namespace parlix::ui::test
