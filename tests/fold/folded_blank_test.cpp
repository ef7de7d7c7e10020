// The folding model on the regular slotted case, whose erected shape is known by hand: the
// box's outside sizes, upright walls, flaps that meet, the glue flap inside; and the
// collision test on faces placed by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fold/collision.h"
#include "fold/style_folds.h"
#include "support/fold_run.h"

namespace brontaxe::fold {
namespace {

Box flatBox(const Face& f) {
    Box b;
    for (const Point& p : f.outer.points)
        b.add(p);
    return b;
}

// A face's mid-surface points once placed.
Bounds3 placedBounds(const FoldedBlank& m, int face, const RigidMotion& at) {
    Bounds3 b;
    for (const Point& p : m.flat.faces[static_cast<std::size_t>(face)].outer.points)
        b.add(at.apply({p.x, p.y, 0}));
    return b;
}

// The faces of a 0201 by their place in the blank: the body between the flap creases, the
// glue flap at x < lgPatte, the flaps above and below.
struct SlottedFaces {
    std::vector<int> walls;  // by x
    int glueFlap = -1;
    std::vector<int> topFlaps;  // by x
};

SlottedFaces slottedFaces(const FoldedBlank& m, float lgPatte) {
    SlottedFaces out;
    for (int f = 0; f < m.faceCount(); ++f) {
        const Box b = flatBox(m.flat.faces[static_cast<std::size_t>(f)]);
        if (b.ymin < -1 && b.ymax > 1) {
            if (b.xmax <= lgPatte + 0.5)
                out.glueFlap = f;
            else
                out.walls.push_back(f);
        } else if (b.ymin > 0) {
            out.topFlaps.push_back(f);
        }
    }
    auto byX = [&](int a, int b) {
        return flatBox(m.flat.faces[static_cast<std::size_t>(a)]).xmin <
               flatBox(m.flat.faces[static_cast<std::size_t>(b)]).xmin;
    };
    std::sort(out.walls.begin(), out.walls.end(), byX);
    std::sort(out.topFlaps.begin(), out.topFlaps.end(), byX);
    return out;
}

struct BoxCase {
    const char* name;
    float l, w, h;
    int grade;
};

constexpr BoxCase kBoxes[] = {
    {"typical, B flute", 400, 300, 200, 1}, {"cube, C flute", 250, 250, 250, 2},
    {"long and low", 1200, 150, 100, 1},    {"double wall BC", 400, 300, 200, 5},
    {"small, E flute", 120, 80, 60, 3},
};

TEST(Fold0201, ErectedBoxHasTheOutsideSizesUprightWallsAndFlapsThatMeet) {
    for (const BoxCase& c : kBoxes) {
        SCOPED_TRACE(c.name);
        const test::Folded f = test::drawAndFold("0201", c.l, c.w, c.h, c.grade);
        ASSERT_TRUE(f.refusal.empty()) << f.refusal;
        const FoldedBlank& m = f.fold;
        const double e = m.thickness;
        ASSERT_GT(e, 0);
        const auto placed = placements(m, 1.0);
        EXPECT_TRUE(collisions(m, placed).empty());

        // Outside: a wall's thickness on each side, two flaps' at each end. The fixed wall
        // may be a length or a width wall.
        const Vec3 size = foldedMesh(m, placed).bounds().size();
        EXPECT_NEAR(std::max(size.x, size.z), std::max(c.l, c.w) + 2 * e, e);
        EXPECT_NEAR(std::min(size.x, size.z), std::min(c.l, c.w) + 2 * e, e);
        EXPECT_NEAR(size.y, c.h + 4 * e, e);

        const SlottedFaces s = slottedFaces(m, f.m.lgPatte);
        ASSERT_EQ(s.walls.size(), 4u);
        ASSERT_GE(s.glueFlap, 0);
        ASSERT_EQ(s.topFlaps.size(), 4u);
        int alongX = 0;
        int alongZ = 0;
        for (int wall : s.walls) {
            const Vec3 n = faceNormal(placed[static_cast<std::size_t>(wall)]);
            EXPECT_NEAR(n.y, 0, 1e-9) << "wall " << wall << " leans";
            alongX += std::fabs(std::fabs(n.x) - 1) < 1e-9;
            alongZ += std::fabs(std::fabs(n.z) - 1) < 1e-9;
        }
        EXPECT_EQ(alongX, 2);
        EXPECT_EQ(alongZ, 2);

        // The flaps of the length walls (first and third) close the top, edge to edge.
        const Bounds3 a =
            placedBounds(m, s.topFlaps[0], placed[static_cast<std::size_t>(s.topFlaps[0])]);
        const Bounds3 b =
            placedBounds(m, s.topFlaps[2], placed[static_cast<std::size_t>(s.topFlaps[2])]);
        const bool acrossX = std::fabs((a.min.x + a.max.x) - (b.min.x + b.max.x)) >
                             std::fabs((a.min.z + a.max.z) - (b.min.z + b.max.z));
        const double gap = acrossX ? std::max(a.min.x, b.min.x) - std::min(a.max.x, b.max.x)
                                   : std::max(a.min.z, b.min.z) - std::min(a.max.z, b.max.z);
        EXPECT_NEAR(gap, 0, e);
        EXPECT_NEAR(a.min.y, b.min.y, 1e-9);
        // The width walls' flaps lie one board under them.
        const Bounds3 inner =
            placedBounds(m, s.topFlaps[1], placed[static_cast<std::size_t>(s.topFlaps[1])]);
        EXPECT_NEAR(a.min.y - inner.min.y, e, 1e-9);

        // The glue flap lies inside the last wall, against it: one board in, and the
        // millimetre or two by which the first panel is drawn shorter than the third.
        const RigidMotion& glue = placed[static_cast<std::size_t>(s.glueFlap)];
        const RigidMotion& last = placed[static_cast<std::size_t>(s.walls.back())];
        const Vec3 n = faceNormal(last);
        EXPECT_NEAR(norm(cross(n, faceNormal(glue))), 0, 1e-9);
        const Vec3 centre =
            (foldedMesh(m, placed).bounds().min + foldedMesh(m, placed).bounds().max) * 0.5;
        const double wallToCentre = std::fabs(dot(n, centre - last.translation));
        const double glueToCentre = std::fabs(dot(n, centre - glue.translation));
        EXPECT_GE(wallToCentre - glueToCentre, e - 1e-9);
        EXPECT_LE(wallToCentre - glueToCentre, 2 * e);
    }
}

TEST(Fold0201, FlatAtZeroAndHalfwayAtHalf) {
    const test::Folded f = test::drawAndFold("0201", 400, 300, 200);
    const FoldedBlank& m = f.fold;
    const Bounds3 flat = foldedMesh(m, placements(m, 0)).bounds();
    const Box drawn = f.d.extents();
    EXPECT_NEAR(flat.size().x, drawn.width(), 1e-6);
    EXPECT_NEAR(flat.size().y, drawn.height(), 1e-6);
    EXPECT_NEAR(flat.size().z, m.thickness, 1e-9);

    // Halfway, each wall next to the fixed one has turned 45 degrees.
    const auto half = placements(m, 0.5);
    const int root = m.roots.front();
    for (int child : m.children(root)) {
        const Hinge* h = m.hingeOf(child);
        if (std::fabs(h->line.a.x - h->line.b.x) > 1e-9)
            continue;  // a flap
        EXPECT_NEAR(faceNormal(half[static_cast<std::size_t>(child)]).z, std::sqrt(0.5), 1e-9);
    }
}

TEST(FoldFaces, AreTheRegionsBetweenCutsAndCreasesWithoutTheCutOuts) {
    struct Case {
        const char* name;
        const char* code;
        void (*adjust)(Model&);
        int faces, hinges, holes;
    };
    const Case cases[] = {
        {"plain", "0201", nullptr, 13, 12, 0},
        // Each hand-hole's flap and the strip above it hinge in their wall.
        {"hand-holes", "0201", [](Model& m) { m.OptionPoign = 3; }, 17, 16, 2},
        // A floor with its mortises in line along both side walls, level with its edge.
        {"mortised floor", "0427", nullptr, 19, 18, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Folded f = test::drawAndFold(c.code, 400, 300, 200, 1, c.adjust);
        ASSERT_TRUE(f.refusal.empty()) << f.refusal;
        EXPECT_EQ(f.fold.faceCount(), c.faces);
        EXPECT_EQ(f.fold.flat.hinges.size(), static_cast<std::size_t>(c.hinges));
        EXPECT_EQ(f.fold.roots.size(), 1u);
        int holes = 0;
        double area = 0;
        for (const Face& face : f.fold.flat.faces) {
            holes += static_cast<int>(face.holes.size());
            area += face.area;
            double triangles = 0;
            const auto points = face.allPoints();
            for (const auto& t : face.triangles)
                triangles += cross(points[static_cast<std::size_t>(t[1])] -
                                       points[static_cast<std::size_t>(t[0])],
                                   points[static_cast<std::size_t>(t[2])] -
                                       points[static_cast<std::size_t>(t[0])]) /
                             2;
            EXPECT_NEAR(triangles, face.area, 1e-6 * face.area);
        }
        EXPECT_EQ(holes, c.holes);
        // The faces cover the board: the blank less its cut-outs.
        EXPECT_LT(area, f.d.BlankSizeX() * f.d.BlankSizeY());
    }
}

// Two squares of 100 mm side, 3 mm board; the second placed by hand against the first.
struct PlacedCase {
    const char* name;
    RigidMotion second;  // applied to the square drawn at x 200..300
    bool collide;
};

RigidMotion standingAt(double x, double sink) {
    // Turned upright about its left edge, then moved so that edge stands at x, `sink` below.
    return RigidMotion::shift({x - 200, 0, -sink}) *
           RigidMotion::aboutAxis({200, 0, 0}, {0, 1, 0}, -kPi / 2);
}

TEST(FoldCollision, FacesPassingThroughAreToldFromFacesTouching) {
    Drawing d;
    for (double x0 : {0.0, 200.0}) {
        d.AddLine(x0, 0, x0 + 100, 0);
        d.AddLine(x0 + 100, 0, x0 + 100, 100);
        d.AddLine(x0 + 100, 100, x0, 100);
        d.AddLine(x0, 100, x0, 0);
    }
    FoldedBlank m = foldBlank(d, 3);
    ASSERT_EQ(m.faceCount(), 2);
    ASSERT_EQ(m.roots.size(), 2u);
    const int second = flatBox(m.flat.faces[0]).xmin > 150 ? 0 : 1;
    const PlacedCase cases[] = {
        {"apart, as drawn", {}, false},
        {"laid on it, one board above", RigidMotion::shift({-200, 0, 3}), false},
        {"a third of a board above", RigidMotion::shift({-200, 0, 1}), true},
        {"overlapping in its plane", RigidMotion::shift({-150, 0, 0}), true},
        {"side by side in its plane", RigidMotion::shift({-100, 0, 0}), false},
        {"standing on its edge", standingAt(100, 0), false},
        {"standing in its middle, through it", standingAt(50, 50), true},
        {"standing on it", standingAt(50, -1.5), false},
    };
    for (const PlacedCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<RigidMotion> placed(2);
        placed[static_cast<std::size_t>(second)] = c.second;
        EXPECT_EQ(!collisions(m, placed).empty(), c.collide);
    }
}

TEST(FoldSpace, TurnsComposeInOrder) {
    const RigidMotion quarter = RigidMotion::aboutAxis({0, 0, 0}, {0, 0, 1}, kPi / 2);
    const RigidMotion move = RigidMotion::shift({10, 0, 0});
    const Vec3 p{1, 0, 0};
    const Vec3 turnedThenMoved = (move * quarter).apply(p);
    const Vec3 movedThenTurned = (quarter * move).apply(p);
    EXPECT_NEAR(turnedThenMoved.x, 10, 1e-12);
    EXPECT_NEAR(turnedThenMoved.y, 1, 1e-12);
    EXPECT_NEAR(movedThenTurned.x, 0, 1e-12);
    EXPECT_NEAR(movedThenTurned.y, 11, 1e-12);
    // About an axis off the origin, the axis stays put.
    const RigidMotion off = RigidMotion::aboutAxis({5, 5, 0}, {0, 0, 1}, 1.0);
    const Vec3 still = off.apply({5, 5, 7});
    EXPECT_NEAR(norm(still - Vec3{5, 5, 7}), 0, 1e-12);
}

}  // namespace
}  // namespace brontaxe::fold
