// Bridges as each format keeps them, read back by our readers, a parse in the test or ezdxf.
#include <gtest/gtest.h>

#include <numbers>
#include <sstream>
#include <string_view>

#include "drawing/bridges.h"
#include "drawing/pen_scope.h"
#include "io/des_format.h"
#include "io/die_line_import.h"
#include "io/drawing_files.h"
#include "platform/process.h"
#include "styles/02/fco200.h"
#include "support/style_fixture.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

struct BridgedBlank : ::testing::Test {
    void SetUp() override {
        Fco0201(g.m, g.d);
        applyBridges(g.d, placeBridges(g.d, {}));
        ASSERT_GT(bridgeTotals(g.d, kind::Cut).count, 0);
    }
    test::Generated g;
    test::TempDir dir;
};

// Bridge count and width of each rule (line or arc of a real rule) in a CFF2 file, in order.
using RuleBridges = std::vector<std::pair<int, double>>;

// A parse of our own: the two last fields of the line and arc records of type 1 to 5.
RuleBridges parsedBridges(const std::string& text) {
    RuleBridges out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string s; std::getline(fields, s, ',');)
            f.push_back(s);
        if ((f[0] == "L" || f[0] == "A") && f.size() >= 4 && f[2] != "40")
            out.emplace_back(std::stoi(f[f.size() - 2]), std::stod(f.back()));
    }
    return out;
}

// The program's own die-line reader.
RuleBridges readBridges(const std::string& text) {
    Drawing d;
    ImportReport report;
    EXPECT_TRUE(readCff2Text(text, {}, d, report).ok);
    RuleBridges out;
    for (const Element& e : d.elements()) {
        if (e.lineKind != kind::Auxiliary && e.type() != ShapeType::Text)
            out.emplace_back(static_cast<int>(e.bridges.size()),
                             e.bridges.empty() ? 0 : e.bridges.front().width);
    }
    return out;
}

TEST_F(BridgedBlank, Cff2RecordsCarryEachLinesBridges) {
    ASSERT_TRUE(SaveDrawing(g.d, dir / "b.cf2").ok);
    RuleBridges expected;
    for (const Element& e : g.d.elements()) {
        if (e.type() == ShapeType::Line || e.type() == ShapeType::Arc)
            expected.emplace_back(static_cast<int>(e.bridges.size()), e.bridges.empty() ? 0 : 0.5);
    }
    const std::string text = test::readFile(dir / "b.cf2");
    EXPECT_EQ(parsedBridges(text), expected);
    EXPECT_EQ(readBridges(text), expected);
}

TEST_F(BridgedBlank, DxfCutIsTheFigureLessTheBridges) {
    ASSERT_TRUE(SaveDrawing(g.d, dir / "b.dxf").ok);
    const auto r = platform::runProcess({"/usr/bin/python3", "-c",
                                         "import math, sys, ezdxf\n"
                                         "msp = ezdxf.readfile(sys.argv[1]).modelspace()\n"
                                         "print(sum(math.dist(e.dxf.start, e.dxf.end) for e in "
                                         "msp.query('LINE[layer==\"COUPANT\"]')))\n",
                                         (dir / "b.dxf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const BridgeTotals bridges = bridgeTotals(g.d, kind::Cut);
    EXPECT_NEAR(std::stod(r.out), g.d.KindLength(kind::Cut) - bridges.width, 0.01);
    EXPECT_NEAR(bridges.width, 0.5 * bridges.count, 1e-9);
}

TEST_F(BridgedBlank, DesKeepsBridgesAndRefusesOnesOffTheirLine) {
    Drawing back;
    ASSERT_TRUE(readDesText(desText(g.d), back).ok);
    EXPECT_EQ(back.elements(), g.d.elements());
    std::string text = desText(g.d);
    const std::size_t at = text.find("\"bridges\":[[");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 12, "\"bridges\":[[-5,");
    EXPECT_FALSE(readDesText(text, back).ok);
}

// A bridge may stand at the very end of its rule, its edge on the end, or take the whole rule;
// one reaching past either end by a tenth is refused, on a line as on an arc.
TEST(DesBridges, BridgesReachTheEndsOfTheirRuleAndNoFurther) {
    struct Case {
        const char* name;
        Bridge bridge;
        bool read;
    };
    // A line 100 long, and a half circle of radius 20 (62.83 long).
    const double arcLength = 20 * std::numbers::pi;
    const Case cases[] = {
        {"at the start", {0.25, 0.5}, true},
        {"at the end", {99.75, 0.5}, true},
        {"a wide one at the start", {3, 6}, true},
        {"the whole rule", {50, 100}, true},
        {"past the start", {0.15, 0.5}, false},
        {"past the end", {99.85, 0.5}, false},
        {"longer than the rule", {50, 100.2}, false},
        {"no width", {50, 0}, false},
        {"on the arc's end", {arcLength - 1, 2}, true},
        {"past the arc's end", {arcLength - 0.9, 2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        const ElementId line = d.AddLine(0, 0, 100, 0);
        const ElementId arc = d.AddArc(50, 50, 20, 0, 180);
        const bool onArc = std::string_view(c.name).find("arc") != std::string_view::npos;
        d.SetElementBridges(onArc ? arc : line, {c.bridge});
        Drawing back;
        const bool read = readDesText(desText(d), back).ok;
        EXPECT_EQ(read, c.read);
        if (read) {
            EXPECT_EQ(back.elements(), d.elements());
        }
    }
}

}  // namespace
}  // namespace brontaxe::io
