// Golden dumps guard the drawings against unintended change: the 0201 and the builders with the
// most elements. After a reviewed change, run scripts/accept-golden.sh to write the new dumps.

#include <gtest/gtest.h>

#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "styles/02/fco200.h"
#include "support/builder_bodies.h"
#include "support/golden_file.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

struct GoldenCase {
    const char* file;
    void (*draw)(Model&, Drawing&);
};

const GoldenCase kCases[] = {
    {"0201_default.txt", [](Model& m, Drawing& d) { Fco0201(m, d); }},
    {"0201_allowances_handholes.txt",
     [](Model& m, Drawing& d) {
         m.Majo = {0, 2, 3, 2, 3, 6, 2, 0};
         m.decalenc = 1;
         m.OptionPoign = 3;
         m.patProlong = 15;
         Fco0201(m, d);
     }},
    {"builders_lid_over_shaped_bottom.txt",
     [](Model&, Drawing& d) {
         GenerationPass pass(d);  // builders drawn alone
         const BlankSettings s = test::withHandHole(HandHoleKind::FoldingTab);
         static_cast<void>(LiddedBodyHalf(d, test::kLid, s));
         static_cast<void>(SnapLockBodyHalf(d, test::kSnapLock, s));
     }},
    {"builders_double_wall_tray.txt",
     [](Model&, Drawing& d) {
         GenerationPass pass(d);  // a builder drawn alone
         static_cast<void>(DoubleWallTray(d, test::kDoubleWallTray,
                                          test::withHandHole(HandHoleKind::FoldingTab)));
     }},
};

TEST(Golden, EachDrawingIsTheOneOnFile) {
    for (const GoldenCase& c : kCases) {
        test::Generated g;
        c.draw(g.m, g.d);
        test::expectGolden(dumpDrawing(g.d), c.file);
    }
}

}  // namespace
}  // namespace brontaxe
