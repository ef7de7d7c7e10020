// The covered body half: which panels carry the covers with their tuck-in flaps, and which half
// of the machine passes records them.

#include "builders/tucked_cover_body_half.h"

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

// 400 x 300 body, 100 high; the glue flap puts panel 1 at x = 36 and panel 2 at 436.
constexpr float kH = 100, kCover = 300, kDust = 150, kTuck = 40;

struct TuckedCase {
    TuckedPanels covers;
    bool mirrored;
    std::size_t firstFlapPass;  // the pass of panel 1's flap
    float coveredLeft;          // the panel that carries the first cover
};

class TuckedCover : public ::testing::TestWithParam<TuckedCase> {};

TEST_P(TuckedCover, CoversStandOnTheChosenPanelsAndTheirPassesOnTheChosenHalf) {
    const TuckedCase& c = GetParam();
    Drawing d;
    GenerationPass pass(d);
    const MachinePasses passes =
        TuckedCoverBodyHalf(d,
                            {.p1 = 400,
                             .p2 = 300,
                             .p3 = 400,
                             .p4 = 300,
                             .h = kH,
                             .cover = kCover,
                             .tuck = kTuck,
                             .dust = kDust,
                             .covers = c.covers,
                             .glue = test::kStartupGlue},
                            test::kStartupSettings, {.mirrored = c.mirrored});
    const bool odd = c.covers == TuckedPanels::Odd;
    EXPECT_EQ(passes.entry(c.firstFlapPass), odd ? kCover + kTuck : kDust);
    EXPECT_EQ(passes.entry(c.firstFlapPass + 1), odd ? kDust : kCover + kTuck);
    EXPECT_EQ(passes.entry(c.firstFlapPass + 2), passes.entry(c.firstFlapPass));
    // The other half's are left to it.
    EXPECT_EQ(passes.entry(c.firstFlapPass == 7 ? 12 : 7), std::nullopt);

    const float top = kH + kCover + kTuck;
    const auto tips = test::horizontalLinesAt(d, kind::Cut, c.mirrored ? -top : top);
    ASSERT_EQ(tips.size(), 2u);  // one tuck-in flap on each covered panel
    const double mid = (tips.front().a.x + tips.front().b.x) / 2;
    EXPECT_GT(mid, c.coveredLeft);
    EXPECT_LT(mid, c.coveredLeft + (odd ? 400 : 300));
}

INSTANTIATE_TEST_SUITE_P(Panels, TuckedCover,
                         ::testing::Values(TuckedCase{TuckedPanels::Odd, false, 7, 36},
                                           TuckedCase{TuckedPanels::Even, false, 7, 436},
                                           TuckedCase{TuckedPanels::Odd, true, 12, 36},
                                           TuckedCase{TuckedPanels::Even, true, 12, 436}));

}  // namespace
}  // namespace brontaxe
