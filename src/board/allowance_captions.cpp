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
    const bool slotted = among(styleCode, {201, 202, 203, 204, 205, 206, 209, 232, 233});
    if (!slotted)
        return captions;
    const std::string first = pattesurtete ? "largeur" : "longueur";
    const std::string second = pattesurtete ? "longueur" : "largeur";
    captions[1] = "panneau 1 (" + first + ")";
    captions[2] = "panneau 2 (" + second + ")";
    captions[3] = "panneau 3 (" + first + ")";
    captions[4] = "panneau 4 (" + second + ")";
    captions[5] = "hauteur du corps";
    // 0232 and 0233 take their flaps from the style parameters.
    if (styleCode == 232 || styleCode == 233)
        return captions;
    // 0204 and 0206 size their flaps by the panel they stand on, wherever the glue flap is.
    if (styleCode == 204 || styleCode == 206) {
        captions[6] = "rabats des panneaux en longueur";
        captions[7] = "rabats des panneaux en largeur";
    } else {
        captions[6] = "rabats des panneaux 1 et 3";
        captions[7] = "rabats des panneaux 2 et 4";
    }
    return captions;
}

}  // namespace brontaxe
