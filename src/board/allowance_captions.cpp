#include "board/allowance_captions.h"

#include <algorithm>
#include <initializer_list>

#include "platform/number_text.h"

namespace brontaxe {
namespace {

bool among(std::int16_t code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

std::string allowanceLabel(int position) {
    return "Majoration " + platform::numberTextBlank(position);
}

std::array<std::string, kAllowanceCount + 1> allowanceCaptions(std::int16_t styleCode,
                                                               bool pattesurtete) {
    std::array<std::string, kAllowanceCount + 1> captions;
    // Slotted cases: four panels from the glue flap, the body, then the two pairs of flaps.
    // The glued cases over a crash-lock bottom size their body the same way; the bottom
    // follows the panels.
    const bool slotted = among(styleCode, {201, 202, 203, 204, 205, 206, 209, 232, 233});
    const bool gluedSlottedTop = among(styleCode, {703, 712, 747, 748, 771});
    const bool gluedOtherTop = among(styleCode, {700, 714, 752, 770});
    if (!slotted && !gluedSlottedTop && !gluedOtherTop)
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
    if (styleCode == 232 || styleCode == 233 || gluedOtherTop)
        return captions;
    // 0204, 0206 and 0747 size their flaps by the panel they stand on, wherever the glue flap
    // is.
    if (styleCode == 204 || styleCode == 206 || styleCode == 747) {
        captions[6] = "rabats des panneaux en longueur";
        captions[7] = "rabats des panneaux en largeur";
    } else {
        captions[6] = "rabats des panneaux 1 et 3";
        captions[7] = "rabats des panneaux 2 et 4";
    }
    return captions;
}

}  // namespace brontaxe
