#include <gtest/gtest.h>

#include <algorithm>

#include "builders/emit.h"
#include "platform/errors.h"
#include "styles/02/fco200.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

using test::cutOutlineIsClosed;
using test::hasDimension;
using test::horizontalLinesAt;
using test::verticalLinesAt;

struct Fco0201Test : ::testing::Test {
    test::Generated g;
    Model& m = g.m;
    Drawing& d = g.d;

    void generate() { Fco0201(m, d); }
    // x of the vertical creases of the upper half, left to right.
    std::vector<double> creaseXs() {
        std::vector<double> xs;
        for (const auto& l : test::linesOfKind(d, kind::Crease)) {
            if (areNear(l.a.x, l.b.x) && l.a.y >= 0 && l.b.y >= 0)
                xs.push_back(l.a.x);
        }
        std::sort(xs.begin(), xs.end());
        return xs;
    }
    // Highest cut above the given x range: the flap top.
    double flapTopOver(double x0, double x1) {
        double top = -1e9;
        for (const auto& l : test::linesOfKind(d, kind::Cut)) {
            if (areNear(l.a.y, l.b.y) && std::min(l.a.x, l.b.x) <= x0 + 0.01 &&
                std::max(l.a.x, l.b.x) >= x1 - 0.01) {
                top = std::max(top, l.a.y);
            }
        }
        return top;
    }
};

TEST_F(Fco0201Test, FlapsAreHalfTheWidthWithPointFiveRoundingDown) {
    for (auto [width, flap] : {std::pair{301.0f, 150.0},
                               {300.0f, 150.0},
                               {299.0f, 149.0},
                               {299.6f, 150.0},
                               {120.0f, 60.0}}) {
        m.Largeur = width;
        generate();
        EXPECT_NEAR(d.BlankSizeY(), 200 + 2 * flap, 1e-3) << width;
        EXPECT_TRUE(cutOutlineIsClosed(d)) << width;
    }
}

TEST_F(Fco0201Test, AllowancesWidenPanelsAndHeightAndUnequalFlapsGetTheirDimension) {
    m.Majo = {0, 1, 2, 3, 4, 6, 2, 0};
    generate();
    EXPECT_EQ(creaseXs(), (std::vector<double>{36, 437, 739, 1142}));
    EXPECT_NEAR(d.BlankSizeX(), 36 + 1410, 1e-3);
    // h = 100 + 3; f1 = 152 on panels 1 and 3, f2 = 150 on 2 and 4.
    EXPECT_NEAR(flapTopOver(41, 433), 103 + 152, 1e-4);
    EXPECT_NEAR(flapTopOver(441, 735), 103 + 150, 1e-4);
    EXPECT_NEAR(d.BlankSizeY(), 2 * (103 + 152), 1e-3);
    // The lower flap f2 is dimensioned at the middle of panel 2.
    const float x = 36 + 401 + 302 / 2.0f;
    EXPECT_TRUE(hasDimension(d, {x, 103}, {x, 103 + 150}));
    EXPECT_EQ(test::dimensions(d).size(), 11u);
    EXPECT_TRUE(cutOutlineIsClosed(d));

    m.Majo = {};
    m.Majo[7] = 3;  // now panels 2 and 4 carry the higher flap: f1 measured on panel 1
    generate();
    EXPECT_TRUE(hasDimension(d, {236, 100}, {236, 250}));
}

