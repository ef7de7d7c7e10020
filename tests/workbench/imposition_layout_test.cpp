// The drawn imposition: copies where the rules put them, nested styles interlocking without
// one pose reaching into another, totals of every pose, the sheet outline.

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <numbers>
#include <variant>

#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "builders/slotted_body_half.h"
#include "drawing/dimension_layout.h"
#include "platform/rounding.h"
#include "support/poses.h"
#include "support/temp_dir.h"
#include "workbench/pieces.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

void manyLines(Model&, Drawing& d) {
    GenerationPass pass(d);
    for (int i = 0; i < Tracer::kCapacity; ++i)
        line(d, 0, static_cast<float>(i), 100, static_cast<float>(i));
}

Generator withAFullRegistry(std::string_view code) {
    return code == "0601" ? &manyLines : findGenerator(code);  // 0601 has no generator yet
}

struct Bench {
    test::TempDir dir;
    Workbench wb;

    explicit Bench(Workbench::GeneratorLookup lookup = &findGenerator)
        : wb(platform::PrivateProfile(dir.path()), lookup) {
        wb.startUp();
        Model& m = wb.model();
        m.EpaisseurCarton = 3;
        m.Majo = {};
        m.Majo[6] = 3;
        m.Majo[7] = 3;
        m.Majo[8] = -3;
    }

    // Pose mode with the copies on.
    RegenerationReport impose(const std::string& code, int x, int y) {
        Model& m = wb.model();
        wb.window().codeText = code;
        m.NbPoseX = static_cast<std::int16_t>(x);
        m.NbPoseY = static_cast<std::int16_t>(y);
        m.ImposManuelle = false;
        wb.imposition().AvecImpos = true;
        return wb.regenerate();
    }
};

// Extent of the imposed poses against the plain grid of the same counts.
struct Extent {
    double drawn;
    double plain;
};
Extent rowsExtent(const Workbench& wb) {
    const Model& m = wb.model();
    return {wb.drawing().extents().height(),
            double{m.HorsToutY} * m.NbPoseY + double{m.EspPoseY} * (m.NbPoseY - 1)};
}

TEST(DrawImposition, PosesTotalEveryCopyAndKeepTheBlankSize) {
    Bench single;
    single.impose("0201", 1, 1);
    const Model one = single.wb.model();
    const std::int32_t blankElements = single.wb.drawing().ElementCount() - 1;  // less the sheet

    Bench b;
    const RegenerationReport r = b.impose("0201", 3, 2);
    ASSERT_TRUE(r.drawn) << r.message;
    const Model& m = b.wb.model();
    EXPECT_EQ(m.NbPoses, 6);
    EXPECT_FLOAT_EQ(m.HorsToutX, one.HorsToutX);
    EXPECT_FLOAT_EQ(m.HorsToutY, one.HorsToutY);
    EXPECT_NEAR(m.LgCoupant, 6 * one.LgCoupant, 0.01);
    EXPECT_NEAR(m.LgRainant, 6 * one.LgRainant, 0.01);
    EXPECT_NEAR(m.LgTotal, 6 * one.LgTotal, 0.05);
    const Drawing& d = b.wb.drawing();
    EXPECT_GT(blankElements, d.blankElementCount() - 1);
    EXPECT_EQ(d.lastId().value, d.ElementCount() + 2);
    EXPECT_EQ(d.element(ElementId{d.lastId().value - 1}).type(), ShapeType::Sheet);
    EXPECT_EQ(d.element(d.lastId()).type(), ShapeType::Contour);  // the cut surface's
    EXPECT_TRUE(test::posesDoNotOverlap(d));
    // Pose mode: the sheet is the drawn poses and the margins of 5 and 15.
    EXPECT_FLOAT_EQ(m.FmtCartonX, 3 * m.HorsToutX + 2 * 5 + 5);
    EXPECT_FLOAT_EQ(m.FmtCartonY, 2 * m.HorsToutY + 5 + 15);
}

