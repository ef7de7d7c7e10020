#pragma once
// The command line's bridges and rule report: `--ponts LARGEUR[,PAS]` places bridges in the
// cuts, `--regles` prints the rules of the die ("Règles de la forme").

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "workbench/workbench.h"

namespace brontaxe::cli {

struct BridgeOptions {
    std::string bridges;  // "LARGEUR[,PAS]", empty when not given
    bool rules = false;
};

void defineBridgeOptions(CLI::App& app, BridgeOptions& o);

// Sets the design's bridges from `--ponts`; the French reason when the text is wrong.
std::optional<std::string> applyBridgeOptions(Model& m, const BridgeOptions& o);

void printRules(std::ostream& out, const Workbench& wb);

}  // namespace brontaxe::cli
