#include "board/allowance_captions.h"

#include "platform/number_text.h"
#include "styles/style_records.h"

namespace brontaxe {
std::string allowanceLabel(int position) {
    return "Majoration " + platform::numberTextBlank(position);
}

std::array<std::string, kAllowanceCount + 1> allowanceCaptions(std::int16_t styleCode,
                                                               bool pattesurtete) {
    std::array<std::string, kAllowanceCount + 1> captions;
    // Slotted cases: four panels from the glue flap, the body, then the two pairs of flaps.
    // The glued cases over a crash-lock bottom size their body the same way; the bottom
    // follows the panels.
    const StyleRecord* style = findStyleRecordByNumber(styleCode);
    const AllowanceCaptions kind = style ? style->allowances.captions : AllowanceCaptions::None;
    if (kind == AllowanceCaptions::None)
        return captions;
    const std::string first = pattesurtete ? "largeur" : "longueur";
    const std::string second = pattesurtete ? "longueur" : "largeur";
    captions[1] = "panneau 1 (" + first + ")";
    captions[2] = "panneau 2 (" + second + ")";
    captions[3] = "panneau 3 (" + first + ")";
    captions[4] = "panneau 4 (" + second + ")";
    captions[5] = "hauteur du corps";
    // 0232, 0233 and the glued cases without top flaps or with flaps of the style's
    // parameters take nothing more.
    if (kind == AllowanceCaptions::Panels)
        return captions;
    // 0204, 0206 and 0747 size their flaps by the panel they stand on, wherever the glue flap
    // is.
    if (kind == AllowanceCaptions::PanelsAndSideFlaps) {
        captions[6] = "rabats des panneaux en longueur";
        captions[7] = "rabats des panneaux en largeur";
    } else {
        captions[6] = "rabats des panneaux 1 et 3";
        captions[7] = "rabats des panneaux 2 et 4";
    }
    return captions;
}

}  // namespace brontaxe
