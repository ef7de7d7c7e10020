// The folders and trays of the 04 family: each code's blank size and defining feature, on the
// start-up values (400 x 300 x 200, board 3 mm, no allowances unless a case sets them).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "board/allowance_lookup.h"
#include "builders/emit.h"
#include "styles/04/fco400.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_case.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

using FolderCase = test::StyleCase;
using Check = test::StyleCheck;
using test::expect;
constexpr auto none = &test::startUpValues;

using test::hasDimension;
using test::horizontalLinesAt;
using test::verticalLinesAt;

std::size_t count(const Drawing& d, LineKind lineKind, std::int16_t variant = 0) {
    std::size_t n = 0;
    for (const Element& e : d.elements())
        if (e.lineKind == lineKind && (variant == 0 || e.lineVariant == variant))
            ++n;
    return n;
}

// One line of the kind lying from a to b, either way round.
bool hasLine(const Drawing& d, LineKind lineKind, Point a, Point b) {
    for (const auto& l : test::linesOfKind(d, lineKind))
        if ((areNear(l.a, a, 1e-3) && areNear(l.b, b, 1e-3)) ||
            (areNear(l.a, b, 1e-3) && areNear(l.b, a, 1e-3)))
            return true;
    return false;
}

// Lid halves (or rims) of the folders: the row boundary between the side wall and the bottom
// is slit across the end columns and creased across the bottom.
Check slitAndCreased(double y, double bottomFrom, double bottomTo, std::size_t cuts) {
    return [=](const Model&, const Drawing& d) {
        const auto creases = horizontalLinesAt(d, kind::Crease, y);
        return expect(creases.size() == 1 && areNear(creases[0].a.x, bottomFrom, 1e-3) &&
                          areNear(creases[0].b.x, bottomTo, 1e-3) &&
                          horizontalLinesAt(d, kind::Cut, y).size() == cuts,
                      "slits beside a crease across the bottom");
    };
}

// The lid folders: the rounded corners of the tuck flap and the thumb notch, and the creases
// on x = 200 (the side wall's, the ears' on the front and back walls, the dust flaps') and on
// y = 200 (the bottom's front edge, the hinges of ears on the side walls).
Check lidFolder(std::size_t arcs, std::size_t creasesAt200, std::size_t creasesAcross = 1) {
    return [=](const Model&, const Drawing& d) {
        return expect(test::arcsOfKind(d, kind::Cut).size() == arcs &&
                          verticalLinesAt(d, kind::Crease, 200).size() == creasesAt200 &&
                          horizontalLinesAt(d, kind::Crease, 200).size() == creasesAcross,
                      "arcs and creases of its closure");
    };
}

// A border folded in over each wall, meeting its neighbours on 45 degree mitres.
Check framed(std::size_t mitres, double border) {
    return [=](const Model&, const Drawing& d) {
        std::size_t n = 0;
        for (const auto& l : test::linesOfKind(d, kind::Cut))
            n += areNear(std::abs(l.a.x - l.b.x), border, 1e-3) &&
                         areNear(std::abs(l.a.y - l.b.y), border, 1e-3)
                     ? 1
                     : 0;
        return expect(n == mitres, "mitred borders round an open centre");
    };
}

