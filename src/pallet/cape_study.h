#pragma once
// A study for the outside palletisation program, before and after the program runs: the study
// file and the settings written and the command built, then the results read back. The wait
// in between belongs to the caller, who keeps its window alive meanwhile.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pallet/pallet_study.h"
#include "pallet/result_grid.h"
#include "platform/paths.h"
#include "platform/profile_file.h"

namespace brontaxe::pallet {

struct PreparedStudy {
    std::filesystem::path studyFile;
    std::string commandLine;        // as the program's settings spell it
    std::vector<std::string> argv;  // what is started
};

struct Preparation {
    std::optional<PreparedStudy> study;
    std::string problem;           // French, when there is no study to run
    bool missingSettings = false;  // the program's folder or command is not in its settings
};

// `repPalette` is the working folder in the program's own spelling ("c:\korvane\").
Preparation prepareCapeStudy(const platform::PrivateProfile& profile, const PalletStudy& study,
                             const std::string& repPalette, const std::string& date,
                             const platform::EnvironmentLookup& env);

struct CapeResults {
    ResultGrid grid;
    bool gridRead = false;  // false: the result text was missing, the grid kept its values
    std::optional<std::filesystem::path> image;  // the copy in the working folder
};

// Nullopt when the program returned nothing (no "txt" or "jpeg" in its settings).
std::optional<CapeResults> collectCapeResults(const platform::PrivateProfile& profile,
                                              LoadKind kind, const ResultGrid& previous,
                                              const std::string& repPalette,
                                              const platform::EnvironmentLookup& env);

}  // namespace brontaxe::pallet
