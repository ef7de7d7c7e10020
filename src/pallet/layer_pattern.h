#pragma once
// The built-in pallet pattern, for users without the outside palletisation program: the best
// layer of one load unit on the pallet among blocks in either orientation and two-block
// (interlocked) layers, then as many layers as the height and weight limits allow.

#include <optional>
#include <string>
#include <vector>

#include "pallet/pallet_catalogue.h"
#include "pallet/result_grid.h"

namespace brontaxe::pallet {

// One unit's footprint on the pallet, from the pallet's corner (mm).
struct PlacedUnit {
    double x = 0, y = 0;
    double length = 0, width = 0;  // along the pallet's length and width
};

struct LayerPattern {
    std::string name;  // "Bloc", "Bloc tourné" or "Deux blocs"
    std::vector<PlacedUnit> units;
};

// The layer with most units; the load is centred on the pallet. No unit overlaps another or
// overhangs the pallet. Empty when the unit fits in neither orientation.
LayerPattern bestLayer(double unitLength, double unitWidth, double palletLength,
                       double palletWidth);

struct LoadUnit {
    double length = 0, width = 0, height = 0;  // mm
    double grossWeight = 0, netWeight = 0;     // kg
};

struct LoadLimits {
    double maxHeight = 0;  // of the loaded pallet, pallet included (mm)
    double maxWeight = 0;  // of the goods (kg)
};

struct PalletLoad {
    LayerPattern layer;
    int layers = 0;
    int total = 0;
    bool weightLimited = false;  // the weight, not the height, set the number of layers
    double loadLength = 0, loadWidth = 0, stackHeight = 0;
    double surfaceFill = 0, volumeFill = 0;  // %
};

// A unit per layer above this is refused: such a unit is no case to palletise.
inline constexpr int kMaxUnitsPerLayer = 10000;

// The load, or why there is none (in French).
struct LoadPlan {
    std::optional<PalletLoad> load;
    std::string refusal;
};
LoadPlan planLoad(const LoadUnit& unit, const PalletType& pallet, const LoadLimits& limits);

// The result grid of a built-in plan, filled as the outside program's would be.
ResultGrid gridFromLoad(const LoadUnit& unit, const PalletType& pallet, const PalletLoad& load);

}  // namespace brontaxe::pallet
