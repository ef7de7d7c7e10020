// A blank edited by hand: what an edit starts from, what it is drawn, measured, bridged and
// imposed as, what drops it, and how a design file keeps it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "check/design_check.h"
#include "drawing/drawing_dump.h"
#include "drawing/rule_report.h"
#include "fold/erected_pieces.h"
#include "io/des_format.h"
#include "io/die_line_import.h"
#include "io/drawing_files.h"
#include "styles/generators.h"
#include "support/temp_dir.h"
#include "workbench/design_file.h"
#include "workbench/design_fold.h"
#include "workbench/design_state.h"
#include "workbench/nesting_pattern.h"
#include "workbench/nesting_workbench.h"
#include "workbench/workbench.h"
#include "workbench/workbench_check.h"

namespace brontaxe {
namespace {

platform::EnvironmentLookup noEnvironment() {
    return [](const char*) -> std::optional<std::string> { return std::nullopt; };
}

// A program started on its own settings folder, showing the 0201 400 x 300 x 200.
struct Bench {
    Bench() {
        wb.startUp();
        wb.regenerate();
    }
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path()), &findGenerator, noEnvironment()};
};

Element line(Point a, Point b, LineKind lineKind = kind::Cut) {
    return Element{LineShape{a, b}, lineKind};
}

// The panel between the two vertical creases farthest apart, and the height they span: a place
// a window can be cut in.
Box widestPanel(const std::vector<Element>& blank) {
    std::vector<double> xs;
    Box panel;
    for (const Element& e : blank) {
        const auto* l = std::get_if<LineShape>(&e.shape);
        if (!l || e.lineKind != kind::Crease || l->a.x != l->b.x)
            continue;
        xs.push_back(l->a.x);
        panel.ymin = std::min({panel.empty ? l->a.y : panel.ymin, l->a.y, l->b.y});
        panel.ymax = std::max({panel.empty ? l->a.y : panel.ymax, l->a.y, l->b.y});
        panel.empty = false;
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (xs[i] - xs[i - 1] > panel.xmax - panel.xmin) {
            panel.xmin = xs[i - 1];
            panel.xmax = xs[i];
        }
    }
    return panel;
}

// A closed window of cuts, `w` x `h`, centred in `panel`.
std::vector<Element> windowCutOut(const Box& panel, double w, double h) {
    const double x = (panel.xmin + panel.xmax - w) / 2;
    const double y = (panel.ymin + panel.ymax - h) / 2;
    return {line({x, y}, {x + w, y}), line({x + w, y}, {x + w, y + h}),
            line({x + w, y + h}, {x, y + h}), line({x, y + h}, {x, y})};
}

// The 0201 on show with a 100 x 50 window cut in its widest panel.
std::vector<Element> withWindow(const Workbench& wb) {
    std::vector<Element> edited = wb.editableBlank();
    for (Element& e : windowCutOut(widestPanel(edited), 100, 50))
        edited.push_back(std::move(e));
    return edited;
}

std::vector<Element> withoutBridges(std::vector<Element> elements) {
    for (Element& e : elements)
        e.bridges.clear();
    return elements;
}

// Elements one a line, for a failure worth reading.
std::string shown(const std::vector<Element>& elements) {
    std::string out;
    for (const Element& e : elements)
        out += dumpElement(e) + "\n";
    return out;
}

// Dimension chains move clear of the poses of a grid.
std::vector<Element> withoutDimensions(std::vector<Element> elements) {
    std::erase_if(elements, [](const Element& e) { return e.type() == ShapeType::Dimension; });
    return elements;
}

std::vector<Element> firstElements(const Drawing& d, std::size_t count) {
    const auto& all = d.elements();
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size()))};
}

