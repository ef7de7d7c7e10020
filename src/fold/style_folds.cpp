#include "fold/style_folds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <string>

#include "drawing/tolerances.h"
#include "fold/collision.h"
#include "fold/erected_pieces.h"
#include "fold/folder_folds.h"

namespace brontaxe::fold {
namespace {

enum class Direction { AlongX, AlongY, Slanted };

Direction directionOf(const Hinge& h) {
    const Point d = h.line.b - h.line.a;
    const double len = length(d);
    if (std::fabs(d.y) <= kParallelRatio * len)
        return Direction::AlongX;
    if (std::fabs(d.x) <= kParallelRatio * len)
        return Direction::AlongY;
    return Direction::Slanted;
}

// A slanted fold (the corner of a glued bottom, a gusset) lies in the plane of its face once
// the box stands: it folds to lay the blank flat, not to erect it.
void keepSlantedFoldsFlat(FoldedBlank& m) {
    for (int f = 0; f < m.faceCount(); ++f)
        if (const Hinge* h = m.hingeOf(f); h && isSlanted(*h))
            m.links[static_cast<std::size_t>(f)].angleDeg = 0;
}

// The neighbours of a face across hinges of one direction.
std::vector<int> neighbours(const FoldedBlank& m, int face, Direction dir) {
    std::vector<int> out;
    for (const Hinge& h : m.flat.hinges) {
        if (directionOf(h) != dir)
            continue;
        if (h.faceA == face)
            out.push_back(h.faceB);
        else if (h.faceB == face)
            out.push_back(h.faceA);
    }
    return out;
}

// The body of a slotted or glued case: the largest set of faces joined by folds along y (the
// walls and the glue flap).
std::vector<int> bodyOf(const FoldedBlank& m) {
    std::vector<int> best;
    std::vector<bool> seen(static_cast<std::size_t>(m.faceCount()), false);
    for (int start = 0; start < m.faceCount(); ++start) {
        if (seen[static_cast<std::size_t>(start)])
            continue;
        std::vector<int> part;
        std::deque<int> queue{start};
        seen[static_cast<std::size_t>(start)] = true;
        while (!queue.empty()) {
            const int f = queue.front();
            queue.pop_front();
            part.push_back(f);
            for (int n : neighbours(m, f, Direction::AlongY))
                if (!seen[static_cast<std::size_t>(n)]) {
                    seen[static_cast<std::size_t>(n)] = true;
                    queue.push_back(n);
                }
        }
        if (part.size() > best.size())
            best = std::move(part);
    }
    return best;
}

// Walls and flaps square; the glue flap (a face of the body with no flap) laid inside the
// wall it is glued to; the flaps of the width walls laid under those of the length walls.
void foldSlottedBody(FoldedBlank& m, bool glueFlapOnWidth) {
    const std::vector<int> body = bodyOf(m);
    if (body.size() < 3)
        return;
    auto inBody = [&](int f) { return std::find(body.begin(), body.end(), f) != body.end(); };
    std::vector<int> walls;
    for (int f : body) {
        const std::vector<int> across = neighbours(m, f, Direction::AlongX);
        if (std::any_of(across.begin(), across.end(), [&](int n) { return !inBody(n); }))
            walls.push_back(f);
        else if (m.links[static_cast<std::size_t>(f)].parent >= 0)
            m.links[static_cast<std::size_t>(f)].layer = 1;
    }
    std::sort(walls.begin(), walls.end(), [&](int a, int b) {
        return m.flat.faces[static_cast<std::size_t>(a)].inside.x <
               m.flat.faces[static_cast<std::size_t>(b)].inside.x;
    });
    const std::size_t lengthWalls = glueFlapOnWidth ? 1 : 0;
    for (std::size_t i = 0; i < walls.size(); ++i) {
        if (i % 2 == lengthWalls)
            continue;
        for (int flap : neighbours(m, walls[i], Direction::AlongX))
            if (!inBody(flap) && m.links[static_cast<std::size_t>(flap)].parent == walls[i])
                m.links[static_cast<std::size_t>(flap)].layer = 1;
    }
}

// A tongue creased at its root on a flap (0226, 0227) lies in its flap's plane once the box is
// closed: it only bends on its way into the slot. It is the face hung on a flap by a fold
// along x, as the flap is hung on its wall.
void keepTonguesInTheirFlaps(FoldedBlank& m) {
    for (int f = 0; f < m.faceCount(); ++f) {
        FoldLink& link = m.links[static_cast<std::size_t>(f)];
        if (link.parent < 0)
            continue;
        const Hinge* own = m.hingeOf(f);
        const Hinge* flaps = m.hingeOf(link.parent);
        if (own && flaps && directionOf(*own) == Direction::AlongX &&
            directionOf(*flaps) == Direction::AlongX)
            link.angleDeg = 0;
    }
}

// The top flaps of an open tray with a rolled-in rim turn down inside against their walls.
void rollRimInside(FoldedBlank& m) {
    const std::vector<int> body = bodyOf(m);
    for (int wall : body)
        for (int flap : neighbours(m, wall, Direction::AlongX)) {
            FoldLink& link = m.links[static_cast<std::size_t>(flap)];
            const bool above = m.flat.faces[static_cast<std::size_t>(flap)].inside.y >
                               m.flat.faces[static_cast<std::size_t>(wall)].inside.y;
            if (link.parent == wall && above) {
                // Turned over, its inside faces the wall's: it lies one board back.
                link.angleDeg = 180;
                link.layer = -1;
            }
        }
}

// A tray's corner flaps (the flaps of its walls) laid outside the walls they turn against, to
// be glued there: the inside stays smooth.
void layCornerFlapsOutside(FoldedBlank& m) {
    for (int f = 0; f < m.faceCount(); ++f) {
        FoldLink& link = m.links[static_cast<std::size_t>(f)];
        if (link.parent < 0)
            continue;
        const int wall = link.parent;
        if (m.links[static_cast<std::size_t>(wall)].parent >= 0 &&
            m.links[static_cast<std::size_t>(m.links[static_cast<std::size_t>(wall)].parent)]
                    .parent < 0)
            link.layer = -1;
    }
}

// A tray's double walls (0330) or a drawer's lined ends (0511): a panel beyond a wall, on a
// crease along the wall's own hinge to the base, turned down inside against it. Set on the hinge,
// whichever of its faces hangs from the other.
void rollDoubleWallsInside(FoldedBlank& m) {
    for (const std::vector<int>& piece : facesOfPieces(m)) {
        const int base = baseOf(m, piece);
        // A tray's base folds both ways; a ring's panels (0511's sleeve) one way only.
        if (neighbours(m, base, Direction::AlongX).empty() ||
            neighbours(m, base, Direction::AlongY).empty())
            continue;
        const std::vector<int> away = foldsAway(m, base);
        for (int f = 0; f < m.faceCount(); ++f) {
            FoldLink& link = m.links[static_cast<std::size_t>(f)];
            if (link.parent < 0 || away[static_cast<std::size_t>(f)] < 0)
                continue;
            const auto [near, far] = nearAndFar(away, f, link.parent);
            if (away[static_cast<std::size_t>(near)] != 1 ||
                away[static_cast<std::size_t>(far)] != 2)
                continue;
            const Hinge* toBase = nullptr;
            for (const Hinge& h : m.flat.hinges)
                if ((h.faceA == near && h.faceB == base) || (h.faceB == near && h.faceA == base))
                    toBase = &h;
            if (toBase && directionOf(*toBase) == directionOf(*m.hingeOf(f))) {
                link.angleDeg = 180;
                link.layer = far == f ? -1 : 1;
            }
        }
    }
}

// The octagonal boxes: their corner walls stand on the base's slanted edges.
bool octagonal(std::string_view code) {
    return code == "0350" || code == "0351";
}

// An octagonal band: a strip creased across, each crease a corner of the octagon, turned by
// an eighth of a turn. Told from the box's tray by its folds, all parallel.
void foldOctagonalBand(FoldedBlank& m) {
    for (std::vector<int> piece : facesOfPieces(m)) {
        piece.erase(piece.begin());  // the fixed face, first, turns about nothing
        if (piece.empty())
            continue;
        const Direction first = directionOf(*m.hingeOf(piece.front()));
        const bool strip = first != Direction::Slanted &&
                           std::all_of(piece.begin(), piece.end(),
                                       [&](int f) { return directionOf(*m.hingeOf(f)) == first; });
        if (strip)
            for (int f : piece)
                m.links[static_cast<std::size_t>(f)].angleDeg = 45;
    }
}

// Half-cuts laid flat: across 0969's hollow strip they mark where its slots go, and the strip
// folds on its creases alone.
void keepHalfCutsFlat(FoldedBlank& m) {
    for (int f = 0; f < m.faceCount(); ++f)
        if (const Hinge* h = m.hingeOf(f); h && h->kind == kind::HalfCut)
            m.links[static_cast<std::size_t>(f)].angleDeg = 0;
}

// The glued trays: a base, its walls, webs glued across the corners; no body of panels.
bool gluedTray(std::string_view code) {
    for (std::string_view tray : {"0715", "0716", "0717", "0718", "0759", "0760", "0761"})
        if (code == tray)
            return true;
    return false;
}

// A glued tray: the webs at the ends of its long walls glued inside the short walls (where
// the two webs of a short wall overlap, one inside the other), and held there by the short
// walls' linings where they are doubled; a lid rests on the walls' edges,
// its side flaps tucked down inside the short walls.
void foldGluedTray(FoldedBlank& m) {
    const int base = m.roots.front();
    const double baseArea = m.flat.faces[static_cast<std::size_t>(base)].area;
    for (int wall : neighbours(m, base, Direction::AlongY))
        for (int rim : m.children(wall))
            for (int lining : m.children(rim))
                m.links[static_cast<std::size_t>(lining)].layer = -1;
    for (int wall : neighbours(m, base, Direction::AlongX)) {
        for (int web : neighbours(m, wall, Direction::AlongY))
            m.links[static_cast<std::size_t>(web)].layer = 1;
        for (int lid : neighbours(m, wall, Direction::AlongX)) {
            if (lid == base || m.flat.faces[static_cast<std::size_t>(lid)].area < baseArea / 2)
                continue;
            m.links[static_cast<std::size_t>(lid)].layer = -1;
            for (int flap : neighbours(m, lid, Direction::AlongY))
                m.links[static_cast<std::size_t>(flap)].layer = 1;
        }
    }
}

bool slottedOrGlued(std::string_view code) {
    return code.starts_with("02") || (code.starts_with("07") && !gluedTray(code));
}

struct StyleNotFolding {
    std::string_view code;
    std::string_view reason;
};

// Styles whose blank does not fold into its box yet, with why; the catalogue sweeps keep this
// list true. The folders and trays keep their own list.
constexpr std::array<StyleNotFolding, 0> kStyleNotFolding{};

// Parents before their children, and of the faces free to go next those that keep their place,
// then the largest: walls keep their place and the flaps that meet them give way.
std::vector<int> largestFirst(const FoldedBlank& m) {
    std::vector<int> out;
    std::vector<int> ready = m.roots;
    auto rank = [&](int f) {
        return std::pair(m.links[static_cast<std::size_t>(f)].keepsPlace,
                         m.flat.faces[static_cast<std::size_t>(f)].area);
    };
    while (!ready.empty()) {
        const auto next = std::max_element(ready.begin(), ready.end(),
                                           [&](int a, int b) { return rank(a) < rank(b); });
        const int f = *next;
        ready.erase(next);
        out.push_back(f);
        for (int c : m.children(f))
            ready.push_back(c);
    }
    return out;
}

}  // namespace

void stackOverlappingFaces(FoldedBlank& m) {
    std::vector<RigidMotion> placed(static_cast<std::size_t>(m.faceCount()));
    std::vector<PlacedFace> settled;
    std::vector<int> settledFaces;
    for (int f : largestFirst(m)) {
        FoldLink& link = m.links[static_cast<std::size_t>(f)];
        auto place = [&] {
            placed[static_cast<std::size_t>(f)] =
                link.parent < 0
                    ? RigidMotion{}
                    : placementFrom(m, f, placed[static_cast<std::size_t>(link.parent)], 1.0);
            return placeFace(m, f, placed[static_cast<std::size_t>(f)]);
        };
        auto clears = [&](const PlacedFace& face) {
            for (std::size_t i = 0; i < settled.size(); ++i)
                if (!hinged(m, f, settledFaces[i]) &&
                    passesThrough(m, placed[static_cast<std::size_t>(f)],
                                  placed[static_cast<std::size_t>(settledFaces[i])],
                                  penetration(face, settled[i])))
                    return false;
            return true;
        };
        PlacedFace face = place();
        if (link.parent >= 0 && !clears(face)) {
            const double first = link.layer;
            bool cleared = false;
            for (double step : {1.0, 2.0, -1.0, -2.0}) {
                link.layer = first + step;
                face = place();
                if (clears(face)) {
                    cleared = true;
                    break;
                }
            }
            if (!cleared) {
                link.layer = first;
                face = place();
            }
        }
        settled.push_back(std::move(face));
        settledFaces.push_back(f);
    }
}

FoldedBlank foldStyle(const Drawing& d, std::string_view code, const Model& model) {
    // A telescope's trays fold about their base, whichever face is the largest: 0308's corner
    // flaps are laid outside the walls hung on it.
    FoldedBlank m =
        foldBlank(d, model.EpaisseurCarton,
                  code == "0308" || code == "0309" ? FixedFace::MostFolds : FixedFace::Largest);
    // A glued tray folds about its base: its lid may be as large and as often folded.
    if (gluedTray(code))
        refoldFrom(m, trayBase(m, facesOfPieces(m).front(), {model.Longueur, model.Largeur}));
    if (octagonal(code))
        foldOctagonalBand(m);
    else
        keepSlantedFoldsFlat(m);
    if (slottedOrGlued(code))
        foldSlottedBody(m, model.pattesurtete);
    if (gluedTray(code))
        foldGluedTray(m);
    if (code == "0214")
        rollRimInside(m);
    if (code == "0226" || code == "0227")
        keepTonguesInTheirFlaps(m);
    if (code == "0308")
        layCornerFlapsOutside(m);
    // Folders and trays: 0444 and 0453 glue 0434's and 0450's corner flaps outside.
    if (code == "0444" || code == "0453")
        layCornerFlapsOutside(m);
    if (code == "0314" || code == "0330" || code == "0511")
        rollDoubleWallsInside(m);
    if (code == "0969")
        keepHalfCutsFlat(m);
    if (code.starts_with("04"))
        foldFolder(m, code);
    stackOverlappingFaces(m);
    return m;
}

std::optional<std::string_view> notFoldingYet(std::string_view code) {
    for (const StyleNotFolding& n : kStyleNotFolding)
        if (n.code == code)
            return n.reason;
    return folderNotFoldingYet(code);
}

}  // namespace brontaxe::fold
