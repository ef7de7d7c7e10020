// The exchange file of the 3D folding programs (.pli, and .ev for the other one): a text of
// our own listing every element with its kind, one a line. Its layout is in the README.
#include <string>
#include <variant>

#include "io/overloaded.h"
#include "io/text_numbers.h"
#include "io/writers.h"

namespace brontaxe::io {
namespace {

std::string quotedText(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::string points(std::initializer_list<double> values) {
    std::string out;
    for (double v : values)
        out += " " + coordinate(v);
    return out;
}

std::string elementLine(const Element& e) {
    const std::string attributes = " " + std::to_string(lineKindNumber(e.lineKind)) + " " +
                                   std::to_string(e.lineVariant) + " " + std::to_string(e.piece);
    return std::visit(
        Overloaded{
            [&](const LineShape& l) {
                return "LIGNE" + attributes + points({l.a.x, l.a.y, l.b.x, l.b.y});
            },
            [&](const ArcShape& a) {
                return "ARC" + attributes +
                       points({a.centre.x, a.centre.y, a.radius, a.startDeg, a.sweepDeg});
            },
            [&](const DimensionShape& d) {
                return "COTE" + attributes +
                       points({d.p1.x, d.p1.y, d.p2.x, d.p2.y, d.ref.x, d.ref.y});
            },
            [&](const TextShape& t) {
                return "TEXTE" + attributes +
                       points({t.position.x, t.position.y, t.height, t.angleDeg}) + " " +
                       std::to_string(t.option) + " " + quotedText(t.text);
            },
            [&](const SheetShape& s) {
                return "FEUILLE" + attributes + points({s.min.x, s.min.y, s.max.x, s.max.y});
            },
            [&](const ContourShape& c) {
                return "CONTOUR" + attributes + " " + std::to_string(c.rings.size()) +
                       points({c.area});
            },
            [&](const SymbolShape& s) {
                return "SYMBOLE" + attributes + " " + std::to_string(s.number) +
                       points({s.position.x, s.position.y, s.size, s.angleDeg});
            },
        },
        e.shape);
}

// Empty when the user stopped the write.
std::string exchangeText(const Drawing& d, std::string_view target, const WriteProgress& progress) {
    std::string out = "BRONTAXE " + std::string(target) + " 1\nUNITES MM\n";
    const Box b = d.extents();
    out += "DIMENSIONS" + points({b.width(), b.height()}) + "\n";
    out += "ELEMENTS " + std::to_string(d.ElementCount()) + "\n";
    // Room for every line at once (see desText).
    constexpr std::size_t kBytesPerElement = 80;
    out.reserve(d.ElementCount() * kBytesPerElement);
    std::int32_t id = kFirstElementId;
    std::size_t done = 0;
    for (const Element& e : d.elements()) {
        if (!progress.at(done++, d.ElementCount()))
            return {};
        out += std::to_string(id++) + " " + elementLine(e) + "\n";
    }
    out += "FIN\n";
    return out;
}

FileResult writeExchange(const Drawing& d, const std::filesystem::path& path,
                         std::string_view target, const WriteProgress& progress) {
    const std::string text = exchangeText(d, target, progress);
    if (progress.stopped())
        return FileResult::failure(stoppedText());
    return writeTextFile(path, text);
}

}  // namespace

FileResult writePli(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    return writeExchange(d, path, "PLI", progress);
}

FileResult writeEv(const Drawing& d, const std::filesystem::path& path,
                   const WriteProgress& progress) {
    return writeExchange(d, path, "EV", progress);
}

}  // namespace brontaxe::io
