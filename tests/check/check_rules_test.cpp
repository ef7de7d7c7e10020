// The rules a die maker adds to the generic check, each on small drawings made by hand: the
// finding present on the faulty drawing, with the elements it names and the place it points
// at, and absent on the mended one. One table a rule.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <memory_resource>

#include "check/design_check.h"
#include "check/rules/rule_support.h"
#include "drawing/pen_scope.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

using test::kindsOf;
using Kinds = std::vector<FindingKind>;

void line(Drawing& d, LineKind k, double x1, double y1, double x2, double y2) {
    const PenScope pen(d, k);
    d.AddLine(x1, y1, x2, y2);
}

// A 200 x 100 blank cut round, one cut a side.
void outline(Drawing& d, double w = 200, double h = 100) {
    line(d, kind::Cut, 0, 0, w, 0);
    line(d, kind::Cut, w, 0, w, h);
    line(d, kind::Cut, w, h, 0, h);
    line(d, kind::Cut, 0, h, 0, 0);
}

void arc(Drawing& d, LineKind k, double cx, double cy, double r, double start, double sweep) {
    const PenScope pen(d, k);
    d.AddArc(cx, cy, static_cast<float>(r), static_cast<float>(start), sweep);
}

// A D-shaped hole: a half circle of radius 10 over its flat side, centred on (100, 50).
void dHole(Drawing& d) {
    arc(d, kind::Cut, 100, 50, 10, 0, 180);
    line(d, kind::Cut, 90, 50, 110, 50);
}

// A rectangular hole, its lower left corner at (x, y).
void hole(Drawing& d, double x, double y, double w, double h) {
    line(d, kind::Cut, x, y, x + w, y);
    line(d, kind::Cut, x + w, y, x + w, y + h);
    line(d, kind::Cut, x + w, y + h, x, y + h);
    line(d, kind::Cut, x, y + h, x, y);
}

// What the user reads of a finding: its kind, the elements it names (in that order) and the
// place it points at.
struct Seen {
    FindingKind kind;
    std::vector<std::int32_t> elements;
    Point at;
};

bool operator==(const Seen& a, const Seen& b) {
    return a.kind == b.kind && a.elements == b.elements && std::fabs(a.at.x - b.at.x) < 1e-6 &&
           std::fabs(a.at.y - b.at.y) < 1e-6;
}

void PrintTo(const Seen& s, std::ostream* os) {
    *os << "{" << static_cast<int>(s.kind) << ", {";
    for (std::size_t i = 0; i < s.elements.size(); ++i)
        *os << (i > 0 ? ", " : "") << s.elements[i];
    *os << "}, {" << s.at.x << ", " << s.at.y << "}}";
}

std::vector<Seen> seen(const std::vector<Finding>& findings) {
    std::vector<Seen> out;
    for (const Finding& f : findings) {
        Seen s{f.kind, {}, f.position};
        for (const ElementId id : f.elements)
            s.elements.push_back(id.value);
        out.push_back(s);
    }
    return out;
}

// What holds of every finding on a drawing: its message names each of its elements, and its
// place lies on one of them.
void expectFindingsPointAtTheirElements(const Drawing& d, const std::vector<Finding>& findings) {
    std::pmr::vector<check::Stroke> strokes;
    std::pmr::vector<check::Stroke> zero;
    check::collectStrokes(d, kJoinTolerance, strokes, zero);
    for (const Finding& f : findings) {
        SCOPED_TRACE(f.message);
        bool onOne = f.elements.empty();
        for (const ElementId id : f.elements) {
            const std::string name = "n° " + std::to_string(id.value);
            const std::size_t at = f.message.find(name);
            EXPECT_TRUE(at != std::string::npos && !std::isdigit(static_cast<unsigned char>(
                                                       f.message.c_str()[at + name.size()])))
                << name;
            for (const check::Stroke& s : strokes)
                onOne = onOne || (s.id == id && s.passesThrough(f.position, kJoinTolerance));
        }
        EXPECT_TRUE(onOne) << f.position.x << ", " << f.position.y;
    }
}

