#include "workbench/imposition.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/number_text.h"
#include "styles/02/fco200_lid_common.h"

namespace brontaxe {
namespace {

double marginFactor(const ImpositionSettings& s) {
    return s.ChkCentre ? 2.0 : 1.0;
}

// The box's integer division: both operands rounded to whole numbers (halves to even, the
// default rounding mode), then divided, truncating toward zero. No quotient when the divisor
// rounds to zero or a value is not finite.
std::optional<double> wholeQuotient(double a, double b) {
    const double ra = std::nearbyint(a);
    const double rb = std::nearbyint(b);
    if (!std::isfinite(ra) || !std::isfinite(rb) || rb == 0)
        return std::nullopt;
    return std::trunc(ra / rb);
}

std::string axisName(bool alongX) {
    return alongX ? "X" : "Y";
}

// A count the drawing can take: 1 to kMaxPosesPerSide, with a word for the user whenever the
// value had to change for another reason than the usual "0 becomes 1".
std::int16_t boundedCount(double count, bool alongX, ImpositionNotices& notices) {
    if (!std::isfinite(count) || count < 0) {
        notices.push_back("Nombre de poses en " + axisName(alongX) +
                          " impossible : une seule pose comptée");
        return 1;
    }
    if (count > kMaxPosesPerSide) {
        notices.push_back("Nombre de poses en " + axisName(alongX) + " limité à " +
                          std::to_string(kMaxPosesPerSide) + " (" +
                          platform::numberText(std::trunc(count)) + " demandées)");
        return kMaxPosesPerSide;
    }
    return count < 1 ? std::int16_t{1} : static_cast<std::int16_t>(count);
}

std::int16_t sheetCount(double sheet, double nest, double margins, double gap, double pitch,
                        bool alongX, ImpositionNotices& notices) {
    const double span = (sheet - nest) - margins + gap;
    const std::optional<double> q = wholeQuotient(span, pitch);
    if (!q || std::nearbyint(pitch) < 0) {
        notices.push_back("Pas des poses nul ou négatif en " + axisName(alongX) +
                          " : une seule pose comptée");
        return 1;
    }
    if (sheet - margins < 0) {
        notices.push_back("Les marges dépassent le format en " + axisName(alongX) +
                          " : une seule pose comptée");
        return 1;
    }
    return boundedCount(*q, alongX, notices);
}

void sheetMode(Model& m, double f, ImpositionNotices& notices) {
    if (m.FmtCartonX <= 0 || m.FmtCartonY <= 0 || !std::isfinite(m.FmtCartonX) ||
        !std::isfinite(m.FmtCartonY)) {
        m.FmtCartonX = 2 * m.Marges[0] + m.HorsToutX;
        m.FmtCartonY = 2 * m.Marges[1] + m.HorsToutY;
    }
    const NestingOffsets nest = nestingOffsets(m);
    const double pX = double{m.HorsToutX} + m.EspPoseX - nest.dX;
    const double pY = double{m.HorsToutY} + m.EspPoseY - nest.dY;
    m.NbPoseX = sheetCount(m.FmtCartonX, nest.dX, m.Marges[0] * f, m.EspPoseX, pX, true, notices);
    m.NbPoseY = sheetCount(m.FmtCartonY, nest.dY, m.Marges[1] * f, m.EspPoseY, pY, false, notices);
}

void poseMode(Model& m, double f, ImpositionNotices& notices) {
    m.NbPoseX = boundedCount(m.NbPoseX, true, notices);
    m.NbPoseY = boundedCount(m.NbPoseY, false, notices);
    m.FmtCartonX = static_cast<float>(m.NbPoseX * double{m.HorsToutX} +
                                      (m.NbPoseX - 1) * double{m.EspPoseX} + m.Marges[0] * f);
    m.FmtCartonY = static_cast<float>(m.NbPoseY * double{m.HorsToutY} +
                                      (m.NbPoseY - 1) * double{m.EspPoseY} + m.Marges[1] * f);
}

}  // namespace

NestingOffsets nestingOffsets(const Model& m) {
    NestingOffsets n;
    const std::string& code = m.CodeModele;
    const double W = m.Largeur;
    if (code == "0210" || code == "0211") {
        // The lid and tuck-in of one row reach over the dust flaps of the next.
        const LidAllowances a = lidAllowances(m);
        n.dY = W + a.lidDepth + a.lidHinge + m.hpatrent - m.hrabat;
    } else if (code == "0215" || code == "0713") {
        n.dY = W / 2 - m.hrabat + m.hrecouvr;
    } else if (code == "0421" || code == "0427" || code == "0429") {
        // The side walls of one column reach beside the narrower lid of the next.
        const double t = 2.0 * m.Hauteur + m.Dblmur;
        if (W / 2 < t) {
            if (code == "0421") {
                n.dX = t - W / 2;
            } else {
                const double u = code == "0427" ? m.hrabat : m.Hauteur;
                n.dX = std::min(2 * (t - W / 2), t - u);
            }
        }
    }
    return n;
}

ImpositionNotices computeImposition(Model& m, const ImpositionSettings& s) {
    ImpositionNotices notices;
    const double f = marginFactor(s);
    m.ImposeeX = m.ImposeeY = 0;
    if (m.ImposManuelle)
        sheetMode(m, f, notices);
    else
        poseMode(m, f, notices);
    m.NbPoses = static_cast<std::int16_t>(m.NbPoseX * m.NbPoseY);
    return notices;
}

WasteFigures imposedWaste(const Model& m) {
    WasteFigures w;
    if (m.ImposeeX > 0 && m.ImposeeY > 0)
        return wasteOf(m, m.ImposeeX, m.ImposeeY);
    w.ImpX = double{m.HorsToutX} * m.NbPoseX + double{m.EspPoseX} * (m.NbPoseX - 1);
    // Nested folder columns stand closer by their offset: the imposed rectangle is what the
    // poses cover, not the plain grid.
    if (m.NbPoseX > 1)
        w.ImpX -= nestingOffsets(m).dX * (m.NbPoseX - 1);
    w.ImpY = double{m.HorsToutY} * m.NbPoseY + double{m.EspPoseY} * (m.NbPoseY - 1);
    return wasteOf(m, w.ImpX, w.ImpY);
}

WasteFigures wasteOf(const Model& m, double imposedX, double imposedY) {
    WasteFigures w{imposedX, imposedY};
    if (m.SurfDecoupee <= 0)
        return w;
    const double used = double{m.SurfDecoupee} * m.NbPoses;
    const double imposed = w.ImpX * w.ImpY;
    const double sheet = double{m.FmtCartonX} * m.FmtCartonY;
    if (imposed > 0)
        w.PerteHorsTout = (imposed - used) / imposed * 100;
    if (sheet > 0)
        w.PerteFormat = (sheet - used) / sheet * 100;
    return w;
}

}  // namespace brontaxe
