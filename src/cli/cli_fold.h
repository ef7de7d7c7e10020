#pragma once
// The command line's folded box: `--plie` prints, piece by piece, the box the blank folds
// into ("Pièce 1 pliée : 406 x 306 x 206 mm, dessus fermé, dessous fermé, intérieur 400 x
// 300 x 200 mm"), or why the style does not fold into its box yet.

#include <CLI/CLI.hpp>
#include <ostream>

#include "workbench/workbench.h"

namespace brontaxe::cli {

void defineFoldOptions(CLI::App& app, bool& folded);

void printFolded(std::ostream& out, const Workbench& wb);

}  // namespace brontaxe::cli
