#include "cli/cli_bridges.h"

#include "cli/cli_parse.h"
#include "drawing/rule_report.h"
#include "platform/user_number.h"
#include "workbench/design_bridges.h"

namespace brontaxe::cli {
namespace {

std::optional<double> part(const std::string& text) {
    return text.empty() ? std::nullopt : platform::readUserNumber(text);
}

}  // namespace

void defineBridgeOptions(CLI::App& app, BridgeOptions& o) {
    app.add_option("--ponts", o.bridges,
                   "Ponts dans le coupant : LARGEUR[,PAS] en mm (0.5,150 par exemple)")
        ->check(nonEmptyText())
        ->option_text("LARGEUR[,PAS]");
    app.add_flag("--regles", o.rules, "Affiche les règles de la forme (filets, plis, arcs, ponts)");
}

std::optional<std::string> applyBridgeOptions(Model& m, const BridgeOptions& o) {
    if (o.bridges.empty())
        return std::nullopt;
    const std::size_t comma = o.bridges.find(',');
    const std::optional<double> width = part(o.bridges.substr(0, comma));
    const std::optional<double> pitch = comma == std::string::npos
                                            ? std::optional<double>(m.pasPonts)
                                            : part(o.bridges.substr(comma + 1));
    if (!width || !(*width > 0 && *width <= 10) || !pitch || !(*pitch >= 1 && *pitch <= 1e6))
        return "Ponts incorrects : \"" + o.bridges +
               "\" (LARGEUR de 0.5 à 10 mm, PAS d'au moins 1 mm : --ponts 0.5,150)";
    m.ponts = true;
    m.lgPont = static_cast<float>(*width);
    m.pasPonts = static_cast<float>(*pitch);
    return std::nullopt;
}

void printRules(std::ostream& out, const Workbench& wb) {
    const int poses = wb.imposition().AvecImpos ? wb.model().NbPoses : 1;
    out << ruleReportText(imposedRuleReport(wb.drawing(), poses));
}

}  // namespace brontaxe::cli
