// Every format written for a default 0201 is opened by a reader nobody here wrote: ezdxf,
// Ghostscript, poppler, librsvg and Cairo's own PNG reader.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "drawing/pen_scope.h"
#include "io/drawing_files.h"
#include "io/page_layout.h"
#include "platform/process.h"
#include "styles/02/fco200.h"
#include "support/line_kinds_drawing.h"
#include "support/near.h"
#include "support/outline.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

using platform::runProcess;

struct RealReaders : ::testing::Test {
    static void SetUpTestSuite() {
        g_ = new test::Generated;
        Fco0201(g_->m, g_->d);
    }
    static void TearDownTestSuite() {
        delete g_;
        g_ = nullptr;
    }

    const Drawing& d() const { return g_->d; }
    std::filesystem::path save(const std::string& name) {
        const auto path = dir / name;
        const FileResult r = SaveDrawing(d(), path);
        EXPECT_TRUE(r.ok) << r.message;
        return path;
    }
    // The value after "name=" in a reader's "name=value" lines.
    static std::map<std::string, std::string> keyValues(const std::string& text) {
        std::map<std::string, std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            const auto eq = line.find('=');
            if (eq != std::string::npos)
                out[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return out;
    }

    test::TempDir dir;
    static test::Generated* g_;
};
test::Generated* RealReaders::g_ = nullptr;

constexpr const char* kEzdxfScript = R"(
import math, sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors=%d" % len(auditor.errors))
print("fixes=%d" % len(auditor.fixes))
print("insunits=%d" % doc.header.get("$INSUNITS", 0))
msp = doc.modelspace()
def total(layer):
    t = 0.0
    for e in msp.query('LINE[layer=="%s"]' % layer):
        t += math.dist(e.dxf.start, e.dxf.end)
    for e in msp.query('ARC[layer=="%s"]' % layer):
        t += math.radians((e.dxf.end_angle - e.dxf.start_angle) % 360) * e.dxf.radius
    for e in msp.query('CIRCLE[layer=="%s"]' % layer):
        t += 2 * math.pi * e.dxf.radius
    return t
print("cut=%.4f" % total("COUPANT"))
print("crease=%.4f" % total("RAINANT"))
print("dimtexts=%s" % ",".join(sorted(t.dxf.text for t in msp.query('TEXT[layer=="COTATION"]'))))
print("arrows=%d" % len(msp.query('SOLID[layer=="COTATION"]')))
print("linetype=%s" % doc.layers.get("RAINANT").dxf.linetype)
print("colours=%d" % len({l.dxf.color for l in doc.layers if l.dxf.name in
      ("COUPANT", "RAINANT", "PERFO", "MI-CHAIR", "PERFO-RAINANT", "SECTION")}))
)";

TEST_F(RealReaders, EzdxfReadsTheDxfWithItsLayersUnitsAndLengths) {
    const auto path = save("0201.dxf");
    const auto r = runProcess({"/usr/bin/python3", "-c", kEzdxfScript, path.string()});
    ASSERT_EQ(r.exitCode, 0) << r.error << r.err;
    auto v = keyValues(r.out);
    // Nothing to repair: every object of the OBJECTS section has its owner, which strict CAD
    // readers insist on.
    EXPECT_EQ(v["errors"], "0") << r.out;
    EXPECT_EQ(v["fixes"], "0") << r.out;
    EXPECT_EQ(v["insunits"], "4");  // millimetres
    EXPECT_NEAR(std::stod(v["cut"]), d().KindLength(kind::Cut), 0.1);
    EXPECT_NEAR(std::stod(v["crease"]), d().KindLength(kind::Crease), 0.1);
    // The ten dimensions of the chains, each with its value and two arrows.
    EXPECT_EQ(v["dimtexts"], "1436,150,150,200,300,300,36,400,400,500");
    EXPECT_EQ(v["arrows"], "20");
    EXPECT_EQ(v["linetype"], "RAINANT");
    EXPECT_EQ(v["colours"], "6");
}

