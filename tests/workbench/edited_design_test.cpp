// A design with a blank edited by hand: kept whole by its file and its design record, and
// refused, the design on show left as it was, when its edits are damaged.
#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "io/des_format.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace edited_design_test {
namespace {

platform::EnvironmentLookup noEnvironment() {
    return [](const char*) -> std::optional<std::string> { return std::nullopt; };
}

struct Program {
    explicit Program(const std::filesystem::path& settings)
        : wb(platform::PrivateProfile(settings), &findGenerator, noEnvironment()) {
        wb.startUp();
        wb.regenerate();
    }
    Workbench wb;
};

Element line(Point a, Point b, LineKind lineKind = kind::Cut) {
    return Element{LineShape{a, b}, lineKind};
}

// The blank on show with a crease and a text added and its first element turned to a
// perforation.
std::vector<Element> edited(const Workbench& wb) {
    std::vector<Element> blank = wb.editableBlank();
    blank.front().lineKind = kind::Perforation;
    blank.push_back(line({50, 60}, {150, 60}, kind::Crease));
    blank.push_back(Element{TextShape{{70, 80}, "Fenêtre", 0, 5, 0}, kind::Text});
    return blank;
}

void adoptRectangle(Workbench& wb) {
    Drawing read;
    read.AddLine(0, 0, 300, 0);
    read.AddLine(300, 0, 300, 200);
    read.AddLine(300, 200, 0, 200);
    read.AddLine(0, 200, 0, 0);
    wb.adoptDieLine(read, "client.dxf");
    wb.regenerate();
}

// An edited 0201, the same cut along a section afterwards, and an edited die-line: saved and
// opened after a restart, each draws what was edited, and the edits go on from there.
TEST(EditedDesign, EditsComeBackFromTheFile) {
    const struct {
        const char* name;
        bool dieLine;
        bool section;
    } cases[] = {{"0201", false, false}, {"0201 sectionné", false, true}, {"découpe", true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        std::string dump;
        std::vector<Element> edits;
        {
            Program p(dir.path());
            if (c.dieLine)
                adoptRectangle(p.wb);
            edits = edited(p.wb);
            ASSERT_TRUE(p.wb.applyBlankEdit(edits).drawn);
            if (c.section) {
                ASSERT_FALSE(p.wb.applySection(SectionSide::Left, 300).refusal);
            }
            const io::DesignRecord record = designRecord(p.wb);
            EXPECT_EQ(record.editedBlank, c.dieLine ? std::nullopt : std::optional(edits));
            EXPECT_EQ(record.dieLine, c.dieLine ? std::optional(edits) : std::nullopt);
            dump = dumpDrawing(p.wb.drawing());
            ASSERT_TRUE(saveDesign(p.wb, dir / "modifiée.des").ok);
        }
        Program q(dir.path());
        const OpenedDesign opened = openDesign(q.wb, dir / "modifiée.des");
        ASSERT_TRUE(opened.result.ok) << opened.result.message;
        EXPECT_EQ(dumpDrawing(q.wb.drawing()), dump);
        EXPECT_EQ(q.wb.hasBlankEdits(), !c.dieLine);
        EXPECT_EQ(q.wb.appliedSection().has_value(), c.section);
        if (c.section)
            continue;
        EXPECT_EQ(q.wb.editableBlank(), edits);
        EXPECT_TRUE(q.wb.regenerate().drawn);
        EXPECT_EQ(dumpDrawing(q.wb.drawing()), dump);
    }
}

// Damaged edits are refused in French, the design on show left as it was; files of the
// versions before the edits were kept open without any.
TEST(EditedDesign, DamagedEditsAreRefusedAndOlderFilesOpenWithout) {
    test::TempDir dir;
    Program p(dir.path());
    p.wb.applyBlankEdit(edited(p.wb));
    ASSERT_TRUE(saveDesign(p.wb, dir / "bon.des").ok);
    const std::string good = test::readFile(dir / "bon.des");
    Program plain(dir.path());
    ASSERT_TRUE(saveDesign(plain.wb, dir / "simple.des").ok);
    const std::string simple = test::readFile(dir / "simple.des");

    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const std::string edits = "\"editedBlank\":[";
    const struct {
        const char* name;
        std::string text;
        const char* refusal;  // none: the file opens, without edits
    } cases[] = {
        {"an element without its kind",
         replaced(good, edits + "{", edits + "{\"type\":\"line\",\"a\":[0,0],\"b\":[1,1]},{"),
         "découpe modifiée, trait 1 : champ \"kind\" manquant"},
        {"an arc without sweep",
         replaced(good, edits,
                  edits + "{\"type\":\"arc\",\"centre\":[0,0],\"radius\":5,\"start\":0,"
                          "\"sweep\":0,\"kind\":1,\"variant\":1,\"piece\":1},"),
         "découpe modifiée, trait 1 : arc incorrect"},
        {"a sheet outline among the edits",
         replaced(good, edits,
                  edits + "{\"type\":\"sheet\",\"min\":[0,0],\"max\":[9,9],\"kind\":1,"
                          "\"variant\":1,\"piece\":1},"),
         "élément étranger à la découpe"},
        {"not a list", replaced(good, edits, "\"editedBlank\":{\"x\":1},\"autre\":["),
         "champ \"editedBlank\" non tableau"},
        {"edits beside a die-line", replaced(good, edits, "\"dieLine\":[]," + edits),
         "découpe importée et modifications"},
        {"version 3", replaced(simple, "\"version\":4", "\"version\":3"), nullptr},
        {"version 1", replaced(simple, "\"version\":4", "\"version\":1"), nullptr},
    };
    Program shown(dir.path());
    shown.wb.applyBlankEdit(edited(shown.wb));
    shown.wb.window().lengthText = "611";  // locked in the window, drawn as edited here
    shown.wb.regenerate();
    const std::string dump = dumpDrawing(shown.wb.drawing());
    const io::DesignRecord record = designRecord(shown.wb);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(dir / "abîmé.des", c.text);
        const OpenedDesign opened = openDesign(shown.wb, dir / "abîmé.des");
        if (!c.refusal) {
            EXPECT_TRUE(opened.result.ok) << opened.result.message;
            EXPECT_FALSE(shown.wb.hasBlankEdits());
            EXPECT_EQ(dumpDrawing(shown.wb.drawing()), dumpDrawing(plain.wb.drawing()));
            ASSERT_FALSE(restoreDesign(shown.wb, record));
            shown.wb.regenerate();
            continue;
        }
        EXPECT_FALSE(opened.result.ok);
        EXPECT_NE(opened.result.message.find(c.refusal), std::string::npos)
            << opened.result.message;
        EXPECT_EQ(dumpDrawing(shown.wb.drawing()), dump);
        EXPECT_EQ(designRecord(shown.wb), record);
    }
}

// A drawing kept without its design is shown as saved: an edit made on it would land on the
// blank of the design before it.
TEST(EditedDesign, ADrawingOpenedWithoutItsDesignOffersNothingToEdit) {
    test::TempDir dir;
    Program p(dir.path());
    p.wb.applyBlankEdit(edited(p.wb));
    Drawing saved;
    saved.AddLine(0, 0, 10, 0);
    test::writeFile(dir / "figé.des", io::desText(saved));
    const OpenedDesign opened = openDesign(p.wb, dir / "figé.des");
    ASSERT_TRUE(opened.result.ok) << opened.result.message;
    EXPECT_FALSE(opened.parametric);
    EXPECT_TRUE(p.wb.editableBlank().empty());
}

}  // namespace
}  // namespace edited_design_test
}  // namespace brontaxe
