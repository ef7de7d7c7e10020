#pragma once
// The blank as a folding model: its faces joined by hinges into one tree a piece, the largest
// face of each piece fixed, every other face turning about the hinge to its parent by its
// fold angle. A fold fraction of 0 is the flat blank, 1 the erected box.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "fold/blank_faces.h"
#include "fold/space.h"

namespace brontaxe::fold {

// How a face hangs from its parent.
struct FoldLink {
    int parent = -1;  // -1: the fixed face of its piece
    int hinge = -1;   // index into the hinges
    // Turn at the full fold, in degrees; positive lifts the face towards +z, the side every
    // face of the flat blank shows as its inside.
    double angleDeg = 0;
    // Where the face lies at the full fold, in board thicknesses along its own inside (its +z
    // before folding): 1 for a face laid inside another (a glue flap, the inner flaps under
    // the outer ones), negative towards its outside.
    double layer = 0;
    // Faces laid one board further in or out where they would pass through another give way
    // to this one, settled before them (a wall rolled double and what carries it).
    bool keepsPlace = false;
};

struct FoldedBlank {
    BlankFaces flat;
    double thickness = 0;         // mm
    std::vector<FoldLink> links;  // one a face
    std::vector<int> order;       // every face after its parent
    std::vector<int> roots;       // the fixed face of each piece

    int faceCount() const { return static_cast<int>(flat.faces.size()); }
    // The hinge a face turns about, or nullptr for a fixed face.
    const Hinge* hingeOf(int face) const;
    // The faces whose parent is `face`.
    std::vector<int> children(int face) const;
};

// Which face of each piece stays fixed while the others fold about it.
enum class FixedFace {
    Largest,    // a case's wall, a pad
    MostFolds,  // a tray's base, whatever its walls' size
};

// The faces and hinges of the drawing, joined into trees from the fixed face of each piece;
// every fold at the default angle (90 degrees for a crease; 0 for a perforation and for a
// flap cut inside another face).
FoldedBlank foldBlank(const Drawing& d, double thickness, FixedFace fixed = FixedFace::Largest);

// The same blank folded about `face` instead, at the default angles.
void refoldFrom(FoldedBlank& m, int face);

// The folds that meet a face, whichever way they turn.
int foldCount(const FoldedBlank& m, int face);
std::vector<const Hinge*> hingesOf(const FoldedBlank& m, int face);

// How many folds each face lies from `from`, across hinges of any direction; -1 for a face of
// another piece.
std::vector<int> foldsAway(const FoldedBlank& m, int from);
// Of a face and its parent, the one fewer folds `away` and the other.
std::pair<int, int> nearAndFar(const std::vector<int>& away, int face, int parent);

// The faces of each piece, in the order of the pieces' fixed faces, each after its parent.
std::vector<std::vector<int>> facesOfPieces(const FoldedBlank& m);

// The base of a tray, a lid or a pad among `faces`: the face its walls rise from, the one with
// the most folds (the larger of two with as many).
int baseOf(const FoldedBlank& m, const std::vector<int>& faces);

// Where `face` lies at `fraction` of its fold, its parent lying at `parentPlacement`.
RigidMotion placementFrom(const FoldedBlank& model, int face, const RigidMotion& parentPlacement,
                          double fraction);

// Where every face lies at `fraction` of its fold (0 flat, 1 erected).
std::vector<RigidMotion> placements(const FoldedBlank& model, double fraction);

// The face's mid-surface normal once placed.
Vec3 faceNormal(const RigidMotion& placement);

// The folded blank as triangles: each face a slab of the board's thickness (its two sides and
// its edges), or a surface when the thickness is 0.
struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 3>> triangles;  // counter-clockwise seen from outside
    std::vector<int> triangleFace;              // the face each triangle belongs to

    Bounds3 bounds() const;
};

Mesh foldedMesh(const FoldedBlank& model, const std::vector<RigidMotion>& placed);

}  // namespace brontaxe::fold