const FolderCase kCases[] = {
    // Columns 50 | 200 | 400 | 200 | 50, rows 30 | 200 | 300 | 200 | 30: rims of hpatrent; the
    // corner flaps half the bottom's width, their free sides splitting the slits.
    {"Rims0400", &Fco0400, none, 900, 760, slitAndCreased(230, 250, 650, 6)},
    // Lid halves of half the width meet over the bottom.
    {"LidHalves0401", &Fco0401, none, 900, 1000,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Cut, {250, 1000}, {650, 1000}) &&
                           hasLine(d, kind::Crease, {250, 850}, {650, 850}),
                       "a lid half 150 deep over the bottom only");
     }},
    {"HingedLid0401Gorvante", &Fco0401, [](Model& m) { m.Personnalisation = CustomerProfile::Gorvante; }, 800,
     1030,
     [](const Model&, const Drawing& d) {
         // Side, bottom, side, lid of the width, tuck flap of hpatrent over the bottom.
         return expect(hasLine(d, kind::Crease, {200, 1000}, {600, 1000}) &&
                           hasLine(d, kind::Cut, {200, 1030}, {600, 1030}),
                       "a tuck flap 30 deep on a lid 300 deep");
     }},
    // End flaps of half the length on the end walls.
    {"EndFlaps0402", &Fco0402, none, 1200, 1000, slitAndCreased(350, 400, 800, 6)},
    // Beyond each end wall a band of hrabat and an inner wall.
    {"EndBuffers0403", &Fco0403, none, 1300, 1000,
     [](const Model&, const Drawing& d) {
         return expect(verticalLinesAt(d, kind::Crease, 200).size() == 1 &&
                           verticalLinesAt(d, kind::Crease, 250).size() == 1 &&
                           verticalLinesAt(d, kind::Crease, 450).size() == 3,
                       "inner wall and band folds on the bottom's row only");
     }},
    {"FourBuffers0403Voranis", &Fco0403, [](Model& m) { m.Personnalisation = CustomerProfile::Voranis; }, 1300,
     1200,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Crease, 200).size() == 1 &&
                           horizontalLinesAt(d, kind::Crease, 250).size() == 1,
                       "buffers on the side walls too");
     }},
    // Two crossed bands: a, h, L1, h, a and, EspPoseY above, b, k, W4, k, b.
    {"TwoPieces0404", &Fco0404, none, 1200, 705,
     [](const Model&, const Drawing& d) {
         std::size_t first = 0, second = 0;
         for (const Element& e : d.elements()) {
             if (e.type() == ShapeType::Line && e.lineKind == kind::Crease)
                 (e.piece == 1 ? first : second) += 1;
         }
         return expect(first == 4 && second == 4 &&
                           hasLine(d, kind::Crease, {150, 305}, {150, 705}) &&
                           hasLine(d, kind::Crease, {200, 0}, {200, 300}),
                       "four folds on each piece, the second 305 above the first");
     }},
    // The wrap 1000 x 400 and two end pieces 300 wide, 2 x 50 + 200 high, above it.
    {"ThreePieces0405", &Fco0405, none, 1000, 705,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {0, 455}, {300, 455}) &&
                           hasLine(d, kind::Crease, {305, 655}, {605, 655}) &&
                           hasLine(d, kind::Crease, {150, 0}, {150, 400}),
                       "end pieces creased at hrabat and hrabat + height");
     }},
    // Major flaps (H + overlap)/2 on the W panels, dust flaps hrabat on the H panels.
    {"WrapAround0406", &Fco0406, none, 1036, 630,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Cut, 315).size() == 2 &&
                           horizontalLinesAt(d, kind::Cut, 250).size() == 2,
                       "flaps 115 on the W panels and 50 on the H panels");
     }},
    // Turned a quarter: the length runs across; flaps H/2 and W/2.
    {"Folder0409", &Fco0409, none, 700, 1036,
     [](const Model&, const Drawing& d) {
         return expect(verticalLinesAt(d, kind::Cut, 300).size() == 2 &&
                           verticalLinesAt(d, kind::Cut, -350).size() == 2,
                       "flaps of 100 and 150 beyond the body of 400");
     }},
    {"Folder0409Qor", &Fco0409, [](Model& m) { m.Personnalisation = CustomerProfile::Qor; }, 1036, 700,
     [](const Model&, const Drawing&) { return ::testing::AssertionSuccess(); }},
    // Fifth panel, side, bottom, side, top from the blank's edge: the fifth panel, on the first
    // side, closes over the top.
    {"FivePanels0410", &Fco0410, none, 700, 1300,
     [](const Model& m, const Drawing& d) {
         const double edge = d.extents().ymin;
         return expect(m.lgPatte == 36 && m.anglPc == 15 &&
                           !horizontalLinesAt(d, kind::Crease, edge + 500).empty() &&
                           horizontalLinesAt(d, kind::Crease, edge + 600).empty(),
                       "the glue flap's values come back, panels 300, 200, 300, 200, 300");
     }},
    {"CentreSeam0411", &Fco0411, none, 700, 1000,
     [](const Model& m, const Drawing& d) {
         // Half a top panel (150) at each end of the body.
         return expect(m.lgPatte == 36 && horizontalLinesAt(d, kind::Crease, 150).size() == 2,
                       "half top panels of 150");
     }},
    // Glue flaps lgPatte deep with slanted ends on the end walls.
    {"GluedCorners0412", &Fco0412, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Cut, 186).size() == 2 &&
                           horizontalLinesAt(d, kind::Cut, -186).size() == 2,
                       "glue flap tops 36 beyond the base");
     }},
    {"DustAndTuckFlaps0415", &Fco0415, none, 860, 1000,
     [](const Model&, const Drawing& d) {
         return expect(test::dimensions(d).size() == 12 &&
                           verticalLinesAt(d, kind::Crease, 30).size() == 2 &&
                           hasDimension(d, {30, -550}, {230, -550}),
                       "twelve dimensions, tuck flaps 30 and end walls 200");
     }},
    // Dust flaps of hrabat on the end walls' tops; a lid 303 deep and its tuck flap of hpatrent.
    {"DustFlapsAndTuck0416", &Fco0416, none, 900, 1033,
     [](const Model&, const Drawing& d) {
         return expect(verticalLinesAt(d, kind::Crease, 400).size() == 1 &&
                           verticalLinesAt(d, kind::Crease, -400).size() == 1 &&
                           horizontalLinesAt(d, kind::Crease, 1003).size() == 2,
                       "dust flaps hinged on the end walls, a tuck flap on the lid");
     }},
    {"LidHalves0416Voranis", &Fco0416, [](Model& m) { m.Personnalisation = CustomerProfile::Voranis; }, 1215, 1029,
     [](const Model& m, const Drawing&) {
         return expect(m.Majo[1] == 9 && m.Majo[7] == 6 && m.Majo[13] == 1.5f,
                       "its own allowances without a row in the table");
     }},
    // Flaps on the short walls: the tray turned a quarter.
    {"FlapsOnEnds0434", &Fco0434, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(
             count(d, kind::Crease, 2) == 4 && horizontalLinesAt(d, kind::Crease, 150).size() == 4,
             "hinges across the long walls' ends");
     }},
    // Its tabs reach through the base to its underside: 203 - 200.5 + 1.5 past the inner walls.
    {"MortisedEnds0435", &Fco0435, none, 1242, 706,
     [](const Model& m, const Drawing& d) {
         return expect(m.Majo[1] == 15 && test::arcsOfKind(d, kind::Cut).size() == 8,
                       "own allowances and four round-ended mortises");
     }},
    {"LidFolder0443", &Fco0443, none, 800, 1030,
     [](const Model&, const Drawing& d) {
         const auto arcs = test::arcsOfKind(d, kind::Cut);
         return expect(arcs.size() == 3 && verticalLinesAt(d, kind::Crease, 200).size() == 4,
                       "thumb notch, two rounded tuck corners, ears on both walls");
     }},
    // Flap = wall height, cut back to half the width: its width is dimensioned.
    {"GluedTray0450", &Fco0450, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(hasDimension(d, {200, 250}, {350, 250}), "the cut-back flap's width");
     }},
    {"DoubleWallTray0451", &Fco0451, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Cut, 350).size() == 4, "corner flaps of h");
     }},
    {"Gorvante0451", &Fco0451,
     [](Model& m) {
         m.Personnalisation = CustomerProfile::Gorvante;
         m.Majo[1] = 3;
     },
     812, 712, [](const Model&, const Drawing&) { return ::testing::AssertionSuccess(); }},
    {"Gussets0452", &Fco0452, none, 800, 700,
     [](const Model&, const Drawing& d) {
         std::size_t diagonals = 0;
         for (const auto& l : test::linesOfKind(d, kind::Crease))
             diagonals += !areNear(l.a.x, l.b.x) && !areNear(l.a.y, l.b.y) ? 1 : 0;
         return expect(diagonals == 4, "a diagonal fold on each corner flap");
     }},
    {"DoubleLongWalls0454", &Fco0454, none, 800, 1112,
     [](const Model&, const Drawing& d) {
         return expect(horizontalLinesAt(d, kind::Crease, 356).size() == 2, "inner layer fold");
     }},
    {"DoubleWall0455", &Fco0455, none, 800, 1112,
     [](const Model&, const Drawing&) { return ::testing::AssertionSuccess(); }},
    {"HandHoles0456", &Fco0456, [](Model& m) { m.OptionPoign = 1; }, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(test::arcsOfKind(d, kind::Cut).size() == 4, "a hole in each long wall");
     }},
    // Ears reaching 147 on walls of 200: a slot 3 wide in each end wall beside its crease, from 3
    // to 76.5 either side.
    {"LockingEars0457", &Fco0457, none, 800, 700,
     [](const Model&, const Drawing& d) {
         std::size_t slits = 0;
         for (double x : {203.0, 206.0, -203.0, -206.0})
             for (const auto& l : verticalLinesAt(d, kind::Cut, x))
                 slits += areNear(std::abs(l.a.y - l.b.y), 73.5, 1e-3) ? 1 : 0;
         return expect(test::arcsOfKind(d, kind::Cut).size() == 8 && slits == 8,
                       "four ears with a rounded free corner, locked in slits of the end walls");
     }},
    {"PushInHandHoles0458", &Fco0458, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(count(d, kind::Perforation) == 6 &&
                           horizontalLinesAt(d, kind::Crease, 300).size() == 1,
                       "perforated holes hinged on their upper edge");
     }},
    {"HingedLidTray0480", &Fco0480, none, 800, 1000,
     [](const Model& m, const Drawing& d) {
         return expect(d.extents().ymax > 649 &&
                           horizontalLinesAt(d, kind::Crease, 350).size() == 2 &&
                           hasLine(d, kind::Crease, {196, 350}, {196, 650}) &&
                           hasLine(d, kind::Crease, {-196, 350}, {-196, 650}) &&
                           m.PassesMachine[7] == 500 && m.PassesMachine[12] == 200,
                       "a lid as deep as the base beyond the back wall, side flaps hinged on its "
                       "sides, passes of lid and front");
     }},
    // Bottom 403 x 303, front and side walls 203, back wall 206: the front and back walls carry
    // corner flaps, creased on x = +-201.5.
    {"LidFolder0481", &Fco0481, none, 809, 1048,
     [](const Model& m, const Drawing& d) {
         return expect(m.Majo[5] == 6 && test::arcsOfKind(d, kind::Cut).size() == 3 &&
                           hasLine(d, kind::Crease, {201.5, 0}, {201.5, 203}) &&
                           hasLine(d, kind::Crease, {-201.5, 506}, {-201.5, 712}),
                       "own allowances, notch, rounded tuck and corner flaps");
     }},
    // Lid folders of 0443's frame, 800 x 1030: arcs of the tuck corners (and the notch), creases
    // on x = 200 of the side wall, the ears and the dust flap.
    // A lid 3 mm longer than the back wall either side: the back ears are cut free of it.
    {"EarsAndDustFlaps0428", &Fco0428, [](Model& m) { m.Majo[7] = 6; }, 800, 1030,
     [](const Model& m, const Drawing& d) {
         return expect(lidFolder(2, 3)(m, d) && hasLine(d, kind::Cut, {200, 700}, {203, 700}),
                       "ears, dust flaps, and the back ear's top cut along the lid");
     }},
    {"SideEars0430", &Fco0430, none, 800, 1030, lidFolder(3, 1, 3)},
    {"SideEarsDustFlaps0432", &Fco0432, none, 800, 1030, lidFolder(3, 2, 3)},
    // Borders of hrabat round walls of 200 on a base of 400 x 300.
    {"Framed0431", &Fco0431, none, 900, 800, framed(8, 50)},
    // The lid row runs over the end columns: end flaps free at its top, the tuck over the bottom.
    {"LidWithEndFlaps0433", &Fco0433, none, 800, 1030,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {200, 1000}, {600, 1000}) &&
                           horizontalLinesAt(d, kind::Cut, 1000).size() == 2 &&
                           horizontalLinesAt(d, kind::Cut, 700).size() == 4,
                       "end flaps on the lid, slit from the back wall's corner flaps");
     }},
    // Rims of hpatrent on the end walls, over the bottom row only.
    {"RimmedEnds0436", &Fco0436, none, 860, 700,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {30, 200}, {30, 500}) &&
                           horizontalLinesAt(d, kind::Cut, 200).size() == 6,
                       "rims 30 wide, corner flaps slit from the end walls");
     }},
    {"DoubleEnds0437", &Fco0437, none, 1200, 700,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {200, 200}, {200, 500}),
                       "inner end walls as high as the outer");
     }},
    // Seal slots 6 wide, in the side walls 25 below their top and in the lid's side flaps
    // of 50 as far below its edge, on x = 375 and 228 either side.
    {"SealSlots0440", &Fco0440, none, 800, 1036,
     [](const Model&, const Drawing& d) {
         bool slots = true;
         for (double x : {372.0, 378.0, 225.0, 231.0, -372.0, -378.0, -225.0, -231.0})
             slots = slots && verticalLinesAt(d, kind::Cut, x).size() == 1;
         return expect(slots, "a seal slot in each side wall and in the lid's flap over it");
     }},
    {"DoubleAllRound0459", &Fco0459, none, 1200, 1100,
     [](const Model&, const Drawing& d) {
         // The inner side walls fall 3 boards short of the ends, clear of the inner end walls.
         return expect(hasLine(d, kind::Crease, {409, 200}, {791, 200}) &&
                           hasLine(d, kind::Cut, {400, 200}, {409, 200}) &&
                           hasLine(d, kind::Crease, {200, 400}, {200, 700}),
                       "inner walls on all four sides");
     }},
    // Front of half the height (100), header of hrabat over the back wall.
    {"DisplayTray0460", &Fco0460, none, 800, 650,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {200, 600}, {600, 600}) &&
                           hasLine(d, kind::Cut, {200, 650}, {600, 650}) &&
                           hasLine(d, kind::Crease, {200, 100}, {600, 100}),
                       "low front, header on the back wall");
     }},
    // Floor halves of 150 on the side walls; end walls rolled over.
    // Rows: floor half 147 (half the bottom less a board), inner wall 200, side wall 200,
    // bottom 300; the inner walls 3 boards short of the ends, the floor halves 2; the inner end
    // walls a board lower than on 0437, over the second floor.
    {"DoubleFloor0472", &Fco0472, none, 1194, 1394,
     [](const Model&, const Drawing& d) {
         return expect(hasLine(d, kind::Crease, {406, 147}, {788, 147}) &&
                           hasLine(d, kind::Crease, {406, 347}, {788, 347}) &&
                           hasLine(d, kind::Cut, {403, 0}, {791, 0}),
                       "floor halves beyond the inner side walls");
     }},
    // 0457's ears on the end walls: the tray turned a quarter.
    {"HandHolesInEnds0442", &Fco0442, none, 800, 700,
     [](const Model&, const Drawing& d) {
         const auto arcs = test::arcsOfKind(d, kind::Cut);
         const bool inEnds = std::all_of(arcs.begin(), arcs.end(), [](const ArcShape& a) {
             return std::abs(a.centre.x) > 300;
         });
         return expect(arcs.size() == 4 && inEnds && count(d, kind::Crease, 2) == 4,
                       "a hole in each flapped end wall");
     }},
    // The corner flaps hinge on the side walls, their folds running up them, and fold onto the
    // end walls, rolled over them: the end walls' inner layer holds them.
    {"DoubleEnds0445", &Fco0445, none, 1212, 700,
     [](const Model&, const Drawing& d) {
         std::size_t upTheSideWalls = 0;
         for (const Element& e : d.elements())
             if (const auto* l = std::get_if<LineShape>(&e.shape);
                 l && e.lineKind == kind::Crease && e.lineVariant == 2 && areNear(l->a.x, l->b.x))
                 ++upTheSideWalls;
         return expect(verticalLinesAt(d, kind::Crease, 406).size() == 2 &&
                           count(d, kind::Crease, 2) == 4 && upTheSideWalls == 4,
                       "inner end walls past the band, the flaps hinged on the side walls");
     }},
    // Its chains measure the double end walls across and the side walls up, inside the blank.
    {"DoubleEndChains0445", &Fco0445, none, 1212, 700,
     [](const Model&, const Drawing& d) {
         bool inside = true, acrossEnds = false, upSides = false;
         for (const auto& dim : test::dimensions(d)) {
             const bool across = areNear(dim.p1.y, dim.p2.y);
             inside = inside && (across ? std::max(std::abs(dim.p1.x), std::abs(dim.p2.x)) < 606.01
                                        : std::max(std::abs(dim.p1.y), std::abs(dim.p2.y)) < 350.01);
             const auto piece = [&](Point a, Point b) {
                 return (areNear(dim.p1, a, 0.5) && areNear(dim.p2, b, 0.5)) ||
                        (areNear(dim.p1, b, 0.5) && areNear(dim.p2, a, 0.5));
             };
             const double x = dim.p1.x, y = dim.p1.y;
             acrossEnds = acrossEnds || piece({-606, y}, {-200, y});
             upSides = upSides || piece({x, 150}, {x, 350});
         }
         return expect(inside && acrossEnds && upSides, "chains that span the blank");
     }},
    // Radius 10 at a pitch of 50: 6 x 6 holes in the bottom and one in each flapped wall.
    {"VentHoles0446", &Fco0446, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(test::arcsOfKind(d, kind::Cut).size() == 2 * 38, "38 round holes");
     }},
    {"HandHolesInSides0447", &Fco0447, none, 800, 700,
     [](const Model&, const Drawing& d) {
         return expect(test::arcsOfKind(d, kind::Cut).size() == 8 + 4,
                       "rounded ears and a hole in each long wall");
     }},
};

