// The glue flap is an input of every body half: a body drawn with a glue flap of its own over
// a model that holds another one draws and records exactly what the model holding that glue
// flap would, so that a style can put a panel or a square-ended flap in its place without
// touching the model.

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
#include "styles/blank_settings.h"
#include "support/builder_bodies.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

// Unlike the start-up glue flap (36 wide, slanted 15 degrees, not extended) in every value.
constexpr BodyGlueFlap kOwnGlue{.width = 50, .taper = 30, .extension = 20};

constexpr std::array<float, 4> kPanels{400, 300, 400, 300};

using BodyBuilder = std::function<void(Model&, Drawing&, const BodyGlueFlap&)>;

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
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(m, SlottedBodyHalf(d, slotted(glue), blankSettingsOf(m)));
     }},
    {"slotted lower half of a four-piece box glued on the right",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         m.CaisseEn4 = 4;
         recordPasses(m, SlottedBodyHalf(d, slotted(glue), blankSettingsOf(m), {.mirrored = true}));
     }},
    {"shaped",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         const FlapShape flap = plainFlap(120);
         recordPasses(
             m,
             ShapedBodyHalf(
                 d, {.panels = kPanels, .h = 100, .flaps = {flap, flap, flap, flap}, .glue = glue},
                 blankSettingsOf(m)));
     }},
    {"interlocked",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(m, InterlockedBodyHalf(d,
                                             {.p1 = 400,
                                              .p2 = 300,
                                              .p3 = 400,
                                              .p4 = 300,
                                              .h = 100,
                                              .f1 = 150,
                                              .f2 = 150,
                                              .glue = glue},
                                             blankSettingsOf(m), {.mirrored = true}));
     }},
    {"tucked cover",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(m, TuckedCoverBodyHalf(d,
                                             {.p1 = 400,
                                              .p2 = 300,
                                              .p3 = 400,
                                              .p4 = 300,
                                              .h = 100,
                                              .cover = 300,
                                              .dust = 150,
                                              .glue = glue},
                                             blankSettingsOf(m)));
     }},
    {"crash lock",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(
             m, CrashLockBodyHalf(
                    d, {.panels = kPanels, .h = 100, .lock = crashLockSizes(kPanels), .glue = glue},
                    blankSettingsOf(m), {.mirrored = true}));
     }},
    {"lidded, glue flap on panel 1",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(m, LiddedBodyHalf(d, lid(glue), blankSettingsOf(m)));
     }},
    {"lidded, glue flap after panel 4",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         LidBody b = lid(glue);
         b.glueAfterPanel4 = true;
         recordPasses(m, LiddedBodyHalf(d, b, blankSettingsOf(m)));
     }},
    {"second lid",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         recordPasses(m, SecondLidBodyHalf(d, lid(glue), blankSettingsOf(m), {.mirrored = true}));
     }},
    {"snap-lock upper half",
     [](Model& m, Drawing& d, const BodyGlueFlap& glue) {
         SnapLockBody b = test::kSnapLock;
         b.half = BodyHalf::Upper;
         b.glue = glue;
         recordPasses(m, SnapLockBodyHalf(d, b, blankSettingsOf(m)));
     }},
};

struct Drawn {
    std::string dump;
    std::array<float, 17> passes;
};

Drawn drawOver(const BodyCase& c, const BodyGlueFlap& modelGlue, const BodyGlueFlap& given) {
    test::Generated g;
    g.m.OptionPoign = 1;  // hand-holes stand a glue flap's width from the edge
    g.m.lgPatte = modelGlue.width;
    g.m.anglPc = modelGlue.taper;
    g.m.patProlong = modelGlue.extension;
    {
        GenerationPass pass(g.d);
        c.draw(g.m, g.d, given);
    }
    return {dumpDrawing(g.d), g.m.PassesMachine};
}

TEST(BodyGlueFlap, EachBodyDrawsTheGlueFlapItIsGivenWhateverTheModelHolds) {
    const BodyGlueFlap startup = test::kStartupGlue;
    for (const BodyCase& c : kBodies) {
        SCOPED_TRACE(c.name);
        const Drawn given = drawOver(c, startup, kOwnGlue);
        const Drawn held = drawOver(c, kOwnGlue, kOwnGlue);
        EXPECT_EQ(given.dump, held.dump);
        EXPECT_EQ(given.passes, held.passes);
        EXPECT_EQ(given.passes[0], kOwnGlue.width);
        EXPECT_NE(given.dump, drawOver(c, startup, startup).dump);
    }
}

TEST(BodyGlueFlap, TheModelsOwnIsTheOneItsSettingsAskFor) {
    test::Generated g;
    g.m.lgPatte = 42;
    g.m.anglPc = 20;
    g.m.patProlong = 7;
    const BodyGlueFlap glue = glueFlapOf(g.m);
    EXPECT_EQ(glue.width, 42);
    EXPECT_EQ(glue.taper, 20);
    EXPECT_EQ(glue.extension, 7);
}

}  // namespace
}  // namespace brontaxe
