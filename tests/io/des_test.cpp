#include "io/des_format.h"

#include <gtest/gtest.h>

#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "io/drawing_files.h"
#include "styles/02/fco200.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

// A default 0201 with one of every other shape and a technical sheet, so that every field of
// the file format is exercised.
Drawing richDrawing() {
    test::Generated g;
    Fco0201(g.m, g.d);
    Drawing& d = g.d;
    PenScope pen(d, kind::Text);
    d.AddText(100.125, -20.5, "Réf. «client», \"0201\"\nligne 2", 3, 7.5, 30);
    pen.setKind(kind::Cut);
    d.AddArc(1e-7, 1.0 / 3.0, 12.345678901234, 10, 360);
    pen.setPiece(3);
    pen.setVariant(2);
    pen.setKind(kind::HalfCut);
    d.AddLine(0.1, 0.2, 0.30000000000000004, -0.0);
    const ElementId sheet =
        d.addElement(Element{SheetShape{{-50, -300}, {1500, 300}}, kind::Auxiliary, 1, 1, 0});
    d.SetElementFlag(sheet, 13);
    d.addElement(
        Element{ContourShape{{{{0, 0}, {10, 0}, {10, 5}, {0, 0}}}, 25}, kind::Auxiliary, 1, 1, 0});
    d.addElement(
        Element{SymbolShape{{5, 600}, 11, 60, 90, {{{-1, 0}, {1, 0}}, {{1, 0}, {0.6, 0.25}}}},
                kind::Text, 1, 1, 0});
    d.setTechnicalSheet("Fiche 0201", {{"Client", "#M# pour X"}, {"Quantité", ""}, {"", "vide"}});
    return d;
}

TEST(DesFile, SaveOpenSaveKeepsEveryElementExactly) {
    test::TempDir dir;
    const Drawing before = richDrawing();
    ASSERT_TRUE(SaveDrawing(before, dir / "a.des").ok);

    Drawing after;
    const FileResult opened = OpenDrawing(after, dir / "a.des");
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(after.elements(), before.elements());  // exact, doubles included
    EXPECT_EQ(after.SheetName(), "Fiche 0201");
    ASSERT_EQ(after.FieldCount(), 3);
    EXPECT_EQ(after.FieldLabel(2), "Quantité");
    EXPECT_EQ(after.FieldValue(1), "#M# pour X");
    EXPECT_EQ(dumpDrawing(after), dumpDrawing(before));

    ASSERT_TRUE(SaveDrawing(after, dir / "b.des").ok);
    EXPECT_EQ(test::readFile(dir / "a.des"), test::readFile(dir / "b.des"));
}

TEST(DesFile, OpeningReplacesTheWholeDrawingAndItsSheet) {
    test::TempDir dir;
    Drawing small;
    small.AddLine(0, 0, 10, 0);
    ASSERT_TRUE(SaveDrawing(small, dir / "small.des").ok);

    Drawing d = richDrawing();
    ASSERT_TRUE(OpenDrawing(d, dir / "small.des").ok);
    EXPECT_EQ(d.ElementCount(), 1);
    EXPECT_EQ(d.SheetName(), "");
    EXPECT_EQ(d.FieldCount(), 0);
}

TEST(DesFile, DamagedFilesAreRefusedAndTheDrawingStaysAsItWas) {
    const std::string good = desText(richDrawing());
    const std::string line =
        R"({"a":[0,0],"b":[1,1],"kind":1,"piece":1,"type":"line","variant":1})";
    auto withElement = [](const std::string& e) {
        return R"({"format":"brontaxe-dessin","version":1,"sheet":{"name":"","fields":[]},)"
               R"("elements":[)" +
               e + "]}";
    };
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        {"", "illisible"},
        {good.substr(0, good.size() / 2), "illisible"},
        {"[1,2,3]", "pas un fichier de dessin"},
        {R"({"format":"autre","version":1})", "pas un fichier de dessin"},
        {R"({"format":"brontaxe-dessin","version":5,"sheet":{},"elements":[]})", "version 5"},
        {R"({"format":"brontaxe-dessin","version":0,"sheet":{},"elements":[]})", "version 0"},
        {R"({"format":"brontaxe-dessin","version":1,"elements":[]})", "\"sheet\" manquant"},
        {withElement(line + ",{}"), "élément 4"},
        {withElement(R"({"type":"cercle","kind":1,"piece":1,"variant":1})"), "cercle"},
        {withElement(R"({"a":[0],"b":[1,1],"kind":1,"piece":1,"type":"line","variant":1})"),
         "point \"a\""},
        {withElement(R"({"a":[0,1e300],"b":[1,1],"kind":1,"piece":1,"type":"line","variant":1})"),
         "hors limites"},
        {withElement(R"({"a":[0,0],"b":[1,1],"kind":70000,"piece":1,"type":"line","variant":1})"),
         "\"kind\" hors limites"},
        {withElement(R"({"a":[0,0],"b":[1,1],"kind":1.5,"piece":1,"type":"line","variant":1})"),
         "\"kind\" non entier"},
        {withElement(R"({"centre":[0,0],"radius":-1,"start":0,"sweep":90,"kind":1,"piece":1,)"
                     R"("type":"arc","variant":1})"),
         "arc incorrect"},
        {withElement(R"({"centre":[0,0],"radius":1,"start":0,"sweep":0,"kind":1,"piece":1,)"
                     R"("type":"arc","variant":1})"),
         "arc incorrect"},
        {withElement(R"({"min":[5,5],"max":[0,0],"kind":1,"piece":1,"type":"sheet","variant":1})"),
         "coins inversés"},
    };
    for (const auto& c : cases) {
        Drawing d = richDrawing();
        const std::string before = dumpDrawing(d);
        const FileResult r = readDesText(c.text, d);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << r.message;
        EXPECT_EQ(dumpDrawing(d), before) << c.text;
    }
    Drawing d;
    EXPECT_TRUE(readDesText(withElement(line), d).ok);
    EXPECT_EQ(d.ElementCount(), 1);
}

TEST(DesFile, OnlyDrawingFilesOpen) {
    test::TempDir dir;
    Drawing d;
    d.AddLine(0, 0, 1, 0);
    ASSERT_TRUE(SaveDrawing(d, dir / "x.dxf").ok);
    const struct {
        std::string name;
        const char* expected;
    } cases[] = {
        {"x.dxf", "seuls les dessins .des"},
        {"absent.des", "introuvable"},
        {"x.toto", "Format de fichier inconnu"},
    };
    for (const auto& c : cases) {
        const FileResult r = OpenDrawing(d, dir / c.name);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.expected), std::string::npos) << r.message;
        EXPECT_EQ(d.ElementCount(), 1);
    }
}

}  // namespace
}  // namespace brontaxe::io
