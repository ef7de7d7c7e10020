#pragma once
// Builders' inputs shared by their tests: the lidded body over a shaped
// bottom that the 0215 draws (panels 400, 300, 400, 300 on a height of 100), and a double-wall
// tray with every diagonal crease.

#include "builders/blank_settings.h"
#include "builders/double_wall_tray.h"
#include "builders/lidded_body_half.h"
#include "builders/snap_lock_body_half.h"

namespace brontaxe::test {

// The settings of a design at its start-up values: board 3 thick, double-wall band 6, slots 4 on
// each side of a crease, a box in one piece, drawn as seen; no hand-hole, but one 90 by 30 with
// a tab of 6, 50 under its crease, once a kind is chosen.
inline const BlankSettings kStartupSettings = [] {
    BlankSettings s;
    s.thickness = 3;
    s.doubleWallBand = 6;
    s.slots = {4, 4};
    s.handHole.shape = {.type = HandHoleKind::None, .length = 90, .height = 30, .tab = 6};
    s.handHole.drop = 50;
    return s;
}();

// A drawing for builders drawn alone, the settings they are given and the passes they returned.
struct Built {
    Drawing d;
    BlankSettings settings = kStartupSettings;
    MachinePassTable passes{};
};

// The start-up settings with a hand-hole of kind `k`.
inline BlankSettings withHandHole(HandHoleKind k) {
    BlankSettings s = kStartupSettings;
    s.handHole.shape.type = k;
    return s;
}

// The glue flap of a box at its start-up settings: 36 wide, its end slanting at 15 degrees.
inline constexpr BodyGlueFlap kStartupGlue{.width = 36, .taper = 15};

// Lid 310 deep on a lip of 3, tuck-in 30 deep and 394 wide with corners of 10, dust flaps 120.
inline const LidBody kLid{.p1 = 400,
                          .p2 = 300,
                          .p3 = 400,
                          .p4 = 300,
                          .h = 100,
                          .q = 310,
                          .T = 30,
                          .r = 10,
                          .F = 120,
                          .lip = 3,
                          .p5 = 394,
                          .glue = kStartupGlue};

inline const SnapLockBody kSnapLock{.h = 100,
                                    .p1 = 400,
                                    .p2 = 300,
                                    .p3 = 400,
                                    .p4 = 300,
                                    .notch = 10,
                                    .depth = 150,
                                    .shoulder = 40,
                                    .step = 60,
                                    .radius = 5,
                                    .glue = kStartupGlue};

// Base 400 x 300 inside a box 400 long, walls 100, the end walls doubled.
inline const DoubleWallTrayShape kDoubleWallTray{.a = 200,
                                                 .b = 150,
                                                 .h = 100,
                                                 .halfInsideLength = 200,
                                                 .endWallDiagonals = true,
                                                 .sideWallDiagonals = true,
                                                 .flapDiagonals = true,
                                                 .flaps = CornerFlaps::DoubleEndWalls,
                                                 .doubleWall = DoubleWallSizes{100, 100, 100, 106}};

}  // namespace brontaxe::test
