#pragma once
// The geometry the edit tools share on the lines and arcs of a blank: extents, the nearest
// point, where two strokes cross, and a place along a stroke as its distance from the start.

#include <optional>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::editing {

// Tolerance of the edit tools on positions: two points closer than this are one.
inline constexpr double kEditTolerance = 1e-6;

bool isFullCircle(const ArcShape& a);
// Whether the direction `deg` lies on the arc, `tolDeg` beyond its ends allowed.
bool angleOnArc(const ArcShape& a, double deg, double tolDeg = 1e-9);
// The direction of p seen from the centre, degrees in [0, 360).
double angleAt(Point centre, Point p);

// What the element covers: a line's ends, an arc's true extent, the reference points of texts
// and dimensions, a symbol's strokes; empty for sheets and contours.
Box elementBox(const Element& e);
bool boxContains(const Box& b, Point p, double margin = 0);

Point nearestOnSegment(Point p, Point a, Point b);
Point nearestOnArc(const ArcShape& a, Point p);

// The points two strokes (lines or arcs of the blank) share: crossings and tangent contacts.
// With `extendFirst`, the first is taken as its whole line or circle.
std::vector<Point> strokeCrossings(const Shape& first, const Shape& second,
                                   bool extendFirst = false);

// A place along a line or an arc: its distance from the start along the stroke (a full circle
// from its start angle, in [0, circumference)).
double lengthAlong(const Shape& s);
double placeAlong(const Shape& s, Point p);
Point pointAlong(const Shape& s, double along);

// The stretch of a line or arc between two places along it (`from` may lie before its start
// and `to` past its end, for a stroke made longer); the element keeps its pen and the bridges
// that still lie wholly on it, carried to the new start.
Element stretchOf(const Element& e, double from, double to);

// The element with the bridges that still lie wholly on its stroke, where they were.
Element withBridgesOnStroke(Element e);

}  // namespace brontaxe::editing
