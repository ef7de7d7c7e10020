#include "workbench/machine_passes.h"

#include <algorithm>

#include "model/machine_pass_entries.h"
#include "platform/number_text.h"

namespace brontaxe {

MachinePassesView machinePassesView(const std::array<float, 17>& passes) {
    MachinePassesView v;
    using namespace machine_pass;
    for (std::size_t k = 0; k < kColumns; ++k) {
        v.panelWidths[k] = platform::shownNumber(passes[width(k)]);
        v.upperFlaps[k] = platform::shownNumber(passes[upperFlap(k)]);
        v.lowerFlaps[k] = platform::shownNumber(passes[lowerFlap(k)]);
    }
    v.bodyHeight = platform::shownNumber(passes[kBodyHeight]);
    v.fourthColumn = passes[width(3)] != 0;
    v.fifthColumn = passes[width(4)] != 0;
    v.recorded = std::any_of(passes.begin(), passes.end(), [](float p) { return p != 0; });
    return v;
}

std::string machinePassesText(const MachinePassesView& view) {
    if (!view.recorded)
        return std::string(kNoMachinePasses) + "\n";
    const auto row = [&view](const char* caption, const std::array<std::string, 5>& values) {
        std::string line = caption;
        for (std::size_t k = 0; k < 5; ++k) {
            if ((k == 3 && !view.fourthColumn) || (k == 4 && !view.fifthColumn))
                continue;
            line += (k == 0 ? " " : " | ") + values[k];
        }
        return line + "\n";
    };
    std::string text = "Passages-Machine :\n";
    text += row("  Largeurs (patte, panneaux) :", view.panelWidths);
    text += "  Hauteur du corps : " + view.bodyHeight + "\n";
    text += row("  Rabats haut :", view.upperFlaps);
    text += row("  Rabats bas :", view.lowerFlaps);
    return text;
}

}  // namespace brontaxe
