// Every builder draws in its own coordinates and is placed by (x, y, angle, mirrored): placed
// anywhere, turned and mirrored, it draws exactly its local drawing moved there, and the blank
// it belongs to keeps a closed cut outline.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "builders/alternate_folds.h"
#include "builders/double_wall_tray.h"
#include "builders/emit.h"
#include "builders/flap_tray.h"
#include "builders/glue_flap.h"
#include "builders/hand_hole.h"
#include "builders/lidded_body_half.h"
#include "builders/shaped_flaps.h"
#include "builders/sleeve_blank.h"
#include "builders/slotted_body_half.h"
#include "builders/snap_lock_body_half.h"
#include "builders/winged_cap.h"
#include "styles/blank_settings.h"
#include "support/builder_bodies.h"
#include "support/outline.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

using Place = FeaturePlacement;

using test::kLid;
using test::kSnapLock;

const Place kPlaces[] = {{120, -35, 90, true}, {-50, 400, 180, false}, {10, 20, 33, true}};

using Builder = std::function<void(Model&, Drawing&, const Place&)>;

struct BuilderCase {
    const char* name;
    Builder draw;
};

void withHandHoles(Model& m) {
    m.OptionPoign = 1;
}

const BuilderCase kBuilders[] = {
    {"HandHole",
     [](Model& m, Drawing& d, const Place& p) {
         withHandHoles(m);
         HandHole(d, wallHandHoleOf(m).shape, p);
     }},
    {"GlueFlap",
     [](Model&, Drawing& d, const Place& p) {
         GlueFlap(d, {.width = 36, .height = 100, .slot = 4, .taper = 15, .extension = 10}, p);
     }},
    {"LiddedBodyHalf",  // without hand-holes, which only an upper half has
     [](Model& m, Drawing& d, const Place& p) {
         recordPasses(m, LiddedBodyHalf(d, kLid, blankSettingsOf(m), p));
     }},
    {"LiddedBodyHalf glue flap on the width",
     [](Model& m, Drawing& d, const Place& p) {
         recordPasses(m, LiddedBodyHalf(d,
                                        {.p1 = 300,
                                         .p2 = 400,
                                         .p3 = 300,
                                         .p4 = 400,
                                         .h = 100,
                                         .q = 410,
                                         .T = 30,
                                         .r = 10,
                                         .F = 120,
                                         .lip = 3,
                                         .p5 = 294,
                                         .glue = glueFlapOf(m),
                                         .glueAfterPanel4 = true},
                                        blankSettingsOf(m), p));
     }},
    {"PrincipalFlap",
     [](Model& m, Drawing& d, const Place& p) {
         PrincipalFlap(d, {.width = 400, .depth = 150, .notch = 10, .reach = 50}, m.EpaisseurCarton,
                       p);
     }},
    {"OppositeFlap",
     [](Model&, Drawing& d, const Place& p) {
         OppositeFlap(d, {.width = 400, .depth = 50, .tab = 150, .shoulder = 40, .radius = 5}, p);
     }},
    {"SideFlap",
     [](Model& m, Drawing& d, const Place& p) {
         SideFlap(d, {.width = 300, .depth = 70, .step = 60, .radius = 5}, m.EpaisseurCarton, p);
     }},
    {"SleeveBlank",
     [](Model& m, Drawing& d, const Place& p) {
         recordBlankPasses(m, SleeveBlank(d,
                                          {.glue = 36,
                                           .taper = 15,
                                           .p1 = 400,
                                           .p2 = 300,
                                           .p3 = 400,
                                           .p4 = 300,
                                           .height = 500},
                                          pieceCutOf(m), p));
     }},
    {"SleeveBlank piece 4 of 4",
     [](Model& m, Drawing& d, const Place& p) {
         m.CaisseEn4 = 4;
         recordBlankPasses(m, SleeveBlank(d,
                                          {.glue = 36,
                                           .taper = 15,
                                           .p1 = 400,
                                           .p2 = 300,
                                           .p3 = 400,
                                           .p4 = 300,
                                           .height = 500},
                                          pieceCutOf(m), p));
     }},
    {"FlapTray",
     [](Model& m, Drawing& d, const Place& p) {
         withHandHoles(m);
         recordBlankPasses(m,
                           FlapTray(d, FlapTrayShape{200, 150, 100, 100}, blankSettingsOf(m), p));
     }},
    {"AlternateFolds",
     [](Model& m, Drawing& d, const Place& p) {
         FoldGrid g;
         g.columns = {100, 400, 100};
         g.rows = {{150, 1, 1}, {100, 0, 2}, {300, 0, 2}, {100, 0, 2}, {150, 1, 1}};
         g.creasedAcross = {false, true, false};
         recordPasses(m, AlternateFolds(d, g, p));
     }},
    {"WingedCap",
     [](Model& m, Drawing& d, const Place& p) {
         WingedCap(d, WingedCapShape{100, 80, 40, 30, 0}, m.EpaisseurCarton, p);
     }},
    {"DoubleWallTray",
     [](Model& m, Drawing& d, const Place& p) {
         withHandHoles(m);
         recordBlankPasses(m, DoubleWallTray(d, test::kDoubleWallTray, blankSettingsOf(m), p));
     }},
};

