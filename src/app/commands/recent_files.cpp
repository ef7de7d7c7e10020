#include "app/commands/recent_files.h"

#include <algorithm>

#include "board/data_directory.h"

namespace brontaxe::app {
namespace {

constexpr std::string_view kSection = "FichiersRecents";
constexpr std::size_t kPathBuffer = 4096;

std::string key(int n) {
    return "Fichier" + std::to_string(n);
}

}  // namespace

RecentFiles::RecentFiles(const platform::PrivateProfile& settings) : settings_(settings) {
    for (int n = 1; n <= kCapacity; ++n) {
        std::string file = settings_.GetString(kSection, key(n), "", kPathBuffer,
                                               std::filesystem::path(kPreferencesFileName));
        if (!file.empty() && std::find(files_.begin(), files_.end(), file) == files_.end())
            files_.push_back(std::move(file));
    }
}

void RecentFiles::add(const std::filesystem::path& file) {
    std::error_code ec;
    const std::string name = std::filesystem::absolute(file, ec).lexically_normal().string();
    files_.erase(std::remove(files_.begin(), files_.end(), name), files_.end());
    files_.insert(files_.begin(), name);
    if (files_.size() > static_cast<std::size_t>(kCapacity))
        files_.resize(kCapacity);
    store();
}

void RecentFiles::remove(const std::string& file) {
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
    store();
}

// A list that cannot be written is only a convenience lost: the drawing itself is saved.
void RecentFiles::store() const {
    const std::filesystem::path ini(kPreferencesFileName);
    for (int n = 1; n <= kCapacity; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        if (i < files_.size())
            settings_.WriteString(kSection, key(n), files_[i], ini);
        else
            settings_.WriteString(kSection, key(n), std::nullopt, ini);
    }
}

}  // namespace brontaxe::app