TEST_F(Fco0201Test, SlotHalvesFollowOffsetAndOverrides) {
    m.decalenc = 2;  // a = 2, b = 6: slots move alternately right and left of the creases
    generate();
    auto spansAt100 = [&] {
        std::vector<std::pair<double, double>> spans;
        for (const auto& c : horizontalLinesAt(d, kind::Cut, 100))
            spans.emplace_back(c.a.x, c.b.x);
        return spans;
    };
    auto has = [&](double a, double b) {
        auto s = spansAt100();
        return std::find(s.begin(), s.end(), std::make_pair(a, b)) != s.end();
    };
    EXPECT_TRUE(has(430, 438));    // at 436: b left, a right
    EXPECT_TRUE(has(734, 742));    // at 736: a left, b right
    EXPECT_TRUE(has(1130, 1138));  // at 1136
    EXPECT_TRUE(has(34, 36));      // the glue flap's share at 36
    EXPECT_TRUE(has(36, 42));
    EXPECT_TRUE(cutOutlineIsClosed(d));

    m.decalenc = 9;  // larger than the slot: centred again
    generate();
    EXPECT_TRUE(has(432, 440));

    m.decalenc = 0;
    m.Majo[15] = 3;
    m.Majo[16] = 5;
    generate();
    EXPECT_TRUE(has(431, 439));
    EXPECT_TRUE(has(33, 36));
    EXPECT_TRUE(has(36, 41));
    EXPECT_TRUE(cutOutlineIsClosed(d));
}

TEST_F(Fco0201Test, GlueFlapOnTheWidthPanelSwapsThePanelOrderNotTheFlaps) {
    m.pattesurtete = true;
    generate();
    EXPECT_EQ(creaseXs(), (std::vector<double>{36, 336, 736, 1036}));
    EXPECT_NEAR(d.BlankSizeY(), 500, 1e-3);
    EXPECT_TRUE(cutOutlineIsClosed(d));
}

TEST_F(Fco0201Test, GlueFlapExtensionAndMissingGlueFlap) {
    m.patProlong = 20;
    generate();
    // A crease across the glue flap at the body's edge, and the flap carried 20 higher.
    EXPECT_EQ(horizontalLinesAt(d, kind::Crease, 100).front().a.x, 0);
    EXPECT_EQ(verticalLinesAt(d, kind::Cut, 32).size(), 2u);
    EXPECT_TRUE(cutOutlineIsClosed(d));

    m.patProlong = 0;
    generate();
    EXPECT_TRUE(horizontalLinesAt(d, kind::Crease, 100).front().a.x > 36);

    m.lgPatte = 0;  // no glue flap at all: the first panel ends in a cut
    generate();
    EXPECT_NEAR(d.BlankSizeX(), 1400, 1e-3);
    EXPECT_TRUE(verticalLinesAt(d, kind::Crease, 0).empty());
    EXPECT_EQ(verticalLinesAt(d, kind::Cut, 0).size(), 2u);
    EXPECT_TRUE(cutOutlineIsClosed(d));
    EXPECT_EQ(test::dimensions(d).size(), 9u);  // no glue-flap dimension
}

TEST_F(Fco0201Test, MachinePassesRecordPanelsFlapsAndTheWholeBodyHeight) {
    generate();
    const auto& p = m.PassesMachine;
    EXPECT_EQ(p[0], 36);
    EXPECT_EQ(p[1], 400);
    EXPECT_EQ(p[2], 300);
    EXPECT_EQ(p[3], 400);
    EXPECT_EQ(p[4], 300);
    for (std::size_t i : {7u, 8u, 9u, 10u, 12u, 13u, 14u, 15u})
        EXPECT_EQ(p[i], 150) << i;
    EXPECT_EQ(p[16], 200);
}

TEST_F(Fco0201Test, QorProfileAddsInsideDimensions) {
    m.Personnalisation = CustomerProfile::Qor;
    generate();
    const double y = -250 + 1.2 * 150;
    EXPECT_TRUE(hasDimension(d, {36, y}, {736, y}));
    EXPECT_TRUE(hasDimension(d, {736, y}, {1436, y}));
    EXPECT_TRUE(hasDimension(d, {936, -100}, {936, 250}));
}

TEST_F(Fco0201Test, AWidthTooLargeForTheFlapRoundingIsReportedNotDrawn) {
    m.Largeur = 70000;
    EXPECT_THROW(generate(), GenerationError);
    EXPECT_FALSE(d.isEditing());
}

}  // namespace
}  // namespace brontaxe
