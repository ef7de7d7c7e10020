#include "editing/step_tool.h"

namespace brontaxe::editing {

std::string promptText(const char* words) {
    return std::string(words) + "\u00a0:";
}

ToolStep refusedStep(std::string why) {
    ToolStep step;
    step.refusal = std::move(why);
    return step;
}

std::optional<Point> StepTool::lastPoint() const {
    if (points_.empty())
        return std::nullopt;
    return points_.back();
}

ToolStep StepTool::completed(EditOutcome outcome) {
    if (!outcome)
        return refusedStep(std::move(outcome.refusal));
    start_.blank = *outcome.blank;
    restart();
    ToolStep step;
    step.edited = std::move(outcome.blank);
    return step;
}

}  // namespace brontaxe::editing