TEST_F(RealReaders, PopplerAndGhostscriptReadThePdfAtTrueScale) {
    const PageLayout page = pageLayoutFor(d());
    for (const char* name : {"0201.pdf", "0201.ai"}) {
        const auto path = save(name);
        const auto info = runProcess({"pdfinfo", path.string()});
        ASSERT_EQ(info.exitCode, 0) << info.err;
        // "Page size:       4587.18 x 1933.95 pts"
        const auto at = info.out.find("Page size:");
        ASSERT_NE(at, std::string::npos) << info.out;
        double w = 0, h = 0;
        std::istringstream(info.out.substr(at + 10)) >> w;
        std::istringstream(info.out.substr(info.out.find(" x ", at) + 3)) >> h;
        // The drawing's extents plus the margins, 1 mm on paper for 1 mm of board.
        EXPECT_NEAR(w / kPointsPerMm, page.shown.width() + 2 * kPageMarginMm, 0.05) << name;
        EXPECT_NEAR(h / kPointsPerMm, page.shown.height() + 2 * kPageMarginMm, 0.05) << name;
        EXPECT_NEAR(page.shown.width(), 1436 + 2 * 1936.0 / 25, 10);

        const auto text = runProcess({"pdftotext", path.string(), "-"});
        ASSERT_EQ(text.exitCode, 0) << text.err;
        for (const char* value : {"1436", "500", "400", "300", "200", "150", "36"})
            EXPECT_NE(text.out.find(value), std::string::npos) << value << " in " << text.out;

        const auto gs = runProcess(
            {"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage", path.string()});
        EXPECT_EQ(gs.exitCode, 0) << gs.out << gs.err;
        EXPECT_TRUE(gs.err.empty()) << gs.err;
    }
}

TEST_F(RealReaders, GhostscriptRendersTheEpsInsideItsBoundingBox) {
    const auto path = save("0201.eps");
    const std::string eps = test::readFile(path);
    EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0", 0), 0u);
    const auto at = eps.find("%%BoundingBox:");
    ASSERT_NE(at, std::string::npos);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::istringstream(eps.substr(at + 14)) >> x0 >> y0 >> x1 >> y1;
    // The box holds the ink: the drawing without the empty margins, give or take a point.
    const PageLayout page = pageLayoutFor(d());
    EXPECT_NEAR((x1 - x0) / kPointsPerMm, page.shown.width(), 2.0);
    EXPECT_NEAR((y1 - y0) / kPointsPerMm, page.shown.height(), 2.0);

    const auto gs = runProcess({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dEPSCrop",
                                "-sDEVICE=nullpage", path.string()});
    EXPECT_EQ(gs.exitCode, 0) << gs.out << gs.err;
    EXPECT_TRUE(gs.err.empty()) << gs.err;
}

