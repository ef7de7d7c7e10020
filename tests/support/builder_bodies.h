#pragma once
// Builders' inputs shared by their placement and golden tests: the lidded body over a shaped
// bottom that the 0215 draws (panels 400, 300, 400, 300 on a height of 100), and a double-wall
// tray with every diagonal crease.

#include "builders/double_wall_tray.h"
#include "builders/lidded_body_half.h"
#include "builders/snap_lock_body_half.h"

namespace brontaxe::test {

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

// Base 400 x 300, walls 100, the end walls doubled.
inline const DoubleWallTrayShape kDoubleWallTray{.a = 200,
                                                 .b = 150,
                                                 .h = 100,
                                                 .endWallDiagonals = true,
                                                 .sideWallDiagonals = true,
                                                 .flapDiagonals = true,
                                                 .flaps = CornerFlaps::DoubleEndWalls,
                                                 .doubleWall = DoubleWallSizes{100, 100, 100, 106}};

}  // namespace brontaxe::test
