#include "techsheet/placeholders.h"

#include <utility>

#include "board/board_tables.h"
#include "drawing/drawing.h"
#include "drawing/rule_report.h"
#include "model/model.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

void replaceFirst(std::string& text, std::string_view placeholder, const std::string& by) {
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), by);
}

}  // namespace

SheetRules SheetRules::of(const Drawing& d) {
    const RuleReport r = ruleReport(d, static_cast<std::size_t>(d.blankElementCount()));
    SheetRules s;
    s.cutRules = r.of(kind::Cut).rules;
    s.creaseRules = r.of(kind::Crease).rules + r.of(kind::PerforatedCrease).rules;
    for (const KindRules& k : r.kinds) {
        s.bends += k.bends;
        s.arcs += k.arcs;
        s.bridges += k.bridges;
    }
    s.cutOuts = r.cutOuts;
    return s;
}

SheetBox SheetBox::of(const Model& m, const BoardTables& tables) {
    return SheetBox{m.CodeModele,
                    m.Longueur,
                    m.Largeur,
                    m.Hauteur,
                    tables.gradeLabel(m.NumQualite),
                    tables.gradeThickness(m.NumQualite)};
}

std::string fillPlaceholders(std::string value, const SheetBox& box) {
    using platform::numberTextBlank;
    const std::pair<std::string_view, std::string> replacements[] = {
        {"#M#", box.code},
        {"#L#", numberTextBlank(box.length)},
        {"#B#", numberTextBlank(box.width)},
        {"#H#", numberTextBlank(box.height)},
        {"#Q#", box.gradeLabel},
        {"#T#", numberTextBlank(box.gradeThickness)},
        {"#FC#", std::to_string(box.rules.cutRules)},
        {"#FR#", std::to_string(box.rules.creaseRules)},
        {"#PL#", std::to_string(box.rules.bends)},
        {"#AR#", std::to_string(box.rules.arcs)},
        {"#PT#", std::to_string(box.rules.bridges)},
        {"#DF#", std::to_string(box.rules.cutOuts)},
    };
    for (const auto& [placeholder, by] : replacements)
        replaceFirst(value, placeholder, by);
    return value;
}

void showSheetAnswers(Drawing& d, SheetBox box) {
    if (d.FieldCount() == 0)
        return;
    box.rules = SheetRules::of(d);
    for (std::int32_t i = 1; i <= d.FieldCount(); ++i)
        d.ShowFieldText(i, fillPlaceholders(d.FieldValue(i), box));
}

}  // namespace brontaxe
