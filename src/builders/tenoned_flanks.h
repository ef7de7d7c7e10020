#pragma once
// The tenoned side wall of the locking folders: an outer wall hinged on the bottom, a top
// strip as wide as the double wall, and an inner wall whose tenons lock into mortises cut in
// the bottom beside the hinge, or which carries a flap laid across the bottom.

#include <optional>
#include <string>
#include <vector>

#include "builders/feature_placement.h"
#include "drawing/drawing.h"

namespace brontaxe {

enum class WallType {
    Locked = 1,        // tenons on the inner wall, mortises in the bottom
    MortisesOnly = 2,  // mortises in the bottom for tenons cut elsewhere, a plain inner wall
    Plain = 0,         // a double wall held by the ears alone
};

struct TenonShape {
    float length = 0;  // along the wall, at its root
    float height = 0;  // how far it stands out of the inner wall's edge
    float angle = 0;   // lean of its two sides, degrees (the tip is narrower by this lean)
};

struct MortiseShape {
    float length = 0;  // along the wall
    float height = 0;  // across the hinge, the double wall and the board it takes
    float radius = 0;  // corner rounding, cut back to what the slot holds
    float pitch = 0;   // board left between two mortises
};

// In its own coordinates the hinge on the bottom runs along x = 0 from y = 0 to `length`, the
// wall lies at x > 0 and the bottom at x < 0.
struct TenonedWall {
    float length = 0;  // along the hinge
    float inset = 0;   // top strip and inner wall shortened by this at both ends
    float outer = 0;   // outer wall height
    float top = 0;     // double-wall strip
    float inner = 0;   // inner wall height
    WallType type = WallType::Locked;
    TenonShape tenon;
    MortiseShape mortise;
    int count = 0;         // mortises (and tenons), centred on the wall's middle
    float mortiseGap = 0;  // board left between the mortises and the hinge
    // Where an ear meets the outer wall's end edges (x in (0, outer)); the edge is drawn in two
    // pieces there so that the ear's outline joins an end. 0 when no ear meets inside it.
    float frontJoin = 0;
    float backJoin = 0;
    // A flap beyond the inner wall, on a crease, laid flat across the bottom: a second floor.
    // 0 for none; a plain wall only.
    float floorFlap = 0;
};

// The mortise count: `nbmortaise` when it is not 0, else as many mortises of `length` with
// `pitch` between them as fit in `span`. Throws GenerationError when neither says how many.
int mortiseCount(int nbmortaise, float span, float length, float pitch);

// Centres (local y) of the mortises and tenons of the wall.
std::vector<float> mortiseCentres(const TenonedWall& wall);

// Why the wall cannot be drawn (French), or nothing.
std::optional<std::string> wallProblem(const TenonedWall& wall);

// Draws the wall and its mortises and places them. Throws GenerationError (French) when the
// mortises do not fit along the wall, a tenon leans past its own tip, or a size is not positive.
void TenonedFlanks(Drawing& d, const TenonedWall& wall, const FeaturePlacement& at = {});

}  // namespace brontaxe
