#include "platform/pending_files.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <system_error>

namespace brontaxe::platform {
namespace fs = std::filesystem;
namespace {

// The signal handler may only read plain memory: fixed buffers, marked in use by a flag.
constexpr std::size_t kSlots = 8;
constexpr std::size_t kPathLength = 4096;
struct Slot {
    volatile std::sig_atomic_t used = 0;
    char path[kPathLength] = {};
};
std::array<Slot, kSlots> pendingSlots;

constexpr int kHandledSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void removePendingAndDie(int sig) {
    for (Slot& s : pendingSlots) {
        if (s.used)
            ::unlink(s.path);
    }
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

}  // namespace

PendingFile::PendingFile(fs::path path) : path_(std::move(path)) {
    const std::string text = path_.string();
    if (text.size() >= kPathLength)
        return;
    for (std::size_t i = 0; i < kSlots; ++i) {
        Slot& s = pendingSlots[i];
        if (s.used)
            continue;
        std::memcpy(s.path, text.c_str(), text.size() + 1);
        s.used = 1;
        slot_ = static_cast<int>(i);
        return;
    }
}

PendingFile::~PendingFile() {
    std::error_code ec;
    fs::remove(path_, ec);
    if (slot_ >= 0)
        pendingSlots[static_cast<std::size_t>(slot_)].used = 0;
}

void removePendingFilesOnSignals() {
    for (int sig : kHandledSignals) {
        struct sigaction action {};
        action.sa_handler = &removePendingAndDie;
        sigemptyset(&action.sa_mask);
        ::sigaction(sig, &action, nullptr);
    }
}

fs::path temporaryPathFor(const fs::path& target, long pid) {
    fs::path temp = target.parent_path();
    temp /= "." + target.filename().string() + ".tmp" + std::to_string(pid);
    return temp;
}

void removeStaleTemporaries(const fs::path& target) {
    const std::string prefix = "." + target.filename().string() + ".tmp";
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(digits);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            std::error_code removed;
            fs::remove(it->path(), removed);
        }
    }
}

}  // namespace brontaxe::platform
