// The technical sheet: placeholders filled from the box, the questionnaire's rows and its
// limit, templates inserted beside the blank and kept there when it is drawn again, and the
// filled values in the saved drawing, the PDF and the DXF.

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "drawing/dimension_layout.h"
#include "drawing/sheet_elements.h"
#include "io/drawing_files.h"
#include "platform/process.h"
#include "support/temp_dir.h"
#include "techsheet/placeholders.h"
#include "techsheet/questionnaire.h"
#include "techsheet/sheet_template.h"
#include "workbench/design_file.h"
#include "workbench/workbench.h"
#include "workbench/workbench_check.h"

namespace brontaxe {
namespace {

SheetBox box0201() {
    return SheetBox{"0201", 400, 300, 200.5f, "1 - B  - simple cannelure", 3};
}

TEST(SheetPlaceholders, EachIsFilledOnceFromTheBox) {
    struct Case {
        const char* value;
        const char* filled;
    };
    const Case cases[] = {
        {"#M#", "0201"},
        {"#M# ou #M#", "0201 ou #M#"},  // the second stays as typed
        {"#L# x#B# x#H# mm", " 400 x 300 x 200.5 mm"},
        {"#Q#, #T# mm", "1 - B  - simple cannelure,  3 mm"},
        {"#H##L#", " 200.5 400"},
        {"sans repère", "sans repère"},
        {"#m# #X# ##", "#m# #X# ##"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillPlaceholders(c.value, box0201()), c.filled) << c.value;

    SheetBox negative = box0201();
    negative.length = -0.5f;
    EXPECT_EQ(fillPlaceholders("#L#", negative), "-.5");
}

Drawing sheetOf(int fields, const std::string& value = "") {
    Drawing d;
    std::vector<SheetField> list;
    for (int i = 1; i <= fields; ++i)
        list.push_back(
            {"Question " + std::to_string(i), value.empty() ? "R" + std::to_string(i) : value});
    d.setTechnicalSheet("Fiche", list);
    return d;
}

std::vector<int> shownFields(const Questionnaire& q) {
    std::vector<int> out;
    for (const Questionnaire::Row& r : q.rows())
        out.push_back(r.shown ? r.field : 0);
    return out;
}

TEST(Questionnaire, TwelveFieldsScrollTenAtATime) {
    const Drawing d = sheetOf(12);
    Questionnaire q;
    ASSERT_FALSE(q.open(d, box0201()));
    EXPECT_EQ(q.count(), 12);
    EXPECT_EQ(shownFields(q), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    q.scrollTo(5);
    EXPECT_EQ(shownFields(q), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 0, 0}));
    EXPECT_EQ(q.rows()[7].label, "Question 12");
    EXPECT_EQ(q.rows()[7].value, "R12");
    // Beyond the ends the scroll bar stops.
    q.scrollTo(40);
    EXPECT_EQ(q.first(), 12);
    q.scrollTo(-3);
    EXPECT_EQ(q.first(), 1);
}

TEST(Questionnaire, EditsReachTheDrawingOnlyOnValider) {
    Drawing d = sheetOf(12, "FEFCO #M# / #M#");
    Questionnaire q;
    ASSERT_FALSE(q.open(d, box0201()));
    EXPECT_EQ(q.value(1), "FEFCO 0201 / #M#");
    q.scrollTo(5);
    q.edit(7, "douze");
    q.edit(8, "hidden row");  // no field there
    q.edit(-1, "nothing");
    EXPECT_EQ(q.value(12), "douze");
    // Leaving without "Valider" changes nothing in the drawing.
    EXPECT_EQ(d.FieldValue(12), "FEFCO #M# / #M#");
    q.validate(d);
    EXPECT_EQ(d.FieldValue(12), "douze");
    // Left as shown, an answer keeps its placeholders: the sheet follows the design.
    EXPECT_EQ(d.FieldValue(1), "FEFCO #M# / #M#");
    EXPECT_EQ(d.FieldCount(), 12);
}

TEST(Questionnaire, HoldsAtMost199FieldsAndShowsNothingWithoutAny) {
    Questionnaire q;
    ASSERT_FALSE(q.open(sheetOf(199), box0201()));
    q.scrollTo(199);
    EXPECT_EQ(shownFields(q)[0], 199);

    Questionnaire refused;
    const auto problem = refused.open(sheetOf(250), box0201());
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, "Fiche technique de 250 champs : le questionnaire en prend 199 au plus");
    EXPECT_EQ(refused.count(), 0);
    EXPECT_EQ(shownFields(refused), std::vector<int>(10, 0));

