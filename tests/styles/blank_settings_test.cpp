// What the builders are given from a design, and how what they return goes back into it.

#include "styles/blank_settings.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "builders/sleeve_blank.h"
#include "support/builder_bodies.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

TEST(BlankSettings, EachComesFromItsOwnFieldOfTheDesign) {
    Model m = test::startupModel();
    m.EpaisseurCarton = 4.5f;
    m.Dblmur = 7;
    m.encoche = 10;
    m.decalenc = 2;
    m.OptionPoign = 3;
    m.LPoign = 95;
    m.HPoign = 32;
    m.EPoign = 8;
    m.DPoign = 41;
    m.CaisseEn2 = true;
    m.CaisseEn4 = 2;
    m.Sym_Verticale = true;
    m.Personnalisation = CustomerProfile::Qor;
    const BlankSettings s = blankSettingsOf(m);
    EXPECT_EQ(s.thickness, 4.5f);
    EXPECT_EQ(s.doubleWallBand, 7);
    EXPECT_EQ(s.slots, std::make_pair(3.0f, 7.0f));
    EXPECT_EQ(s.handHole,
              (WallHandHole{
                  .shape = {.type = HandHoleKind::FoldingTab, .length = 95, .height = 32, .tab = 8},
                  .drop = 41}));
    EXPECT_EQ(s.pieces, (PieceCut{.twoPieces = true, .fourPieces = FourPieces::SecondPanel}));
    EXPECT_TRUE(s.mirrored);
    EXPECT_EQ(s.profile, CustomerProfile::Qor);

    // Allowances 15 and 16 give both slot halves, when both are set.
    m.Majo[15] = 2;
    m.Majo[16] = 6;
    EXPECT_EQ(blankSettingsOf(m).slots, std::make_pair(2.0f, 6.0f));
    EXPECT_EQ(slotHalfWidths(m), std::make_pair(2.0f, 6.0f));
}

// The builders' own tests draw at these settings.
TEST(BlankSettings, TheStartUpDesignsAreTheBuildersTestSettings) {
    EXPECT_EQ(blankSettingsOf(test::startupModel()), test::kStartupSettings);
    const BodyGlueFlap glue = glueFlapOf(test::startupModel());
    EXPECT_EQ(glue.width, test::kStartupGlue.width);
    EXPECT_EQ(glue.taper, test::kStartupGlue.taper);
    EXPECT_EQ(glue.extension, test::kStartupGlue.extension);
}

TEST(BlankSettings, TheGlueFlapIsTheOneTheDesignAsksFor) {
    Model m;
    m.lgPatte = 42;
    m.anglPc = 20;
    m.patProlong = 7;
    const BodyGlueFlap glue = glueFlapOf(m);
    EXPECT_EQ(glue.width, 42);
    EXPECT_EQ(glue.taper, 20);
    EXPECT_EQ(glue.extension, 7);
}

// A sleeve's passes, glue flap first, as the design records them: turned round when the blank
// is drawn mirrored, but only for a builder that lays out the whole blank.
TEST(BlankSettings, AWholeBlanksPassesAreTurnedRoundWhenItIsDrawnMirrored) {
    for (const bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored);
        Drawing d;
        GenerationPass pass(d);
        const MachinePasses sleeve = SleeveBlank(
            d, {.glue = 36, .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .height = 500}, {});
        Model whole;
        whole.Sym_Verticale = mirrored;
        recordBlankPasses(whole, sleeve);
        EXPECT_EQ(whole.PassesMachine[0], mirrored ? 300 : 36);
        EXPECT_EQ(whole.PassesMachine[4], mirrored ? 36 : 300);
        EXPECT_EQ(whole.PassesMachine[16], 500);

        Model part;
        part.Sym_Verticale = mirrored;
        recordPasses(part, sleeve);
        EXPECT_EQ(part.PassesMachine[0], 36);
    }
}

}  // namespace
}  // namespace brontaxe
