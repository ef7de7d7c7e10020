#pragma once
// The assistant's result grid: the figures of a pallet load as its boxes show them.

#include <array>
#include <string>
#include <vector>

#include "pallet/pallet_study.h"

namespace brontaxe::pallet {

// Text2(0) to (22) by rows "Produits" (0-4), "Total Produits" (5-9), the layer counts (10-12),
// "Palette" (13-17), "Total Chargement" (18-22); columns "Longueur", "Largeur", "Hauteur",
// "Poids Net", "Poids Brut". Text4(0) and (1) are the surface and volume fill in %.
struct ResultGrid {
    std::array<std::string, 23> Text2{};
    std::array<std::string, 2> Text4{};
    // Boxes the grid leaves hidden: the net weight of the totals.
    static constexpr std::array<int, 3> kHidden{8, 16, 21};

    ResultGrid() {
        Text2.fill("0");
        Text4.fill("0");
    }
};

// The grid from the outside program's result text, lines 1 to 57 (index 0 unused).
ResultGrid gridFromResultLines(const std::vector<std::string>& lines, LoadKind kind);

}  // namespace brontaxe::pallet
