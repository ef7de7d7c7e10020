#pragma once
#include <ostream>

#include "platform/paths.h"

namespace brontaxe::cli {

// brontaxe-cli CODE [--longueur L] [--largeur W] [--hauteur H] [--qualite N]
//              [--set NAME=VALUE]... [--dump] [-o FILE]
//              [--format-x MM --format-y MM | --poses-x N --poses-y N]
//              [--marge-x MM] [--marge-y MM] [--espace-x MM] [--espace-y MM] [--centre]
//              [--controle] [--force]
// Returns the process exit code below.
inline constexpr int kDrawn = 0;
inline constexpr int kFailed = 1;    // the drawing or its file failed
inline constexpr int kBadInput = 2;  // refused before drawing: nothing written
// 3 (kExitFindings, cli/cli_check.h): a blank with findings under --controle, or a CF2/DXF of
// such a blank not written.
// Drawn and written, but the data did not say what the drawing follows (settings set aside,
// table files missing or damaged, no allowance record for the code and grade): warnings on
// stderr. The design-rule check's code comes first when both apply.
inline constexpr int kDrawnWithDataWarning = 4;

// `errIsTerminal`: a long write shows its progress on `err`, a line redrawn in place.
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        const platform::EnvironmentLookup& env, bool errIsTerminal = false);

}  // namespace brontaxe::cli
