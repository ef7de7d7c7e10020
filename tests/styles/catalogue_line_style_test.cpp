// No style leaves its line style to the next: every drawn code of the catalogue, drawn one after
// the other on one drawing forwards and then backwards, inside a block that set an odd style,
// gives the blank it gives on a drawing of its own, and leaves the drawing's style as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "board/allowance_lookup.h"
#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "support/near.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe {
namespace {

constexpr LineStyle kOdd{.kind = kind::Perforation, .variant = 7, .piece = 9, .bridgeless = true};

// The first element where two blanks differ, as the dump writes it; empty when none does.
std::string firstDifference(const std::vector<Element>& got, const std::vector<Element>& want) {
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        if (i < got.size() && i < want.size() && got[i] == want[i])
            continue;
        const auto text = [i](const std::vector<Element>& v) {
            return i < v.size() ? dumpElement(v[i]) + (v[i].bridgeless ? " bridgeless" : "")
                                : std::string("nothing");
        };
        return "element " + std::to_string(i) + ": " + text(got) + " instead of " + text(want);
    }
    return {};
}

std::vector<Element> drawnAlone(const BoardTables& tables, const std::string& code) {
    test::Generated g;
    lookUpAllowances(g.m, tables, code, 1);
    const test::StyleRun run = test::runStyle(code, g.m, g.d);
    EXPECT_FALSE(run.refusal) << code << ": " << *run.refusal;
    return g.d.elements();
}

TEST(CatalogueLineStyle, NoStyleLeavesItsPenToTheNext) {
    const BoardTables tables = test::shippedTables();
    std::vector<std::string> codes = test::drawnCatalogueCodes();
    std::map<std::string, std::vector<Element>> alone;
    for (const std::string& code : codes)
        alone[code] = drawnAlone(tables, code);

    Drawing shared;
    const PenScope odd(shared, kOdd);
    for (const bool backwards : {false, true}) {
        if (backwards)
            std::reverse(codes.begin(), codes.end());
        for (const std::string& code : codes) {
            SCOPED_TRACE(code + (backwards ? " backwards" : " forwards"));
            Model m = test::startupModel();
            lookUpAllowances(m, tables, code, 1);
            test::runStyle(code, m, shared);
            // Each generation starts from the default style and puts back every one it sets.
            EXPECT_EQ(shared.lineStyle(), LineStyle{});
            EXPECT_EQ(firstDifference(shared.elements(), alone[code]), "");
        }
    }
}

}  // namespace
}  // namespace brontaxe
