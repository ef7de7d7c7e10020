// Trays on the tray builders: glued corner flaps (0434, 0450, 0453, 0454, 0456, 0458), corner
// flaps over double walls (0451, 0452, 0455, 0480) and rounded locking ears (0457).

#include <algorithm>

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/flap_tray.h"
#include "builders/flat_blank_dimensions.h"
#include "builders/rounded_flap.h"
#include "builders/variable_hand_hole.h"
#include "drawing/pen_scope.h"
#include "model/model_choices.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_rules.h"
#include "styles/04/fco400_tray.h"
#include "styles/blank_settings.h"

namespace brontaxe {

TrayAllowances trayAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.length = k[1], .width = k[3], .walls = k[5], .innerWalls = k[6], .innerDrop = k[8]};
}

TraySizes traySizes(const Model& m) {
    const TrayAllowances k = trayAllowances(m);
    return {(m.Longueur + k.length) / 2, (m.Largeur + k.width) / 2, m.Hauteur + k.walls};
}

FlapTrayShape gluedTray(const Model& m) {
    const TraySizes s = traySizes(m);
    FlapTrayShape t;
    t.a = s.a;
    t.b = s.b;
    t.h = s.h;
    t.flap = flapOrWall(m, s.h);
    return t;
}

void gluedTrayDimensions(Drawing& d, const FlapTrayShape& t, bool turned, bool flapWidth,
                         CustomerProfile profile) {
    const float wall = t.h + (t.innerWall > 0 ? t.doubleWallStep + t.innerWall : 0);
    const float endWall = std::max(t.h, trayFlapWidth(t));
    FlatBlankChains c;
    c.across = {endWall, 2 * t.a, endWall};
    c.up = {wall, 2 * t.b, wall};
    if (t.doubleFlaplessWalls) {
        // The walls beyond x = +-a are the double ones, the flaps stand within the single walls.
        c.across = {std::max(wall, trayFlapWidth(t)), 2 * t.a, std::max(wall, trayFlapWidth(t))};
        c.up = {t.h, 2 * t.b, t.h};
    }
    if (turned)
        std::swap(c.across, c.up);
    FlatBlankDimensions(d, c, profile);
    if (flapWidth) {
        const float fw = trayFlapWidth(t);
        const float y = t.b + t.h / 2;
        if (turned)
            dimension(d, {.from = {-y, t.a}, .to = {-y, t.a + fw}, .at = {-y, 0}});
        else
            dimension(d, {.from = {t.a, y}, .to = {t.a + fw, y}, .at = {0, y}});
    }
}

namespace {

// A flap wider than half the wall it is glued to is cut back, and its width is shown.
bool cutBack(const FlapTrayShape& t) {
    return trayFlapWidth(t) < t.flap;
}

// The folders' own rule for their fourth dimension: half the width below the flap.
bool halfWidthBelowFlap(const Model& m, const FlapTrayShape& t) {
    return m.Largeur / 2 < t.flap;
}

void drawGluedTray(Model& m, Drawing& d, const FlapTrayShape& t, bool flapWidth,
                   bool turned = false) {
    GenerationPass pass(d);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m), {0, 0, turned ? 90.0f : 0.0f, false}));
    gluedTrayDimensions(d, t, turned, flapWidth, m.Personnalisation.profile());
}

// 0455's allowances: its outer end walls stand as high as the tray's walls, its side walls and
// inner end walls on the height with their own.
struct DoubleEndWallAllowances {
    float walls;          // 5: the walls, as traySizes reads it
    float innerEndWalls;  // 6: the inner end walls beyond the double-wall band
    float sideWalls;      // 8: the side walls
};

DoubleEndWallAllowances doubleEndWallAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.walls = k[5], .innerEndWalls = k[6], .sideWalls = k[8]};
}

DoubleWallSizes doubleEndWalls(const Model& m, const TraySizes& s) {
    const DoubleEndWallAllowances k = doubleEndWallAllowances(m);
    return {.sideWall = s.h - k.walls + k.sideWalls,
            .endWall = s.h,
            .cornerFlap = s.h,
            .endWallStep = s.h - k.walls + k.innerEndWalls + m.Dblmur};
}

// 0480's lid, hinged on the back wall: its back and its depth each give up one allowance of the
// tray's and take one of their own.
struct HingedLidTrayAllowances {
    float backTrim;   // 3: taken off the wall height for the lid's back (the base's width's too)
    float back;       // 6: the lid's back over the wall
    float depthTrim;  // 2: taken off the base's width for the lid's depth
    float depth;      // 7: the lid's depth
};

HingedLidTrayAllowances hingedLidTrayAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.backTrim = k[3], .back = k[6], .depthTrim = k[2], .depth = k[7]};
}

// The lid's back is both the end wall and the corner flaps beside it, the lid the step beyond.
DoubleWallSizes hingedLid(const Model& m, const TraySizes& s) {
    const HingedLidTrayAllowances k = hingedLidTrayAllowances(m);
    const float back = s.h - k.backTrim + k.back;
    return {.sideWall = s.h,
            .endWall = back,
            .cornerFlap = back,
            .endWallStep = 2 * s.b - k.depthTrim + k.depth};
}

