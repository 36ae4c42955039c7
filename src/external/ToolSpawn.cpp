#include "external/ToolSpawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

extern char** environ;

namespace parlix {
namespace {

// The attribute and file action objects, destroyed on every path.
class SpawnSetup {
  public:
    SpawnSetup() {
        actionsOk_ = posix_spawn_file_actions_init(&actions_) == 0;
        attrOk_ = posix_spawnattr_init(&attr_) == 0;
    }
    ~SpawnSetup() {
        if (actionsOk_) posix_spawn_file_actions_destroy(&actions_);
        if (attrOk_) posix_spawnattr_destroy(&attr_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    int Prepare(int output, const std::string& folder) {
        if (!actionsOk_ || !attrOk_) return ENOMEM;
        int err =
            posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (err == 0) err = posix_spawn_file_actions_adddup2(&actions_, output, STDOUT_FILENO);
        if (err == 0) err = posix_spawn_file_actions_adddup2(&actions_, output, STDERR_FILENO);
        // Descriptors that some library opened without close-on-exec stay here.
        if (err == 0) err = posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
        if (err == 0 && !folder.empty()) {
            err = posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
        }
        if (err != 0) return err;

        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        err = posix_spawnattr_setflags(
            &attr_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        if (err == 0) err = posix_spawnattr_setpgroup(&attr_, 0);
        if (err == 0) err = posix_spawnattr_setsigmask(&attr_, &none);
        if (err == 0) err = posix_spawnattr_setsigdefault(&attr_, &all);
        return err;
    }

    const posix_spawn_file_actions_t* Actions() const { return &actions_; }
    const posix_spawnattr_t* Attributes() const { return &attr_; }

  private:
    posix_spawn_file_actions_t actions_{};
    posix_spawnattr_t attr_{};
    bool actionsOk_ = false;
    bool attrOk_ = false;
};

}  // namespace

int SpawnTool(const ToolCommand& command, const std::string& folder, SpawnedTool& tool,
              bool& pipeFailed) {
    pipeFailed = false;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        pipeFailed = true;
        return errno;
    }

    std::vector<char*> argv;
    argv.reserve(command.arguments.size() + 2);
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const std::string& argument : command.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    SpawnSetup setup;
    int err = setup.Prepare(ends[1], folder);
    pid_t pid = -1;
    if (err == 0) {
        err = posix_spawn(&pid, command.program.c_str(), setup.Actions(), setup.Attributes(),
                          argv.data(), environ);
    }
    // Only the tool may hold the writing end, so that the pipe ends when it does.
    close(ends[1]);
    if (err != 0) {
        close(ends[0]);
        return err;
    }
    tool.pid = pid;
    tool.output = ends[0];
    return 0;
}

}  // namespace parlix
