// Every drawn code answers each inside size it is drawn from: changed by a tenth, the length,
// the width or the height changes the blank, unless the style declares that its form does not
// depend on it, and then it must not. A size a style silently ignores draws another box than
// the one asked for.

#include <gtest/gtest.h>

#include <functional>

#include "board/allowance_lookup.h"
#include "drawing/drawing_dump.h"
#include "styles/generators.h"
#include "styles/style_checks.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

struct SizeInput {
    const char* name;
    float Model::*field;
    bool UnusedSizes::*unused;
};

constexpr SizeInput kSizeInputs[] = {
    {"longueur", &Model::Longueur, &UnusedSizes::length},
    {"largeur", &Model::Largeur, &UnusedSizes::width},
    {"hauteur", &Model::Hauteur, &UnusedSizes::height},
};

// The blank's dump, or its refusal: a refusal is an answer too.
std::string drawn(const BoardTables& tables, const std::string& code,
                  const std::function<void(Model&)>& change) {
    test::Generated g;
    lookUpAllowances(g.m, tables, code, 1);
    g.m.Longueur = 400;
    g.m.Largeur = 300;
    g.m.Hauteur = 200;
    change(g.m);
    const test::StyleRun run = test::runStyle(code, g.m, g.d);
    return run.refusal ? "refused: " + *run.refusal : dumpDrawing(g.d);
}

TEST(CatalogueSensitivity, EverySizeAStyleUsesMovesItsBlank) {
    const BoardTables tables = test::shippedTables();
    for (const Family& family : catalogueFamilies())
        for (std::string_view listed : family.codes) {
            const DispatchTarget target = dispatchCode(listed, false, 201, 201);
            if (target.kind != DispatchKind::Generator || !findGenerator(target.generatorCode))
                continue;
            const std::string code(target.generatorCode);
            const std::string base = drawn(tables, code, [](Model&) {});
            const UnusedSizes unused = unusedSizes(code);
            for (const SizeInput& size : kSizeInputs) {
                SCOPED_TRACE(code + ", " + size.name + " + 10 %");
                const std::string changed =
                    drawn(tables, code, [&](Model& m) { m.*size.field *= 1.1f; });
                if (unused.*size.unused)
                    EXPECT_TRUE(changed == base) << "declared unused, yet it moves the blank";
                else
                    EXPECT_FALSE(changed == base) << "the blank does not depend on it";
            }
        }
}

}  // namespace
}  // namespace brontaxe