class Folders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(Folders, DrawTheirStyleWithAClosedOutline) {
    test::expectSoundBlank(GetParam(), /*clean=*/false);
}

INSTANTIATE_TEST_SUITE_P(Fco04, Folders, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fco04Check, LidHalvesTooDeepCollideAndAThumbNotchNeedsItsWall) {
    test::Generated deep;
    deep.m.Majo[7] = 10;  // each lid half 10 past the middle
    const auto kinds = test::kindsOf(test::runStyle("0401", deep.m, deep.d).findings);
    EXPECT_EQ(kinds, std::vector<FindingKind>{FindingKind::FlapCollision});

    test::Generated low;
    low.m.Hauteur = 8;  // under the notch's radius of 10
    const test::StyleRun run = test::runStyle("0443", low.m, low.d);
    EXPECT_TRUE(test::refusedSaying(run, "encoche de pouce"));
}

TEST(Fco0450, FlapHeightIsTheWallWhenAutomaticAndHrabatOtherwise) {
    for (bool automatic : {true, false}) {
        test::Generated g;
        g.m.hrabat_auto = automatic;
        g.m.hrabat = 60;
        g.m.Largeur = 500;  // half the width above either flap: nothing cut back
        Fco0450(g.m, g.d);
        const double flap = automatic ? 200 : 60;
        // The flap's free end, from the slit up to where its top falls by the board.
        EXPECT_TRUE(hasLine(g.d, kind::Cut, {200 + flap, 250}, {200 + flap, 447})) << automatic;
        EXPECT_FALSE(hasDimension(g.d, {200, 350}, {200 + flap, 350})) << automatic;
    }
}

