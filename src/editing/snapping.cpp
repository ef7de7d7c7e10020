#include "editing/snapping.h"

#include <cmath>
#include <vector>

#include "editing/stroke_geometry.h"

namespace brontaxe::editing {
namespace {

// The points of the drawing win over the perpendicular, which wins over the nearest point
// and the grid.
int rankOf(SnapKind kind) {
    switch (kind) {
        case SnapKind::Perpendicular:
            return 1;
        case SnapKind::Nearest:
        case SnapKind::Grid:
            return 2;
        default:
            return 0;
    }
}

class SnapSearch {
  public:
    SnapSearch(Point cursor, double aperture) : cursor_(cursor), aperture_(aperture) {}

    // The first of several points as near as each other stays: a corner is an end before it is
    // an intersection.
    void consider(Point at, SnapKind kind) {
        const double d = distance(at, cursor_);
        if (!(d <= aperture_))
            return;
        const int rank = rankOf(kind);
        if (best_ && (rank > rank_ || (rank == rank_ && d >= distance_ - 1e-9)))
            return;
        best_ = Snap{at, kind};
        rank_ = rank;
        distance_ = d;
    }
    const std::optional<Snap>& best() const { return best_; }

  private:
    Point cursor_;
    double aperture_;
    std::optional<Snap> best_;
    int rank_ = 0;
    double distance_ = 0;
};

// The lines and arcs that can hold a snap near the cursor: those whose extent (with an arc's
// centre) comes within the aperture.
std::vector<const Shape*> strokesNear(std::span<const Element> elements, Point cursor,
                                      double aperture) {
    std::vector<const Shape*> out;
    for (const Element& e : elements) {
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            Box b;
            b.add(l->a);
            b.add(l->b);
            if (boxContains(b, cursor, aperture))
                out.push_back(&e.shape);
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            Box b = elementBox(e);
            b.add(a->centre);
            if (boxContains(b, cursor, aperture))
                out.push_back(&e.shape);
        }
    }
    return out;
}

void considerPoints(SnapSearch& search, const Shape& s, const SnapSettings& settings) {
    if (const auto* l = std::get_if<LineShape>(&s)) {
        if (settings.end) {
            search.consider(l->a, SnapKind::End);
            search.consider(l->b, SnapKind::End);
        }
        if (settings.middle)
            search.consider((l->a + l->b) * 0.5, SnapKind::Middle);
        return;
    }
    const auto& a = std::get<ArcShape>(s);
    if (!isFullCircle(a)) {
        if (settings.end) {
            search.consider(a.start(), SnapKind::End);
            search.consider(a.end(), SnapKind::End);
        }
        if (settings.middle)
            search.consider(pointOnCircle(a.centre, a.radius, a.startDeg + a.sweepDeg / 2),
                            SnapKind::Middle);
    }
    if (settings.centre)
        search.consider(a.centre, SnapKind::Centre);
}

// The feet of the perpendiculars from `from` that lie on the stroke.
void considerPerpendicular(SnapSearch& search, const Shape& s, Point from) {
    if (const auto* l = std::get_if<LineShape>(&s)) {
        const double len = distance(l->a, l->b);
        if (len <= kEditTolerance)
            return;
        const Point dir = (l->b - l->a) * (1.0 / len);
        const double t = dot(from - l->a, dir);
        if (t >= 0 && t <= len)
            search.consider(l->a + dir * t, SnapKind::Perpendicular);
        return;
    }
    const auto& a = std::get<ArcShape>(s);
    if (areNear(from, a.centre, kEditTolerance))
        return;
    const double towards = angleAt(a.centre, from);
    for (const double deg : {towards, towards + 180.0})
        if (angleOnArc(a, deg))
            search.consider(pointOnCircle(a.centre, a.radius, deg), SnapKind::Perpendicular);
}

void considerNearest(SnapSearch& search, const Shape& s, Point cursor) {
    if (const auto* l = std::get_if<LineShape>(&s))
        search.consider(nearestOnSegment(cursor, l->a, l->b), SnapKind::Nearest);
    else
        search.consider(nearestOnArc(std::get<ArcShape>(s), cursor), SnapKind::Nearest);
}

void considerGrid(SnapSearch& search, Point cursor, double step) {
    if (!(step > 0))
        return;
    search.consider({std::round(cursor.x / step) * step, std::round(cursor.y / step) * step},
                    SnapKind::Grid);
}

}  // namespace

std::optional<Snap> findSnap(std::span<const Element> elements, Point cursor,
                             const SnapSettings& settings, std::optional<Point> from) {
    SnapSearch search(cursor, settings.aperture);
    const std::vector<const Shape*> near = strokesNear(elements, cursor, settings.aperture);
    for (std::size_t i = 0; i < near.size(); ++i) {
        considerPoints(search, *near[i], settings);
        if (settings.intersection)
            for (std::size_t j = i + 1; j < near.size(); ++j)
                for (const Point& p : strokeCrossings(*near[i], *near[j]))
                    search.consider(p, SnapKind::Intersection);
        if (settings.perpendicular && from)
            considerPerpendicular(search, *near[i], *from);
        if (settings.nearest)
            considerNearest(search, *near[i], cursor);
    }
    if (settings.grid)
        considerGrid(search, cursor, settings.gridStep);
    return search.best();
}

const char* snapName(SnapKind kind) {
    switch (kind) {
        case SnapKind::End:
            return "Extrémité";
        case SnapKind::Middle:
            return "Milieu";
        case SnapKind::Centre:
            return "Centre";
        case SnapKind::Intersection:
            return "Intersection";
        case SnapKind::Perpendicular:
            return "Perpendiculaire";
        case SnapKind::Nearest:
            return "Proche";
        case SnapKind::Grid:
            return "Grille";
    }
    return "";
}

}  // namespace brontaxe::editing
