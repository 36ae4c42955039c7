// The protocol trace file: its first line, its records, and the front end's
// status texts and message boxes passing through it.
#include "base/Trace.h"
#include "support/FullDisk.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"
#include "support/TraceRecords.h"

#include <gmock/gmock.h>

#include <sys/utsname.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using ::testing::StartsWith;

class TraceTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseTrace();
        SetTraceFailureHandler(nullptr);
    }

    TempDir dir;
    const std::string path = dir.File("trace.txt");
};

TEST_F(TraceTest, FirstLineNamesTheVersionQtAndTheSystem) {
    utsname name{};
    ASSERT_EQ(::uname(&name), 0);
    const std::string system = std::string(name.sysname) + " " + name.release + " " + name.machine;
    struct Case {
        std::string qtVersion;
        std::string shown;
    };
    for (const Case& c : {Case{"", "no Qt"}, Case{"6.4.2", "Qt 6.4.2"}}) {
        ASSERT_FALSE(OpenTrace(path, c.qtVersion));
        CloseTrace();
        const auto lines = ReadTraceLines(path);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], "Parlix Desk " PARLIX_VERSION "; " + c.shown + "; " + system);
        EXPECT_THAT(lines[1], StartsWith("Started "));
        EXPECT_THAT(lines[2], MatchesRegex(" +0\\.[0-9]{6} END +trace closed"));
    }
}

// Sixteen bytes a line as hex, then the printable ones as they are and the
// others as dots.
TEST_F(TraceTest, BytesShowTheirDirectionHexAndPrintableForm) {
    ASSERT_FALSE(OpenTrace(path));
    TraceBytes(TraceDirection::Sent, "bx", 2);
    const std::string reply = std::string("v\0\xFF", 3) + "ABCDEFGHIJKLMNOPQ";
    TraceBytes(TraceDirection::Received, reply.data(), reply.size());
    CloseTrace();
    const auto lines = ReadTraceLines(path);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_THAT(lines[2], MatchesRegex(" +0\\.[0-9]{6} TX +62 78 {44}bx"));
    EXPECT_THAT(lines[3], MatchesRegex(" +0\\.[0-9]{6} RX +76 00 FF 41 42 43 44 45 46 47 48 49 4A "
                                       "4B 4C 4D  v\\.\\.ABCDEFGHIJKLM"));
    EXPECT_THAT(lines[4], MatchesRegex(" +0\\.[0-9]{6} RX +4E 4F 50 51 {38}NOPQ"));
    EXPECT_EQ(WireText(ReadTraceRecords(path)),
              ">b>x<v<" + std::string(1, '\0') + "<\xFF<A<B<C<D<E<F<G<H<I<J<K<L<M<N<O<P<Q");
}

// Whatever the core or a front end shows through FrontEnd is traced, with the
// answer; the front end still shows it.
TEST_F(TraceTest, StatusTextsAndMessageBoxesOfTheFrontEndAreTraced) {
    RecordingFrontEnd front;
    front.Answer({BoxAnswer::No});
    ASSERT_FALSE(OpenTrace(path));
    front.SetStatusText("Connected to Parlix (Rev 2) on sim:module");
    EXPECT_EQ(
        front.MessageBox("Erase all commands?", "Confirmation", Buttons::YesNo | BoxIcon::Question),
        BoxAnswer::No);
    front.MessageBox("Could not open the port \"x\".\n\n\nNo such file", "Error", BoxIcon::Error);
    CloseTrace();
    const auto records = ReadTraceRecords(path);
    EXPECT_THAT(Payloads(records, "STATUS"),
                ElementsAre("Connected to Parlix (Rev 2) on sim:module"));
    EXPECT_THAT(Payloads(records, "BOX"),
                ElementsAre("Confirmation (0x24: question, Yes/No): Erase all commands?",
                            "Error (0x10: error, OK): Could not open the port \"x\".\\n\\n\\nNo "
                            "such file"));
    EXPECT_THAT(Payloads(records, "ANSWER"), ElementsAre("Confirmation: No", "Error: OK"));
    EXPECT_EQ(front.Messages().size(), 2u);
    EXPECT_THAT(front.StatusTexts(), ElementsAre("Connected to Parlix (Rev 2) on sim:module"));
}

// A front end opens and closes the trace while the program runs; a file that
// cannot be written leaves the open trace as it was.
TEST_F(TraceTest, OpensAndClosesAtAnyTime) {
    EXPECT_FALSE(IsTracing());
    TraceEvent("before");  // nowhere
    ASSERT_FALSE(OpenTrace(path));
    EXPECT_TRUE(IsTracing());
    EXPECT_EQ(TracePath(), path);
    EXPECT_EQ(OpenTrace(dir.File("missing/trace.txt")), std::errc::no_such_file_or_directory);
    EXPECT_EQ(TracePath(), path);
    TraceEvent("during");
    ASSERT_FALSE(OpenTrace(path));  // the same file again starts afresh
    TraceEvent("again");
    CloseTrace();
    EXPECT_FALSE(IsTracing());
    EXPECT_EQ(TracePath(), "");
    TraceEvent("after");
    CloseTrace();  // twice is harmless
    const auto records = ReadTraceRecords(path);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].payload, "again");
    EXPECT_EQ(records[1].tag, "END");
}

// A trace whose file takes no more, from its first line or half-way, stops
// and says so once; the work that is traced goes on.
TEST_F(TraceTest, FileThatTakesNoMoreStopsTheTraceOnce) {
    struct Case {
        const char* name;
        std::string path;
        rlim_t fileLimit;  // 0: no limit
        const char* reason;
    };
    const Case cases[] = {
        {"device that is always full", "/dev/full", 0, "No space left on device"},
        {"disk fills up", path, 600, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> told;
        SetTraceFailureHandler([&](const std::string& file, std::error_code error) {
            told.push_back(file + ": " + error.message());
        });
        {
            const FullDisk full(c.fileLimit != 0 ? c.fileLimit : RLIM_INFINITY);
            EXPECT_FALSE(OpenTrace(c.path));
            for (int i = 0; i < 50; ++i) {
                TraceBytes(TraceDirection::Sent, "b", 1);
                TraceEvent("purge");
            }
            CloseTrace();
        }
        EXPECT_THAT(told, ElementsAre(c.path + ": " + c.reason));
        EXPECT_FALSE(IsTracing());
        EXPECT_EQ(TracePath(), "");
        // Tracing can start again afterwards.
        ASSERT_FALSE(OpenTrace(dir.File("next.txt")));
        TraceEvent("next");
        CloseTrace();
        EXPECT_EQ(ReadTraceRecords(dir.File("next.txt")).front().payload, "next");
        EXPECT_EQ(told.size(), 1u);
    }
}

}  // namespace
}  // namespace parlix::test
