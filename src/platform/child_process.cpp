#include "platform/child_process.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

extern char** environ;

namespace brontaxe::platform {
namespace {

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string notFound(const std::string& program) {
    return "Programme introuvable : " + program;
}

std::vector<char*> argumentPointers(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    return args;
}

int statusCode(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

std::optional<std::string> programProblem(const std::string& program) {
    if (program.empty())
        return std::string("Aucun programme à lancer");
    if (program.find('/') != std::string::npos)
        return isExecutableFile(program) ? std::nullopt : std::optional(notFound(program));
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin:/bin";
    while (true) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        if (!dir.empty() && isExecutableFile(std::string(dir) + "/" + program))
            return std::nullopt;
        if (colon == std::string_view::npos)
            break;
        dirs.remove_prefix(colon + 1);
    }
    return notFound(program);
}

ChildProcess::~ChildProcess() {
    terminate();
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(other.pid_), ended_(other.ended_), exitCode_(other.exitCode_) {
    other.pid_ = -1;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        terminate();
        pid_ = other.pid_;
        ended_ = other.ended_;
        exitCode_ = other.exitCode_;
        other.pid_ = -1;
    }
    return *this;
}

ChildProcess ChildProcess::start(const std::vector<std::string>& argv, std::string& error,
                                 const std::string& workingDirectory) {
    ChildProcess child;
    if (argv.empty()) {
        error = "Aucun programme à lancer";
        return child;
    }
    if (auto problem = programProblem(argv[0])) {
        error = *problem;
        return child;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (!workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    std::vector<char*> args = argumentPointers(argv);
    pid_t pid = 0;
    const int failed = ::posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        error = "Le programme " + argv[0] + " n'a pas pu démarrer : " + std::strerror(failed);
        return child;
    }
    child.pid_ = pid;
    return child;
}

void ChildProcess::collect(int status) {
    exitCode_ = statusCode(status);
    ended_ = true;
    pid_ = -1;
}

ChildProcess::State ChildProcess::poll() {
    if (pid_ <= 0)
        return State::Ended;
    int status = 0;
    pid_t r = 0;
    do {
        r = ::waitpid(pid_, &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0)
        return State::Running;
    if (r < 0) {  // not ours any more: nothing left to wait for
        ended_ = true;
        pid_ = -1;
        return State::Ended;
    }
    collect(status);
    return State::Ended;
}

void ChildProcess::terminate() {
    if (pid_ <= 0)
        return;
    ::kill(-pid_, SIGTERM);
    // A program that ignores the request gets a little time, then is killed.
    for (int i = 0; i < 50 && poll() == State::Running; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (pid_ <= 0)
        return;
    ::kill(-pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    collect(status);
}

bool waitPumping(ChildProcess& process, const std::function<bool()>& pump) {
    while (process.poll() == ChildProcess::State::Running) {
        if (!pump()) {
            process.terminate();
            return false;
        }
    }
    return true;
}

std::optional<std::string> startDetached(const std::vector<std::string>& argv) {
    if (argv.empty())
        return std::string("Aucun programme à lancer");
    if (auto problem = programProblem(argv[0]))
        return problem;
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return std::string("Le programme ") + argv[0] +
               " n'a pas pu démarrer : " + std::strerror(errno);
    std::vector<char*> args = argumentPointers(argv);
    const pid_t middle = ::fork();
    if (middle == 0) {
        // Only async-signal-safe calls from here: the grandchild is adopted by init.
        ::setsid();
        if (::fork() == 0) {
            const int devnull = ::open("/dev/null", O_RDONLY);
            if (devnull >= 0)
                ::dup2(devnull, 0);
            ::execvp(args[0], args.data());
            const int e = errno;
            (void)!::write(report[1], &e, sizeof e);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (middle < 0) {
        const int e = errno;
        ::close(report[0]);
        return std::string("Le programme ") + argv[0] +
               " n'a pas pu démarrer : " + std::strerror(e);
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t n = 0;
    do {
        n = ::read(report[0], &execError, sizeof execError);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof execError))
        return std::string("Le programme ") + argv[0] +
               " n'a pas pu démarrer : " + std::strerror(execError);
    return std::nullopt;
}

}  // namespace brontaxe::platform
