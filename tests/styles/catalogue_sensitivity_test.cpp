// Every drawn code answers each input it is drawn from: changed by a tenth, the length, the
// width, the height or a parameter of the "Autres Dimensions" dialog changes the blank, unless
// the style declares that its form does not depend on it, and then it must not. An input a
// style silently ignores draws another box than the one asked for; one it reads without saying
// so leaves a designer guessing which of the dialog's fields matter.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "board/allowance_lookup.h"
#include "drawing/drawing_dump.h"
#include "params/other_dimensions.h"
#include "styles/generators.h"
#include "styles/style_checks.h"
#include "styles/style_parameters.h"
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

using P = StyleParameter;

template <float Model::*Field>
void tenthMore(Model& m) {
    m.*Field *= 1.1F;
}
template <float Model::*Field, int Millimetres>
void setTo(Model& m) {
    m.*Field = Millimetres;
}
void noSetup(Model&) {}
// The type with a folding tab uses all four sizes; a hole small enough for the 50 mm walls of
// the lids that carry hand-holes (0310, 0311), its land kept.
void thirdHandHoleType(Model& m) {
    m.OptionPoign = 3;
    m.LPoign = 80;
    m.HPoign = 20;
    m.DPoign = 12;
}
void chamferedDividerSlots(Model& m) {
    m.OptionCrois = 1;
}

struct ParameterInput {
    std::string_view key;  // the model field behind the dialog's field
    StyleParameter parameter;
    void (*change)(Model&);           // by about a tenth, or to a common value from none
    void (*setup)(Model&) = noSetup;  // what makes the parameter count: hand-holes asked for
};

constexpr ParameterInput kParameterInputs[] = {
    {"lgPatte", P::GlueFlapWidth, tenthMore<&Model::lgPatte>},
    {"anglPc", P::GlueFlapAngle, tenthMore<&Model::anglPc>},
    {"patProlong", P::GlueFlapExtension, setTo<&Model::patProlong, 5>},
    {"encoche", P::SlotWidth, tenthMore<&Model::encoche>},
    {"decalenc", P::SlotOffset, setTo<&Model::decalenc, 1>},
    {"hrabat", P::FlapHeight, tenthMore<&Model::hrabat>},
    {"rarrondi", P::CornerRadius, tenthMore<&Model::rarrondi>},
    {"hrecouvr", P::OverlapHeight, tenthMore<&Model::hrecouvr>},
    {"hpatrent", P::TuckFlapHeight, tenthMore<&Model::hpatrent>},
    {"RcoupPouce", P::ThumbNotchRadius, tenthMore<&Model::RcoupPouce>},
    {"Dblmur", P::DoubleWall, tenthMore<&Model::Dblmur>},
    {"htenon", P::TenonHeight, tenthMore<&Model::htenon>},
    {"lgtenon", P::TenonLength, tenthMore<&Model::lgtenon>},
    {"AngTenon", P::TenonAngle, tenthMore<&Model::AngTenon>},
    {"RMortaise", P::MortiseRadius, setTo<&Model::RMortaise, 2>},
    {"pmortaise", P::MortisePosition, tenthMore<&Model::pmortaise>},
    {"hmortaise", P::MortiseHeight, tenthMore<&Model::hmortaise>},
    {"lgmortaise", P::MortiseLength, tenthMore<&Model::lgmortaise>},
    {"DecPatte", P::TuckFlapOffset, tenthMore<&Model::DecPatte>},
    {"nbmortaise", P::TenonCount, [](Model& m) { m.nbmortaise = 3; }},
    {"NbCases", P::CellCount, [](Model& m) { m.NbCases = 4; }},
    {"CroisPar4", P::DividerSlotDepth, tenthMore<&Model::CroisPar4>},
    {"CroisPar1", P::DividerSlotRadius, tenthMore<&Model::CroisPar1>},
    {"CroisPar2", P::DividerChamferAlong, tenthMore<&Model::CroisPar2>, chamferedDividerSlots},
    {"CroisPar3", P::DividerChamferAngle, tenthMore<&Model::CroisPar3>, chamferedDividerSlots},
    {"LPoign", P::HandHoleLength, tenthMore<&Model::LPoign>, thirdHandHoleType},
    {"HPoign", P::HandHoleHeight, tenthMore<&Model::HPoign>, thirdHandHoleType},
    {"DPoign", P::HandHoleDistance, tenthMore<&Model::DPoign>, thirdHandHoleType},
    {"EPoign", P::HandHoleTab, tenthMore<&Model::EPoign>, thirdHandHoleType},
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
    for (const std::string& code : test::drawnCatalogueCodes()) {
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

TEST(CatalogueSensitivity, TheParametersAStyleDeclaresAreTheOnesThatMoveItsBlank) {
    // Every numeric field of the dialog is in the table (the crease lists and the bridges are
    // laid by the workbench over any style).
    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        const std::string_view key = autreDimFieldName(field);
        if (field == kFieldCreasesHorizontal || field == kFieldCreasesVertical ||
            field >= kFieldBridgeWidth)
            continue;
        EXPECT_TRUE(std::any_of(std::begin(kParameterInputs), std::end(kParameterInputs),
                                [&](const ParameterInput& p) { return p.key == key; }))
            << "field " << field << " (" << key << ") is not swept";
    }
    const BoardTables tables = test::shippedTables();
    int used = 0;
    for (const std::string& code : test::drawnCatalogueCodes()) {
        const StyleParameters declared = usedParameters(code);
        for (const ParameterInput& p : kParameterInputs) {
            SCOPED_TRACE(code + ", " + std::string(p.key));
            const std::string base = drawn(tables, code, p.setup);
            const std::string changed = drawn(tables, code, [&](Model& m) {
                p.setup(m);
                p.change(m);
            });
            if (declared.contains(p.parameter)) {
                ++used;
                EXPECT_FALSE(changed == base) << "declared, yet the blank does not depend on it";
                EXPECT_NE(changed.rfind("refused", 0), 0U) << changed;
            } else {
                EXPECT_TRUE(changed == base) << "the blank depends on it, undeclared";
            }
        }
    }
    EXPECT_GT(used, 500);  // the table is not empty
}

}  // namespace
}  // namespace brontaxe
