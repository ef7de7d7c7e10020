#include <gtest/gtest.h>

#include <set>

#include "editing/edit_tool.h"
#include "support/element_dump.h"

namespace brontaxe::editing {
namespace {

// A square of cuts, a crease across it and a slit across the crease.
std::vector<Element> squareBlank() {
    return {Element{LineShape{{0, 0}, {100, 0}}},
            Element{LineShape{{100, 0}, {100, 100}}},
            Element{LineShape{{100, 100}, {0, 100}}},
            Element{LineShape{{0, 100}, {0, 0}}},
            Element{LineShape{{50, 0}, {50, 100}}, kind::Crease},
            Element{LineShape{{20, 50}, {80, 50}}}};
}

const std::vector<std::string> kSquare{
    "LINE k1 v1 p1 (0.00,0.00) (100.00,0.00)",     "LINE k1 v1 p1 (100.00,0.00) (100.00,100.00)",
    "LINE k1 v1 p1 (100.00,100.00) (0.00,100.00)", "LINE k1 v1 p1 (0.00,100.00) (0.00,0.00)",
    "LINE k6 v1 p1 (50.00,0.00) (50.00,100.00)",   "LINE k1 v1 p1 (20.00,50.00) (80.00,50.00)"};

// The square with its element `index` changed and `more` added at the end.
std::vector<std::string> square(std::vector<std::pair<std::size_t, std::string>> changed,
                                std::vector<std::string> more = {}) {
    std::vector<std::string> out = kSquare;
    for (auto& [i, text] : changed)
        out[i] = text;
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

const LineStyle kPerforationPen{kind::Perforation, 1, 2};

// One input of the user: a click (on an element or not), a number typed, or Enter.
struct Input {
    enum { Click, Type, Enter } what = Click;
    Point at;
    std::optional<std::size_t> on;
    double value = 0;
};
Input click(double x, double y) {
    return {Input::Click, {x, y}, std::nullopt, 0};
}
Input clickOn(std::size_t element, double x, double y) {
    return {Input::Click, {x, y}, element, 0};
}
Input type(double value) {
    return {Input::Type, {}, std::nullopt, value};
}
Input enter() {
    return {Input::Enter, {}, std::nullopt, 0};
}

ToolStep give(EditTool& tool, const Input& in) {
    switch (in.what) {
        case Input::Type:
            return tool.giveValue(in.value);
        case Input::Enter:
            return tool.finish();
        default:
            return tool.givePoint(in.at, in.on);
    }
}

std::unique_ptr<EditTool> started(ToolKind kind, Selection selection) {
    return makeTool(kind, {squareBlank(), std::move(selection), kPerforationPen});
}

struct FlowCase {
    ToolKind kind;
    Selection selection;
    std::vector<Input> inputs;
    std::vector<std::string> blank;  // after the last input
};

TEST(EditTools, EachToolDrivenToItsEdit) {
    const FlowCase cases[] = {
        // Drawn twice: the tool starts over on the blank it edited.
        {ToolKind::Line,
         {},
         {click(10, 10), click(40, 10), click(10, 20), click(10, 30)},
         square({}, {"LINE k4 v1 p2 (10.00,10.00) (40.00,10.00)",
                     "LINE k4 v1 p2 (10.00,20.00) (10.00,30.00)"})},
        {ToolKind::Polyline,
         {},
         {click(10, 10), click(20, 10), click(20, 30), enter()},
         square({}, {"LINE k4 v1 p2 (10.00,10.00) (20.00,10.00)",
                     "LINE k4 v1 p2 (20.00,10.00) (20.00,30.00)"})},
        {ToolKind::ArcThreePoints,
         {},
         {click(90, 50), click(75, 65), click(60, 50)},
         square({}, {"ARC k4 v1 p2 c(75.00,50.00) r15.00 a0.00 s180.00"})},
        {ToolKind::ArcCentre,
         {},
         {click(75, 50), click(90, 50), click(75, 20)},
         square({}, {"ARC k4 v1 p2 c(75.00,50.00) r15.00 a0.00 s270.00"})},
        {ToolKind::Circle,
         {},
         {click(25, 25), click(25, 35)},
         square({}, {"ARC k4 v1 p2 c(25.00,25.00) r10.00 a0.00 s360.00"})},
        {ToolKind::Circle,
         {},
         {click(25, 25), type(7.5)},
         square({}, {"ARC k4 v1 p2 c(25.00,25.00) r7.50 a0.00 s360.00"})},
        {ToolKind::Rectangle,
         {},
         {click(80, 70), click(60, 60)},
         square({}, {"LINE k4 v1 p2 (60.00,60.00) (80.00,60.00)",
                     "LINE k4 v1 p2 (80.00,60.00) (80.00,70.00)",
                     "LINE k4 v1 p2 (80.00,70.00) (60.00,70.00)",
                     "LINE k4 v1 p2 (60.00,70.00) (60.00,60.00)"})},
        {ToolKind::RoundedRectangle,
         {},
         {type(5), click(60, 60), click(80, 70)},
         square({}, {"LINE k4 v1 p2 (65.00,60.00) (75.00,60.00)",
                     "ARC k4 v1 p2 c(75.00,65.00) r5.00 a270.00 s90.00",
                     "ARC k4 v1 p2 c(75.00,65.00) r5.00 a0.00 s90.00",
                     "LINE k4 v1 p2 (75.00,70.00) (65.00,70.00)",
                     "ARC k4 v1 p2 c(65.00,65.00) r5.00 a90.00 s90.00",
                     "ARC k4 v1 p2 c(65.00,65.00) r5.00 a180.00 s90.00"})},
        {ToolKind::Move,
         {4},
         {click(50, 0), click(60, 0)},
         square({{4, "LINE k6 v1 p1 (60.00,0.00) (60.00,100.00)"}})},
        {ToolKind::Copy,
         {4},
         {click(0, 0), click(25, 0)},
         square({}, {"LINE k6 v1 p1 (75.00,0.00) (75.00,100.00)"})},
        {ToolKind::Rotate,
         {4},
         {click(50, 50), type(90)},
         square({{4, "LINE k6 v1 p1 (100.00,50.00) (0.00,50.00)"}})},
        // The direction of the point from the centre is the angle: a half turn.
        {ToolKind::Rotate,
         {4, 5},
         {click(50, 50), click(0, 50)},
         square({{4, "LINE k6 v1 p1 (50.00,100.00) (50.00,0.00)"},
                 {5, "LINE k1 v1 p1 (80.00,50.00) (20.00,50.00)"}})},
        {ToolKind::Mirror,
         {4},
         {click(0, 0), click(100, 100)},
         square({{4, "LINE k6 v1 p1 (0.00,50.00) (100.00,50.00)"}})},
        {ToolKind::Delete, {4, 0}, {enter()}, {kSquare[1], kSquare[2], kSquare[3], kSquare[5]}},
        {ToolKind::Trim,
         {},
         {clickOn(5, 30, 50), clickOn(4, 50, 80)},
         square({{4, "LINE k6 v1 p1 (50.00,0.00) (50.00,50.00)"}})},
        {ToolKind::Extend,
         {},
         {clickOn(1, 100, 30), clickOn(5, 75, 50)},
         square({{5, "LINE k1 v1 p1 (20.00,50.00) (100.00,50.00)"}})},
        {ToolKind::Split,
         {},
         {clickOn(0, 30, 0), click(40, 0)},
         square({{0, "LINE k1 v1 p1 (0.00,0.00) (40.00,0.00)"}},
                {"LINE k1 v1 p1 (40.00,0.00) (100.00,0.00)"})},
        {ToolKind::Fillet,
         {},
         {type(10), clickOn(0, 50, 0), clickOn(1, 100, 50)},
         square({{0, "LINE k1 v1 p1 (0.00,0.00) (90.00,0.00)"},
                 {1, "LINE k1 v1 p1 (100.00,10.00) (100.00,100.00)"}},
                {"ARC k1 v1 p1 c(90.00,10.00) r10.00 a270.00 s90.00"})},
        {ToolKind::Offset,
         {},
         {type(5), clickOn(4, 50, 30), click(60, 30)},
         square({}, {"LINE k6 v1 p1 (55.00,0.00) (55.00,100.00)"})},
    };
    for (const auto& c : cases) {
        const std::string name = toolName(c.kind);
        auto tool = started(c.kind, c.selection);
        const std::string firstPrompt = tool->prompt();
        std::optional<std::vector<Element>> edited;
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            ToolStep step = give(*tool, c.inputs[i]);
            ASSERT_EQ(step.refusal, "") << name << ", input " << i;
            if (i + 1 == c.inputs.size()) {
                EXPECT_TRUE(step.edited) << name << " made no edit at its last input";
            }
            if (step.edited)
                edited = std::move(step.edited);
        }
        ASSERT_TRUE(edited) << name;
        EXPECT_EQ(test::dumped(*edited), c.blank) << name;
        EXPECT_EQ(tool->prompt(), firstPrompt) << name << " is back at its first step";
        EXPECT_EQ(tool->lastPoint(), std::nullopt) << name;
    }
}

TEST(EditTools, MeasuresLeaveTheBlankAlone) {
    auto distanceTool = started(ToolKind::MeasureDistance, {});
    EXPECT_FALSE(distanceTool->givePoint({10, 10}, std::nullopt).distance);
    const ToolStep d = distanceTool->givePoint({40, 50}, 4);
    ASSERT_TRUE(d.distance);
    EXPECT_FALSE(d.edited);
    EXPECT_NEAR(d.distance->distance, 50, 1e-9);
    EXPECT_NEAR(d.distance->dx, 30, 1e-9);
    EXPECT_NEAR(d.distance->dy, 40, 1e-9);

    auto angleTool = started(ToolKind::MeasureAngle, {});
    for (const Point p : {Point{50, 50}, Point{100, 50}})
        EXPECT_FALSE(angleTool->givePoint(p, std::nullopt).angle);
    const ToolStep a = angleTool->givePoint({0, 0}, std::nullopt);
    ASSERT_TRUE(a.angle);
    EXPECT_NEAR(*a.angle, 135, 1e-9);
    EXPECT_EQ(angleTool->prompt(), "Sommet\u00a0:");
}

struct RefusalCase {
    ToolKind kind;
    Selection selection;
    std::vector<Input> before;
    Input refused;
    std::string why;
    std::string promptAfter;  // the tool still waits for the same input
};

TEST(EditTools, RefusedInputsLeaveTheToolWaiting) {
    const RefusalCase cases[] = {
        {ToolKind::Line,
         {},
         {click(10, 10)},
         click(10, 10),
         "Les deux points sont confondus.",
         "Second point\u00a0:"},
        {ToolKind::Line, {}, {}, type(5), "Un point est attendu.", "Premier point\u00a0:"},
        {ToolKind::ArcThreePoints,
         {},
         {click(0, 0)},
         click(0, 0),
         "Ce point est déjà donné.",
         "Point de passage\u00a0:"},
        {ToolKind::ArcThreePoints,
         {},
         {click(0, 0), click(5, 5)},
         click(10, 10),
         "Les trois points sont alignés.",
         "Point d'arrivée\u00a0:"},
        {ToolKind::Polyline,
         {},
         {click(1, 1)},
         enter(),
         "Il faut au moins deux points.",
         "Point suivant (Entrée pour finir)\u00a0:"},
        {ToolKind::Circle,
         {},
         {click(5, 5)},
         type(0),
         "Le rayon doit être positif.",
         "Point du cercle ou rayon\u00a0:"},
        {ToolKind::RoundedRectangle,
         {},
         {},
         type(-1),
         "Le rayon ne peut pas être négatif.",
         "Rayon des coins\u00a0:"},
        {ToolKind::RoundedRectangle,
         {},
         {},
         click(0, 0),
         "Un nombre est attendu.",
         "Rayon des coins\u00a0:"},
        {ToolKind::RoundedRectangle,
         {},
         {type(30), click(0, 0)},
         click(40, 20),
         "Le rayon est trop grand pour ce rectangle.",
         "Coin opposé\u00a0:"},
        {ToolKind::Move,
         {},
         {},
         click(0, 0),
         "Sélectionnez d'abord les éléments.",
         "Point de base\u00a0:"},
        {ToolKind::Copy,
         {4},
         {click(3, 3)},
         click(3, 3),
         "Le déplacement est nul.",
         "Second point\u00a0:"},
        {ToolKind::Delete,
         {},
         {},
         enter(),
         "Sélectionnez d'abord les éléments.",
         "Supprimer la sélection (Entrée)\u00a0:"},
        // What was selected is gone: a second Enter deletes nothing else.
        {ToolKind::Delete,
         {4, 0},
         {enter()},
         enter(),
         "Sélectionnez d'abord les éléments.",
         "Supprimer la sélection (Entrée)\u00a0:"},
        {ToolKind::Rotate,
         {4},
         {click(50, 50)},
         click(50, 50),
         "Le point est confondu avec le centre.",
         "Angle ou point\u00a0:"},
        {ToolKind::Mirror,
         {4},
         {click(50, 50)},
         click(50, 50),
         "Les deux points de l'axe sont confondus.",
         "Second point de l'axe\u00a0:"},
        {ToolKind::Trim,
         {},
         {},
         click(30, 30),
         "Aucun élément à cet endroit.",
         "Élément limite\u00a0:"},
        {ToolKind::Trim,
         {},
         {clickOn(5, 30, 50)},
         clickOn(5, 40, 50),
         "Cet élément est déjà choisi.",
         "Élément à ajuster\u00a0:"},
        {ToolKind::Trim,
         {},
         {clickOn(0, 30, 0)},
         clickOn(4, 50, 30),
         "Les éléments ne se coupent pas.",
         "Élément à ajuster\u00a0:"},
        {ToolKind::Fillet,
         {},
         {},
         type(-2),
         "Le rayon ne peut pas être négatif.",
         "Rayon du raccord\u00a0:"},
        {ToolKind::Offset,
         {},
         {},
         type(0),
         "La distance doit être positive.",
         "Distance de décalage\u00a0:"},
        {ToolKind::MeasureAngle,
         {},
         {click(0, 0)},
         click(0, 0),
         "Le point est confondu avec le sommet.",
         "Premier côté\u00a0:"},
    };
    for (const auto& c : cases) {
        auto tool = started(c.kind, c.selection);
        for (const Input& in : c.before)
            ASSERT_EQ(give(*tool, in).refusal, "") << toolName(c.kind);
        const ToolStep step = give(*tool, c.refused);
        EXPECT_EQ(step.refusal, c.why) << toolName(c.kind);
        EXPECT_FALSE(step.edited) << toolName(c.kind);
        EXPECT_EQ(tool->prompt(), c.promptAfter) << toolName(c.kind);
    }
}

struct PreviewCase {
    ToolKind kind;
    Selection selection;
    std::vector<Input> inputs;
    Point cursor;
    std::vector<std::string> band;
};

TEST(EditTools, RubberBandFollowsTheCursor) {
    const PreviewCase cases[] = {
        {ToolKind::Line, {}, {}, {40, 10}, {}},
        {ToolKind::Line,
         {},
         {click(10, 10)},
         {40, 10},
         {"LINE k4 v1 p2 (10.00,10.00) (40.00,10.00)"}},
        {ToolKind::Polyline,
         {},
         {click(0, 0), click(10, 0)},
         {10, 10},
         {"LINE k4 v1 p2 (0.00,0.00) (10.00,0.00)", "LINE k4 v1 p2 (10.00,0.00) (10.00,10.00)"}},
        {ToolKind::Rectangle,
         {},
         {click(0, 0)},
         {10, 5},
         {"LINE k4 v1 p2 (0.00,0.00) (10.00,0.00)", "LINE k4 v1 p2 (10.00,0.00) (10.00,5.00)",
          "LINE k4 v1 p2 (10.00,5.00) (0.00,5.00)", "LINE k4 v1 p2 (0.00,5.00) (0.00,0.00)"}},
        {ToolKind::ArcCentre,
         {},
         {click(75, 50), click(90, 50)},
         {75, 65},
         {"ARC k4 v1 p2 c(75.00,50.00) r15.00 a0.00 s90.00"}},
        {ToolKind::Copy,
         {4},
         {click(50, 0)},
         {60, 5},
         {"LINE k6 v1 p1 (60.00,5.00) (60.00,105.00)"}},
        {ToolKind::Offset,
         {},
         {type(5), clickOn(4, 50, 30)},
         {40, 30},
         {"LINE k6 v1 p1 (45.00,0.00) (45.00,100.00)"}},
        {ToolKind::MeasureDistance,
         {},
         {click(0, 0)},
         {3, 4},
         {"LINE k3 v1 p1 (0.00,0.00) (3.00,4.00)"}},
    };
    for (const auto& c : cases) {
        auto tool = started(c.kind, c.selection);
        for (const Input& in : c.inputs)
            ASSERT_EQ(give(*tool, in).refusal, "") << toolName(c.kind);
        tool->hover(c.cursor);
        EXPECT_EQ(test::dumped(tool->preview()), c.band) << toolName(c.kind);
    }
}

TEST(EditTools, EveryKindHasANamedToolAskingInFrench) {
    std::set<std::string> names;
    for (int k = 0; k <= static_cast<int>(ToolKind::MeasureAngle); ++k) {
        const auto kind = static_cast<ToolKind>(k);
        auto tool = started(kind, {4});
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->kind(), kind);
        EXPECT_TRUE(names.insert(toolName(kind)).second) << toolName(kind);
        const std::string prompt = tool->prompt();
        EXPECT_TRUE(prompt.ends_with("\u00a0:")) << prompt;
    }
}

TEST(EditTools, TypedOffsetsStartFromTheBasePoint) {
    auto tool = started(ToolKind::Move, {4});
    EXPECT_EQ(tool->lastPoint(), std::nullopt);
    tool->givePoint({50, 0}, 4);
    EXPECT_EQ(tool->lastPoint(), (Point{50, 0}));
    EXPECT_EQ(tool->prompt(), "Second point\u00a0:");
}

}  // namespace
}  // namespace brontaxe::editing
