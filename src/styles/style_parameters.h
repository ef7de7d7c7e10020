#pragma once
// The style parameters of the "Autres Dimensions" dialog a style's blank depends on. The
// dialog offers every parameter for every style; a style draws from a few of them and ignores
// the others, and says here which ones it draws from.
//
// A style's record says which it draws from (style_record.h), built from the groups below:
//     .parameters = kSlottedCase | StyleParameter::OverlapHeight,

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
    DividerChamferAngle,  // CroisPar3
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

// The groups the records are built from.
inline constexpr StyleParameters kGlueFlap = StyleParameter::GlueFlapWidth |
                                             StyleParameter::GlueFlapAngle |
                                             StyleParameter::GlueFlapExtension;
inline constexpr StyleParameters kSlots = StyleParameter::SlotWidth | StyleParameter::SlotOffset;
// Hand-holes of the type chosen in the dialog, the folding tab of the third type included.
inline constexpr StyleParameters kHandHoles =
    StyleParameter::HandHoleLength | StyleParameter::HandHoleHeight |
    StyleParameter::HandHoleDistance | StyleParameter::HandHoleTab;
// Hand-holes the style's form fixes as plain cut holes.
inline constexpr StyleParameters kFixedHandHoles = StyleParameter::HandHoleLength |
                                                   StyleParameter::HandHoleHeight |
                                                   StyleParameter::HandHoleDistance;
inline constexpr StyleParameters kSlottedCase = kGlueFlap | kSlots | kHandHoles;
inline constexpr StyleParameters kTenons = StyleParameter::TenonHeight |
                                           StyleParameter::TenonLength |
                                           StyleParameter::TenonAngle | StyleParameter::TenonCount;
inline constexpr StyleParameters kMortises =
    StyleParameter::MortiseRadius | StyleParameter::MortisePosition |
    StyleParameter::MortiseHeight | StyleParameter::MortiseLength;

// The parameters the blank of `code` depends on (none for a code whose record names none, or
// without a record). Hand-hole parameters count when the style draws hand-holes once they are asked
// for; the divider corner parameters when their corner is chosen.
StyleParameters usedParameters(std::string_view code);

}  // namespace brontaxe
