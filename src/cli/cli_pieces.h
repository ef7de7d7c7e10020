#pragma once
// The command line's piece options, as the window's menus "Morceaux" and "Passages-Machine"
// set them, with the same style gate; the machine passes printed; the section tool.

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>

#include "workbench/workbench.h"

namespace brontaxe::cli {

struct PieceOptions {
    std::optional<std::string> piece;  // tous, couvercle, faces, fond
    bool twoPieces = false;
    std::optional<int> fourPieces;             // 1 to 4
    std::optional<std::string> passDirection;  // x, y, aucun
    bool showPasses = false;
    std::optional<double> section;  // position from the left or bottom edge
    std::string keep = "gauche";    // gauche, droite, haute, basse
};

void definePieceOptions(CLI::App& app, PieceOptions& o);

// Sets the options in the model (after --set, so that the gate sees every way of asking for
// pieces). Why they are refused, in French, or nothing.
std::optional<std::string> applyPieceOptions(Model& m, const PieceOptions& o);

// The regeneration: the plain one, or the blank cut by --section. A refused section is
// returned as the report's message with nothing drawn.
RegenerationReport regenerate(Workbench& wb, const PieceOptions& o);

// "Passages-Machine" under the figures when asked.
void printPasses(std::ostream& out, const Workbench& wb, const PieceOptions& o);

}  // namespace brontaxe::cli
