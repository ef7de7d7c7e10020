#include "drawing/box_grid.h"

#include <algorithm>
#include <cmath>

namespace brontaxe {
namespace {

// At most this many cells a box, and a few thousand more: a grid of a few boxes scattered far
// apart takes coarser cells rather than the memory of a fine one.
constexpr double kCellsPerBox = 4;
constexpr double kSpareCells = 4096;

}  // namespace

BoxGrid::BoxGrid(const std::vector<Box>& boxes) : seen_(boxes.size(), 0) {
    std::vector<double> sizes;
    sizes.reserve(boxes.size());
    for (const Box& b : boxes) {
        if (b.empty)
            continue;
        sizes.push_back(std::max(b.width(), b.height()));
        extent_.add(b);
    }
    if (sizes.empty())
        return;
    const auto middle = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
    std::nth_element(sizes.begin(), middle, sizes.end());
    cell_ = std::max(*middle, kJoinTolerance);
    const double most = kCellsPerBox * static_cast<double>(sizes.size()) + kSpareCells;
    const double w = extent_.width(), h = extent_.height();
    if ((w / cell_ + 1) * (h / cell_ + 1) > most)
        cell_ = std::max(cell_, (w + h) / std::sqrt(most));  // (w/c + 1)(h/c + 1) <= most
    columns_ = static_cast<std::size_t>(w / cell_) + 1;
    rows_ = static_cast<std::size_t>(h / cell_) + 1;
    // Counted cell by cell, then laid out one cell after the other.
    first_.assign(columns_ * rows_ + 1, 0);
    std::vector<bool> isLarge(boxes.size(), false);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].empty)
            continue;
        const CellRange r = range(boxes[i]);
        if (r.count() > kMostCells) {
            isLarge[i] = true;
            large_.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        for (std::size_t y = r.y0; y <= r.y1; ++y)
            for (std::size_t x = r.x0; x <= r.x1; ++x)
                ++first_[y * columns_ + x + 1];
    }
    for (std::size_t c = 1; c < first_.size(); ++c)
        first_[c] += first_[c - 1];
    entries_.resize(first_.back());
    std::vector<std::uint32_t> next(first_.begin(), first_.end() - 1);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].empty || isLarge[i])
            continue;
        const CellRange r = range(boxes[i]);
        for (std::size_t y = r.y0; y <= r.y1; ++y)
            for (std::size_t x = r.x0; x <= r.x1; ++x)
                entries_[next[y * columns_ + x]++] = static_cast<std::uint32_t>(i);
    }
}

BoxGrid::CellRange BoxGrid::range(const Box& b) const {
    const auto at = [this](double v, double from, std::size_t count) {
        const double c = std::floor((v - from) / cell_);
        return static_cast<std::size_t>(std::clamp(c, 0.0, static_cast<double>(count - 1)));
    };
    return {at(b.xmin, extent_.xmin, columns_), at(b.ymin, extent_.ymin, rows_),
            at(b.xmax, extent_.xmin, columns_), at(b.ymax, extent_.ymin, rows_)};
}

}  // namespace brontaxe
