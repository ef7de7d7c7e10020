// 0441: the self-locking tray with a hinged lid. The bottom and its side walls rolled over and
// locked by their tenons, as on 0427; the front wall rolled over too, its inner layer tenoned
// into the bottom beside the front crease, so that three sides are double; the back wall
// carries the lid, with dust flaps and a short tuck flap `hpatrent` deep that slips behind
// the rolled front. Rule A when the table has no row of its own.

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

// The folder with its tuck flap cut down to `hpatrent`.
LockingFolder hingedTray(const Model& m) {
    LockingFolder f = lockingFolder(m);
    f.tuckHeight = m.hpatrent;
    f.y5 = f.y4 + f.tuckHeight;
    f.tuckWing = f.tuckHeight - lockingFolderAllowances(m).tuckWingDrop;
    return f;
}

// Half the length of the rolled front's band and inner layer: they fit between the side
// walls' two layers, with half a board of play.
float frontHalf(const LockingFolder& f, float thickness) {
    return f.half - 2.5f * thickness;
}

// The rolled front's inner layer, from the band down to its free edge.
float frontInner(const LockingFolder& f) {
    return f.innerWall;
}

std::optional<std::string> hingedTrayProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = lockingFolderProblem(f, m))
        return problem;
    const float e = m.EpaisseurCarton;
    if (frontHalf(f, e) < m.lgmortaise + kMinStrip)
        return "Longueur trop petite : " + folderMm(m.Longueur) +
               " ne laisse pas de place au tenon de la paroi avant";
    if (m.hmortaise + e / 2 > f.bottomWidth / 2 - kMinStrip)
        return "Mortaises trop hautes : " + folderMm(m.hmortaise) + " pour un fond de " +
               folderMm(f.bottomWidth);
    if (!(m.Dblmur > 0))
        return "Paroi avant double impossible : bande de " + folderMm(m.Dblmur);
    return std::nullopt;
}

// The right half of the rolled front: the band beyond the front wall's top edge, the inner
// layer with its tenon, and the mortise in the bottom beside the front crease.
void rolledFront(Model& m, Drawing& d, const LockingFolder& f) {
    const float e = m.EpaisseurCarton;
    const float half = frontHalf(f, e);
    const float band = m.Dblmur;
    const float edge = -(band + frontInner(f));
    const float centre = half / 2;
    const float tenon = std::min(m.lgtenon, m.lgmortaise);
    const float stand = m.htenon + innerWallRise(f, e);
    const float lean = stand * std::tan(m.AngTenon * std::numbers::pi_v<float> / 180);
    PenScope pen(d, kind::Cut);
    line(d, half, 0, f.frontLength / 2, 0);
    chainStart(d, half, 0);
    lineTo(d, half, edge);
    lineTo(d, centre + tenon / 2, edge);
    lineTo(d, centre + tenon / 2 - lean, edge - stand);
    lineTo(d, centre - tenon / 2 + lean, edge - stand);
    lineTo(d, centre - tenon / 2, edge);
    lineTo(d, 0, edge);
    const float y0 = f.y1 + e / 2;
    const float y1 = y0 + m.hmortaise;
    const float x0 = centre - m.lgmortaise / 2;
    const float x1 = centre + m.lgmortaise / 2;
    chainStart(d, x0, y0);
    lineTo(d, x1, y0);
    lineTo(d, x1, y1);
    lineTo(d, x0, y1);
    lineTo(d, x0, y0);
    pen.setKind(kind::Crease);
    line(d, 0, 0, half, 0);
    line(d, 0, -band, half, -band);
}

void middleLines(Model& m, Drawing& d, const LockingFolder& f) {
    folderBottomCreases(d, f);
    PenScope pen(d, kind::Crease);
    line(d, -f.lidLength / 2, f.y3, f.lidLength / 2, f.y3);
    line(d, -f.lidLength / 2, f.y4, f.lidLength / 2, f.y4);
    pen.setKind(kind::Cut);
    if (m.RcoupPouce > kLengthTolerance)
        arc(d, {0, f.y5}, m.RcoupPouce, 0, -180);
}

}  // namespace

LockingFolder hingedTrayFolder(const Model& m) {
    return hingedTray(m);
}

std::optional<std::string> rule0441(const Model& m) {
    Model own = m;
    applyDefaultsWithoutRow(own, DefaultAllowanceRule::A, 441);
    try {
        return hingedTrayProblem(hingedTray(own), own);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0441(Model& m, Drawing& d) {
    applyDefaultsWithoutRow(m, DefaultAllowanceRule::A, 441);
    const LockingFolder f = hingedTray(m);
    if (auto problem = hingedTrayProblem(f, m))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    folderLid(m, d, f, folderEars(d, f));
    rolledFront(m, d, f);
    halves.closeWithTenonedWall(f);
    middleLines(m, d, f);
    folderDimensions(d, f);
}

}  // namespace brontaxe
