// CFF2, the exchange file of die makers: a header, one main section in millimetres, and one
// record per line or arc with its pointage (rule thickness in points) and type code. The codes
// are listed in the README.
#include <cmath>
#include <string>
#include <variant>

#include "drawing/dimension_layout.h"
#include "io/overloaded.h"
#include "io/page_layout.h"
#include "io/text_numbers.h"
#include "io/writers.h"

namespace brontaxe::io {
namespace {

struct RuleCode {
    int pointage;
    int type;
};

// Auxiliary lines, dimensions and texts are drawn but not made into rules.
constexpr RuleCode kAuxiliary{0, 40};

RuleCode ruleCode(LineKind lineKind) {
    switch (lineKind) {
        case kind::Cut:
            return {2, 1};
        case kind::Crease:
            return {2, 2};
        case kind::Perforation:
            return {2, 3};
        case kind::HalfCut:
            return {2, 4};
        case kind::PerforatedCrease:
            return {2, 5};
        default:
            return kAuxiliary;
    }
}

class Cff2Out {
  public:
    explicit Cff2Out(PageLayout page) : page_(std::move(page)) {}

    void begin() {
        const Box& b = page_.shown;
        out_ += "$BOF\nV2\nORIG,0.0000,0.0000\nMAIN,BRONTAXE\nUM\n";
        out_ += "LL," + coordinate(b.xmin) + "," + coordinate(b.ymin) + "\n";
        out_ += "UR," + coordinate(b.xmax) + "," + coordinate(b.ymax) + "\n";
        out_ += "SCALE,1,1\n";
    }

    void element(const Element& e) {
        const RuleCode code = ruleCode(e.lineKind);
        const std::string bridges = bridgeFields(e.bridges);
        std::visit(Overloaded{
                       [&](const LineShape& l) { line(code, l.a, l.b, bridges); },
                       [&](const ArcShape& a) { arc(code, a, bridges); },
                       [&](const DimensionShape& d) { dimension(d); },
                       [&](const TextShape& t) { text(t.position, t.text, t.height, t.angleDeg); },
                       [&](const SheetShape& s) {
                           const Point c2{s.max.x, s.min.y}, c4{s.min.x, s.max.y};
                           line(kAuxiliary, s.min, c2);
                           line(kAuxiliary, c2, s.max);
                           line(kAuxiliary, s.max, c4);
                           line(kAuxiliary, c4, s.min);
                       },
                       [](const ContourShape&) {},
                       [&](const SymbolShape& s) {
                           for (const Segment& stroke : s.placedStrokes())
                               line(kAuxiliary, stroke.a, stroke.b);
                       },
                   },
                   e.shape);
    }

    std::string end() {
        out_ += "END\n$EOF\n";
        return std::move(out_);
    }

  private:
    std::string head(char record, RuleCode code) {
        return std::string(1, record) + "," + std::to_string(code.pointage) + "," +
               std::to_string(code.type) + ",0,";
    }

    // The last two fields of a line or arc: its number of bridges and their width (the
    // cutting table spreads them).
    static std::string bridgeFields(const std::vector<Bridge>& bridges) {
        if (bridges.empty())
            return "0,0.0000";
        return std::to_string(bridges.size()) + "," + coordinate(bridges.front().width);
    }

    void line(RuleCode code, Point a, Point b, const std::string& bridges = "0,0.0000") {
        out_ += head('L', code) + coordinate(a.x) + "," + coordinate(a.y) + "," + coordinate(b.x) +
                "," + coordinate(b.y) + "," + bridges + "\n";
    }

    // Start, end, centre, then the direction: 1 counter-clockwise. A full circle starts and
    // ends at the same point.
    void arc(RuleCode code, const ArcShape& a, const std::string& bridges) {
        const Point s = a.start();
        const Point e = a.end();
        out_ += head('A', code) + coordinate(s.x) + "," + coordinate(s.y) + "," + coordinate(e.x) +
                "," + coordinate(e.y) + "," + coordinate(a.centre.x) + "," +
                coordinate(a.centre.y) + ",1," + bridges + "\n";
    }

    // Text last on its record, so a comma in it cannot shift the fields.
    void text(Point at, const std::string& s, double height, double angleDeg) {
        std::string clean = s;
        for (char& c : clean) {
            if (c == ',' || c == '\n' || c == '\r')
                c = ' ';
        }
        out_ += head('T', kAuxiliary) + coordinate(at.x) + "," + coordinate(at.y) + "," +
                coordinate(angleDeg) + "," + coordinate(height) + ",0," + clean + "\n";
    }

    void dimension(const DimensionShape& d) {
        const DimensionLayout l = layoutDimension(d, page_.style, page_.blank);
        line(kAuxiliary, l.dimensionLine.a, l.dimensionLine.b);
        for (const Segment& s : l.extensionLines)
            line(kAuxiliary, s.a, s.b);
        if (l.hasArrows) {
            for (const Arrowhead& a : l.arrows) {
                line(kAuxiliary, a.tip, a.left);
                line(kAuxiliary, a.left, a.right);
                line(kAuxiliary, a.right, a.tip);
            }
        }
        // CFF2 texts start at their position: move back by half the text's width.
        const Point half =
            pointOnCircle({0, 0}, approximateTextWidth(l.text, l.textHeight) / 2, l.textAngleDeg);
        text(l.textAnchor - half, l.text, l.textHeight, l.textAngleDeg);
    }

    PageLayout page_;
    std::string out_;
};

}  // namespace

FileResult writeCff2(const Drawing& d, const std::filesystem::path& path,
                     const WriteProgress& progress) {
    Cff2Out out(pageLayoutFor(d));
    out.begin();
    std::size_t done = 0;
    for (const Element& e : d.elements()) {
        if (!progress.at(done++, d.ElementCount()))
            return FileResult::failure(stoppedText());
        if (d.isShown(e))
            out.element(e);
    }
    return writeTextFile(path, out.end());
}

}  // namespace brontaxe::io
