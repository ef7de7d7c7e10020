#include "platform/profile_file.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/pending_files.h"
#include "platform/profile.h"

namespace brontaxe::platform {
namespace fs = std::filesystem;
namespace {

std::string lowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

PrivateProfile::PrivateProfile(fs::path windowsDirectory)
    : windowsDirectory_(std::move(windowsDirectory)) {}

fs::path PrivateProfile::resolve(const fs::path& fileName) const {
    if (fileName.has_parent_path())
        return fileName;
    const std::string wanted = lowerCase(fileName.string());
    std::error_code ec;
    for (fs::directory_iterator it(windowsDirectory_, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (lowerCase(it->path().filename().string()) == wanted)
            return it->path();
    }
    return windowsDirectory_ / wanted;
}

std::string PrivateProfile::GetString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue, std::size_t bufferLength,
                                      const fs::path& fileName) const {
    auto text = readWholeFile(resolve(fileName));
    ProfileDocument doc = ProfileDocument::parse(text ? *text : std::string());
    return profileString(doc, section, key, defaultValue, bufferLength);
}

bool PrivateProfile::WriteString(std::string_view section, std::string_view key,
                                 std::optional<std::string_view> value,
                                 const fs::path& fileName) const {
    const fs::path path = resolve(fileName);
    auto text = readWholeFile(path);
    if (!text && fs::exists(path))
        return false;  // unreadable: do not overwrite it blindly
    ProfileDocument doc = ProfileDocument::parse(text ? *text : std::string());
    if (value) {
        doc.set(section, key, *value);
    } else {
        doc.removeKey(section, key);
    }
    return replaceFileAtomically(path, doc.text());
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return buffer.str();
}

bool replaceFileAtomically(const fs::path& path, std::string_view contents) {
    std::error_code ec;
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), ec);
    removeStaleTemporaries(path);
    // Removed on every way out before the rename, a signal included.
    const PendingFile temp(temporaryPathFor(path, ::getpid()));
    {
        std::ofstream out(temp.path(), std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out)
            return false;
    }
    fs::rename(temp.path(), path, ec);
    return !ec;
}

}  // namespace brontaxe::platform
