#include "drawing/pens.h"

#include <array>
#include <variant>

namespace brontaxe {
namespace {

// Dashes long enough to tell apart on a blank of a metre or more, short enough for a flap.
constexpr std::array<double, 2> kCreaseDash{6.0, 3.0};
constexpr std::array<double, 2> kPerforationDash{1.5, 1.5};
constexpr std::array<double, 4> kHalfCutDash{8.0, 2.0, 1.0, 2.0};
constexpr std::array<double, 4> kPerforatedCreaseDash{6.0, 2.0, 1.5, 2.0};
constexpr std::array<double, 6> kSectionDash{10.0, 2.0, 1.0, 2.0, 1.0, 2.0};
constexpr std::array<double, 2> kAuxiliaryDash{3.0, 3.0};

constexpr std::array<Pen, kPenRoleCount> kPens{{
    {PenRole::Cut, "COUPANT", "CONTINUOUS", {0.0, 0.0, 0.0}, 7, 0.5, {}},
    {PenRole::Crease, "RAINANT", "RAINANT", {0.85, 0.1, 0.1}, 1, 0.35, kCreaseDash},
    {PenRole::Perforation, "PERFO", "PERFO", {0.0, 0.55, 0.0}, 3, 0.35, kPerforationDash},
    {PenRole::HalfCut, "MI-CHAIR", "MI-CHAIR", {0.75, 0.0, 0.75}, 6, 0.35, kHalfCutDash},
    {PenRole::PerforatedCrease,
     "PERFO-RAINANT",
     "PERFO-RAINANT",
     {0.9, 0.5, 0.0},
     30,
     0.35,
     kPerforatedCreaseDash},
    {PenRole::Auxiliary, "AUXILIAIRE", "AUXILIAIRE", {0.45, 0.45, 0.45}, 8, 0.25, kAuxiliaryDash},
    {PenRole::SectionLine, "SECTION", "SECTION", {0.0, 0.6, 0.7}, 4, 0.35, kSectionDash},
    {PenRole::Text, "TEXTES", "CONTINUOUS", {0.0, 0.0, 0.0}, 7, 0.25, {}},
    {PenRole::Dimension, "COTATION", "CONTINUOUS", {0.1, 0.1, 0.6}, 5, 0.18, {}},
    {PenRole::SheetOutline, "FEUILLE", "CONTINUOUS", {0.5, 0.5, 0.5}, 9, 0.25, {}},
}};

PenRole roleOfKind(LineKind lineKind) {
    switch (lineKind) {
        case kind::Cut:
            return PenRole::Cut;
        case kind::PerforatedCrease:
            return PenRole::PerforatedCrease;
        case kind::Perforation:
            return PenRole::Perforation;
        case kind::HalfCut:
            return PenRole::HalfCut;
        case kind::Crease:
            return PenRole::Crease;
        case kind::SectionLine:
            return PenRole::SectionLine;
        case kind::Text:
            return PenRole::Text;
        default:
            return PenRole::Auxiliary;
    }
}

}  // namespace

PenRole penRoleOf(const Element& e) {
    if (std::holds_alternative<DimensionShape>(e.shape))
        return PenRole::Dimension;
    if (std::holds_alternative<SheetShape>(e.shape))
        return PenRole::SheetOutline;
    if (std::holds_alternative<TextShape>(e.shape))
        return PenRole::Text;
    return roleOfKind(e.lineKind);
}

const Pen& defaultPen(PenRole role) {
    return kPens[static_cast<std::size_t>(role)];
}

std::span<const Pen> defaultPens() {
    return kPens;
}

}  // namespace brontaxe
