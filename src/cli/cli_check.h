#pragma once
// The command line's part of the design-rule check: the verdict printed under the figures,
// `--controle` (a blank with findings ends with its own exit code) and `--force` (die-making
// files written even from a blank with findings).

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "check/design_check.h"
#include "workbench/workbench.h"

namespace brontaxe::cli {

// Exit code of a blank with findings under `--controle`, and of a die-making file refused.
inline constexpr int kExitFindings = 3;

struct CheckOptions {
    bool failOnFindings = false;
    bool force = false;
};

void defineCheckOptions(CLI::App& app, CheckOptions& o);

// Prints the verdict and the findings, those that repeat grouped; returns the findings.
std::vector<Finding> printCheck(std::ostream& out, const Workbench& wb);

// Why `output` is not written (French), or nothing: CF2 and DXF of a blank with findings
// are refused unless forced.
std::optional<std::string> refusedExport(const std::filesystem::path& output,
                                         const std::vector<Finding>& findings,
                                         const CheckOptions& o);

}  // namespace brontaxe::cli
