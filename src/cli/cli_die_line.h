#pragma once
// Die-lines made elsewhere on the command line: `brontaxe-cli client.dxf` or `plan.cf2` in
// place of a code, with the unit of a DXF file that names none and the kinds of layers the
// table does not know.

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "workbench/workbench.h"

namespace brontaxe::cli {

struct DieLineOptions {
    std::optional<std::string> unit;  // mm, cm, m, po (inches)
    std::vector<std::string> layers;  // NOM=coupe, "type 7=rainant"
};

void defineDieLineOptions(CLI::App& app, DieLineOptions& o);

// True when the argument in the place of the code names a die-line file.
bool namesDieLine(const std::string& argument);

// Reads the file into the workbench, which then draws it in place of a style; what was
// guessed or left out goes to `err` as warnings, counted in `warnings`. The French reason of a
// refusal, or nothing.
std::optional<std::string> openDieLineArgument(Workbench& wb, const std::string& path,
                                               const DieLineOptions& o, std::ostream& err,
                                               std::size_t& warnings);

}  // namespace brontaxe::cli
