// The locking folders that nest on the sheet (0421, 0427, 0429), drawn by their own
// generators: every other column turned upside down and moved in, so that its walls reach
// beside the narrower lids of its neighbours; the sheet and the waste come from the poses as
// they lie, and no pose's outline reaches into another's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/poses.h"
#include "support/temp_dir.h"
#include "workbench/imposition.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

struct NestCase {
    const char* code;
    const char* l;
    const char* w;
    const char* h;
    bool nested;  // half the width below twice the height and the double wall
};

void PrintTo(const NestCase& c, std::ostream* os) {
    *os << c.code << " " << c.l << " x " << c.w << " x " << c.h;
}

const NestCase kCases[] = {
    {"0421", "400", "300", "200", true}, {"0427", "400", "300", "200", true},
    {"0429", "400", "300", "200", true}, {"0427", "600", "250", "120", true},
    {"0429", "300", "200", "80", true},  {"0421", "250", "400", "60", false},
    {"0427", "300", "900", "60", false},
};

struct Folders {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};

    RegenerationReport impose(const NestCase& c, int x, int y) {
        wb.startUp();
        wb.window().lengthText = c.l;
        wb.window().widthText = c.w;
        wb.window().heightText = c.h;
        wb.window().codeText = c.code;
        wb.codeBoxLeft();  // the style's own allowances
        Model& m = wb.model();
        m.NbPoseX = static_cast<std::int16_t>(x);
        m.NbPoseY = static_cast<std::int16_t>(y);
        m.ImposManuelle = false;
        wb.imposition().AvecImpos = true;
        return wb.regenerate();
    }
};

Box unionOf(const std::vector<std::vector<Segment>>& poses) {
    Box box;
    for (const auto& p : poses) {
        const Box b = test::boxOf(p);
        box.add(Point{b.xmin, b.ymin});
        box.add(Point{b.xmax, b.ymax});
    }
    return box;
}

// The longest horizontal cut of a pose lying on y.
double edgeAt(const std::vector<Segment>& pose, double y) {
    double longest = 0;
    for (const auto& s : pose)
        if (std::fabs(s.a.y - y) < 1e-3 && std::fabs(s.b.y - y) < 1e-3)
            longest = std::max(longest, std::fabs(s.b.x - s.a.x));
    return longest;
}

class NestedFolders : public ::testing::TestWithParam<NestCase> {};

TEST_P(NestedFolders, InterlockWithoutOverlapAndTheSheetAndWasteFollow) {
    const NestCase& c = GetParam();
    Folders f;
    const RegenerationReport r = f.impose(c, 3, 2);
    ASSERT_TRUE(r.drawn) << r.message;
    EXPECT_TRUE(r.notices.empty());
    const Model& m = f.wb.model();
    const Drawing& d = f.wb.drawing();
    const auto poses = test::poseCuts(d);
    ASSERT_EQ(poses.size(), 6u);
    EXPECT_TRUE(test::outerContoursDoNotOverlap(d));
    EXPECT_TRUE(test::posesDoNotOverlap(d));

    // Columns closer than the plain grid by the nesting offset, and no closer.
    const double dX = nestingOffsets(m).dX;
    EXPECT_EQ(dX > 0, c.nested);
    const Box all = unionOf(poses);
    EXPECT_NEAR(all.width(), 3 * m.HorsToutX + 2 * m.EspPoseX - 2 * dX, 1e-2);
    EXPECT_NEAR(all.height(), 2 * m.HorsToutY + m.EspPoseY, 1e-2);
    // Poses in order: column 1 rows 1 and 2, column 2 rows 1 and 2, ...
    const Box first = test::boxOf(poses[0]);
    const Box turned = test::boxOf(poses[2]);
    if (c.nested) {
        EXPECT_GT(first.xmax, turned.xmin + 1) << "the next column reaches beside this one";
    }
    // The second column stands upside down: its front edge along its top.
    const double front = edgeAt(poses[0], first.ymin);
    EXPECT_GT(front, 0);
    EXPECT_NEAR(edgeAt(poses[2], turned.ymax), front, 1e-3);
    EXPECT_NEAR(edgeAt(poses[4], test::boxOf(poses[4]).ymin), front, 1e-3);

    // The imposed rectangle and its waste are those of the poses as they lie.
    const WasteFigures w = imposedWaste(m);
    EXPECT_NEAR(w.ImpX, all.width(), 1e-2);
    EXPECT_NEAR(w.ImpY, all.height(), 1e-2);
    const double area = all.width() * all.height();
    EXPECT_NEAR(m.PerteHorsTout, (area - 6.0 * m.SurfDecoupee) / area * 100, 0.01);
    EXPECT_GT(m.FmtCartonX, all.width());

    // A sheet just the imposed width plus its margin holds the three columns.
    const ImpositionEntry sheet = f.wb.enterSheetSize(Axis::X, std::ceil(w.ImpX) + m.Marges[0] + 1);
    EXPECT_TRUE(sheet.report.drawn);
    EXPECT_EQ(f.wb.model().NbPoseX, 3);
    EXPECT_TRUE(test::outerContoursDoNotOverlap(f.wb.drawing()));
}

INSTANTIATE_TEST_SUITE_P(Fco04Imposition, NestedFolders, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             const NestCase& c = info.param;
                             return std::string(c.code) + "_" + c.l + "x" + c.w + "x" + c.h;
                         });

}  // namespace
}  // namespace brontaxe
