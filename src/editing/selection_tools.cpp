// The tools that work on the selection made before them: move, copy, rotate, mirror, delete.

#include <cmath>

#include "editing/blank_edits.h"
#include "editing/step_tool.h"
#include "editing/tool_families.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kNoSelection = "Sélectionnez d'abord les éléments.";

double directionDeg(Point from, Point to) {
    const Point d = to - from;
    return toDegrees(std::atan2(d.y, d.x));
}

// A base point then a second: move or copy by the difference, turn about the first by the
// direction of the second, or mirror about the line through both.
class TwoPointTool : public StepTool {
  public:
    TwoPointTool(ToolKind kind, ToolStart start) : StepTool(kind, std::move(start)) {}

    std::string prompt() const override {
        const bool first = points().empty();
        switch (kind()) {
            case ToolKind::Rotate:
                return promptText(first ? "Centre de rotation" : "Angle ou point");
            case ToolKind::Mirror:
                return promptText(first ? "Premier point de l'axe" : "Second point de l'axe");
            default:
                return promptText(first ? "Point de base" : "Second point");
        }
    }

    bool wantsValue() const override { return kind() == ToolKind::Rotate && !points().empty(); }

    ToolStep givePoint(Point p, std::optional<std::size_t> /*picked*/) override {
        if (selection().empty())
            return refusedStep(kNoSelection);
        if (points().empty()) {
            addPoint(p);
            return {};
        }
        if (kind() == ToolKind::Rotate && areNear(p, points().front()))
            return refusedStep("Le point est confondu avec le centre.");
        return completed(edit(blank(), selection(), p, kind() == ToolKind::Copy));
    }

    ToolStep giveValue(double degrees) override {
        if (kind() != ToolKind::Rotate || points().empty())
            return EditTool::giveValue(degrees);
        return completed(rotated(blank(), selection(), points().front(), degrees, false));
    }

    // The selection where the cursor would put it.
    std::vector<Element> preview() const override {
        if (!cursor() || points().empty() || selection().empty())
            return {};
        std::vector<Element> chosen;
        Selection all;
        for (const std::size_t i : selection())
            if (i < blank().size()) {
                all.push_back(chosen.size());
                chosen.push_back(blank()[i]);
            }
        const EditOutcome shown = edit(chosen, all, *cursor(), false);
        return shown ? *shown.blank : std::vector<Element>{};
    }

  private:
    EditOutcome edit(const Blank& on, const Selection& chosen, Point second, bool copy) const {
        const Point first = points().front();
        switch (kind()) {
            case ToolKind::Rotate:
                return rotated(on, chosen, first, directionDeg(first, second), copy);
            case ToolKind::Mirror:
                return mirrored(on, chosen, first, second, copy);
            default:
                return moved(on, chosen, second - first, copy);
        }
    }
};

// Deletes the selection at once: on Enter, which the window gives as it starts the tool, or
// on a click.
class DeleteTool : public StepTool {
  public:
    explicit DeleteTool(ToolStart start) : StepTool(ToolKind::Delete, std::move(start)) {}

    std::string prompt() const override { return promptText("Supprimer la sélection (Entrée)"); }

    ToolStep givePoint(Point /*p*/, std::optional<std::size_t> /*picked*/) override {
        return finish();
    }

    ToolStep finish() override {
        if (selection().empty())
            return refusedStep(kNoSelection);
        ToolStep step = completed(deleted(blank(), selection()));
        if (step.edited)
            forgetSelection();
        return step;
    }
};

}  // namespace

std::unique_ptr<EditTool> makeSelectionTool(ToolKind kind, ToolStart start) {
    if (kind == ToolKind::Delete)
        return std::make_unique<DeleteTool>(std::move(start));
    return std::make_unique<TwoPointTool>(kind, std::move(start));
}

}  // namespace brontaxe::editing
