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

// $BRONTAXE_DATA_DIR, else the data directory of the source tree the program was built from;
// ends with a separator.
std::string shippedDataDirectory(const platform::EnvironmentLookup& env);

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