TEST_F(RealReaders, LibrsvgRendersTheSvgInMillimetres) {
    const auto path = save("0201.svg");
    const PageLayout page = pageLayoutFor(d());
    const std::string svg = test::readFile(path);
    EXPECT_NE(svg.find("mm\" height="), std::string::npos);
    const auto png = dir / "svg.png";
    const auto r = runProcess(
        {"rsvg-convert", "--dpi-x", "25.4", "--dpi-y", "25.4", path.string(), "-o", png.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // At 25.4 dots an inch, one pixel a millimetre.
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_NEAR(cairo_image_surface_get_width(s), page.widthMm, 1.0);
    EXPECT_NEAR(cairo_image_surface_get_height(s), page.heightMm, 1.0);
    cairo_surface_destroy(s);
}

TEST_F(RealReaders, BitmapsHaveTheExpectedSizeAndShowTheBlank) {
    const BitmapSize size = bitmapSizeFor(pageLayoutFor(d()));
    EXPECT_EQ(size.width, kMaxBitmapSide);  // a 1.6 m page: the longest side is capped

    const auto pngPath = save("0201.png");
    cairo_surface_t* s = cairo_image_surface_create_from_png(pngPath.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), size.width);
    EXPECT_EQ(cairo_image_surface_get_height(s), size.height);
    // The cut line along the bottom of the blank is dark; the middle of a flap is white.
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const PageLayout page = pageLayoutFor(d());
    auto pixel = [&](double x, double y) {
        const int px = static_cast<int>(page.pageX(x) * size.pixelsPerMm);
        const int py = static_cast<int>(page.pageY(y) * size.pixelsPerMm);
        return *reinterpret_cast<const std::uint32_t*>(data + py * stride + px * 4) & 0xFFFFFF;
    };
    EXPECT_LT(pixel(200, -250), 0x808080u);
    EXPECT_EQ(pixel(200, 175), 0xFFFFFFu);
    cairo_surface_destroy(s);

    const std::string bmp = test::readFile(save("0201.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    auto le32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 3])) << 24;
    };
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(le32(2), bmp.size());
    EXPECT_EQ(le32(18), static_cast<std::uint32_t>(size.width));
    EXPECT_EQ(le32(22), static_cast<std::uint32_t>(size.height));
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);  // bits a pixel
}

TEST_F(RealReaders, EveryFormatTakesEveryShapeAndAnEmptyDrawing) {
    Drawing rich = d();  // every shape, texts beyond ASCII included
    PenScope richPen(rich, kind::Text);
    rich.AddText(100, -50, "Réf. 0201, «client»", 0, 10, 30);
    richPen.setKind(kind::Cut);
    rich.AddArc(600, 0, 20, 30, 360);
    richPen.setKind(kind::SectionLine);
    rich.AddLine(0, 0, 1436, 0);
    rich.addElement(Element{SheetShape{{-100, -400}, {1600, 400}}, kind::Auxiliary, 1, 1, 13});
    rich.AddDimension(0, 0, 0, 0, 0, 0);  // zero length
    rich.addElement(
        Element{ContourShape{{{{0, 0}, {10, 0}, {10, 5}, {0, 0}}}, 25}, kind::Auxiliary, 1, 1, 0});
    rich.addElement(
        Element{SymbolShape{{5, 600}, 5, 40, 0, {{{-1, 0}, {1, 0}}}}, kind::Text, 1, 1, 0});
    const Drawing empty;
    for (const FileFormat& f : fileFormats()) {
        for (const Drawing* drawing : {static_cast<const Drawing*>(&rich), &empty}) {
            const auto path = dir / ("x." + std::string(f.extension));
            const FileResult r = SaveDrawing(*drawing, path);
            EXPECT_TRUE(r.ok) << f.extension << ": " << r.message;
            EXPECT_GT(std::filesystem::file_size(path), 0u) << f.extension;
        }
    }
    ASSERT_TRUE(SaveDrawing(rich, dir / "rich.dxf").ok);
    const auto r =
        runProcess({"/usr/bin/python3", "-c",
                    "import sys, ezdxf\n"
                    "doc = ezdxf.readfile(sys.argv[1])\n"
                    "a = doc.audit()\n"
                    "print('errors=%d fixes=%d' % (len(a.errors), len(a.fixes)))\n"
                    "msp = doc.modelspace()\n"
                    "print('text=' + msp.query('TEXT[layer==\"TEXTES\"]').first.dxf.text)\n"
                    "print('circles=%d' % len(msp.query('CIRCLE[layer==\"COUPANT\"]')))\n"
                    "print('section=%d' % len(msp.query('LINE[layer==\"SECTION\"]')))\n"
                    "print('sheet=%d' % len(msp.query('LINE[layer==\"FEUILLE\"]')))\n",
                    (dir / "rich.dxf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto v = keyValues(r.out);
    EXPECT_EQ(v["errors"], "0 fixes=0");
    EXPECT_EQ(v["text"], "Réf. 0201, «client»");
    EXPECT_EQ(v["circles"], "1");
    EXPECT_EQ(v["section"], "1");
    EXPECT_EQ(v["sheet"], "4");
    const auto gs = runProcess({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage",
                                (dir / "x.pdf").string()});
    EXPECT_EQ(gs.exitCode, 0) << gs.err;
}

// Every line kind, with arcs in every quadrant drawn both ways and circles, written in each
// format and read back element by element.

// What each totalled kind becomes in the files: its DXF layer, its CFF2 type code and the
// colour its pen shows.
struct KindInFiles {
    LineKind lineKind;
    const char* layer;
    int cff2Type;
    std::array<double, 3> colour;
};
constexpr KindInFiles kKindsInFiles[] = {
    {kind::Cut, "COUPANT", 1, {0, 0, 0}},
    {kind::Crease, "RAINANT", 2, {0.85, 0.1, 0.1}},
    {kind::Perforation, "PERFO", 3, {0, 0.55, 0}},
    {kind::HalfCut, "MI-CHAIR", 4, {0.75, 0, 0.75}},
    {kind::PerforatedCrease, "PERFO-RAINANT", 5, {0.9, 0.5, 0}},
};

const KindInFiles& inFiles(LineKind lineKind) {
    for (const KindInFiles& k : kKindsInFiles) {
        if (k.lineKind == lineKind)
            return k;
    }
    throw std::logic_error("not a totalled kind");
}

// The numbers of a record after its leading words, split on blanks or commas.
std::vector<double> numbersOf(const std::string& line, std::size_t skip, char separator) {
    std::vector<double> out;
    std::istringstream in(line);
    std::size_t field = 0;
    for (std::string item; std::getline(in, item, separator); ++field) {
        if (field >= skip && !item.empty())
            out.push_back(std::stod(item));
    }
    return out;
}

bool sameAngle(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d < 1e-6 || 360.0 - d < 1e-6;
}

Point onCircle(const ArcShape& a, double degrees) {
    return {a.centre.x + a.radius * std::cos(degrees * kPi / 180),
            a.centre.y + a.radius * std::sin(degrees * kPi / 180)};
}

struct EveryLineKindWritten : ::testing::Test {
    const Drawing d = test::lineKindsDrawing();
    test::TempDir dir;

    std::string saved(const char* name) {
        const FileResult r = SaveDrawing(d, dir / name);
        EXPECT_TRUE(r.ok) << r.message;
        return test::readFile(dir / name);
    }
};

constexpr const char* kDxfEntities = R"(
import sys, ezdxf
for e in ezdxf.readfile(sys.argv[1]).modelspace():
    t, x = e.dxftype(), e.dxf
    if t == "LINE": v = [x.start.x, x.start.y, x.end.x, x.end.y]
    elif t == "ARC": v = [x.center.x, x.center.y, x.radius, x.start_angle, x.end_angle]
    elif t == "CIRCLE": v = [x.center.x, x.center.y, x.radius]
    else: v = []
    print(t, x.layer, *("%.6f" % n for n in v))
)";

TEST_F(EveryLineKindWritten, EzdxfReadsEachLineArcAndCircleOnItsLayer) {
    saved("k.dxf");
    const auto r = runProcess({"/usr/bin/python3", "-c", kDxfEntities, (dir / "k.dxf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.error << r.err;
    std::istringstream in(r.out);
    for (const Element& e : d.elements()) {
        std::string line;
        ASSERT_TRUE(std::getline(in, line)) << "an entity short";
        std::istringstream fields(line);
        std::string type, layer;
        fields >> type >> layer;
        const std::vector<double> v = numbersOf(line, 2, ' ');
        EXPECT_EQ(layer, inFiles(e.lineKind).layer) << line;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            ASSERT_EQ(type, "LINE");
            ASSERT_EQ(v.size(), 4u);
            EXPECT_TRUE(test::near(Segment{{v[0], v[1]}, {v[2], v[3]}}, Segment{l->a, l->b}, 1e-6))
                << line;
            continue;
        }
        const auto& a = std::get<ArcShape>(e.shape);
        ASSERT_EQ(type, a.sweepDeg >= 360 ? "CIRCLE" : "ARC") << line;
        ASSERT_GE(v.size(), 3u);
        EXPECT_TRUE(test::near({v[0], v[1]}, a.centre, 1e-6)) << line;
        EXPECT_NEAR(v[2], a.radius, 1e-6) << line;
        if (type == "ARC") {
            ASSERT_EQ(v.size(), 5u);
            EXPECT_TRUE(sameAngle(v[3], a.startDeg)) << line;
            EXPECT_TRUE(sameAngle(v[4], a.startDeg + a.sweepDeg)) << line;
        }
    }
    std::string extra;
    EXPECT_FALSE(std::getline(in, extra)) << "an entity more: " << extra;
}

TEST_F(EveryLineKindWritten, Cff2RecordsCarryTheKindsCodeAndTheEnds) {
    const std::string cff2 = saved("k.cf2");
    EXPECT_EQ(cff2.rfind("$BOF\nV2\n", 0), 0u);
    EXPECT_NE(cff2.find("\nUM\n"), std::string::npos);
    EXPECT_EQ(cff2.substr(cff2.size() - 9), "END\n$EOF\n");
    std::istringstream in(cff2);
    std::vector<std::string> records;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("L,", 0) == 0 || line.rfind("A,", 0) == 0)
            records.push_back(line);
    }
    ASSERT_EQ(records.size(), d.elements().size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Element& e = d.elements()[i];
        const std::vector<double> f = numbersOf(records[i], 1, ',');
        const std::string& line = records[i];
        ASSERT_GE(f.size(), 7u) << line;
        EXPECT_EQ(f[0], 2) << "pointage: " << line;
        EXPECT_EQ(f[1], inFiles(e.lineKind).cff2Type) << line;
        Point from, to;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            ASSERT_EQ(line[0], 'L');
            from = l->a;
            to = l->b;
        } else {
            const auto& a = std::get<ArcShape>(e.shape);
            ASSERT_EQ(line[0], 'A');
            ASSERT_EQ(f.size(), 12u) << line;
            from = onCircle(a, a.startDeg);
            to = onCircle(a, a.startDeg + a.sweepDeg);
            EXPECT_TRUE(test::near({f[7], f[8]}, a.centre, 1e-4)) << line;
            EXPECT_EQ(f[9], 1) << "counter-clockwise: " << line;
        }
        EXPECT_TRUE(test::near({f[3], f[4]}, from, 1e-4)) << line;
        EXPECT_TRUE(test::near({f[5], f[6]}, to, 1e-4)) << line;
    }
}

TEST_F(EveryLineKindWritten, PliAndEvRecordsCarryTheKindAndTheNumbers) {
    for (const std::string target : {"PLI", "EV"}) {
        const std::string name = "k." + target;
        std::istringstream in(saved(name.c_str()));
        std::string line;
        for (const std::string& header : {"BRONTAXE " + target + " 1", std::string("UNITES MM"),
                                          std::string("DIMENSIONS 240.0000 180.0000"),
                                          "ELEMENTS " + std::to_string(d.ElementCount())}) {
            std::getline(in, line);
            EXPECT_EQ(line, header);
        }
        for (std::size_t i = 0; i < d.elements().size(); ++i) {
            const Element& e = d.elements()[i];
            ASSERT_TRUE(std::getline(in, line)) << name;
            std::istringstream fields(line);
            std::size_t id = 0;
            std::string type;
            int lineKind = 0, variant = 0, piece = 0;
            fields >> id >> type >> lineKind >> variant >> piece;
            EXPECT_EQ(id, kFirstElementId + i) << line;
            EXPECT_EQ(lineKind, lineKindNumber(e.lineKind)) << line;
            EXPECT_EQ(variant, e.lineVariant) << line;
            const std::vector<double> v = numbersOf(line, 5, ' ');
            std::vector<double> expected;
            if (const auto* l = std::get_if<LineShape>(&e.shape)) {
                EXPECT_EQ(type, "LIGNE");
                expected = {l->a.x, l->a.y, l->b.x, l->b.y};
            } else {
                const auto& a = std::get<ArcShape>(e.shape);
                EXPECT_EQ(type, "ARC");
                expected = {a.centre.x, a.centre.y, a.radius, a.startDeg, a.sweepDeg};
            }
            ASSERT_EQ(v.size(), expected.size()) << line;
            for (std::size_t k = 0; k < v.size(); ++k)
                EXPECT_NEAR(v[k], expected[k], 1e-4) << name << ": " << line;
        }
        std::getline(in, line);
        EXPECT_EQ(line, "FIN");
    }
}

TEST_F(EveryLineKindWritten, DesReopensEveryElementExactly) {
    saved("k.des");
    Drawing reopened;
    ASSERT_TRUE(OpenDrawing(reopened, dir / "k.des").ok);
    EXPECT_EQ(reopened.elements(), d.elements());
}

// Which totalled kind a pixel shows by its colour, or -1 for paper, blends and crossings.
int kindShown(std::uint32_t pixel) {
    const double rgb[3] = {((pixel >> 16) & 0xFF) / 255.0, ((pixel >> 8) & 0xFF) / 255.0,
                           (pixel & 0xFF) / 255.0};
    for (std::size_t k = 0; k < std::size(kKindsInFiles); ++k) {
        const auto& c = kKindsInFiles[k].colour;
        if (std::hypot(rgb[0] - c[0], rgb[1] - c[1], rgb[2] - c[2]) < 0.3)
            return static_cast<int>(k);
    }
    return -1;
}

// One mask a kind, pixel by pixel.
struct KindMasks {
    int width = 0;
    int height = 0;
    std::vector<std::vector<bool>> of{std::size(kKindsInFiles)};
};

// A rendered page, its pixels laid over white paper and sorted by their colour.
KindMasks masksOfImage(const std::filesystem::path& png) {
    KindMasks m;
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return m;
    }
    cairo_surface_flush(s);
    m.width = cairo_image_surface_get_width(s);
    m.height = cairo_image_surface_get_height(s);
    const bool alpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
    for (auto& mask : m.of)
        mask.assign(static_cast<std::size_t>(m.width) * m.height, false);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < m.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            data + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(s));
        for (int x = 0; x < m.width; ++x) {
            std::uint32_t p = row[x];
            if (alpha) {  // premultiplied: over white, each channel gains what alpha leaves
                const std::uint32_t paper = 0xFF - (p >> 24);
                p = (((p >> 16) & 0xFF) + paper) << 16 | (((p >> 8) & 0xFF) + paper) << 8 |
                    ((p & 0xFF) + paper);
            }
            const int k = kindShown(p);
            if (k >= 0)
                m.of[static_cast<std::size_t>(k)][static_cast<std::size_t>(y) * m.width + x] = true;
        }
    }
    cairo_surface_destroy(s);
    return m;
}