// A die-line read from a file: a 300 x 200 rectangle of cuts.
void adoptRectangle(Workbench& wb) {
    Drawing read;
    read.AddLine(0, 0, 300, 0);
    read.AddLine(300, 0, 300, 200);
    read.AddLine(300, 200, 0, 200);
    read.AddLine(0, 200, 0, 0);
    wb.adoptDieLine(read, "client.dxf");
    ASSERT_TRUE(wb.regenerate().drawn);
}

std::ptrdiff_t firstCrease(const std::vector<Element>& blank) {
    return std::find_if(blank.begin(), blank.end(),
                        [](const Element& e) { return e.lineKind == kind::Crease; }) -
           blank.begin();
}

std::size_t countKind(const Drawing& d, LineKind lineKind) {
    return static_cast<std::size_t>(
        std::count_if(d.elements().begin(), d.elements().end(), [lineKind](const Element& e) {
            return e.lineKind == lineKind && e.type() == ShapeType::Line;
        }));
}

// Whatever the style, its mirror, extra creases, bridges and poses, the drawing starts with the
// blank an edit starts from, element for element, bridges aside.
TEST(EditedBlank, TheDrawingStartsWithTheEditableBlankOverTheCatalogue) {
    Bench b;
    int compared = 0;
    for (std::string_view code : generatorCodes()) {
        if (code.find('/') != std::string_view::npos)
            continue;
        b.wb.window().codeText = std::string(code);
        if (!b.wb.codeBoxLeft().drawn)
            continue;
        SCOPED_TRACE(std::string(code));
        const std::vector<Element>& blank = b.wb.editableBlank();
        ASSERT_FALSE(blank.empty());
        const std::vector<Element> drawn =
            withoutBridges(firstElements(b.wb.drawing(), blank.size()));
        EXPECT_TRUE(drawn == blank) << shown(drawn) << "--- against\n" << shown(blank);
        ++compared;
    }
    EXPECT_GT(compared, 150);

    // Mirrored, with extra creases, bridged and imposed 2 x 2.
    b.wb.window().codeText = "0201";
    b.wb.codeBoxLeft();
    const std::size_t plain = b.wb.editableBlank().size();
    b.wb.model().ponts = true;
    b.wb.window().creaseList = "100+200";
    b.wb.imposition().AvecImpos = true;
    b.wb.enterPoseCount(Axis::X, 2);
    b.wb.enterPoseCount(Axis::Y, 2);
    b.wb.toggleMirror();
    const std::vector<Element>& blank = b.wb.editableBlank();
    EXPECT_GT(blank.size(), plain);  // the extra crease
    EXPECT_TRUE(std::none_of(blank.begin(), blank.end(),
                             [](const Element& e) { return !e.bridges.empty(); }));
    EXPECT_GT(b.wb.model().NbPonts, 0);
    EXPECT_EQ(b.wb.model().NbPoses, 4);
    const std::vector<Element> drawn =
        withoutDimensions(withoutBridges(firstElements(b.wb.drawing(), blank.size())));
    EXPECT_TRUE(drawn == withoutDimensions(blank)) << shown(drawn) << "--- against\n"
                                                   << shown(blank);
}

