// 0471: the reinforced-floor mailer. The bottom, the front and back walls with their ears, the
// lid with its dust flaps and tuck flap, as on 0427; the side walls rolled over the ears, their
// inner layer carrying a flap laid across the bottom, the two flaps meeting in its middle for a
// second floor. No tenons: the floor flaps hold the rolled walls down.
//
// Allowances as 0470's: 1 bottom length (the tuck flap's too, so that its wings pass the lid),
// 2 bottom width, 3 outer side wall, 4 side wall length (the lid's depth too), 5 front and back
// wall height (how far below the lid's edge the tuck flap's wings start too), 7 front wall
// length, 12 back wall length (the lid's too), 13 inner side wall (the tuck flap's height too),
// 15 how much shorter than half the bottom's width each ear is.

#include <algorithm>

#include "platform/errors.h"
#include "styles/04/fco420.h"
#include "styles/04/fco420_common.h"

namespace brontaxe {
namespace {

// The mailer's allowances in the places the folder's sizes read them.
Model mailerAsFolder(const Model& m) {
    Model f = withFolderAllowances(m, {{1, 1},
                                       {2, 2},
                                       {3, 3},
                                       {4, 4},
                                       {6, 13},
                                       {7, 7},
                                       {8, 12},
                                       {9, 12},
                                       {10, 1},
                                       {11, 4},
                                       {12, 5},
                                       {13, 5},
                                       {14, 13},
                                       {15, 15},
                                       {16, 5}});
    f.nbmortaise = 1;  // no mortises are cut: the count only keeps the sizes computable
    return f;
}

// Each floor flap reaches the middle of the bottom, less the two layers of the rolled wall
// and half a board of play.
float floorFlap(const LockingFolder& f, float thickness) {
    return f.half - 2.5f * thickness;
}

// The tuck flap's wings lie along the side walls, from the front wall back: on a mailer taller
// than wide, a wing as wide as the tuck flap is high would pass the back wall. It stops two
// boards short of it.
float tuckWing(const LockingFolder& f, float thickness) {
    return std::min(f.tuckWing, f.bottomWidth - 2 * thickness);
}

LockingFolder mailer(const Model& folder) {
    LockingFolder f = lockingFolder(folder);
    f.wall.type = WallType::Plain;
    f.wall.count = 0;
    f.wall.floorFlap = floorFlap(f, folder.EpaisseurCarton);
    f.tuckWing = tuckWing(f, folder.EpaisseurCarton);
    return f;
}

std::optional<std::string> mailerProblem(const LockingFolder& f, const Model& m) {
    if (f.wall.floorFlap < 1)
        return "Longueur trop petite : " + folderMm(m.Longueur) +
               " ne laisse pas de place au double fond";
    return lockingFolderProblem(f, m);
}

}  // namespace

LockingFolder mailerFolder(const Model& m) {
    return mailer(mailerAsFolder(m));
}

std::optional<std::string> rule0471(const Model& m) {
    Model own = m;
    applyDefaultsWithoutRow(own, DefaultAllowanceRule::Rule0470, 471);
    const Model folder = mailerAsFolder(own);
    try {
        return mailerProblem(mailer(folder), folder);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0471(Model& m, Drawing& d) {
    applyDefaultsWithoutRow(m, DefaultAllowanceRule::Rule0470, 471);
    Model folder = mailerAsFolder(m);
    const LockingFolder f = mailer(folder);
    if (auto problem = mailerProblem(f, folder))
        throw GenerationError(*problem);

    FolderHalves halves(d);
    folderLid(folder, d, f, folderEars(d, f));
    halves.closeWithTenonedWall(f);
    folderMiddleLines(folder, d, f, f.lidLength / 2);
    folderDimensions(d, f);
}

}  // namespace brontaxe
