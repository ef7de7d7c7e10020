#include <algorithm>
#include <stdexcept>

#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/hand_hole.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

// A lid beyond the end wall, its side flaps over the side walls.
bool hasLid(CornerFlaps flaps) {
    return flaps == CornerFlaps::UpperLid || flaps == CornerFlaps::LowerLid;
}

struct QuarterSizes {
    float V;  // side-wall height
    float T;  // end-wall height
    float F;  // corner-flap height
    float D;  // double-wall step of the end wall
    float E() const { return F + D; }
};

QuarterSizes quarterSizes(const DoubleWallTrayShape& t) {
    const float h = t.h;
    switch (t.flaps) {
        case CornerFlaps::DoubleEndWalls:
        case CornerFlaps::UpperLid:
        case CornerFlaps::LowerLid: {
            if (!t.doubleWall)
                throw std::invalid_argument("a double-wall or lidded tray needs its wall sizes");
            const DoubleWallSizes& w = *t.doubleWall;
            return {w.sideWall, w.endWall, w.cornerFlap, w.endWallStep};
        }
        case CornerFlaps::None:
            return {h, h, 0, 0};
        case CornerFlaps::GivenHeight:
            break;
    }
    // A negative height leaves the side walls without corner flaps.
    return {h, h, std::max(t.flap, 0.0f), 0};
}

MachinePasses quarterPasses(const QuarterSizes& s, float a, float b, CornerFlaps flaps) {
    using namespace machine_pass;
    MachinePasses p;
    p.set(width(0), s.V);
    p.set(width(1), 2 * a);
    p.set(width(2), s.V);
    p.set(kBodyHeight, 2 * b);
    const float heights[] = {s.E(), s.T + s.D, s.E(), 0};
    for (std::size_t column = 0; column < 4; ++column) {
        if (flaps != CornerFlaps::LowerLid)
            p.set(upperFlap(column), heights[column]);
        if (flaps != CornerFlaps::UpperLid)
            p.set(lowerFlap(column), heights[column]);
    }
    return p;
}

struct Quarter {
    float a, b, s1, s2, top;
    QuarterSizes s;
    CornerFlaps flaps;
};

// Creases across the corner flap only where the flap reaches.
void flapCrease(Drawing& d, const Quarter& q, float y) {
    if (y < q.top - kEps)
        line(d, q.a + q.s2, y, q.a + q.s.V, y);
}

void drawDoubleWallCreases(Drawing& d, const Quarter& q, float band, bool acrossFlap) {
    const float b = q.b;
    const float T = q.s.T;
    line(d, 0, b + T, q.a - q.s1, b + T);
    if (acrossFlap)
        flapCrease(d, q, b + T);
    if (q.flaps == CornerFlaps::DoubleEndWalls) {
        line(d, 0, b + T + band, q.a - q.s1, b + T + band);
        if (acrossFlap)
            flapCrease(d, q, b + T + band);
    }
}

void drawCornerCreases(Drawing& d, const Quarter& q, const DoubleWallTrayShape& t) {
    const float a = q.a;
    const float b = q.b;
    const float V = q.s.V;
    if (t.endWallDiagonals)
        line(d, a - q.s1, b, std::max(0.0f, a - q.s1 - V), b + q.s.T);
    if (t.sideWallDiagonals)
        line(d, a, b, a + V, std::max(0.0f, b - V));
    if (t.flapDiagonals && q.top > b + kEps) {
        const float half = t.halfInsideLength;
        float endY = half >= q.s.E() && !hasLid(q.flaps) ? b + q.s.F : b + half;
        float endX = a + V;
        // A diagonal longer than the flap stops at the flap's top.
        if (endY > q.top && endY > b) {
            endX = a + q.s2 + (endX - a - q.s2) * (q.top - b) / (endY - b);
            endY = q.top;
        }
        line(d, a + q.s2, b, endX, endY);
    }
}

// The outline of a quarter: side wall and corner flap, the slot, end wall and its step.
void cutWallQuarter(Drawing& d, const Quarter& q) {
    chainStart(d, q.a + q.s.V, 0);
    lineTo(d, q.a + q.s.V, q.top);
    lineTo(d, q.a + q.s2, q.top);
    lineTo(d, q.a + q.s2, q.b);
    lineTo(d, q.a - q.s1, q.b);
    lineTo(d, q.a - q.s1, q.b + q.s.T + q.s.D);
    lineTo(d, 0, q.b + q.s.T + q.s.D);
}