// The blank of lineKindsDrawing spans 0..240 by 0..180 mm; the page adds 10 mm all round.
constexpr double kPageWidthMm = 260;
constexpr double kPageHeightMm = 200;

// The drawing painted here, plain strokes as wide as the widest pen, straight from the strokes
// it was asked for, with the arcs in the direction they were asked.
KindMasks referenceMasks(double pixelsPerMm) {
    KindMasks m;
    m.width = static_cast<int>(std::lround(kPageWidthMm * pixelsPerMm));
    m.height = static_cast<int>(std::lround(kPageHeightMm * pixelsPerMm));
    for (std::size_t k = 0; k < std::size(kKindsInFiles); ++k) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, m.width, m.height);
        cairo_t* cr = cairo_create(s);
        cairo_scale(cr, pixelsPerMm, -pixelsPerMm);
        cairo_translate(cr, 10, -190);
        cairo_set_line_width(cr, 0.5);
        for (const test::AskedStroke& a : test::lineKindsStrokes()) {
            if (a.lineKind != kKindsInFiles[k].lineKind)
                continue;
            cairo_new_sub_path(cr);
            const double from = toRadians(a.startDeg);
            const double to = toRadians(a.startDeg + a.sweepDeg);
            if (!a.isArc) {
                cairo_move_to(cr, a.a.x, a.a.y);
                cairo_line_to(cr, a.b.x, a.b.y);
            } else if (a.sweepDeg < 0) {
                cairo_arc_negative(cr, a.a.x, a.a.y, a.radius, from, to);
            } else {
                cairo_arc(cr, a.a.x, a.a.y, a.radius, from, to);
            }
        }
        cairo_stroke(cr);
        cairo_destroy(cr);
        cairo_surface_flush(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        auto& mask = m.of[k];
        mask.assign(static_cast<std::size_t>(m.width) * m.height, false);
        for (int y = 0; y < m.height; ++y) {
            for (int x = 0; x < m.width; ++x)
                mask[static_cast<std::size_t>(y) * m.width + x] =
                    data[y * cairo_image_surface_get_stride(s) + x] > 0;
        }
        cairo_surface_destroy(s);
    }
    return m;
}

