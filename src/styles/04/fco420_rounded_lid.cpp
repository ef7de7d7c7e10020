// 0426: the tenoned folder of 0427 whose lid closes softly: its dust flaps taper by 10 degrees
// and have rounded corners, its tuck flap has rounded corners and a thumb notch. The bottom,
// ears and double side walls are 0427's, with the same allowances 1 to 15 (allowance 16 is
// not used: the tuck flap starts on the lid's crease).

#include <algorithm>
#include <cmath>
#include <numbers>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
namespace {

// Taper of the dust flaps, so that they slide past the side walls as the lid closes.
constexpr float kTaperDeg = 10;

float taper(const Model& m) {
    return m.hrabat * std::tan(kTaperDeg * std::numbers::pi_v<float> / 180);
}

// The dust flaps stop two boards short of the lid's front edge, which closes over the front
// wall: they pass inside it.
float frontClearance(const Model& m) {
    return 2 * m.EpaisseurCarton;
}

std::optional<std::string> roundedLidProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    if (!(m.hrabat >= kMinStrip) || f.lidWidth < 2 * taper(m) + frontClearance(m) + kMinStrip)
        return "Rabats du couvercle impossibles : " + folderMm(m.hrabat) +
               " de haut sur un couvercle de " + folderMm(f.lidWidth);
    if (auto problem = tuckFlapProblem(f, m))
        return problem;
    return tenonedWallProblem(f, m);
}

void roundedLid(Model& m, Drawing& d, const LockingFolder& f) {
    const float c = taper(m);
    const float xo = f.lidLength / 2 + m.hrabat;
    PenScope pen(d, kind::Cut);
    chainStart(d, f.backLength / 2, f.backEarTop);
    lineTo(d, f.lidLength / 2, f.y3);
    const ElementId rise = lineTo(d, xo, f.y3 + c);
    const float front = f.y4 - frontClearance(m);
    const ElementId side = lineTo(d, xo, front - c);
    const ElementId fall = lineTo(d, f.lidLength / 2, front);
    lineTo(d, f.lidLength / 2, f.y4);
    const float r = std::min(m.rarrondi, 0.45f * std::min(m.hrabat, front - c - f.y3 - c));
    if (r > kLengthTolerance) {
        fillet(d, rise, side, r);
        fillet(d, side, fall, r);
    }

    const float notch = std::max(m.RcoupPouce, 0.0f);
    chainStart(d, f.lidLength / 2, f.y4);
    if (std::abs(f.tuckLength - f.lidLength) / 2 > kLengthTolerance)
        lineTo(d, f.tuckLength / 2, f.y4);
    const ElementId up = lineTo(d, f.tuckLength / 2, f.y5);
    const ElementId top = lineTo(d, notch, f.y5);
    const float rt = std::min(m.rarrondi, 0.99f * std::min(f.tuckHeight, f.tuckLength / 2 - notch));
    if (rt > kLengthTolerance)
        fillet(d, up, top, rt);
    pen.setKind(kind::Crease);
    line(d, f.lidLength / 2, f.y3, f.lidLength / 2, front);
}

}  // namespace

std::optional<std::string> rule0426(const Model& m) {
    try {
        return roundedLidProblem(lockingFolder(m), m);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0426(Model& m, Drawing& d) {
    const LockingFolder f = lockingFolder(m);
    if (auto problem = roundedLidProblem(f, m))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    folderEars(d, f);
    roundedLid(m, d, f);
    halves.closeWithTenonedWall(f);

    folderMiddleLines(m, d, f, std::min(f.lidLength, f.tuckLength) / 2);
    folderDimensions(d, f);
}

}  // namespace brontaxe
