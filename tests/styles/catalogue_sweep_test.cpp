// Every code of the catalogue, at a spread of sizes, regenerates without a fault; the codes
// that have a generator draw a sound blank.

#include <gtest/gtest.h>

#include <cmath>

#include "board/ini_majo.h"
#include "drawing/contour.h"
#include "mainwindow/catalogue.h"
#include "platform/errors.h"
#include "styles/generators.h"
#include "support/outline.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"

namespace brontaxe {
namespace {

struct Size {
    float l, w, h;
};

// Small, typical, large, length shorter than width, width smaller than height, a cube.
constexpr Size kSizes[] = {{60, 40, 30},    {400, 300, 200}, {1600, 1200, 1000},
                           {200, 350, 150}, {300, 120, 400}, {250, 250, 250}};

bool allFinite(const Drawing& d) {
    const Box box = d.extents();
    return std::isfinite(box.xmin) && std::isfinite(box.xmax) && std::isfinite(box.ymin) &&
           std::isfinite(box.ymax);
}

TEST(CatalogueSweep, EveryCodeAtEverySizeInEveryShippedGradeDrawsASoundBlankOrNothing) {
    const Majo tables = test::shippedTables();
    ASSERT_GT(tables.grades().count(), 0);
    int drawn = 0;
    for (const Family& family : catalogueFamilies()) {
        for (std::string_view code : family.codes) {
            const DispatchTarget target = dispatchCode(code, false, 201, 201);
            const Generator generate = target.kind == DispatchKind::Generator
                                           ? findGenerator(target.generatorCode)
                                           : nullptr;
            if (!generate)
                continue;
            for (int grade = 1; grade <= tables.grades().count(); ++grade)
                for (const Size& size : kSizes) {
                    SCOPED_TRACE(std::string(code) + " grade " + std::to_string(grade) + " at " +
                                 std::to_string(size.l) + " x " + std::to_string(size.w) + " x " +
                                 std::to_string(size.h));
                    test::Generated g;
                    IniMajo(g.m, tables, std::string(code), grade);
                    g.m.Longueur = size.l;
                    g.m.Largeur = size.w;
                    g.m.Hauteur = size.h;
                    ASSERT_NO_THROW(generate(g.m, g.d));
                    ++drawn;
                    EXPECT_FALSE(g.d.isEditing());
                    EXPECT_LE(g.m.NbLignes, kRegistryCapacity);
                    EXPECT_EQ(g.m.NbLignes, g.d.ElementCount());
                    EXPECT_TRUE(allFinite(g.d));
                    EXPECT_TRUE(test::cutOutlineIsClosedOrEndsOnFolds(g.d));
                    const double area = outerContour(test::cutLinework(g.d)).area;
                    EXPECT_GT(area, 0);
                    EXPECT_LT(area, g.d.BlankSizeX() * g.d.BlankSizeY());
                }
        }
    }
    EXPECT_GT(drawn, 0);
}

}  // namespace
}  // namespace brontaxe
