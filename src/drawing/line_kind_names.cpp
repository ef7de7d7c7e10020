#include "drawing/line_kind_names.h"

#include <array>

#include "drawing/element.h"

namespace brontaxe {
namespace {

constexpr std::array<LineKindName, 5> kStrokeKinds{{
    {kind::Cut, "Coupant"},
    {kind::Crease, "Rainant"},
    {kind::Perforation, "Perfo"},
    {kind::HalfCut, "Mi-Chair"},
    {kind::PerforatedCrease, "Perfo Rainant"},
}};

}  // namespace

std::span<const LineKindName> strokeKindNames() {
    return kStrokeKinds;
}

const char* strokeKindName(LineKind lineKind) {
    for (const LineKindName& k : kStrokeKinds)
        if (k.lineKind == lineKind)
            return k.name;
    return nullptr;
}

}  // namespace brontaxe
