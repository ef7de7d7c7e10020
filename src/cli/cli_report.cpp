#include "cli/cli_report.h"

#include <iomanip>
#include <string>
#include <string_view>

#include "cli/cli_nesting.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "styles/generators.h"
#include "workbench/catalogue.h"
#include "workbench/catalogue_forms.h"
#include "workbench/imposition.h"
#include "workbench/window_figures.h"

namespace brontaxe::cli {
namespace {

void lengthLine(std::ostream& out, const std::string& caption, float millimetres) {
    out << "  " << std::left << std::setw(18) << caption << std::right << std::setw(10)
        << platform::readableNumber(millimetres / 1000.0) << " m\n";
}

std::string percent(const std::string& figure) {
    return figure == kNoWaste ? figure : figure + " %";
}

// The grade's label as the grade list shows it, and the board thickness in use.
std::string gradeText(const Workbench& wb) {
    const Model& m = wb.model();
    const std::string name = wb.boardTables().grades().holds(m.NumQualite)
                                 ? wb.boardTables().gradeLabel(m.NumQualite)
                                 : std::to_string(m.NumQualite);
    return name + ", épaisseur " + platform::shownNumber(m.EpaisseurCarton) + " mm";
}

}  // namespace

void printFigures(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const StringTable& s = StringTable::builtIn();
    const std::string note = formNote(m.CodeModele);
    if (wb.hasDieLine())
        out << "Découpe " << m.CodeModele << " : sans modèle, mesurée telle que lue\n";
    else
        out << "Modèle " << m.CodeModele << (note.empty() ? "" : " (" + note + ")")
            << " : intérieur " << platform::shownNumber(m.Longueur) << " x "
            << platform::shownNumber(m.Largeur) << " x " << platform::shownNumber(m.Hauteur)
            << " mm, qualité " << gradeText(wb) << "\n";
    if (wb.hasBlankEdits())
        out << "Découpe modifiée à la main : les figures sont celles de la découpe modifiée\n";
    out << s.text(622) << " " << platform::readableNumber(m.HorsToutX) << " x "
        << platform::readableNumber(m.HorsToutY) << " mm\n";
    out << s.text(610) << "\n";
    lengthLine(out, s.text(601), m.LgCoupant);
    if (m.NbPonts > 0) {
        lengthLine(out, "Coupant - ponts :", m.LgCoupant - m.LgPonts);
        out << "  " << std::left << std::setw(18) << "Ponts :" << std::right << std::setw(10)
            << m.NbPonts << "\n";
    }
    lengthLine(out, s.text(602), m.LgPerfoRainant);
    lengthLine(out, s.text(603), m.LgPerfo);
    lengthLine(out, s.text(604), m.LgMiChair);
    lengthLine(out, s.text(605), m.LgRainant);
    lengthLine(out, s.text(606), m.LgTotal);
    const WindowFigures f = windowFigures(m);
    out << s.text(620) << "\n";
    out << "  " << s.text(621) << " " << f.cutSurface << " m²\n";
    out << "  " << s.text(623) << " : " << f.poseCount << "\n";
    out << "  " << s.text(624) << " " << percent(f.waste) << "\n";
    out << "  " << s.text(625) << " " << percent(f.sheetWaste) << "\n";
    out << "Éléments : " << wb.drawing().ElementCount() << "\n";
}

void printCatalogue(std::ostream& out) {
    const StringTable& s = StringTable::builtIn();
    for (const Family& family : catalogueFamilies()) {
        out << s.text(familyCaptionEntry(family.number)) << "\n";
        for (std::string_view code : family.codes) {
            const DispatchTarget t = dispatchCode(code, false, 0, 0);
            const bool drawn = t.kind == DispatchKind::Generator && findGenerator(t.generatorCode);
            const std::string note = drawn ? formNote(code) : "non disponible";
            out << "  " << code << (note.empty() ? "" : "  (" + note + ")") << "\n";
        }
    }
}

void printImposition(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const StringTable& s = StringTable::builtIn();
    const WasteFigures w = imposedWaste(m);
    printPoseCount(out, wb);
    out << s.text(630) << " : " << platform::formatNumber(m.FmtCartonX, "#######0") << " x "
        << platform::formatNumber(m.FmtCartonY, "#######0") << " mm"
        << (wb.imposition().ChkCentre ? " (" + s.text(1272) + ")" : "") << "\n";
    out << "Dim. imposée : " << platform::formatNumber(w.ImpX, "#####") << " x "
        << platform::formatNumber(w.ImpY, "#####") << " mm\n";
}

}  // namespace brontaxe::cli
