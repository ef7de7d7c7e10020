#pragma once
// The pallets the assistant offers, with their size and tare weight.

#include <span>
#include <string>
#include <string_view>

namespace brontaxe::pallet {

struct PalletType {
    std::string_view name;  // as the pallet list shows it and the study files name it
    int length = 0;         // mm
    int width = 0;          // mm
    int height = 0;         // mm
    int weight = 0;         // kg
};

std::span<const PalletType> palletTypes();
// The pallet of that name; the first one (EURO) for a name not in the list.
const PalletType& palletType(std::string_view name);
// The description shown under the list: "1200 x  800 x 150 mm  -  25 kg".
std::string palletDescription(const PalletType& p);

}  // namespace brontaxe::pallet