TEST(Fco0450, TheFourthDimensionAppearsOnlyWhenHalfTheWidthIsBelowTheFlap) {
    for (float width : {300.0f, 398.0f, 402.0f}) {
        test::Generated g;
        g.m.Largeur = width;
        Fco0450(g.m, g.d);
        const bool cutBack = width / 2 < 200;
        EXPECT_EQ(test::dimensions(g.d).size(), cutBack ? 9u : 8u) << width;
    }
}

TEST(Fco0400, AFlapOfNoSizeIsLeftOut) {
    test::Generated g;
    g.m.hrabat = 0;
    g.m.hpatrent = 0;
    Fco0400(g.m, g.d);
    EXPECT_NEAR(g.d.BlankSizeX(), 800, 1e-3);  // end walls, bottom, end walls
    EXPECT_NEAR(g.d.BlankSizeY(), 700, 1e-3);  // side walls, bottom, side walls
    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
}

// Each allowance grows the part of the grid it belongs to, once for each time the part is
// drawn: a view that reads the wrong entry moves another wall. Rows run side wall, bottom,
// side wall; columns end wall, bottom, end wall.
TEST(Fco0400, EachAllowanceGrowsItsOwnWallOrBottom) {
    struct Case {
        std::size_t allowance;
        double grownX, grownY;
    };
    for (const Case c : {Case{1, 1, 0}, Case{3, 0, 1}, Case{5, 0, 2}, Case{6, 2, 0}}) {
        test::Generated g;
        g.m.hrabat = 0;
        g.m.hpatrent = 0;
        g.m.Majo[c.allowance] = 1;
        Fco0400(g.m, g.d);
        EXPECT_NEAR(g.d.BlankSizeX(), 800 + c.grownX, 1e-3) << "allowance " << c.allowance;
        EXPECT_NEAR(g.d.BlankSizeY(), 700 + c.grownY, 1e-3) << "allowance " << c.allowance;
    }
}

