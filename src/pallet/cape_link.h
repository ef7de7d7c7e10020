#pragma once
// The outside palletisation program's side of a study: its settings file "cpExt.ini" in the
// Windows directory, where the study goes, the command that starts it and what it returns.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pallet/cif_files.h"
#include "pallet/pallet_study.h"
#include "platform/paths.h"
#include "platform/profile_file.h"

namespace brontaxe::pallet {

inline constexpr const char* kCapeSettingsFile = "cpExt.ini";
// Said when the program's settings name no folder or command: it writes them on its first run.
inline constexpr const char* kCapeMissingTitle = "cape pack Interface";
inline constexpr const char* kCapeMissingText =
    "Open cape pack software and exit then run this Example again.";
inline constexpr const char* kNoPalletResult = "Aucun Résultat d'optimisation Palette !";
// The user text of the command line.
inline constexpr const char* kCapeUserText = "cap";

// The path trimmed, with "\" appended when it does not end with one.
std::string CompatiblePath(std::string_view path);

// "CAPEPath" and "openCmdLine" of section "general"; nullopt when missing or empty.
std::optional<std::string> capePathSetting(const platform::PrivateProfile& profile);
std::optional<std::string> openCmdLineSetting(const platform::PrivateProfile& profile);
// Both set: the outside program is to be used rather than the built-in pattern.
bool outsideProgramConfigured(const platform::PrivateProfile& profile);

// The study file of that kind below the program's folder: as the program names it
// (Windows form) and where it is on this system.
std::string studyWindowsPath(const std::string& capePath, LoadKind kind);
std::filesystem::path studyPath(const std::string& capePath, LoadKind kind,
                                const platform::EnvironmentLookup& env);

// The report settings and the image the program is to return, in "cpExt.ini". False when the
// file could not be written.
bool writeReportSettings(const platform::PrivateProfile& profile, const PalletStudy& study,
                         const std::string& repPalette);
bool markActiveConnection(const platform::PrivateProfile& profile);

// The command line as the program's settings spell it: the start command, " /cif", the user
// text in quotes, then the study file.
std::string capeCommandLine(const std::string& openCmdLine, const std::string& userText,
                            const std::string& studyFile);
// The same as an argument vector, with no shell: the start command split as its own quoting
// says, then "/cif", the user text and the study file each one argument whatever blanks they
// hold.
std::vector<std::string> capeArguments(const std::string& openCmdLine, const std::string& userText,
                                       const std::filesystem::path& studyFile,
                                       const platform::EnvironmentLookup& env);

struct CapeReturns {
    std::string text;   // "txt": the result text
    std::string image;  // "jpeg": the result image
};
// Section "returns"; nullopt when either key is missing.
std::optional<CapeReturns> readReturns(const platform::PrivateProfile& profile);

// The part after the last "\" (or "/").
std::string fileNameOf(std::string_view path);

// Lines 1 to 57 of the result text, trimmed (index 0 unused, missing lines empty); nullopt
// when the file cannot be read.
std::optional<std::vector<std::string>> readResultLines(const std::filesystem::path& path);

// Copies the result image into the working folder under its own name; the copy's path, or
// nullopt when there is no image to copy. An image already in that folder is left as it is.
std::optional<std::filesystem::path> copyResultImage(const std::filesystem::path& image,
                                                     const std::filesystem::path& folder);

}  // namespace brontaxe::pallet
