#pragma once
// The command line's optimiser: `--optimiser` takes the arrangement with the most poses on
// the sheet of --format-x and --format-y (with `--rouleau`, a roll that wide and at most that
// long) and says it beside the grid; with `--nb-poses N`, the least sheet (or roll length)
// for N poses instead.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "workbench/workbench.h"

namespace brontaxe::cli {

struct NestingOptions {
    bool optimise = false;
    bool roll = false;
    std::optional<int> count;
};

void defineNestingOptions(CLI::App& app, NestingOptions& o);

// Options that go only with --optimiser, used without it.
std::optional<std::string> nestingProblem(const NestingOptions& o);

// With --optimiser, the best arrangement becomes the imposition and is said on `out`; the
// reason when there is none.
std::optional<std::string> applyNesting(Workbench& wb, const NestingOptions& o, std::ostream& out);

}  // namespace brontaxe::cli
