#include "styles/04/fco420_allowances.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace brontaxe {
namespace {

// Entries 1 to 16 as multiples of the thickness.
using Multiples = std::array<float, 16>;

constexpr Multiples kRuleA{4, 1, 1, 2, 0, 1, 2, 3, 0, 3, 2, 0, 2, 0, 1, 1};
constexpr Multiples kRuleB{4, 1, 1, 2, 0, 1, 2, 3, 4, -2, 2, 0, 2, 0, 1, 1};

void setMultiples(Model& m, const Multiples& k) {
    for (std::size_t i = 0; i < k.size(); ++i)
        m.Majo[i + 1] = k[i] * m.EpaisseurCarton;
}

void setFirst(Model& m, std::initializer_list<float> multiples) {
    std::size_t i = 1;
    for (float k : multiples)
        m.Majo[i++] = k * m.EpaisseurCarton;
}

}  // namespace

LockingFolderAllowances lockingFolderAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.bottomLength = k[1],
            .bottomWidth = k[2],
            .outerWall = k[3],
            .sideLength = k[4],
            .sideFlap = k[5],
            .innerWall = k[6],
            .frontLength = k[7],
            .backLength = k[8],
            .lidLength = k[9],
            .tuckLength = k[10],
            .lidWidth = k[11],
            .frontHeight = k[12],
            .backHeight = k[13],
            .tuckHeight = k[14],
            .earShort = k[15],
            .tuckWingDrop = k[16]};
}

void applyDefaultAllowances(Model& m, DefaultAllowanceRule rule) {
    const float e = m.EpaisseurCarton;
    switch (rule) {
        case DefaultAllowanceRule::A:
            setMultiples(m, kRuleA);
            break;
        case DefaultAllowanceRule::B:
            setMultiples(m, kRuleB);
            break;
        case DefaultAllowanceRule::Rule0424:
            setFirst(m, {3, 3, 1, 2.0f / 3, 0.5f, 1});
            break;
        case DefaultAllowanceRule::Rule0470: {
            // Entries 6, 10, 11, 13 and 15 are millimetres: the play of the locking tongue does not
            // grow with the board.
            auto& k = m.Majo;
            k[1] = 3 * e;
            k[2] = 2 * e;
            k[3] = e;
            k[4] = 2 * e;
            k[5] = e;
            k[6] = 1;
            k[7] = 2 * e;
            k[8] = 0;
            k[9] = 2 * k[1];
            k[10] = -k[6];
            k[11] = k[6];
            k[12] = k[7];
            k[13] = -k[6];
            k[14] = k[9];
            k[15] = 2 * k[6];
            k[16] = 0;
            break;
        }
    }
}

bool applyDefaultsWithoutRow(Model& m, DefaultAllowanceRule rule, std::int16_t style,
                             std::int16_t alsoStyle) {
    const std::int16_t own = m.allowanceRecordCode;
    if (own != 0 && (own == style || (alsoStyle != 0 && own == alsoStyle)))
        return false;
    applyDefaultAllowances(m, rule);
    return true;
}

}  // namespace brontaxe
