// Die-lines opened in place of a design: every catalogue code written by us and read back,
// files written by ezdxf and by Inkscape with their totals worked out by those programs or
// by hand, and the user's layer names kept in the settings.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "io/die_line_import.h"
#include "io/drawing_files.h"
#include "platform/process.h"
#include "styles/generators.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/line_kind_settings.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

struct Figures {
    double cut, creaseLike, total, surface;
};

Figures figures(const Model& m) {
    return {m.LgCoupant, double{m.LgRainant} + m.LgPerfoRainant + m.LgPerfo + m.LgMiChair,
            m.LgTotal, m.SurfDecoupee};
}

void expectWithinThousandth(const Figures& read, const Figures& drawn) {
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-3 * b + 1e-3; };
    EXPECT_TRUE(near(read.cut, drawn.cut)) << read.cut << " against " << drawn.cut;
    EXPECT_TRUE(near(read.creaseLike, drawn.creaseLike)) << read.creaseLike;
    EXPECT_TRUE(near(read.total, drawn.total)) << read.total << " against " << drawn.total;
    EXPECT_TRUE(near(read.surface, drawn.surface)) << read.surface << " against " << drawn.surface;
}

// The die-line of a file measured as the workbench measures a blank.
Figures openedFigures(Workbench& wb, const std::filesystem::path& path,
                      const io::ImportOptions& options = {}) {
    Drawing read;
    io::ImportReport report;
    const io::FileResult r = io::openDieLine(read, path, options, report);
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(report.unknownLayers.empty()) << report.unknownLayers.front();
    wb.adoptDieLine(read, path.filename().string());
    const RegenerationReport drawn = wb.regenerate();
    EXPECT_TRUE(drawn.drawn) << drawn.message;
    return figures(wb.model());
}

TEST(DieLine, EveryCatalogueCodeReadsBackFromDxfAndCf2WithItsTotalsAndCutSurface) {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};
    Workbench reader{platform::PrivateProfile(dir.path())};
    wb.startUp();
    reader.startUp();
    int compared = 0;
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;
        wb.window().codeText = std::string(code);
        wb.codeBoxLeft();
        if (!wb.regenerate().drawn)
            continue;
        const Figures drawn = figures(wb.model());
        for (const char* name : {"blank.dxf", "blank.cf2"}) {
            SCOPED_TRACE(std::string(code) + " " + name);
            ASSERT_TRUE(io::SaveDrawing(wb.drawing(), dir / name).ok);
            expectWithinThousandth(openedFigures(reader, dir / name), drawn);
        }
        ++compared;
    }
    EXPECT_GT(compared, 150);
}

// ezdxf writes every entity kind the reader takes, on several layers, with blocks and in
// inches (a spline given by its fit points and end tangents among them); it flattens the same
// entities itself to give the totals by kind.
constexpr const char* kEzdxfWriter = R"(
import math, sys, ezdxf
from ezdxf import disassemble, path
doc = ezdxf.new("R2018")
doc.header["$INSUNITS"] = 1
msp = doc.modelspace()
kinds = {"KNIFE": "cut", "Crease": "crease", "perforation": "perforation", "Mi-chair": "halfcut"}
for name in kinds:
    doc.layers.add(name)
blk = doc.blocks.new("PART", base_point=(1, 1))
blk.add_circle((2, 2), 0.5, dxfattribs={"layer": "KNIFE"})
blk.add_lwpolyline([(1, 1, 0.3), (3, 1, 0), (3, 2, -0.6)], format="xyb", close=True,
                   dxfattribs={"layer": "Crease"})
msp.add_line((0, 0), (3, 4), dxfattribs={"layer": "KNIFE"})
msp.add_arc((5, 5), 2, 30, 300, dxfattribs={"layer": "Crease"})
msp.add_circle((10, 0), 1.5, dxfattribs={"layer": "perforation"})
msp.add_lwpolyline([(0, 10, 0.4), (4, 10, -1), (4, 12, 0)], format="xyb", close=True,
                   dxfattribs={"layer": "Mi-chair"})
msp.add_polyline2d([(10, 10), (12, 10), (12, 13)], dxfattribs={"layer": "KNIFE"})
pl = msp.add_polyline2d([(20, 0), (22, 0), (22, 2)], close=True, dxfattribs={"layer": "Crease"})
pl.vertices[0].dxf.bulge = 0.7
msp.add_ellipse((30, 5), major_axis=(3, 1), ratio=0.4, start_param=0.3, end_param=4.0,
                dxfattribs={"layer": "perforation"})
msp.add_open_spline([(0, 20), (2, 24), (5, 18), (8, 23), (10, 20)], degree=3,
                    dxfattribs={"layer": "KNIFE"})
fit = msp.add_spline([(0, 30), (3, 34), (6, 29), (9, 33)], dxfattribs={"layer": "KNIFE"})
fit.dxf.start_tangent = (1, 1, 0)
fit.dxf.end_tangent = (1, -0.5, 0)
msp.add_blockref("PART", (40, 0), dxfattribs={"layer": "KNIFE", "rotation": 30,
                                               "xscale": 2, "yscale": 2})
msp.add_blockref("PART", (50, 10), dxfattribs={"layer": "KNIFE", "xscale": -1})
msp.add_text("Client", dxfattribs={"layer": "TEXTES", "height": 0.2})
doc.saveas(sys.argv[1])
totals = {k: 0.0 for k in kinds.values()}
for e in disassemble.recursive_decompose(msp):
    if e.dxf.layer in kinds and e.dxftype() != "TEXT":
        pts = list(path.make_path(e).flattening(0.00001))
        totals[kinds[e.dxf.layer]] += sum(a.distance(b) for a, b in zip(pts, pts[1:])) * 25.4
