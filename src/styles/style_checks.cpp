#include "styles/style_checks.h"

#include <algorithm>
#include <array>

namespace brontaxe {
namespace {

const std::array kChecks{
    // Flat pads: a strip of the length and width, creased from the crease list.
    StyleChecks{.code = "0901", .unused = {.height = true}},
    StyleChecks{.code = "0902", .unused = {.height = true}},
};

const StyleChecks* findStyleChecks(std::string_view code) {
    const auto it = std::find_if(kChecks.begin(), kChecks.end(),
                                 [&](const StyleChecks& c) { return c.code == code; });
    return it == kChecks.end() ? nullptr : &*it;
}

}  // namespace

std::vector<LockPair> declaredLocks(std::string_view code, const Model& m) {
    const StyleChecks* checks = findStyleChecks(code);
    return checks && checks->locks ? checks->locks(m) : std::vector<LockPair>{};
}

std::optional<double> declaredHoleLand(std::string_view code) {
    const StyleChecks* checks = findStyleChecks(code);
    return checks ? checks->holeLand : std::nullopt;
}

UnusedSizes unusedSizes(std::string_view code) {
    const StyleChecks* checks = findStyleChecks(code);
    return checks ? checks->unused : UnusedSizes{};
}

}  // namespace brontaxe
