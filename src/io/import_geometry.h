#pragma once
// The geometry the die-line readers share: the affine maps of blocks and units, and the
// curves they turn into the drawing's lines and arcs.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/tolerances.h"

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

// p -> (a x + b y + e, c x + d y + f).
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Point operator()(Point p) const { return {a * p.x + b * p.y + e, c * p.x + d * p.y + f}; }
    // This map applied first, then `outer`.
    Affine then(const Affine& outer) const;
    double det() const { return a * d - b * c; }
    // Longest a unit vector can become: how far a curve's error grows through the map.
    double stretch() const;
    // True when the map keeps circles circles (turns, mirrors, uniform scales, moves).
    bool keepsCircles() const;

    static Affine translation(Point p) { return {1, 0, 0, 1, p.x, p.y}; }
    static Affine rotation(double degrees);
    static Affine scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
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
void emitArc(const Affine& m, const ArcShape& arc, LineKind lineKind, ElementSink& out);

// One segment of a polyline from p to q with its bulge (the tangent of a quarter of the
// arc's sweep, positive counter-clockwise; 0 for a straight segment).
void emitBulgeSegment(const Affine& m, Point p, Point q, double bulge, LineKind lineKind,
                      ElementSink& out);

struct EllipseArc {
    Point centre;
    Point major;  // from the centre to the end of the major axis
    Point minor;  // from the centre to the end of the minor axis
    double startParam = 0;
    double endParam = 0;  // radians, counter-clockwise from start
};
void emitEllipse(const Affine& m, const EllipseArc& e, LineKind lineKind, ElementSink& out);

struct SplineCurve {
    int degree = 3;
    std::vector<double> knots;
    std::vector<Point> control;
    std::vector<double> weights;  // empty, or one per control point
};
// Throws ImportError (without a place) when the knots, weights and points do not agree.
void emitSpline(const Affine& m, const SplineCurve& s, LineKind lineKind, ElementSink& out);

// The cubic through `fit` points with the given end tangents, as CAD programs make a spline
// given by its fit points: chord-length parameters, the tangents as long as the points'
// polyline. Throws ImportError when the points are too many or all one.
SplineCurve splineThrough(const std::vector<Point>& fit, Point startTangent, Point endTangent);

}  // namespace brontaxe::io
