#pragma once
// Temporary files a save is writing beside its target. A save that ends in any way before its
// rename (an error, an exception, a signal such as Ctrl+C or `kill`) must not leave one behind.

#include <filesystem>

namespace brontaxe::platform {

// Registers a temporary file for the time of a save; removes it when destroyed, which after a
// successful rename finds nothing to remove.
class PendingFile {
  public:
    explicit PendingFile(std::filesystem::path path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    int slot_ = -1;  // its place in the list the signal handler reads; -1 when the list is full
};

// Installs handlers for SIGINT, SIGTERM, SIGHUP and SIGQUIT that remove the pending files,
// then end the process by the same signal. A front end calls it once at start.
void removePendingFilesOnSignals();

// The temporary name of a save of `target` by process `pid`: hidden, beside the target so
// that the rename stays on one file system.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target, long pid);

// Removes temporary files of earlier saves of `target` whose process is gone (killed by a
// signal no handler sees, SIGKILL or a power cut).
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace brontaxe::platform
