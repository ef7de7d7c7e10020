#include "support/style_case.h"

#include "check/design_check.h"
#include "support/outline.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe::test {

void expectSoundBlank(const StyleCase& c, bool clean) {
    Generated g;
    c.setUp(g.m);
    c.generate(g.m, g.d);
    EXPECT_NEAR(g.d.BlankSizeX(), c.sizeX, 1e-2);
    EXPECT_NEAR(g.d.BlankSizeY(), c.sizeY, 1e-2);
    EXPECT_TRUE(c.feature(g.m, g.d));
    EXPECT_FALSE(g.d.isEditing());
    EXPECT_EQ(g.d.tracer().count(), g.d.ElementCount());
    EXPECT_TRUE(cutOutlineIsClosedOrEndsOnFolds(g.d));
    EXPECT_TRUE(noLineDrawnTwice(g.d));
    EXPECT_TRUE(noLineDrawnTwice(g.d, kind::Crease));
    if (clean) {
        EXPECT_EQ(defectCount(checkDrawing(g.d)), 0u) << findingsText(checkDrawing(g.d));
    }
}

}  // namespace brontaxe::test