// An edit that changes nothing draws what the style drew: arrows, bridges, poses, figures.
TEST(EditedBlank, AnEditThatChangesNothingDrawsTheStyle) {
    const struct {
        const char* name;
        void (*set)(Workbench&);
    } cases[] = {
        {"0201", [](Workbench&) {}},
        {"mirrored, with creases and bridges",
         [](Workbench& wb) {
             wb.model().ponts = true;
             wb.window().creaseList = "100+200";
             wb.toggleMirror();
         }},
        {"imposed 2 x 2, flute across",
         [](Workbench& wb) {
             wb.imposition().AvecImpos = true;
             wb.enterPoseCount(Axis::X, 2);
             wb.enterPoseCount(Axis::Y, 2);
             wb.fluteDirectionChosen(AlongAxis::X);
         }},
        {"0427",
         [](Workbench& wb) {
             wb.window().codeText = "0427";
             wb.codeBoxLeft();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        c.set(b.wb);
        const std::vector<Element> style = b.wb.drawing().elements();
        const Model before = b.wb.model();
        ASSERT_TRUE(b.wb.applyBlankEdit(b.wb.editableBlank()).drawn);
        EXPECT_TRUE(b.wb.drawing().elements() == style) << shown(b.wb.drawing().elements());
        for (const auto& [a, z] : {std::pair{before.LgCoupant, b.wb.model().LgCoupant},
                                   {before.LgRainant, b.wb.model().LgRainant},
                                   {before.SurfDecoupee, b.wb.model().SurfDecoupee},
                                   {before.HorsToutX, b.wb.model().HorsToutX},
                                   {before.FmtCartonX, b.wb.model().FmtCartonX}})
            EXPECT_FLOAT_EQ(z, a);
    }
}

// A window cut in a 0201: 300 mm more cut, one cut-out more, held by a bridge, in every pose;
// the size and the creases as they were.
TEST(EditedBlank, AnEditedStyleIsMeasuredBridgedReportedAndImposed) {
    Bench b;
    b.wb.model().ponts = true;
    b.wb.imposition().AvecImpos = true;
    b.wb.enterPoseCount(Axis::X, 2);
    ASSERT_EQ(b.wb.model().NbPoses, 2);
    const Model before = b.wb.model();
    const RuleReport rulesBefore = imposedRuleReport(b.wb.drawing(), 2).pose;
    const std::size_t cutsBefore = countKind(b.wb.drawing(), kind::Cut);

    const std::vector<Element> edited = withWindow(b.wb);
    const RegenerationReport r = b.wb.applyBlankEdit(edited);
    ASSERT_TRUE(r.drawn) << r.message;
    EXPECT_TRUE(b.wb.hasBlankEdits());
    EXPECT_EQ(*b.wb.blankEdits(), edited);
    EXPECT_EQ(b.wb.editableBlank(), edited);
    const Model& m = b.wb.model();
    EXPECT_NEAR(m.LgCoupant, before.LgCoupant + 2 * 300, 1e-2);  // both poses
    EXPECT_FLOAT_EQ(m.LgRainant, before.LgRainant);
    EXPECT_FLOAT_EQ(m.HorsToutX, before.HorsToutX);
    EXPECT_FLOAT_EQ(m.HorsToutY, before.HorsToutY);
    EXPECT_EQ(m.NbPoses, 2);
    EXPECT_EQ(countKind(b.wb.drawing(), kind::Cut), cutsBefore + 2 * 4);
    const RuleReport rules = imposedRuleReport(b.wb.drawing(), 2).pose;
    EXPECT_EQ(rules.cutOuts, rulesBefore.cutOuts + 1);
    // The window's cuts are the last four of the blank: one of them holds a bridge.
    const auto& drawn = b.wb.drawing().elements();
    const auto window = drawn.begin() + static_cast<std::ptrdiff_t>(edited.size() - 4);
    EXPECT_TRUE(
        std::any_of(window, window + 4, [](const Element& e) { return !e.bridges.empty(); }));
    EXPECT_GT(m.NbPonts, before.NbPonts);
}

// A crease run over a cut is found, on the element the edit added.
TEST(EditedBlank, TheCheckFindsACreaseRunOverACut) {
    Bench b;
    const auto overCut = [](const std::vector<Finding>& findings) {
        return std::count_if(findings.begin(), findings.end(),
                             [](const Finding& f) { return f.kind == FindingKind::CreaseOverCut; });
    };
    ASSERT_EQ(overCut(checkRegenerated(b.wb)), 0);
    std::vector<Element> edited = withWindow(b.wb);
    const Box panel = widestPanel(edited);
    const Point middle{(panel.xmin + panel.xmax) / 2, (panel.ymin + panel.ymax) / 2};
    edited.push_back(line(middle, {middle.x + 100, middle.y}, kind::Crease));
    b.wb.applyBlankEdit(edited);
    const std::vector<Finding> findings = checkRegenerated(b.wb);
    ASSERT_EQ(overCut(findings), 1) << findingsText(findings);
    const auto found = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.kind == FindingKind::CreaseOverCut;
    });
    const ElementId crease{static_cast<std::int32_t>(edited.size() - 1) + kFirstElementId};
    EXPECT_NE(std::find(found->elements.begin(), found->elements.end(), crease),
              found->elements.end());
}

