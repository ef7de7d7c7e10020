#include "cli/cli_report.h"

#include <iomanip>
#include <string>

#include "mainwindow/imposition.h"
#include "platform/number_text.h"
#include "resources/string_table.h"

namespace brontaxe::cli {
namespace {

void lengthLine(std::ostream& out, const std::string& caption, float millimetres) {
    out << "  " << std::left << std::setw(18) << caption << std::right << std::setw(10)
        << platform::formatNumber(millimetres / 1000.0, "#######0.00") << " m\n";
}

// The grade's label as the grade list shows it, and the board thickness in use.
std::string gradeText(const Workbench& wb) {
    const Model& m = wb.model();
    const std::string name = wb.majo().grades().holds(m.NumQualite)
                                 ? wb.majo().LibelleQualite(m.NumQualite)
                                 : std::to_string(m.NumQualite);
    return name + ", épaisseur " + platform::numberText(m.EpaisseurCarton) + " mm";
}

}  // namespace

void printFigures(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const StringTable& s = StringTable::builtIn();
    out << "Modèle " << m.CodeModele << " : intérieur " << platform::numberText(m.Longueur) << " x "
        << platform::numberText(m.Largeur) << " x " << platform::numberText(m.Hauteur)
        << " mm, qualité " << gradeText(wb) << "\n";
    out << s.text(622) << " " << platform::formatNumber(m.HorsToutX, "#######0.00") << " x "
        << platform::formatNumber(m.HorsToutY, "#######0.00") << " mm\n";
    out << s.text(610) << "\n";
    lengthLine(out, s.text(601), m.LgCoupant);
    lengthLine(out, s.text(602), m.LgPerfoRainant);
    lengthLine(out, s.text(603), m.LgPerfo);
    lengthLine(out, s.text(604), m.LgMiChair);
    lengthLine(out, s.text(605), m.LgRainant);
    lengthLine(out, s.text(606), m.LgTotal);
    out << "Éléments : " << wb.Trazel1().ElementCount() << "\n";
}

namespace {

std::string wasteText(double percent) {
    return percent > 0 ? platform::formatNumber(percent, "#######0.00") + " %" : "XXXXXX";
}

}  // namespace

void printImposition(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const StringTable& s = StringTable::builtIn();
    const WasteFigures w = imposedWaste(m);
    out << s.text(640) << " : " << m.NbPoseX << " x " << m.NbPoseY << " = " << m.NbPoses
        << (wb.imposition().AvecImpos ? "" : " (non dessinées)") << "\n";
    out << s.text(630) << " : " << platform::formatNumber(m.FmtCartonX, "#######0") << " x "
        << platform::formatNumber(m.FmtCartonY, "#######0") << " mm"
        << (wb.imposition().ChkCentre ? " (" + s.text(1272) + ")" : "") << "\n";
    out << "Dim. imposée : " << platform::formatNumber(w.ImpX, "#####") << " x "
        << platform::formatNumber(w.ImpY, "#####") << " mm\n";
    out << s.text(624) << " " << wasteText(w.PerteHorsTout) << "\n";
    out << s.text(625) << " " << wasteText(w.PerteFormat) << "\n";
}

}  // namespace brontaxe::cli
