#pragma once
// A drawing or modify tool as the edit mode drives it: the window hands it the points the user
// clicks (already snapped) or types, the numbers typed and Enter, and shows its prompt and its
// preview; when the tool has what it needs it gives back the edited blank, which becomes one
// step of the design's history. The tool knows nothing of Qt.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/element.h"
#include "drawing/line_style.h"
#include "editing/edit_outcome.h"
#include "editing/measuring.h"

namespace brontaxe::editing {

enum class ToolKind {
    Line,
    Polyline,
    ArcThreePoints,
    ArcCentre,
    Circle,
    Rectangle,
    RoundedRectangle,
    Move,
    Copy,
    Rotate,
    Mirror,
    Delete,
    Trim,
    Extend,
    Split,
    Fillet,
    Offset,
    MeasureDistance,
    MeasureAngle,
};

// What each tool asks for, in order (a value is typed; a pick is a click on an element):
//   Line: two points. Polyline: points, then Enter. Arc 3 points: start, a point it passes
//   through, end. Arc centre-ends: centre, start, a point giving the end's direction.
//   Circle: centre, then a point on it or the radius typed. Rectangle: two opposite corners.
//   Rounded rectangle: the corners' radius, then two corners.
//   Move, copy: base point, second point (typed "@dx;dy" starts from the base point).
//   Rotate: centre, then the angle typed or a point whose direction from the centre is it.
//   Mirror: two points of the axis. Delete: Enter (the window gives it on starting the tool)
//   or a click deletes the selection.
//   Trim: pick the boundary, pick the part to remove. Extend: pick the boundary, pick the
//   target near the end to carry. Split: pick the element, then the point. Fillet: radius,
//   pick two lines. Offset: distance, pick the element, then a point on the side.
//   Measure distance: two points. Measure angle: vertex, a point on each side.
// After an edit or a measure the tool is back at its first step, on the edited blank.

// The French name of the tool's menu entry and button ("Ligne", "Polyligne", "Arc 3 points",
// "Arc centre-extrémités", "Cercle", "Rectangle", "Rectangle arrondi", "Déplacer", "Copier",
// "Rotation", "Miroir", "Supprimer", "Ajuster", "Prolonger", "Couper en deux", "Raccord",
// "Décaler", "Mesurer une distance", "Mesurer un angle").
const char* toolName(ToolKind kind);
// Whether the tool works on the selection made before it starts (move, copy, rotate, mirror,
// delete); it refuses to start without one.
bool needsSelection(ToolKind kind);

// What the tool works on when it starts.
struct ToolStart {
    std::vector<Element> blank;
    Selection selection;
    LineStyle pen;
};

// The answer to each input.
struct ToolStep {
    std::optional<std::vector<Element>> edited;  // the tool completed an edit: the new blank
    std::optional<DistanceMeasure> distance;     // a distance measured
    std::optional<double> angle;                 // an angle measured, degrees
    std::string refusal;  // French: the input was refused; the tool waits for another
};

class EditTool {
  public:
    virtual ~EditTool() = default;
    EditTool() = default;
    EditTool(const EditTool&) = delete;
    EditTool& operator=(const EditTool&) = delete;

    virtual ToolKind kind() const = 0;
    // What the tool asks for next, French, ending with " :" (e.g. "Premier point :",
    // "Rayon :", "Élément à ajuster :").
    virtual std::string prompt() const = 0;
    // Whether text typed now is a number (a radius, an angle, a distance) rather than a
    // point. A click is still taken where the prompt offers a point too (a circle's point, a
    // rotation's point).
    virtual bool wantsValue() const { return false; }

    // A point clicked (snapped) or typed. `picked` is the blank's element under the click,
    // when the click was on one; tools that pick elements refuse a point on none.
    virtual ToolStep givePoint(Point p, std::optional<std::size_t> picked) = 0;
    virtual ToolStep giveValue(double value);
    // Enter with nothing typed: ends a polyline, deletes the selection; other tools ignore it.
    virtual ToolStep finish() { return {}; }
    // The cursor moved: the preview follows it.
    virtual void hover(Point p) { (void)p; }
    // Elements drawn as the rubber band (not part of the blank).
    virtual std::vector<Element> preview() const { return {}; }
    // The last point given, from which "@" coordinates and the perpendicular snap start.
    virtual std::optional<Point> lastPoint() const { return std::nullopt; }
};

// A tool at its first step. After a completed edit the window starts the same tool again on
// the new blank.
std::unique_ptr<EditTool> makeTool(ToolKind kind, ToolStart start);

}  // namespace brontaxe::editing
