#pragma once
// Private-profile files on disk, read and written with the semantics of the Windows calls
// GetPrivateProfileString and WritePrivateProfileString: a bare file name lives in the
// "Windows directory", an absent file or key gives the default, and a write replaces the file
// atomically so that a failed write leaves the old file untouched.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brontaxe::platform {

class PrivateProfile {
  public:
    explicit PrivateProfile(std::filesystem::path windowsDirectory);

    const std::filesystem::path& windowsDirectory() const { return windowsDirectory_; }

    // A name without a directory resolves inside the Windows directory. Windows file names
    // ignore case, so an existing file of any case is taken; a new one is named in lower case.
    std::filesystem::path resolve(const std::filesystem::path& fileName) const;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferLength,
                          const std::filesystem::path& fileName) const;

    // nullopt as the value removes the key. Returns false, leaving the file as it was, when
    // the file cannot be written.
    bool WriteString(std::string_view section, std::string_view key,
                     std::optional<std::string_view> value,
                     const std::filesystem::path& fileName) const;

  private:
    std::filesystem::path windowsDirectory_;
};

// Whole-file helpers shared by every writer of the program.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);
// Writes to a temporary file beside the target, then renames it over the target.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace brontaxe::platform