// Each pixel's distance in pixels (a diagonal step counting one) to the nearest set pixel.
std::vector<int> distances(const std::vector<bool>& mask, int width, int height) {
    const int far = width + height;
    std::vector<int> d(mask.size());
    auto at = [&](int x, int y) -> int& { return d[static_cast<std::size_t>(y) * width + x]; };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int v = mask[static_cast<std::size_t>(y) * width + x] ? 0 : far;
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {-1, -1}, {0, -1}, {1, -1}}) {
                if (x + dx >= 0 && x + dx < width && y + dy >= 0)
                    v = std::min(v, at(x + dx, y + dy) + 1);
            }
            at(x, y) = v;
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = width - 1; x >= 0; --x) {
            int v = at(x, y);
            for (const auto& [dx, dy] : {std::pair{1, 0}, {1, 1}, {0, 1}, {-1, 1}}) {
                if (x + dx >= 0 && x + dx < width && y + dy < height)
                    v = std::min(v, at(x + dx, y + dy) + 1);
            }
            at(x, y) = v;
        }
    }
    return d;
}

// How many pixels of `from` lie further than `tolerance` pixels from every pixel of `to`.
int strays(const std::vector<bool>& from, const std::vector<bool>& to, int width, int height,
           int tolerance) {
    const std::vector<int> d = distances(to, width, height);
    int count = 0;
    for (std::size_t i = 0; i < from.size(); ++i)
        count += from[i] && d[i] > tolerance ? 1 : 0;
    return count;
}

