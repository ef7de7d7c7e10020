#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_report.h"
#include "drawing/drawing_dump.h"
#include "io/drawing_files.h"
#include "mainwindow/workbench.h"
#include "model/model_fields.h"
#include "platform/number_text.h"
#include "styles/generators.h"

namespace brontaxe::cli {
namespace {

// Inside dimensions beyond this are typing mistakes, not boxes.
constexpr double kMaxDimension = 10000.0;

struct Options {
    std::string code;
    std::optional<double> longueur, largeur, hauteur;
    std::optional<int> qualite;
    std::vector<std::string> assignments;
    bool dump = false;
    bool listFields = false;
    std::string output;
};

void defineOptions(CLI::App& app, Options& o) {
    app.add_option("CODE", o.code, "Code FEFCO du modèle (0201, ...)");
    app.add_option("--longueur", o.longueur, "Longueur intérieure (mm)");
    app.add_option("--largeur", o.largeur, "Largeur intérieure (mm)");
    app.add_option("--hauteur", o.hauteur, "Hauteur intérieure (mm)");
    app.add_option("--qualite", o.qualite, "Numéro de qualité de carton (1 à 100)")
        ->check(CLI::Range(1, 100));
    app.add_option("--set", o.assignments, "Champ du modèle : NOM=VALEUR (lgPatte=30, Majo(6)=2)");
    app.add_flag("--dump", o.dump, "Affiche le texte canonique du dessin");
    app.add_flag("--champs", o.listFields, "Liste les champs du modèle que --set accepte");
    app.add_option("-o,--sortie", o.output,
                   "Écrit le dessin dans ce fichier, au format de son extension (" +
                       io::supportedExtensionsText() + ")");
}

std::optional<std::string> applyAssignments(Model& m, const std::vector<std::string>& list) {
    for (const std::string& a : list) {
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) {
            return "Affectation incorrecte : \"" + a + "\" (NOM=VALEUR attendu)";
        }
        FieldSetResult r = setField(m, a.substr(0, eq), a.substr(eq + 1));
        if (!r.ok()) {
            if (r.status == FieldSetStatus::UnknownField)
                r.message += " (voir --champs)";
            return r.message;
        }
    }
    return std::nullopt;
}

std::optional<std::string> checkDimension(const char* caption, float value) {
    if (value > 0 && value <= kMaxDimension)
        return std::nullopt;
    return std::string(caption) + " incorrecte : " + platform::numberText(value) +
           " mm (de 0 exclu à " + platform::numberText(kMaxDimension) + " mm)";
}

std::optional<std::string> applyOptions(Model& m, const Options& o) {
    if (!findGenerator(o.code)) {
        std::string known;
        for (auto c : generatorCodes())
            known += (known.empty() ? "" : ", ") + std::string(c);
        return "Code de modèle inconnu ou non disponible : \"" + o.code +
               "\" (disponibles : " + known + ")";
    }
    m.CodeModele = o.code;
    if (o.longueur)
        m.Longueur = static_cast<float>(*o.longueur);
    if (o.largeur)
        m.Largeur = static_cast<float>(*o.largeur);
    if (o.hauteur)
        m.Hauteur = static_cast<float>(*o.hauteur);
    if (o.qualite)
        m.NumQualite = static_cast<std::int16_t>(*o.qualite);
    if (auto e = applyAssignments(m, o.assignments))
        return e;
    if (auto e = checkDimension("Longueur", m.Longueur))
        return e;
    if (auto e = checkDimension("Largeur", m.Largeur))
        return e;
    if (auto e = checkDimension("Hauteur", m.Hauteur))
        return e;
    return std::nullopt;
}

}  // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        const platform::EnvironmentLookup& env) {
    CLI::App app{"Brontaxe : dessine la découpe à plat d'une caisse en carton ondulé"};
    Options o;
    defineOptions(app, o);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ConversionError& e) {
        err << "Erreur : valeur non numérique (" << e.what() << ")\n";
        return 2;
    } catch (const CLI::ParseError& e) {
        err << "Erreur : " << e.what() << "\n";
        return 2;
    }
    if (o.listFields) {
        for (const auto& name : fieldNames())
            out << name << "\n";
        return 0;
    }
    if (o.code.empty()) {
        err << "Erreur : code de modèle manquant (exemple : brontaxe-cli 0201)\n";
        return 2;
    }

    // A bad output path is refused before drawing, so nothing is half done.
    if (!o.output.empty()) {
        if (auto problem = io::savePathProblem(o.output)) {
            err << "Erreur : " << *problem << "\n";
            return 2;
        }
    }

    Workbench wb(platform::PrivateProfile(platform::windowsDirectory(env)));
    wb.startUp();
    if (auto problem = applyOptions(wb.model(), o)) {
        err << "Erreur : " << *problem << "\n";
        return 2;
    }
    const RegenerationReport report = wb.Modifier();
    if (!report.drawn) {
        err << "Erreur : " << report.message << "\n";
        return 1;
    }
    printFigures(out, wb);
    if (o.dump)
        out << dumpDrawing(wb.Trazel1());
    if (!o.output.empty()) {
        const io::FileResult saved = io::SaveDrawing(wb.Trazel1(), o.output);
        if (!saved.ok) {
            err << "Erreur : " << saved.message << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace brontaxe::cli
