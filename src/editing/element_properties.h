#pragma once
// What the properties panel shows of one element and how a typed value changes it.

#include <optional>
#include <string>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::editing {

// Kind and piece apply to every element; the others to the shapes that have them.
enum class Property {
    Kind,  // 1 Coupant, 2 Perfo Rainant, 4 Perfo, 5 Mi-Chair, 6 Rainant
    Piece,
    StartX,  // lines: first end; arcs: start point (moving it turns the arc about its centre)
    StartY,
    EndX,  // lines: second end
    EndY,
    Length,   // lines: the second end moves along the line; arcs: the sweep follows
    Angle,    // lines: direction of first end to second end, degrees
    CentreX,  // arcs
    CentreY,
    Radius,
    StartAngle,
    Sweep,
};

struct PropertyValue {
    Property property;
    double value = 0;
    bool editable = true;
};

// The properties the element has, in the panel's order.
std::vector<PropertyValue> propertiesOf(const Element& e);

// The French label of a property ("Type", "Morceau", "Début X", ... "Balayage").
const char* propertyLabel(Property p);

// The element with one property set; the French refusal when the value cannot be taken
// (a zero length or radius, a kind that is no line kind, a property the shape has not).
struct PropertyChange {
    std::optional<Element> element;
    std::string refusal;
};
PropertyChange withProperty(const Element& e, Property p, double value);

}  // namespace brontaxe::editing