    Questionnaire empty;
    ASSERT_FALSE(empty.open(Drawing{}, box0201()));
    EXPECT_EQ(shownFields(empty), std::vector<int>(10, 0));
}

// A workbench on the shipped tables with the start-up 0201 drawn.
struct SheetBench : ::testing::Test {
    void SetUp() override {
        wb.startUp();
        ASSERT_TRUE(wb.regenerate().drawn);
    }
    SheetTemplate shipped() {
        auto t = readSheetTemplate(shippedSheetTemplate(platform::processEnvironment()));
        if (auto* why = std::get_if<std::string>(&t))
            ADD_FAILURE() << *why;
        return std::get<SheetTemplate>(t);
    }
    std::vector<const TextShape*> valueTexts() const {
        std::vector<const TextShape*> out;
        for (const Element& e : wb.drawing().elements()) {
            if (e.flag > kFlagSheetField)
                out.push_back(&std::get<TextShape>(e.shape));
        }
        return out;
    }
    // Fills the sheet as the questionnaire does, with a client of our own.
    void fill() {
        Questionnaire q;
        ASSERT_FALSE(q.open(wb.drawing(), SheetBox::of(wb.model(), wb.boardTables())));
        q.edit(0, "Cartonnerie Dupré");
        q.validate(wb.drawing());
    }

    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};
};

TEST_F(SheetBench, TheShippedTemplateAsksTheUsualQuestionsInFrench) {
    const SheetTemplate t = shipped();
    EXPECT_EQ(t.name, "Fiche technique");
    std::vector<std::string> labels;
    for (const SheetField& f : t.fields)
        labels.push_back(f.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Client", "Référence", "Modèle",
                                                "Dimensions intérieures", "Qualité", "Épaisseur",
                                                "Date", "Dessinateur", "Observations"}));
}

TEST_F(SheetBench, InsertedBesideTheBlankOutOfItsFiguresAndKeptOnRedraw) {
    const Model before = wb.model();
    const Box blank = wb.drawing().extents();
    insertTechnicalSheet(wb.drawing(), shipped());
    const Drawing& d = wb.drawing();
    EXPECT_EQ(d.SheetName(), "Fiche technique");
    EXPECT_EQ(d.FieldCount(), 9);
    const Box sheet = sheetExtents(d);
    ASSERT_FALSE(sheet.empty);
    EXPECT_GT(sheet.xmin, blank.xmax);
    EXPECT_EQ(valueTexts().size(), 9u);
    // Beside a blank of 1447 x 509 mm, the sheet reads like the dimensions.
    const double k = DimensionStyle::forExtents(blank).textHeight / 3.5;
    EXPECT_GT(k, 3);
    EXPECT_NEAR(valueTexts()[0]->height, 3.5 * k, 1e-9);
    EXPECT_NEAR(sheet.width(), 180 * k, 1e-6);
    // Nothing of the blank's size, totals or check counts the sheet.
    EXPECT_EQ(d.extents().xmax, blank.xmax);
    EXPECT_TRUE(checkRegenerated(wb).empty());

    wb.window().lengthText = "900";
    ASSERT_TRUE(wb.regenerate().drawn);
    EXPECT_GT(wb.model().HorsToutX, before.HorsToutX);
    EXPECT_EQ(d.FieldCount(), 9);
    EXPECT_EQ(valueTexts().size(), 9u) << "the sheet is drawn once";
    EXPECT_GT(sheetExtents(d).xmin, d.extents().xmax);
    EXPECT_NEAR(sheetExtents(d).width(), sheet.width(), 1e-9);

    // A second insertion replaces the first one's graphic.
    insertTechnicalSheet(wb.drawing(), shipped());
    EXPECT_EQ(valueTexts().size(), 9u);
}

TEST_F(SheetBench, TheTotalsAreThoseOfTheBlankAlone) {
    const Model before = wb.model();
    insertTechnicalSheet(wb.drawing(), shipped());
    ASSERT_TRUE(wb.regenerate().drawn);
    EXPECT_EQ(wb.model().HorsToutX, before.HorsToutX);
    EXPECT_EQ(wb.model().HorsToutY, before.HorsToutY);
    EXPECT_EQ(wb.model().LgCoupant, before.LgCoupant);
    EXPECT_EQ(wb.model().LgRainant, before.LgRainant);
}

TEST_F(SheetBench, ValuesShowAsTextsOfTheDrawingAndFollowTheDesign) {
    insertTechnicalSheet(wb.drawing(), shipped());
    fill();
    const auto texts = [this] {
        std::vector<std::string> out;
        for (const TextShape* t : valueTexts())
            out.push_back(t->text);
        return out;
    };
    EXPECT_EQ(texts()[0], "Cartonnerie Dupré");
    EXPECT_EQ(texts()[2], "FEFCO 0201");
    EXPECT_EQ(texts()[3], " 400 x 300 x 200 mm");
    EXPECT_EQ(texts()[5], " 3 mm");

    // Drawn again for other sizes and another style, the sheet tells the new design; what the
    // user typed stays.
    wb.window().codeText = "0427";
    wb.window().lengthText = "460";
    ASSERT_TRUE(wb.regenerate().drawn);
    EXPECT_EQ(texts()[0], "Cartonnerie Dupré");
    EXPECT_EQ(texts()[2], "FEFCO 0427");
    EXPECT_EQ(texts()[3], " 460 x 300 x 200 mm");
    EXPECT_EQ(wb.drawing().FieldValue(4), "#L# x#B# x#H# mm");
}

