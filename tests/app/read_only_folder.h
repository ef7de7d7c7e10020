#pragma once
// A folder that even the super-user cannot write into, as long as this object lives.

#include <unistd.h>
#include <filesystem>

#include "platform/process.h"

namespace brontaxe::app {

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::filesystem::path path) : path_(std::move(path)) {
        std::filesystem::permissions(
            path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        if (::geteuid() == 0)
            immutable_ = platform::runProcess({"chattr", "+i", path_.string()}).exitCode == 0;
    }
    ~ReadOnlyFolder() {
        if (immutable_)
            platform::runProcess({"chattr", "-i", path_.string()});
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool effective() const { return ::geteuid() != 0 || immutable_; }

  private:
    std::filesystem::path path_;
    bool immutable_ = false;
};

}  // namespace brontaxe::app