// The span of a dimension: its measured points and its dimension line.
Box dimensionSpan(const DimensionShape& dim) {
    Box box;
    box.add(dim.p1);
    box.add(dim.p2);
    if (std::fabs(dim.p1.x - dim.p2.x) < 1e-9)
        box.add(Point{dim.ref.x, dim.p1.y});
    else if (std::fabs(dim.p1.y - dim.p2.y) < 1e-9)
        box.add(Point{dim.p1.x, dim.ref.y});
    else
        box.add(dim.ref);
    return box;
}

// Boxes that only touch do not overlap: the blanks are drawn in single precision.
bool overlaps(const Box& a, const Box& b) {
    constexpr double e = 1e-3;
    return a.xmax > b.xmin + e && a.xmin < b.xmax - e && a.ymax > b.ymin + e && a.ymin < b.ymax - e;
}

// The box a dimension's value takes, as the screen writes it: centred on its anchor.
Box textBoxOf(const DimensionLayout& lay) {
    const double width = approximateTextWidth(lay.text, lay.textHeight);
    const double a = lay.textAngleDeg * std::numbers::pi / 180;
    const Point start{lay.textAnchor.x - width / 2 * std::cos(a),
                      lay.textAnchor.y - width / 2 * std::sin(a)};
    Box box;
    for (const Point& corner :
         textBoxCorners(TextShape{start, lay.text, 0, lay.textHeight, lay.textAngleDeg}))
        box.add(corner);
    return box;
}

// Every chain once, on one pose, beside the imposed area and never over a pose; no value
// written over another; the direction arrows clear of the poses too.
TEST(DrawImposition, ChainsAndArrowsStayOnOnePoseOutsideTheImposedArea) {
    struct Case {
        const char* code;
        int x, y;
        float length, width, height;
        std::int16_t fourPieces;  // 0: one blank
        bool mirrored;
    };
    const Case cases[] = {
        {"0201", 3, 2, 400, 300, 200, 0, false},
        {"0201", 3, 2, 400, 300, 200, 0, true},
        {"0201", 2, 2, 555, 320, 120, 0, false},
        {"0427", 2, 1, 555, 320, 120, 0, false},
        {"0201", 2, 2, 555, 320, 120, fourPieceVariant(false, false), false},
    };
    for (const Case& c : cases) {
        const auto set = [&c](Bench& b) {
            Model& m = b.wb.model();
            m.Sym_Verticale = c.mirrored;
            m.Longueur = c.length;
            m.Largeur = c.width;
            m.Hauteur = c.height;
            m.senscann = AlongAxis::X;
            m.senspass = AlongAxis::Y;
            if (c.fourPieces != 0)
                setFourPieces(m, c.fourPieces);
        };
        const std::string what = std::string(c.code) + " " + std::to_string(c.x) + " x " +
                                 std::to_string(c.y) + (c.fourPieces ? " in 4 pieces" : "") +
                                 (c.mirrored ? " mirrored" : "");
        Bench single;
        set(single);
        ASSERT_TRUE(single.impose(c.code, 1, 1).drawn) << what;
        std::size_t chainsOfOneBlank = 0;
        for (const Element& e : single.wb.drawing().elements())
            chainsOfOneBlank += std::holds_alternative<DimensionShape>(e.shape);
        ASSERT_GT(chainsOfOneBlank, 2u) << what;

        Bench b;
        set(b);
        ASSERT_TRUE(b.impose(c.code, c.x, c.y).drawn) << what;
        const Drawing& d = b.wb.drawing();
        const auto poses = test::poseCuts(d);
        ASSERT_EQ(poses.size(), static_cast<std::size_t>(c.x * c.y)) << what;
        Box imposed;
        for (const auto& pose : poses)
            imposed.add(test::boxOf(pose));
        const DimensionStyle style = DimensionStyle::forExtents(d.extents());
        std::vector<Box> texts;
        for (const Element& e : d.elements()) {
            const auto* dim = std::get_if<DimensionShape>(&e.shape);
            if (!dim)
                continue;
            const DimensionLayout lay = layoutDimension(*dim, style, d.extents());
            const Box text = textBoxOf(lay);
            EXPECT_FALSE(overlaps(dimensionSpan(*dim), imposed))
                << what << ": chain at " << dim->ref.x << ", " << dim->ref.y;
            EXPECT_FALSE(overlaps(text, imposed)) << what << ": " << lay.text;
            for (const Box& other : texts)
                EXPECT_FALSE(overlaps(text, other)) << what << ": " << lay.text << " at "
                                                    << lay.textAnchor.x << ", " << lay.textAnchor.y;
            texts.push_back(text);
        }
        EXPECT_EQ(texts.size(), chainsOfOneBlank) << what << ": every chain once, on one pose";
        std::size_t arrows = 0;
        for (const Element& e : d.elements()) {
            const auto* symbol = std::get_if<SymbolShape>(&e.shape);
            if (!symbol)
                continue;
            ++arrows;
            Box box;
            for (const auto& stroke : symbol->placedStrokes()) {
                box.add(stroke.a);
                box.add(stroke.b);
            }
            EXPECT_FALSE(overlaps(box, imposed)) << what << ": symbol " << symbol->number;
        }
        EXPECT_EQ(arrows, 2u) << what;
    }
}

