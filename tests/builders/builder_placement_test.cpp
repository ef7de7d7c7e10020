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
#include "support/builder_bodies.h"
#include "support/outline.h"

namespace brontaxe {
namespace {

using Place = FeaturePlacement;

using test::kLid;
using test::kSnapLock;

const Place kPlaces[] = {{120, -35, 90, true}, {-50, 400, 180, false}, {10, 20, 33, true}};

// What is drawn is placed; the passes the builders return are left aside.
using Builder = std::function<void(Drawing&, const Place&)>;

struct BuilderCase {
    const char* name;
    Builder draw;
};

// The start-up settings with a plain cut hand-hole.
const BlankSettings kHoles = test::withHandHole(HandHoleKind::Cut);

const BuilderCase kBuilders[] = {
    {"HandHole", [](Drawing& d, const Place& p) { HandHole(d, kHoles.handHole.shape, p); }},
    {"GlueFlap",
     [](Drawing& d, const Place& p) {
         GlueFlap(d, {.width = 36, .height = 100, .slot = 4, .taper = 15, .extension = 10}, p);
     }},
    {"LiddedBodyHalf",  // without hand-holes, which only an upper half has
     [](Drawing& d, const Place& p) {
         static_cast<void>(LiddedBodyHalf(d, kLid, test::kStartupSettings, p));
     }},
    {"LiddedBodyHalf glue flap on the width",
     [](Drawing& d, const Place& p) {
         static_cast<void>(LiddedBodyHalf(d,
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
                                           .glue = test::kStartupGlue,
                                           .glueAfterPanel4 = true},
                                          test::kStartupSettings, p));
     }},
    {"PrincipalFlap",
     [](Drawing& d, const Place& p) {
         PrincipalFlap(d, {.width = 400, .depth = 150, .notch = 10, .reach = 50},
                       test::kStartupSettings.thickness, p);
     }},
    {"OppositeFlap",
     [](Drawing& d, const Place& p) {
         OppositeFlap(d, {.width = 400, .depth = 50, .tab = 150, .shoulder = 40, .radius = 5}, p);
     }},
    {"SideFlap",
     [](Drawing& d, const Place& p) {
         SideFlap(d, {.width = 300, .depth = 70, .step = 60, .radius = 5},
                  test::kStartupSettings.thickness, p);
     }},
    {"SleeveBlank",
     [](Drawing& d, const Place& p) {
         static_cast<void>(SleeveBlank(
             d,
             {.glue = 36, .taper = 15, .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .height = 500},
             {}, p));
     }},
    {"SleeveBlank piece 4 of 4",
     [](Drawing& d, const Place& p) {
         static_cast<void>(SleeveBlank(
             d,
             {.glue = 36, .taper = 15, .p1 = 400, .p2 = 300, .p3 = 400, .p4 = 300, .height = 500},
             {.fourPieces = FourPieces::GluedBothEnds}, p));
     }},
    {"FlapTray",
     [](Drawing& d, const Place& p) {
         static_cast<void>(FlapTray(d, FlapTrayShape{200, 150, 100, 100}, kHoles, p));
     }},
    {"AlternateFolds",
     [](Drawing& d, const Place& p) {
         FoldGrid g;
         g.columns = {100, 400, 100};
         g.rows = {{150, 1, 1}, {100, 0, 2}, {300, 0, 2}, {100, 0, 2}, {150, 1, 1}};
         g.creasedAcross = {false, true, false};
         static_cast<void>(AlternateFolds(d, g, p));
     }},
    {"WingedCap",
     [](Drawing& d, const Place& p) {
         WingedCap(d, WingedCapShape{100, 80, 40, 30, 0}, test::kStartupSettings.thickness, p);
     }},
    {"DoubleWallTray",
     [](Drawing& d, const Place& p) {
         static_cast<void>(DoubleWallTray(d, test::kDoubleWallTray, kHoles, p));
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
            test::Built local;
            {
                GenerationPass pass(local.d);
                c.draw(local.d, {0, 0, 0, false});
            }
            local.d.TransformRange(local.d.firstId(), local.d.lastId(), p.transform());
            test::Built placed;
            {
                GenerationPass pass(placed.d);
                c.draw(placed.d, p);
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
     [](Drawing& d, const Place& p) {
         bothHalves(p, [&](const Place& h) {
             static_cast<void>(SlottedBodyHalf(d,
                                               {.p1 = 400,
                                                .p2 = 300,
                                                .p3 = 400,
                                                .p4 = 300,
                                                .h = 100,
                                                .f1 = 150,
                                                .f2 = 150,
                                                .glue = test::kStartupGlue},
                                               kHoles, h));
         });
     },
     0},
    {"0210 lidded body",
     [](Drawing& d, const Place& p) {
         bothHalves(p, [&](const Place& h) {
             static_cast<void>(LiddedBodyHalf(d, kLid, test::kStartupSettings, h));
         });
     },
     2},
    {"0215 lid over a shaped bottom",
     [](Drawing& d, const Place& p) {
         static_cast<void>(LiddedBodyHalf(d, kLid, kHoles, {.x = p.x, .y = p.y, .angle = p.angle}));
         static_cast<void>(
             SnapLockBodyHalf(d, kSnapLock, kHoles, {.x = p.x, .y = p.y, .angle = p.angle}));
     },
     1},
    {"sleeve", kBuilders[7].draw, 0},
    {"double-wall tray", kBuilders[12].draw, 0},
};

TEST(BuilderPlacement, BlanksKeepAClosedOutlineWhereverTheyArePlaced) {
    for (const BlankCase& c : kBlanks) {
        for (const Place& p : kPlaces) {
            test::Built g;
            {
                GenerationPass pass(g.d);
                c.draw(g.d, p);
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
