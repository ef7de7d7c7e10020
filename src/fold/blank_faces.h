#pragma once
// The flat blank cut into faces: the regions its cuts and fold lines bound, and the hinges
// where two faces meet along a fold line. Cut-outs (hand-holes) are not faces; relief cuts
// and fold lines that bound nothing are left out, as polygonizing drops loose ends.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "drawing/drawing.h"

namespace brontaxe::fold {

// A ring of a face, its points in order without the first repeated; edge i runs from point i
// to point i + 1 and lies on a line of kind `edgeKinds[i]` (none when none was found).
struct Ring {
    std::vector<Point> points;
    std::vector<std::optional<LineKind>> edgeKinds;
};

struct Face {
    Ring outer;
    std::vector<Ring> holes;
    double area = 0;      // mm², holes subtracted
    Point inside;         // a point of the face, away from its edges
    bool inHole = false;  // cut inside another face (a hand-hole's flap)
    // Triangles over the face's points numbered outer first, then each hole in turn; every
    // triangle counter-clockwise in the blank's plane.
    std::vector<std::array<int, 3>> triangles;

    // The face's points in the numbering of `triangles`.
    std::vector<Point> allPoints() const;
};

// Two faces joined along a fold line: the line is the stretch they share.
struct Hinge {
    int faceA = 0;
    int faceB = 0;
    Segment line;
    LineKind kind = LineKind::Crease;  // the line kind of the fold (crease, perforated crease, ...)
};

struct BlankFaces {
    std::vector<Face> faces;
    std::vector<Hinge> hinges;
};

// A hinge neither along x nor along y.
bool isSlanted(const Hinge& h);

// Lines of these kinds join two faces as a hinge.
bool isFoldKind(LineKind lineKind);
// Whether a ring's edge lies on a fold line.
bool isFoldEdge(std::optional<LineKind> edgeKind);

// The faces and hinges of the blank's own lines and arcs (imposed copies, dimensions and
// texts are not read).
BlankFaces blankFaces(const Drawing& d);

}  // namespace brontaxe::fold
