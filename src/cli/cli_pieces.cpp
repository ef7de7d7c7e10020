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
    app.add_option("--morceaux", o.piece,
                   "Morceaux dessinés : tous, couvercle (ou extérieur), faces, fond (ou "
                   "intérieur)");
    auto* two = app.add_flag("--caisse-en-2", o.twoPieces, "Caisse en 2 morceaux");
    auto* four = app.add_option("--caisse-en-4", o.fourPieces,
                                "Caisse en 4 morceaux : 1 coupe au panneau tête, 2 au panneau "
                                "face, 3 et 4 de même avec une patte de collage sur chaque "
                                "panneau");
    four->transform(wholeNumberText());
    two->excludes(four);
    app.add_option("--sens-passage", o.passDirection, "Sens de passage machine : x, y ou aucun");
    app.add_flag("--passages", o.showPasses, "Affiche le tableau Passages-Machine du dessin");
    app.add_option("--section", o.section,
                   "Sectionne la découpe en 2 morceaux à cette position (mm, depuis le bord "
                   "gauche ou bas)")
        ->transform(numberText());
    app.add_option("--garder", o.keep,
                   "Partie gardée par --section : gauche, droite, haute ou basse");
}

std::optional<std::string> applyPieceOptions(Model& m, const PieceOptions& o) {
    if (o.piece) {
        const std::string n = lower(*o.piece);
        if (n == "tous")
            showAllPieces(m);
        else if (n == "couvercle" || n == "extérieur" || n == "exterieur")
            showOnlyPiece(m, Piece::Outside);
        else if (n == "faces")
            showOnlyPiece(m, Piece::Faces);
        else if (n == "fond" || n == "intérieur" || n == "interieur")
            showOnlyPiece(m, Piece::Inside);
        else
            return "Morceau inconnu : \"" + *o.piece + "\" (tous, couvercle, faces ou fond)";
    }
    if (o.twoPieces) {
        m.CaisseEn2 = true;
        m.CaisseEn4 = 0;
    }
    if (o.fourPieces) {
        if (*o.fourPieces < 1 || *o.fourPieces > 4)
            return "Caisse en 4 morceaux : variante " + std::to_string(*o.fourPieces) +
                   " inconnue (de 1 à 4)";
        setFourPieces(m, static_cast<std::int16_t>(*o.fourPieces));
    }
    if (o.passDirection) {
        const std::string n = lower(*o.passDirection);
        if (n == "x" || n == "1")
            m.senspass = AlongAxis::X;
        else if (n == "y" || n == "2")
            m.senspass = AlongAxis::Y;
        else if (n == "aucun" || n == "0")
            m.senspass = AlongAxis::None;
        else
            return "Sens de passage inconnu : \"" + *o.passDirection + "\" (x, y ou aucun)";
    }
    if (!sideNamed(o.keep))
        return "Partie à garder inconnue : \"" + o.keep + "\" (gauche, droite, haute ou basse)";
    return multiPieceRefusal(m);
}

RegenerationReport regenerate(Workbench& wb, const PieceOptions& o) {
    if (!o.section)
        return wb.regenerate();
    SectionOutcome cut = wb.applySection(*sideNamed(o.keep), *o.section);
    if (cut.refusal) {
        cut.report.drawn = false;
        cut.report.message = *cut.refusal;
    }
    return cut.report;
}

void printPasses(std::ostream& out, const Workbench& wb, const PieceOptions& o) {
    if (o.showPasses)
        out << machinePassesText(machinePassesView(wb.model().PassesMachine));
}

}  // namespace brontaxe::cli
