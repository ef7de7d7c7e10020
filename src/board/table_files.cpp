#include "board/table_files.h"

#include <cmath>

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

// A record cut short by the end of the file is reported on the line where it began.
std::optional<ItemError> located(const ItemReader& in, std::size_t recordLine) {
    std::optional<ItemError> e = in.error();
    if (e && e->endOfFile && recordLine != 0)
        e->line = recordLine;
    return e;
}

void writeHeaders(ItemWriter& out, const std::array<std::string, 2>& headers) {
    for (const std::string& h : headers) {
        out.text(h);
        out.endLine();
    }
}

std::optional<QualiteRec> readGrade(ItemReader& in, TableFormat format) {
    QualiteRec g;
    const std::size_t line = in.line();
    auto label = in.text();
    auto code = in.text();
    auto thickness = in.number();
    if (!label || !code || !thickness)
        return std::nullopt;
    g.label = std::move(*label);
    g.code = std::move(*code);
    g.thickness = *thickness;
    if (format == TableFormat::Older) {
        g.doubleWall = 2 * g.thickness;
        if (!std::isfinite(g.doubleWall)) {
            in.fail(line, "épaisseur hors limites");
            return std::nullopt;
        }
    } else {
        auto doubleWall = in.number();
        if (!doubleWall)
            return std::nullopt;
        g.doubleWall = *doubleWall;
    }
    return g;
}

std::optional<MajoRec> readAllowance(ItemReader& in, TableFormat format) {
    MajoRec r;
    auto code = in.integer();
    auto grade = in.integer();
    if (!code || !grade)
        return std::nullopt;
    r.code = *code;
    r.grade = *grade;
    const int n = format == TableFormat::Older ? kOlderAllowanceCount : kAllowanceCount;
    for (int k = 1; k <= n; ++k) {
        auto v = in.number();
        if (!v)
            return std::nullopt;
        r.values[static_cast<std::size_t>(k)] = *v;
    }
    return r;
}

}  // namespace

GradeFileRead readGradeFile(std::string_view text, TableFormat format) {
    GradeFileRead result;
    ItemReader in(text);
    std::size_t line = 0;
    if (readHeaders(in, result.table.headers)) {
        while (!in.atEnd()) {
            line = in.line();
            auto grade = readGrade(in, format);
            if (!grade)
                break;
            if (!result.table.append(std::move(*grade))) {
                result.error =
                    ItemError{line, "plus de 100 qualités : les suivantes sont ignorées"};
                return result;
            }
        }
    }
    result.error = located(in, line);
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
    std::size_t line = 0;
    if (readHeaders(in, result.table.headers)) {
        while (!in.atEnd()) {
            line = in.line();
            auto record = readAllowance(in, format);
            if (!record)
                break;
            if (result.table.find(record->code, record->grade) == 0)
                result.table.store(record->code, record->grade, record->values);
        }
    }
    result.error = located(in, line);
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
