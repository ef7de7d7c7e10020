#pragma once
// What the pallet assistant's input boxes hold, as the user typed it.

#include <cstdint>
#include <string>

namespace brontaxe::pallet {

// The kind of load: `TypePalette` of the model.
enum class LoadKind : std::int16_t { None = 0, FlatBlanks = 1, ErectedCases = 2 };

struct PalletStudy {
    LoadKind kind = LoadKind::ErectedCases;
    std::string length;       // Text46
    std::string width;        // Text56
    std::string height;       // Text66 (the board thickness for flat blanks)
    std::string unitWeight;   // Text47
    std::string netWeight;    // Text57
    std::string pallet;       // Combo2
    std::string maxHeight;    // Tpal(0)
    std::string maxWeight;    // Tpal(1)
    std::string reportType;   // Text3(0)
    std::string imageWidth;   // Text3(1)
    std::string imageHeight;  // Text3(2)
};

}  // namespace brontaxe::pallet
