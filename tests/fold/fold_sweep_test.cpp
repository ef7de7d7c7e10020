// Every drawn style of the catalogue, folded at a typical size: no face passes through
// another once erected, or the style is listed as not folding yet, with its reason. A listed
// style that folds clean fails too, so that the list stays true.

#include <gtest/gtest.h>

#include "fold/collision.h"
#include "fold/style_folds.h"
#include "mainwindow/catalogue.h"
#include "styles/generators.h"
#include "support/fold_run.h"

namespace brontaxe::fold {
namespace {

std::vector<std::string> drawnCodes() {
    std::vector<std::string> codes;
    for (const Family& family : catalogueFamilies())
        for (std::string_view code : family.codes) {
            const DispatchTarget target = dispatchCode(code, false, 201, 201);
            if (target.kind == DispatchKind::Generator && findGenerator(target.generatorCode))
                codes.emplace_back(target.generatorCode);
        }
    return codes;
}

std::string collisionText(const FoldedBlank& m, const std::vector<Collision>& found) {
    std::string out;
    for (const Collision& c : found) {
        const Point a = m.flat.faces[static_cast<std::size_t>(c.faceA)].inside;
        const Point b = m.flat.faces[static_cast<std::size_t>(c.faceB)].inside;
        out += "\n  faces at (" + std::to_string(a.x) + ", " + std::to_string(a.y) + ") and (" +
               std::to_string(b.x) + ", " + std::to_string(b.y) + "), " + std::to_string(c.depth) +
               " mm deep";
    }
    return out;
}

TEST(FoldSweep, EveryDrawnStyleFoldsWithoutCollisionOrSaysWhyNot) {
    int folded = 0;
    for (const std::string& code : drawnCodes()) {
        SCOPED_TRACE(code);
        const test::Folded f = test::drawAndFold(code, 400, 300, 200);
        if (!f.refusal.empty())
            continue;
        ASSERT_GT(f.fold.faceCount(), 0);
        const auto found = collisions(f.fold, placements(f.fold, 1.0));
        const auto reason = notFoldingYet(code);
        if (reason) {
            EXPECT_FALSE(found.empty())
                << "listed as not folding (" << *reason << ") but folds clean";
            EXPECT_GT(reason->size(), 10u);
            continue;
        }
        EXPECT_TRUE(found.empty())
            << found.size() << " collisions:" << collisionText(f.fold, found);
        ++folded;
    }
    EXPECT_GT(folded, 20);
}

}  // namespace
}  // namespace brontaxe::fold