::testing::AssertionResult sameGeometry(const Drawing& a, const Drawing& b) {
    if (a.ElementCount() != b.ElementCount())
        return ::testing::AssertionFailure() << a.ElementCount() << " vs " << b.ElementCount();
    const double eps = 1e-3;
    for (std::size_t i = 0; i < a.elements().size(); ++i) {
        const Element& p = a.elements()[i];
        const Element& q = b.elements()[i];
        bool same = p.shape.index() == q.shape.index() && p.lineKind == q.lineKind &&
                    p.lineVariant == q.lineVariant;
        if (same) {
            if (const auto* l = std::get_if<LineShape>(&p.shape)) {
                const auto& m = std::get<LineShape>(q.shape);
                same = areNear(l->a, m.a, eps) && areNear(l->b, m.b, eps);
            } else if (const auto* c = std::get_if<ArcShape>(&p.shape)) {
                const auto& k = std::get<ArcShape>(q.shape);
                same = areNear(c->centre, k.centre, eps) && areNear(c->radius, k.radius, eps) &&
                       areNear(c->start(), k.start(), eps) && areNear(c->end(), k.end(), eps);
            }
        }
        if (!same)
            return ::testing::AssertionFailure() << "element " << i + 3 << " differs";
    }
    return ::testing::AssertionSuccess();
}

TEST(BuilderPlacement, PlacedDrawingIsTheLocalDrawingMovedThere) {
    for (const BuilderCase& c : kBuilders) {
        for (const Place& p : kPlaces) {
            test::Generated local;
            {
                GenerationPass pass(local.d);
                c.draw(local.m, local.d, {0, 0, 0, false});
            }
            local.d.TransformRange(local.d.firstId(), local.d.lastId(), p.transform());
            test::Generated placed;
            {
                GenerationPass pass(placed.d);
                c.draw(placed.m, placed.d, p);
            }
            EXPECT_TRUE(sameGeometry(placed.d, local.d))
                << c.name << " at " << p.x << ", " << p.y << ", " << p.angle;
        }
    }
}

// Blanks made of builders: two halves meeting on the placed y = 0, or a whole piece.
struct BlankCase {
    const char* name;
    Builder draw;
    std::size_t looseEnds;  // cuts that end on a fold by design
};

void bothHalves(const Place& p, const std::function<void(const Place&)>& half) {
    half({p.x, p.y, p.angle, false});
    half({p.x, p.y, p.angle, true});
}

const BlankCase kBlanks[] = {
    {"0201 body with hand-holes",
     [](Model& m, Drawing& d, const Place& p) {
         withHandHoles(m);
         bothHalves(p, [&](const Place& h) {
             recordPasses(m, SlottedBodyHalf(d,
                                             {.p1 = 400,
                                              .p2 = 300,
                                              .p3 = 400,
                                              .p4 = 300,
                                              .h = 100,
                                              .f1 = 150,
                                              .f2 = 150,
                                              .glue = glueFlapOf(m)},
                                             blankSettingsOf(m), h));
         });
     },
     0},
    {"0210 lidded body",
     [](Model& m, Drawing& d, const Place& p) {
         bothHalves(p, [&](const Place& h) {
             recordPasses(m, LiddedBodyHalf(d, kLid, blankSettingsOf(m), h));
         });
     },
     2},
    {"0215 lid over a shaped bottom",
     [](Model& m, Drawing& d, const Place& p) {
         withHandHoles(m);
         recordPasses(m, LiddedBodyHalf(d, kLid, blankSettingsOf(m),
                                        {.x = p.x, .y = p.y, .angle = p.angle}));
         recordPasses(m, SnapLockBodyHalf(d, kSnapLock, blankSettingsOf(m),
                                          {.x = p.x, .y = p.y, .angle = p.angle}));
     },
     1},
    {"sleeve", kBuilders[7].draw, 0},
    {"double-wall tray", kBuilders[12].draw, 0},
};

TEST(BuilderPlacement, BlanksKeepAClosedOutlineWhereverTheyArePlaced) {
    for (const BlankCase& c : kBlanks) {
        for (const Place& p : kPlaces) {
            test::Generated g;
            {
                GenerationPass pass(g.d);
                c.draw(g.m, g.d, p);
            }
            const auto loose = test::looseCutEnds(g.d);
            std::ostringstream where;
            for (const Point& e : loose)
                where << " (" << e.x << ", " << e.y << ")";
            EXPECT_EQ(loose.size(), c.looseEnds) << c.name << " at " << p.angle << where.str();
            EXPECT_TRUE(test::noLineDrawnTwice(g.d)) << c.name;
        }
    }
}

}  // namespace
}  // namespace brontaxe
