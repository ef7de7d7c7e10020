#pragma once
// The drawings opened or saved last, newest first, kept in the preferences so that they
// survive a restart.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/profile_file.h"

namespace brontaxe::app {

class RecentFiles {
  public:
    static constexpr int kCapacity = 8;

    explicit RecentFiles(const platform::PrivateProfile& settings);

    const std::vector<std::string>& files() const { return files_; }
    // The file goes first; an older mention of it is dropped, and the oldest beyond the
    // capacity.
    void add(const std::filesystem::path& file);
    void remove(const std::string& file);

  private:
    void store() const;

    const platform::PrivateProfile& settings_;
    std::vector<std::string> files_;
};

}  // namespace brontaxe::app
