// The workbench's piece options, the passes it shows, and the section of real blanks: what is
// left is a clean outline whose area is the part of the whole blank on the kept side.

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/contour.h"
#include "support/outline.h"
#include "support/temp_dir.h"
#include "workbench/machine_passes.h"
#include "workbench/pieces.h"
#include "workbench/workbench.h"
#include "workbench/workbench_check.h"

namespace brontaxe {
namespace pieces_test {
namespace {

// A workbench on the shipped tables, drawing `code`.
struct Bench {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};

    explicit Bench(const std::string& code = "0201") {
        wb.startUp();
        wb.window().codeText = code;
        const RegenerationReport r = wb.codeBoxLeft();
        EXPECT_TRUE(r.drawn) << code << " " << r.message;
    }
};

// Shoelace area of a polygon.
double polygonArea(const std::vector<Point>& ring) {
    double twice = 0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        twice += cross(ring[i], ring[(i + 1) % ring.size()]);
    return std::fabs(twice) / 2;
}

// The ring clipped to the kept half-plane, edge by edge (a half-plane keeps a simple polygon
// in one piece, or in pieces joined along the line, which adds no area).
std::vector<Point> clipRing(const std::vector<Point>& ring, const SectionCut& cut) {
    std::vector<Point> out;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const Point a = ring[i];
        const Point b = ring[(i + 1) % ring.size()];
        const double sa = beyondSection(a, cut);
        const double sb = beyondSection(b, cut);
        if (sa <= 0)
            out.push_back(a);
        if ((sa < 0 && sb > 0) || (sa > 0 && sb < 0))
            out.push_back(a + (b - a) * (sa / (sa - sb)));
    }
    return out;
}

double keptArea(const Drawing& whole, const SectionCut& cut) {
    double area = 0;
    for (const auto& ring : outerContour(test::cutLinework(whole)).rings)
        area += polygonArea(clipRing(ring, cut));
    return area;
}

TEST(Pieces, WindowCommandsSetTheModelAsTheMenusShowThem) {
    Model m;
    showOnlyPiece(m, Piece::Faces);
    EXPECT_EQ(m.AfficheMorceau, (std::array<std::int16_t, 5>{0, 0, 1, 0, 0}));
    PieceMenuState s = pieceMenuState(m);
    EXPECT_FALSE(s.allPieces);
    EXPECT_EQ(s.onlyPiece, (std::array<bool, 3>{false, true, false}));
    showAllPieces(m);
    EXPECT_TRUE(pieceMenuState(m).allPieces);

    // Four pieces: the head panel or the face panel, one glue flap or one on each panel.
    EXPECT_EQ(fourPieceVariant(true, false), 1);
    EXPECT_EQ(fourPieceVariant(false, false), 2);
    EXPECT_EQ(fourPieceVariant(true, true), 3);
    EXPECT_EQ(fourPieceVariant(false, true), 4);
    setFourPieces(m, 4);
    toggleTwoPieces(m);  // two pieces while four are set: four off, two on
    EXPECT_TRUE(m.CaisseEn2);
    EXPECT_EQ(m.CaisseEn4, 0);
    toggleTwoPieces(m);
    EXPECT_FALSE(m.CaisseEn2);

    togglePassDirection(m, AlongAxis::X);
    EXPECT_EQ(m.senspass, AlongAxis::X);
    togglePassDirection(m, AlongAxis::Y);
    EXPECT_EQ(m.senspass, AlongAxis::Y);
    togglePassDirection(m, AlongAxis::Y);
    EXPECT_EQ(m.senspass, AlongAxis::None);
}

TEST(Pieces, OnlyTheStylesMadeInPiecesAcceptThem) {
    struct Case {
        std::int16_t style, bottom;
        bool allowed;
    };
    const Case cases[] = {{201, 201, true},  {206, 201, true},  {320, 201, true},
                          {502, 201, true},  {216, 201, false}, {215, 201, false},
                          {201, 216, false}, {201, 234, true},  {0, 201, false}};
    for (const Case& c : cases) {
        Model m;
        m.NumModele = c.style;
        m.TypeDessous = c.bottom;
        m.CaisseEn2 = true;
        EXPECT_EQ(!multiPieceRefusal(m), c.allowed) << c.style << "/" << c.bottom;
        m.CaisseEn2 = false;
        EXPECT_FALSE(multiPieceRefusal(m));  // one piece is always drawn
    }
}

TEST(Pieces, TwoAndFourPieceSlottedCasesShowThreeColumnsOfPasses) {
    Bench b;
    MachinePassesView whole = machinePassesView(b.wb.model().PassesMachine);
    EXPECT_TRUE(whole.fourthColumn && whole.fifthColumn);
    b.wb.toggleTwoPieceCase();
    MachinePassesView two = machinePassesView(b.wb.model().PassesMachine);
    EXPECT_FALSE(two.fourthColumn || two.fifthColumn);
    EXPECT_EQ(two.panelWidths[0], whole.panelWidths[0]);
    EXPECT_EQ(two.bodyHeight, whole.bodyHeight);
    b.wb.setFourPieceCase(fourPieceVariant(true, false));
    EXPECT_FALSE(machinePassesView(b.wb.model().PassesMachine).fourthColumn);
    // Nothing recorded: zeros and three columns.
    const MachinePassesView none = machinePassesView({});
    EXPECT_EQ(none.bodyHeight, "0");
    EXPECT_FALSE(none.fourthColumn || none.fifthColumn);
}

TEST(Pieces, ASectionOfARealBlankIsCleanAndKeepsTheAreaOfItsSide) {
    const char* codes[] = {"0201", "0203", "0215", "0300", "0409", "0427", "0711", "0216"};
    const SectionSide sides[] = {SectionSide::Left, SectionSide::Right, SectionSide::Top,
                                 SectionSide::Bottom};
    for (const char* code : codes) {
        Bench b(code);
        const Drawing whole = b.wb.drawing();
        const Box frame = b.wb.sectionFrame();
        for (SectionSide side : sides) {
            const bool vertical = isVerticalSection(side);
            for (double fraction : {0.31, 0.5, 0.77}) {
                const double span = vertical ? frame.width() : frame.height();
                const double position = std::round(fraction * span * 10) / 10;
                SCOPED_TRACE(std::string(code) + " side " + std::to_string(int(side)) + " at " +
                             std::to_string(position));
                const SectionOutcome cut = b.wb.applySection(side, position);
                ASSERT_FALSE(cut.refusal) << *cut.refusal;
                const std::vector<Finding> findings = checkRegenerated(b.wb);
                EXPECT_EQ(defectCount(findings), 0u) << findingsText(findings);
                const SectionCut line{side, (vertical ? frame.xmin : frame.ymin) + position};
                const double expected = keptArea(whole, line);
                EXPECT_NEAR(b.wb.model().SurfDecoupee, expected, 1e-3 * expected + 2);
                // Nothing is left beyond the line.
                const Box left = b.wb.drawing().extents();
                EXPECT_LE(beyondSection({left.xmin, left.ymin}, line), 1e-6);
                EXPECT_LE(beyondSection({left.xmax, left.ymax}, line), 1e-6);
            }
        }
        // The next plain regeneration draws the whole blank again.
        b.wb.regenerate();
        EXPECT_EQ(b.wb.drawing().extents().width(), whole.extents().width());
    }
}

TEST(Pieces, ASectionOutsideTheBlankIsRefusedAndLeavesItWhole) {
    Bench b;
    const float surface = b.wb.model().SurfDecoupee;
    for (double position : {0.0, -5.0, 1447.0, 5000.0}) {
        const SectionOutcome cut = b.wb.applySection(SectionSide::Left, position);
        ASSERT_TRUE(cut.refusal) << position;
        EXPECT_NE(cut.refusal->find("Section impossible"), std::string::npos);
        EXPECT_EQ(b.wb.model().SurfDecoupee, surface);
    }
}

}  // namespace
}  // namespace pieces_test
}  // namespace brontaxe