TEST(DrawImposition, TenThousandPosesCountEveryPose) {
    Bench single;
    single.impose("0201", 1, 1);
    const float cut = single.wb.model().LgCoupant;
    Bench b;
    b.impose("0201", 100, 100);
    const Model& m = b.wb.model();
    EXPECT_EQ(m.NbPoses, 10000);
    EXPECT_NEAR(m.LgCoupant / cut, 10000, 0.01);
    EXPECT_EQ(b.wb.drawing().lastId().value, b.wb.drawing().ElementCount() + 2);
}

TEST(DrawImposition, SheetAtMarginsOrCentredAndFlaggedForFluteAlongX) {
    for (const bool centre : {false, true}) {
        for (const AlongAxis flute : {AlongAxis::None, AlongAxis::X, AlongAxis::Y}) {
            Bench b;
            b.wb.model().senscann = flute;
            b.wb.imposition().ChkCentre = centre;
            b.impose("0201", 2, 1);
            const Drawing& d = b.wb.drawing();
            const auto found =
                std::find_if(d.elements().begin(), d.elements().end(),
                             [](const Element& e) { return e.type() == ShapeType::Sheet; });
            ASSERT_NE(found, d.elements().end());
            const Element& sheet = *found;
            EXPECT_EQ(sheet.flag, flute == AlongAxis::X ? kFlagFluteAlongX : 0)
                << storedNumber(flute);
            const auto& r = std::get<SheetShape>(sheet.shape);
            const Box poses = d.extents();
            // Centred: margins on both sides; else one margin left and below.
            EXPECT_NEAR(r.min.x, poses.xmin - 5, 1e-3) << centre;
            EXPECT_NEAR(r.min.y, poses.ymin - 15, 1e-3) << centre;
            EXPECT_NEAR(r.max.x, poses.xmax + (centre ? 5 : 0), 1e-3) << centre;
            EXPECT_NEAR(r.max.y, poses.ymax + (centre ? 15 : 0), 1e-3) << centre;
        }
    }
}

