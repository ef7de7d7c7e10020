#pragma once
// Locking folders (04 family, second half): a bottom with front and back walls whose ears lock
// inside double side walls; the tenons of the inner walls lock into mortises in the bottom.

#include <optional>
#include <string>

#include "builders/tenoned_flanks.h"
#include "drawing/drawing.h"
#include "model/model.h"
#include "styles/04/fco420_allowances.h"

namespace brontaxe {

// The sizes of a tenoned folder, from the model's allowances as the generator uses them.
struct LockingFolder {
    float half = 0;         // half the bottom's length
    float frontLength = 0;  // the front wall, along the bottom's length
    float backLength = 0;   // the back wall
    float lidLength = 0;    // the lid
    float tuckLength = 0;   // the lid's tuck flap
    float bottomWidth = 0;  // the bottom, front to back
    float sideLength = 0;   // the side walls, front to back
    float lidWidth = 0;     // the lid, back to front
    float outerWall = 0;    // the side walls' outer height
    float innerWall = 0;    // the side walls' inner height
    float frontHeight = 0;  // the front wall
    float backHeight = 0;   // the back wall
    float tuckHeight = 0;   // the tuck flap
    float d = 0;            // how far the side wall runs past the bottom at each end
    float ear = 0;          // ear reach beyond its wall's crease
    float xa = 0, xb = 0;   // front and back ear reach
    float reachLimit = 0;   // the largest overhang of an ear
    float decPatte = 0;     // the ear's step, 0 when dropped
    float c = 0;            // slant of the lid's dust flaps
    float backEarTop = 0;   // top of the back ear, allowance 15 below the back wall's top
    float y1 = 0, y2 = 0, y3 = 0, y4 = 0, y5 = 0;
    float tuckWing = 0;  // radius of the tuck flap's side wings
    TenonedWall wall;    // the right-hand side wall, in its own coordinates
};

// The folder's sizes with the model's current `Majo`; `tenoned` false for the twin without
// tenons (0420), whose side wall ends in a flap of `hrabat`. Throws GenerationError when the
// mortise count cannot be computed.
LockingFolder lockingFolder(const Model& m, bool tenoned = true);
// The length and width a folder is drawn on, when they are not the model's.
struct FolderFootprint {
    float length = 0;
    float width = 0;
};
// The same on another footprint (0423 draws 0422 on the width).
LockingFolder lockingFolder(const Model& m, FolderFootprint footprint, bool tenoned = true);
// How far above the bottom's inside face the inner wall's free edge stands once folded, 0
// when it reaches the bottom; the tenons stand that much further out than `htenon`.
float innerWallRise(const LockingFolder& f, float thickness);
// The folder `style` draws (0421 to 0427, 0429, 0424, 0470, 0471), its allowance rule applied
// to a copy of the model as its generator applies it. Throws GenerationError as
// lockingFolder does, or for another style.
LockingFolder drawnFolder(const Model& m, std::int16_t style);
// Why the folder cannot be drawn (French), or nothing.
std::optional<std::string> lockingFolderProblem(const LockingFolder& f, const Model& m);

// The allowance rule of each code, applied to a copy, then the problem of the folder.
std::optional<std::string> rule0421(const Model& m);
std::optional<std::string> rule0422(const Model& m);
std::optional<std::string> rule0423(const Model& m);
std::optional<std::string> rule0427(const Model& m);

std::optional<std::string> rule0420(const Model& m);
std::optional<std::string> rule0424(const Model& m);
std::optional<std::string> rule0429(const Model& m);
std::optional<std::string> rule0470(const Model& m);
std::optional<std::string> rule0471(const Model& m);

// 0429: the tenoned folder with a plain lid whose tuck flap has rounded corners; mortises
// counted from their pitch. Rule A when the table has no row of its own.
void Fco0429(Model& m, Drawing& d);
// The sizes of 0429 with the model's current `Majo`: its tenons square, counted from their pitch.
LockingFolder roundedFolder(const Model& m);
// 0424: the locking tray without notch, its tenons counted from their pitch. Default
// allowances of its own rule.
void Fco0424(Model& m, Drawing& d);
// The sizes of the tray 0424, or 0470 (one mortise a side), with the model's current
// `Majo`; `style` is the code as a number.
LockingFolder trayFolder(const Model& m, std::int16_t style = 470);
// 0470: locking tray, thumb notch in the front wall. Default allowances of its own rule.
void Fco0470(Model& m, Drawing& d);
// 0471: the reinforced-floor mailer: 0427's lid and rolled side walls on 0470's allowances,
// the inner walls carrying flaps laid across the bottom for a second floor.
void Fco0471(Model& m, Drawing& d);
// The sizes of 0471 with the model's current `Majo`.
LockingFolder mailerFolder(const Model& m);

// 0425: the open locking tray, double end walls rolled over and locked by the model's tenons.
void Fco0425(Model& m, Drawing& d);
std::optional<std::string> rule0425(const Model& m);
// The sizes of 0425 with the model's current `Majo`.
LockingFolder openTrayFolder(const Model& m);
// 0426: 0427 with a lid whose dust flaps taper and round off and whose tuck flap is rounded.
void Fco0426(Model& m, Drawing& d);
std::optional<std::string> rule0426(const Model& m);

// 0441: the self-locking tray with a hinged lid: 0427 with its front wall rolled over and
// tenoned as its side walls are, and a short tuck flap. Rule A when the table has no row.
void Fco0441(Model& m, Drawing& d);
std::optional<std::string> rule0441(const Model& m);
// The sizes of 0441 with the model's current `Majo`, its tuck flap `hpatrent` deep.
LockingFolder hingedTrayFolder(const Model& m);
// 0420: the folder of 0427 without tenons, with a plain lid and a thumb notch in the front.
void Fco0420(Model& m, Drawing& d);
// 0427: tuck-in lid, locking ears and tenoned double side walls. Default allowances rule A.
void Fco0427(Model& m, Drawing& d);
// 0421: as 0427 with the lid of rule B: its dust flaps on the creases of 0427, its tuck flap
// narrower.
void Fco0421(Model& m, Drawing& d);
// 0422: the roll-end tray, 0427 without its lid; rule A applies only when neither 0422 nor
// 0423 has its own row.
void Fco0422(Model& m, Drawing& d);
// 0423: 0422 with length and width exchanged, turned a quarter turn.
void Fco0423(Model& m, Drawing& d);

}  // namespace brontaxe
