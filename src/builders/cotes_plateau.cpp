#include "builders/cotes_plateau.h"

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

void CotesPlateau(Model& m, Drawing& d, const PlateauChains& chains) {
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    if (!d.GetExtents(xmin, ymin, xmax, ymax))
        return;
    const float g = ((xmax - xmin) + (ymax - ymin)) / 25;
    d.LineVariant = 1;

    const float rowY = ymin - g;
    float x = xmin;
    for (float step : chains.across) {
        if (step > 0)
            dimension(m, d, x, rowY, x + step, rowY, 0, rowY);
        x += step;
    }
    dimension(m, d, xmin, ymin - 2 * g, xmax, ymin - 2 * g, 0, ymin - 2 * g);

    const float columnX = xmax + g;
    float y = ymin;
    for (float step : chains.up) {
        if (step > 0)
            dimension(m, d, columnX, y, columnX, y + step, columnX, 0);
        y += step;
    }
    dimension(m, d, xmax + 2 * g, ymin, xmax + 2 * g, ymax, xmax + 2 * g, 0);

    if (chains.insideForQor && m.Personnalisation == "QOR") {
        const auto [x0, w] = largest(chains.across, xmin);
        const auto [y0, h] = largest(chains.up, ymin);
        if (w > 0 && h > 0) {
            dimension(m, d, x0, y0 + h / 2, x0 + w, y0 + h / 2, 0, y0 + h / 2);
            dimension(m, d, x0 + w / 2, y0, x0 + w / 2, y0 + h, x0 + w / 2, 0);
        }
    }
}

}  // namespace brontaxe
