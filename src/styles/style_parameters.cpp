#include "styles/style_parameters.h"

#include <algorithm>
#include <array>

namespace brontaxe {
namespace {

using P = StyleParameter;

constexpr StyleParameters kGlueFlap = P::GlueFlapWidth | P::GlueFlapAngle | P::GlueFlapExtension;
constexpr StyleParameters kSlots = P::SlotWidth | P::SlotOffset;
// Hand-holes of the type chosen in the dialog, the folding tab of the third type included.
constexpr StyleParameters kHandHoles =
    P::HandHoleLength | P::HandHoleHeight | P::HandHoleDistance | P::HandHoleTab;
// Hand-holes the style's form fixes as plain cut holes.
constexpr StyleParameters kFixedHandHoles =
    P::HandHoleLength | P::HandHoleHeight | P::HandHoleDistance;
constexpr StyleParameters kSlottedCase = kGlueFlap | kSlots | kHandHoles;
constexpr StyleParameters kTenons = P::TenonHeight | P::TenonLength | P::TenonAngle | P::TenonCount;
constexpr StyleParameters kMortises =
    P::MortiseRadius | P::MortisePosition | P::MortiseHeight | P::MortiseLength;

struct StyleLine {
    std::string_view code;
    StyleParameters used;
};

// 0420, 0427 and 0429 offset their tuck-in flaps (DecPatte) only where the ears reach past
// the side walls; at common sizes they do not, and the offset is left out here.
constexpr std::array kStyleLines = {
    StyleLine{"0200", kSlottedCase},
    StyleLine{"0200C", kGlueFlap | kSlots},
    StyleLine{"0201", kSlottedCase},
    StyleLine{"0202", kSlottedCase | P::OverlapHeight},
    StyleLine{"0203", kSlottedCase},
    StyleLine{"0204", kSlottedCase},
    StyleLine{"0205", kSlottedCase},
    StyleLine{"0206", kSlottedCase},
    StyleLine{"0207", kSlottedCase},
    StyleLine{"0208", kSlottedCase | P::TuckFlapHeight},
    StyleLine{"0209", kSlottedCase | P::FlapHeight},
    StyleLine{"0210", kGlueFlap | kHandHoles | P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0211", kGlueFlap | kHandHoles | P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0212", kSlottedCase | P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0214", kSlottedCase | P::FlapHeight},
    StyleLine{"0215", kGlueFlap | kHandHoles | P::FlapHeight | P::CornerRadius | P::OverlapHeight |
                          P::TuckFlapHeight},
    StyleLine{"0216", kSlottedCase | P::OverlapHeight},
    StyleLine{"0217", kSlottedCase | P::OverlapHeight},
    StyleLine{"0218", kSlottedCase},
    StyleLine{"0225", kSlottedCase | P::FlapHeight},
    StyleLine{"0226", kSlottedCase | P::OverlapHeight},
    StyleLine{"0227", kSlottedCase | P::OverlapHeight},
    StyleLine{"0229", kSlottedCase},
    StyleLine{"0230", kSlots | kHandHoles | P::OverlapHeight},
    StyleLine{"0231", kSlots | kHandHoles | P::OverlapHeight},
    StyleLine{"0232", kSlottedCase | P::FlapHeight},
    StyleLine{"0233", kSlottedCase | P::TuckFlapHeight},
    StyleLine{"0234", kSlots | kHandHoles | P::FlapHeight | P::OverlapHeight},
    StyleLine{"0235", kSlots | kHandHoles | P::FlapHeight | P::OverlapHeight},
    StyleLine{"0300", kSlots | kHandHoles},
    StyleLine{"0301", kSlots | kHandHoles},
    StyleLine{"0302", kFixedHandHoles},
    StyleLine{"0303", P::FlapHeight},
    StyleLine{"0304", kSlots | kHandHoles},
    StyleLine{"0306", kSlots | kHandHoles | P::OverlapHeight},
    StyleLine{"0308", kSlots | kHandHoles},
    StyleLine{"0310", kSlots | kHandHoles | P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0311", kSlots | kHandHoles | P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0312", kGlueFlap | kSlots | P::FlapHeight},
    StyleLine{"0313", kSlottedCase | P::FlapHeight},
    StyleLine{"0314", P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0320", kGlueFlap | kSlots},
    StyleLine{"0321", kSlottedCase | P::OverlapHeight},
    StyleLine{"0322", kGlueFlap | kSlots | P::OverlapHeight},
    StyleLine{"0323", kSlottedCase | P::OverlapHeight},
    StyleLine{"0325", kGlueFlap | kSlots | P::FlapHeight},
    StyleLine{"0331", kSlots | kHandHoles | P::FlapHeight | P::DoubleWall},
    StyleLine{"0350", P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0351", P::GlueFlapWidth},
    StyleLine{"0400", P::FlapHeight | P::TuckFlapHeight},
    StyleLine{"0401", P::FlapHeight},
    StyleLine{"0403", P::FlapHeight},
    StyleLine{"0405", P::FlapHeight},
    StyleLine{"0406", kSlottedCase | P::FlapHeight | P::OverlapHeight},
    StyleLine{"0409", kSlottedCase},
    StyleLine{"0410", kSlots | kHandHoles},
    StyleLine{"0411", kSlots | kHandHoles},
    StyleLine{"0412", kSlots | P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0415", P::SlotWidth | P::TuckFlapHeight},
    StyleLine{"0416", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0420", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight | P::ThumbNotchRadius},
    StyleLine{"0421", kTenons | kMortises | P::FlapHeight | P::ThumbNotchRadius | P::DoubleWall},
    StyleLine{"0422", kTenons | kMortises | P::DoubleWall},
    StyleLine{"0423", kTenons | kMortises | P::DoubleWall},
    StyleLine{"0424", kMortises | P::DoubleWall | P::TenonHeight},
    StyleLine{"0425", kTenons | kMortises | P::DoubleWall},
    StyleLine{"0426", kTenons | kMortises | P::FlapHeight | P::CornerRadius | P::ThumbNotchRadius |
                          P::DoubleWall},
    StyleLine{"0427", kTenons | kMortises | P::FlapHeight | P::ThumbNotchRadius | P::DoubleWall},
    StyleLine{"0428", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0429",
              kMortises | P::CornerRadius | P::ThumbNotchRadius | P::DoubleWall | P::TenonHeight},
    StyleLine{"0430", P::CornerRadius | P::TuckFlapHeight | P::ThumbNotchRadius},
    StyleLine{"0431", P::FlapHeight},
    StyleLine{"0432", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight | P::ThumbNotchRadius},
    StyleLine{"0433", P::TuckFlapHeight},
    StyleLine{"0435", P::DoubleWall | P::MortiseHeight | P::MortiseLength},
    StyleLine{"0436", P::TuckFlapHeight},
    StyleLine{"0440", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight | P::MortiseLength},
    StyleLine{"0441", kTenons | kMortises | P::FlapHeight | P::TuckFlapHeight |
                          P::ThumbNotchRadius | P::DoubleWall},
    StyleLine{"0442", kFixedHandHoles},
    StyleLine{"0443", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight | P::ThumbNotchRadius},
    StyleLine{"0445", P::FlapHeight | P::DoubleWall},
    StyleLine{"0447", kFixedHandHoles},
    StyleLine{"0451", kSlots | kHandHoles},
    StyleLine{"0452", kSlots | kHandHoles},
    StyleLine{"0454", P::FlapHeight | P::DoubleWall},
    StyleLine{"0455", kSlots | kHandHoles | P::DoubleWall},
    StyleLine{"0456", kHandHoles | P::FlapHeight},
    StyleLine{"0458", kFixedHandHoles},
    StyleLine{"0460", P::FlapHeight},
    StyleLine{"0470", P::ThumbNotchRadius | P::DoubleWall | P::TenonHeight | P::TenonLength |
                          P::TenonAngle | P::MortiseRadius | P::MortiseHeight | P::MortiseLength},
    StyleLine{"0471", P::FlapHeight | P::ThumbNotchRadius | P::DoubleWall},
    StyleLine{"0480", kSlots | kHandHoles | P::FlapHeight},
    StyleLine{"0481", P::FlapHeight | P::CornerRadius | P::TuckFlapHeight | P::ThumbNotchRadius},
    StyleLine{"0501", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0502", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0503", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0504", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0505", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0507", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0508", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0509", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0510", P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0511", P::GlueFlapWidth | P::GlueFlapAngle | P::TuckFlapHeight},
    StyleLine{"0512", kSlots | P::GlueFlapWidth | P::GlueFlapAngle},
    StyleLine{"0601", kSlots | P::FlapHeight},
    StyleLine{"0602", kSlots | P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0606", P::GlueFlapAngle | P::FlapHeight},
    StyleLine{"0607", P::FlapHeight},
    StyleLine{"0608", P::FlapHeight},
    StyleLine{"0615", P::FlapHeight},
    StyleLine{"0616", P::FlapHeight},
    StyleLine{"0620", P::FlapHeight},
    StyleLine{"0621",
              kSlots | P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight | P::OverlapHeight},
    StyleLine{"0700", kSlottedCase},
    StyleLine{"0701", kSlots | P::GlueFlapWidth | P::OverlapHeight},
    StyleLine{"0703", kSlottedCase},
    StyleLine{"0711", kSlots | P::GlueFlapWidth | P::GlueFlapAngle | P::OverlapHeight},
    StyleLine{"0712", kSlottedCase},
    StyleLine{"0713", kSlottedCase | P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0714", kSlottedCase | P::OverlapHeight},
    StyleLine{"0716", P::TuckFlapHeight},
    StyleLine{"0747", kSlottedCase},
    StyleLine{"0748", kSlottedCase | P::OverlapHeight},
    StyleLine{"0751", kSlottedCase | P::FlapHeight | P::CornerRadius | P::TuckFlapHeight},
    StyleLine{"0752", kSlottedCase | P::FlapHeight},
    StyleLine{"0759", kHandHoles},
    StyleLine{"0760", P::TuckFlapHeight},
    StyleLine{"0761", P::TuckFlapHeight},
    StyleLine{"0770", kSlottedCase},
    StyleLine{"0771", kSlottedCase},
    StyleLine{"0933", P::CellCount | P::DividerSlotDepth | P::DividerSlotRadius |
                          P::DividerChamferAlong | P::DividerChamferDown},
    StyleLine{"0969", P::TenonCount},
};

}  // namespace

StyleParameters usedParameters(std::string_view code) {
    const auto* line = std::find_if(kStyleLines.begin(), kStyleLines.end(),
                                    [&](const StyleLine& l) { return l.code == code; });
    return line == kStyleLines.end() ? StyleParameters{} : line->used;
}

}  // namespace brontaxe
