#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "support/temp_dir.h"
#include "workbench/window_figures.h"

namespace brontaxe {
namespace {

void drawTooMuch(Model&, Drawing& d) {
    GenerationPass pass(d);
    for (int i = 0; i <= Tracer::kCapacity; ++i)
        line(d, 0, 0, 1, 0);
}

Generator lookupWithOverflow(std::string_view code) {
    if (code == "0300")  // listed, so dispatched here
        return &drawTooMuch;
    return findGenerator(code);
}

// Preferences naming a data directory without tables: every allowance is 0, so that the
// figures below are those of the bare inside dimensions.
void withoutTables(const test::TempDir& dir, const std::string& more = "") {
    test::writeFile(dir / "korparam.ini",
                    "[Preferences]\nMajoFefco=" + (dir / "sans-tables/").string() + "\n" + more);
}

TEST(Workbench, ModifierDrawsTheStartUpBoxAndMeasuresIt) {
    test::TempDir dir;
    withoutTables(dir);
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    const RegenerationReport r = wb.regenerate();
    ASSERT_TRUE(r.drawn) << r.message;
    const Model& m = wb.model();
    EXPECT_EQ(m.NumModele, 201);
    EXPECT_FLOAT_EQ(m.HorsToutX, 1436);
    EXPECT_FLOAT_EQ(m.HorsToutY, 500);
    EXPECT_NEAR(m.LgRainant, 3544, 0.01);
    EXPECT_EQ(wb.drawingFileName(), "paramQMT.des");
    EXPECT_FALSE(wb.drawing().isEditing());
}

TEST(Workbench, StoredParametersReachTheDrawing) {
    test::TempDir dir;
    withoutTables(dir, "[Brontaxe]\nlongueur= 500\nlgPatte= 30\n");
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    wb.regenerate();
    EXPECT_FLOAT_EQ(wb.model().HorsToutX, 30 + 2 * 500 + 2 * 300);
}

TEST(Workbench, FailedGenerationIsReportedAndTheNextOneWorks) {
    test::TempDir dir;
    withoutTables(dir);
    Workbench wb(platform::PrivateProfile(dir.path()), &lookupWithOverflow);
    wb.startUp();
    wb.window().codeText = "0201";
    wb.regenerate();
    wb.window().codeText = "0300";
    RegenerationReport r = wb.regenerate();
    EXPECT_FALSE(r.drawn);
    EXPECT_NE(r.message.find("1000"), std::string::npos);
    // Neither the half-drawn blank nor the figures of the one before are left to mislead.
    EXPECT_EQ(wb.drawing().ElementCount(), 0);
    EXPECT_EQ(wb.model().HorsToutX, 0);
    EXPECT_EQ(wb.model().LgCoupant, 0);
    EXPECT_EQ(windowFigures(wb.model()).waste, "XXXXXX");
    EXPECT_FALSE(wb.drawing().isEditing());

    wb.window().codeText = "0201";
    r = wb.regenerate();
    EXPECT_TRUE(r.drawn);
    EXPECT_FLOAT_EQ(wb.model().HorsToutX, 1436);
}

TEST(Workbench, StartUpSetsTheHandleGapFromTheGradeAndReadsTheCustomerProfile) {
    test::TempDir dir;
    withoutTables(dir,
                  "[Brontaxe]\nEPoign= 40\nhauteur= 900\n[FicheTechnique]\n"
                  "Personnalisation=qlx\n");
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    EXPECT_EQ(wb.model().Personnalisation, CustomerProfile::Qlx);
    EXPECT_FLOAT_EQ(wb.model().EPoign, 2 * wb.model().EpaisseurCarton);
    ASSERT_TRUE(wb.regenerate().drawn);
    // The profile's glue flap: 35 for a 3 mm board and a height of 800 or more.
    EXPECT_EQ(wb.model().lgPatte, 35);
}

TEST(Workbench, BlockedRegenerationLeavesTheDrawingAlone) {
    test::TempDir dir;
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    wb.model().BloqueModif = true;
    wb.regenerate();
    EXPECT_EQ(wb.drawing().ElementCount(), 0);
}

}  // namespace
}  // namespace brontaxe
