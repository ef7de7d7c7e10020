#pragma once
#include <ostream>

#include "platform/paths.h"

namespace brontaxe::cli {

// brontaxe-cli CODE [--longueur L] [--largeur W] [--hauteur H] [--qualite N]
//              [--set NAME=VALUE]... [--dump] [-o FILE]
//              [--format-x MM --format-y MM | --poses-x N --poses-y N]
//              [--marge-x MM] [--marge-y MM] [--espace-x MM] [--espace-y MM] [--centre]
//              [--controle] [--force]
// Returns the process exit code: 0 drawn, 1 the drawing or its file failed, 2 bad input,
// 3 a blank with findings under --controle, or a CF2/DXF of such a blank not written.
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        const platform::EnvironmentLookup& env);

}  // namespace brontaxe::cli
