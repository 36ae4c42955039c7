// Progress of the operations that read or write the whole module: a bar on a
// terminal, a line each tenth of the way in a log or a pipe, none with --quiet.
#include "cli/CliFrontEnd.h"
#include "cli/SimModuleCli.h"

#include <gmock/gmock.h>

#include <pty.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

namespace parlix::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// What the front end wrote to a file, which is no terminal.
std::string Written(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
    return text;
}

// As the jobs' shared bar moves: a section opening sets the range, a step the position.
struct Step {
    const char* label;  // nullptr: keep the last one
    std::uint32_t range;
    std::uint32_t pos;
};

struct LinesCase {
    const char* name;
    bool quiet;
    std::vector<Step> steps;
    std::string lines;
};

std::vector<Step> Walk(const char* label, std::uint32_t range) {
    std::vector<Step> steps{{label, range, 1}};
    for (std::uint32_t pos = 2; pos <= range; ++pos) steps.push_back({nullptr, range, pos});
    return steps;
}

std::vector<Step> Join(std::vector<Step> a, const std::vector<Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(CliProgressLinesTest, OffATerminalALineEachTenthOfTheWay) {
    const std::string tenths =
        "Reading: 0%\nReading: 10%\nReading: 20%\nReading: 30%\nReading: 40%\nReading: 50%\n"
        "Reading: 60%\nReading: 70%\nReading: 80%\nReading: 90%\nReading: 100%\n";
    const LinesCase cases[] = {
        {"every step of a long read", false, Walk("Reading", 301), tenths},
        {"steps wider than a tenth name the tenth reached",
         false,
         {{"Reading", 4, 1}, {nullptr, 4, 2}, {nullptr, 4, 3}, {nullptr, 4, 4}},
         "Reading: 0%\nReading: 20%\nReading: 50%\nReading: 70%\nReading: 100%\n"},
        // A section opening while others run widens the range: the sum steps back.
        {"a widening range never repeats a tenth",
         false,
         {{"Reading", 11, 6}, {nullptr, 41, 7}, {nullptr, 41, 30}},
         "Reading: 0%\nReading: 50%\nReading: 70%\n"},
        {"a pass after the idle bar counts from 0 again", false,
         Join(Walk("Reading", 11), {{nullptr, 1, 1}, {nullptr, 3, 1}, {nullptr, 3, 3}}),
         tenths + "Reading: 30%\nReading: 100%\n"},
        {"a new name counts afresh, the same name goes on",
         false,
         {{"Connecting", 11, 5}, {"Reading groups", 11, 6}, {"Reading groups", 11, 7}},
         "Connecting: 0%\nConnecting: 40%\nReading groups: 40%\nReading groups: 50%\n"
         "Reading groups: 60%\n"},
        {"the idle bar says nothing", false, {{"Reading", 1, 0}, {nullptr, 1, 1}}, ""},
        {"--quiet says nothing", true, Walk("Reading", 301), ""},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        ASSERT_TRUE(out && err);
        {
            cli::CliFrontEnd front(out, err);
            front.SetShowProgress(true);
            front.SetQuiet(c.quiet);
            for (const Step& step : c.steps) {
                if (step.label) front.SetProgressLabel(step.label);
                front.SetProgressRange(step.range);
                front.SetProgressPos(step.pos);
            }
            front.FinishProgress();
        }
        EXPECT_EQ(Written(err), c.lines);
        EXPECT_EQ(Written(out), "");
        std::fclose(out);
        std::fclose(err);
    }
}

// On a terminal the bar is redrawn in place, and a message starts a line of its own.
TEST(CliProgressBarTest, RedrawsInPlaceAndMakesWayForMessages) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    std::FILE* err = ::fdopen(slave, "w");
    std::FILE* out = std::tmpfile();
    ASSERT_TRUE(err && out);
    {
        cli::CliFrontEnd front(out, err);
        front.SetShowProgress(true);
        front.SetProgressLabel("Reading");
        front.SetProgressRange(5);
        front.SetProgressPos(1);
        front.SetProgressPos(1);  // nothing moved: not drawn again
        front.SetProgressPos(5);
        front.MessageBox("Lost.", "Error", BoxIcon::Error);
    }
    std::fclose(err);
    std::fclose(out);
    std::string seen;
    char buffer[4096];
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) seen.append(buffer, n);
    ::close(master);
    const std::string empty(40, ' ');
    // The terminal turns each "\n" into "\r\n".
    EXPECT_EQ(seen, "\rReading [" + empty + "]   0%\rReading [" + std::string(8, '#') +
                        std::string(32, ' ') + "]  20%\rReading [" + std::string(40, '#') +
                        "] 100%\r\nError: Lost.\r\n");
}

// parlix-cli through a pipe against the demo module.
class ProgressCliTest : public SimModuleCli {
  protected:
    void SetUp() override {
        Serve(sim::ModuleDevice::FromFile(PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json"));
    }
};

// Each name's percentages, in the order printed.
std::map<std::string, std::vector<int>> ProgressLines(const std::string& err) {
    static const std::regex line("^([A-Za-z ]+): (\\d+)%$");
    std::map<std::string, std::vector<int>> found;
    std::istringstream in(err);
    std::smatch match;
    for (std::string text; std::getline(in, text);)
        if (std::regex_match(text, match, line)) found[match[1]].push_back(std::stoi(match[2]));
    return found;
}

TEST_F(ProgressCliTest, ExportThroughAPipePrintsEachTenthOnce) {
    const auto r = Cli({"--port", "sim:module", "export", dir.File("set.vrcmd")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = ProgressLines(r.err);
    for (const char* name : {"Reading groups", "Reading commands", "Exporting"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(lines.count(name)) << r.err;
        const std::vector<int>& percents = lines.at(name);
        EXPECT_LE(percents.size(), 11u);
        for (std::size_t i = 0; i < percents.size(); ++i) {
            EXPECT_EQ(percents[i] % 10, 0) << percents[i];
            if (i > 0) {
                EXPECT_GT(percents[i], percents[i - 1]);
            }
        }
        EXPECT_EQ(percents.back(), 100) << r.err;
    }
    EXPECT_EQ(lines.size(), 3u) << r.err;
    EXPECT_THAT(r.out, Not(HasSubstr("%")));
}

TEST_F(ProgressCliTest, QuietExportPrintsNoProgress) {
    const auto r = Cli({"--quiet", "--port", "sim:module", "export", dir.File("set.vrcmd")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(ProgressLines(r.err).empty()) << r.err;
    EXPECT_GT(std::filesystem::file_size(dir.File("set.vrcmd")), 0u);
}

}  // namespace
}  // namespace parlix::test
