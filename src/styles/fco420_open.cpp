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

#include "drawing/biblio.h"
#include "platform/errors.h"
#include "styles/fco420.h"
#include "styles/fco420_common.h"

namespace brontaxe {
namespace {

constexpr float kTiny = 1e-3f;

// 0425's allowances in the places the folder's sizes read them.
Model asFolder(const Model& m) {
    Model f = m;
    const auto& k = m.Majo;
    f.Majo.fill(0);
    f.Majo[1] = k[1];
    f.Majo[2] = k[2];
    f.Majo[3] = k[3];
    f.Majo[4] = k[4];
    f.Majo[6] = k[10];
    f.Majo[7] = k[7];
    f.Majo[8] = k[9];
    f.Majo[12] = k[12];
    f.Majo[13] = k[12];
    f.Majo[15] = k[11];
    return f;
}

std::optional<std::string> openTrayProblem(const LockingFolder& f, const Model& m) {
    if (auto problem = folderBodyProblem(f, m))
        return problem;
    return tenonedWallProblem(f, m);
}

}  // namespace

LockingFolder openTrayFolder(const Model& m) {
    return lockingFolder(asFolder(m));
}

std::optional<std::string> rule0425(const Model& m) {
    const Model folder = asFolder(m);
    try {
        return openTrayProblem(lockingFolder(folder), folder);
    } catch (const GenerationError& e) {
        return std::string(e.what());
    }
}

void Fco0425(Model& m, Drawing& d) {
    m.DegRad = static_cast<float>(4 * std::atan(1.0) / 180);
    const Model folder = asFolder(m);
    const LockingFolder f = lockingFolder(folder);
    if (auto problem = openTrayProblem(f, folder))
        throw GenerationError(*problem);

    GenerationPass pass(m, d);
    d.LineVariant = 1;
    d.Piece = 1;
    const int first = m.NbLignes + 1;

    const float earTop = folderEars(m, d, f);
    d.LineKind = kind::Cut;
    if (earTop < f.y3 - kTiny)
        line(m, d, f.L8 / 2, earTop, f.L8 / 2, f.y3);
    FlancsTenons(m, d, f.wall, {.x = f.half, .y = f.y1 - f.d});
    mirrorAboutYAxis(m, d, first);

    d.LineKind = kind::Crease;
    line(m, d, -f.L7 / 2, f.y1, f.L7 / 2, f.y1);
    line(m, d, -f.L8 / 2, f.y2, f.L8 / 2, f.y2);
    d.LineKind = kind::Cut;
    line(m, d, -f.L7 / 2, 0, f.L7 / 2, 0);
    line(m, d, -f.L8 / 2, f.y3, f.L8 / 2, f.y3);
    folderDimensions(m, d, f);
}

}  // namespace brontaxe