for k, v in totals.items():
    print("%s=%.6f" % (k, v))
)";

std::map<std::string, double> keyNumbers(const std::string& text) {
    std::map<std::string, double> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (const auto eq = line.find('='); eq != std::string::npos)
            out[line.substr(0, eq)] = std::stod(line.substr(eq + 1));
    }
    return out;
}

void expectTotals(const Drawing& d, const std::map<std::string, double>& expected) {
    const std::pair<const char*, LineKind> kinds[] = {{"cut", kind::Cut},
                                                      {"crease", kind::Crease},
                                                      {"perforation", kind::Perforation},
                                                      {"halfcut", kind::HalfCut}};
    for (const auto& [name, lineKind] : kinds) {
        const double want = expected.count(name) ? expected.at(name) : 0.0;
        EXPECT_NEAR(d.KindLength(lineKind), want, 1e-3 * want + 1e-6) << name;
    }
}

TEST(DieLine, DxfWrittenByEzdxfGivesTheTotalsEzdxfMeasures) {
    test::TempDir dir;
    const auto path = dir / "ezdxf.dxf";
    const auto r = platform::runProcess({"/usr/bin/python3", "-c", kEzdxfWriter, path.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto expected = keyNumbers(r.out);
    ASSERT_EQ(expected.size(), 4u) << r.out;
    Drawing d;
    io::ImportReport report;
    const io::FileResult read = io::openDieLine(d, path, {}, report);
    ASSERT_TRUE(read.ok) << read.message;
    expectTotals(d, expected);
    EXPECT_FALSE(report.unitAbsent);
}

// A die-line drawn in an SVG with one layer a kind: a 100 x 50 rectangle and a circle of
// radius 20 cut, a crease across; Inkscape writes its DXF without a unit, in millimetres.
constexpr const char* kSvg = R"(<svg xmlns="http://www.w3.org/2000/svg"
 xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="200mm" height="100mm"
 viewBox="0 0 200 100">
<g inkscape:groupmode="layer" inkscape:label="cut" id="l1">
<path d="M 10 10 H 110 V 60 H 10 Z" fill="none" stroke="black"/>
<path d="M 170 50 A 20 20 0 0 1 130 50 A 20 20 0 0 1 170 50 Z" fill="none" stroke="black"/>
</g>
<g inkscape:groupmode="layer" inkscape:label="crease" id="l2">
<path d="M 10 35 L 110 35" fill="none" stroke="red"/>
</g>
</svg>
)";

TEST(DieLine, DxfWrittenByInkscapeFromAnSvgDieLine) {
    test::TempDir dir;
    test::writeFile(dir / "die.svg", kSvg);
    const auto r = platform::runProcess(
        {"env", "HOME=" + dir.path().string(), "inkscape", "--export-type=dxf",
         "--export-filename=" + (dir / "die.dxf").string(), (dir / "die.svg").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Drawing d;
    io::ImportReport report;
    const io::FileResult read = io::openDieLine(d, dir / "die.dxf", {}, report);
    ASSERT_TRUE(read.ok) << read.message;
    expectTotals(d, {{"cut", 300 + 40 * 3.14159265358979}, {"crease", 100}});
    EXPECT_TRUE(report.unitAbsent);
}

TEST(DieLine, SavedAsDesItReopensAndTheUsersNamesAreRemembered) {
    test::TempDir dir;
    const platform::PrivateProfile settings(dir.path());
    io::LineKindTable told = lineKindTable(settings);
    told.addUserEntry("Rillen", "rainant");
    told.addUserEntry("type 9", "coupe");
    ASSERT_TRUE(rememberLineKinds(settings, told));
    const io::LineKindTable kept = lineKindTable(settings);
    EXPECT_EQ(kept.layerKind("RILLEN"), kind::Crease);
    EXPECT_EQ(kept.cff2Kind(9), kind::Cut);
    EXPECT_EQ(kept.layerKind("Kiss"), std::nullopt);

    test::writeFile(dir / "plan.cf2",
                    "$BOF\nV2\nMAIN,M\nUM\nL,2,9,0,0,0,100,0,2,0.5\nL,2,9,0,100,0,100,50,0,0\n"
                    "L,2,9,0,100,50,0,50,0,0\nL,2,9,0,0,50,0,0,0,0\nEND\n$EOF\n");
    Workbench wb{settings};
    wb.startUp();
    io::ImportOptions options;
    options.table = kept;
    const Figures opened = openedFigures(wb, dir / "plan.cf2", options);
    EXPECT_NEAR(opened.surface, 5000, 1e-6);
    ASSERT_TRUE(saveDesign(wb, dir / "plan.des").ok);
    // Opened again: the die-line comes back as the design, measured as it was.
    const OpenedDesign reopened = openDesign(wb, dir / "plan.des");
    ASSERT_TRUE(reopened.result.ok) << reopened.result.message;
    EXPECT_TRUE(reopened.parametric);
    EXPECT_TRUE(wb.hasDieLine());
    EXPECT_NEAR(wb.model().LgCoupant, 300, 1e-3);
    EXPECT_NEAR(wb.model().SurfDecoupee, 5000, 1e-6);
    // With its bridges, counted in the figures of a window that had none.
    Workbench fresh{settings};
    fresh.startUp();
    ASSERT_TRUE(openDesign(fresh, dir / "plan.des").result.ok);
    EXPECT_EQ(fresh.model().NbPonts, 2);
    EXPECT_NEAR(fresh.model().LgPonts, 1.0, 1e-6);
}

}  // namespace
}  // namespace brontaxe
