#pragma once
// What the locking folders share beyond their sizes: the ears, the mirror of the right half,
// the dimensions and the checks of the bottom and its walls.

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "builders/emit.h"
#include "drawing/drawing.h"
#include "model/model.h"
#include "styles/04/fco420.h"

namespace brontaxe {

// Board left at the narrowest part of a panel or flap, below which it tears on folding.
inline constexpr float kMinStrip = 1;

// "12,5 mm"
std::string folderMm(float v);

// Where an ear lies: hinged on a wall's crease at x = hinge, reaching x = reach, from the
// wall's free edge at y = edge towards the side wall's end at y = join (up when join > edge).
struct EarPlace {
    float hinge, reach, edge, join;
};

// That ear. Its step of `DecPatte` is rounded when there is room.
void folderEar(Drawing& d, const LockingFolder& f, const EarPlace& ear);

// Both ears of the right half with the slits and creases that free them; gives the back
// ear's top.
float folderEars(Drawing& d, const LockingFolder& f);

// Lines first..last registered mirrored about x = 0, each copy registered.
void mirrorAboutYAxis(Drawing& d, int first);

// One locking folder drawn as its right half, then mirrored about x = 0. While it lives the
// drawing pass is open, on the first piece and line variant.
class FolderHalves {
  public:
    explicit FolderHalves(Drawing& d);
    // The tenoned side wall ends the right half, which is then mirrored.
    void closeWithTenonedWall(const LockingFolder& f);
    // The right half mirrored as it stands, for a style that draws its own side wall.
    void mirror();

  private:
    Drawing& d_;
    GenerationPass pass_;
    int first_ = 0;
};

// The cut from the back ear's top up to the lid's crease, when the ear stops short of it.
void folderBackEarCut(Drawing& d, const LockingFolder& f, float earTop);

// The right half of the lid beyond the back wall: its dust flap from the back ear's top
// `earTop`, and its tuck flap with the rounded side wing.
void folderLid(Model& m, Drawing& d, const LockingFolder& f, float earTop);

// The bottom's and the back wall's creases across both halves.
void folderBottomCreases(Drawing& d, const LockingFolder& f);

// The creases across both halves (bottom, walls, lid, the tuck flap's hinge `lidHinge` either
// side of x = 0), the front edge and its thumb notch.
void folderMiddleLines(Model& m, Drawing& d, const LockingFolder& f, float lidHinge);

// Overall width and height, and the bottom's width.
void folderDimensions(Drawing& d, const LockingFolder& f);

// The bottom, its walls and ears (French), or nothing.
std::optional<std::string> folderBodyProblem(const LockingFolder& f, const Model& m);

// The tuck flap's height and the thumb notch cut in it (French), or nothing.
std::optional<std::string> tuckFlapProblem(const LockingFolder& f, const Model& m);

// A style's model with its allowances moved to the places the folder's sizes read them: each
// pair is (the folder's place, the style's own allowance); every other place is 0.
Model withFolderAllowances(const Model& m, std::initializer_list<std::pair<int, int>> places);

// The mortises' height in the bottom, then the tenoned wall itself (French), or nothing.
std::optional<std::string> tenonedWallProblem(const LockingFolder& f, const Model& m);

// The bottom, its walls and ears, then the tenoned walls of an open tray (French), or nothing.
std::optional<std::string> openTrayProblem(const LockingFolder& f, const Model& m);

// An open tray on the folder's sizes: the bottom, the front and back walls with their ears
// and the double end walls rolled over them, tenoned into the bottom; no lid.
void drawOpenLockingTray(Drawing& d, const LockingFolder& f);

}  // namespace brontaxe
