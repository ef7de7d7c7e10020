#pragma once
// Where the program keeps its settings and where the fixed Windows paths of the program
// ("c:\korvane\...") live on this system.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brontaxe::platform {

// Looks up an environment variable; tests pass their own.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
EnvironmentLookup processEnvironment();

// The "Windows directory" that holds the settings files: $BRONTAXE_CONFIG_DIR, else
// $XDG_CONFIG_HOME/brontaxe, else ~/.config/brontaxe.
std::filesystem::path windowsDirectory(const EnvironmentLookup& env);

// Where the program keeps what it writes for itself between runs (the design written aside
// against a crash): $BRONTAXE_STATE_DIR, else $XDG_STATE_HOME/brontaxe, else
// ~/.local/state/brontaxe.
std::filesystem::path stateDirectory(const EnvironmentLookup& env);

// The folder standing for drive C, where the user's files live: $BRONTAXE_DRIVE_C, else
// $XDG_DATA_HOME/brontaxe/c, else ~/.local/share/brontaxe/c.
std::filesystem::path driveC(const EnvironmentLookup& env);

// A Windows path of the program mapped to this system: "c:\Korvane\X.des" becomes
// <drive C>/korvane/x.des. Other paths only get their backslashes turned into slashes.
std::filesystem::path mapWindowsPath(std::string_view windowsPath, const EnvironmentLookup& env);

}  // namespace brontaxe::platform
