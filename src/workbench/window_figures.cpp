#include "workbench/window_figures.h"

#include "platform/number_text.h"
#include "workbench/imposition.h"

namespace brontaxe {
namespace {

std::string metres(float millimetres) {
    return platform::formatNumber(millimetres / 1000.0, "#######0.00");
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
    f.lbCoupant = metres(m.LgCoupant);
    f.lbPerfoRainant = metres(m.LgPerfoRainant);
    f.lbPerfo = metres(m.LgPerfo);
    f.lbMiChair = metres(m.LgMiChair);
    f.lbRainant = metres(m.LgRainant);
    f.lbTotal = metres(m.LgTotal);

    f.lbnbposes = platform::numberText(m.NbPoses);
    f.lbSurf =
        platform::formatNumber(static_cast<double>(m.SurfDecoupee) * m.NbPoses / 1e6, "####0.000");
    const WasteFigures w = imposedWaste(m);
    f.lbDimHt =
        platform::formatNumber(w.ImpX, "#####") + " x " + platform::formatNumber(w.ImpY, "#####");
    if (m.SurfDecoupee > 0) {
        f.lbPerte = platform::formatNumber(m.PerteHorsTout, "#######0.00");
        f.lbperteFc =
            m.PerteFormat > 0 ? platform::formatNumber(m.PerteFormat, "#######0.00") : kNoWaste;
    } else {
        f.lbPerte = kNoWaste;
        f.lbperteFc = kNoWaste;
    }

    f.TxFmtCX = sheetText(m.FmtCartonX);
    f.TxFmtCY = sheetText(m.FmtCartonY);
    f.TxNbPoseX = platform::numberText(m.NbPoseX);
    f.TxNbPoseY = platform::numberText(m.NbPoseY);
    f.TxespX = platform::numberText(m.EspPoseX);
    f.TxespY = platform::numberText(m.EspPoseY);
    f.margeX = platform::numberText(m.Marges[0]);
    f.margeY = platform::numberText(m.Marges[1]);
    return f;
}

}  // namespace brontaxe