struct Case {
    const char* name;
    std::function<void(Drawing&)> draw;
    std::vector<Seen> expected;
};

void expectFindings(const Case& c, const CheckOptions& options = {}) {
    SCOPED_TRACE(c.name);
    Drawing d;
    c.draw(d);
    const std::vector<Finding> findings = checkDrawing(d, options);
    EXPECT_EQ(seen(findings), c.expected) << findingsText(findings);
    expectFindingsPointAtTheirElements(d, findings);
}

TEST(CheckRules, RulesCrossingACut) {
    const Case cases[] = {
        {"a perforation across a hole",
         [](Drawing& d) {
             outline(d);
             hole(d, 80, 40, 40, 20);
             line(d, kind::Perforation, 0, 50, 200, 50);
         },
         {{FindingKind::CreaseOverCut, {11, 8}, {120, 50}},
          {FindingKind::CreaseOverCut, {11, 10}, {80, 50}}}},
        {"a half-cut across a hole",
         [](Drawing& d) {
             outline(d);
             hole(d, 80, 40, 40, 20);
             line(d, kind::HalfCut, 100, 0, 100, 100);
         },
         {{FindingKind::CreaseOverCut, {11, 7}, {100, 40}},
          {FindingKind::CreaseOverCut, {11, 9}, {100, 60}}}},
        {"the perforation stopped at the hole",
         [](Drawing& d) {
             outline(d);
             hole(d, 80, 40, 40, 20);
             line(d, kind::Perforation, 0, 50, 80, 50);
             line(d, kind::Perforation, 120, 50, 200, 50);
         },
         {}},
        // Arcs are taken on their true curve, within their sweep.
        {"a perforation across the rounded side of a hole",
         [](Drawing& d) {
             outline(d);
             dHole(d);
             line(d, kind::Perforation, 0, 55, 200, 55);
         },
         {{FindingKind::CreaseOverCut, {9, 7}, {100 - std::sqrt(75.0), 55}}}},
        {"a perforation across the circle, clear of the hole's arc",
         [](Drawing& d) {
             outline(d);
             dHole(d);
             line(d, kind::Perforation, 0, 45, 200, 45);
         },
         {}},
        {"a crease grazing the top of the hole: too close, not across",
         [](Drawing& d) {
             outline(d);
             dHole(d);
             line(d, kind::Crease, 0, 60, 200, 60);
         },
         {{FindingKind::HoleTooClose, {7, 9}, {110, 50}}}},
        {"a crease arc across a round hole, drawn clockwise",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 100, 50, 10, 0, 360);
             arc(d, kind::Crease, 100, 0, 55, 180, -180);
         },
         {{FindingKind::CreaseOverCut, {8, 7}, {100 + std::sqrt(81.9375), 54.25}},
          {FindingKind::HoleTooClose, {7, 8}, {110, 50}}}},
        {"two round holes cut into each other",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 90, 50, 10, 0, 360);
             arc(d, kind::Cut, 105, 50, 10, 0, 360);
         },
         {{FindingKind::CrossingCuts, {7, 8}, {97.5, 50 + std::sqrt(43.75)}}}},
        {"two round holes apart",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 70, 50, 10, 0, 360);
             arc(d, kind::Cut, 130, 50, 10, 0, 360);
         },
         {}},
    };
    for (const Case& c : cases)
        expectFindings(c);
}

