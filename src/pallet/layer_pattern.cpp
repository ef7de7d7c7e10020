#include "pallet/layer_pattern.h"

#include <algorithm>
#include <cmath>

#include "drawing/tolerances.h"
#include "platform/number_text.h"

namespace brontaxe::pallet {
namespace {

int fits(double room, double size) {
    if (size <= 0 || room < size - kSizeNoise)
        return 0;
    return static_cast<int>(std::floor((room + kSizeNoise) / size));
}

// A rectangle of units side by side, all the same way round.
struct Block {
    double x = 0, y = 0;
    int along = 0, across = 0;  // units along the pallet's length and its width
    double length = 0, width = 0;
    int count() const { return along * across; }
};

void place(const Block& b, std::vector<PlacedUnit>& units) {
    for (int i = 0; i < b.along; ++i)
        for (int j = 0; j < b.across; ++j)
            units.push_back({b.x + i * b.length, b.y + j * b.width, b.length, b.width});
}

struct Candidate {
    Block first, second;
    int count() const { return first.count() + second.count(); }
};

// The pallet cut across its length after `n` units of the first orientation: the rest of the
// length takes the units turned. And the same with the cut across its width.
void twoBlockCandidates(double a, double b, double L, double W, std::vector<Candidate>& out) {
    for (int n = 0; n <= fits(L, a); ++n) {
        const double used = n * a;
        Block first{0, 0, n, fits(W, b), a, b};
        Block second{used, 0, fits(L - used, b), fits(W, a), b, a};
        out.push_back({first, second});
    }
    for (int n = 0; n <= fits(W, b); ++n) {
        const double used = n * b;
        Block first{0, 0, fits(L, a), n, a, b};
        Block second{0, used, fits(L, b), fits(W - used, a), b, a};
        out.push_back({first, second});
    }
}

std::string nameOf(const Candidate& c) {
    if (c.second.count() == 0)
        return "Bloc";
    if (c.first.count() == 0)
        return "Bloc tourné";
    return "Deux blocs";
}

// Fewer blocks first, then the unit's own orientation: the simpler layer wins a tie.
int rank(const Candidate& c) {
    if (c.second.count() == 0)
        return 0;
    if (c.first.count() == 0)
        return 1;
    return 2;
}

void centre(std::vector<PlacedUnit>& units, double L, double W) {
    if (units.empty())
        return;
    double maxX = 0, maxY = 0;
    for (const PlacedUnit& u : units) {
        maxX = std::max(maxX, u.x + u.length);
        maxY = std::max(maxY, u.y + u.width);
    }
    const double dx = std::max(0.0, (L - maxX) / 2), dy = std::max(0.0, (W - maxY) / 2);
    for (PlacedUnit& u : units) {
        u.x += dx;
        u.y += dy;
    }
}

std::string figure(double value) {
    return platform::numberText(std::round(value * 100) / 100);
}

}  // namespace

LayerPattern bestLayer(double unitLength, double unitWidth, double palletLength,
                       double palletWidth) {
    std::vector<Candidate> candidates;
    twoBlockCandidates(unitLength, unitWidth, palletLength, palletWidth, candidates);
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (!best || c.count() > best->count() ||
            (c.count() == best->count() && rank(c) < rank(*best)))
            best = &c;
    }
    LayerPattern layer;
    if (!best || best->count() == 0)
        return layer;
    layer.name = nameOf(*best);
    layer.units.reserve(static_cast<std::size_t>(best->count()));
    place(best->first, layer.units);
    place(best->second, layer.units);
    centre(layer.units, palletLength, palletWidth);
    return layer;
}

LoadPlan planLoad(const LoadUnit& unit, const PalletType& pallet, const LoadLimits& limits) {
    LoadPlan plan;
    if (!(unit.length > 0 && unit.width > 0 && unit.height > 0)) {
        plan.refusal = "Les dimensions du colis doivent être positives.";
        return plan;
    }
    const double room = limits.maxHeight - pallet.height;
    if (room < unit.height - kSizeNoise) {
        plan.refusal = "La hauteur maxi ne laisse pas la place d'une couche sur la palette.";
        return plan;
    }
    const double L = pallet.length, W = pallet.width;
    if (fits(L, unit.length) * fits(W, unit.width) > kMaxUnitsPerLayer ||
        fits(L, unit.width) * fits(W, unit.length) > kMaxUnitsPerLayer) {
        plan.refusal = "Colis trop petit : plus de 10000 colis par couche.";
        return plan;
    }
    PalletLoad load;
    load.layer = bestLayer(unit.length, unit.width, L, W);
    const int perLayer = static_cast<int>(load.layer.units.size());
    if (perLayer == 0) {
        plan.refusal = "Le colis dépasse la palette dans les deux sens.";
        return plan;
    }
    load.layers = fits(room, unit.height);
    if (unit.grossWeight > 0) {
        const double layerWeight = perLayer * unit.grossWeight;
        const int byWeight =
            static_cast<int>(std::floor(limits.maxWeight / layerWeight + kRoundingNoise));
        if (byWeight < load.layers) {
            load.layers = std::max(byWeight, 0);
            load.weightLimited = true;
        }
    }
    if (load.layers == 0) {
        plan.refusal = "Le poids maxi ne permet pas une couche complète.";
        return plan;
    }
    load.total = perLayer * load.layers;
    double minX = L, minY = W, maxX = 0, maxY = 0;
    for (const PlacedUnit& u : load.layer.units) {
        minX = std::min(minX, u.x);
        minY = std::min(minY, u.y);
        maxX = std::max(maxX, u.x + u.length);
        maxY = std::max(maxY, u.y + u.width);
    }
    load.loadLength = maxX - minX;
    load.loadWidth = maxY - minY;
    load.stackHeight = load.layers * unit.height;
    const double unitArea = unit.length * unit.width;
    load.surfaceFill = 100.0 * perLayer * unitArea / (L * W);
    load.volumeFill = 100.0 * load.total * unitArea * unit.height / (L * W * room);
    plan.load = std::move(load);
    return plan;
}

ResultGrid gridFromLoad(const LoadUnit& unit, const PalletType& pallet, const PalletLoad& load) {
    ResultGrid g;
    const double goodsGross = load.total * unit.grossWeight;
    const double goodsNet = load.total * unit.netWeight;
    const std::array<double, 23> values{unit.length,
                                        unit.width,
                                        unit.height,
                                        unit.netWeight,
                                        unit.grossWeight,
                                        load.loadLength,
                                        load.loadWidth,
                                        load.stackHeight,
                                        goodsNet,
                                        goodsGross,
                                        0,
                                        0,
                                        0,
                                        double(pallet.length),
                                        double(pallet.width),
                                        double(pallet.height),
                                        0,
                                        double(pallet.weight),
                                        std::max<double>(pallet.length, load.loadLength),
                                        std::max<double>(pallet.width, load.loadWidth),
                                        pallet.height + load.stackHeight,
                                        0,
                                        goodsGross + pallet.weight};
    for (std::size_t i = 0; i < values.size(); ++i)
        g.Text2[i] = figure(values[i]);
    g.Text2[10] = std::to_string(load.layer.units.size());
    g.Text2[11] = std::to_string(load.layers);
    g.Text2[12] = std::to_string(load.total);
    g.Text4[0] = platform::numberText(std::round(load.surfaceFill * 10) / 10);
    g.Text4[1] = platform::numberText(std::round(load.volumeFill * 10) / 10);
    return g;
}

}  // namespace brontaxe::pallet