// What the style declares of its flaps is checked while the edits leave its faces: 0401's lid
// halves made 10 mm too deep collide, until a deleted crease makes other faces of the blank.
TEST(EditedBlank, TheStyleFlapsAreCheckedWhileTheFacesStay) {
    const auto collisions = [](const Workbench& wb) {
        const std::vector<Finding> findings = checkRegenerated(wb);
        return std::count_if(findings.begin(), findings.end(),
                             [](const Finding& f) { return f.kind == FindingKind::FlapCollision; });
    };
    for (const bool creaseDeleted : {false, true}) {
        SCOPED_TRACE(creaseDeleted ? "a crease deleted" : "a text added");
        Bench b;
        b.wb.window().codeText = "0401";
        b.wb.codeBoxLeft();
        b.wb.model().Majo[7] = 10;
        ASSERT_TRUE(b.wb.regenerate().drawn);
        ASSERT_EQ(collisions(b.wb), 1);
        std::vector<Element> edited = b.wb.editableBlank();
        if (creaseDeleted)
            edited.erase(edited.begin() + firstCrease(edited));
        else
            edited.push_back(Element{TextShape{{10, 10}, "Couvercle", 0, 5, 0}, kind::Text});
        b.wb.applyBlankEdit(edited);
        EXPECT_EQ(collisions(b.wb), creaseDeleted ? 0 : 1);
    }
}

// A die-line's rules simply change: the right side moved from 300 to 400 mm.
TEST(EditedBlank, AnEditedDieLineIsItsNewRules) {
    Bench b;
    adoptRectangle(b.wb);
    const std::vector<Element> edited{line({0, 0}, {400, 0}), line({400, 0}, {400, 200}),
                                      line({400, 200}, {0, 200}), line({0, 200}, {0, 0})};
    ASSERT_TRUE(b.wb.applyBlankEdit(edited).drawn);
    EXPECT_FALSE(b.wb.hasBlankEdits());
    EXPECT_EQ(b.wb.dieLine(), edited);
    const Model& m = b.wb.model();
    EXPECT_FLOAT_EQ(m.HorsToutX, 400);
    EXPECT_FLOAT_EQ(m.HorsToutY, 200);
    EXPECT_FLOAT_EQ(m.LgCoupant, 1200);
    EXPECT_NEAR(m.SurfDecoupee, 80000, 1);
}

// The optimiser lays the edited die-line: on a 1000 x 1000 sheet, 400 x 200 mm blanks go two
// to a row and four rows high (the 300 mm rectangle read went three to a row: 12).
TEST(EditedBlank, TheOptimiserLaysTheEditedBlank) {
    Bench b;
    adoptRectangle(b.wb);
    b.wb.applyBlankEdit({line({0, 0}, {400, 0}), line({400, 0}, {400, 200}),
                         line({400, 200}, {0, 200}), line({0, 200}, {0, 0})});
    b.wb.model().ImposManuelle = true;
    b.wb.model().FmtCartonX = 1000;
    b.wb.model().FmtCartonY = 1000;
    const std::optional<NestingOffer> offer = optimiseImposition(b.wb, {});
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->arrangement.poses.size(), 8u);
    EXPECT_GE(offer->usedX, 400);
}

