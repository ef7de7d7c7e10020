// The allowance editor's work on a design: values taken into the model and the tables, the
// drawing following at once, nothing written before "Valider", everything back on
// "Abandonner"; grades added and deleted with the design kept on its own grade.

#include "workbench/allowance_editor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "board/data_directory.h"
#include "drawing/dimension_layout.h"
#include "support/temp_dir.h"
#include "workbench/design_state.h"
#include "workbench/grade_deletion.h"

namespace brontaxe {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;

// A design on the shipped tables, copied into a folder of its own.
struct Design {
    Design() : wb(platform::PrivateProfile(dir.path())) {
        const platform::EnvironmentLookup none = [](const char*) {
            return std::optional<std::string>();
        };
        const fs::path shipped = shippedDataDirectory(none);
        fs::create_directories(data());
        for (const char* name : {"csqual2.kor", "fefcomajo1.kor"})
            fs::copy_file(shipped / name, data() / name);
        test::writeFile(dir / "korparam.ini",
                        "[Preferences]\nMajoFefco=" + data().string() + "/\n");
        wb.startUp();
        EXPECT_TRUE(wb.regenerate().drawn);
        gradeFile = readFile(data() / "csqual2.kor");
        allowanceFile = readFile(data() / "fefcomajo1.kor");
    }
    fs::path data() const { return dir / "data"; }
    bool filesUntouched() const {
        return readFile(data() / "csqual2.kor") == gradeFile &&
               readFile(data() / "fefcomajo1.kor") == allowanceFile;
    }

