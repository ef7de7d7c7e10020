#pragma once
// The machine passes of the last slotted blank as the operator reads them: the widths across
// the blank (glue tab and four panels), the body height and the flap values above and below.

#include <array>
#include <string>

#include "model/model.h"

namespace brontaxe {

struct MachinePassesView {
    std::array<std::string, 5> panelWidths;  // glue tab, then the four panels
    std::string bodyHeight;                  // body height
    std::array<std::string, 5> upperFlaps;   // upper flap values
    std::array<std::string, 5> lowerFlaps;   // lower flap values
    // Columns of the fourth and fifth widths: hidden when that width is 0 (two- and
    // four-piece boxes, styles that record fewer panels).
    bool fourthColumn = false;
    bool fifthColumn = false;
    // The style's builders recorded passes: false for styles drawn without the slotted body
    // (folders, trays, fittings), which have none to show.
    bool recorded = false;
};

// What the window says of a style whose builders record no passes.
inline constexpr const char* kNoMachinePasses =
    "Ce modèle n'a pas de passages machine : seuls les corps à rabats (caisses 02 et "
    "leurs dérivés) en relèvent.";

// Entry 0 the glue tab, 1 to 4 the panels, 6 to 10 the upper flaps, 11 to 15 the lower ones,
// 16 the body height; entry 5 is not shown. Values as the operator reads them (12,5).
MachinePassesView machinePassesView(const std::array<float, 17>& passes);

// The same for a terminal, one line a row, hidden columns left out.
std::string machinePassesText(const MachinePassesView& view);

}  // namespace brontaxe
