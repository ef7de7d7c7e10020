#pragma once
// The command line's compression estimate: `--rcv` prints the McKee estimate of the box under
// the figures, with `--ect`, `--humidite` and `--stockage`, as the "Calcul RCV" dialog computes
// it in metric units.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "model/model.h"

namespace brontaxe::cli {

struct RcvOptions {
    bool rcv = false;
    double ect = 7;
    std::optional<double> humidity;     // relative humidity in percent
    std::optional<double> storageDays;  // storage time in days
};

void defineRcvOptions(CLI::App& app, RcvOptions& o);

// Why the values cannot be used (French), or nothing.
std::optional<std::string> rcvProblem(const RcvOptions& o);

// "RCV = ... kg" with the values and factors it was computed from.
void printRcv(std::ostream& out, const Model& m, const RcvOptions& o);

}  // namespace brontaxe::cli
