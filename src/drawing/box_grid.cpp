#include "drawing/box_grid.h"

#include <algorithm>
#include <cmath>

namespace brontaxe {
namespace {

// Far beyond any sheet: coordinates past it share the last cell rather than overflow.
constexpr double kFarthestCell = 1e9;

std::int64_t cellOf(double v, double cell) {
    return static_cast<std::int64_t>(
        std::floor(std::clamp(v / cell, -kFarthestCell, kFarthestCell)));
}

}  // namespace

BoxGrid::BoxGrid(const std::vector<Box>& boxes) : seen_(boxes.size(), 0) {
    std::vector<double> sizes;
    sizes.reserve(boxes.size());
    for (const Box& b : boxes)
        if (!b.empty)
            sizes.push_back(std::max(b.width(), b.height()));
    if (!sizes.empty()) {
        auto middle = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
        std::nth_element(sizes.begin(), middle, sizes.end());
        cell_ = std::max(*middle, kJoinTolerance);
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        if (b.empty)
            continue;
        const auto index = static_cast<std::uint32_t>(i);
        const CellRange r = range(b);
        if (r.count() > kMostCells) {
            large_.push_back(index);
            continue;
        }
        for (std::int64_t x = r.x0; x <= r.x1; ++x)
            for (std::int64_t y = r.y0; y <= r.y1; ++y)
                cells_[key(x, y)].push_back(index);
    }
}

BoxGrid::CellRange BoxGrid::range(const Box& b) const {
    return {cellOf(b.xmin, cell_), cellOf(b.ymin, cell_), cellOf(b.xmax, cell_),
            cellOf(b.ymax, cell_)};
}

}  // namespace brontaxe