// A bridge left past the end of a line an edit shortened would make the design file refuse to
// open again: it goes, the one still on the line stays.
TEST(EditedBlank, BridgesOffAShortenedLineAreDroppedAndTheFileReopens) {
    Bench b;
    Drawing read;
    read.AddLine(0, 0, 300, 0);
    read.SetElementBridges(read.lastId(), {{100, 2}, {250, 2}});
    read.AddLine(300, 0, 300, 200);
    read.AddLine(300, 200, 0, 200);
    read.AddLine(0, 200, 0, 0);
    b.wb.adoptDieLine(read, "pontée.dxf");
    ASSERT_TRUE(b.wb.regenerate().drawn);
    std::vector<Element> edited = b.wb.editableBlank();
    ASSERT_EQ(edited[0].bridges.size(), 2u);
    std::get<LineShape>(edited[0].shape).b.x = 200;
    std::get<LineShape>(edited[1].shape) = {{200, 0}, {300, 200}};
    b.wb.applyBlankEdit(edited);
    EXPECT_EQ(b.wb.dieLine()->front().bridges, (std::vector<Bridge>{{100, 2}}));
    ASSERT_TRUE(saveDesign(b.wb, b.dir / "pontée.des").ok);
    Bench other;
    const OpenedDesign opened = openDesign(other.wb, b.dir / "pontée.des");
    ASSERT_TRUE(opened.result.ok) << opened.result.message;
    EXPECT_EQ(other.wb.dieLine(), b.wb.dieLine());
}

