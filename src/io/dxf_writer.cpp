// DXF through dxflib: one layer per line kind with its colour, linetype and lineweight, lines
// and arcs as entities, dimensions drawn out (lines, filled arrowheads, value text) on their
// own layer so that every CAD program shows them alike, millimetres declared in the header.
#include <dxflib/dl_dxf.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "drawing/bridges.h"
#include "drawing/dimension_layout.h"
#include "drawing/pens.h"
#include "io/dxf_owner_writer.h"
#include "io/overloaded.h"
#include "io/page_layout.h"
#include "io/writers.h"

namespace brontaxe::io {
namespace {

constexpr int kByLayer = 256;
constexpr const char* kTextStyle = "Standard";

// A character of the Windows-1252 code page DXF 2000 texts are written in, or 0.
unsigned char windows1252(unsigned code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    constexpr std::pair<unsigned, unsigned char> kExtra[] = {
        {0x20AC, 0x80}, {0x2026, 0x85}, {0x0152, 0x8C}, {0x2018, 0x91}, {0x2019, 0x92},
        {0x201C, 0x93}, {0x201D, 0x94}, {0x2013, 0x96}, {0x2014, 0x97}, {0x0153, 0x9C},
    };
    for (const auto& [unicode, byte] : kExtra) {
        if (unicode == code)
            return byte;
    }
    return 0;
}

// Our texts are UTF-8; the file is Windows-1252, with \U+XXXX for what that cannot hold.
std::string dxfText(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int extra = c < 0x80           ? 0
                          : (c >> 5) == 0x6  ? 1
                          : (c >> 4) == 0xE  ? 2
                          : (c >> 3) == 0x1E ? 3
                                             : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size()) {
            out += '?';  // not UTF-8: shown, not dropped
            ++i;
            continue;
        }
        unsigned code = extra == 0 ? c : c & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        i += static_cast<std::size_t>(extra) + 1;
        if (const unsigned char byte = windows1252(code); byte != 0 || code == 0) {
            out += static_cast<char>(byte);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\U+%04X", code);
            out += buf;
        }
    }
    return out;
}

DL_Attributes layerAttributes(const Pen& pen) {
    return DL_Attributes(std::string(pen.layer), kByLayer, -1, "BYLAYER", 1.0);
}

// The shortest text that reads back as the same double, always with a decimal point. dxflib
// prints every real with sprintf("%.16f"), which was three quarters of the time of writing an
// imposed drawing; lines and arcs, nearly all of a file, go through this instead.
std::string dxfReal(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (ec != std::errc())
        return "0.0";
    std::string out(buf, end);
    if (out.find('.') == std::string::npos)
        out += ".0";
    return out;
}

class DxfOut {
  public:
    DxfOut(DL_Dxf& dxf, DL_WriterA& w, const PageLayout& page) : dxf_(dxf), w_(w), page_(page) {}

    void header() {
        dxf_.writeHeader(w_);
        w_.dxfString(9, "$DWGCODEPAGE");
        w_.dxfString(3, "ANSI_1252");
        w_.dxfString(9, "$INSUNITS");
        w_.dxfInt(70, 4);  // millimetres
        w_.dxfString(9, "$MEASUREMENT");
        w_.dxfInt(70, 1);  // metric
        w_.dxfString(9, "$LUNITS");
        w_.dxfInt(70, 2);  // decimal
        w_.sectionEnd();
    }

