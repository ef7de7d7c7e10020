#include "support/fold_run.h"

#include "board/allowance_lookup.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"

namespace brontaxe::test {

Folded drawAndFold(const std::string& code, float l, float w, float h, int grade,
                   void (*adjust)(Model&)) {
    static const BoardTables tables = shippedTables();
    Folded f;
    f.m = startupModel();
    lookUpAllowances(f.m, tables, code, grade);
    f.m.Longueur = l;
    f.m.Largeur = w;
    f.m.Hauteur = h;
    if (adjust)
        adjust(f.m);
    const StyleRun run = runStyle(code, f.m, f.d);
    if (run.refusal) {
        f.refusal = *run.refusal;
        return f;
    }
    f.fold = fold::foldStyle(f.d, code, f.m);
    return f;
}

}  // namespace brontaxe::test
