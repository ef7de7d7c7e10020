// 0429: the tenoned folder with a plain lid. The bottom, ears and double side walls of 0427;
// the lid has no dust flaps and ends in a tuck flap with rounded corners and a thumb notch.
// Its mortises are counted from their pitch, and its tenons are square, one board shorter
// than their mortise.

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

Model withOwnWall(const Model& m) {
    Model own = m;
    own.nbmortaise = 0;
    own.lgtenon = m.lgmortaise - m.EpaisseurCarton;
    own.AngTenon = 0;
    return own;
}

std::optional<std::string> roundedProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    if (auto problem = tuckFlapProblem(f, m))
        return problem;
    return tenonedWallProblem(f, m);
}

void lid(Model& m, Drawing& d, const LockingFolder& f, float earTop) {
    const float notch = std::max(m.RcoupPouce, 0.0f);
    const PenScope pen(d, kind::Cut);
    chainStart(d, f.backLength / 2, earTop);
    lineTo(d, f.lidLength / 2, f.y3);
    lineTo(d, f.lidLength / 2, f.y4);
    if (std::abs(f.tuckLength - f.lidLength) / 2 > kLengthTolerance)
        lineTo(d, f.tuckLength / 2, f.y4);
    const ElementId side = lineTo(d, f.tuckLength / 2, f.y5);
    const ElementId top = lineTo(d, notch, f.y5);
    const float r = std::min(m.rarrondi, 0.99f * std::min(f.tuckHeight, f.tuckLength / 2 - notch));
    if (r > kLengthTolerance)
        fillet(d, side, top, r);
}

}  // namespace

LockingFolder roundedFolder(const Model& m) {
    Model own = withOwnWall(m);
    applyDefaultsWithoutRow(own, DefaultAllowanceRule::A, 429);
    return lockingFolder(own);
}

std::optional<std::string> rule0429(const Model& m) {
    Model own = withOwnWall(m);
    applyDefaultsWithoutRow(own, DefaultAllowanceRule::A, 429);
    try {
        return roundedProblem(lockingFolder(own), own);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0429(Model& m, Drawing& d) {
    applyDefaultsWithoutRow(m, DefaultAllowanceRule::A, 429);
    const Model own = withOwnWall(m);
    const LockingFolder f = lockingFolder(own);
    if (auto problem = roundedProblem(f, own))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    lid(m, d, f, folderEars(d, f));
    halves.closeWithTenonedWall(f);

    folderMiddleLines(m, d, f, std::min(f.lidLength, f.tuckLength) / 2);
    folderDimensions(d, f);
}

}  // namespace brontaxe
