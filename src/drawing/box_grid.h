#pragma once
// Boxes found by the places they cover, through a grid of square cells: the rules that look for
// what lies near a stroke or around a point read the few boxes of its cells, so that a sheet of
// n small strokes costs about n lookups, not n².

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing/geometry.h"
#include "drawing/tolerances.h"

namespace brontaxe {

class BoxGrid {
  public:
    // Cells about the size of the middle box: most boxes then sit in one to four cells.
    explicit BoxGrid(const std::vector<Box>& boxes);

    // Each box whose cells meet `area` (a box may meet it in its cells and not in itself: the
    // caller tests), each index once, in no particular order.
    template <typename Visit>
    void visit(const Box& area, Visit&& visit) const {
        ++stamp_;
        const auto see = [&](std::uint32_t i) {
            if (seen_[i] != stamp_) {
                seen_[i] = stamp_;
                visit(static_cast<std::size_t>(i));
            }
        };
        for (const std::uint32_t i : large_)
            see(i);
        if (area.empty || entries_.empty() || area.xmax < extent_.xmin ||
            area.xmin > extent_.xmax || area.ymax < extent_.ymin || area.ymin > extent_.ymax)
            return;
        const CellRange r = range(area);
        for (std::size_t y = r.y0; y <= r.y1; ++y)
            for (std::size_t x = r.x0; x <= r.x1; ++x) {
                const std::size_t c = y * columns_ + x;
                for (std::uint32_t k = first_[c]; k < first_[c + 1]; ++k)
                    see(entries_[k]);
            }
    }

    // A box grown by `margin` on every side.
    static Box grown(const Box& b, double margin) {
        return {b.xmin - margin, b.ymin - margin, b.xmax + margin, b.ymax + margin, b.empty};
    }
    static Box around(Point p, double margin) { return grown({p.x, p.y, p.x, p.y, false}, margin); }

  private:
    // A box over more cells than this is kept apart and read by every lookup: the outline of a
    // whole sheet among its small cut-outs.
    static constexpr std::size_t kMostCells = 4096;

    struct CellRange {
        std::size_t x0, y0, x1, y1;
        std::size_t count() const { return (x1 - x0 + 1) * (y1 - y0 + 1); }
    };
    // The cells `b` meets, those outside the grid taken as its border's.
    CellRange range(const Box& b) const;

    Box extent_;
    double cell_ = 1;
    std::size_t columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> first_;    // each cell's first entry, then the end
    std::vector<std::uint32_t> entries_;  // the boxes of each cell, cell after cell
    std::vector<std::uint32_t> large_;
    mutable std::vector<std::uint32_t> seen_;
    mutable std::uint32_t stamp_ = 0;
};

}  // namespace brontaxe
