// The glue flap is an input of every body half: each body draws and records the glue flap it is
// given, so that a style can put a panel or a square-ended flap in its place.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "builders/crash_lock_body_half.h"
#include "builders/emit.h"
#include "builders/interlocked_body_half.h"
#include "builders/lidded_body_half.h"
#include "builders/second_lid_body_half.h"
#include "builders/shaped_body_half.h"
#include "builders/slotted_body_half.h"
#include "builders/snap_lock_body_half.h"
#include "builders/tucked_cover_body_half.h"
#include "drawing/drawing_dump.h"
#include "support/builder_bodies.h"

namespace brontaxe {
namespace {

// Unlike the start-up glue flap (36 wide, slanted 15 degrees, not extended) in every value.
constexpr BodyGlueFlap kOwnGlue{.width = 50, .taper = 30, .extension = 20};

constexpr std::array<float, 4> kPanels{400, 300, 400, 300};

// Hand-holes stand a glue flap's width from the edge.
const BlankSettings kSettings = test::withHandHole(HandHoleKind::Cut);

BlankSettings fourPieces(FourPieces f) {
    BlankSettings s = kSettings;
    s.pieces.fourPieces = f;
    return s;
}

using BodyBuilder = std::function<MachinePasses(Drawing&, const BodyGlueFlap&)>;

struct BodyCase {
    const char* name;
    BodyBuilder draw;
};

LidBody lid(const BodyGlueFlap& glue) {
    LidBody b = test::kLid;
    b.glue = glue;
    return b;
}

SlottedBody slotted(const BodyGlueFlap& glue) {
    return {
        .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .h = 100, .f1 = 150, .f2 = 150, .glue = glue};
}

const BodyCase kBodies[] = {
    {"slotted upper half",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return SlottedBodyHalf(d, slotted(glue), kSettings);
     }},
    {"slotted lower half of a four-piece box glued on the right",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return SlottedBodyHalf(d, slotted(glue), fourPieces(FourPieces::GluedBothEnds),
                                {.mirrored = true});
     }},
    {"shaped",
     [](Drawing& d, const BodyGlueFlap& glue) {
         const FlapShape flap = plainFlap(120);
         return ShapedBodyHalf(
             d, {.panels = kPanels, .h = 100, .flaps = {flap, flap, flap, flap}, .glue = glue},
             kSettings);
     }},
    {"interlocked",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return InterlockedBodyHalf(d,
                                    {.p1 = 400,
                                     .p2 = 300,
                                     .p3 = 400,
                                     .p4 = 300,
                                     .h = 100,
                                     .f1 = 150,
                                     .f2 = 150,
                                     .glue = glue},
                                    kSettings, {.mirrored = true});
     }},
    {"tucked cover",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return TuckedCoverBodyHalf(d,
                                    {.p1 = 400,
                                     .p2 = 300,
                                     .p3 = 400,
                                     .p4 = 300,
                                     .h = 100,
                                     .cover = 300,
                                     .dust = 150,
                                     .glue = glue},
                                    kSettings);
     }},
    {"crash lock",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return CrashLockBodyHalf(
             d, {.panels = kPanels, .h = 100, .lock = crashLockSizes(kPanels), .glue = glue},
             kSettings, {.mirrored = true});
     }},
    {"lidded, glue flap on panel 1",
     [](Drawing& d, const BodyGlueFlap& glue) { return LiddedBodyHalf(d, lid(glue), kSettings); }},
    {"lidded, glue flap after panel 4",
     [](Drawing& d, const BodyGlueFlap& glue) {
         LidBody b = lid(glue);
         b.glueAfterPanel4 = true;
         return LiddedBodyHalf(d, b, kSettings);
     }},
    {"second lid",
     [](Drawing& d, const BodyGlueFlap& glue) {
         return SecondLidBodyHalf(d, lid(glue), kSettings, {.mirrored = true});
     }},
    {"snap-lock upper half",
     [](Drawing& d, const BodyGlueFlap& glue) {
         SnapLockBody b = test::kSnapLock;
         b.half = BodyHalf::Upper;
         b.glue = glue;
         return SnapLockBodyHalf(d, b, kSettings);
     }},
};

struct Drawn {
    std::string dump;
    MachinePassTable passes{};
};

Drawn draw(const BodyCase& c, const BodyGlueFlap& glue) {
    Drawn out;
    Drawing d;
    {
        GenerationPass pass(d);
        c.draw(d, glue).writeTo(out.passes);
    }
    out.dump = dumpDrawing(d);
    return out;
}

TEST(BodyGlueFlap, EachBodyDrawsAndRecordsTheGlueFlapItIsGiven) {
    for (const BodyCase& c : kBodies) {
        SCOPED_TRACE(c.name);
        const Drawn own = draw(c, kOwnGlue);
        EXPECT_EQ(own.passes[0], kOwnGlue.width);
        EXPECT_NE(own.dump, draw(c, test::kStartupGlue).dump);
    }
}

}  // namespace
}  // namespace brontaxe
