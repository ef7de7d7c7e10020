#include "board/majo.h"

#include <system_error>

#include "board/table_files.h"
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

// Reads `table` from its source with `read`; returns why it was not read whole.
template <typename Table, typename Read>
TableProblem load(const TableSource& src, Table& table, Read read) {
    table = Table{};
    if (src.unreadable)
        return src.path.string() + " : fichier illisible";
    if (!src.text)
        return std::nullopt;
    auto result = read(*src.text, src.format);
    table = std::move(result.table);
    if (!result.error)
        return std::nullopt;
    return src.path.string() + ", ligne " + std::to_string(result.error->line) + " : " +
           result.error->reason;
}

}  // namespace

Majo::Majo(fs::path dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

void Majo::setDataDirectory(fs::path dataDirectory) {
    dataDirectory_ = std::move(dataDirectory);
}

fs::path Majo::fileIn(std::string_view name) const {
    return fileInDirectory(dataDirectory_, name);
}

TableProblem Majo::LireQualites() {
    gradeDamage_ = load(findSource(dataDirectory_, kGradeFileName, kOlderGradeFileName), grades_,
                        &readGradeFile);
    return gradeDamage_;
}

TableProblem Majo::LireMajo() {
    allowanceDamage_ = load(findSource(dataDirectory_, kAllowanceFileName, kOlderAllowanceFileName),
                            allowances_, &readAllowanceFile);
    return allowanceDamage_;
}

TableProblem Majo::refusal(const TableProblem& damage, std::string_view fileName) const {
    if (!damage)
        return std::nullopt;
    return fileIn(fileName).string() +
           " n'est pas remplacé : la table n'a pas pu être lue en entier (" + *damage + ")";
}

TableProblem Majo::saveText(std::string_view fileName, const std::string& text) const {
    const fs::path path = fileIn(fileName);
    if (!platform::replaceFileAtomically(path, text))
        return "Impossible d'enregistrer " + path.string();
    return std::nullopt;
}

TableProblem Majo::SauveQualites() {
    if (auto refused = refusal(gradeDamage_, kGradeFileName))
        return refused;
    return saveText(kGradeFileName, writeGradeFile(grades_));
}

TableProblem Majo::SauveMajo() {
    if (auto refused = refusal(allowanceDamage_, kAllowanceFileName))
        return refused;
    return saveText(kAllowanceFileName, writeAllowanceFile(allowances_));
}

}  // namespace brontaxe
