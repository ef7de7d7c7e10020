// Each named allowance of 0201, 0300, 0331, 0455, 0480 and 0701 moves the blank the way its name
// says: from a model whose allowances 1 to 9 are all 4 mm, one of them is raised by 1 mm and the
// size its name promises is measured before and after. A view that reads the wrong entry of the
// table moves another size, or this one by another amount.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "drawing/geometry.h"
#include "styles/03/fco300_common.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// The x of the vertical creases, each once, left to right: the glue flap's fold, then the
// folds between the panels.
std::vector<double> folds(const Drawing& d) {
    std::vector<double> xs;
    for (const LineShape& l : test::linesOfKind(d, kind::Crease)) {
        const bool known =
            std::any_of(xs.begin(), xs.end(), [&](double x) { return areNear(x, l.a.x, 1e-3); });
        if (areNear(l.a.x, l.b.x) && !known)
            xs.push_back(l.a.x);
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

// Panel 1 to 4 from the glue flap: fold to fold, the last one to the blank's right edge.
double panel(const Drawing& d, std::size_t i) {
    const std::vector<double> xs = folds(d);
    return (i < 4 ? xs.at(i) : d.extents().xmax) - xs.at(i - 1);
}

// The x `share` of the way across panel i.
double across(const Drawing& d, std::size_t i, double share) {
    return folds(d).at(i - 1) + share * panel(d, i);
}

// The levels of the horizontal lines of a kind that pass over x, bottom to top.
std::vector<double> levelsOver(const Drawing& d, std::int16_t lineKind, double x) {
    std::vector<double> ys;
    for (const LineShape& l : test::linesOfKind(d, lineKind)) {
        if (areNear(l.a.y, l.b.y) && std::min(l.a.x, l.b.x) <= x && x <= std::max(l.a.x, l.b.x))
            ys.push_back(l.a.y);
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

// The flap standing above the highest fold over x, and hanging below the lowest one.
double flapAbove(const Drawing& d, double x) {
    return levelsOver(d, kind::Cut, x).back() - levelsOver(d, kind::Crease, x).back();
}
double flapBelow(const Drawing& d, double x) {
    return levelsOver(d, kind::Crease, x).front() - levelsOver(d, kind::Cut, x).front();
}

// The body between the lowest and the highest fold over x.
double bodyOver(const Drawing& d, double x) {
    const std::vector<double> ys = levelsOver(d, kind::Crease, x);
    return ys.back() - ys.front();
}

// The top of the blank's left edge.
double leftEdgeTop(const Drawing& d) {
    double top = -std::numeric_limits<double>::infinity();
    for (const LineShape& l : test::verticalLinesAt(d, kind::Cut, d.extents().xmin))
        top = std::max({top, l.a.y, l.b.y});
    return top;
}

double blankWidth(const Drawing& d) {
    return d.extents().width();
}
double blankHeight(const Drawing& d) {
    return d.extents().height();
}

// Which pieces of a two-piece style are drawn.
enum class Shown { All, Bottom, Lid };

struct AllowanceCase {
    const char* code;
    std::size_t allowance;
    const char* name;  // the field of the family's view
    double (*measure)(const Drawing&);
    double moves;  // how far the measure moves for the 1 mm
    Shown shown = Shown::All;
};

double measured(const AllowanceCase& c, float allowance) {
    test::Generated g;
    g.m.Hauteur = 100;
    for (std::size_t k = 1; k <= 9; ++k)
        g.m.Majo[k] = 4;
    g.m.Majo[c.allowance] = allowance;
    g.m.AfficheMorceau[kLidPiece] = c.shown != Shown::Bottom;
    g.m.AfficheMorceau[kBottomPiece] = c.shown != Shown::Lid;
    findGenerator(c.code)(g.m, g.d);
    return c.measure(g.d);
}

// 400 x 300 x 100 on the start-up values. 0300's trays are drawn one at a time, walls on all
// four sides; their corner flaps are as high as the walls, the lid's raised by allowance 9, and
// end short of the middle of the length, which would stop them.
const AllowanceCase kCases[] = {
    {"0201", 1, "panel1", [](const Drawing& d) { return panel(d, 1); }, 1},
    {"0201", 2, "panel2", [](const Drawing& d) { return panel(d, 2); }, 1},
    {"0201", 3, "panel3", [](const Drawing& d) { return panel(d, 3); }, 1},
    {"0201", 4, "panel4", [](const Drawing& d) { return panel(d, 4); }, 1},
    {"0201", 5, "bodyHeight", [](const Drawing& d) { return bodyOver(d, across(d, 1, 0.5)); }, 1},
    {"0201", 6, "oddFlaps", [](const Drawing& d) { return flapAbove(d, across(d, 1, 0.5)); }, 1},
    {"0201", 7, "evenFlaps", [](const Drawing& d) { return flapAbove(d, across(d, 2, 0.5)); }, 1},

    {"0300", 1, "bottomLength", blankWidth, 1, Shown::Bottom},
    {"0300", 3, "bottomWidth", blankHeight, 1, Shown::Bottom},
    {"0300", 5, "bottomHeight", blankWidth, 2, Shown::Bottom},
    {"0300", 6, "lidLength", blankWidth, 1, Shown::Lid},
    {"0300", 7, "lidWidth", blankHeight, 1, Shown::Lid},
    {"0300", 8, "lidHeight", blankWidth, 2, Shown::Lid},
    {"0300", 9, "lidFlaps", blankHeight, 2, Shown::Lid},

    // The double-wall trays: their walls' allowance gives back what the tray's height took, so
    // the side walls stand on the height alone; the inner end wall lengthens the blank at both
    // ends.
    {"0331", 5, "outerEndWall", blankWidth, 0, Shown::Bottom},
    {"0331", 6, "innerEndWall", blankHeight, 2, Shown::Bottom},
    {"0331", 8, "sideWall", blankWidth, 2, Shown::Bottom},
    {"0455", 5, "walls", blankWidth, 0},
    {"0455", 6, "innerEndWalls", blankHeight, 2},
    {"0455", 8, "sideWalls", blankWidth, 2},
    // 0480's lid beyond its hinge, the highest fold, and its back below the hinge: allowance 3
    // widens the base by 1, the lid's depth with it, and comes off the back.
    {"0480", 2, "depthTrim", [](const Drawing& d) { return flapAbove(d, 0); }, -1},
    {"0480", 3, "backTrim", [](const Drawing& d) { return flapAbove(d, 0); }, 1},
    {"0480", 3, "backTrim", blankHeight, 1},
    {"0480", 6, "back", [](const Drawing& d) { return flapAbove(d, 0); }, 0},
    {"0480", 6, "back", blankHeight, 1},
    {"0480", 7, "depth", [](const Drawing& d) { return flapAbove(d, 0); }, 1},

    {"0701", 1, "panel1", [](const Drawing& d) { return panel(d, 1); }, 1},
    {"0701", 2, "panel2", [](const Drawing& d) { return panel(d, 2); }, 1},
    {"0701", 3, "panel3", [](const Drawing& d) { return panel(d, 3); }, 1},
    {"0701", 4, "panel4", [](const Drawing& d) { return panel(d, 4); }, 1},
    {"0701", 5, "topFlaps", [](const Drawing& d) { return flapAbove(d, across(d, 1, 0.5)); }, 1},
    {"0701", 6, "bodyHeight", [](const Drawing& d) { return bodyOver(d, across(d, 1, 0.5)); }, 1},
    // Flap 4 stops short of both ends of its panel, and of its middle: measured a third in.
    {"0701", 7, "bottomFlaps", [](const Drawing& d) { return flapBelow(d, across(d, 4, 0.3)); }, 1},
    {"0701", 8, "glueFlapShort", leftEdgeTop, -1},
};

TEST(NamedAllowances, EachMovesTheSizeItsNameSays) {
    for (const AllowanceCase& c : kCases) {
        const double before = measured(c, 4);
        const double after = measured(c, 5);
        EXPECT_NEAR(after - before, c.moves, 1e-3)
            << c.code << " allowance " << c.allowance << " (" << c.name << ")";
    }
}

}  // namespace
}  // namespace brontaxe
