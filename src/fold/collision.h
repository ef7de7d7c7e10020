#pragma once
// Whether faces of the folded blank pass through one another, on bounding volumes: a box
// around each face first, then a prism of the board's thickness around each of its triangles.
// Faces that share a hinge are not compared, and touching is not passing through.

#include <vector>

#include "fold/folded_blank.h"

namespace brontaxe::fold {

struct Collision {
    int faceA = 0;
    int faceB = 0;
    double depth = 0;  // mm, along the axis that separates them least
};

// A face's triangles as prisms of the board's thickness, placed, with the box around them.
struct PlacedFace {
    std::vector<std::array<Vec3, 6>> prisms;
    Bounds3 box;
};

PlacedFace placeFace(const FoldedBlank& m, int face, const RigidMotion& placement);

// How deep `a` and `b` reach into each other (0 when apart).
double penetration(const PlacedFace& a, const PlacedFace& b);

// Two placed faces reaching `depth` into each other pass through each other: parallel ones
// closer than the board's thickness and deeper than half of it (they share board), others
// deeper than the thickness (less is the board's give where it bends at a fold).
bool passesThrough(const FoldedBlank& m, const RigidMotion& a, const RigidMotion& b, double depth);

// Faces that share a hinge: allowed to touch along it.
bool hinged(const FoldedBlank& m, int a, int b);

std::vector<Collision> collisions(const FoldedBlank& m, const std::vector<RigidMotion>& placed);

}  // namespace brontaxe::fold
