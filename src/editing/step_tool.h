#pragma once
// What every tool shares: the blank, selection and pen it started on, the points given so far
// and the cursor, and how a completed edit sends it back to its first step on the new blank.

#include <string>
#include <vector>

#include "editing/edit_tool.h"

namespace brontaxe::editing {

// The French prompt for `words`, with the space before the colon that French typography
// keeps on the same line.
std::string promptText(const char* words);

// An input refused: the tool stays where it was.
ToolStep refusedStep(std::string why);

class StepTool : public EditTool {
  public:
    ToolKind kind() const override { return kind_; }
    void hover(Point p) override { cursor_ = p; }
    std::optional<Point> lastPoint() const override;

  protected:
    StepTool(ToolKind kind, ToolStart start) : kind_(kind), start_(std::move(start)) {}

    const std::vector<Element>& blank() const { return start_.blank; }
    const Selection& selection() const { return start_.selection; }
    const LineStyle& pen() const { return start_.pen; }
    const std::vector<Point>& points() const { return points_; }
    const std::optional<Point>& cursor() const { return cursor_; }
    void addPoint(Point p) { points_.push_back(p); }

    // The edit is done: the tool takes the edited blank and starts over. A refused edit
    // leaves every input in place.
    ToolStep completed(EditOutcome outcome);
    // Back to the first step; tools with inputs of their own clear them too.
    virtual void restart() { points_.clear(); }
    // The selection no longer names anything (its elements were deleted).
    void forgetSelection() { start_.selection.clear(); }

  private:
    ToolKind kind_;
    ToolStart start_;
    std::vector<Point> points_;
    std::optional<Point> cursor_;
};

}  // namespace brontaxe::editing
