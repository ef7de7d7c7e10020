// The workbench's side of the allowance editor: its way back, and what each allowance moves.

#include <algorithm>
#include <cmath>

#include "drawing/dimension_layout.h"
#include "drawing/tolerances.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "workbench/profile_rules.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// The blank of the style alone (no imposition, mirror or arrows), or nothing when it cannot
// be drawn.
std::optional<Drawing> styleBlank(Generator generator, Model m) {
    Drawing d;
    try {
        generator(m, d);
    } catch (const GenerationError&) {
        return std::nullopt;
    }
    return d;
}

double measured(const DimensionShape& d) {
    return layoutDimension(d, DimensionStyle{}).value;
}

// "cote 306 mm", "cotes 306 et 206 mm", "cotes 306, 206 et 12 mm": each value once.
std::string dimensionsSaid(const std::vector<double>& values) {
    std::vector<std::string> texts;
    for (const double v : values) {
        std::string t = platform::shownNumber(v, 6);
        if (std::find(texts.begin(), texts.end(), t) == texts.end())
            texts.push_back(std::move(t));
    }
    if (texts.empty())
        return {};
    std::string said = texts.size() == 1 ? "cote " : "cotes ";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            said += i + 1 == texts.size() ? " et " : ", ";
        said += texts[i];
    }
    return said + " mm";
}

// What the comparison found, in words: the dimensions, then the overall size.
std::string effectSaid(const std::vector<double>& dimensionValues, const Box& before,
                       const Box& after) {
    std::vector<std::string> parts;
    if (auto d = dimensionsSaid(dimensionValues); !d.empty())
        parts.push_back(std::move(d));
    const bool wider = std::fabs(after.width() - before.width()) > kSizeNoise;
    const bool higher = std::fabs(after.height() - before.height()) > kSizeNoise;
    if (wider && higher)
        parts.emplace_back("hors tout X et Y");
    else if (wider)
        parts.emplace_back("hors tout X");
    else if (higher)
        parts.emplace_back("hors tout Y");
    if (parts.empty())
        return "forme du flan seule";
    return parts.size() == 1 ? parts[0] : parts[0] + ", " + parts[1];
}

AllowanceEffect compare(const Drawing& before, const Drawing& after) {
    AllowanceEffect effect;
    const auto& a = before.elements();
    const auto& b = after.elements();
    effect.movesBlank = a != b;
    if (!effect.movesBlank)
        return effect;
    std::vector<double> values;
    if (a.size() == b.size()) {  // else another layout: no dimension to point at
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto* da = std::get_if<DimensionShape>(&a[i].shape);
            const auto* db = std::get_if<DimensionShape>(&b[i].shape);
            if (da && db && std::fabs(measured(*da) - measured(*db)) > kSizeNoise) {
                effect.dimensions.push_back(
                    ElementId{kFirstElementId + static_cast<std::int32_t>(i)});
                values.push_back(measured(*da));
            }
        }
    }
    effect.said = effectSaid(values, before.extents(), after.extents());
    return effect;
}

}  // namespace

Workbench::EditState Workbench::editState() const {
    return {model_, boardTables_.grades(), boardTables_.allowances(), lookedUpAllowances_,
            lookupNotice_};
}

void Workbench::restoreEditState(const EditState& state) {
    model_ = state.model;
    boardTables_.restoreTables(state.grades, state.allowances);
    lookedUpAllowances_ = state.lookedUpAllowances;
    lookupNotice_ = state.lookupNotice;
}

void Workbench::allowancesTyped() {
    model_.allowanceRecordCode = model_.NumModele;
    lookedUpAllowances_ = model_.Majo;
    lookupNotice_.reset();
}

AllowanceEffects Workbench::allowanceEffects() const {
    AllowanceEffects effects{};
    const bool codeBoxHasSlash = window_.codeText.find('/') != std::string::npos;
    const Generator generator = generatorOf(
        dispatchCode(window_.codeText, codeBoxHasSlash, model_.TypeDessus, model_.TypeDessous));
    if (!generator)
        return effects;
    Model m = model_;
    m.CodeModele = window_.codeText;
    m.BloqueModif = false;
    m.GenEnCours = true;
    // As the editor leaves it: the code and grade hold the allowances as their own record.
    m.allowanceRecordCode = m.NumModele;
    applyProfileRules(m);
    const std::optional<Drawing> base = styleBlank(generator, m);
    if (!base)
        return effects;
    for (int k = 1; k <= kAllowanceCount; ++k) {
        Model bumped = m;
        bumped.Majo[static_cast<std::size_t>(k)] += 1;
        if (const auto after = styleBlank(generator, bumped))
            effects[static_cast<std::size_t>(k)] = compare(*base, *after);
    }
    return effects;
}

}  // namespace brontaxe
