#pragma once
// The study files handed to the outside palletisation program: one for erected cases, one for
// flat blanks in bundles, INI-like text with CR LF line ends.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pallet/pallet_study.h"

namespace brontaxe::pallet {

// Where each study is written, below the outside program's folder.
inline constexpr const char* kCaseStudyName = "pal_excel_m.cif";
inline constexpr const char* kBlankStudyName = "KDF_M.cif";
inline constexpr const char* kStudyFolder = "tutor";

// The short date of the French desktop: 07/12/2026.
std::string shortDate(std::chrono::system_clock::time_point when);

std::vector<std::string> caseStudyLines(const PalletStudy& study, const std::string& date);
std::vector<std::string> blankStudyLines(const PalletStudy& study, const std::string& date);
// The lines of the study of its kind.
std::vector<std::string> studyLines(const PalletStudy& study, const std::string& date);

// Each line followed by CR LF.
std::string crlfText(const std::vector<std::string>& lines);

// Replaces the study file whole, in the Windows Latin code page; nullopt on success, else why (in
// French).
std::optional<std::string> writeStudyFile(const std::filesystem::path& path,
                                          const std::vector<std::string>& lines);

}  // namespace brontaxe::pallet
