#pragma once
// Outside programs that run beside the window: started without a shell, then either left to
// themselves or watched with zero time-out polls so that the caller keeps its own work going.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brontaxe::platform {

// Why argv[0] cannot be started ("Programme introuvable : ..."), or nullopt when it names an
// executable file (a bare name is looked up in PATH).
std::optional<std::string> programProblem(const std::string& program);

class ChildProcess {
  public:
    enum class State { Running, Ended };

    ChildProcess() = default;
    ~ChildProcess();  // a program still running is stopped: nothing is left behind unwatched
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts the program with its standard input empty, in a process group of its own so that
    // stopping it stops whatever it started, in `workingDirectory` when one is given (else in
    // ours). On failure `error` says why, in French.
    static ChildProcess start(const std::vector<std::string>& argv, std::string& error,
                              const std::string& workingDirectory = {});

    bool started() const { return pid_ > 0 || ended_; }
    // The zero time-out wait: never blocks.
    State poll();
    // Stops the program and what it started, and collects it.
    void terminate();
    // The exit status once ended; 128 + the signal when one ended it.
    int exitCode() const { return exitCode_; }

  private:
    void collect(int status);
    pid_t pid_ = -1;
    bool ended_ = false;
    int exitCode_ = -1;
};

// The wait of a started program: `pump` runs one pass of the caller's event loop after each
// poll that finds the program still running, and returns false when the user stops waiting,
// which stops the program. True when the program ended by itself.
bool waitPumping(ChildProcess& process, const std::function<bool()>& pump);

// Starts a program and forgets it: it is not this program's child, so it never lingers as a
// zombie and outlives us. Nullopt on success, else why it could not start (in French).
std::optional<std::string> startDetached(const std::vector<std::string>& argv);

}  // namespace brontaxe::platform
