#include "pallet/pallet_catalogue.h"

#include <array>
#include <cstdio>

namespace brontaxe::pallet {
namespace {

constexpr std::array<PalletType, 9> kPallets{{
    {"EURO", 1200, 800, 150, 25},
    {"EURO1", 1200, 800, 145, 25},
    {"EURO2", 1200, 1000, 145, 30},
    {"EURO4", 1200, 800, 144, 24},
    {"EUROCHEP", 1200, 1000, 163, 30},
    {"EUROHALF", 800, 800, 161, 12},
    {"ISB1000", 1000, 800, 140, 24},
    {"ISB1150", 1150, 1150, 140, 30},
    {"ISB1180", 1180, 760, 140, 26},
}};

}  // namespace

std::span<const PalletType> palletTypes() {
    return kPallets;
}

const PalletType& palletType(std::string_view name) {
    for (const PalletType& p : kPallets) {
        if (p.name == name)
            return p;
    }
    return kPallets.front();
}

std::string palletDescription(const PalletType& p) {
    char text[64];
    std::snprintf(text, sizeof text, "%4d x %4d x %3d mm  -  %d kg", p.length, p.width, p.height,
                  p.weight);
    return text;
}

}  // namespace brontaxe::pallet