// The nested styles of the catalogue, on either side of the axis: rows closer than the plain
// grid, columns of their own width (a turned row stays in its column), no pose reaching into
// another, the first pose at the origin. The folders nest by columns (imposition_folders).
TEST(DrawImposition, NestedStylesInterlockWithoutOverlapAndShortenTheRows) {
    for (const char* code : {"0210", "0211", "0212", "0215", "0713"})
        for (const bool sym : {false, true}) {
            SCOPED_TRACE(std::string(code) + (sym ? " mirrored" : ""));
            Bench b;
            b.wb.startUp();
            b.wb.model().Sym_Verticale = sym;
            const RegenerationReport r = b.impose(code, 3, 4);
            ASSERT_TRUE(r.drawn) << r.message;
            EXPECT_TRUE(r.notices.empty());
            const Drawing& d = b.wb.drawing();
            const auto poses = test::poseCuts(d);
            ASSERT_EQ(poses.size(), 12u);
            EXPECT_TRUE(test::posesDoNotOverlap(d));
            const Extent e = rowsExtent(b.wb);
            EXPECT_LT(e.drawn, e.plain - 1);
            const Model& m = b.wb.model();
            EXPECT_NEAR(d.extents().width(), 3 * m.HorsToutX + 2 * m.EspPoseX, 1e-3);
            EXPECT_NEAR(test::boxOf(poses[0]).xmax, sym ? 0 : m.HorsToutX, 1e-3);
        }
}

// Height of the one cut line that runs the whole width of a pose.
double straightEdge(const std::vector<Segment>& pose) {
    const double width = test::boxOf(pose).width();
    for (const auto& s : pose) {
        if (std::fabs(std::fabs(s.b.x - s.a.x) - width) < 1e-3)
            return s.a.y;
    }
    return std::nan("");
}

// The TREMALUXE half boxes pair up: each even row is mirrored so that its straight edge faces
// the odd row's, whichever side of the axis the generator drew the blank. Without the profile
// they stay a plain grid.
TEST(DrawImposition, HalfBoxesPairStraightEdgesForTheirProfile) {
    for (const char* code : {"0200", "0200C"})
        for (const char* profile : {"TREMALUXE", ""}) {
            SCOPED_TRACE(std::string(code) + " " + profile);
            Bench b;
            b.wb.model().Personnalisation = ProfileChoice::parse(profile);
            b.impose(code, 2, 4);
            const Drawing& d = b.wb.drawing();
            EXPECT_TRUE(test::posesDoNotOverlap(d));
            const Extent e = rowsExtent(b.wb);
            EXPECT_NEAR(e.drawn, e.plain, 1e-3);
            const auto poses = test::poseCuts(d);
            const Box first = test::boxOf(poses[0]);
            const Box second = test::boxOf(poses[1]);
            EXPECT_NEAR(second.ymin - first.ymax, 5, 1e-3);
            const double e0 = straightEdge(poses[0]) - first.ymin;
            const double e1 = straightEdge(poses[1]) - second.ymin;
            if (*profile == 0) {
                EXPECT_NEAR(e0, e1, 1e-3);
                continue;
            }
            // The straight cut lies at the bottom of one and the top of the other.
            EXPECT_NEAR(e0 + e1, first.height(), 1e-3);
            EXPECT_TRUE(e0 < 1e-3 || e1 < 1e-3);
        }
}

TEST(DrawImposition, OverlapCheckCatchesPosesThatReachIntoEachOther) {
    Bench b;
    b.wb.model().EspPoseX = -100;
    b.impose("0201", 2, 1);
    EXPECT_FALSE(test::posesDoNotOverlap(b.wb.drawing()));
}

