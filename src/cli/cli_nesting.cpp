#include "cli/cli_nesting.h"

#include <algorithm>

#include "cli/cli_parse.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "workbench/nesting.h"
#include "workbench/nesting_workbench.h"

namespace brontaxe::cli {
namespace {

constexpr int kMostPoses = 10000;

std::string wholeMillimetres(double v) {
    return platform::formatNumber(v, "#######0");
}

std::string posesText(std::size_t n) {
    return std::to_string(n) + (n > 1 ? " poses" : " pose");
}

CLI::Validator poseCount() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            const int n = std::stoi(value);
            if (n < 1 || n > kMostPoses)
                return "nombre de poses de 1 à " + std::to_string(kMostPoses) +
                       " attendu au lieu de " + value;
            return {};
        },
        "");
}

}  // namespace

void defineNestingOptions(CLI::App& app, NestingOptions& o) {
    app.add_flag("--optimiser", o.optimise,
                 "Optimiser l'imposition : le plus de poses sur le Format Carton (découpes "
                 "retournées, rangs ou colonnes retournés, imbriqués, blocs), la grille à côté");
    app.add_flag("--rouleau", o.roll,
                 "Avec --optimiser : Format Carton en X est la laize d'un rouleau, en Y sa plus "
                 "grande longueur ; la longueur est coupée après les poses");
    app.add_flag("--quart-de-tour", o.quarterTurns,
                 "Avec --optimiser : quart de tour permis (la cannelure passe en travers sur les "
                 "poses tournées)");
    app.add_option("--nb-poses", o.count,
                   "Avec --optimiser : le plus petit Format Carton (ou la plus courte longueur "
                   "de rouleau) pour exactement ce nombre de poses")
        ->transform(wholeNumberText())
        ->check(poseCount());
}

std::optional<std::string> nestingProblem(const NestingOptions& o) {
    if (!o.optimise && (o.roll || o.count || o.quarterTurns))
        return std::string("--rouleau, --nb-poses et --quart-de-tour vont avec --optimiser");
    return std::nullopt;
}

std::optional<std::string> sheetProblem(const NestingOptions& o, bool formatX, bool formatY) {
    if (o.optimise && o.count && o.roll) {
        if (!formatX)
            return std::string("--rouleau --nb-poses : donner la laize du rouleau (--format-x)");
        return std::nullopt;
    }
    if (o.optimise && o.count && (formatX || formatY))
        return std::string(
            "--nb-poses calcule le Format Carton : ne pas donner --format-x "
            "ni --format-y (sauf la laize avec --rouleau)");
    if (formatX && !formatY)
        return std::string("Format Carton incomplet : --format-x sans --format-y");
    if (formatY && !formatX)
        return std::string("Format Carton incomplet : --format-y sans --format-x");
    return std::nullopt;
}

std::optional<std::string> applyNesting(Workbench& wb, const NestingOptions& o, std::ostream& out) {
    if (!o.optimise)
        return std::nullopt;
    wb.imposition().quarterTurns = o.quarterTurns;
    wb.imposition().roll = o.roll;
    const std::optional<NestingOffer> offer =
        optimiseImposition(wb, {.roll = o.roll, .count = o.count, .rollWidth = o.rollWidth});
    if (!offer)
        return std::string("aucune pose ne tient sur le Format Carton");
    const Arrangement& a = offer->arrangement;
    const std::string grid =
        "grille : " + posesText(static_cast<std::size_t>(std::max(0, offer->gridPoses))) + " sur " +
        wholeMillimetres(offer->sheetX) + " x " + wholeMillimetres(offer->sheetY) + " mm";
    // Without a count asked, an arrangement no better than the grid is not taken.
    if (!o.count && !offer->beatsGrid()) {
        out << "Imposition optimisée : pas mieux que la grille (" << posesText(a.poses.size())
            << "), la grille est gardée ; " << grid << "\n";
        return std::nullopt;
    }
    takeNestingOffer(wb, *offer);
    out << "Imposition optimisée : " << arrangementText(a) << " (" << patternDescription(a.pattern)
        << " ; poses à " << turnsText(a) << "), " << grid << "\n";
    return std::nullopt;
}

void printPoseCount(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const char* hidden = wb.imposition().AvecImpos ? "" : " (non dessinées)";
    if (const Arrangement* a = wb.nestedArrangement()) {
        out << arrangementText(*a) << hidden << "\n";
        return;
    }
    out << StringTable::builtIn().text(640) << " : " << m.NbPoseX << " x " << m.NbPoseY << " = "
        << m.NbPoses << hidden << "\n";
}

}  // namespace brontaxe::cli