struct Rendering {
    const char* file;
    // The reader's command: the file, the picture it makes, its resolution in dots an inch.
    std::vector<std::string> (*command)(const std::string& in, const std::string& png,
                                        const std::string& dpi);
};

const Rendering kRenderings[] = {
    {"k.pdf",
     [](const std::string& in, const std::string& png, const std::string& dpi) {
         return std::vector<std::string>{
             "pdftoppm", "-png", "-r", dpi, "-singlefile", in, png.substr(0, png.size() - 4)};
     }},
    {"k.eps",
     [](const std::string& in, const std::string& png, const std::string& dpi) {
         // The page the EPS was drawn on, whatever its bounding box.
         const auto points = [](double mm) { return std::to_string(std::lround(mm * 72 / 25.4)); };
         return std::vector<std::string>{"gs",
                                         "-q",
                                         "-dSAFER",
                                         "-dBATCH",
                                         "-dNOPAUSE",
                                         "-sDEVICE=png16m",
                                         "-r" + dpi,
                                         "-dDEVICEWIDTHPOINTS=" + points(kPageWidthMm),
                                         "-dDEVICEHEIGHTPOINTS=" + points(kPageHeightMm),
                                         "-dFIXEDMEDIA",
                                         "-sOutputFile=" + png,
                                         in};
     }},
    {"k.svg",
     [](const std::string& in, const std::string& png, const std::string& dpi) {
         return std::vector<std::string>{"rsvg-convert", "--dpi-x", dpi, "--dpi-y", dpi,
                                         "-b",           "white",   in,  "-o",      png};
     }},
    {"k.png", nullptr},  // our own bitmap, at its own resolution
};