// What drops the edits and what draws them on.
TEST(EditedBlank, AnotherStyleOrADieLineDropsTheEditsAndOtherChangesKeepThem) {
    Bench fresh;
    const std::string styleDump = dumpDrawing(fresh.wb.drawing());
    const struct {
        const char* name;
        void (*change)(Workbench&);
        bool kept;
    } cases[] = {
        {"another code typed",
         [](Workbench& wb) {
             wb.window().codeText = "0427";
             wb.codeBoxLeft();
         },
         false},
        {"a code chosen in the list", [](Workbench& wb) { wb.codeChosen(2); }, false},
        {"an unknown code, refused",
         [](Workbench& wb) {
             wb.window().codeText = "9999";
             wb.codeBoxLeft();
         },
         true},
        {"a die-line opened", [](Workbench& wb) { adoptRectangle(wb); }, false},
        {"a new design", [](Workbench& wb) { wb.startUp(); }, false},
        {"discarded", [](Workbench& wb) { wb.discardBlankEdits(); }, false},
        {"poses", [](Workbench& wb) { wb.enterPoseCount(Axis::X, 2); }, true},
        {"a regeneration", [](Workbench& wb) { wb.regenerate(); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        const std::vector<Element> edited = withWindow(b.wb);
        b.wb.applyBlankEdit(edited);
        c.change(b.wb);
        EXPECT_EQ(b.wb.hasBlankEdits(), c.kept);
        const std::vector<Element> drawn =
            withoutDimensions(firstElements(b.wb.drawing(), edited.size()));
        if (c.kept) {
            EXPECT_TRUE(drawn == withoutDimensions(edited)) << shown(drawn);
        }
    }
    Bench b;
    b.wb.applyBlankEdit(withWindow(b.wb));
    b.wb.discardBlankEdits();
    EXPECT_EQ(dumpDrawing(b.wb.drawing()), styleDump);
}

// An optimised pattern was made for one blank: each edit, even one that keeps the overall
// size, makes another blank, whether the first edit of a style or a further one.
TEST(EditedBlank, EachEditDropsTheOptimisedPattern) {
    for (const bool dieLine : {false, true}) {
        SCOPED_TRACE(dieLine ? "die-line" : "style");
        Bench b;
        if (dieLine)
            adoptRectangle(b.wb);
        for (const double y : {10.0, 20.0}) {
            SCOPED_TRACE(y);
            b.wb.nesting() = readPattern("0 rangs");
            ASSERT_TRUE(b.wb.nesting());
            b.wb.regenerate();
            b.wb.regenerate();
            ASSERT_TRUE(b.wb.nesting()) << "the same blank keeps its pattern";
            std::vector<Element> edited = b.wb.editableBlank();
            edited.push_back(line({10, y}, {20, y}, kind::Crease));
            const RegenerationReport r = b.wb.applyBlankEdit(edited);
            EXPECT_FALSE(b.wb.nesting());
            EXPECT_TRUE(std::any_of(r.notices.begin(), r.notices.end(), [](const std::string& n) {
                return n.starts_with("Imposition optimisée abandonnée");
            }));
        }
    }
}

// The exports follow the edits: the window's cuts come back from DXF and CF2.
TEST(EditedBlank, DxfAndCf2OfAnEditedBlankReadBackWithItsCuts) {
    Bench b;
    const float cutBefore = b.wb.model().LgCoupant;
    b.wb.applyBlankEdit(withWindow(b.wb));
    for (const char* name : {"fenêtre.dxf", "fenêtre.cf2"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(io::SaveDrawing(b.wb.drawing(), b.dir / name).ok);
        Drawing read;
        io::ImportReport report;
        ASSERT_TRUE(io::openDieLine(read, b.dir / name, {}, report).ok);
        EXPECT_NEAR(read.KindLength(kind::Cut), cutBefore + 300.0, 0.05);
    }
}

// The style folds its blank while the edits leave its faces; past that the blank lies flat and
// says why, and a 3D file is refused rather than written flat.
TEST(EditedBlank, TheFoldFollowsTheStyleOnlyWhileTheFacesStay) {
    const struct {
        const char* name;
        std::vector<Element> (*edit)(const Workbench&);
        bool folds;
    } cases[] = {
        {"a window in a panel", withWindow, true},
        {"a text added",
         [](const Workbench& wb) {
             std::vector<Element> blank = wb.editableBlank();
             blank.push_back(Element{TextShape{{50, 50}, "Haut", 0, 8, 0}, kind::Text});
             return blank;
         },
         true},
        {"a crease deleted",
         [](const Workbench& wb) {
             std::vector<Element> blank = wb.editableBlank();
             blank.erase(blank.begin() + firstCrease(blank));
             return blank;
         },
         false},
        {"a crease turned into a cut",
         [](const Workbench& wb) {
             std::vector<Element> blank = wb.editableBlank();
             blank[static_cast<std::size_t>(firstCrease(blank))].lineKind = kind::Cut;
             return blank;
         },
         false},
    };
    // The pieces as they stand folded: the same box whichever face stays fixed.
    const auto erected = [](const DesignFold& f) {
        std::string out;
        for (const fold::ErectedPiece& piece :
             fold::erectedPieces(f.folded, fold::Stance::Walls, {400, 300}))
            out += fold::erectedText(1, piece) + "\n";
        return out;
    };
    Bench plain;
    const DesignFold style = foldDesign(plain.wb);
    ASSERT_FALSE(style.flatBecause);
    ASSERT_NE(erected(style).find("intérieur 400 x 300 x "), std::string::npos) << erected(style);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.wb.applyBlankEdit(c.edit(b.wb));
        const DesignFold fold = foldDesign(b.wb);
        const io::FileResult exported = saveDesign(b.wb, b.dir / "pliée.obj");
        EXPECT_EQ(exported.ok, c.folds) << exported.message;
        if (c.folds) {
            EXPECT_FALSE(fold.flatBecause);
            EXPECT_EQ(erected(fold), erected(style));
            continue;
        }
        ASSERT_TRUE(fold.flatBecause);
        EXPECT_NE(fold.flatBecause->find("Découpe modifiée"), std::string::npos);
        EXPECT_EQ(exported.message, *fold.flatBecause);
        for (const fold::RigidMotion& placed : fold::placements(fold.folded, 1.0))
            EXPECT_TRUE(placed.rows == fold::RigidMotion{}.rows &&
                        placed.translation == fold::Vec3{})
                << "a face lifted";
    }
}

}  // namespace
}  // namespace brontaxe
