#include "builders/alternate_folds.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"
#include "platform/errors.h"

namespace brontaxe {
namespace {

enum class Edge { None, Cut, Crease };

struct Span {
    float lo, hi;
};

struct GridLine {
    Edge edge;
    float x1, y1, x2, y2;
};

void checkGrid(const FoldGrid& g) {
    if (g.columns.empty() || g.rows.empty())
        throw GenerationError("Dimensions impossibles : découpe vide");
    for (float w : g.columns)
        if (!(w > 0))
            throw GenerationError("Dimensions impossibles : panneau de largeur nulle");
    const int n = static_cast<int>(g.columns.size());
    for (const FoldRow& r : g.rows) {
        if (!(r.height > 0))
            throw GenerationError("Dimensions impossibles : rabat de hauteur nulle");
        if (r.firstColumn < 0 || r.lastColumn >= n || r.firstColumn > r.lastColumn)
            throw GenerationError("Dimensions impossibles : rangée hors de la découpe");
    }
}

class Grid {
  public:
    explicit Grid(const FoldGrid& g) : g_(g) {
        xs_.push_back(0);
        for (float w : g.columns)
            xs_.push_back(xs_.back() + w);
        ys_.push_back(0);
        for (const FoldRow& r : g.rows)
            ys_.push_back(ys_.back() + r.height);
    }

    int columnCount() const { return static_cast<int>(g_.columns.size()); }
    int rowCount() const { return static_cast<int>(g_.rows.size()); }
    float x(int c) const { return xs_[static_cast<std::size_t>(c)]; }
    float y(int r) const { return ys_[static_cast<std::size_t>(r)]; }

    bool covered(int row, int column) const {
        if (row < 0 || row >= rowCount())
            return false;
        const FoldRow& r = g_.rows[static_cast<std::size_t>(row)];
        return column >= r.firstColumn && column <= r.lastColumn;
    }

    // The cell's stretch along x: narrowed at the ends of a row that asks for it, drawn
    // short of the grid's outer columns by the row's inset.
    Span span(int row, int column) const {
        Span s{x(column), x(column + 1)};
        const FoldRow& r = g_.rows[static_cast<std::size_t>(row)];
        const float w = r.endCellWidth;
        if (w > 0 && w < s.hi - s.lo && r.firstColumn != r.lastColumn && !creasedAcross(column)) {
            if (column == r.firstColumn)
                s.lo = s.hi - w;
            else if (column == r.lastColumn)
                s.hi = s.lo + w;
        }
        if (r.inset > 0 && column == r.firstColumn && s.lo + r.inset < s.hi)
            s.lo += r.inset;
        if (r.inset > 0 && column == r.lastColumn && s.hi - r.inset > s.lo)
            s.hi -= r.inset;
        return s;
    }

    // Whether the cell at `row`, `column` takes in the point `at` along x.
    bool holds(int row, int column, float at) const {
        if (!covered(row, column))
            return false;
        const Span s = span(row, column);
        return at >= s.lo && at <= s.hi;
    }

    bool creasedAcross(int column) const {
        const auto c = static_cast<std::size_t>(column);
        return c < g_.creasedAcross.size() && g_.creasedAcross[c];
    }

    // Boundary between rows `row` - 1 and `row` inside one column, in pieces split where a
    // cell of either row ends: each piece a crease, a slit or an outline edge.
    std::vector<GridLine> rowBoundary(int row, int column) const {
        std::vector<float> ends{x(column), x(column + 1)};
        for (const int r : {row - 1, row})
            if (covered(r, column)) {
                ends.push_back(span(r, column).lo);
                ends.push_back(span(r, column).hi);
            }
        std::sort(ends.begin(), ends.end());
        ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
        std::vector<GridLine> out;
        for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
            const float middle = (ends[i] + ends[i + 1]) / 2;
            const bool below = holds(row - 1, column, middle);
            const bool above = holds(row, column, middle);
            const Edge e = below && above   ? (creasedAcross(column) ? Edge::Crease : Edge::Cut)
                           : below || above ? Edge::Cut
                                            : Edge::None;
            if (e != Edge::None)
                out.push_back({e, ends[i], y(row), ends[i + 1], y(row)});
        }
        return out;
    }

    // Boundary between columns `column` - 1 and `column` inside one row.
    Edge columnBoundary(int row, int column) const {
        const bool left =
            column > 0 && covered(row, column - 1) && span(row, column - 1).hi == x(column);
        const bool right =
            column < columnCount() && covered(row, column) && span(row, column).lo == x(column);
        if (left && right)
            return Edge::Crease;
        return left || right ? Edge::Cut : Edge::None;
    }

  private:
    const FoldGrid& g_;
    std::vector<float> xs_, ys_;
};

// One line per cell edge: a slit or an outline edge can end at any corner of the grid, and
// there it must meet the end of another line.
std::vector<GridLine> segments(const Grid& grid) {
    std::vector<GridLine> out;
    for (int r = 0; r <= grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            for (const GridLine& l : grid.rowBoundary(r, c))
                out.push_back(l);
    for (int c = 0; c <= grid.columnCount(); ++c)
        for (int r = 0; r < grid.rowCount(); ++r) {
            const Edge e = grid.columnBoundary(r, c);
            if (e != Edge::None)
                out.push_back({e, grid.x(c), grid.y(r), grid.x(c), grid.y(r + 1)});
        }
    // The free sides of a narrowed cell.
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (!grid.covered(r, c))
                continue;
            const Span s = grid.span(r, c);
            for (const float x : {s.lo, s.hi})
                if (x != grid.x(c) && x != grid.x(c + 1))
                    out.push_back({Edge::Cut, x, grid.y(r), x, grid.y(r + 1)});
        }
    return out;
}

MachinePasses passesOf(const FoldGrid& g) {
    using namespace machine_pass;
    MachinePasses p;
    for (std::size_t i = 0; i < kColumns; ++i)
        p.set(width(i), i < g.columns.size() ? g.columns[i] : 0);
    for (std::size_t i = 0; i < kRowHeights; ++i)
        p.set(kFirstRowHeight + i, i < g.rows.size() ? g.rows[i].height : 0);
    return p;
}

}  // namespace

MachinePasses AlternateFolds(Drawing& d, const FoldGrid& grid, const FeaturePlacement& at) {
    PenScope pen(d);
    checkGrid(grid);
    const std::vector<GridLine> lines = segments(Grid(grid));

    const int first = beginFeature(d);
    // The outline first, then the folds.
    for (Edge kindOfEdge : {Edge::Cut, Edge::Crease}) {
        pen.setKind(kindOfEdge == Edge::Cut ? kind::Cut : kind::Crease);
        for (const GridLine& s : lines)
            if (s.edge == kindOfEdge)
                line(d, s.x1, s.y1, s.x2, s.y2);
    }
    pen.setKind(kind::Cut);
    placeFeature(d, first, {.x = at.x, .y = at.y, .angle = at.angle, .mirrored = at.mirrored});
    return passesOf(grid);
}

}  // namespace brontaxe
