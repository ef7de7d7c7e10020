#pragma once
// The module BoardTables: the grade table and the allowance table of the data directory, their
// files, the lookup of the allowances of a code in a grade, and the edits of the editors.
//
// Operations that can fail return the problem as a French message (nullopt: done). A table
// whose file could not be read whole is never saved, so that a damaged file is not replaced
// by the part of it that was understood; every edit that saves leaves the tables as they were
// when its save fails.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/allowance_table.h"
#include "board/grade_table.h"

namespace brontaxe {

inline constexpr std::string_view kAllowanceFileName = "fefcomajo1.kor";
inline constexpr std::string_view kOlderAllowanceFileName = "csmajo1.kor";
inline constexpr std::string_view kGradeFileName = "csqual2.kor";
inline constexpr std::string_view kOlderGradeFileName = "csqual1.kor";

// Thickness, double-wall thickness and label of a grade number the table does not hold.
inline constexpr float kDefaultThickness = 3.0f;
inline constexpr float kDefaultDoubleWall = 6.0f;
inline constexpr std::string_view kDefaultLabel = "1";

using TableProblem = std::optional<std::string>;

class BoardTables {
  public:
    explicit BoardTables(std::filesystem::path dataDirectory = {});

    const std::filesystem::path& dataDirectory() const { return dataDirectory_; }
    // Takes effect at the next load or save; clears a folder set by saveInto.
    void setDataDirectory(std::filesystem::path dataDirectory);
    // For tables read from a folder that is never written (the ones shipped with the program):
    // the next save writes both tables into `directory`, which becomes their folder.
    void saveInto(std::filesystem::path directory);

    // Load from the current-format file, else from the older one, else an empty table. What
    // the user must be told (a missing or unreadable file, each record set aside with its
    // line) is returned, one warning a line, and kept in the warnings below.
    TableProblem readAllowances();
    TableProblem readGrades();
    const std::vector<std::string>& gradeWarnings() const { return gradeWarnings_; }
    const std::vector<std::string>& allowanceWarnings() const { return allowanceWarnings_; }
    TableProblem saveAllowances();
    TableProblem saveGrades();

    // Fills `out` (entries 1 to 16) with the allowances of the pair. When they are missing or
    // their first three values are 0, the first record of the same code with a non-zero first
    // value stands in, scaled by `epaisseurCarton` (the thickness of `grade`, which the caller
    // puts in the model first) over the thickness of that record's grade. Returns the slot of
    // the exact record, or 0.
    int findAllowances(std::int16_t code, std::int16_t grade, float epaisseurCarton,
                       AllowanceValues& out) const;
    bool hasAllowances(std::int16_t code, std::int16_t grade) const;
    // Sets the pair's values in memory; the caller saves with saveAllowances.
    void storeAllowances(std::int16_t code, std::int16_t grade, const AllowanceValues& values);

    float gradeThickness(int grade) const;
    float gradeDoubleWall(int grade) const;
    std::string gradeLabel(int grade) const;

    // Adds a grade, or replaces the one with the same code (its label then loses the number),
    // and saves the grade file.
    TableProblem addGrade(std::string_view code, std::string_view designation, float thickness,
                          float doubleWall);
    // Deletes a grade and its allowances, renumbers the later grades and their allowances,
    // and saves both files.
    TableProblem deleteGrade(int grade);
    // Change a held grade and save the grade file; a grade not held is left alone.
    TableProblem setGradeThickness(int grade, float thickness);
    TableProblem setGradeDoubleWall(int grade, float doubleWall);

    // The same edits held in memory, for the allowance editor that saves both tables on
    // "Valider" (saveTables) and puts them back on "Abandonner" (restoreTables). Values outside
    // their ranges are refused and change nothing.
    TableProblem setGrade(std::string_view code, std::string_view designation, float thickness,
                          float doubleWall);
    TableProblem setThickness(int grade, float thickness);
    TableProblem setDoubleWall(int grade, float doubleWall);
    // Both files, all or nothing: when either cannot be written, neither changes on disk.
    TableProblem saveTables();
    void restoreTables(GradeTable grades, AllowanceTable allowances);

    const GradeTable& grades() const { return grades_; }
    const AllowanceTable& allowances() const { return allowances_; }

  private:
    // Where a table file is read from (dataDirectory) and where it is saved (saveInto's
    // folder while one is set).
    std::filesystem::path fileIn(std::string_view name) const;
    std::filesystem::path savedFileIn(std::string_view name) const;
    // The problem that forbids saving a table whose file was not read whole.
    TableProblem refusal(const TableProblem& damage, std::string_view fileName) const;
    TableProblem saveText(std::string_view fileName, const std::string& text) const;
    // Changes the grades with `edit`, then saves them; restores them when the save fails.
    template <typename Edit>
    TableProblem editGrades(Edit edit);

    std::filesystem::path dataDirectory_;
    std::filesystem::path saveDirectory_;  // empty: saves go to dataDirectory_
    GradeTable grades_;
    AllowanceTable allowances_;
    TableProblem gradeDamage_;      // why the grade file loaded last was not read whole
    TableProblem allowanceDamage_;  // likewise for the allowance file
    std::vector<std::string> gradeWarnings_;
    std::vector<std::string> allowanceWarnings_;
};

}  // namespace brontaxe
