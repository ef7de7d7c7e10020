#include "styles/style_checks.h"

#include <algorithm>
#include <array>

#include "styles/04/fco420.h"

namespace brontaxe {
namespace {

// The tenons of a tenoned folder's inner walls and the mortises of the bottom. Once folded a
// tenon passes through the bottom's board, and first crosses whatever room the inner wall
// leaves above it: the outer wall rises from the bottom's mid-plane to the top strip's, and
// the inner wall hangs back down from there.
std::vector<LockPair> tenonLocks(const Model& m, std::int16_t style) {
    const LockingFolder f = drawnFolder(m, style);
    if (f.wall.type != WallType::Locked || f.wall.count == 0)
        return {};
    const float e = m.EpaisseurCarton;
    const float above = std::max(0.0f, f.outerWall - f.innerWall - e / 2);
    return {{.what = "tenon du flanc",
             .tabLength = f.wall.tenon.height,
             .tabWidth = f.wall.tenon.length,
             .slotDepth = e + above,
             .slotMouth = f.wall.mortise.length}};
}

template <std::int16_t Style>
std::vector<LockPair> tenonLocksOf(const Model& m) {
    return tenonLocks(m, Style);
}

const std::array kChecks{
    // Tenoned folders and trays: the inner walls' tenons in the bottom's mortises.
    StyleChecks{.code = "0421", .locks = &tenonLocksOf<421>},
    StyleChecks{.code = "0422", .locks = &tenonLocksOf<422>},
    StyleChecks{.code = "0423", .locks = &tenonLocksOf<423>},
    StyleChecks{.code = "0424", .locks = &tenonLocksOf<424>},
    StyleChecks{.code = "0425", .locks = &tenonLocksOf<425>},
    StyleChecks{.code = "0426", .locks = &tenonLocksOf<426>},
    StyleChecks{.code = "0427", .locks = &tenonLocksOf<427>},
    StyleChecks{.code = "0429", .locks = &tenonLocksOf<429>},
    StyleChecks{.code = "0470", .locks = &tenonLocksOf<470>},
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
