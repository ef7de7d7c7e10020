// The drawing tools: the points (and, for some, a number) a shape needs, then the shape added
// to the blank with the pen.

#include <functional>

#include "editing/blank_edits.h"
#include "editing/shape_makers.h"
#include "editing/step_tool.h"
#include "editing/tool_families.h"

namespace brontaxe::editing {
namespace {

// How a shape is drawn: an optional number asked first (the radius of rounded corners), the
// points in order, and the shape from them. `lastAsValue`, when set, lets a number typed for
// the last point make the shape instead (a circle's radius).
struct ShapeRecipe {
    const char* valuePrompt = nullptr;
    std::vector<const char*> pointPrompts;
    std::function<MadeShapes(const std::vector<Point>&, double value)> make;
    std::function<MadeShapes(const std::vector<Point>&, double value)> lastAsValue;
};

ShapeRecipe shapeRecipeFor(ToolKind kind) {
    switch (kind) {
        case ToolKind::Line:
            return {nullptr,
                    {"Premier point", "Second point"},
                    [](const auto& p, double) { return lineBetween(p[0], p[1]); },
                    {}};
        case ToolKind::ArcThreePoints:
            return {nullptr,
                    {"Point de départ", "Point de passage", "Point d'arrivée"},
                    [](const auto& p, double) { return arcThroughThreePoints(p[0], p[1], p[2]); },
                    {}};
        case ToolKind::ArcCentre:
            return {nullptr,
                    {"Centre", "Point de départ", "Point d'arrivée"},
                    [](const auto& p, double) { return arcFromCentre(p[0], p[1], p[2]); },
                    {}};
        case ToolKind::Circle:
            return {nullptr,
                    {"Centre", "Point du cercle ou rayon"},
                    [](const auto& p, double) { return circleAt(p[0], distance(p[0], p[1])); },
                    [](const auto& p, double radius) { return circleAt(p[0], radius); }};
        case ToolKind::Rectangle:
            return {nullptr,
                    {"Premier coin", "Coin opposé"},
                    [](const auto& p, double) { return rectangleBetween(p[0], p[1]); },
                    {}};
        default:  // ToolKind::RoundedRectangle
            return {"Rayon des coins",
                    {"Premier coin", "Coin opposé"},
                    [](const auto& p, double radius) {
                        return roundedRectangleBetween(p[0], p[1], radius);
                    },
                    {}};
    }
}

class ShapeTool : public StepTool {
  public:
    ShapeTool(ToolKind kind, ToolStart start)
        : StepTool(kind, std::move(start)), recipe_(shapeRecipeFor(kind)) {}

    std::string prompt() const override {
        if (awaitsValueFirst())
            return promptText(recipe_.valuePrompt);
        return promptText(recipe_.pointPrompts[points().size()]);
    }

    bool wantsValue() const override { return awaitsValueFirst() || awaitsLastAsValue(); }

    ToolStep givePoint(Point p, std::optional<std::size_t> /*picked*/) override {
        if (awaitsValueFirst())
            return refusedStep("Un nombre est attendu.");
        if (!awaitsLast()) {
            for (const Point given : points())
                if (areNear(given, p))
                    return refusedStep("Ce point est déjà donné.");
            addPoint(p);
            return {};
        }
        return addedShapes(recipe_.make(withPoint(p), value_.value_or(0)));
    }

    ToolStep giveValue(double value) override {
        if (awaitsValueFirst()) {
            if (!(value >= 0))
                return refusedStep("Le rayon ne peut pas être négatif.");
            value_ = value;
            return {};
        }
        if (awaitsLastAsValue())
            return addedShapes(recipe_.lastAsValue(points(), value));
        return EditTool::giveValue(value);
    }

    std::vector<Element> preview() const override {
        if (!cursor() || points().empty())
            return {};
        if (!awaitsLast())
            return {drawnWith(LineShape{points().back(), *cursor()}, pen())};
        std::vector<Element> band;
        for (Shape& s : recipe_.make(withPoint(*cursor()), value_.value_or(0)).shapes)
            band.push_back(drawnWith(std::move(s), pen()));
        return band;
    }

  protected:
    void restart() override {
        StepTool::restart();
        value_.reset();
    }

  private:
    bool awaitsValueFirst() const { return recipe_.valuePrompt != nullptr && !value_; }
    bool awaitsLast() const { return points().size() + 1 == recipe_.pointPrompts.size(); }
    bool awaitsLastAsValue() const { return recipe_.lastAsValue && awaitsLast(); }

    std::vector<Point> withPoint(Point p) const {
        std::vector<Point> all = points();
        all.push_back(p);
        return all;
    }

    ToolStep addedShapes(const MadeShapes& made) {
        if (made.shapes.empty())
            return refusedStep(made.refusal);
        return completed(added(blank(), made.shapes, pen()));
    }

    ShapeRecipe recipe_;
    std::optional<double> value_;
};

// Points one after another; Enter draws a line through each span.
class PolylineTool : public StepTool {
  public:
    explicit PolylineTool(ToolStart start) : StepTool(ToolKind::Polyline, std::move(start)) {}

    std::string prompt() const override {
        return promptText(points().empty() ? "Premier point" : "Point suivant (Entrée pour finir)");
    }

    ToolStep givePoint(Point p, std::optional<std::size_t> /*picked*/) override {
        if (lastPoint() && areNear(*lastPoint(), p))
            return refusedStep("Ce point est déjà donné.");
        addPoint(p);
        return {};
    }

    ToolStep finish() override {
        if (points().empty())
            return {};
        const MadeShapes made = polylineThrough(points());
        if (made.shapes.empty())
            return refusedStep(made.refusal);
        return completed(added(blank(), made.shapes, pen()));
    }

    std::vector<Element> preview() const override {
        std::vector<Element> band;
        for (std::size_t i = 1; i < points().size(); ++i)
            band.push_back(drawnWith(LineShape{points()[i - 1], points()[i]}, pen()));
        if (cursor() && !points().empty())
            band.push_back(drawnWith(LineShape{points().back(), *cursor()}, pen()));
        return band;
    }
};

}  // namespace

std::unique_ptr<EditTool> makeDrawTool(ToolKind kind, ToolStart start) {
    if (kind == ToolKind::Polyline)
        return std::make_unique<PolylineTool>(std::move(start));
    return std::make_unique<ShapeTool>(kind, std::move(start));
}

}  // namespace brontaxe::editing
