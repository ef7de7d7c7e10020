#pragma once
// The command line's optimiser: `--optimiser` takes the arrangement with the most poses on
// the sheet of --format-x and --format-y (with `--rouleau`, a roll that wide and at most that
// long) and says it beside the grid; with `--nb-poses N`, the least sheet (or roll length)
// for exactly N poses instead. The blank turns a quarter turn only with `--quart-de-tour`
// (or when its style keeps no flute direction).

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "workbench/workbench.h"

namespace brontaxe::cli {

struct NestingOptions {
    bool optimise = false;
    bool roll = false;
    bool quarterTurns = false;
    std::optional<int> count;
    std::optional<double> rollWidth;  // --format-x with --rouleau
};

void defineNestingOptions(CLI::App& app, NestingOptions& o);

// Options that go only with --optimiser, used without it.
std::optional<std::string> nestingProblem(const NestingOptions& o);

// The sheet options the optimiser needs: both sizes, or with --rouleau --nb-poses the roll's
// width alone; none with --nb-poses on a sheet.
std::optional<std::string> sheetProblem(const NestingOptions& o, bool formatX, bool formatY);

// With --optimiser, the best arrangement becomes the imposition when it lays more poses than
// the grid, and is said on `out`; the reason when there is none.
std::optional<std::string> applyNesting(Workbench& wb, const NestingOptions& o, std::ostream& out);

// The poses laid: "15 poses : 2 rangs (8 + 7)" for the optimiser's, "Poses : 4 x 2 = 8" for
// the grid.
void printPoseCount(std::ostream& out, const Workbench& wb);

}  // namespace brontaxe::cli
