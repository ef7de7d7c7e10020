#include "board/table_files.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "board/board_tables.h"
#include "model/field_ranges.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

constexpr int kOlderAllowanceCount = 8;

// An empty file is an empty table; otherwise the two header lines must be there.
bool readHeaders(ItemReader& in, std::array<std::string, 2>& headers) {
    if (in.atEnd())
        return false;
    for (std::string& h : headers) {
        auto text = in.text();
        if (!text)
            return false;
        h = std::move(*text);
    }
    return true;
}

void writeHeaders(ItemWriter& out, const std::array<std::string, 2>& headers) {
    for (const std::string& h : headers) {
        out.text(h);
        out.endLine();
    }
}

std::string shown(std::string_view item) {
    return "\"" + std::string(item.substr(0, 40)) + "\"";
}

// --- Grades ---

// Items of one grade: label, code, thickness and, in the current format, double wall.
std::size_t gradeWidth(TableFormat format) {
    return format == TableFormat::Older ? 3 : 4;
}

// Why the items from `i` are not a grade, or nullopt when they are. A quoted text where a
// number is due is the next grade's label: this grade lacks a line, said where it begins.
std::optional<ItemError> gradeFault(const std::vector<Item>& items, std::size_t i,
                                    TableFormat format) {
    const std::size_t width = gradeWidth(format);
    for (std::size_t k = 2; k < width; ++k) {
        if (i + k >= items.size())
            return ItemError{items[i].line, "qualité incomplète (fin de fichier)", true};
        const Item& it = items[i + k];
        if (it.quoted && !itemNumber(it.value)) {
            return ItemError{items[i].line, "qualité incomplète (" + shown(it.value) + " ligne " +
                                                std::to_string(it.line) + " au lieu " +
                                                (k == 2 ? "de l'épaisseur)" : "du double mur)")};
        }
        if (!itemNumber(it.value)) {
            return ItemError{it.line, (k == 2 ? "épaisseur attendue au lieu de "
                                              : "double mur attendu au lieu de ") +
                                          shown(it.value)};
        }
    }
    return std::nullopt;
}

// The next item from `i` that starts a whole grade; a label is quoted, so that is where a
// damaged grade's neighbour is looked for.
std::size_t nextGradeStart(const std::vector<Item>& items, std::size_t i, TableFormat format) {
    for (std::size_t j = i; j < items.size(); ++j) {
        if (items[j].quoted && !gradeFault(items, j, format))
            return j;
    }
    return items.size();
}

// A thickness outside its range is replaced by the default one, so the grade keeps its place.
void checkGradeThickness(QualiteRec& g, std::size_t line, std::vector<ItemError>& faults) {
    if (auto why = checkFieldValue("EpaisseurCarton", g.thickness, "épaisseur")) {
        faults.push_back({line, "qualité " + shown(g.label) + " : " + *why + " ; " +
                                    platform::readableNumber(kDefaultThickness, "mm") +
                                    " pris à la place"});
        g.thickness = kDefaultThickness;
        g.doubleWall = std::min(g.doubleWall, 2 * kDefaultThickness);
    }
    if (auto why = checkFieldValue("Dblmur", g.doubleWall, "double mur")) {
        faults.push_back({line, "qualité " + shown(g.label) + " : " + *why + " ; " +
                                    platform::readableNumber(2 * g.thickness, "mm") +
                                    " pris à la place"});
        g.doubleWall = 2 * g.thickness;
    }
}

QualiteRec gradeAt(const std::vector<Item>& items, std::size_t i, TableFormat format,
                   std::vector<ItemError>& faults) {
    QualiteRec g;
    g.label = items[i].value;
    g.code = items[i + 1].value;
    g.thickness = *itemNumber(items[i + 2].value);
    g.doubleWall = format == TableFormat::Older ? 2 * g.thickness : *itemNumber(items[i + 3].value);
    if (!std::isfinite(g.doubleWall))
        g.doubleWall = kDefaultDoubleWall;
    checkGradeThickness(g, items[i + 2].line, faults);
    return g;
}

// A grade that could not be read keeps its number with the default thickness.
QualiteRec placeholderGrade(const Item& first) {
    QualiteRec g;
    g.label = first.value;
    g.thickness = kDefaultThickness;
    g.doubleWall = kDefaultDoubleWall;
    return g;
}

// --- Allowances ---

struct LineText {
    std::string_view text;
    std::size_t number = 0;
};

// The lines after `offset`, numbered from `firstLine`; CR LF, LF and a lone CR end a line.
std::vector<LineText> linesFrom(std::string_view text, std::size_t offset, std::size_t firstLine) {
    std::vector<LineText> lines;
    std::size_t pos = offset;
    std::size_t number = firstLine;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.push_back({text.substr(pos, end - pos), number++});
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        pos = end + 1;
    }
    return lines;
}

bool blankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::size_t itemCount(std::string_view line) {
    std::size_t n = 1;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            ++n;
    }
    return n;
}

