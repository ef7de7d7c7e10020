#include "io/pdf_user_unit.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/number_text.h"

namespace brontaxe::io {
namespace {

// Offsets where "/Type /Page" (and not "/Type /Pages") ends.
std::vector<std::size_t> pageDictionaries(std::string_view pdf) {
    std::vector<std::size_t> at;
    constexpr std::string_view key = "/Type /Page";
    for (std::size_t pos = pdf.find(key); pos != std::string_view::npos;
         pos = pdf.find(key, pos + 1)) {
        const std::size_t end = pos + key.size();
        if (end < pdf.size() && pdf[end] == 's')
            continue;
        at.push_back(end);
    }
    return at;
}

// How far an offset moves once `insert` bytes go in at each of `points`.
std::size_t shifted(std::size_t offset, const std::vector<std::size_t>& points,
                    std::size_t insert) {
    std::size_t moved = offset;
    for (std::size_t p : points) {
        if (p <= offset)
            moved += insert;
    }
    return moved;
}

std::optional<std::size_t> numberAt(std::string_view text, std::size_t pos, std::size_t& end) {
    std::size_t value = 0;
    const auto res = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (res.ec != std::errc())
        return std::nullopt;
    end = static_cast<std::size_t>(res.ptr - text.data());
    return value;
}

}  // namespace

double pdfUserUnit(double longestSideMm) {
    if (!(longestSideMm > kPdfReaderLimitMm))
        return 1;
    return std::ceil(longestSideMm / kPdfReaderLimitMm);
}

std::optional<std::string> withUserUnit(std::string_view pdf, double unit) {
    const std::vector<std::size_t> pages = pageDictionaries(pdf);
    const std::size_t startxref = pdf.rfind("startxref");
    if (pages.empty() || startxref == std::string_view::npos)
        return std::nullopt;
    std::size_t cursor = startxref + 9;
    while (cursor < pdf.size() &&
           (pdf[cursor] == '\r' || pdf[cursor] == '\n' || pdf[cursor] == ' '))
        ++cursor;
    std::size_t end = 0;
    const auto xrefAt = numberAt(pdf, cursor, end);
    if (!xrefAt || *xrefAt >= startxref || pdf.compare(*xrefAt, 4, "xref") != 0)
        return std::nullopt;  // a cross-reference stream: left alone
    if (pages.back() > *xrefAt)
        return std::nullopt;  // pages after the table: an updated file, not ours
    const std::string insert = " /UserUnit " + platform::numberText(unit);

    std::string out;
    out.reserve(pdf.size() + pages.size() * insert.size());
    std::size_t from = 0;
    for (std::size_t p : pages) {
        out.append(pdf.substr(from, p - from));
        out += insert;
        from = p;
    }
    out.append(pdf.substr(from, *xrefAt - from));

    // The table: "xref", then sections "first count" of 20-byte entries "oooooooooo ggggg n".
    std::size_t pos = *xrefAt + 4;
    out.append("xref");
    const std::size_t tableEnd = pdf.find("trailer", pos);
    if (tableEnd == std::string_view::npos || tableEnd > startxref)
        return std::nullopt;
    while (pos < tableEnd) {
        std::size_t lineEnd = pdf.find_first_of("\r\n", pos);
        if (lineEnd == std::string_view::npos || lineEnd > tableEnd)
            lineEnd = tableEnd;
        std::string_view line = pdf.substr(pos, lineEnd - pos);
        if (line.size() >= 18 && line[10] == ' ' && line[16] == ' ' && line[17] == 'n') {
            std::size_t numberEnd = 0;
            const auto offset = numberAt(line, 0, numberEnd);
            if (!offset)
                return std::nullopt;
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010zu", shifted(*offset, pages, insert.size()));
            out += entry;
            out.append(line.substr(10));
        } else {
            out.append(line);
        }
        std::size_t next = lineEnd;
        while (next < pdf.size() && (pdf[next] == '\r' || pdf[next] == '\n') && next < tableEnd)
            out += pdf[next++];
        pos = next;
    }
    out.append(pdf.substr(tableEnd, cursor - tableEnd));
    out += std::to_string(shifted(*xrefAt, pages, insert.size()));
    out.append(pdf.substr(end));
    // The user unit came with PDF 1.6; the header keeps its length, so no offset moves.
    if (out.size() > 8 && out.compare(0, 7, "%PDF-1.") == 0 && out[7] >= '0' && out[7] < '6')
        out[7] = '6';
    return out;
}

}  // namespace brontaxe::io
