// 0424 and 0470: the locking trays. The bottom, front and back walls with their ears and the
// tenoned double side walls of the locking folders, without a lid; one tenon a side, centred,
// and a thumb notch in the front wall (0470). 0424 has no notch and as many tenons a side as
// their pitch allows.
//
// Allowances: 1 bottom length, 2 bottom width, 3 outer side wall, 4 side wall length,
// 5 front and back wall height, 7 front wall length, 12 back wall length, 13 inner side wall,
// 15 how much shorter than half the bottom's width each ear is.

#include <cmath>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
namespace {

struct TrayStyle {
    std::int16_t number;
    DefaultAllowanceRule rule;
    bool frontNotch;
    bool backNotch;
};

constexpr TrayStyle k0470{470, DefaultAllowanceRule::Rule0470, true, false};
constexpr TrayStyle k0424{424, DefaultAllowanceRule::Rule0424, false, false};

// 0424's allowances: 1 bottom length, 2 side wall length, 3 outer side wall, 4 bottom width,
// 5 front and back wall height, 6 front and back wall length; its tenons as many as their
// pitch allows, square and one board shorter than their mortises.
Model as0424Folder(const Model& m) {
    Model f =
        withFolderAllowances(m, {{1, 1}, {2, 4}, {3, 3}, {4, 2}, {7, 6}, {8, 6}, {12, 5}, {13, 5}});
    f.nbmortaise = 0;
    f.lgtenon = m.lgmortaise - m.EpaisseurCarton;
    f.AngTenon = 0;
    return f;
}

// The tray's allowances in the places the folder's sizes read them.
Model asFolder(const Model& m, std::int16_t number = 470) {
    if (number == 424)
        return as0424Folder(m);
    Model f = withFolderAllowances(
        m, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, 13}, {7, 7}, {8, 12}, {12, 5}, {13, 5}, {15, 15}});
    f.nbmortaise = 1;
    return f;
}

std::optional<std::string> trayProblem(const LockingFolder& f, const Model& m, const TrayStyle& t) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    const float r = m.RcoupPouce;
    if (r > 0 &&
        ((t.frontNotch && (r > f.frontHeight - kMinStrip || r > f.frontLength / 2 - kMinStrip)) ||
         (t.backNotch && (r > f.backHeight - kMinStrip || r > f.backLength / 2 - kMinStrip))))
        return "Encoche de pouce trop grande : un rayon de " + folderMm(r) +
               " ne tient pas dans la paroi";
    if (m.hmortaise + f.wall.mortiseGap > f.half - kMinStrip)
        return "Mortaises trop hautes : " + folderMm(m.hmortaise) + " pour un fond de " +
               folderMm(2 * f.half);
    return wallProblem(f.wall);
}

// A wall's free edge along y from -halfLength to halfLength, notched at its middle by a half
// disc that opens into the wall (`into` +1 upwards, -1 downwards).
void notchedEdge(Drawing& d, float y, float halfLength, float radius, float into) {
    if (radius > kLengthTolerance) {
        line(d, -halfLength, y, -radius, y);
        arc(d, {0, y}, radius, 0, 180 * into);
        line(d, radius, y, halfLength, y);
    } else {
        line(d, -halfLength, y, halfLength, y);
    }
}

std::optional<std::string> problemOf(const Model& m, const TrayStyle& t) {
    Model own = m;
    applyDefaultsWithoutRow(own, t.rule, t.number);
    const Model folder = asFolder(own, t.number);
    try {
        return trayProblem(lockingFolder(folder), folder, t);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void drawTray(Model& m, Drawing& d, const TrayStyle& t) {
    applyDefaultsWithoutRow(m, t.rule, t.number);
    const Model folder = asFolder(m, t.number);
    const LockingFolder f = lockingFolder(folder);
    if (auto problem = trayProblem(f, folder, t))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    folderBackEarCut(d, f, folderEars(d, f));
    halves.closeWithTenonedWall(f);

    folderBottomCreases(d, f);
    const PenScope pen(d, kind::Cut);
    const float notch = std::max(m.RcoupPouce, 0.0f);
    notchedEdge(d, 0, f.frontLength / 2, t.frontNotch ? notch : 0, 1);
    notchedEdge(d, f.y3, f.backLength / 2, t.backNotch ? notch : 0, -1);
    folderDimensions(d, f);
}

}  // namespace

LockingFolder trayFolder(const Model& m, std::int16_t style) {
    return lockingFolder(asFolder(m, style));
}

std::optional<std::string> rule0470(const Model& m) {
    return problemOf(m, k0470);
}

void Fco0470(Model& m, Drawing& d) {
    drawTray(m, d, k0470);
}

}  // namespace brontaxe

namespace brontaxe {

std::optional<std::string> rule0424(const Model& m) {
    return problemOf(m, k0424);
}

void Fco0424(Model& m, Drawing& d) {
    drawTray(m, d, k0424);
}

}  // namespace brontaxe
