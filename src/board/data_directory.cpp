#include "board/data_directory.h"

#include <system_error>

#include "platform/program_files.h"
#include "platform/text.h"

#ifndef BRONTAXE_SHIPPED_DATA_DIR
#error "BRONTAXE_SHIPPED_DATA_DIR names the shipped data directory (set by the build)"
#endif

namespace brontaxe {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kSettingBufferLength = 260;

std::string withSeparator(std::string dir) {
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += '/';
    return dir;
}

bool isWindowsPath(std::string_view p) {
    const bool drive = p.size() >= 2 && p[1] == ':' &&
                       ((p[0] >= 'a' && p[0] <= 'z') || (p[0] >= 'A' && p[0] <= 'Z'));
    return drive || p.find('\\') != std::string_view::npos;
}

// Links, "." and ".." and a trailing separator make no other folder.
bool sameFolder(const fs::path& a, const fs::path& b) {
    const auto key = [](const fs::path& p) {
        std::error_code ec;
        std::string s = fs::weakly_canonical(p, ec).lexically_normal().string();
        while (s.size() > 1 && s.back() == '/')
            s.pop_back();
        return s;
    };
    return key(a) == key(b);
}

}  // namespace

std::string shippedDataDirectory(const platform::EnvironmentLookup& env) {
    return shippedDataDirectory(env, platform::runningExecutable());
}

std::string shippedDataDirectory(const platform::EnvironmentLookup& env,
                                 const fs::path& executable) {
    if (auto dir = env("BRONTAXE_DATA_DIR"); dir && !platform::trimBlanks(*dir).empty())
        return withSeparator(std::string(platform::trimBlanks(*dir)));
    if (auto share = platform::installedShareDirectory(executable))
        return withSeparator((*share / "data").string());
    return withSeparator(BRONTAXE_SHIPPED_DATA_DIR);
}

fs::path userTablesDirectory(const platform::EnvironmentLookup& env) {
    return platform::mapWindowsPath("c:\\korvane\\drumlane", env);
}

bool namesShippedDirectory(std::string_view majoFefco, const platform::EnvironmentLookup& env) {
    const std::string named = std::string(platform::trimBlanks(majoFefco));
    return !named.empty() &&
           sameFolder(dataDirectoryPath(named, env), fs::path(shippedDataDirectory(env)));
}

std::string dataDirectorySetting(const platform::PrivateProfile& settings,
                                 const platform::EnvironmentLookup& env) {
    const std::string stored = std::string(platform::trimBlanks(
        settings.GetString(kPreferencesSection, kDataDirectoryKey, "", kSettingBufferLength,
                           fs::path(kPreferencesFileName))));
    return stored.empty() ? shippedDataDirectory(env) : stored;
}

fs::path dataDirectoryPath(std::string_view majoFefco, const platform::EnvironmentLookup& env) {
    if (isWindowsPath(majoFefco))
        return platform::mapWindowsPath(majoFefco, env);
    return fs::path(majoFefco);
}

std::optional<std::string> directoryOfChosenFile(const fs::path& chosenFile) {
    std::error_code ec;
    if (chosenFile.empty() || !fs::is_regular_file(chosenFile, ec))
        return std::nullopt;
    const std::string dir(
        platform::trimBlanks(fs::absolute(chosenFile, ec).parent_path().string()));
    if (ec || dir.empty())
        return std::nullopt;
    return withSeparator(dir);
}

bool storeDataDirectory(const platform::PrivateProfile& settings, std::string_view directory) {
    return settings.WriteString(kPreferencesSection, kDataDirectoryKey, directory,
                                fs::path(kPreferencesFileName));
}

}  // namespace brontaxe
