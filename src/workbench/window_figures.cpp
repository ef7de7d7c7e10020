#include "workbench/window_figures.h"

#include "platform/number_text.h"
#include "workbench/imposition.h"

namespace brontaxe {
namespace {

// The figures as the user reads them: the shortest form, a decimal comma ("5,66", "0").
std::string metres(float millimetres) {
    return platform::readableNumber(millimetres / 1000.0);
}

// The sheet in whole millimetres, as the imposition keeps it: "1452", without the point of
// "#######0." that reads as a typo in a box.
std::string sheetText(float millimetres) {
    std::string text = platform::formatNumber(millimetres, "#######0.");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace

void computeWaste(Model& m) {
    const WasteFigures w = imposedWaste(m);
    m.PerteHorsTout = static_cast<float>(w.PerteHorsTout);
    m.PerteFormat = static_cast<float>(w.PerteFormat);
}

WindowFigures windowFigures(const Model& m) {
    WindowFigures f;
    f.cutLength = metres(m.LgCoupant);
    f.cutCreaseLength = metres(m.LgPerfoRainant);
    f.perforationLength = metres(m.LgPerfo);
    f.halfCutLength = metres(m.LgMiChair);
    f.creaseLength = metres(m.LgRainant);
    f.totalLength = metres(m.LgTotal);
    if (m.NbPonts > 0) {
        f.bridgedCutLength = metres(m.LgCoupant - m.LgPonts);
        f.bridgeCount = platform::numberText(m.NbPonts);
    }

    f.poseCount = platform::numberText(m.NbPoses);
    f.cutSurface =
        platform::readableNumber(static_cast<double>(m.SurfDecoupee) * m.NbPoses / 1e6, {}, 3);
    const WasteFigures w = imposedWaste(m);
    f.imposedSize =
        platform::formatNumber(w.ImpX, "#####") + " x " + platform::formatNumber(w.ImpY, "#####");
    if (m.SurfDecoupee > 0) {
        f.waste = platform::readableNumber(m.PerteHorsTout);
        f.sheetWaste = m.PerteFormat > 0 ? platform::readableNumber(m.PerteFormat) : kNoWaste;
    } else {
        f.waste = kNoWaste;
        f.sheetWaste = kNoWaste;
    }

    f.sheetX = sheetText(m.FmtCartonX);
    f.sheetY = sheetText(m.FmtCartonY);
    f.posesX = platform::numberText(m.NbPoseX);
    f.posesY = platform::numberText(m.NbPoseY);
    f.gapX = platform::numberText(m.EspPoseX);
    f.gapY = platform::numberText(m.EspPoseY);
    f.marginX = platform::numberText(m.Marges[0]);
    f.marginY = platform::numberText(m.Marges[1]);
    return f;
}

}  // namespace brontaxe