// The outline of a lidded quarter: the lid as wide as the end wall it hinges on, its side flap
// beyond, over the slot and the side wall, folds down inside the side wall; the corner flap,
// cut from it at the lid's hinge or lower, turns against the end wall, a slot apart from it.
void cutLidQuarter(Drawing& d, const Quarter& q) {
    const float lidHinge = q.b + q.s.T;
    const float lidEdge = lidHinge + q.s.D;
    chainStart(d, q.a + q.s.V, 0);
    lineTo(d, q.a + q.s.V, q.top);
    if (q.top < lidHinge - kEps) {
        lineTo(d, q.a + q.s2, q.top);
        lineTo(d, q.a + q.s2, q.b);
        lineTo(d, q.a - q.s1, q.b);
        lineTo(d, q.a - q.s1, lidHinge);
        lineTo(d, q.a + q.s.V, lidHinge);
        lineTo(d, q.a + q.s.V, lidEdge);
        lineTo(d, 0, lidEdge);
        return;
    }
    lineTo(d, q.a + q.s.V, lidEdge);
    lineTo(d, 0, lidEdge);
    chainStart(d, q.a + q.s.V, lidHinge);
    lineTo(d, q.a + q.s2, lidHinge);
    lineTo(d, q.a - q.s1, lidHinge);
    lineTo(d, q.a - q.s1, q.b);
    lineTo(d, q.a + q.s2, q.b);
    lineTo(d, q.a + q.s2, lidHinge);
}

// Half of the side wall's hand-hole, the other half comes with the mirrored quarter.
void drawHandHoleHalf(Drawing& d, const WallHandHole& hole, float a, float b, float h) {
    const HandHoleKind type = hole.shape.type;
    if (type == HandHoleKind::None)
        return;
    checkHandHoleSize(hole.shape);
    checkHandHoleFits(hole, 2 * b, h);
    const float x0 = a + h - hole.drop;
    const float H = hole.shape.height;
    const float c = (hole.shape.length - H) / 2;
    PenScope pen(d, hasHingedUpperEdge(type) ? kind::Crease : kind::Cut);
    line(d, x0, 0, x0, c);
    pen.setKind(kind::Cut);
    arc(d, {x0 - H / 2, c}, H / 2, 0, 180);
    line(d, x0 - H, c, x0 - H, 0);
    if (type == HandHoleKind::FoldingTab) {
        const float e = hole.shape.tab;
        chainStart(d, x0, c);
        lineTo(d, x0 + e, c);
        lineTo(d, x0 + e, c + e);
        pen.setKind(kind::Crease);
        line(d, x0 + e, c, x0 + e, 0);
    }
}

}  // namespace

MachinePasses DoubleWallTrayQuarter(Drawing& d, const DoubleWallTrayShape& t,
                                    const BlankSettings& settings, const FeaturePlacement& at) {
    const float a = t.a;
    const float b = t.b;
    const QuarterSizes s = quarterSizes(t);
    const auto [s1, s2] = settings.slots;
    const float E = s.E();
    // A corner flap higher than the base's half length is cut back to it, unless it has none.
    const bool cutBack =
        E > a && (t.flaps == CornerFlaps::GivenHeight || t.flaps == CornerFlaps::DoubleEndWalls);
    // Beside a lid the corner flap stops at the lid's hinge, or at the base's half length when
    // higher: the lid's side flap runs on beyond it.
    const float top = hasLid(t.flaps) ? b + std::min(s.F, a) : cutBack ? b + a : b + E;
    const Quarter q{a, b, s1, s2, top, s, t.flaps};

    PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    if (hasLid(t.flaps))
        cutLidQuarter(d, q);
    else
        cutWallQuarter(d, q);

    pen.setKind(kind::Crease);
    line(d, 0, b, a - s1, b);
    line(d, a + s2, b, a + s.V, b);
    line(d, a, b, a, 0);
    if (hasLid(t.flaps)) {
        line(d, 0, b + s.T, a - s1, b + s.T);
        line(d, a - s1, b + s.T, a - s1, b + s.T + s.D);
    } else if (s.D > 0) {
        const bool acrossFlap = t.halfInsideLength > E;
        drawDoubleWallCreases(d, q, settings.doubleWallBand, acrossFlap);
    }
    drawCornerCreases(d, q, t);
    drawHandHoleHalf(d, settings.handHole, a, b, t.h);
    placeFeature(d, first, at);
    return quarterPasses(s, a, b, t.flaps);
}

}  // namespace brontaxe
