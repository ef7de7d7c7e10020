#pragma once
// Where the outside 3D, compression and CAD programs are on this system: section "Programmes"
// of the settings, each defaulting to the program's usual place on drive C.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/profile_file.h"

namespace brontaxe::tools {

inline constexpr const char* kProgramsSection = "Programmes";
inline constexpr const char* kDefaultKorvane3D = "C:\\wkorvane\\bin\\Korvane3D.exe";
inline constexpr const char* kDefaultKorRcv = "C:\\wkorvane\\bin32\\KorRCV.exe";
inline constexpr const char* kDefaultKorGeom = "c:\\wkorvane\\bin8_2d\\korgeom.exe";
inline constexpr const char* kDefaultStapelix =
    "C:\\Program Files\\Velbrin\\Lomdrak\\Stapelix\\Bin\\Velbrin.Stapelix.Desktop.exe";

struct OutsidePrograms {
    std::string korvane3D = kDefaultKorvane3D;
    std::string korRcv = kDefaultKorRcv;
    std::string korGeom = kDefaultKorGeom;
    std::string stapelix = kDefaultStapelix;  // the maker's palletisation program
};

OutsidePrograms readOutsidePrograms(const platform::PrivateProfile& settings);
// False, leaving the settings as they were, when they cannot be written.
bool writeOutsidePrograms(const platform::PrivateProfile& settings, const OutsidePrograms& p);

// A configured program on this system: trimmed, and a drive-C path moved to the folder
// standing for drive C.
std::filesystem::path programFile(const std::string& configured,
                                  const platform::EnvironmentLookup& env);

// A program started and waited for: its argument vector and the folder it runs in.
struct ProgramRun {
    std::vector<std::string> argv;
    std::string workingDirectory;
};

// The palletisation program, started without data in its own folder, as it expects.
ProgramRun stapelixRun(const OutsidePrograms& programs, const platform::EnvironmentLookup& env);

}  // namespace brontaxe::tools
