#pragma once
// The tools of each family at their first step (makeTool hands each kind to its family).

#include <memory>

#include "editing/edit_tool.h"

namespace brontaxe::editing {

// Line, polyline, arcs, circle, rectangles.
std::unique_ptr<EditTool> makeDrawTool(ToolKind kind, ToolStart start);
// Move, copy, rotate, mirror, delete: the selection.
std::unique_ptr<EditTool> makeSelectionTool(ToolKind kind, ToolStart start);
// Trim, extend, split, fillet, offset: elements picked one by one.
std::unique_ptr<EditTool> makeCutTool(ToolKind kind, ToolStart start);
// Distance and angle.
std::unique_ptr<EditTool> makeMeasureTool(ToolKind kind, ToolStart start);

}  // namespace brontaxe::editing
