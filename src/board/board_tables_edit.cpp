#include "board/board_tables.h"

#include "board/table_files.h"
#include "model/field_ranges.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"

namespace brontaxe {
namespace {

// A label that starts with its grade number (after blanks) follows the grade to its new
// number; the rest of it, blanks included, stays as it was.
std::string renumberedLabel(const std::string& label, int oldNumber) {
    const std::size_t first = label.find_first_not_of(' ');
    if (first == std::string::npos)
        return label;
    std::size_t end = first;
    while (end < label.size() && label[end] >= '0' && label[end] <= '9')
        ++end;
    if (end == first || label.substr(first, end - first) != std::to_string(oldNumber))
        return label;
    return label.substr(0, first) + std::to_string(oldNumber - 1) + label.substr(end);
}

// The editors' values obey the same ranges as the files', so that nothing saved is set aside
// at the next start.
TableProblem thicknessProblem(float thickness) {
    return checkFieldValue("EpaisseurCarton", thickness, "Épaisseur incorrecte");
}

TableProblem doubleWallProblem(float doubleWall) {
    return checkFieldValue("Dblmur", doubleWall, "Double mur incorrect");
}

}  // namespace

template <typename Edit>
TableProblem BoardTables::editGrades(Edit edit) {
    if (auto refused = refusal(gradeDamage_, kGradeFileName))
        return refused;
    const GradeTable before = grades_;
    if (auto problem = edit())
        return problem;
    if (auto problem = saveGrades()) {
        grades_ = before;
        return problem;
    }
    return std::nullopt;
}

TableProblem BoardTables::setGrade(std::string_view code, std::string_view designation,
                                   float thickness, float doubleWall) {
    if (auto problem = thicknessProblem(thickness))
        return problem;
    if (auto problem = doubleWallProblem(doubleWall))
        return problem;
    const std::string key = quotableText(code);
    int slot = 0;
    for (int n = 1; n <= grades_.count(); ++n) {
        if (grades_.at(n).code == key)
            slot = n;  // the last of several namesakes
    }
    QualiteRec g{quotableText(designation), key, thickness, doubleWall};
    if (slot != 0) {
        grades_.at(slot) = std::move(g);
        return std::nullopt;
    }
    g.label = platform::numberTextBlank(grades_.count() + 1) + " - " + g.label;
    if (!grades_.append(std::move(g)))
        return "La table compte déjà " + std::to_string(kMaxGrades) + " qualités";
    return std::nullopt;
}

TableProblem BoardTables::setThickness(int grade, float thickness) {
    if (!grades_.holds(grade))
        return std::nullopt;
    if (auto problem = thicknessProblem(thickness))
        return problem;
    grades_.at(grade).thickness = thickness;
    return std::nullopt;
}

TableProblem BoardTables::setDoubleWall(int grade, float doubleWall) {
    if (!grades_.holds(grade))
        return std::nullopt;
    if (auto problem = doubleWallProblem(doubleWall))
        return problem;
    grades_.at(grade).doubleWall = doubleWall;
    return std::nullopt;
}

void BoardTables::restoreTables(GradeTable grades, AllowanceTable allowances) {
    grades_ = std::move(grades);
    allowances_ = std::move(allowances);
}

TableProblem BoardTables::addGrade(std::string_view code, std::string_view designation,
                                   float thickness, float doubleWall) {
    return editGrades([&] { return setGrade(code, designation, thickness, doubleWall); });
}

TableProblem BoardTables::setGradeThickness(int grade, float thickness) {
    if (!grades_.holds(grade))
        return std::nullopt;
    return editGrades([&] { return setThickness(grade, thickness); });
}

TableProblem BoardTables::setGradeDoubleWall(int grade, float doubleWall) {
    if (!grades_.holds(grade))
        return std::nullopt;
    return editGrades([&] { return setDoubleWall(grade, doubleWall); });
}

TableProblem BoardTables::deleteGrade(int grade) {
    if (!grades_.holds(grade))
        return std::nullopt;
    // Both files change together: neither is touched unless both can be written.
    if (auto refused = refusal(gradeDamage_, kGradeFileName))
        return refused;
    if (auto refused = refusal(allowanceDamage_, kAllowanceFileName))
        return refused;
    const GradeTable gradesBefore = grades_;
    const AllowanceTable allowancesBefore = allowances_;

    for (int i = grade + 1; i <= grades_.count(); ++i)
        grades_.at(i).label = renumberedLabel(grades_.at(i).label, i);
    grades_.remove(grade);
    allowances_.removeGrade(static_cast<std::int16_t>(grade));

    const TableProblem problem = saveTables();
    if (problem) {
        grades_ = gradesBefore;
        allowances_ = allowancesBefore;
    }
    return problem;
}

}  // namespace brontaxe
