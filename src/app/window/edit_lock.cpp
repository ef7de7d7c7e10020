#include "app/window/edit_lock.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace brontaxe::app {
namespace {

// Values laid on the blank after it is drawn, by name (an array's entries by its name alone).
constexpr std::array<std::string_view, 20> kLaidOnTheBlank{
    // model: sheet and poses
    "FmtCartonX", "FmtCartonY", "Marges", "EspPoseX", "EspPoseY", "NbPoseX", "NbPoseY", "NbPoses",
    "ImposManuelle",
    // model: bridges, flute and pass
    "ponts", "lgPont", "pasPonts", "degPonts", "senscann", "senspass",
    // window: the imposition's switches and the optimiser's pattern
    "AvecImpos", "ChkCentre", "QuartDeTour", "Rouleau", "ImposOptimisee"};

bool locked(const std::string& name) {
    const std::string_view base = std::string_view(name).substr(0, name.find('('));
    return std::find(kLaidOnTheBlank.begin(), kLaidOnTheBlank.end(), base) == kLaidOnTheBlank.end();
}

io::DesignRecord::Values lockedValues(const io::DesignRecord::Values& values) {
    io::DesignRecord::Values kept;
    std::copy_if(values.begin(), values.end(), std::back_inserter(kept),
                 [](const auto& entry) { return locked(entry.first); });
    return kept;
}

}  // namespace

bool changesTheStyle(const DesignState& before, const DesignState& after) {
    return lockedValues(before.record.model) != lockedValues(after.record.model) ||
           lockedValues(before.record.window) != lockedValues(after.record.window);
}

}  // namespace brontaxe::app