TEST_F(SheetBench, TheFilledSheetIsInTheDesThePdfAndTheDxf) {
    insertTechnicalSheet(wb.drawing(), shipped());
    fill();

    const auto des = dir / "fiche.des";
    ASSERT_TRUE(io::SaveDrawing(wb.drawing(), des).ok);
    Drawing back;
    ASSERT_TRUE(io::OpenDrawing(back, des).ok);
    EXPECT_EQ(back.sheetFields(), wb.drawing().sheetFields());
    EXPECT_EQ(back.elements(), wb.drawing().elements());

    const auto pdf = dir / "fiche.pdf";
    ASSERT_TRUE(io::SaveDrawing(wb.drawing(), pdf).ok);
    const auto text = platform::runProcess({"pdftotext", pdf.string(), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const char* value : {"Cartonnerie Dupré", "FEFCO 0201", "400 x 300 x 200 mm",
                              "FICHE TECHNIQUE", "Dimensions intérieures"})
        EXPECT_NE(text.out.find(value), std::string::npos) << value << " in " << text.out;

    const auto dxf = dir / "fiche.dxf";
    ASSERT_TRUE(io::SaveDrawing(wb.drawing(), dxf).ok);
    const auto read = platform::runProcess(
        {"/usr/bin/python3", "-c",
         "import sys, ezdxf\n"
         "doc = ezdxf.readfile(sys.argv[1])\n"
         "for t in doc.modelspace().query('TEXT[layer==\"TEXTES\"]'): print(t.dxf.text)\n",
         dxf.string()});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    for (const char* value : {"Cartonnerie Dupré", "FEFCO 0201", " 400 x 300 x 200 mm"})
        EXPECT_NE(read.out.find(value), std::string::npos) << value << " in " << read.out;
}

TEST_F(SheetBench, OpeningASavedDesignBringsItsSheetBackAndDropsTheOneOnShow) {
    insertTechnicalSheet(wb.drawing(), shipped());
    fill();
    const auto withSheet = dir / "avec_fiche.des";
    ASSERT_TRUE(saveDesign(wb, withSheet).ok);

    test::TempDir other;
    Workbench reader{platform::PrivateProfile(other.path())};
    reader.startUp();
    ASSERT_TRUE(reader.regenerate().drawn);
    const OpenedDesign opened = openDesign(reader, withSheet);
    ASSERT_TRUE(opened.result.ok) << opened.result.message;
    ASSERT_TRUE(opened.parametric);
    EXPECT_EQ(reader.drawing().sheetFields(), wb.drawing().sheetFields());
    EXPECT_EQ(sheetElements(reader.drawing()), sheetElements(wb.drawing()));

    // A design saved without a sheet leaves none of the drawing on show.
    Workbench plainBench{platform::PrivateProfile(other.path())};
    plainBench.startUp();
    ASSERT_TRUE(plainBench.regenerate().drawn);
    const auto plain = other / "sans_fiche.des";
    ASSERT_TRUE(saveDesign(plainBench, plain).ok);
    ASSERT_TRUE(openDesign(reader, plain).result.ok);
    EXPECT_EQ(reader.drawing().SheetName(), "");
    EXPECT_EQ(reader.drawing().FieldCount(), 0);
    EXPECT_TRUE(sheetElements(reader.drawing()).empty());
}

TEST_F(SheetBench, BadTemplatesAreRefusedWithTheirReason) {
    const auto tooMany = dir / "grande.des";
    {
        Drawing d = sheetOf(200);
        ASSERT_TRUE(io::SaveDrawing(d, tooMany).ok);
    }
    const auto plain = dir / "sans_fiche.des";
    ASSERT_TRUE(io::SaveDrawing(wb.drawing(), plain).ok);
    struct Case {
        std::filesystem::path path;
        const char* reason;
    };
    const Case cases[] = {
        {tooMany, "Fiche technique de 200 champs : le questionnaire en prend 199 au plus"},
        {plain, "Ce dessin n'est pas un modèle de fiche technique"},
        {dir / "absent.des", "Modèle de fiche technique illisible"},
    };
    for (const Case& c : cases) {
        const auto read = readSheetTemplate(c.path);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.path;
        EXPECT_EQ(std::get<std::string>(read).rfind(c.reason, 0), 0u)
            << std::get<std::string>(read);
    }
}

TEST(SheetTemplatePath, TheShippedOneStandsInWhileNoneIsChosen) {
    const auto env = platform::processEnvironment();
    EXPECT_EQ(sheetTemplatePath("", env), shippedSheetTemplate(env));
    EXPECT_EQ(sheetTemplatePath("  ", env), shippedSheetTemplate(env));
    EXPECT_EQ(sheetTemplatePath("/srv/fiches/client.des", env), "/srv/fiches/client.des");
    EXPECT_TRUE(std::filesystem::exists(shippedSheetTemplate(env)));
}

}  // namespace
}  // namespace brontaxe
