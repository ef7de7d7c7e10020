#pragma once
// The geometry the die-line readers share: the curves they turn into the drawing's lines and
// arcs through the maps (`Transform`) of their blocks and units.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/tolerances.h"
#include "drawing/transform.h"

namespace brontaxe::io {

// A file that cannot be read: the message says where and why, in French.
class ImportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a reader left out or could not take, by reason: one notice a reason, with how many
// times and the first lines, however many times the file repeats it.
class NoticeTally {
  public:
    void add(const std::string& reason, std::size_t line);
    // "ligne 12 : reason", or "reason : 250 fois, lignes 12, 15, 19..." for each reason.
    void appendTo(std::vector<std::string>& notices) const;

  private:
    struct Tally {
        std::string reason;
        std::size_t count = 0;
        std::vector<std::size_t> lines;  // the first few
    };
    std::vector<Tally> tallies_;  // in the order they first came
};

// Where the readers put what they make: the drawing, with a ceiling on the number of
// elements so that a file of nested arrays cannot exhaust the memory.
class ElementSink {
  public:
    ElementSink(Drawing& d, std::size_t maxElements) : d_(d), maxElements_(maxElements) {}
    void line(Point a, Point b, LineKind lineKind);
    void arc(const ArcShape& arc, LineKind lineKind);
    void text(const TextShape& text);
    std::size_t count() const { return static_cast<std::size_t>(d_.ElementCount()); }

  private:
    void add(Element e);
    Drawing& d_;
    std::size_t maxElements_;
};

// An arc (sweep counter-clockwise, in degrees) of the file's own space, drawn through `m`: an
// arc where the map keeps circles, else lines.
void emitArc(const Transform& m, const ArcShape& arc, LineKind lineKind, ElementSink& out);

// One segment of a polyline from p to q with its bulge (the tangent of a quarter of the
// arc's sweep, positive counter-clockwise; 0 for a straight segment).
void emitBulgeSegment(const Transform& m, Point p, Point q, double bulge, LineKind lineKind,
                      ElementSink& out);

struct EllipseArc {
    Point centre;
    Point major;  // from the centre to the end of the major axis
    Point minor;  // from the centre to the end of the minor axis
    double startParam = 0;
    double endParam = 0;  // radians, counter-clockwise from start
};
void emitEllipse(const Transform& m, const EllipseArc& e, LineKind lineKind, ElementSink& out);

struct SplineCurve {
    int degree = 3;
    std::vector<double> knots;
    std::vector<Point> control;
    std::vector<double> weights;  // empty, or one per control point
};
// Throws ImportError (without a place) when the knots, weights and points do not agree.
void emitSpline(const Transform& m, const SplineCurve& s, LineKind lineKind, ElementSink& out);

// The cubic through `fit` points with the given end tangents, as CAD programs make a spline
// given by its fit points: chord-length parameters, the tangents as long as the points'
// polyline. Throws ImportError when the points are too many or all one.
SplineCurve splineThrough(const std::vector<Point>& fit, Point startTangent, Point endTangent);

}  // namespace brontaxe::io
