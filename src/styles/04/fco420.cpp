#include "styles/04/fco420.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
std::string folderMm(float v) {
    return platform::readableNumber(v, "mm");
}

namespace {

struct RuleOf {
    DefaultAllowanceRule rule;
    std::int16_t style;
    std::int16_t alsoStyle;
};

constexpr RuleOf k0421{DefaultAllowanceRule::B, 421, 0};
constexpr RuleOf k0422{DefaultAllowanceRule::A, 422, 423};
constexpr RuleOf k0427{DefaultAllowanceRule::A, 427, 0};

// 0421's lid, as long as the bottom under rule B, would hinge its dust flaps over the rolled
// side walls: they hinge inside the walls' inner layers, where 0427's do.
LockingFolder folderOf(const Model& m, const RuleOf& r) {
    LockingFolder f = lockingFolder(m);
    if (r.style == k0421.style)
        f.lidLength = std::min(f.lidLength, 2 * (f.half - m.Dblmur));
    return f;
}

std::optional<std::string> problemWith(Model m, const RuleOf& r) {
    applyDefaultsWithoutRow(m, r.rule, r.style, r.alsoStyle);
    try {
        return lockingFolderProblem(folderOf(m, r), m);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

}  // namespace

void mirrorAboutYAxis(Drawing& d, int first) {
    const int last = d.tracer().count();
    for (int i = first; i <= last; ++i) {
        ensureRegistryRoom(d);
        registerElement(
            d, d.AddTransformedCopy(d.tracer().id(i), Transform::mirrorAcross({0, 0}, 90)));
    }
}

FolderHalves::FolderHalves(Drawing& d) : d_(d), pass_(d) {
    first_ = beginFeature(d);
}

void FolderHalves::closeWithTenonedWall(const LockingFolder& f) {
    TenonedFlanks(d_, f.wall, {.x = f.half, .y = f.y1 - f.d});
    mirror();
}

void FolderHalves::mirror() {
    mirrorAboutYAxis(d_, first_);
}

Model withFolderAllowances(const Model& m, std::initializer_list<std::pair<int, int>> places) {
    Model f = m;
    f.Majo.fill(0);
    for (const auto& [place, own] : places)
        f.Majo[static_cast<std::size_t>(place)] = m.Majo[static_cast<std::size_t>(own)];
    return f;
}

std::optional<std::string> tuckFlapProblem(const LockingFolder& f, const Model& m) {
    if (f.tuckHeight < kMinStrip)
        return "Patte rentrante impossible : " + folderMm(f.tuckHeight) + " de haut";
    if (m.RcoupPouce > 0 &&
        (m.RcoupPouce > f.tuckHeight - kMinStrip || m.RcoupPouce > f.tuckLength / 2 - kMinStrip))
        return "Encoche de pouce trop grande : un rayon de " + folderMm(m.RcoupPouce) +
               " ne tient pas dans la patte rentrante";
    return std::nullopt;
}

void folderBackEarCut(Drawing& d, const LockingFolder& f, float earTop) {
    const PenScope pen(d, kind::Cut);
    if (earTop < f.y3 - kLengthTolerance)
        line(d, f.backLength / 2, earTop, f.backLength / 2, f.y3);
}

void folderBottomCreases(Drawing& d, const LockingFolder& f) {
    const PenScope pen(d, kind::Crease);
    line(d, -f.frontLength / 2, f.y1, f.frontLength / 2, f.y1);
    line(d, -f.backLength / 2, f.y2, f.backLength / 2, f.y2);
}

void folderEar(Drawing& d, const LockingFolder& f, const EarPlace& ear) {
    const auto [hinge, reach, edge, join] = ear;
    const float dir = join > edge ? 1.0f : -1.0f;
    const float D = f.decPatte;
    const float corner = f.half + f.outerWall;
    const PenScope pen(d, kind::Cut);
    chainStart(d, hinge, edge);
    lineTo(d, reach, edge);
    if (reach <= corner + kLengthTolerance) {
        // A narrow ear ends on the side wall's end edge.
        lineTo(d, reach, join);
        return;
    }
    lineTo(d, reach, join - dir * D);
    const ElementId slant = lineTo(d, corner, join - dir * D / 2);
    if (D > kLengthTolerance) {
        const ElementId step = lineTo(d, corner, join);
        // The rounding needs a slant longer than the step is deep.
        if (D / 2 - 1 > kLengthTolerance && reach - corner > D)
            fillet(d, slant, step, D / 2 - 1);
    }
}

void folderMiddleLines(Model& m, Drawing& d, const LockingFolder& f, float lidHinge) {
    folderBottomCreases(d, f);
    PenScope pen(d, kind::Crease);
    line(d, -f.lidLength / 2, f.y3, f.lidLength / 2, f.y3);
    line(d, -lidHinge, f.y4, lidHinge, f.y4);
    pen.setKind(kind::Cut);
    line(d, -f.frontLength / 2, 0, f.frontLength / 2, 0);
    if (m.RcoupPouce > kLengthTolerance)
        arc(d, {0, f.y5}, m.RcoupPouce, 0, -180);
}

void folderDimensions(Drawing& d, const LockingFolder& f) {
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    d.GetExtents(xmin, ymin, xmax, ymax);
    const float g = ((xmax - xmin) + (ymax - ymin)) / 25;
    const PenScope pen(d, kind::Text);
    dimension(d, {.from = {xmin, ymin - g}, .to = {xmax, ymin - g}, .at = {0, ymin - g}});
    dimension(d, {.from = {xmax + g, ymin}, .to = {xmax + g, ymax}, .at = {xmax + g, 0}});
    dimension(d,
              {.from = {xmax + 2 * g, f.y1}, .to = {xmax + 2 * g, f.y2}, .at = {xmax + 2 * g, 0}});
}

float folderEars(Drawing& d, const LockingFolder& f) {
    // Front ear, then the slit that frees it from the bottom.
    folderEar(d, f, {.hinge = f.frontLength / 2, .reach = f.xa, .edge = 0, .join = f.y1 - f.d});
    PenScope pen(d, kind::Cut);
    pen.setVariant(2);
    line(d, f.half, f.y1 - f.d, f.frontLength / 2, f.y1);
    pen.setVariant(1);
    pen.setKind(kind::Crease);
    line(d, f.frontLength / 2, f.y1, f.frontLength / 2, 0);

    // Back ear, below the back wall's top corner.
    const float earTop = f.backEarTop;
    line(d, f.backLength / 2, f.y2, f.backLength / 2, earTop);
    pen.setKind(kind::Cut);
    pen.setVariant(2);
    line(d, f.backLength / 2, f.y2, f.half, f.y2 + f.d);
    pen.setVariant(1);
    folderEar(d, f, {.hinge = f.backLength / 2, .reach = f.xb, .edge = earTop, .join = f.y2 + f.d});
    return earTop;
}

namespace {

void drawLockingFolder(Model& m, Drawing& d, const LockingFolder& f) {
    if (auto problem = lockingFolderProblem(f, m))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    folderLid(m, d, f, folderEars(d, f));
    halves.closeWithTenonedWall(f);

    folderMiddleLines(m, d, f, f.lidLength / 2);
    folderDimensions(d, f);
}

void run(Model& m, Drawing& d, const RuleOf& r) {
    applyDefaultsWithoutRow(m, r.rule, r.style, r.alsoStyle);
    drawLockingFolder(m, d, folderOf(m, r));
}

}  // namespace

void folderLid(Model& m, Drawing& d, const LockingFolder& f, float earTop) {
    // Lid dust flap.
    PenScope pen(d, kind::Cut);
    chainStart(d, f.backLength / 2, earTop);
    lineTo(d, f.lidLength / 2, f.y3);
    lineTo(d, f.lidLength / 2 + m.hrabat, f.y3 + f.c);
    lineTo(d, f.lidLength / 2 + m.hrabat, f.y4 - f.c);
    lineTo(d, f.lidLength / 2, f.y4);

    // Tuck flap with its rounded side wing.
    const float wingBase = f.y4 + lockingFolderAllowances(m).tuckWingDrop;
    chainStart(d, f.lidLength / 2, f.y4);
    lineTo(d, f.tuckLength / 2, wingBase);
    lineTo(d, f.tuckLength / 2 + f.tuckWing, wingBase);
    arc(d, {f.tuckLength / 2, wingBase}, f.tuckWing, 0, 90);
    // A wing cut back to the box's depth leaves the flap's side above it free.
    const float wingTop = std::min(wingBase + f.tuckWing, f.y5);
    if (wingTop < f.y5 - kLengthTolerance)
        line(d, f.tuckLength / 2, wingTop, f.tuckLength / 2, f.y5);
    pen.setKind(kind::Crease);
    line(d, f.tuckLength / 2, wingBase, f.tuckLength / 2, wingTop);
    line(d, f.lidLength / 2, f.y3, f.lidLength / 2, f.y4);
    pen.setKind(kind::Cut);
    line(d, f.tuckLength / 2, f.y5, std::max(m.RcoupPouce, 0.0f), f.y5);
}

float innerWallRise(const LockingFolder& f, float thickness) {
    // The outer wall rises from the bottom's mid-plane to the top strip's, the inner wall hangs
    // from the top strip's; it rests on the bottom's inside face when it is long enough.
    return std::max(0.0f, f.outerWall - f.innerWall - thickness / 2);
}

LockingFolder drawnFolder(const Model& m, std::int16_t style) {
    Model own = m;
    switch (style) {
        case 421:
            applyDefaultsWithoutRow(own, k0421.rule, k0421.style, k0421.alsoStyle);
            return folderOf(own, k0421);
        case 423:
            std::swap(own.Longueur, own.Largeur);
            [[fallthrough]];
        case 422:
            applyDefaultsWithoutRow(own, k0422.rule, k0422.style, k0422.alsoStyle);
            return lockingFolder(own);
        case 427:
            applyDefaultsWithoutRow(own, k0427.rule, k0427.style, k0427.alsoStyle);
            return lockingFolder(own);
        case 425:
            return openTrayFolder(own);
        case 426:
            return lockingFolder(own);
        case 429:
            return roundedFolder(own);
        case 424:
            applyDefaultsWithoutRow(own, DefaultAllowanceRule::Rule0424, 424);
            return trayFolder(own, 424);
        case 470:
            applyDefaultsWithoutRow(own, DefaultAllowanceRule::Rule0470, style);
            return trayFolder(own, style);
        case 471:
            applyDefaultsWithoutRow(own, DefaultAllowanceRule::Rule0470, style);
            return mailerFolder(own);
        default:
            throw GenerationError("Modèle sans flancs à tenons : " + std::to_string(style));
    }
}

LockingFolder lockingFolder(const Model& m, bool tenoned) {
    return lockingFolder(m, {.length = m.Longueur, .width = m.Largeur}, tenoned);
}

LockingFolder lockingFolder(const Model& m, FolderFootprint footprint, bool tenoned) {
    const LockingFolderAllowances k = lockingFolderAllowances(m);
    const float L = footprint.length, W = footprint.width, H = m.Hauteur, e = m.EpaisseurCarton;
    LockingFolder f;
    const float L1 = L + k.bottomLength;
    f.half = L1 / 2;
    f.frontLength = L + k.frontLength;
    f.backLength = L + k.backLength;
    f.lidLength = L + k.lidLength;
    f.tuckLength = L + k.tuckLength;
    f.bottomWidth = W + k.bottomWidth;
    f.sideLength = W + k.sideLength;
    f.lidWidth = W + k.lidWidth;
    f.outerWall = H + k.outerWall;
    f.innerWall = H + k.innerWall;
    f.frontHeight = H + k.frontHeight;
    f.backHeight = H + k.backHeight;
    f.tuckHeight = H + k.tuckHeight;
    f.d = (f.sideLength - f.bottomWidth) / 2;
    f.ear = f.bottomWidth / 2 - k.earShort;
    f.c = m.hrabat / 3;
    f.y1 = f.frontHeight;
    f.y2 = f.y1 + f.bottomWidth;
    f.y3 = f.y2 + f.backHeight;
    f.y4 = f.y3 + f.lidWidth;
    f.y5 = f.y4 + f.tuckHeight;
    // The tuck flap's wings stand against the side walls behind the front wall: no deeper than
    // the box, however high the flap.
    f.tuckWing = std::min(f.tuckHeight - k.tuckWingDrop, f.bottomWidth - 2 * e);
    f.backEarTop = f.y3 - k.earShort;

    f.xa = f.frontLength / 2 + f.ear;
    f.xb = f.backLength / 2 + f.ear;
    // Without tenons the wall's second panel is a flap of `hrabat`.
    f.reachLimit = f.half + f.outerWall + m.Dblmur + (tenoned ? f.innerWall : m.hrabat) + m.htenon;
    if (f.xa > f.reachLimit || f.xb > f.reachLimit)
        f.xa = f.xb = f.reachLimit;
    // The step is kept only where the ears pass the outer wall and both ears keep board
    // beside it.
    const float corner = f.half + f.outerWall;
    const float frontEar = f.y1 - f.d;
    const float backEar = f.backHeight - k.earShort - f.d;
    f.decPatte = m.DecPatte;
    if (!(corner <= f.xa && corner <= f.xb) || f.decPatte >= frontEar - kMinStrip ||
        f.decPatte >= backEar - kMinStrip || f.decPatte < 0)
        f.decPatte = 0;

    TenonedWall& w = f.wall;
    w.length = f.sideLength;
    // The top strip and inner wall fit between the front and back walls: shortened by the
    // overrun and one board at each end.
    w.inset = std::max(f.d, 0.0f) + e;
    w.outer = f.outerWall;
    w.top = m.Dblmur;
    w.inner = f.innerWall;
    w.type = tenoned ? WallType::Locked : WallType::Plain;
    // `htenon` is how far a tenon goes into the bottom; where the inner wall stops short of the
    // bottom it stands that much further out, so that it still passes through.
    w.tenon = {m.lgtenon, m.htenon + innerWallRise(f, e), m.AngTenon};
    w.mortise = {m.lgmortaise, m.hmortaise, m.RMortaise, m.pmortaise};
    w.count = tenoned ? mortiseCount(m.nbmortaise, f.bottomWidth, m.lgmortaise, m.pmortaise) : 0;
    w.mortiseGap = e / 2;
    w.frontJoin = f.xa < corner ? f.xa - f.half : 0;
    w.backJoin = f.xb < corner ? f.xb - f.half : 0;
    return f;
}

std::optional<std::string> tenonedWallProblem(const LockingFolder& f, const Model& m) {
    if (f.wall.count > 0 && m.hmortaise + f.wall.mortiseGap > f.half - kMinStrip)
        return "Mortaises trop hautes : " + folderMm(m.hmortaise) + " pour un fond de " +
               folderMm(2 * f.half);
    return wallProblem(f.wall);
}

std::optional<std::string> folderBodyProblem(const LockingFolder& f, const Model& m) {
    if (f.d < 0)
        return "Majorations incohérentes : le flanc (" + folderMm(f.sideLength) +
               ") est plus court que le fond (" + folderMm(f.bottomWidth) + ")";
    if (std::min(f.xa, f.xb) < f.half + kMinStrip)
        return "Largeur trop petite : les oreilles de " + folderMm(f.ear) +
               " n'atteignent pas le bord du fond ; il faut une largeur plus grande ou une "
               "majoration 15 plus petite";
    if (f.y1 - f.d < kMinStrip ||
        f.backHeight - lockingFolderAllowances(m).earShort - f.d < kMinStrip)
        return "Hauteur trop petite : " + folderMm(m.Hauteur) +
               " ne laisse pas de place aux oreilles des parois";
    if (f.lidLength / 2 < kMinStrip || f.tuckLength / 2 < kMinStrip || f.backLength / 2 > f.half ||
        f.frontLength / 2 > f.half)
        return "Majorations incohérentes : les parois avant et arrière débordent du fond";
    return std::nullopt;
}

std::optional<std::string> lockingFolderProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    if (!(m.hrabat >= kMinStrip) || f.lidWidth < 2 * f.c + kMinStrip)
        return "Rabats du couvercle impossibles : " + folderMm(m.hrabat) +
               " de haut sur un couvercle de " + folderMm(f.lidWidth);
    if (f.tuckWing < kMinStrip)
        return "Patte rentrante impossible : la majoration 16 (" +
               folderMm(lockingFolderAllowances(m).tuckWingDrop) +
               ") dépasse la hauteur de la patte (" + folderMm(f.tuckHeight) + ")";
    if (m.RcoupPouce > 0 &&
        (m.RcoupPouce > f.tuckWing - kMinStrip || m.RcoupPouce > f.tuckLength / 2 - kMinStrip))
        return "Encoche de pouce trop grande : un rayon de " + folderMm(m.RcoupPouce) +
               " ne tient pas dans la patte rentrante";
    if (f.wall.count > 0 && m.hmortaise + f.wall.mortiseGap > f.half - kMinStrip)
        return "Mortaises trop hautes : " + folderMm(m.hmortaise) + " pour un fond de " +
               folderMm(2 * f.half);
    return wallProblem(f.wall);
}

std::optional<std::string> rule0421(const Model& m) {
    return problemWith(m, k0421);
}
std::optional<std::string> rule0422(const Model& m) {
    Model own = m;
    applyDefaultsWithoutRow(own, k0422.rule, k0422.style, k0422.alsoStyle);
    try {
        return openTrayProblem(lockingFolder(own), own);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}
std::optional<std::string> rule0427(const Model& m) {
    return problemWith(m, k0427);
}
std::optional<std::string> rule0423(const Model& m) {
    Model turned = m;
    std::swap(turned.Longueur, turned.Largeur);
    return rule0422(turned);
}

void Fco0427(Model& m, Drawing& d) {
    run(m, d, k0427);
}
void Fco0421(Model& m, Drawing& d) {
    run(m, d, k0421);
}
namespace {

// The roll-end tray: 0427's bottom and walls without its lid. The end walls roll over the ears
// of the front and back walls and lock into the bottom.
void drawRollEndTray(Model& m, Drawing& d, FolderFootprint footprint) {
    applyDefaultsWithoutRow(m, k0422.rule, k0422.style, k0422.alsoStyle);
    const LockingFolder f = lockingFolder(m, footprint);
    if (auto problem = openTrayProblem(f, m))
        throw GenerationError(*problem);
    drawOpenLockingTray(d, f);
}

}  // namespace

void Fco0422(Model& m, Drawing& d) {
    drawRollEndTray(m, d, {.length = m.Longueur, .width = m.Largeur});
}

// 0422 on the width, turned a quarter.
void Fco0423(Model& m, Drawing& d) {
    drawRollEndTray(m, d, {.length = m.Largeur, .width = m.Longueur});
    if (d.tracer().count() == 0)
        return;
    d.BeginDrawing();
    d.TransformRange(d.tracer().id(1), d.tracer().id(d.tracer().count()), Transform::turn(90));
    d.EndDrawing();
}

}  // namespace brontaxe
