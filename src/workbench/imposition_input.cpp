#include "workbench/imposition_input.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/number_text.h"

namespace brontaxe {
namespace {

// What cannot be a number reads as 0, like text that does not start with one.
float boxValue(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return 0;
    return static_cast<float>(value);
}

// The count box keeps any whole number the 16-bit field can hold; the imposition caps what
// it draws.
std::int16_t countValue(double value) {
    const double whole = std::nearbyint(boxValue(value));
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(whole, lo, hi));
}

float& sheetField(Model& m, Axis axis) {
    return axis == Axis::X ? m.FmtCartonX : m.FmtCartonY;
}

}  // namespace

BoxEntry enterSheetSize(Model& m, ImpositionSettings& s, Axis axis, double value) {
    const float v = boxValue(value);
    float& field = sheetField(m, axis);
    if (v == field)
        return {};
    field = v;
    const float blank = axis == Axis::X ? m.HorsToutX : m.HorsToutY;
    m.ImposManuelle = true;
    s.AvecImpos = v != 0;
    return {true, v < blank};
}

BoxEntry enterMargin(Model& m, ImpositionSettings& s, int index, double value) {
    if (index != 0 && index != 1)
        return {};
    const float v = boxValue(value);
    if (v == m.Marges[static_cast<std::size_t>(index)])
        return {};
    m.Marges[static_cast<std::size_t>(index)] = v;
    s.AvecImpos = true;
    m.ImposManuelle = true;
    return {true, false};
}

BoxEntry enterPoseCount(Model& m, ImpositionSettings& s, Axis axis, double value) {
    const std::int16_t v = countValue(value);
    std::int16_t& field = axis == Axis::X ? m.NbPoseX : m.NbPoseY;
    if (v == field)
        return {};
    field = v;
    m.ImposManuelle = false;
    s.AvecImpos = true;
    if (v == 0) {
        s.AvecImpos = false;
        (axis == Axis::X ? m.NbPoseY : m.NbPoseX) = 0;
    }
    return {true, v < 0 || v > kMaxPosesPerSide};
}

BoxEntry enterPoseGap(Model& m, Axis axis, double value) {
    const float v = boxValue(value);
    float& field = axis == Axis::X ? m.EspPoseX : m.EspPoseY;
    if (v == field)
        return {};
    field = v;
    return {true, false};
}

ImpositionNotices updateImpositionFigures(Model& m, const ImpositionSettings& s) {
    ImpositionNotices notices = computeImposition(m, s);
    m.FmtCartonX = static_cast<float>(
        platform::leadingNumber(platform::formatNumber(m.FmtCartonX, "#######0.")));
    m.FmtCartonY = static_cast<float>(
        platform::leadingNumber(platform::formatNumber(m.FmtCartonY, "#######0.")));
    return notices;
}

}  // namespace brontaxe
