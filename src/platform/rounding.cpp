#include "platform/rounding.h"

#include <cmath>

#include "platform/errors.h"

namespace brontaxe {

std::optional<std::int16_t> roundToInt16(double value) {
    if (std::isnan(value))
        return std::nullopt;
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::int16_t nearestInt16(float value) {
    auto r = roundToInt16(static_cast<double>(value));
    if (!r)
        throw GenerationError("Dépassement de capacité : valeur hors des limites d'un entier");
    return *r;
}

}  // namespace brontaxe