    void tables() {
        w_.sectionTables();
        dxf_.writeVPort(w_);
        linetypes();
        layers();
        w_.tableStyle(1);
        dxf_.writeStyle(w_, DL_StyleData(kTextStyle, 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
        w_.tableEnd();
        dxf_.writeView(w_);
        dxf_.writeUcs(w_);
        w_.tableAppid(1);
        dxf_.writeAppid(w_, "ACAD");
        w_.tableEnd();
        const DimensionStyle& s = page_.style;
        dxf_.writeDimStyle(w_, s.arrowLength, s.extensionOvershoot, s.extensionGap,
                           0.4 * s.textHeight, s.textHeight);
        dxf_.writeBlockRecord(w_);
        w_.tableEnd();
        w_.sectionEnd();
    }

    void blocks() {
        w_.sectionBlocks();
        for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(w_, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
            dxf_.writeEndBlock(w_, name);
        }
        w_.sectionEnd();
    }

    // False when the user stopped the write.
    bool entities(const Drawing& d, const WriteProgress& progress) {
        w_.sectionEntities();
        std::size_t done = 0;
        for (const Element& e : d.elements()) {
            if (!progress.at(done++, d.ElementCount()))
                return false;
            if (!d.isShown(e))
                continue;
            // A bridge is a gap in the knife: a bridged line is written as its pieces.
            for (const Element& piece : knifePieces(e))
                element(piece);
        }
        w_.sectionEnd();
        return true;
    }

    void objects(DxfOwnerWriter& w) {
        w.beginObjects();
        dxf_.writeObjects(w);
        dxf_.writeObjectsEnd(w);
        w.endObjects();
    }

  private:
    void linetypes() {
        std::vector<const Pen*> dashed;
        for (const Pen& p : defaultPens()) {
            if (!p.dashMm.empty())
                dashed.push_back(&p);
        }
        w_.tableLinetypes(static_cast<int>(dashed.size()) + 3);
        dxf_.writeLinetype(w_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
        for (const Pen* p : dashed) {
            // Dashes positive, gaps negative, as DXF wants them.
            std::vector<double> pattern;
            double total = 0;
            for (std::size_t i = 0; i < p->dashMm.size(); ++i) {
                pattern.push_back(i % 2 == 0 ? p->dashMm[i] : -p->dashMm[i]);
                total += p->dashMm[i];
            }
            dxf_.writeLinetype(
                w_, DL_LinetypeData(std::string(p->linetype), std::string(p->layer), 0,
                                    static_cast<int>(pattern.size()), total, pattern.data()));
        }
        w_.tableEnd();
    }

    void layers() {
        const auto pens = defaultPens();
        w_.tableLayers(static_cast<int>(pens.size()) + 1);
        dxf_.writeLayer(w_, DL_LayerData("0", 0), DL_Attributes("", 7, -1, 25, "CONTINUOUS"));
        for (const Pen& p : pens) {
            const int lineweight = static_cast<int>(std::lround(p.widthMm * 100));
            dxf_.writeLayer(w_, DL_LayerData(std::string(p.layer), 0),
                            DL_Attributes("", p.aci, -1, lineweight, std::string(p.linetype)));
        }
        w_.tableEnd();
    }

    // The same groups dxflib writes for a LINE, ARC or CIRCLE of DXF 2000, numbers excepted.
    void line(Point a, Point b, const DL_Attributes& at) {
        beginEntity("LINE", at, "AcDbLine");
        point(10, a);
        point(11, b);
    }

    void circle(Point centre, double radius, const DL_Attributes& at, const char* type = "CIRCLE") {
        beginEntity(type, at, "AcDbCircle");
        point(10, centre);
        w_.dxfString(40, dxfReal(radius));
    }

    void arc(const ArcShape& a, const DL_Attributes& at) {
        circle(a.centre, a.radius, at, "ARC");
        w_.dxfString(100, "AcDbArc");
        w_.dxfString(50, dxfReal(a.startDeg));
        w_.dxfString(51, dxfReal(a.startDeg + a.sweepDeg));
    }

    void beginEntity(const char* type, const DL_Attributes& at, const char* subclass) {
        w_.entity(type);
        w_.dxfString(100, "AcDbEntity");
        w_.dxfString(8, at.getLayer());
        w_.dxfInt(62, at.getColor());
        w_.dxfInt(370, at.getWidth());
        w_.dxfString(48, dxfReal(at.getLinetypeScale()));
        w_.dxfString(6, at.getLinetype());
        w_.dxfString(100, subclass);
    }

    void point(int code, Point p) {
        w_.dxfString(code, dxfReal(p.x));
        w_.dxfString(code + 10, dxfReal(p.y));
        w_.dxfString(code + 20, "0.0");
    }

    void text(Point anchor, const std::string& s, double height, double angleDeg, bool centred,
              const DL_Attributes& at) {
        // Centred texts are placed by their alignment point (horizontal justification 1).
        dxf_.writeText(w_,
                       DL_TextData(anchor.x, anchor.y, 0.0, anchor.x, anchor.y, 0.0, height, 1.0, 0,
                                   centred ? 1 : 0, 0, dxfText(s), kTextStyle, toRadians(angleDeg)),
                       at);
    }

    void dimension(const DimensionShape& d, const DL_Attributes& at) {
        const DimensionLayout l = layoutDimension(d, page_.style, page_.blank);
        line(l.dimensionLine.a, l.dimensionLine.b, at);
        for (const Segment& s : l.extensionLines)
            line(s.a, s.b, at);
        if (l.hasArrows) {
            for (const Arrowhead& a : l.arrows) {
                // A three-cornered SOLID repeats its last corner.
                dxf_.writeSolid(w_,
                                DL_SolidData(a.tip.x, a.tip.y, 0, a.left.x, a.left.y, 0, a.right.x,
                                             a.right.y, 0, a.right.x, a.right.y, 0),
                                at);
            }
        }
        text(l.textAnchor, l.text, l.textHeight, l.textAngleDeg, true, at);
    }

    void element(const Element& e) {
        const DL_Attributes at = layerAttributes(defaultPen(e));
        std::visit(
            Overloaded{
                [&](const LineShape& l) { line(l.a, l.b, at); },
                [&](const ArcShape& a) {
                    if (a.sweepDeg >= 360.0 - kEps)
                        circle(a.centre, a.radius, at);
                    else
                        arc(a, at);
                },
                [&](const DimensionShape& d) { dimension(d, at); },
                [&](const TextShape& t) {
                    text(t.position, t.text, t.height, t.angleDeg, false, at);
                },
                [&](const SheetShape& s) {
                    const Point c1 = s.min, c2{s.max.x, s.min.y}, c3 = s.max, c4{s.min.x, s.max.y};
                    line(c1, c2, at);
                    line(c2, c3, at);
                    line(c3, c4, at);
                    line(c4, c1, at);
                },
                [](const ContourShape&) {},  // a measure, not a line of the blank
                [&](const SymbolShape& s) {
                    for (const Segment& stroke : s.placedStrokes())
                        line(stroke.a, stroke.b, at);
                },
            },
            e.shape);
    }

    DL_Dxf& dxf_;
    DL_WriterA& w_;
    const PageLayout& page_;
};

bool endsWithEof(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (!in || size < 8)
        return false;
    in.seekg(size - 8);
    std::string tail(8, '\0');
    in.read(tail.data(), 8);
    return in && tail.find("EOF") != std::string::npos;
}

}  // namespace

FileResult writeDxf(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    DL_Dxf dxf;
    // dxf.out() sets the version the library writes for; the file is then written through
    // our writer, which gives every object its owner.
    std::unique_ptr<DL_WriterA> opened(dxf.out(path.c_str(), DL_Codes::AC1015));
    if (!opened)
        return FileResult::failure("ouverture impossible");
    opened->close();
    opened.reset();
    auto w = std::make_unique<DxfOwnerWriter>(path.c_str(), DL_Codes::AC1015);
    if (w->openFailed())
        return FileResult::failure("ouverture impossible");
    const PageLayout page = pageLayoutFor(d);
    DxfOut out(dxf, *w, page);
    out.header();
    out.tables();
    out.blocks();
    if (!out.entities(d, progress)) {
        w->close();
        return FileResult::failure(stoppedText());
    }
    out.objects(*w);
    w->dxfEOF();
    w->close();
    // dxflib reports no write errors: a complete file ends with its EOF marker.
    if (!endsWithEof(path))
        return FileResult::failure("écriture incomplète, disque plein ?");
    return FileResult::success();
}

}  // namespace brontaxe::io