TEST(Fco0452, TheQorProfileAddsOneDimension) {
    test::Generated plain;
    Fco0452(plain.m, plain.d);
    test::Generated qor;
    qor.m.Personnalisation = CustomerProfile::Qor;
    Fco0452(qor.m, qor.d);
    EXPECT_EQ(test::dimensions(qor.d).size(), test::dimensions(plain.d).size() + 1);
    EXPECT_TRUE(hasDimension(qor.d, {-200, 0}, {200, 0}));
}

TEST(Fco0401, TheQorProfileMeasuresTheInsideOfTheBottom) {
    test::Generated g;
    g.m.Personnalisation = CustomerProfile::Qor;
    Fco0401(g.m, g.d);
    // Columns 50 | 200 | 400 | 200 | 50, rows 150 | 200 | 300 | 200 | 150.
    EXPECT_TRUE(hasDimension(g.d, {250, 500}, {650, 500}));
    EXPECT_TRUE(hasDimension(g.d, {450, 350}, {450, 650}));
}

TEST(Fco0404, EachPieceIsDrawnOnlyUnderItsFlag) {
    test::Generated g;
    g.m.AfficheMorceau = {1, 1, 1, 0, 1};
    Fco0404(g.m, g.d);
    EXPECT_NEAR(g.d.BlankSizeY(), 300, 1e-3);
    for (const Element& e : g.d.elements())
        EXPECT_EQ(e.piece, 1);

    test::Generated lid;
    lid.m.AfficheMorceau = {1, 0, 1, 1, 1};
    lid.m.EspPoseY = 20;
    Fco0404(lid.m, lid.d);
    EXPECT_NEAR(lid.d.extents().ymin, 320, 1e-3);
}

