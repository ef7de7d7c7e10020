#include "builders/flat_blank_dimensions.h"

#include <algorithm>
#include <cstddef>

#include "builders/emit.h"

namespace brontaxe {
namespace {

// Start of the largest entry of a chain and its size.
std::pair<float, float> largest(const std::vector<float>& chain, float origin) {
    float start = origin, best = 0, bestStart = origin;
    for (float step : chain) {
        if (step > best) {
            best = step;
            bestStart = start;
        }
        start += step;
    }
    return {bestStart, best};
}

}  // namespace

void FlatBlankDimensions(Drawing& d, const FlatBlankChains& chains, CustomerProfile profile) {
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    if (!d.GetExtents(xmin, ymin, xmax, ymax))
        return;
    const float g = ((xmax - xmin) + (ymax - ymin)) / 25;

    const float rowY = ymin - g;
    float x = xmin;
    for (float step : chains.across) {
        if (step > 0)
            dimension(d, {.from = {x, rowY}, .to = {x + step, rowY}, .at = {0, rowY}});
        x += step;
    }
    dimension(d,
              {.from = {xmin, ymin - 2 * g}, .to = {xmax, ymin - 2 * g}, .at = {0, ymin - 2 * g}});

    const float columnX = xmax + g;
    float y = ymin;
    for (float step : chains.up) {
        if (step > 0)
            dimension(d, {.from = {columnX, y}, .to = {columnX, y + step}, .at = {columnX, 0}});
        y += step;
    }
    dimension(d,
              {.from = {xmax + 2 * g, ymin}, .to = {xmax + 2 * g, ymax}, .at = {xmax + 2 * g, 0}});

    if (chains.insideForQor && profile == CustomerProfile::Qor) {
        const auto [x0, w] = largest(chains.across, xmin);
        const auto [y0, h] = largest(chains.up, ymin);
        if (w > 0 && h > 0) {
            dimension(
                d, {.from = {x0, y0 + h / 2}, .to = {x0 + w, y0 + h / 2}, .at = {0, y0 + h / 2}});
            dimension(
                d, {.from = {x0 + w / 2, y0}, .to = {x0 + w / 2, y0 + h}, .at = {x0 + w / 2, 0}});
        }
    }
}

}  // namespace brontaxe
