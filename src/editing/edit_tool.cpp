#include "editing/edit_tool.h"

#include "editing/step_tool.h"
#include "editing/tool_families.h"

namespace brontaxe::editing {

const char* toolName(ToolKind kind) {
    switch (kind) {
        case ToolKind::Line:
            return "Ligne";
        case ToolKind::Polyline:
            return "Polyligne";
        case ToolKind::ArcThreePoints:
            return "Arc 3 points";
        case ToolKind::ArcCentre:
            return "Arc centre-extrémités";
        case ToolKind::Circle:
            return "Cercle";
        case ToolKind::Rectangle:
            return "Rectangle";
        case ToolKind::RoundedRectangle:
            return "Rectangle arrondi";
        case ToolKind::Move:
            return "Déplacer";
        case ToolKind::Copy:
            return "Copier";
        case ToolKind::Rotate:
            return "Rotation";
        case ToolKind::Mirror:
            return "Miroir";
        case ToolKind::Delete:
            return "Supprimer";
        case ToolKind::Trim:
            return "Ajuster";
        case ToolKind::Extend:
            return "Prolonger";
        case ToolKind::Split:
            return "Couper en deux";
        case ToolKind::Fillet:
            return "Raccord";
        case ToolKind::Offset:
            return "Décaler";
        case ToolKind::MeasureDistance:
            return "Mesurer une distance";
        case ToolKind::MeasureAngle:
            return "Mesurer un angle";
    }
    return "";
}

bool needsSelection(ToolKind kind) {
    switch (kind) {
        case ToolKind::Move:
        case ToolKind::Copy:
        case ToolKind::Rotate:
        case ToolKind::Mirror:
        case ToolKind::Delete:
            return true;
        default:
            return false;
    }
}

ToolStep EditTool::giveValue(double value) {
    (void)value;
    return refusedStep("Un point est attendu.");
}

std::unique_ptr<EditTool> makeTool(ToolKind kind, ToolStart start) {
    switch (kind) {
        case ToolKind::Line:
        case ToolKind::Polyline:
        case ToolKind::ArcThreePoints:
        case ToolKind::ArcCentre:
        case ToolKind::Circle:
        case ToolKind::Rectangle:
        case ToolKind::RoundedRectangle:
            return makeDrawTool(kind, std::move(start));
        case ToolKind::Move:
        case ToolKind::Copy:
        case ToolKind::Rotate:
        case ToolKind::Mirror:
        case ToolKind::Delete:
            return makeSelectionTool(kind, std::move(start));
        case ToolKind::Trim:
        case ToolKind::Extend:
        case ToolKind::Split:
        case ToolKind::Fillet:
        case ToolKind::Offset:
            return makeCutTool(kind, std::move(start));
        case ToolKind::MeasureDistance:
        case ToolKind::MeasureAngle:
            return makeMeasureTool(kind, std::move(start));
    }
    return nullptr;
}

}  // namespace brontaxe::editing
