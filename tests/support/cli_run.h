#pragma once
// Runs the command-line tool in-process with its own settings folder, as a user's shell would.

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace brontaxe::test {

// The French texts with their non-breaking spaces made plain ones, so that a test looks for
// "Erreur : ..." as it reads; the typography itself is checked on `rawOut` and `rawErr`.
struct CliRun {
    int code = 0;
    std::string out;
    std::string err;
    std::string rawOut;
    std::string rawErr;
};

// args without the program name; BRONTAXE_CONFIG_DIR is the given folder, no other variable set.
CliRun runCli(std::vector<const char*> args, const TempDir& config);

}  // namespace brontaxe::test
