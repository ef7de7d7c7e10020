#pragma once
// The data directory that holds the grade and allowance files ("MajoFefco"): named by the
// preferences, else the directory shipped with the program.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/paths.h"
#include "platform/profile_file.h"

namespace brontaxe {

inline constexpr std::string_view kPreferencesFileName = "korparam.ini";
inline constexpr std::string_view kPreferencesSection = "Preferences";
inline constexpr std::string_view kDataDirectoryKey = "MajoFefco";

// $BRONTAXE_DATA_DIR, else the data folder installed with the program (<prefix>/share/
// brontaxe/data beside <prefix>/bin), else the one of the source tree the program was built
// from; ends with a separator. The first form asks about the running program.
std::string shippedDataDirectory(const platform::EnvironmentLookup& env);
std::string shippedDataDirectory(const platform::EnvironmentLookup& env,
                                 const std::filesystem::path& executable);

// The user's own copy of the tables, made the first time the shipped ones would be written
// (they never are): the program's old default "c:\korvane\drumlane\" on drive C, which lies
// in the user's XDG data folder.
std::filesystem::path userTablesDirectory(const platform::EnvironmentLookup& env);

// True when `majoFefco` names the shipped data directory, however it is written.
bool namesShippedDirectory(std::string_view majoFefco, const platform::EnvironmentLookup& env);

// The "MajoFefco" of the preferences, or the shipped directory when they name none.
std::string dataDirectorySetting(const platform::PrivateProfile& settings,
                                 const platform::EnvironmentLookup& env);

// Where a "MajoFefco" text lies on this system: a Windows path ("c:\korvane\drumlane\") is
// mapped below the folder standing for drive C, any other is taken as it stands.
std::filesystem::path dataDirectoryPath(std::string_view majoFefco,
                                        const platform::EnvironmentLookup& env);

// The directory of a table file the user picked, ending with a separator; nullopt when the
// file does not exist or has no directory part, since nothing may change then.
std::optional<std::string> directoryOfChosenFile(const std::filesystem::path& chosenFile);

// Stores the directory as the preferences' "MajoFefco"; false when they cannot be written.
bool storeDataDirectory(const platform::PrivateProfile& settings, std::string_view directory);

}  // namespace brontaxe
