// Every format written for a default 0201 is opened by a reader nobody here wrote: ezdxf,
// Ghostscript, poppler, librsvg and Cairo's own PNG reader.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "io/drawing_files.h"
#include "io/page_layout.h"
#include "platform/process.h"
#include "styles/02/fco200.h"
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

// Whatever format writes DXF, ezdxf's audit finds nothing to repair in it: every object of
// the OBJECTS section has its owner, which strict CAD readers insist on.
TEST_F(RealReaders, EveryDxfWrittenPassesEzdxfsAuditWithoutAFix) {
    int audited = 0;
    for (const FileFormat& f : fileFormats()) {
        const auto path = save("audit." + std::string(f.extension));
        // A DXF file starts with its comment (999) or its first section (0 SECTION).
        std::ifstream in(path);
        std::string head((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        head.resize(std::min<std::size_t>(head.size(), 64));
        if (head.find("SECTION") == std::string::npos || head.find("HEADER") == std::string::npos)
            continue;
        ++audited;
        const auto r = runProcess(
            {"/usr/bin/python3", "-c",
             "import sys, ezdxf\n"
             "a = ezdxf.readfile(sys.argv[1]).audit()\n"
             "print('errors=%d' % len(a.errors))\n"
             "print('fixes=%d' % len(a.fixes))\n"
             "print('first=' + ' / '.join(str(x.message) for x in (a.errors + a.fixes)[:3]))\n",
             path.string()});
        ASSERT_EQ(r.exitCode, 0) << f.extension << r.err;
        auto v = keyValues(r.out);
        EXPECT_EQ(v["errors"], "0") << f.extension << ": " << v["first"];
        EXPECT_EQ(v["fixes"], "0") << f.extension << ": " << v["first"];
    }
    EXPECT_GE(audited, 1);
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

// Sums the rules of one type code of a CFF2 file: lines and counter-clockwise arcs.
double cff2Length(const std::string& text, int type, int& records) {
    double total = 0;
    records = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 2 || (line[0] != 'L' && line[0] != 'A') || line[1] != ',')
            continue;
        std::vector<double> f;
        std::istringstream fields(line.substr(2));
        for (std::string item; std::getline(fields, item, ',');)
            f.push_back(std::stod(item));
        if (static_cast<int>(f[1]) != type)
            continue;
        ++records;
        if (line[0] == 'L') {
            total += std::hypot(f[5] - f[3], f[6] - f[4]);
        } else {
            const double r = std::hypot(f[3] - f[7], f[4] - f[8]);
            const double a0 = std::atan2(f[4] - f[8], f[3] - f[7]);
            const double a1 = std::atan2(f[6] - f[8], f[5] - f[7]);
            double sweep = std::fmod(a1 - a0 + 4 * kPi, 2 * kPi);
            if (sweep < 1e-9)
                sweep = 2 * kPi;
            total += r * sweep;
        }
    }
    return total;
}

TEST_F(RealReaders, Cff2RulesAddUpToTheCutAndCreaseLengths) {
    const std::string cff2 = test::readFile(save("0201.cf2"));
    EXPECT_EQ(cff2.rfind("$BOF\nV2\n", 0), 0u);
    EXPECT_NE(cff2.find("\nUM\n"), std::string::npos);
    EXPECT_EQ(cff2.substr(cff2.size() - 9), "END\n$EOF\n");
    int cuts = 0, creases = 0;
    EXPECT_NEAR(cff2Length(cff2, 1, cuts), d().KindLength(kind::Cut), 0.1);
    EXPECT_NEAR(cff2Length(cff2, 2, creases), d().KindLength(kind::Crease), 0.1);
    EXPECT_GT(cuts, 0);
    EXPECT_GT(creases, 0);
}

TEST_F(RealReaders, PliAndEvListEveryElementWithItsKind) {
    for (const char* name : {"0201.pli", "0201.ev"}) {
        const std::string text = test::readFile(save(name));
        std::istringstream in(text);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line, std::string("BRONTAXE ") + (name[5] == 'p' ? "PLI" : "EV") + " 1");
        std::getline(in, line);
        EXPECT_EQ(line, "UNITES MM");
        std::getline(in, line);
        EXPECT_EQ(line, "DIMENSIONS 1436.0000 500.0000");
        std::getline(in, line);
        EXPECT_EQ(line, "ELEMENTS " + std::to_string(d().ElementCount()));
        for (std::int32_t id = kFirstElementId; id <= d().lastId().value; ++id) {
            ASSERT_TRUE(std::getline(in, line));
            std::istringstream fields(line);
            int readId = 0, kind = 0;
            std::string type;
            fields >> readId >> type >> kind;
            EXPECT_EQ(readId, id);
            EXPECT_EQ(kind, d().ElementLineKind(ElementId{id})) << line;
        }
        std::getline(in, line);
        EXPECT_EQ(line, "FIN");
    }
}

TEST_F(RealReaders, EveryFormatTakesEveryShapeAndAnEmptyDrawing) {
    Drawing rich = d();  // every shape, texts beyond ASCII included
    rich.LineKind = kind::Text;
    rich.StartAngle = 30;
    rich.AddText(100, -50, "Réf. 0201, «client»", 0, 10);
    rich.LineKind = kind::Cut;
    rich.Radius = 20;
    rich.AddArc(600, 0, 360);
    rich.LineKind = kind::SectionLine;
    rich.AddLine(0, 0, 1436, 0);
    rich.addElement(Element{SheetShape{{-100, -400}, {1600, 400}}, kind::Auxiliary, 1, 1, 13});
    rich.AddDimension(0, 0, 0, 0, 0, 0);  // zero length
    rich.addElement(Element{ContourShape{{{{0, 0}, {10, 0}, {10, 5}, {0, 0}}}, 25}, 3, 1, 1, 0});
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

}  // namespace
}  // namespace brontaxe::io
