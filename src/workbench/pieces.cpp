#include "workbench/pieces.h"

#include <algorithm>

#include "board/allowance_lookup.h"
#include "platform/number_text.h"

namespace brontaxe {

void showOnlyPiece(Model& m, Piece piece) {
    m.AfficheMorceau.fill(0);
    m.AfficheMorceau[static_cast<std::size_t>(piece) + 1] = 1;
}

void showAllPieces(Model& m) {
    m.AfficheMorceau.fill(1);
}

void toggleTwoPieces(Model& m) {
    // The entry's check mark is on only while two pieces (not four) are set.
    const bool checked = !(m.CaisseEn2 && m.CaisseEn4 == 0);
    if (checked)
        m.CaisseEn4 = 0;
    m.CaisseEn2 = checked;
}

std::int16_t fourPieceVariant(bool headPanel, bool glueFlapOnEachPanel) {
    return static_cast<std::int16_t>((headPanel ? 1 : 2) + (glueFlapOnEachPanel ? 2 : 0));
}

void setFourPieces(Model& m, std::int16_t variant) {
    m.CaisseEn4 = variant;
    m.CaisseEn2 = variant != 0;
}

void togglePassDirection(Model& m, AlongAxis direction) {
    m.senspass = m.senspass == direction ? AlongAxis::None : direction;
}

std::optional<std::string> multiPieceRefusal(const Model& m) {
    if (!m.CaisseEn2 && m.CaisseEn4 == 0)
        return std::nullopt;
    if (multiPieceAllowed(m.NumModele, m.TypeDessous))
        return std::nullopt;
    if (multiPieceAllowed(m.NumModele, 201))
        return "Caisse en plusieurs morceaux impossible avec le fond " +
               platform::formatNumber(m.TypeDessous, "0000");
    const std::string code = platform::formatNumber(m.NumModele, "0000");
    return "Caisse en plusieurs morceaux impossible pour le modèle " + code +
           " (seulement 0200 à 0206, 0209, 0214, 0232, 0233, 0320, 0501 à 0503)";
}

PieceMenuState pieceMenuState(const Model& m) {
    PieceMenuState s;
    const auto& shown = m.AfficheMorceau;
    s.allPieces = std::all_of(shown.begin(), shown.end(), [](std::int16_t f) { return f == 1; });
    for (std::size_t k = 0; k < 3; ++k) {
        s.pieceBoxes[k] = shown[k + 1] == 1;
        s.onlyPiece[k] = !s.allPieces && s.pieceBoxes[k];
    }
    s.fourPieces = m.CaisseEn4 != 0;
    s.twoPieces = m.CaisseEn2 && !s.fourPieces;
    s.multiPieceEnabled = multiPieceAllowed(m.NumModele, m.TypeDessous);
    s.passX = m.senspass == AlongAxis::X;
    s.passY = m.senspass == AlongAxis::Y;
    return s;
}

}  // namespace brontaxe