// The tray on the given sizes, its corner flaps `flap` high.
DoubleWallTrayShape cornerFlapTray(const TraySizes& s, float flap) {
    return {.a = s.a, .b = s.b, .h = s.h, .flap = flap};
}

// The kind the chains after a double-wall tray are stamped with, the last its builder chose: its
// hand-holes' cut, else its folds' crease.
LineKind doubleWallChainKind(const Model& m) {
    return handHoleKind(m) != HandHoleKind::None ? kind::Cut : kind::Crease;
}

void drawDoubleWallTray(Model& m, Drawing& d, DoubleWallTrayShape s) {
    GenerationPass pass(d);
    s.halfInsideLength = m.Longueur / 2;
    recordBlankPasses(m, DoubleWallTray(d, s, blankSettingsOf(m)));
    const PenScope chains(d, doubleWallChainKind(m));
    const Box box = d.extents();
    FlatBlankChains c;
    c.across = {static_cast<float>(-box.xmin) - s.a, 2 * s.a, static_cast<float>(box.xmax) - s.a};
    c.up = {static_cast<float>(-box.ymin) - s.b, 2 * s.b, static_cast<float>(box.ymax) - s.b};
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

}  // namespace

void Fco0450(Model& m, Drawing& d) {
    const FlapTrayShape t = gluedTray(m);
    drawGluedTray(m, d, t, halfWidthBelowFlap(m, t));
}

void Fco0434(Model& m, Drawing& d) {
    // The flaps on the short walls, glued inside the long ones.
    FlapTrayShape t = gluedTray(m);
    std::swap(t.a, t.b);
    drawGluedTray(m, d, t, halfWidthBelowFlap(m, t), true);
}

void Fco0453(Model& m, Drawing& d) {
    // 0450's blank: its flaps are glued outside the walls.
    Fco0450(m, d);
}

void Fco0454(Model& m, Drawing& d) {
    FlapTrayShape t = gluedTray(m);
    t.flap = m.hrabat;
    t.doubleWallStep = m.Dblmur;
    const TrayAllowances k = trayAllowances(m);
    t.innerWall = m.Hauteur + k.innerWalls - k.innerDrop;
    drawGluedTray(m, d, t, cutBack(t));
}

void Fco0456(Model& m, Drawing& d) {
    FlapTrayShape t = gluedTray(m);
    t.flap = m.hrabat;
    t.handHoles = true;
    drawGluedTray(m, d, t, cutBack(t));
}

void Fco0458(Model& m, Drawing& d) {
    // Hand-holes that push in: perforated round the hole, creased along the upper edge.
    const FlapTrayShape t = gluedTray(m);
    // The hole stands inside its end wall with its land from the wall's folds, the base's
    // crease and the free edge; its upper edge moves from `DPoign` when that is too close.
    const float land = handHoleLand(m.EpaisseurCarton);
    if (m.LPoign + 2 * land > 2 * t.a || m.HPoign + 2 * land > t.h || m.DPoign < 0)
        throw GenerationError(
            "Poignée plus grande que la paroi : " + platform::readableNumber(m.LPoign) + " x " +
            platform::readableNumber(m.HPoign) + "\u00a0mm avec " + platform::readableNumber(land) +
            "\u00a0mm de carton autour, dans une paroi de " + platform::readableNumber(2 * t.a) +
            " x " + platform::readableNumber(t.h) + "\u00a0mm");
    const float edge = t.b + t.h - handHoleDrop(m.DPoign, m.HPoign, t.h, land);
    GenerationPass pass(d);
    recordBlankPasses(m, FlapTray(d, t, blankSettingsOf(m)));
    VariableHandHoleCutShape hole{m.LPoign, m.HPoign, kind::Perforation, 1, true};
    VariableHandHoleCut(d, hole, {0, edge, 0, false});
    VariableHandHoleCut(d, hole, {0, -edge, 180, false});
    gluedTrayDimensions(d, t, false, cutBack(t), m.Personnalisation.profile());
}

void Fco0451(Model& m, Drawing& d) {
    TraySizes s = traySizes(m);
    if (m.Personnalisation == CustomerProfile::Gorvante) {
        const float k = trayAllowances(m).length;
        s = {(m.Longueur + 2 * k) / 2, (m.Largeur + 2 * k) / 2, m.Hauteur + k};
        drawDoubleWallTray(m, d, cornerFlapTray(s, s.h));
        return;
    }
    drawDoubleWallTray(m, d, cornerFlapTray(s, flapOrWall(m, s.h)));
}

void Fco0452(Model& m, Drawing& d) {
    // Corner flaps folded on the diagonal: the corners need no glue.
    const TraySizes s = traySizes(m);
    DoubleWallTrayShape tray = cornerFlapTray(s, flapOrWall(m, s.h));
    tray.flapDiagonals = true;
    drawDoubleWallTray(m, d, tray);
    if (m.Personnalisation == CustomerProfile::Qor) {
        d.BeginDrawing();
        const PenScope chains(d, doubleWallChainKind(m));
        dimension(d, {.from = {-s.a, 0}, .to = {s.a, 0}, .at = {0, 0}});
        d.EndDrawing();
    }
}

