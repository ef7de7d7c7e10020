#include "fold/folder_folds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "drawing/geometry.h"
#include "fold/rolled_walls.h"

namespace brontaxe::fold {
namespace {

struct NotFolding {
    std::string_view code;
    std::string_view reason;
};

// Held true by the erected pieces test: each still fails there at one size at least.
constexpr std::array<NotFolding, 0> kNotFolding{};

// The face `steps` folds up the parent chain from `face`, or -1 past a fixed face.
int ancestor(const FoldedBlank& m, int face, int steps) {
    for (int i = 0; i < steps && face >= 0; ++i)
        face = m.links[static_cast<std::size_t>(face)].parent;
    return face;
}

bool folderHingesParallel(const Hinge& a, const Hinge& b) {
    const Point u = a.line.b - a.line.a;
    const Point v = b.line.b - b.line.a;
    return std::fabs(u.x * v.y - u.y * v.x) <= kParallelRatio * length(u) * length(v);
}

// A flap four parallel folds from the base (outer wall, band, inner wall, flap) would go on
// rolling outwards through the outer wall: it turns back in, flat across the bottom. The
// folds are told from the end of the chain, the flap: whichever face the piece is folded
// about (a tall folder's largest face is a lid flap), its four parents are the roll.
void laySecondFloors(FoldedBlank& m) {
    for (const std::vector<int>& piece : facesOfPieces(m)) {
        for (int f : piece) {
            if (ancestor(m, f, 4) < 0 || !m.children(f).empty())
                continue;
            bool rolled = true;
            for (int k = 1; k < 4 && rolled; ++k)
                rolled = folderHingesParallel(*m.hingeOf(f), *m.hingeOf(ancestor(m, f, k)));
            if (rolled)
                m.links[static_cast<std::size_t>(f)].angleDeg = -90;
        }
    }
}

// The bottom of a tray on the grid: the face fewest folds from every other one, and of two
// as far from the farthest, the one nearer all the others (its walls may be larger, and as
// often folded, when the tray is tall; a folder's back wall reaches as far as its bottom).
int middleOf(const FoldedBlank& m, const std::vector<int>& piece, std::vector<int>& away) {
    int best = piece.front();
    std::pair<int, int> reach{-1, 0};
    for (int f : piece) {
        std::vector<int> from = foldsAway(m, f);
        int total = 0;
        for (int g : piece)
            total += from[static_cast<std::size_t>(g)];
        const std::pair<int, int> r{*std::max_element(from.begin(), from.end()), total};
        if (reach.first < 0 || r < reach) {
            best = f;
            reach = r;
            away = std::move(from);
        }
    }
    return best;
}

// The folds between two faces, or nullptr.
const Hinge* folderHingeBetween(const FoldedBlank& m, int a, int b) {
    for (const Hinge& h : m.flat.hinges)
        if ((h.faceA == a && h.faceB == b) || (h.faceA == b && h.faceB == a))
            return &h;
    return nullptr;
}

// A face hinged to `face` one fold nearer the bottom, or -1.
int nearer(const FoldedBlank& m, int face, const std::vector<int>& away) {
    for (const Hinge& h : m.flat.hinges) {
        const int other = h.faceA == face ? h.faceB : h.faceB == face ? h.faceA : -1;
        if (other >= 0 &&
            away[static_cast<std::size_t>(other)] + 1 == away[static_cast<std::size_t>(face)])
            return other;
    }
    return -1;
}

// Whether `b` lies on the line of `a`, within `within` mm.
bool collinear(const Hinge& a, const Hinge& b, double within) {
    const Point u = a.line.b - a.line.a;
    const Point v = b.line.a - a.line.a;
    const Point w = b.line.b - a.line.a;
    return std::fabs(u.x * v.y - u.y * v.x) <= within * length(u) &&
           std::fabs(u.x * w.y - u.y * w.x) <= within * length(u);
}

// Whether flaps of other walls (corner flaps) turn against `wall`: they hinge on the line of
// its fold to the bottom, within `within` mm.
bool flapsTurnAgainst(const FoldedBlank& m, int wall, const Hinge& toBottom, double within) {
    return std::any_of(m.flat.hinges.begin(), m.flat.hinges.end(), [&](const Hinge& h) {
        return h.faceA != wall && h.faceB != wall && &h != &toBottom &&
               collinear(toBottom, h, within);
    });
}

// Which walls turn the panel beyond them down inside: all of them, or only those that corner
// flaps turn against, their folds within two boards of the wall's (0420's side walls, whose
// ears hinge on front and back walls a little shorter than the bottom; not the back wall that
// carries the lid).
enum class RolledWalls { All, OverCornerFlaps };

// The corner flaps that turn against `wall` lie a whole board inside it, wherever the wall
// they hang from stops short of the bottom's edge: a back wall a little longer than the front
// would leave its ears half in the side wall's board.
void layCornerFlapsInside(FoldedBlank& m, int wall, const Hinge& toBottom) {
    for (int f = 0; f < m.faceCount(); ++f) {
        const Hinge* h = m.hingeOf(f);
        if (!h || h == &toBottom || h->faceA == wall || h->faceB == wall ||
            !collinear(toBottom, *h, 2 * m.thickness))
            continue;
        const double off = distanceToLine(h->line.a, toBottom.line);
        m.links[static_cast<std::size_t>(f)].layer = (m.thickness - off) / m.thickness;
    }
}

// Double walls rolled inside: the panel beyond a wall, on a fold along the wall's own, turns
// down inside it (0437's end walls, over the corner flaps, 0459's walls all round); a panel
// beyond that one (0472's floor halves) turns in flat across the bottom.
void rollWallsInside(FoldedBlank& m, RolledWalls which = RolledWalls::All) {
    for (const std::vector<int>& piece : facesOfPieces(m)) {
        std::vector<int> away;
        const int bottom = middleOf(m, piece, away);
        for (int f : piece) {
            FoldLink& link = m.links[static_cast<std::size_t>(f)];
            if (link.parent < 0)
                continue;
            const auto [near, far] = nearAndFar(away, f, link.parent);
            const int depth = away[static_cast<std::size_t>(far)];
            const int wall = depth == 3 ? nearer(m, near, away) : near;
            const Hinge* toBottom = folderHingeBetween(m, wall, bottom);
            if (depth < 2 || depth > 3 || wall < 0 || !toBottom ||
                !folderHingesParallel(*toBottom, *m.hingeOf(f)))
                continue;
            const bool overFlaps = flapsTurnAgainst(
                m, wall, *toBottom, which == RolledWalls::All ? kOnDrawnLine : 2 * m.thickness);
            if (which == RolledWalls::OverCornerFlaps && !overFlaps)
                continue;
            if (which == RolledWalls::OverCornerFlaps)
                layCornerFlapsInside(m, wall, *toBottom);
            if (depth == 2) {
                // Over corner flaps it lies a board further in, holding them between its layers.
                const double in = overFlaps ? 2 : 1;
                link.angleDeg = 180;
                link.layer = far == f ? -in : in;
            } else {
                link.angleDeg = -90;
            }
        }
    }
}

}  // namespace

void foldFolder(FoldedBlank& m, std::string_view code) {
    if (code == "0471")
        laySecondFloors(m);
    if (code == "0420")
        rollWallsInside(m, RolledWalls::OverCornerFlaps);
    if (code == "0437" || code == "0459" || code == "0472")
        rollWallsInside(m);
    if (rollsWallsDouble(code))
        keepRolledWallsInPlace(m);
}

std::optional<std::string_view> folderNotFoldingYet(std::string_view code) {
    const auto* it = std::ranges::find(kNotFolding, code, &NotFolding::code);
    if (it == kNotFolding.end())
        return std::nullopt;
    return it->reason;
}

}  // namespace brontaxe::fold
