// 0420: the folder of 0427 without tenons. Its side walls end in a flap of `hrabat`, its lid
// has no dust flaps and closes with a tuck flap `hpatrent` deep, and the thumb notch is in
// the front edge.

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
namespace {

// How far the wall's flap is shortened at each end: the flap is W with its allowance long.
float flapInset(const Model& m, const LockingFolder& f) {
    return (f.sideLength - (m.Largeur + lockingFolderAllowances(m).sideFlap)) / 2;
}

std::optional<std::string> twinProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    const float s = flapInset(m, f);
    if (s < 0 || f.sideLength - 2 * s < kMinStrip)
        return "Majorations incohérentes : le rabat du flanc (majoration 5) est plus long que le "
               "flanc";
    if (!(m.hrabat >= kMinStrip))
        return "Rabat du flanc impossible : " + folderMm(m.hrabat) + " de haut";
    if (!(m.hpatrent >= kMinStrip))
        return "Patte rentrante impossible : " + folderMm(m.hpatrent) + " de haut";
    if (m.RcoupPouce > 0 &&
        (m.RcoupPouce > f.frontHeight - kMinStrip || m.RcoupPouce > f.frontLength / 2 - kMinStrip))
        return "Encoche de pouce trop grande : un rayon de " + folderMm(m.RcoupPouce) +
               " ne tient pas dans la paroi avant";
    return std::nullopt;
}

// One end edge of the outer wall, split where an ear joins it.
void wallEnd(Drawing& d, float y, float from, float to, float join) {
    if (join > from + kLengthTolerance && join < to - kLengthTolerance) {
        line(d, from, y, join, y);
        line(d, join, y, to, y);
    } else {
        line(d, from, y, to, y);
    }
}

void sideWall(Model& m, Drawing& d, const LockingFolder& f) {
    const float s = flapInset(m, f);
    const float x0 = f.half, x1 = f.half + f.outerWall, x2 = x1 + m.hrabat;
    const float y0 = f.y1 - f.d, yEnd = y0 + f.sideLength;
    PenScope pen(d, kind::Cut);
    wallEnd(d, y0, x0, x1, f.half + f.wall.frontJoin);
    wallEnd(d, yEnd, x0, x1, f.half + f.wall.backJoin);
    chainStart(d, x1, y0);
    if (s > kLengthTolerance)
        lineTo(d, x1, y0 + s);
    lineTo(d, x2, y0 + s);
    lineTo(d, x2, yEnd - s);
    lineTo(d, x1, yEnd - s);
    if (s > kLengthTolerance)
        lineTo(d, x1, yEnd);
    pen.setKind(kind::Crease);
    line(d, x1, y0 + s, x1, yEnd - s);
    line(d, x0, y0, x0, yEnd);
}

void twinLid(Model& m, Drawing& d, const LockingFolder& f) {
    PenScope pen(d, kind::Cut);
    chainStart(d, f.lidLength / 2, f.y3);
    lineTo(d, f.lidLength / 2, f.y4);
    if (std::abs(f.tuckLength - f.lidLength) / 2 > kLengthTolerance)
        lineTo(d, f.tuckLength / 2, f.y4);
    const ElementId side = lineTo(d, f.tuckLength / 2, f.y4 + m.hpatrent);
    const ElementId top = lineTo(d, 0, f.y4 + m.hpatrent);
    const float r = std::min(m.rarrondi, 0.99f * std::min(m.hpatrent, f.tuckLength / 2));
    if (r > kLengthTolerance)
        fillet(d, side, top, r);
    pen.setKind(kind::Crease);
    line(d, 0, f.y4, std::min(f.lidLength, f.tuckLength) / 2, f.y4);
}

}  // namespace

std::optional<std::string> rule0420(const Model& m) {
    Model own = m;
    applyDefaultsWithoutRow(own, DefaultAllowanceRule::A, 420);
    return twinProblem(lockingFolder(own, false), own);
}

void Fco0420(Model& m, Drawing& d) {
    applyDefaultsWithoutRow(m, DefaultAllowanceRule::A, 420);
    const LockingFolder f = lockingFolder(m, false);
    if (auto problem = twinProblem(f, m))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    const float earTop = folderEars(d, f);
    const PenScope pen(d, kind::Cut);
    line(d, f.backLength / 2, earTop, f.lidLength / 2, f.y3);

    sideWall(m, d, f);
    twinLid(m, d, f);
    halves.mirror();

    folderBottomCreases(d, f);
    {
        const PenScope crease(d, kind::Crease);
        line(d, -f.lidLength / 2, f.y3, f.lidLength / 2, f.y3);
    }
    const float notch = std::max(m.RcoupPouce, 0.0f);
    if (notch > kLengthTolerance) {
        line(d, -f.frontLength / 2, 0, -notch, 0);
        arc(d, {0, 0}, notch, 0, 180);
        line(d, notch, 0, f.frontLength / 2, 0);
    } else {
        line(d, -f.frontLength / 2, 0, f.frontLength / 2, 0);
    }
    folderDimensions(d, f);
}

}  // namespace brontaxe
