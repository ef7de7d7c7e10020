#include <gtest/gtest.h>

#include <functional>

#include "drawing/drawing_dump.h"
#include "editing/blank_edits.h"
#include "support/element_dump.h"

namespace brontaxe::editing {
namespace {

// A bridged cut, a bridged crease arc, a text, a dimension and a small hole.
Blank sampleBlank() {
    Element cut{LineShape{{10, 0}, {20, 0}}};
    cut.bridges = {{2, 1}, {7, 0.5}};
    Element arc{ArcShape{{10, 0}, 5, 0, 90}, kind::Crease};
    arc.bridges = {{1, 0.5}, {3, 1}};
    return {cut, arc, Element{TextShape{{10, 10}, "A", 0, 3, 0}, kind::Text},
            Element{DimensionShape{{0, 0}, {10, 0}, {0, -5}}, kind::Auxiliary},
            Element{ArcShape{{0, 0}, 2, 0, 360}}};
}

constexpr const char* kHole = "ARC k1 v1 p1 c(0.00,0.00) r2.00 a0.00 s360.00";
// The crease arc is a quarter of a circle of radius 5.
const double kQuarter = 5 * 3.14159265358979323846 / 2;

struct TransformCase {
    const char* name;
    std::function<EditOutcome(const Blank&)> edit;
    std::vector<std::string> blank;
    std::vector<Bridge> arcBridges;  // of element 1
};

TEST(BlankTransforms, SelectionMovedTurnedMirroredOrCopied) {
    const std::vector<Bridge> kept{{1, 0.5}, {3, 1}};
    const std::vector<Bridge> reversed{{kQuarter - 3, 1}, {kQuarter - 1, 0.5}};
    const Selection all{0, 1, 2, 3};
    const TransformCase cases[] = {
        {"moved",
         [&](const Blank& b) {
             return moved(b, all, {5, -1}, false);
         },
         {"LINE k1 v1 p1 (15.00,-1.00) (25.00,-1.00)",
          "ARC k6 v1 p1 c(15.00,-1.00) r5.00 a0.00 s90.00",
          "TEXT k8 v1 p1 (15.00,9.00) h3.00 a0.00 o0 \"A\"",
          "DIM k3 v1 p1 (5.00,-1.00) (15.00,-1.00) ref(5.00,-6.00)", kHole},
         kept},
        {"copied: the copies follow in the order of the selection",
         [](const Blank& b) {
             return moved(b, {1, 0, 1}, {5, -1}, true);
         },
         {"LINE k1 v1 p1 (10.00,0.00) (20.00,0.00)",
          "ARC k6 v1 p1 c(10.00,0.00) r5.00 a0.00 s90.00",
          "TEXT k8 v1 p1 (10.00,10.00) h3.00 a0.00 o0 \"A\"",
          "DIM k3 v1 p1 (0.00,0.00) (10.00,0.00) ref(0.00,-5.00)", kHole,
          "ARC k6 v1 p1 c(15.00,-1.00) r5.00 a0.00 s90.00",
          "LINE k1 v1 p1 (15.00,-1.00) (25.00,-1.00)"},
         kept},
        {"turned a quarter counter-clockwise about the origin",
         [&](const Blank& b) {
             return rotated(b, all, {0, 0}, 90, false);
         },
         {"LINE k1 v1 p1 (0.00,10.00) (0.00,20.00)",
          "ARC k6 v1 p1 c(0.00,10.00) r5.00 a90.00 s90.00",
          "TEXT k8 v1 p1 (-10.00,10.00) h3.00 a90.00 o0 \"A\"",
          "DIM k3 v1 p1 (0.00,0.00) (0.00,10.00) ref(5.00,0.00)", kHole},
         kept},
        {"turned clockwise about the arc's centre",
         [](const Blank& b) {
             return rotated(b, {1}, {10, 0}, -90, false);
         },
         {"LINE k1 v1 p1 (10.00,0.00) (20.00,0.00)",
          "ARC k6 v1 p1 c(10.00,0.00) r5.00 a270.00 s90.00",
          "TEXT k8 v1 p1 (10.00,10.00) h3.00 a0.00 o0 \"A\"",
          "DIM k3 v1 p1 (0.00,0.00) (10.00,0.00) ref(0.00,-5.00)", kHole},
         kept},
        {"mirrored about the y axis: the arc stays counter-clockwise, the text readable",
         [&](const Blank& b) {
             return mirrored(b, all, {0, 0}, {0, 1}, false);
         },
         {"LINE k1 v1 p1 (-10.00,0.00) (-20.00,0.00)",
          "ARC k6 v1 p1 c(-10.00,0.00) r5.00 a90.00 s90.00",
          "TEXT k8 v1 p1 (-10.00,10.00) h3.00 a0.00 o0 \"A\"",
          "DIM k3 v1 p1 (0.00,0.00) (-10.00,0.00) ref(0.00,-5.00)", kHole},
         reversed},
        {"mirrored about the diagonal",
         [](const Blank& b) {
             return mirrored(b, {0, 1}, {0, 0}, {2, 2}, false);
         },
         {"LINE k1 v1 p1 (0.00,10.00) (0.00,20.00)",
          "ARC k6 v1 p1 c(0.00,10.00) r5.00 a0.00 s90.00",
          "TEXT k8 v1 p1 (10.00,10.00) h3.00 a0.00 o0 \"A\"",
          "DIM k3 v1 p1 (0.00,0.00) (10.00,0.00) ref(0.00,-5.00)", kHole},
         reversed},
        {"deleted, a repeat in the selection ignored",
         [](const Blank& b) {
             return deleted(b, {3, 1, 3});
         },
         {"LINE k1 v1 p1 (10.00,0.00) (20.00,0.00)",
          "TEXT k8 v1 p1 (10.00,10.00) h3.00 a0.00 o0 \"A\"", kHole},
         {}},
    };
    const Blank blank = sampleBlank();
    for (const auto& c : cases) {
        const EditOutcome out = c.edit(blank);
        ASSERT_TRUE(out) << c.name << ": " << out.refusal;
        EXPECT_EQ(test::dumped(*out.blank), c.blank) << c.name;
        EXPECT_EQ(out.blank->front().bridges, blank.front().bridges) << c.name;
        if (c.arcBridges.empty())
            continue;
        const auto& bridges = (*out.blank)[1].bridges;
        ASSERT_EQ(bridges.size(), c.arcBridges.size()) << c.name;
        for (std::size_t i = 0; i < bridges.size(); ++i) {
            EXPECT_NEAR(bridges[i].at, c.arcBridges[i].at, 1e-9) << c.name;
            EXPECT_EQ(bridges[i].width, c.arcBridges[i].width) << c.name;
        }
    }
}

TEST(BlankTransforms, AddedWithThePenAndReplacedInPlace) {
    const LineStyle perforation{kind::Perforation, 2, 3};
    const EditOutcome withLine = added({}, {LineShape{{0, 0}, {0, 8}}}, perforation);
    ASSERT_TRUE(withLine);
    EXPECT_EQ(test::dumped(*withLine.blank),
              std::vector<std::string>{"LINE k4 v2 p3 (0.00,0.00) (0.00,8.00)"});

    const EditOutcome changed = replaced(sampleBlank(), 4, Element{ArcShape{{1, 1}, 3, 0, 360}});
    ASSERT_TRUE(changed);
    EXPECT_EQ(dumpElement(changed.blank->back()), "ARC k1 v1 p1 c(1.00,1.00) r3.00 a0.00 s360.00");
    EXPECT_EQ(changed.blank->size(), 5U);
}

TEST(BlankTransforms, RefusalsSayWhy) {
    const std::pair<std::function<EditOutcome(const Blank&)>, const char*> cases[] = {
        {[](const Blank& b) { return deleted(b, {}); }, "Aucun élément n'est sélectionné."},
        {[](const Blank& b) {
             return moved(b, {}, {1, 0}, true);
         },
         "Aucun élément n'est sélectionné."},
        {[](const Blank& b) {
             return deleted(b, {0, 5});
         },
         "L'élément n° 6 n'existe pas."},
        {[](const Blank& b) {
             return rotated(b, {9}, {0, 0}, 30, false);
         },
         "L'élément n° 10 n'existe pas."},
        {[](const Blank& b) { return replaced(b, 5, b[0]); }, "L'élément n° 6 n'existe pas."},
        // An edit that would change nothing, or stack a copy on its original, is no edit.
        {[](const Blank& b) {
             return moved(b, {0}, {0, 0}, true);
         },
         "Le déplacement est nul."},
        {[](const Blank& b) {
             return rotated(b, {0}, {3, 3}, 360, true);
         },
         "L'angle de rotation est nul."},
        {[](const Blank& b) {
             return mirrored(b, {0}, {3, 3}, {3, 3}, false);
         },
         "Les deux points de l'axe sont confondus."},
        {[](const Blank& b) { return added(b, {}, LineStyle{}); }, "Rien à ajouter."},
    };
    for (const auto& [edit, why] : cases) {
        const EditOutcome out = edit(sampleBlank());
        EXPECT_FALSE(out) << why;
        EXPECT_EQ(out.refusal, why);
    }
}

}  // namespace
}  // namespace brontaxe::editing