TEST(DrawImposition, AbsurdParametersNeitherOverlapNorFreeze) {
    // A nesting deeper than the blank would stack the rows: the plain grid is drawn.
    Model m;
    m.CodeModele = "0210";
    m.Largeur = 300;
    m.hpatrent = 30;
    m.hrabat = 50;
    m.HorsToutX = 100;
    m.HorsToutY = 100;
    m.EspPoseX = m.EspPoseY = 5;
    m.NbPoseX = 1;
    m.NbPoseY = 3;
    Drawing shallow;
    shallow.AddLine(0, 0, 100, 0);
    shallow.AddLine(100, 0, 100, 100);
    shallow.AddLine(100, 100, 0, 100);
    shallow.AddLine(0, 100, 0, 0);
    const ImpositionNotices said = drawImposition(m, shallow, {true, false});
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("grille simple"), std::string::npos);
    EXPECT_NEAR(shallow.extents().height(), 310, 1e-9);
    EXPECT_TRUE(test::posesDoNotOverlap(shallow));

    // A full registry imposed 100 x 100 is more than the drawing takes: the first pose only.
    Bench big(&withAFullRegistry);
    RegenerationReport r = big.impose("0601", 100, 100);
    ASSERT_FALSE(r.notices.empty());
    EXPECT_TRUE(std::any_of(r.notices.begin(), r.notices.end(), [](const std::string& n) {
        return n.find("trop grande") != std::string::npos;
    }));
    EXPECT_EQ(big.wb.drawing().ElementCount(), Tracer::kCapacity + 1);
    EXPECT_EQ(big.wb.model().NbPoses, 10000);

    // Counts typed far out of range are capped, said, and drawn.
    Bench typed;
    r = typed.impose("0201", 30000, -7);
    EXPECT_EQ(typed.wb.model().NbPoseX, 100);
    EXPECT_EQ(typed.wb.model().NbPoseY, 1);
    EXPECT_EQ(r.notices.size(), 2u);
}

TEST(Workbench, ZeroPosesSwitchTheCopiesOffAndReportOneByOne) {
    Bench b;
    b.impose("0201", 3, 2);
    const ImpositionEntry e = b.wb.enterPoseCount(Axis::X, 0);
    EXPECT_FALSE(b.wb.imposition().AvecImpos);
    EXPECT_EQ(b.wb.model().NbPoseX, 1);
    EXPECT_EQ(b.wb.model().NbPoseY, 1);
    EXPECT_EQ(b.wb.model().NbPoses, 1);
    EXPECT_TRUE(e.report.drawn);
    EXPECT_EQ(test::poseCuts(b.wb.drawing()).size(), 1u);

    // A sheet typed back in switches them on in sheet mode: 3000 holds two blanks of 1436.
    b.wb.enterSheetSize(Axis::Y, 1100);
    const ImpositionEntry sheet = b.wb.enterSheetSize(Axis::X, 3000);
    EXPECT_FALSE(sheet.warn);
    EXPECT_TRUE(b.wb.imposition().AvecImpos);
    EXPECT_EQ(b.wb.model().NbPoseX, 2);
    EXPECT_EQ(b.wb.model().NbPoseY, 2);
    EXPECT_EQ(test::poseCuts(b.wb.drawing()).size(), 4u);
    EXPECT_FLOAT_EQ(b.wb.model().FmtCartonX, 3000);
    b.wb.toggleCentre(true);
    EXPECT_TRUE(b.wb.imposition().ChkCentre);
}

// The nesting rule lets two crash-lock bottoms into each other by the overlap `hrecouvr`,
// while their lock flaps reach 12 mm past the middle: with a small overlap the rows stand as
// far apart as the flaps need, and the lids still nest.
TEST(DrawImposition, CrashLockBottomsOf0713NeverReachIntoEachOther) {
    for (const float overlap : {30.0f, 5.0f, 0.0f}) {
        for (const bool sym : {false, true}) {
            Bench b;
            b.wb.model().hrecouvr = overlap;
            b.wb.model().Sym_Verticale = sym;
            const RegenerationReport r = b.impose("0713", 2, 4);
            ASSERT_TRUE(r.drawn) << r.message;
            EXPECT_TRUE(test::posesDoNotOverlap(b.wb.drawing())) << overlap << " " << sym;
            const Model& m = b.wb.model();
            EXPECT_LT(b.wb.drawing().extents().height(), 4 * m.HorsToutY + 3 * m.EspPoseY - 1)
                << overlap;
        }
    }
}

}  // namespace
}  // namespace brontaxe
