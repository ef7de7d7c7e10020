#include "pallet/layer_pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace brontaxe::pallet {
namespace {

constexpr double kEps = 1e-6;

// Every unit on the pallet, none over another, each the unit turned one way or the other.
void expectSoundLayer(const LayerPattern& layer, double a, double b, double L, double W) {
    const auto& u = layer.units;
    for (std::size_t i = 0; i < u.size(); ++i) {
        const bool sameWay = u[i].length == a && u[i].width == b;
        const bool turned = u[i].length == b && u[i].width == a;
        ASSERT_TRUE(sameWay || turned) << "unit " << i;
        ASSERT_GE(u[i].x, -kEps);
        ASSERT_GE(u[i].y, -kEps);
        ASSERT_LE(u[i].x + u[i].length, L + kEps) << a << " x " << b << " unit " << i;
        ASSERT_LE(u[i].y + u[i].width, W + kEps) << a << " x " << b << " unit " << i;
        for (std::size_t j = i + 1; j < u.size(); ++j) {
            const bool apart =
                u[i].x + u[i].length <= u[j].x + kEps || u[j].x + u[j].length <= u[i].x + kEps ||
                u[i].y + u[i].width <= u[j].y + kEps || u[j].y + u[j].width <= u[i].y + kEps;
            ASSERT_TRUE(apart) << a << " x " << b << ": units " << i << " and " << j;
        }
    }
}

struct LayerCase {
    double a, b, L, W;
    std::size_t count;
    const char* name;
};

// Worked by hand: 400 x 300 lies 4 x 2 turned on 1200 x 800; on 1200 x 1000 a row of turned
// units (4 x 300 along the length, 400 deep) leaves 600 for 3 x 2 units the unit's own way;
// 250 x 200 gives 4 x 4 the own way, then 200 mm of length for 1 x 3 turned.
const LayerCase kLayers[] = {
    {400, 300, 1200, 800, 8, "Bloc tourné"},
    {300, 400, 1200, 800, 8, "Bloc"},
    {400, 300, 1200, 1000, 10, "Deux blocs"},
    {250, 200, 1200, 800, 19, "Deux blocs"},
    {600, 400, 1200, 800, 4, "Bloc"},
    {1200, 800, 1200, 800, 1, "Bloc"},
    {800, 1200, 1200, 800, 1, "Bloc tourné"},
    {1300, 100, 1200, 800, 0, ""},
    {900, 900, 1200, 800, 0, ""},
};

TEST(LayerPattern, HandWorkedLayers) {
    for (const LayerCase& c : kLayers) {
        const LayerPattern layer = bestLayer(c.a, c.b, c.L, c.W);
        EXPECT_EQ(layer.units.size(), c.count) << c.a << " x " << c.b << " on " << c.L;
        EXPECT_EQ(layer.name, c.name) << c.a << " x " << c.b << " on " << c.L;
        expectSoundLayer(layer, c.a, c.b, c.L, c.W);
    }
}

TEST(LayerPattern, TheLoadIsCentredOnThePallet) {
    const LayerPattern layer = bestLayer(500, 350, 1200, 800);  // 2 x 2, 200 x 100 left over
    ASSERT_EQ(layer.units.size(), 4u);
    const auto minX =
        std::min_element(layer.units.begin(), layer.units.end(), [](auto& p, auto& q) {
            return p.x < q.x;
        })->x;
    const auto minY =
        std::min_element(layer.units.begin(), layer.units.end(), [](auto& p, auto& q) {
            return p.y < q.y;
        })->y;
    EXPECT_DOUBLE_EQ(minX, 100);
    EXPECT_DOUBLE_EQ(minY, 50);
}

TEST(LayerPattern, NeverOverlapsOrOverhangsAndBeatsBothBlocks) {
    for (const PalletType& p : palletTypes()) {
        for (double a = 110; a <= 700; a += 73.5) {
            for (double b = 90; b <= a; b += 61.25) {
                const LayerPattern layer = bestLayer(a, b, p.length, p.width);
                expectSoundLayer(layer, a, b, p.length, p.width);
                const auto block = [&](double x, double y) {
                    return std::size_t(std::floor(p.length / x) * std::floor(p.width / y));
                };
                EXPECT_GE(layer.units.size(), std::max(block(a, b), block(b, a)));
                EXPECT_LE(layer.units.size() * a * b, double(p.length) * p.width + kEps);
            }
        }
    }
}

struct LoadCase {
    double gross;
    int layers, total;
    bool weightLimited;
    const char* loadedWeight;  // goods and pallet
};

TEST(LayerPattern, LayersStopAtTheHeightOrTheWeight) {
    // 400 x 300 x 250 on EURO (150 mm): 1650 leaves 1500 mm, 6 layers of 8.
    const LoadCase cases[] = {
        {10, 6, 48, false, "505"},       // 80 kg a layer: the height decides
        {20.8, 6, 48, false, "1023.4"},  // 6 layers weigh 998.4 kg
        {25, 5, 40, true, "1025"},       // 200 kg a layer: 5 layers
        {0, 6, 48, false, "25"},
    };
    for (const LoadCase& c : cases) {
        const LoadPlan plan =
            planLoad({400, 300, 250, c.gross, c.gross * 0.9}, palletType("EURO"), {1650, 1000});
        ASSERT_TRUE(plan.load) << plan.refusal;
        EXPECT_EQ(plan.load->layers, c.layers) << c.gross;
        EXPECT_EQ(plan.load->total, c.total) << c.gross;
        EXPECT_EQ(plan.load->weightLimited, c.weightLimited) << c.gross;
        const ResultGrid g =
            gridFromLoad({400, 300, 250, c.gross, 0}, palletType("EURO"), *plan.load);
        EXPECT_EQ(g.Text2[22], c.loadedWeight) << c.gross;
    }
}

TEST(LayerPattern, GridOfAFullEuroPallet) {
    const LoadUnit unit{400, 300, 250, 10, 9.5};
    const LoadPlan plan = planLoad(unit, palletType("EURO"), {1650, 1000});
    ASSERT_TRUE(plan.load);
    const ResultGrid g = gridFromLoad(unit, palletType("EURO"), *plan.load);
    const std::vector<std::string> row(g.Text2.begin(), g.Text2.end());
    EXPECT_EQ(row, (std::vector<std::string>{"400",  "300", "250",  "9.5", "10",      // unit
                                             "1200", "800", "1500", "456", "480",     // goods
                                             "8",    "6",   "48",                     // layers
                                             "1200", "800", "150",  "0",   "25",      // pallet
                                             "1200", "800", "1650", "0",   "505"}));  // loaded
    EXPECT_EQ(g.Text4[0], "100");
    EXPECT_EQ(g.Text4[1], "100");
}

TEST(LayerPattern, LoadsThatCannotBeBuiltAreRefusedInFrench) {
    const PalletType& euro = palletType("EURO");
    EXPECT_FALSE(planLoad({0, 300, 250, 1, 1}, euro, {1650, 1000}).load);
    EXPECT_FALSE(planLoad({400, -3, 250, 1, 1}, euro, {1650, 1000}).load);
    EXPECT_FALSE(planLoad({400, 300, 250, 1, 1}, euro, {300, 1000}).load);     // no room over 150
    EXPECT_FALSE(planLoad({1300, 900, 250, 1, 1}, euro, {1650, 1000}).load);   // overhangs
    EXPECT_FALSE(planLoad({400, 300, 250, 200, 1}, euro, {1650, 1000}).load);  // 1600 kg a layer
    const LoadPlan tiny = planLoad({1, 1, 1, 0, 0}, euro, {1650, 1000});
    EXPECT_FALSE(tiny.load);
    EXPECT_NE(tiny.refusal.find("10000"), std::string::npos);
}

}  // namespace
}  // namespace brontaxe::pallet