// One record from one line, or why the line is no record.
std::variant<MajoRec, std::string> allowanceOnLine(std::string_view line, TableFormat format) {
    const int values = format == TableFormat::Older ? kOlderAllowanceCount : kAllowanceCount;
    const std::size_t wanted = static_cast<std::size_t>(values) + 2;
    if (itemCount(line) != wanted) {
        return "enregistrement de " + std::to_string(itemCount(line)) + " éléments au lieu de " +
               std::to_string(wanted) + " (code, qualité, " + std::to_string(values) +
               " majorations)";
    }
    ItemReader in(line);
    MajoRec r;
    auto code = in.integer();
    auto grade = in.integer();
    if (!code || !grade)
        return in.error()->reason;
    r.code = *code;
    r.grade = *grade;
    for (int k = 1; k <= values; ++k) {
        auto v = in.number();
        if (!v)
            return in.error()->reason;
        r.values[static_cast<std::size_t>(k)] = *v;
    }
    return r;
}

// Code and grade 0 are no record; other values must lie in their fields' ranges.
std::optional<std::string> allowanceFault(const MajoRec& r) {
    if (r.code == 0 || r.grade == 0)
        return std::string("code ou qualité 0 : enregistrement ignoré");
    if (auto why = checkFieldValue("NumModele", r.code, "code"))
        return *why;
    if (auto why = checkFieldValue("NumQualite", r.grade, "qualité"))
        return *why;
    for (int k = 1; k <= kAllowanceCount; ++k) {
        const float v = r.values[static_cast<std::size_t>(k)];
        if (auto why = checkFieldValue("Majo", v, "majoration " + std::to_string(k)))
            return *why + " : enregistrement ignoré";
    }
    return std::nullopt;
}

std::string pairText(const MajoRec& r) {
    return "code " + std::to_string(r.code) + " en qualité " + std::to_string(r.grade);
}

}  // namespace

GradeFileRead readGradeFile(std::string_view text, TableFormat format) {
    GradeFileRead result;
    ItemReader in(text);
    if (!readHeaders(in, result.table.headers)) {
        if (in.error())
            result.faults.push_back(*in.error());
        return result;
    }
    std::vector<Item> items;
    while (!in.atEnd()) {
        auto it = in.item();
        if (!it) {
            result.faults.push_back(*in.error());
            break;
        }
        items.push_back(std::move(*it));
    }
    std::size_t i = 0;
    while (i < items.size()) {
        QualiteRec g;
        std::size_t next = i + gradeWidth(format);
        if (auto fault = gradeFault(items, i, format)) {
            fault->reason += " : qualité " + std::to_string(result.table.count() + 1) +
                             " prise à " + platform::readableNumber(kDefaultThickness, "mm");
            result.faults.push_back(*fault);
            g = placeholderGrade(items[i]);
            next = nextGradeStart(items, i + 1, format);
        } else {
            g = gradeAt(items, i, format, result.faults);
        }
        if (!result.table.append(std::move(g))) {
            result.faults.push_back(
                {items[i].line, "plus de 100 qualités : les suivantes sont ignorées"});
            break;
        }
        i = next;
    }
    return result;
}

std::string writeGradeFile(const GradeTable& table) {
    ItemWriter out;
    writeHeaders(out, table.headers);
    for (int n = 1; n <= table.count(); ++n) {
        const QualiteRec& g = table.at(n);
        out.text(g.label);
        out.endLine();
        out.text(g.code);
        out.endLine();
        out.number(g.thickness);
        out.endLine();
        out.number(g.doubleWall);
        out.endLine();
    }
    return out.str();
}

AllowanceFileRead readAllowanceFile(std::string_view text, TableFormat format) {
    AllowanceFileRead result;
    ItemReader in(text);
    if (!readHeaders(in, result.table.headers)) {
        if (in.error())
            result.faults.push_back(*in.error());
        return result;
    }
    for (const LineText& line : linesFrom(text, in.offset(), in.line())) {
        if (blankLine(line.text))
            continue;
        auto read = allowanceOnLine(line.text, format);
        if (auto* why = std::get_if<std::string>(&read)) {
            result.faults.push_back({line.number, *why});
            continue;
        }
        const MajoRec& r = std::get<MajoRec>(read);
        if (auto why = allowanceFault(r)) {
            result.faults.push_back({line.number, *why});
        } else if (result.table.find(r.code, r.grade) != 0) {
            result.faults.push_back(
                {line.number, "second enregistrement du " + pairText(r) + " : ignoré"});
        } else {
            result.table.store(r.code, r.grade, r.values);
        }
    }
    return result;
}

std::string writeAllowanceFile(const AllowanceTable& table) {
    ItemWriter out;
    writeHeaders(out, table.headers);
    for (int slot = 1; slot <= table.count(); ++slot) {
        const MajoRec& r = table.at(slot);
        out.integer(r.code);
        out.integer(r.grade);
        for (int k = 1; k <= kAllowanceCount; ++k)
            out.number(r.values[static_cast<std::size_t>(k)]);
        out.endLine();
    }
    return out.str();
}

}  // namespace brontaxe
