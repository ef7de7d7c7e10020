#include "builders/tenoned_flanks.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

std::string mm(float v) {
    return platform::readableNumber(v, "mm");
}

// Rounds half to even, as the counts of the form are rounded.
long roundEven(float v) {
    return std::lrint(v);
}

void rectangleWithCorners(Drawing& d, float x0, float y0, float x1, float y1, float r) {
    if (r <= kLengthTolerance) {
        chainStart(d, x0, y0);
        lineTo(d, x1, y0);
        lineTo(d, x1, y1);
        lineTo(d, x0, y1);
        lineTo(d, x0, y0);
        return;
    }
    line(d, x0 + r, y0, x1 - r, y0);
    arc(d, {x1 - r, y0 + r}, r, -90, 90);
    line(d, x1, y0 + r, x1, y1 - r);
    arc(d, {x1 - r, y1 - r}, r, 0, 90);
    line(d, x1 - r, y1, x0 + r, y1);
    arc(d, {x0 + r, y1 - r}, r, 90, 90);
    line(d, x0, y1 - r, x0, y0 + r);
    arc(d, {x0 + r, y0 + r}, r, 180, 90);
}

// One end edge of the outer wall at height y, split where an ear joins it.
void endEdge(Drawing& d, float y, float outer, float join) {
    if (join > kLengthTolerance && join < outer - kLengthTolerance) {
        line(d, 0, y, join, y);
        line(d, join, y, outer, y);
    } else {
        line(d, 0, y, outer, y);
    }
}

}  // namespace

std::optional<std::string> wallProblem(const TenonedWall& w) {
    const bool tenons = w.type == WallType::Locked && w.count > 0;
    if (!(w.length > 0) || !(w.outer > 0) || !(w.top > 0) || !(w.inner > 0) || w.inset < 0 ||
        !(w.length > 2 * w.inset))
        return "Dimensions impossibles : flanc de taille nulle ou négative";
    if (w.count < 0)
        return "Mortaises impossibles : nombre négatif";
    if (w.count == 0 || w.type == WallType::Plain)
        return std::nullopt;
    if (!(w.mortise.length > 0) || !(w.mortise.height > 0) || w.mortise.pitch < 0)
        return "Mortaises impossibles : longueur ou hauteur nulle";
    const float run = w.count * w.mortise.length + (w.count - 1) * w.mortise.pitch;
    if (run > w.length - 2 * w.inset)
        return "Mortaises trop nombreuses : " + std::to_string(w.count) + " mortaises demandent " +
               mm(run) + " le long d'un flanc de " + mm(w.length - 2 * w.inset);
    if (w.count > 1 && w.mortise.pitch < kLengthTolerance)
        return "Mortaises impossibles : pas nul entre deux mortaises";
    if (!tenons)
        return std::nullopt;
    const float lean = w.tenon.height * std::tan(w.tenon.angle * std::numbers::pi_v<float> / 180);
    if (!(w.tenon.length > 0) || !(w.tenon.height > 0) ||
        !(w.tenon.length > 2 * lean + kLengthTolerance) || w.tenon.length > w.mortise.length)
        return "Tenons impossibles : un tenon de " + mm(w.tenon.length) +
               " doit être plus long que son biais et tenir dans sa mortaise de " +
               mm(w.mortise.length);
    return std::nullopt;
}

int mortiseCount(int nbmortaise, float span, float length, float pitch) {
    if (nbmortaise != 0)
        return nbmortaise;
    const long divisor = roundEven(length + pitch);
    if (divisor <= 0)
        throw GenerationError(
            "Mortaises impossibles : nombre de mortaises à 0 avec une longueur "
            "et un pas nuls, leur nombre ne peut être calculé");
    return static_cast<int>(std::max(0L, roundEven(span - pitch) / divisor));
}

std::vector<float> mortiseCentres(const TenonedWall& w) {
    std::vector<float> centres;
    const float step = w.mortise.length + w.mortise.pitch;
    const float first = w.length / 2 - (w.count - 1) * step / 2;
    for (int i = 0; i < w.count; ++i)
        centres.push_back(first + i * step);
    return centres;
}

void TenonedFlanks(Drawing& d, const TenonedWall& w, const FeaturePlacement& at) {
    const bool tenons = w.type == WallType::Locked && w.count > 0;
    const bool mortises = w.type != WallType::Plain && w.count > 0;
    if (auto problem = wallProblem(w))
        throw GenerationError(*problem);
    const float xt = w.outer + w.top;                                  // second fold
    const float xw = xt + w.inner;                                     // inner wall's free edge
    const float xf = xw + (tenons ? 0 : std::max(w.floorFlap, 0.0f));  // the wall's free edge
    const float s = w.inset;
    const std::vector<float> centres = mortiseCentres(w);

    PenScope pen(d, kind::Cut);
    const int first = beginFeature(d);
    endEdge(d, 0, w.outer, w.frontJoin);
    endEdge(d, w.length, w.outer, w.backJoin);

    chainStart(d, w.outer, 0);
    if (s > kLengthTolerance)
        lineTo(d, w.outer, s);
    lineTo(d, xf, s);
    if (tenons) {
        const float lean =
            w.tenon.height * std::tan(w.tenon.angle * std::numbers::pi_v<float> / 180);
        const float half = w.tenon.length / 2;
        for (float c : centres) {
            lineTo(d, xw, c - half);
            lineTo(d, xw + w.tenon.height, c - half + lean);
            lineTo(d, xw + w.tenon.height, c + half - lean);
            lineTo(d, xw, c + half);
        }
    }
    lineTo(d, xf, w.length - s);
    lineTo(d, w.outer, w.length - s);
    if (s > kLengthTolerance)
        lineTo(d, w.outer, w.length);

    if (mortises) {
        const float x1 = -w.mortiseGap;
        const float x0 = x1 - w.mortise.height;
        const float r = std::clamp(w.mortise.radius, 0.0f,
                                   0.49f * std::min(w.mortise.length, w.mortise.height));
        for (float c : centres)
            rectangleWithCorners(d, x0, c - w.mortise.length / 2, x1, c + w.mortise.length / 2, r);
    }

    pen.setKind(kind::Crease);
    line(d, 0, 0, 0, w.length);
    line(d, w.outer, s, w.outer, w.length - s);
    line(d, xt, s, xt, w.length - s);
    if (xf > xw + kLengthTolerance)
        line(d, xw, s, xw, w.length - s);
    pen.setKind(kind::Cut);
    placeFeature(d, first, {.x = at.x, .y = at.y, .angle = at.angle, .mirrored = at.mirrored});
}

}  // namespace brontaxe
