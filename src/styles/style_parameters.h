#pragma once
// The style parameters of the "Autres Dimensions" dialog a style's blank depends on. The
// dialog offers every parameter for every style; a style draws from a few of them and ignores
// the others, and says here which ones it draws from.
//
// Adding a style: one line in the table of style_parameters.cpp, built from the groups below,
//     {"0202", kSlottedCase | StyleParameter::OverlapHeight},
// a style without a line drawing from none of them.

#include <cstdint>
#include <string_view>

namespace brontaxe {

enum class StyleParameter : std::uint8_t {
    GlueFlapWidth,        // lgPatte
    GlueFlapAngle,        // anglPc
    GlueFlapExtension,    // patProlong
    SlotWidth,            // encoche
    SlotOffset,           // decalenc
    FlapHeight,           // hrabat
    CornerRadius,         // rarrondi
    OverlapHeight,        // hrecouvr
    TuckFlapHeight,       // hpatrent
    ThumbNotchRadius,     // RcoupPouce
    DoubleWall,           // Dblmur
    TenonHeight,          // htenon
    TenonLength,          // lgtenon
    TenonAngle,           // AngTenon
    MortiseRadius,        // RMortaise
    MortisePosition,      // pmortaise
    MortiseHeight,        // hmortaise
    MortiseLength,        // lgmortaise
    TuckFlapOffset,       // DecPatte
    TenonCount,           // nbmortaise
    CellCount,            // NbCases
    DividerSlotDepth,     // CroisPar4
    DividerSlotRadius,    // CroisPar1
    DividerChamferAlong,  // CroisPar2
    DividerChamferDown,   // CroisPar3
    HandHoleLength,       // LPoign
    HandHoleHeight,       // HPoign
    HandHoleDistance,     // DPoign
    HandHoleTab,          // EPoign
};

inline constexpr int kStyleParameterCount = static_cast<int>(StyleParameter::HandHoleTab) + 1;

// A set of style parameters.
class StyleParameters {
  public:
    constexpr StyleParameters() = default;
    constexpr StyleParameters(StyleParameter p) : bits_(bit(p)) {}  // NOLINT: a set of one

    constexpr bool contains(StyleParameter p) const { return (bits_ & bit(p)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    friend constexpr StyleParameters operator|(StyleParameters a, StyleParameters b) {
        StyleParameters s;
        s.bits_ = a.bits_ | b.bits_;
        return s;
    }
    friend constexpr bool operator==(StyleParameters, StyleParameters) = default;

  private:
    static constexpr std::uint32_t bit(StyleParameter p) {
        return std::uint32_t{1} << static_cast<unsigned>(p);
    }
    std::uint32_t bits_ = 0;
};

constexpr StyleParameters operator|(StyleParameter a, StyleParameter b) {
    return StyleParameters(a) | StyleParameters(b);
}

// The parameters the blank of `code` depends on (none for a code without a line). Hand-hole
// parameters count when the style draws hand-holes once they are asked for; the divider
// corner parameters when their corner is chosen.
StyleParameters usedParameters(std::string_view code);

}  // namespace brontaxe
