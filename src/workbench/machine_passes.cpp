#include "workbench/machine_passes.h"

#include "platform/number_text.h"

namespace brontaxe {

MachinePassesView machinePassesView(const std::array<float, 17>& passes) {
    MachinePassesView v;
    for (std::size_t k = 0; k < 5; ++k) {
        v.PX[k] = platform::numberText(passes[k]);
        v.RHY[k] = platform::numberText(passes[6 + k]);
        v.RBY[k] = platform::numberText(passes[11 + k]);
    }
    v.HY0 = platform::numberText(passes[16]);
    v.fourthColumn = passes[3] != 0;
    v.fifthColumn = passes[4] != 0;
    return v;
}

std::string machinePassesText(const MachinePassesView& view) {
    const auto row = [&view](const char* caption, const std::array<std::string, 5>& values) {
        std::string line = caption;
        for (std::size_t k = 0; k < 5; ++k) {
            if ((k == 3 && !view.fourthColumn) || (k == 4 && !view.fifthColumn))
                continue;
            line += (k == 0 ? " " : " | ") + values[k];
        }
        return line + "\n";
    };
    std::string text = "Passages Machines :\n";
    text += row("  Largeurs (patte, panneaux) :", view.PX);
    text += "  Hauteur du corps : " + view.HY0 + "\n";
    text += row("  Rabats haut :", view.RHY);
    text += row("  Rabats bas :", view.RBY);
    return text;
}

}  // namespace brontaxe
