// Each allowance moves the sizes of the blank it names by its own amount and nothing else: from
// a model whose allowances 1 to 16 are all 4 mm, one of them is raised by 1 mm and every size
// of the family is measured before and after. For the styles whose allowances the editor
// describes, the expected moves are read from its captions; the others are listed here. A
// view that reads the wrong entry of the table, or applies one twice, moves another size, or
// this one by another amount.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "board/allowance_captions.h"
#include "drawing/geometry.h"
#include "styles/03/fco300_common.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace named_allowances_test {
namespace {

using Sizes = std::map<std::string, double>;

// The distinct positions of the creases running across (`vertical`) or up the blank, sorted.
std::vector<double> folds(const Drawing& d, bool vertical) {
    std::vector<double> at;
    for (const LineShape& l : test::linesOfKind(d, kind::Crease)) {
        const double v = vertical ? l.a.x : l.a.y;
        const bool straight = vertical ? areNear(l.a.x, l.b.x) : areNear(l.a.y, l.b.y);
        const bool known =
            std::any_of(at.begin(), at.end(), [&](double x) { return areNear(x, v, 1e-3); });
        if (straight && !known)
            at.push_back(v);
    }
    std::sort(at.begin(), at.end());
    return at;
}

// The levels of the horizontal lines of a kind that pass over x, bottom to top.
std::vector<double> levelsOver(const Drawing& d, LineKind lineKind, double x) {
    std::vector<double> ys;
    for (const LineShape& l : test::linesOfKind(d, lineKind)) {
        if (areNear(l.a.y, l.b.y) && std::min(l.a.x, l.b.x) <= x && x <= std::max(l.a.x, l.b.x))
            ys.push_back(l.a.y);
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

// "a0", "a1", ...: the gaps from the left edge to the first vertical fold, fold to fold, and
// to the right edge; "u0", "u1", ...: the same up the blank.
void addGaps(Sizes& s, const Drawing& d, bool vertical, const char* prefix) {
    const Box b = d.extents();
    std::vector<double> at = folds(d, vertical);
    at.insert(at.begin(), vertical ? b.xmin : b.ymin);
    at.push_back(vertical ? b.xmax : b.ymax);
    for (std::size_t i = 1; i < at.size(); ++i)
        s[prefix + std::to_string(i - 1)] = at[i] - at[i - 1];
}

// Panels from the glue flap ("a1" to "a4"), the body over panel 2 between its lowest and its
// highest fold (or its top edge, on an open top), and the flaps above ("t1" to "t4") and,
// with `below`, under each panel.
Sizes panelSizes(const Drawing& d, bool below) {
    Sizes s;
    addGaps(s, d, true, "a");
    const std::vector<double> xs = folds(d, true);
    for (std::size_t i = 1; i <= 4 && i < xs.size() + 1; ++i) {
        const double right = i < xs.size() ? xs[i] : d.extents().xmax;
        const double mid = (xs[i - 1] + right) / 2;
        const std::vector<double> creases = levelsOver(d, kind::Crease, mid);
        const std::vector<double> cuts = levelsOver(d, kind::Cut, mid);
        if (creases.empty() || cuts.empty())
            continue;
        const bool openTop = creases.size() == 1;
        if (i == 2)
            s["body"] = (openTop ? cuts.back() : creases.back()) - creases.front();
        if (!openTop)
            s["t" + std::to_string(i)] = cuts.back() - creases.back();
        if (below)
            s["b" + std::to_string(i)] = creases.front() - cuts.front();
    }
    return s;
}

// The lock cases add the bottom flap of panel 4, which stops short of the panel's middle
// (measured a third in), and the top of the glue flap on the left edge.
Sizes lockCaseSizes(const Drawing& d) {
    Sizes s = panelSizes(d, false);
    const std::vector<double> xs = folds(d, true);
    const double x = xs.at(3) + 0.3 * (d.extents().xmax - xs.at(3));
    s["b4"] = levelsOver(d, kind::Crease, x).front() - levelsOver(d, kind::Cut, x).front();
    double top = -std::numeric_limits<double>::infinity();
    for (const LineShape& l : test::verticalLinesAt(d, kind::Cut, d.extents().xmin))
        top = std::max({top, l.a.y, l.b.y});
    s["glueTop"] = top;
    return s;
}

// Trays, sleeves and strips: the gaps between their folds both ways.
Sizes foldGaps(const Drawing& d) {
    Sizes s;
    addGaps(s, d, true, "a");
    addGaps(s, d, false, "u");
    return s;
}

// 0480: the lid beyond its hinge, the highest fold over x = 0, and the blank's height.
Sizes lidTraySizes(const Drawing& d) {
    const std::vector<double> creases = levelsOver(d, kind::Crease, 0);
    const std::vector<double> cuts = levelsOver(d, kind::Cut, 0);
    return {{"lid", cuts.back() - creases.back()}, {"H", d.extents().height()}};
}

// Which pieces of a two-piece style are drawn.
enum class Shown { All, Bottom, Lid };

Drawing generated(const char* code, std::size_t allowance, float value, Shown shown) {
    test::Generated g;
    g.m.Hauteur = 100;
    for (std::size_t k = 1; k <= kAllowanceCount; ++k)
        g.m.Majo[k] = 4;
    g.m.Majo[allowance] = value;
    g.m.AfficheMorceau[kLidPiece] = shown != Shown::Bottom;
    g.m.AfficheMorceau[kBottomPiece] = shown != Shown::Lid;
    findGenerator(code)(g.m, g.d);
    return std::move(g.d);
}

// Every size that moved, and by how much, when the allowance went from 4 to 5 mm.
Sizes movedSizes(const char* code, std::size_t allowance, Sizes (*sizes)(const Drawing&),
                 Shown shown = Shown::All) {
    const Sizes before = sizes(generated(code, allowance, 4, shown));
    const Sizes after = sizes(generated(code, allowance, 5, shown));
    Sizes moved;
    for (const auto& [name, value] : after) {
        const auto it = before.find(name);
        const double by =
            it == before.end() ? std::numeric_limits<double>::quiet_NaN() : value - it->second;
        if (!(std::fabs(by) < 1e-3))
            moved[name] = by;
    }
    for (const auto& [name, value] : before) {
        if (!after.count(name))
            moved[name] = std::numeric_limits<double>::quiet_NaN();
    }
    return moved;
}

std::string listed(const Sizes& s) {
    std::string out;
    for (const auto& [name, by] : s) {
        char value[32];
        std::snprintf(value, sizeof value, "%.3f", by);  // the drawing's floats, to a micron
        out += name + " " + value + "; ";
    }
    return out.empty() ? "nothing" : out;
}

// The sizes an editor's caption promises to move by 1 mm: its flaps on the sides that take
// them from the allowances.
Sizes promised(const std::string& caption, bool above, bool below) {
    const bool flaps13 =
        caption == "rabats des panneaux 1 et 3" || caption == "rabats des panneaux en longueur";
    const bool flaps24 =
        caption == "rabats des panneaux 2 et 4" || caption == "rabats des panneaux en largeur";
    if (caption.rfind("panneau ", 0) == 0)
        return {{"a" + caption.substr(8, 1), 1}};
    if (caption == "hauteur du corps")
        return {{"body", 1}};
    Sizes s;
    if (flaps13 || flaps24) {
        for (const char* panel : flaps13 ? std::array{"1", "3"} : std::array{"2", "4"}) {
            if (above)
                s[std::string("t") + panel] = 1;
            if (below)
                s[std::string("b") + panel] = 1;
        }
        return s;
    }
    EXPECT_EQ(caption, "") << "a caption this test does not know";
    return s;
}

TEST(NamedAllowances, EachMovesWhatTheEditorSaysAndNothingElse) {
    struct Styled {
        const char* code;
        bool above;  // its top flaps take the flap allowances
        bool below;  // and its bottom flaps; a crash-lock bottom follows its panels instead
    };
    const Styled kStyles[] = {
        {"0201", true, true},  {"0202", true, true},  {"0203", true, true},  {"0204", true, true},
        {"0205", true, true},  {"0206", true, true},  {"0209", false, true}, {"0232", true, true},
        {"0233", true, true},  {"0700", true, false}, {"0703", true, false}, {"0712", true, false},
        {"0714", true, false}, {"0747", true, false}, {"0748", true, false}, {"0752", true, false},
        {"0770", true, false}, {"0771", true, false},
    };
    for (const Styled& s : kStyles) {
        const auto captions =
            allowanceCaptions(static_cast<std::int16_t>(std::stoi(s.code)), false);
        EXPECT_FALSE(captions[1].empty()) << s.code << " is described by the editor";
        const auto sizes = s.below ? +[](const Drawing& d) { return panelSizes(d, true); }
                                   : +[](const Drawing& d) { return panelSizes(d, false); };
        // 0714's lid, beside its body, follows the body's panels: the body alone is measured.
        const Shown shown = std::string_view(s.code) == "0714" ? Shown::Bottom : Shown::All;
        for (std::size_t k = 1; k <= kAllowanceCount; ++k) {
            EXPECT_EQ(listed(movedSizes(s.code, k, sizes, shown)),
                      listed(promised(captions[k], s.above, s.below)))
                << s.code << " allowance " << k << " (\"" << captions[k] << "\")";
        }
    }
}

struct AllowanceCase {
    const char* code;
    std::size_t allowance;
    const char* name;  // the field of the family's view
    Sizes (*sizes)(const Drawing&);
    Sizes moves;  // every other size stays
    Shown shown = Shown::All;
};

// 400 x 300 x 100 on the start-up values. 0300's trays are drawn one at a time, walls on all
// four sides; the lid's corner flaps are raised by allowance 9.
const AllowanceCase kCases[] = {
    // Along x the walls and the base's length, up y the corner flaps (as high as the walls
    // unless the lid's are raised by allowance 9) and the base's width.
    {"0300", 1, "bottomLength", foldGaps, {{"a1", 1}}, Shown::Bottom},
    {"0300", 3, "bottomWidth", foldGaps, {{"u1", 1}}, Shown::Bottom},
    {"0300",
     5,
     "bottomHeight",
     foldGaps,
     {{"a0", 1}, {"a2", 1}, {"u0", 1}, {"u2", 1}},
     Shown::Bottom},
    {"0300", 6, "lidLength", foldGaps, {{"a1", 1}}, Shown::Lid},
    {"0300", 7, "lidWidth", foldGaps, {{"u1", 1}}, Shown::Lid},
    {"0300", 8, "lidHeight", foldGaps, {{"a0", 1}, {"a2", 1}}, Shown::Lid},
    {"0300", 9, "lidFlaps", foldGaps, {{"u0", 1}, {"u2", 1}}, Shown::Lid},

    // The double-wall trays, up y: the inner end wall, the band, the outer end wall, the
    // base, and the same the other way; the side walls along x stand on the height alone.
    {"0331", 5, "outerEndWall", foldGaps, {{"u2", 1}, {"u4", 1}}, Shown::Bottom},
    {"0331", 6, "innerEndWall", foldGaps, {{"u0", 1}, {"u6", 1}}, Shown::Bottom},
    {"0331", 8, "sideWall", foldGaps, {{"a0", 1}, {"a2", 1}}, Shown::Bottom},
    {"0455", 5, "walls", foldGaps, {{"u2", 1}, {"u4", 1}}},
    {"0455", 6, "innerEndWalls", foldGaps, {{"u0", 1}, {"u6", 1}}},
    {"0455", 8, "sideWalls", foldGaps, {{"a0", 1}, {"a2", 1}}},
    // 0480's lid beyond its hinge and its back below the hinge: allowance 3 widens the base by
    // 1, the lid's depth with it, and comes off the back.
    {"0480", 2, "depthTrim", lidTraySizes, {{"lid", -1}, {"H", -1}}},
    {"0480", 3, "backTrim", lidTraySizes, {{"lid", 1}, {"H", 1}}},
    {"0480", 6, "back", lidTraySizes, {{"H", 1}}},
    {"0480", 7, "depth", lidTraySizes, {{"lid", 1}, {"H", 1}}},

    {"0501", 1, "panels[0]", foldGaps, {{"a1", 1}}},
    {"0501", 2, "panels[1]", foldGaps, {{"a2", 1}}},
    {"0501", 3, "panels[2]", foldGaps, {{"a3", 1}}},
    {"0501", 4, "panels[3]", foldGaps, {{"a4", 1}}},
    {"0501", 5, "height", foldGaps, {{"u0", 1}}},

    // The rigid sleeve's panels from the left edge; its length is shared by both ends.
    {"0607", 2, "length", foldGaps, {{"u0", 0.5}, {"u2", 0.5}}},
    {"0607", 3, "firstWall", foldGaps, {{"a0", 1}}},
    {"0607", 4, "bottom", foldGaps, {{"a1", 1}}},
    {"0607", 5, "secondWall", foldGaps, {{"a2", 1}}},
    {"0607", 6, "top", foldGaps, {{"a3", 1}}},

    // The glued trays: the base across and up, the walls round it.
    {"0718", 1, "length", foldGaps, {{"a1", 1}}},
    {"0718", 2, "width", foldGaps, {{"u1", 1}}},
    {"0718", 5, "height", foldGaps, {{"a0", 1}, {"a2", 1}, {"u0", 1}, {"u2", 1}}},

    {"0701", 1, "panel1", lockCaseSizes, {{"a1", 1}}},
    {"0701", 2, "panel2", lockCaseSizes, {{"a2", 1}}},
    {"0701", 3, "panel3", lockCaseSizes, {{"a3", 1}}},
    {"0701", 4, "panel4", lockCaseSizes, {{"a4", 1}}},
    {"0701", 5, "topFlaps", lockCaseSizes, {{"t1", 1}, {"t2", 1}, {"t3", 1}, {"t4", 1}}},
    // The glue flap's top follows the top fold; the top folds of panels 2 and 4 run at the
    // glue flap's top.
    {"0701", 6, "bodyHeight", lockCaseSizes, {{"body", 1}, {"glueTop", 1}}},
    {"0701", 7, "bottomFlaps", lockCaseSizes, {{"b4", 1}}},
    {"0701",
     8,
     "glueFlapShort",
     lockCaseSizes,
     {{"body", -1}, {"glueTop", -1}, {"t2", 1}, {"t4", 1}}},
};

TEST(NamedAllowances, EachMovesTheSizesItsNameSaysAndNothingElse) {
    for (const AllowanceCase& c : kCases) {
        EXPECT_EQ(listed(movedSizes(c.code, c.allowance, c.sizes, c.shown)), listed(c.moves))
            << c.code << " allowance " << c.allowance << " (" << c.name << ")";
    }
}

}  // namespace
}  // namespace named_allowances_test
}  // namespace brontaxe