TEST(CheckRules, RulesLaidOverEachOther) {
    const Case cases[] = {
        {"a crease drawn twice",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Crease, 100, 100, 100, 0);
         },
         {{FindingKind::OverlappingRules, {7, 8}, {100, 50}}}},
        {"a crease over part of another",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Crease, 100, 30, 100, 70);
         },
         {{FindingKind::OverlappingRules, {7, 8}, {100, 50}}}},
        {"a perforation on a crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 50, 200, 50);
             line(d, kind::Perforation, 50, 50, 120, 50);
         },
         {{FindingKind::OverlappingRules, {7, 8}, {85, 50}}}},
        {"a half-cut on a crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 50, 200, 50);
             line(d, kind::HalfCut, 0, 50, 200, 50);
         },
         {{FindingKind::OverlappingRules, {7, 8}, {100, 50}}}},
        {"one crease in two pieces end to end",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 40);
             line(d, kind::Crease, 100, 40, 100, 100);
         },
         {}},
    };
    for (const Case& c : cases)
        expectFindings(c);
}

// Two flaps 60 high over a body 100 high, on one hinge at y = 100, with a V-shaped slit
// between them from (100, 160) and (102, 160) down to (100, slotFoot).
void flapsWithSlot(Drawing& d, double slotFoot) {
    line(d, kind::Cut, 0, 0, 200, 0);
    line(d, kind::Cut, 200, 0, 200, 160);
    line(d, kind::Cut, 200, 160, 102, 160);
    line(d, kind::Cut, 102, 160, 100, slotFoot);
    line(d, kind::Cut, 100, slotFoot, 100, 160);
    line(d, kind::Cut, 100, 160, 0, 160);
    line(d, kind::Cut, 0, 160, 0, 0);
    // Each half of the hinge stops on its side of the slit.
    const double right = slotFoot < 100 ? 100 + 2 * (100 - slotFoot) / (160 - slotFoot) : 100;
    line(d, kind::Crease, 0, 100, 100, 100);
    line(d, kind::Crease, right, 100, 200, 100);
}

// A second crease across both flaps of `flapsWithSlot(d, slotFoot)` at height y, each half
// stopped on its side of the slit.
void secondScore(Drawing& d, double slotFoot, double y) {
    const double right = 100 + 2 * (y - slotFoot) / (160 - slotFoot);
    line(d, kind::Crease, 0, y, 100, y);
    line(d, kind::Crease, right, y, 200, y);
}

TEST(CheckRules, CutsRunningPastTheirCrease) {
    const Case cases[] = {
        {"the slot cut 8 mm into the body",
         [](Drawing& d) { flapsWithSlot(d, 92); },
         {{FindingKind::OverCut, {6, 11}, {100, 92}}, {FindingKind::OverCut, {7, 10}, {100, 92}}}},
        {"the slot stopped on the hinge", [](Drawing& d) { flapsWithSlot(d, 100); }, {}},
        {"within the tolerance", [](Drawing& d) { flapsWithSlot(d, 99.7); }, {}},
        {"a cut across the hinge on purpose (a tab 40 mm deep)",
         [](Drawing& d) { flapsWithSlot(d, 60); },
         {}},
        {"a crease ending on the blank's edge",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 92, 200, 92);
         },
         {}},
        {"the slot through a double score, stopped on its first line",
         [](Drawing& d) {
             flapsWithSlot(d, 100);
             secondScore(d, 100, 106);
         },
         {}},
        {"the slot down to the hinge through a fold 8 mm below the flaps' edge",
         [](Drawing& d) {
             flapsWithSlot(d, 100);
             secondScore(d, 100, 152);
         },
         {}},
        {"the slot through a double score and 8 mm on into the body",
         [](Drawing& d) {
             flapsWithSlot(d, 92);
             secondScore(d, 92, 106);
         },
         {{FindingKind::OverCut, {6, 11}, {100, 92}}, {FindingKind::OverCut, {7, 10}, {100, 92}}}},
        {"the slot 8 mm into the body, the corner's crease up to its foot",
         [](Drawing& d) {
             flapsWithSlot(d, 92);
             line(d, kind::Crease, 100, 0, 100, 92);
         },
         {{FindingKind::OverCut, {6, 11}, {100, 92}}, {FindingKind::OverCut, {7, 10}, {100, 92}}}},
        // Each blank's side edge runs 8 mm past its hinge to its flap's corner; the next
        // blank's hinge goes on in line 6 mm away, across the gap: no slot of either.
        {"two blanks of a sheet, their hinges in one line across the gap",
         [](Drawing& d) {
             for (const double x : {0.0, 106.0}) {
                 line(d, kind::Cut, x, 0, x + 100, 0);
                 line(d, kind::Cut, x + 100, 0, x + 100, 108);
                 line(d, kind::Cut, x + 100, 108, x, 108);
                 line(d, kind::Cut, x, 108, x, 0);
                 line(d, kind::Crease, x, 100, x + 100, 100);
             }
         },
         {}},
    };
    for (const Case& c : cases)
        expectFindings(c);
}