    TempDir dir;
    Workbench wb;
    std::string gradeFile;
    std::string allowanceFile;
};

TEST(AllowanceEditor, AnAllowanceTakenWidensTheBlankAndAbandonPutsEverythingBack) {
    Design d;
    const float width = d.wb.model().HorsToutX;
    const std::vector<Element> drawing = d.wb.drawing().elements();
    AllowanceEditor editor(d.wb);
    ASSERT_EQ(editor.styleCode(), 201);
    ASSERT_EQ(editor.grade(), 1);
    EXPECT_EQ(editor.fieldText(1), "2");
    EXPECT_EQ(editor.fieldText(kThicknessField), "3");

    const EditorEntry entry = editor.enter(1, "13");
    ASSERT_EQ(entry.refusal, std::nullopt);
    ASSERT_TRUE(entry.changed);
    d.wb.regenerate();
    EXPECT_FLOAT_EQ(d.wb.model().HorsToutX, width + 11);
    AllowanceValues stored{};
    ASSERT_NE(d.wb.boardTables().findAllowances(201, 1, 3, stored), 0);
    EXPECT_EQ(stored[1], 13);
    EXPECT_TRUE(d.filesUntouched());

    editor.abandon();
    d.wb.regenerate();
    EXPECT_EQ(d.wb.model().Majo[1], 2);
    EXPECT_EQ(d.wb.drawing().elements(), drawing);
    ASSERT_NE(d.wb.boardTables().findAllowances(201, 1, 3, stored), 0);
    EXPECT_EQ(stored[1], 2);
    EXPECT_TRUE(d.filesUntouched());
}

// A validated edit undone puts the tables back, in memory and on file, an edit of the
// allowances alone as well.
TEST(AllowanceEditor, AValidatedEditUndoneWritesTheTablesBack) {
    Design d;
    const DesignState before = captureDesign(d.wb);
    AllowanceEditor editor(d.wb);
    ASSERT_TRUE(editor.enter(1, "13").changed);
    ASSERT_EQ(editor.validate(), std::nullopt);
    ASSERT_FALSE(d.filesUntouched());
    EXPECT_EQ(restoreDesignState(d.wb, before).refusal, std::nullopt);
    EXPECT_TRUE(d.filesUntouched());
    EXPECT_EQ(d.wb.boardTables().allowances(), before.allowances);
    EXPECT_EQ(d.wb.model().Majo[1], 2);
}

TEST(AllowanceEditor, BadEntriesAreRefusedAndChangeNothing) {
    struct Case {
        int field;
        const char* text;
        const char* reason;
    };
    const std::vector<Case> cases{
        {3, "abc", "Majoration 3 incorrecte"},
        {3, "", "Majoration 3 incorrecte"},
        {16, "5000", "Majoration 16 incorrecte"},
        {kThicknessField, "trois", "Épaisseur incorrecte"},
        {kThicknessField, "0", "Épaisseur incorrecte"},
        {kDoubleWallField, "-2", "Double mur incorrect"},
    };
    Design d;
    AllowanceEditor editor(d.wb);
    const Model before = d.wb.model();
    const AllowanceTable allowances = d.wb.boardTables().allowances();
    const GradeTable grades = d.wb.boardTables().grades();
    for (const Case& c : cases) {
        const EditorEntry entry = editor.enter(c.field, c.text);
        ASSERT_TRUE(entry.refusal) << c.text;
        EXPECT_NE(entry.refusal->find(c.reason), std::string::npos) << *entry.refusal;
        EXPECT_FALSE(entry.changed);
    }
    EXPECT_EQ(d.wb.model().Majo, before.Majo);
    EXPECT_EQ(d.wb.model().EpaisseurCarton, before.EpaisseurCarton);
    EXPECT_EQ(d.wb.boardTables().allowances(), allowances);
    EXPECT_EQ(d.wb.boardTables().grades(), grades);
    // The same value again, with a comma: taken, but nothing to redraw.
    EXPECT_FALSE(editor.enter(kThicknessField, "3,0").changed);
}

TEST(AllowanceEditor, TheGradesThicknessFollowsIntoTheDesignAndValiderSavesBothFiles) {
    Design d;
    AllowanceEditor editor(d.wb);
    ASSERT_TRUE(editor.enter(2, "5").changed);
    ASSERT_TRUE(editor.enter(kThicknessField, "3.5").changed);
    const Model& m = d.wb.model();
    EXPECT_EQ(m.EpaisseurCarton, 3.5f);
    EXPECT_EQ(m.htenon, 3.5f);
    EXPECT_EQ(m.hmortaise, 3.5f + m.Dblmur);
    EXPECT_EQ(m.Majo[2], 5);  // the grade's own allowances stay as typed
    EXPECT_EQ(d.wb.boardTables().gradeThickness(1), 3.5f);
    ASSERT_TRUE(editor.enter(kDoubleWallField, "7").changed);
    EXPECT_EQ(d.wb.boardTables().gradeDoubleWall(1), 7.0f);
    EXPECT_TRUE(d.filesUntouched());

    ASSERT_EQ(editor.validate(), std::nullopt);
    BoardTables reread(d.data());
    reread.readGrades();
    reread.readAllowances();
    EXPECT_EQ(reread.gradeThickness(1), 3.5f);
    EXPECT_EQ(reread.gradeDoubleWall(1), 7.0f);
    AllowanceValues stored{};
    reread.findAllowances(201, 1, 3.5f, stored);
    EXPECT_EQ(stored[2], 5);
}

TEST(AllowanceEditor, ChoosingAGradeBringsItsAllowancesAndThickness) {
    Design d;
    AllowanceEditor editor(d.wb);
    editor.selectGrade(2);
    const Model& m = d.wb.model();
    EXPECT_EQ(m.NumQualite, 2);
    EXPECT_EQ(m.EpaisseurCarton, 4.0f);
    EXPECT_EQ(editor.fieldText(1), "3");
    EXPECT_EQ(editor.fieldText(5), "8");
    EXPECT_EQ(editor.fieldText(kDoubleWallField), "8");
    editor.abandon();
    EXPECT_EQ(d.wb.model().NumQualite, 1);
    EXPECT_EQ(d.wb.model().EpaisseurCarton, 3.0f);
}

TEST(AllowanceEditor, AnAddedGradeIsShownAndADeletedOneLeavesTheDesignOnItsOwnGrade) {
    Design d;
    AllowanceEditor editor(d.wb);
    EXPECT_TRUE(editor.addGrade("  ", "vide", "3", "6"));
    EXPECT_TRUE(editor.addGrade("AA", "AA", "0", "6"));
    EXPECT_TRUE(editor.addGrade("AA", "AA", "3", "x"));
    const int count = d.wb.boardTables().grades().count();
    ASSERT_EQ(editor.addGrade(" AA ", " double AA ", "8", "16"), std::nullopt);
    ASSERT_EQ(d.wb.boardTables().grades().count(), count + 1);
    EXPECT_EQ(editor.grade(), count + 1);
    EXPECT_EQ(d.wb.model().EpaisseurCarton, 8.0f);
    EXPECT_EQ(d.wb.boardTables().gradeLabel(count + 1), " 6 - double AA");
    EXPECT_EQ(d.wb.boardTables().grades().at(count + 1).code, "AA");
    ASSERT_EQ(editor.validate(), std::nullopt);

    // Deleting a grade before the design's: the design keeps its board under the new number.
    ASSERT_EQ(deleteGrade(d.wb, 2), std::nullopt);
    EXPECT_EQ(d.wb.model().NumQualite, count);
    EXPECT_EQ(d.wb.model().EpaisseurCarton, 8.0f);
    // Deleting the design's grade: grade 1.
    ASSERT_EQ(deleteGrade(d.wb, count), std::nullopt);
    EXPECT_EQ(d.wb.model().NumQualite, 1);
    EXPECT_EQ(d.wb.model().EpaisseurCarton, 3.0f);
}

TEST(GradeDeletion, TheDesignsGradeFollowsItsBoard) {
    struct Case {
        int current, deleted, after;
    };
    for (const Case& c : std::vector<Case>{{1, 2, 1}, {3, 2, 2}, {2, 2, 1}, {1, 1, 1}, {5, 1, 4}})
        EXPECT_EQ(gradeAfterDeletion(c.current, c.deleted), c.after)
            << c.current << " after deleting " << c.deleted;
}

// Allowance 1 of a 0201 is the first panel: the dimensions it moves are on screen, and one of
// them measures that panel; allowance 8 moves nothing.
TEST(AllowanceEffects, EachAllowancePointsAtTheDimensionsItMoves) {
    Design d;
    const AllowanceEffects effects = d.wb.allowanceEffects();
    ASSERT_TRUE(effects[1].movesBlank);
    ASSERT_FALSE(effects[1].dimensions.empty());
    const Drawing& drawing = d.wb.drawing();
    bool panelFound = false;
    for (ElementId id : effects[1].dimensions) {
        ASSERT_TRUE(drawing.contains(id));
        const auto* dim = std::get_if<DimensionShape>(&drawing.element(id).shape);
        ASSERT_NE(dim, nullptr);
        const double value = layoutDimension(*dim, DimensionStyle{}).value;
        panelFound = panelFound || std::abs(value - (d.wb.model().Longueur + 2)) < 1e-3;
    }
    EXPECT_TRUE(panelFound);
    for (int k : {6, 7})
        EXPECT_TRUE(effects[static_cast<std::size_t>(k)].movesBlank) << k;
    for (int k = 8; k <= 16; ++k) {
        EXPECT_FALSE(effects[static_cast<std::size_t>(k)].movesBlank) << k;
        EXPECT_TRUE(effects[static_cast<std::size_t>(k)].dimensions.empty()) << k;
        EXPECT_TRUE(effects[static_cast<std::size_t>(k)].said.empty()) << k;
    }
    // Said in words for styles without captions: the panel's dimension and the overall length
    // (402 mm on a 0201 of 400 with its 2 mm allowance; the overall 1447 before the bump).
    EXPECT_EQ(effects[1].said, "cotes 402 et 1447 mm, hors tout X");
}

// Every drawn style of the 04 family, whose allowances have no caption, says what each
// allowance that moves its blank moves.
TEST(AllowanceEffects, EveryAllowanceThatMovesAFolderSaysWhat) {
    for (const char* code : {"0427", "0421", "0470"}) {
        Design d;
        d.wb.window().codeText = code;
        d.wb.codeBoxLeft();
        const AllowanceEffects effects = d.wb.allowanceEffects();
        int moving = 0;
        for (int k = 1; k <= kAllowanceCount; ++k) {
            const AllowanceEffect& e = effects[static_cast<std::size_t>(k)];
            EXPECT_EQ(e.movesBlank, !e.said.empty()) << code << " " << k;
            moving += e.movesBlank;
        }
        EXPECT_GT(moving, 3) << code;
    }
}

}  // namespace
}  // namespace brontaxe
