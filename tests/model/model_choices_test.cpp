// The numbers stored files and settings keep for the hand-hole and the four-piece case, read as
// the choices the drawing code takes; a number no version wrote is no choice at all.

#include "model/model_choices.h"

#include <gtest/gtest.h>

namespace brontaxe {
namespace {

TEST(ModelChoices, EachStoredNumberIsItsChoice) {
    struct Case {
        std::int16_t stored;
        HandHoleKind hole;
        bool hinged;
        FourPieces pieces;
        bool secondPanel;
    };
    using H = HandHoleKind;
    using F = FourPieces;
    const Case cases[] = {
        {0, H::None, false, F::None, false},
        {1, H::Cut, false, F::FirstPanel, false},
        {2, H::CreasedUpperEdge, true, F::SecondPanel, true},
        {3, H::FoldingTab, true, F::LoosePanel, false},
        {4, H::None, false, F::GluedBothEnds, true},
        {5, H::None, false, F::None, false},
        {-1, H::None, false, F::None, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Model m;
        m.OptionPoign = c.stored;
        m.CaisseEn4 = c.stored;
        EXPECT_EQ(handHoleKind(m), c.hole);
        EXPECT_EQ(hasHingedUpperEdge(handHoleKind(m)), c.hinged);
        EXPECT_EQ(fourPieces(m), c.pieces);
        EXPECT_EQ(keepsSecondPanel(fourPieces(m)), c.secondPanel);
    }
}

}  // namespace
}  // namespace brontaxe