TEST(CheckRules, HolesKeepTheirLand) {
    const Case cases[] = {
        {"a hand-hole 4 mm from a crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 30, 200, 30);
             hole(d, 80, 34, 40, 15);
         },
         {{FindingKind::HoleTooClose, {8, 7}, {80, 34}}}},
        {"a hand-hole 5 mm from the edge",
         [](Drawing& d) {
             outline(d);
             hole(d, 80, 80, 40, 15);
         },
         {{FindingKind::HoleTooClose, {8, 5}, {120, 80}}}},
        {"a vent circle 3 mm from the edge",
         [](Drawing& d) {
             outline(d);
             PenScope pen(d, kind::Cut);
             d.AddArc(8, 50, 5, 0, 360);
         },
         {{FindingKind::HoleTooClose, {7, 6}, {13, 50}}}},
        // Measured on the true curves, between inner points as well as from the ends.
        {"a vent circle 8 mm under a crease",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 100, 50, 10, 0, 360);
             line(d, kind::Crease, 0, 68, 200, 68);
         },
         {{FindingKind::HoleTooClose, {7, 8}, {110, 50}}}},
        {"a vent circle 12 mm under a crease",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 100, 50, 10, 0, 360);
             line(d, kind::Crease, 0, 72, 200, 72);
         },
         {}},
        {"a vent circle 8 mm inside a curved crease",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 100, 50, 10, 0, 360);
             arc(d, kind::Crease, 100, 0, 68, 180, -180);
         },
         {{FindingKind::HoleTooClose, {7, 8}, {110, 50}}}},
        {"a vent circle 12 mm inside a curved crease",
         [](Drawing& d) {
             outline(d);
             arc(d, kind::Cut, 100, 50, 10, 0, 360);
             arc(d, kind::Crease, 100, 0, 72, 180, -180);
         },
         {}},
        // Near both a crease and the edge, the nearer is the one named.
        {"a hand-hole 4 mm from a crease and 6 mm from the edge",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 30, 200, 30);
             hole(d, 80, 34, 40, 60);
         },
         {{FindingKind::HoleTooClose, {8, 7}, {80, 34}}}},
        {"a hand-hole 6 mm from a crease and 4 mm from the edge",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 30, 200, 30);
             hole(d, 80, 36, 40, 60);
         },
         {{FindingKind::HoleTooClose, {9, 5}, {120, 36}}}},
        {"the hand-hole moved to mid-panel",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 30, 200, 30);
             hole(d, 80, 55, 40, 15);
         },
         {}},
        {"a mortise 6 mm wide against its crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 0, 30, 200, 30);
             hole(d, 80, 31, 40, 6);
         },
         {}},
        {"a mortise three thicknesses wide to the drawing's rounding, 1.5 mm from its crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Cut, 110.505, 30, 101.5, 30);
             line(d, kind::Cut, 101.5, 30, 101.5, 63);
             line(d, kind::Cut, 101.5, 63, 110.505, 63);
             line(d, kind::Cut, 110.505, 63, 110.505, 30);
         },
         {}},
        {"a hand-hole whose upper edge is its own crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Cut, 80, 70, 80, 55);
             line(d, kind::Cut, 80, 55, 120, 55);
             line(d, kind::Cut, 120, 55, 120, 70);
             line(d, kind::Crease, 80, 70, 120, 70);
         },
         {}},
    };
    for (const Case& c : cases)
        expectFindings(c);
    // A thicker board needs more land: three thicknesses of 5 mm, 15 mm.
    expectFindings({"12 mm from the edge in 5 mm board",
                    [](Drawing& d) {
                        outline(d);
                        hole(d, 80, 68, 40, 20);
                    },
                    {{FindingKind::HoleTooClose, {8, 5}, {120, 68}}}},
                   {.thickness = 5});
    expectFindings({"a style's own land",
                    [](Drawing& d) {
                        outline(d);
                        hole(d, 80, 80, 40, 15);
                    },
                    {}},
                   {.holeLand = 4});
}

