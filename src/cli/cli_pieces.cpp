#include "cli/cli_pieces.h"

#include <algorithm>
#include <cctype>

#include "cli/cli_parse.h"
#include "workbench/machine_passes.h"
#include "workbench/pieces.h"

namespace brontaxe::cli {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::optional<SectionSide> sideNamed(const std::string& name) {
    const std::string n = lower(name);
    if (n == "gauche")
        return SectionSide::Left;
    if (n == "droite")
        return SectionSide::Right;
    if (n == "haute" || n == "haut")
        return SectionSide::Top;
    if (n == "basse" || n == "bas")
        return SectionSide::Bottom;
    return std::nullopt;
}

}  // namespace

void definePieceOptions(CLI::App& app, PieceOptions& o) {
    app.add_option("--morceaux", o.morceaux,
                   "Morceaux dessinés : tous, couvercle (ou extérieur), faces, fond (ou "
                   "intérieur)");
    auto* two = app.add_flag("--caisse-en-2", o.caisseEn2, "Caisse en 2 morceaux");
    auto* four = app.add_option("--caisse-en-4", o.caisseEn4,
                                "Caisse en 4 morceaux : 1 coupe au panneau tête, 2 au panneau "
                                "face, 3 et 4 de même avec une patte de collage sur chaque "
                                "panneau");
    four->transform(wholeNumberText());
    two->excludes(four);
    app.add_option("--sens-passage", o.sensPassage, "Sens de passage machine : x, y ou aucun");
    app.add_flag("--passages", o.passages, "Affiche les Passages Machines du dessin");
    app.add_option("--section", o.section,
                   "Sectionne la découpe en 2 morceaux à cette position (mm, depuis le bord "
                   "gauche ou bas)")
        ->transform(numberText());
    app.add_option("--garder", o.garder,
                   "Partie gardée par --section : gauche, droite, haute ou basse");
}

std::optional<std::string> applyPieceOptions(Model& m, const PieceOptions& o) {
    if (o.morceaux) {
        const std::string n = lower(*o.morceaux);
        if (n == "tous")
            showAllPieces(m);
        else if (n == "couvercle" || n == "extérieur" || n == "exterieur")
            showOnlyPiece(m, Piece::Outside);
        else if (n == "faces")
            showOnlyPiece(m, Piece::Faces);
        else if (n == "fond" || n == "intérieur" || n == "interieur")
            showOnlyPiece(m, Piece::Inside);
        else
            return "Morceau inconnu : \"" + *o.morceaux + "\" (tous, couvercle, faces ou fond)";
    }
    if (o.caisseEn2) {
        m.CaisseEn2 = true;
        m.CaisseEn4 = 0;
    }
    if (o.caisseEn4) {
        if (*o.caisseEn4 < 1 || *o.caisseEn4 > 4)
            return "Caisse en 4 morceaux : variante " + std::to_string(*o.caisseEn4) +
                   " inconnue (de 1 à 4)";
        setFourPieces(m, static_cast<std::int16_t>(*o.caisseEn4));
    }
    if (o.sensPassage) {
        const std::string n = lower(*o.sensPassage);
        if (n == "x" || n == "1")
            m.senspass = 1;
        else if (n == "y" || n == "2")
            m.senspass = 2;
        else if (n == "aucun" || n == "0")
            m.senspass = 0;
        else
            return "Sens de passage inconnu : \"" + *o.sensPassage + "\" (x, y ou aucun)";
    }
    if (!sideNamed(o.garder))
        return "Partie à garder inconnue : \"" + o.garder + "\" (gauche, droite, haute ou basse)";
    return multiPieceRefusal(m);
}

RegenerationReport regenerate(Workbench& wb, const PieceOptions& o) {
    if (!o.section)
        return wb.Modifier();
    SectionOutcome cut = wb.Sectionner(*sideNamed(o.garder), *o.section);
    if (cut.refusal) {
        cut.report.drawn = false;
        cut.report.message = *cut.refusal;
    }
    return cut.report;
}

void printPasses(std::ostream& out, const Workbench& wb, const PieceOptions& o) {
    if (o.passages)
        out << machinePassesText(machinePassesView(wb.model().PassesMachine));
}

}  // namespace brontaxe::cli
