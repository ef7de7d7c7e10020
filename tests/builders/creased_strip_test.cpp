// The creased strip of interior fittings, one table: a crease list on a strip of 500 by 300,
// what it is normalised to, where its creases fall, and the lists that must be refused rather
// than drawn with a panel of negative width.

#include "builders/creased_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "builders/emit.h"
#include "check/design_check.h"
#include "platform/errors.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

constexpr float kLs = 500;
constexpr float kWs = 300;

struct Case {
    const char* name;
    std::string list;
    std::string normalised;         // empty when refused
    std::vector<double> acrossAt;   // y of the creases parallel to the length
    std::vector<double> alongAt;    // x of the creases parallel to the width
    const char* refusal = nullptr;  // a piece of the French message
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::string repeated(const char* segment, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? "+" : "") + std::string(segment);
    return out;
}

std::vector<double> everyStep(double step, int count) {
    std::vector<double> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(step * i);
    return out;
}

const Case kCases[] = {
    {"TheLastSegmentTakesTheRest", "100+100", "100+200/", {100}, {}},
    {"SemicolonsAndBlanks", " 50 ; 100 + 7", "50+100+150/", {50, 150}, {}},
    {"AlongPartToo", "100+200/300+1", "100+200/300+200", {100}, {300}},
    {"AlongOnly", "/120+120", "/120+380", {}, {120}},
    {"EmptyListIsAPlainStrip", "", "/", {}, {}},
    {"BlankFieldsFoldNothing", " + + +", "+++300/", {}, {}},
    {"ExactSumLeavesNoCreaseOnTheEdge", "100+200+9", "100+200+0/", {100}, {}},
    {"SingleSegment", "250", "300/", {}, {}},
    {"FiftySegmentsAreAccepted",
     repeated("5", 50),
     repeated("5", 49) + "+55/",
     everyStep(5, 49),
     {}},
    {"OverlongAcross",
     "400+1",
     "",
     {},
     {},
     "plus longs que la largeur : 400\u00a0mm pour 300\u00a0mm"},
    {"OverlongAlong",
     "100/300+300+1",
     "",
     {},
     {},
     "plus longs que la longueur : 600\u00a0mm pour 500"},
    {"NegativeTypedSegment", "200+-50+10", "", {}, {}, "Refoulage négatif : -50\u00a0mm"},
    {"FiftyOneSegments", repeated("5", 51), "", {}, {}, "51 segments dans une partie, 50 au plus"},
    {"FiftyOneAlong", "100/" + repeated("1", 51), "", {}, {}, "51 segments"},
};

std::vector<double> creaseLevels(const Drawing& d, bool across) {
    std::vector<double> at;
    for (const LineShape& l : test::linesOfKind(d, kind::Crease)) {
        if (across && areNear(l.a.y, l.b.y))
            at.push_back(l.a.y);
        if (!across && areNear(l.a.x, l.b.x))
            at.push_back(l.a.x);
    }
    std::sort(at.begin(), at.end());
    return at;
}

void expectLevels(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-3) << i;
}

class Strip : public ::testing::TestWithParam<Case> {};

TEST_P(Strip, NormalisesFoldsOrRefusesTheList) {
    const Case& c = GetParam();
    test::Generated g;
    const CreasedStripShape strip{.creases = c.list, .length = kLs, .width = kWs};
    g.d.BeginDrawing();
    if (c.refusal) {
        try {
            ADD_FAILURE() << "drawn: " << CreasedStrip(g.d, strip);
        } catch (const GenerationError& e) {
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
        }
        EXPECT_EQ(g.d.ElementCount(), 0);
        return;
    }
    const std::string normalised = CreasedStrip(g.d, strip);
    g.d.EndDrawing();
    EXPECT_EQ(normalised, c.normalised);
    expectLevels(creaseLevels(g.d, true), c.acrossAt);
    expectLevels(creaseLevels(g.d, false), c.alongAt);
    // The strip itself, closed, with creases from edge to edge and nothing a die maker would
    // send back.
    const Box box = g.d.extents();
    EXPECT_NEAR(box.xmin, 0, 1e-3);
    EXPECT_NEAR(box.ymin, 0, 1e-3);
    EXPECT_NEAR(box.xmax, kLs, 1e-3);
    EXPECT_NEAR(box.ymax, kWs, 1e-3);
    EXPECT_TRUE(test::cutOutlineIsClosed(g.d));
    EXPECT_TRUE(checkDrawing(g.d).empty()) << findingsText(checkDrawing(g.d));
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    EXPECT_TRUE(test::hasDimension(g.d, {0, -800.0 / 30}, {kLs, -800.0 / 30}));
}

INSTANTIATE_TEST_SUITE_P(Lists, Strip, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each panel between two creases is measured, so the chain adds up to the strip's width.
TEST(StripDimensions, TheAcrossChainMeasuresEveryPanel) {
    test::Generated g;
    CreasedStrip(g.d, {.creases = "60+90+1", .length = kLs, .width = kWs});
    const double x = -800.0 / 30;
    EXPECT_TRUE(test::hasDimension(g.d, {x, 0}, {x, 60}));
    EXPECT_TRUE(test::hasDimension(g.d, {x, 60}, {x, 150}));
    EXPECT_TRUE(test::hasDimension(g.d, {x, 150}, {x, 300}));
}

}  // namespace
}  // namespace brontaxe
