// Where an import reads its file from: folders, files that fail to read,
// named pipes and streams without an end. Whatever the source, a file that
// is not accepted as a whole shows one message and sends nothing.
#include "jobs/CommandFile.h"
#include "jobs/CommandFileJobs.h"
#include "jobs/JobFixture.h"

#include <gmock/gmock.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char kCannotOpen[] = "Cannot open the specified file!";
const char kInvalid[] = "Invalid command file format or empty file!";

// One command for group 1, as an export writes it.
const std::string kValidFile =
    "Group 1 : 1\r\nCommand 0 : " + std::string(kCommandDigits, '5') + "\r\n";

// Feeds `content` into a named pipe from its own thread, as a shell pipe does.
class FifoWriter {
  public:
    FifoWriter(std::string path, std::string content) : path_(std::move(path)) {
        if (::mkfifo(path_.c_str(), 0600) != 0) {
            ADD_FAILURE() << "mkfifo: " << std::strerror(errno);
            return;
        }
        thread_ = std::thread([this, content = std::move(content)] {
            // A reader that stops early must end the writing, not the process.
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
            const int fd = ::open(path_.c_str(), O_WRONLY);  // waits for the reader
            if (fd < 0) return;
            for (std::size_t done = 0; done < content.size();) {
                const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) break;
                done += static_cast<std::size_t>(n);
            }
            ::close(fd);
        });
    }
    ~FifoWriter() {
        if (!thread_.joinable()) return;
        // Frees a writer still waiting for a reader; it then ends on EPIPE.
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        thread_.join();
    }
    FifoWriter(const FifoWriter&) = delete;
    FifoWriter& operator=(const FifoWriter&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::thread thread_;
};

class CommandImportSourceTest : public JobFixture {
  protected:
    void SetUp() override {
        JobFixture::SetUp();
        Start(12);
        LoadGroups({{1, {"A", "B"}}});
    }

    // The import fails with exactly this one message and the module keeps
    // its two commands in group 1.
    void ExpectRefused(const std::string& path, const std::string& text) {
        EXPECT_FALSE(importer.Import(path));
        EXPECT_THAT(front.Messages(), ElementsAre(ShownMessage{text, "Error", BoxIcon::Error}));
        EXPECT_THAT(Sends(), IsEmpty());
        EXPECT_EQ(model().GetListCount(1), 2);
        EXPECT_EQ(data.Progress().Range(), 1u);
    }

    CommandImporterThread importer{data};
};

struct SourceCase {
    const char* name;
    // Makes the source in the test's folder and returns its path.
    std::function<std::string(const TempDir&)> make;
    const char* message;
};

void PrintTo(const SourceCase& c, std::ostream* os) {
    *os << c.name;
}

// A valid file made longer than any command file can be.
std::string OverTheCap(const TempDir& dir) {
    const std::string path = dir.File("huge.vrcmd");
    std::ofstream(path, std::ios::binary) << kValidFile;
    std::filesystem::resize_file(path, kCommandFileMaxBytes + 1);  // sparse: quick
    return path;
}

const SourceCase kSourceCases[] = {
    {"Directory",
     [](const TempDir& dir) {
         std::filesystem::create_directory(dir.File("folder.vrcmd"));
         return dir.File("folder.vrcmd");
     },
     kCannotOpen},
    // Opens, but every read fails.
    {"ReadError", [](const TempDir&) { return std::string("/proc/self/mem"); }, kCannotOpen},
    {"EndlessStream", [](const TempDir&) { return std::string("/dev/zero"); }, kInvalid},
    {"FileOverTheCap", OverTheCap, kInvalid},
};

class CommandImportSourceCaseTest : public CommandImportSourceTest,
                                    public ::testing::WithParamInterface<SourceCase> {};

TEST_P(CommandImportSourceCaseTest, RefusedWithOneMessage) {
    ExpectRefused(GetParam().make(dir), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Sources, CommandImportSourceCaseTest, ::testing::ValuesIn(kSourceCases),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(CommandImportSourceTest, UnreadableFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const std::string path = dir.File("locked.vrcmd");
    std::ofstream(path, std::ios::binary) << kValidFile;
    std::filesystem::permissions(path, std::filesystem::perms::none);
    ExpectRefused(path, kCannotOpen);
}

// A pipe cannot be read twice: the file is checked and loaded from one read.
TEST_F(CommandImportSourceTest, ImportsFromANamedPipe) {
    FifoWriter fifo(dir.File("pipe.vrcmd"), kValidFile);
    ScriptOk(2);  // one command removed, command 0 erased
    ScriptOk(2);  // loaded, verified
    ScriptCommand("NEW");
    EXPECT_TRUE(importer.Import(fifo.Path()));
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_THAT(Sends(), ElementsAre("u[1,0]", "e[1,0]", "~[8,1,0,...]", "~[21,1,0]", "p[1,0]"));
    EXPECT_EQ(model().GetListCount(1), 1);
}

// The writer goes on past the cap; the reader stops there without its end.
TEST_F(CommandImportSourceTest, PipeOverTheCap) {
    std::string content = kValidFile;
    content.resize(kCommandFileMaxBytes + 65536, '\n');
    FifoWriter fifo(dir.File("pipe.vrcmd"), std::move(content));
    ExpectRefused(fifo.Path(), kInvalid);
}

}  // namespace
}  // namespace parlix::test
