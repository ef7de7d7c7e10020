#include "board/majo.h"

#include <system_error>

#include "board/table_files.h"
#include "platform/profile_file.h"

namespace brontaxe {
namespace fs = std::filesystem;
namespace {

// Where a table comes from: its current-format file, else the older one, else nowhere.
struct TableSource {
    fs::path path;
    TableFormat format = TableFormat::Current;
    std::optional<std::string> text;  // nullopt: no file, or one that could not be read
};

std::string located(const fs::path& path, const ItemError& e) {
    return path.string() + ", ligne " + std::to_string(e.line) + " : " + e.reason;
}

}  // namespace

Majo::Majo(fs::path dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

void Majo::setDataDirectory(fs::path dataDirectory) {
    dataDirectory_ = std::move(dataDirectory);
}

// Files copied from Windows may carry other cases in their names; an existing one is taken.
fs::path Majo::fileIn(std::string_view name) const {
    return platform::PrivateProfile(dataDirectory_).resolve(fs::path(name));
}

namespace {

template <typename Resolve>
TableSource findSource(Resolve resolve, std::string_view current, std::string_view older) {
    std::error_code ec;
    TableSource s{resolve(current), TableFormat::Current, std::nullopt};
    if (!fs::exists(s.path, ec)) {
        const fs::path olderPath = resolve(older);
        if (fs::exists(olderPath, ec))
            s = TableSource{olderPath, TableFormat::Older, std::nullopt};
        else
            return s;
    }
    s.text = platform::readWholeFile(s.path);
    return s;
}

}  // namespace

TableProblem Majo::LireQualites() {
    const TableSource src = findSource([this](std::string_view n) { return fileIn(n); },
                                       kGradeFileName, kOlderGradeFileName);
    std::error_code ec;
    gradeDamage_.reset();
    if (!src.text) {
        grades_ = GradeTable{};
        if (fs::exists(src.path, ec))
            gradeDamage_ = src.path.string() + " : fichier illisible";
        return gradeDamage_;
    }
    GradeFileRead read = readGradeFile(*src.text, src.format);
    grades_ = std::move(read.table);
    if (read.error)
        gradeDamage_ = located(src.path, *read.error);
    return gradeDamage_;
}

TableProblem Majo::LireMajo() {
    const TableSource src = findSource([this](std::string_view n) { return fileIn(n); },
                                       kAllowanceFileName, kOlderAllowanceFileName);
    std::error_code ec;
    allowanceDamage_.reset();
    if (!src.text) {
        allowances_ = AllowanceTable{};
        if (fs::exists(src.path, ec))
            allowanceDamage_ = src.path.string() + " : fichier illisible";
        return allowanceDamage_;
    }
    AllowanceFileRead read = readAllowanceFile(*src.text, src.format);
    allowances_ = std::move(read.table);
    if (read.error)
        allowanceDamage_ = located(src.path, *read.error);
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
