// The measuring tools: a distance between two points, an angle at a vertex between two others.
// They give a measure and leave the blank as it is.

#include "editing/step_tool.h"
#include "editing/tool_families.h"

namespace brontaxe::editing {
namespace {

class MeasureTool : public StepTool {
  public:
    MeasureTool(ToolKind kind, ToolStart start) : StepTool(kind, std::move(start)) {}

    std::string prompt() const override {
        static const char* const distancePrompts[] = {"Premier point", "Second point"};
        static const char* const anglePrompts[] = {"Sommet", "Premier côté", "Second côté"};
        const std::size_t step = points().size();
        return promptText(measuresAngle() ? anglePrompts[step] : distancePrompts[step]);
    }

    ToolStep givePoint(Point p, std::optional<std::size_t> /*picked*/) override {
        if (measuresAngle() && !points().empty() && areNear(p, points().front()))
            return refusedStep("Le point est confondu avec le sommet.");
        addPoint(p);
        ToolStep step;
        if (!measuresAngle() && points().size() == 2)
            step.distance = measureDistance(points()[0], points()[1]);
        else if (measuresAngle() && points().size() == 3)
            step.angle = measureAngle(points()[0], points()[1], points()[2]);
        else
            return step;
        restart();
        return step;
    }

    // The side being measured, from the last point to the cursor.
    std::vector<Element> preview() const override {
        if (!cursor() || points().empty())
            return {};
        const Point from = measuresAngle() ? points().front() : points().back();
        LineStyle guide;
        guide.kind = kind::Auxiliary;
        std::vector<Element> band;
        if (measuresAngle() && points().size() == 2)
            band.push_back(drawnWith(LineShape{from, points().back()}, guide));
        band.push_back(drawnWith(LineShape{from, *cursor()}, guide));
        return band;
    }

  private:
    bool measuresAngle() const { return kind() == ToolKind::MeasureAngle; }
};

}  // namespace

std::unique_ptr<EditTool> makeMeasureTool(ToolKind kind, ToolStart start) {
    return std::make_unique<MeasureTool>(kind, std::move(start));
}

}  // namespace brontaxe::editing