void Fco0455(Model& m, Drawing& d) {
    const TraySizes s = traySizes(m);
    DoubleWallTrayShape tray = cornerFlapTray(s, 0);
    tray.flaps = CornerFlaps::DoubleEndWalls;
    tray.doubleWall = doubleEndWalls(m, s);
    drawDoubleWallTray(m, d, tray);
}

void Fco0480(Model& m, Drawing& d) {
    // A tray with a hinged lid: beyond the back wall a lid as deep as the base, the side
    // walls' flaps running on as the lid's side flaps; plain corner flaps at the front.
    const TraySizes s = traySizes(m);
    GenerationPass pass(d);
    const float f = m.hrabat;
    // The front first: its quarters record every flap pass, the lid's then take the upper ones.
    DoubleWallTrayShape front = cornerFlapTray(s, f);
    front.halfInsideLength = m.Longueur / 2;
    DoubleWallTrayShape back = front;
    back.flaps = CornerFlaps::UpperLid;
    back.doubleWall = hingedLid(m, s);
    const BlankSettings settings = blankSettingsOf(m);
    recordPasses(m, DoubleWallTrayQuarter(d, front, settings, {.mirrored = true}));
    recordPasses(m, DoubleWallTrayQuarter(d, front, settings, {.angle = 180}));
    recordPasses(m, DoubleWallTrayQuarter(d, back, settings));
    recordPasses(m, DoubleWallTrayQuarter(d, back, settings, {.angle = 180, .mirrored = true}));
    const Box box = d.extents();
    const float lid = static_cast<float>(box.ymax) - s.b;
    const float lidT = back.doubleWall->endWall;
    FlatBlankChains c;
    c.across = {s.h, 2 * s.a, s.h};
    c.up = {s.h, 2 * s.b, lidT, lid - lidT};
    const PenScope chains(d, doubleWallChainKind(m));
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

void selfLockingTray(Model& m, Drawing& d, const TraySizes& s, bool lockSlits) {
    const float e = m.EpaisseurCarton;
    const float reach = std::min(s.h, s.b) - e;
    const int first = beginFeature(d);
    PenScope pen(d, kind::Cut);
    // Quarter x >= 0, y >= 0: end wall, long wall, and the ear between them.
    line(d, s.a + s.h, 0, s.a + s.h, s.b);
    line(d, s.a + s.h, s.b, s.a, s.b);
    line(d, s.a, s.b + s.h, 0, s.b + s.h);
    pen.setKind(kind::Crease);
    line(d, 0, s.b, s.a, s.b);
    line(d, s.a, 0, s.a, s.b);
    // A slot a board wide in the end wall along its crease, where the ear's free end lies once
    // folded: its rounded corner is pushed through and locks the corner. A wall too low or an
    // ear too short to hold one is left without.
    if (lockSlits && s.h > 4 * e && reach > 4 * e) {
        const float from = s.b - reach, to = s.b - reach / 2;
        pen.setKind(kind::Cut);
        chainStart(d, s.a + e, from);
        lineTo(d, s.a + 2 * e, from);
        lineTo(d, s.a + 2 * e, to);
        lineTo(d, s.a + e, to);
        lineTo(d, s.a + e, from);
        pen.setKind(kind::Crease);
    }
    RoundedFlapShape ear;
    ear.width = s.h;
    ear.depth = reach;
    ear.radius = reach / 2;
    ear.fillet = e;
    ear.inset = std::min(e, s.h / 4);
    RoundedFlap(d, ear, {s.a, s.b, 90, true});
    mirrorRegistered(d, first, 0, 0, 0);
    mirrorRegistered(d, first, 0, 0, 90);
}

void Fco0457(Model& m, Drawing& d) {
    // Self-locking tray: ears with a rounded free corner on the ends of the long walls, folded
    // inside the end walls, their corners pushed through slits in the end walls' creases; no
    // glue.
    const TraySizes s = traySizes(m);
    GenerationPass pass(d);
    selfLockingTray(m, d, s, true);
    FlatBlankChains c;
    c.across = {s.h, 2 * s.a, s.h};
    c.up = {s.h, 2 * s.b, s.h};
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

std::vector<FoldPair> foldsGluedTray(const Model& m) {
    const FlapTrayShape t = gluedTray(m);
    const float fw = trayFlapWidth(t);
    return {{"pattes d'angle", fw, fw, 2 * t.b, FoldFit::NoCollision}};
}

std::vector<FoldPair> folds0457(const Model& m) {
    const TraySizes s = traySizes(m);
    const float reach = std::min(s.h, s.b) - m.EpaisseurCarton;
    return {{"oreilles", reach, reach, 2 * s.b, FoldFit::NoCollision}};
}

}  // namespace brontaxe
