#include "cli/cli_nesting.h"

#include "platform/number_text.h"
#include "workbench/nesting_workbench.h"

namespace brontaxe::cli {
namespace {

std::string millimetres(double v) {
    return platform::formatNumber(v, "#######0");
}

}  // namespace

void defineNestingOptions(CLI::App& app, NestingOptions& o) {
    app.add_flag("--optimiser", o.optimise,
                 "Optimiser l'imposition : le plus de poses sur le Format Carton (découpes "
                 "tournées, rangs ou colonnes retournés, imbriqués), la grille à côté");
    app.add_flag("--rouleau", o.roll,
                 "Avec --optimiser : Format Carton en X est la laize d'un rouleau, en Y sa plus "
                 "grande longueur ; la longueur est coupée après les poses");
    app.add_option("--nb-poses", o.count,
                   "Avec --optimiser : le plus petit Format Carton (ou la plus courte longueur "
                   "de rouleau) pour ce nombre de poses")
        ->check(CLI::Range(1, 10000));
}

std::optional<std::string> nestingProblem(const NestingOptions& o) {
    if (!o.optimise && (o.roll || o.count))
        return std::string("--rouleau et --nb-poses vont avec --optimiser");
    return std::nullopt;
}

std::optional<std::string> applyNesting(Workbench& wb, const NestingOptions& o, std::ostream& out) {
    if (!o.optimise)
        return std::nullopt;
    const std::optional<NestingOffer> offer =
        optimiseImposition(wb, {.roll = o.roll, .count = o.count});
    if (!offer)
        return std::string("aucune pose ne tient sur le Format Carton");
    takeNestingOffer(wb, *offer);
    out << "Imposition optimisée : " << offer->arrangement.poses.size() << " poses ("
        << patternDescription(offer->arrangement.pattern) << "), grille : " << offer->gridPoses
        << " poses sur " << millimetres(offer->sheetX) << " x " << millimetres(offer->sheetY)
        << " mm\n";
    return std::nullopt;
}

}  // namespace brontaxe::cli