TEST_F(EveryLineKindWritten, ReadersRenderEachKindWhereItIsDrawn) {
    constexpr double kPixelsPerMm = 6;
    // A stroke may stand a little off the painted one; a dash's gap (3 mm at most) and the
    // gap at an arc's end are no missing line.
    constexpr int kOffTolerance = 3;
    for (const Rendering& r : kRenderings) {
        saved(r.file);
        const auto png = dir / (std::string(r.file) + ".png");
        double ppm = kPixelsPerMm;
        if (r.command) {
            const auto run = runProcess(r.command((dir / r.file).string(), png.string(),
                                                  std::to_string(kPixelsPerMm * 25.4)));
            ASSERT_EQ(run.exitCode, 0) << r.file << ": " << run.error << run.err;
        } else {
            std::filesystem::copy_file(dir / r.file, png);
            ppm = bitmapSizeFor(pageLayoutFor(d)).pixelsPerMm;
        }
        const KindMasks shown = masksOfImage(png);
        const KindMasks painted = referenceMasks(ppm);
        ASSERT_NEAR(shown.width, painted.width, 1) << r.file;
        ASSERT_NEAR(shown.height, painted.height, 1) << r.file;
        const int w = std::min(shown.width, painted.width);
        const int h = std::min(shown.height, painted.height);
        auto cropped = [&](const KindMasks& m, std::size_t k) {
            std::vector<bool> out(static_cast<std::size_t>(w) * h);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x)
                    out[static_cast<std::size_t>(y) * w + x] =
                        m.of[k][static_cast<std::size_t>(y) * m.width + x];
            }
            return out;
        };
        for (std::size_t k = 0; k < std::size(kKindsInFiles); ++k) {
            const std::vector<bool> ink = cropped(shown, k);
            const std::vector<bool> line = cropped(painted, k);
            EXPECT_GT(std::count(ink.begin(), ink.end(), true), 100) << r.file;
            EXPECT_EQ(strays(ink, line, w, h, kOffTolerance), 0)
                << r.file << ": " << kKindsInFiles[k].layer << " shown where it is not drawn";
            EXPECT_EQ(strays(line, ink, w, h, static_cast<int>(std::ceil(3.5 * ppm))), 0)
                << r.file << ": " << kKindsInFiles[k].layer << " drawn but not shown";
        }
    }
}

}  // namespace
}  // namespace brontaxe::io