TEST(Fco0405, PiecesStandApartByTheGaps) {
    test::Generated g;
    g.m.EspPoseX = 12;
    g.m.EspPoseY = 40;
    Fco0405(g.m, g.d);
    EXPECT_TRUE(hasLine(g.d, kind::Crease, {312, 490}, {612, 490}));
    EXPECT_NEAR(g.d.BlankSizeY(), 400 + 40 + 300, 1e-3);
}

TEST(Fco0416, VoranisKeepsTheTablesAllowancesWhenItHasARow) {
    test::Generated g;
    g.m.Personnalisation = CustomerProfile::Voranis;
    g.m.allowanceRecordCode = 416;
    g.m.Majo[1] = 1;
    Fco0416(g.m, g.d);
    EXPECT_EQ(g.m.Majo[1], 1);
    EXPECT_EQ(g.m.Majo[2], 0);
}

}  // namespace
}  // namespace brontaxe

namespace brontaxe {
namespace {

// A hand-hole that, with its land round it, is higher than its wall or longer than the wall
// is wide, is refused in French.
TEST(Fco04HandHoles, AHoleTheWallCannotHoldIsRefused) {
    for (const char* code : {"0442", "0447"}) {
        for (auto setUp : {+[](Model& m) { m.Hauteur = 40; }, +[](Model& m) { m.LPoign = 500; }}) {
            test::Generated g;
            setUp(g.m);
            const test::StyleRun run = test::runStyle(code, g.m, g.d);
            EXPECT_TRUE(test::refusedSaying(run, "Poignée trop grande")) << code;
            EXPECT_FALSE(g.d.isEditing());
        }
    }
}

}  // namespace
}  // namespace brontaxe
