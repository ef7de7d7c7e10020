#include "board/board_tables.h"

#include <system_error>

#include "board/table_files.h"
#include "platform/file_set.h"
#include "platform/profile_file.h"

namespace brontaxe {
namespace fs = std::filesystem;
namespace {

// Files copied from Windows may carry other cases in their names; an existing one is taken.
fs::path fileInDirectory(const fs::path& dir, std::string_view name) {
    return platform::PrivateProfile(dir).resolve(fs::path(name));
}

// Where a table comes from: its current-format file, else the older one, else nowhere.
struct TableSource {
    fs::path path;
    TableFormat format = TableFormat::Current;
    std::optional<std::string> text;  // nullopt: no file, or one that could not be read
    bool unreadable = false;          // a file is there but could not be read
};

TableSource findSource(const fs::path& dir, std::string_view current, std::string_view older) {
    std::error_code ec;
    TableSource s{fileInDirectory(dir, current), TableFormat::Current, std::nullopt, false};
    if (!fs::exists(s.path, ec)) {
        const fs::path olderPath = fileInDirectory(dir, older);
        if (!fs::exists(olderPath, ec))
            return s;
        s.path = olderPath;
        s.format = TableFormat::Older;
    }
    s.text = platform::readWholeFile(s.path);
    s.unreadable = !s.text;
    return s;
}

std::string faultText(const fs::path& path, const ItemError& e) {
    return path.string() + ", ligne " + std::to_string(e.line) + " : " + e.reason;
}

// Reads `table` from its source with `read`. Returns what the user must be told; `damage`
// becomes why the table may not be saved over its file (a fault was set aside).
template <typename Table, typename Read>
std::vector<std::string> load(const TableSource& src, Table& table, Read read, TableProblem& damage,
                              std::string_view what) {
    table = Table{};
    damage.reset();
    if (src.unreadable) {
        damage = src.path.string() + " : fichier illisible";
        return {*damage + " (" + std::string(what) + " vide)"};
    }
    if (!src.text)
        return {src.path.string() + " introuvable : " + std::string(what) + " vide"};
    auto result = read(*src.text, src.format);
    table = std::move(result.table);
    std::vector<std::string> said;
    for (const ItemError& e : result.faults)
        said.push_back(faultText(src.path, e));
    if (!said.empty())
        damage = said.front();
    if (table.count() == 0 && said.empty())
        said.push_back(src.path.string() +
                       " ne contient aucun enregistrement : " + std::string(what) + " vide");
    return said;
}

TableProblem joined(const std::vector<std::string>& lines) {
    if (lines.empty())
        return std::nullopt;
    std::string text;
    for (const std::string& l : lines)
        text += (text.empty() ? "" : "\n") + l;
    return text;
}

}  // namespace

BoardTables::BoardTables(fs::path dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

void BoardTables::setDataDirectory(fs::path dataDirectory) {
    dataDirectory_ = std::move(dataDirectory);
    saveDirectory_.clear();
}

void BoardTables::saveInto(fs::path directory) {
    saveDirectory_ = std::move(directory);
}

fs::path BoardTables::fileIn(std::string_view name) const {
    return fileInDirectory(dataDirectory_, name);
}

fs::path BoardTables::savedFileIn(std::string_view name) const {
    return saveDirectory_.empty() ? fileIn(name) : fileInDirectory(saveDirectory_, name);
}

TableProblem BoardTables::readGrades() {
    gradeWarnings_ = load(findSource(dataDirectory_, kGradeFileName, kOlderGradeFileName), grades_,
                          &readGradeFile, gradeDamage_, "aucune qualité, épaisseur 3 mm");
    return joined(gradeWarnings_);
}

TableProblem BoardTables::readAllowances() {
    allowanceWarnings_ =
        load(findSource(dataDirectory_, kAllowanceFileName, kOlderAllowanceFileName), allowances_,
             &readAllowanceFile, allowanceDamage_,
             "aucune majoration, blancs dessinés sans majorations");
    return joined(allowanceWarnings_);
}

TableProblem BoardTables::refusal(const TableProblem& damage, std::string_view fileName) const {
    if (!damage)
        return std::nullopt;
    return fileIn(fileName).string() +
           " n'est pas remplacé : la table n'a pas pu être lue en entier (" + *damage + ")";
}

TableProblem BoardTables::saveText(std::string_view fileName, const std::string& text) const {
    const fs::path path = savedFileIn(fileName);
    if (!platform::replaceFileAtomically(path, text))
        return "Impossible d'enregistrer " + path.string();
    return std::nullopt;
}

TableProblem BoardTables::saveGrades() {
    // The first save into a folder of its own takes both tables, which refer to each other.
    if (!saveDirectory_.empty())
        return saveTables();
    if (auto refused = refusal(gradeDamage_, kGradeFileName))
        return refused;
    return saveText(kGradeFileName, writeGradeFile(grades_));
}

TableProblem BoardTables::saveAllowances() {
    if (!saveDirectory_.empty())
        return saveTables();
    if (auto refused = refusal(allowanceDamage_, kAllowanceFileName))
        return refused;
    return saveText(kAllowanceFileName, writeAllowanceFile(allowances_));
}

TableProblem BoardTables::saveTables() {
    if (auto refused = refusal(gradeDamage_, kGradeFileName))
        return refused;
    if (auto refused = refusal(allowanceDamage_, kAllowanceFileName))
        return refused;
    std::error_code ec;
    if (!saveDirectory_.empty())
        fs::create_directories(saveDirectory_, ec);
    const fs::path failed = platform::replaceFilesTogether(
        {{savedFileIn(kGradeFileName), writeGradeFile(grades_)},
         {savedFileIn(kAllowanceFileName), writeAllowanceFile(allowances_)}});
    if (failed.empty()) {
        if (!saveDirectory_.empty())
            setDataDirectory(saveDirectory_);
        return std::nullopt;
    }
    return "Impossible d'enregistrer " + failed.string() +
           " : les tables de qualités et de majorations restent telles qu'elles étaient";
}

}  // namespace brontaxe