TEST(CheckRules, PanelsWideEnoughToFold) {
    const Case cases[] = {
        {"two creases 7.5 mm apart in 3 mm board",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Crease, 107.5, 0, 107.5, 100);
         },
         {{FindingKind::NarrowPanel, {7, 8}, {100, 0}}}},
        {"a perforated crease folds too, 7.5 mm from a crease",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::PerforatedCrease, 107.5, 0, 107.5, 100);
         },
         {{FindingKind::NarrowPanel, {7, 8}, {100, 0}}}},
        {"a double score, 6 mm apart",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Crease, 106, 0, 106, 100);
         },
         {}},
        {"9.5 mm apart",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 100);
             line(d, kind::Crease, 109.5, 0, 109.5, 100);
         },
         {}},
        {"7.5 mm apart but not side by side",
         [](Drawing& d) {
             outline(d);
             line(d, kind::Crease, 100, 0, 100, 50);
             line(d, kind::Crease, 107.5, 50, 107.5, 100);
             line(d, kind::Cut, 100, 50, 107.5, 50);
         },
         {}},
    };
    for (const Case& c : cases)
        expectFindings(c);
}

TEST(CheckRules, LockTabsAgainstTheirSlots) {
    struct LockCase {
        const char* name;
        LockPair lock;
        Kinds expected;
    };
    const LockCase cases[] = {
        {"a tab that fills its slot", {"patte", 12, 40, 12, 41}, {}},
        {"a tab one thickness short", {"patte", 9, 40, 12, 41}, {FindingKind::LockTabTooShort}},
        {"a tab wider than the mouth", {"patte", 12, 44, 12, 41}, {FindingKind::LockTabTooWide}},
        {"both",
         {"patte", 6, 44, 12, 41},
         {FindingKind::LockTabTooShort, FindingKind::LockTabTooWide}},
    };
    for (const LockCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(kindsOf(checkLocks({c.lock})), c.expected);
    }
}

TEST(CheckRules, WarningsAreCountedApartAndNeverBlock) {
    Drawing d;
    outline(d);
    hole(d, 80, 80, 40, 15);                // a warning
    line(d, kind::Crease, 50, 0, 50, 100);  // a defect, drawn twice
    line(d, kind::Crease, 50, 100, 50, 0);
    const std::vector<Finding> findings = checkDrawing(d);
    EXPECT_EQ(defectCount(findings), 1u);
    EXPECT_EQ(verdictText(findings), "Contrôle : 1 défaut, 1 avertissement");
    EXPECT_NE(findingsText(findings).find("(avertissement)"), std::string::npos);

    Drawing warnedOnly;
    outline(warnedOnly);
    hole(warnedOnly, 80, 80, 40, 15);
    EXPECT_EQ(verdictText(checkDrawing(warnedOnly)), "Contrôle : aucun défaut, 1 avertissement");
}

}  // namespace
}  // namespace brontaxe
