// The open locking trays 0425 and 0422 (the roll-end tray, on 0427's sizes).
//
// 0425: the open locking tray. The bottom, the front and back walls with their ears, and the
// double end walls of the locking folders, rolled over inside and locked by their tenons in
// mortises of the bottom; no lid and no thumb notch. Its tenons and mortises are the
// model's: `nbmortaise` of them (counted from their pitch when 0), `lgtenon` long, leaning
// by `AngTenon`.
//
// Allowances: 1 bottom length, 2 bottom width, 3 outer double wall, 4 double wall length,
// 7 front wall length, 9 back wall length, 10 inner double wall, 11 how much shorter than half
// the bottom's width each ear is, 12 front and back wall height.

#include <cmath>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
namespace {

// 0425's allowances in the places the folder's sizes read them.
Model openAsFolder(const Model& m) {
    return withFolderAllowances(
        m, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, 10}, {7, 7}, {8, 9}, {12, 12}, {13, 12}, {15, 11}});
}

}  // namespace

std::optional<std::string> openTrayProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    return tenonedWallProblem(f, m);
}

void drawOpenLockingTray(Drawing& d, const LockingFolder& f) {
    FolderHalves halves(d);
    folderBackEarCut(d, f, folderEars(d, f));
    halves.closeWithTenonedWall(f);

    folderBottomCreases(d, f);
    const PenScope pen(d, kind::Cut);
    line(d, -f.frontLength / 2, 0, f.frontLength / 2, 0);
    line(d, -f.backLength / 2, f.y3, f.backLength / 2, f.y3);
    folderDimensions(d, f);
}

LockingFolder openTrayFolder(const Model& m) {
    return lockingFolder(openAsFolder(m));
}

std::optional<std::string> rule0425(const Model& m) {
    const Model folder = openAsFolder(m);
    try {
        return openTrayProblem(lockingFolder(folder), folder);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0425(Model& m, Drawing& d) {
    const Model folder = openAsFolder(m);
    const LockingFolder f = lockingFolder(folder);
    if (auto problem = openTrayProblem(f, folder))
        throw GenerationError(*problem);
    drawOpenLockingTray(d, f);
}

}  // namespace brontaxe
