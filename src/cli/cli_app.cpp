#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_bridges.h"
#include "cli/cli_check.h"
#include "cli/cli_die_line.h"
#include "cli/cli_fold.h"
#include "cli/cli_nesting.h"
#include "cli/cli_parse.h"
#include "cli/cli_pieces.h"
#include "cli/cli_rcv.h"
#include "cli/cli_report.h"
#include "cli/french_output.h"
#include "drawing/drawing_dump.h"
#include "io/drawing_files.h"
#include "model/field_ranges.h"
#include "model/model_fields.h"
#include "platform/number_text.h"
#include "platform/user_number.h"
#include "styles/generators.h"
#include "workbench/catalogue.h"
#include "workbench/design_file.h"
#include "workbench/imposition_input.h"
#include "workbench/workbench.h"

namespace brontaxe::cli {
namespace {

#ifndef BRONTAXE_VERSION
#error "BRONTAXE_VERSION is the program's version (set by the build)"
#endif

// Said under the options: what the exit code means and where the data is.
constexpr const char* kHelpFooter =
    "Codes de sortie : 0 dessiné (et écrit), 1 le dessin ou son fichier a échoué, 2 refusé "
    "avant le dessin (rien n'est écrit), 3 défaut du contrôle (--controle), 4 dessiné avec un "
    "avertissement sur les données.\n\n"
    "Réglages : korparam.ini dans $BRONTAXE_CONFIG_DIR, sinon $XDG_CONFIG_HOME/brontaxe, sinon "
    "~/.config/brontaxe. Tables de qualités et de majorations : le dossier MajoFefco des "
    "réglages, sinon celles installées avec le programme ($BRONTAXE_DATA_DIR les remplace).";

// Sheets, margins and gaps beyond 10 km are typing mistakes too; below that even a kilometre
// sheet is drawn, with its pose counts capped by the imposition.
constexpr double kMaxSheetLength = 1.0e7;

struct ImpositionOptions {
    std::optional<double> formatX, formatY, marginX, marginY, gapX, gapY;
    std::optional<int> posesX, posesY;
    bool centre = false;
};

struct Options {
    std::string code;
    std::optional<double> length, width, height;
    std::optional<int> grade;
    std::vector<std::string> assignments;
    bool dump = false;
    bool listFields = false;
    bool listCatalogue = false;
    ImpositionOptions imposition;
    std::string output;
};

// Every value option refuses an empty value; number options take the decimal comma.
void checkOptionTexts(CLI::App& app) {
    for (const char* name : {"--longueur", "--largeur", "--hauteur", "--format-x", "--format-y",
                             "--marge-x", "--marge-y", "--espace-x", "--espace-y"}) {
        app.get_option(name)->transform(numberText());
    }
    for (const char* name : {"--qualite", "--poses-x", "--poses-y"})
        app.get_option(name)->transform(wholeNumberText());
    app.get_option("--sortie")->check(nonEmptyText());
}

void defineOptions(CLI::App& app, Options& o) {
    app.add_option("CODE", o.code,
                   "Code FEFCO du modèle (0201, ...), découpe à ouvrir (.dxf, .cf2) ou "
                   "conception à ouvrir (.des)");
    app.add_option("--longueur", o.length, "Longueur intérieure (mm)");
    app.add_option("--largeur", o.width, "Largeur intérieure (mm)");
    app.add_option("--hauteur", o.height, "Hauteur intérieure (mm)");
    app.add_option("--qualite", o.grade,
                   "Numéro de qualité de carton (dans la table des qualités)");
    app.add_option("--set", o.assignments, "Champ du modèle : NOM=VALEUR (lgPatte=30, Majo(6)=2)");
    app.add_flag("--dump", o.dump, "Affiche le texte canonique du dessin");
    ImpositionOptions& i = o.imposition;
    app.add_option("--format-x", i.formatX, "Format Carton en X (mm) : calcule les poses");
    app.add_option("--format-y", i.formatY, "Format Carton en Y (mm) : calcule les poses");
    app.add_option("--marge-x", i.marginX, "Marge en X (mm)");
    app.add_option("--marge-y", i.marginY, "Marge en Y (mm)");
    app.add_option("--espace-x", i.gapX, "Espace entre poses en X (mm)");
    app.add_option("--espace-y", i.gapY, "Espace entre poses en Y (mm)");
    app.add_option("--poses-x", i.posesX, "Poses en X : calcule le Format Carton");
    app.add_option("--poses-y", i.posesY, "Poses en Y : calcule le Format Carton");
    app.add_flag("--centre", i.centre, "Centré : marges des deux côtés, format centré");
    app.add_flag("--champs", o.listFields, "Liste les champs du modèle que --set accepte");
    app.add_flag("--list,--liste", o.listCatalogue, "Liste le catalogue des modèles par famille");
    app.add_option("-o,--sortie", o.output,
                   "Écrit le dessin dans ce fichier, au format de son extension (" +
                       io::supportedExtensionsText() + ")");
    checkOptionTexts(app);
}

// A number field's value as the model reads it: "12,5" is 12.5, as in the number options.
std::string numericValueText(const std::string& name, const std::string& value) {
    if (!fieldRange(name))
        return value;
    const auto n = platform::readUserNumber(value);
    return n ? platform::numberText(*n, 17) : value;
}

std::optional<std::string> applyAssignments(Model& m, const std::vector<std::string>& list) {
    for (const std::string& a : list) {
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos || eq == 0) {
            return "Affectation incorrecte : \"" + a + "\" (NOM=VALEUR attendu)";
        }
        FieldSetResult r =
            setField(m, a.substr(0, eq), numericValueText(a.substr(0, eq), a.substr(eq + 1)));
        if (!r.ok()) {
            if (r.status == FieldSetStatus::UnknownField)
                r.message += " (voir --champs)";
            return r.message;
        }
    }
    return std::nullopt;
}

std::optional<std::string> checkDimension(const char* field, float value) {
    return checkFieldValue(field, value);
}

std::optional<std::string> checkGrade(const BoardTables& tables, int grade) {
    const int count = tables.grades().count();
    if (tables.grades().holds(grade))
        return std::nullopt;
    if (count == 0)
        return "Qualité " + std::to_string(grade) + " inconnue : aucune qualité dans " +
               tables.dataDirectory().string();
    return "Qualité " + std::to_string(grade) + " inconnue (qualités disponibles : 1 à " +
           std::to_string(count) + ")";
}

// A code holding "/" is a top and bottom box, with the two closures it names.
bool hasGenerator(const std::string& code, const Model& m) {
    const bool combined = code.find('/') != std::string::npos;
    const DispatchTarget target = dispatchCode(code, combined, m.TypeDessus, m.TypeDessous);
    return target.kind != DispatchKind::None && findGenerator(target.generatorCode);
}

bool setsField(const std::vector<std::string>& assignments, std::string_view name) {
    for (const std::string& a : assignments) {
        const std::string key = a.substr(0, a.find('='));
        if (key.size() == name.size() &&
            std::equal(key.begin(), key.end(), name.begin(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) ==
                       std::tolower(static_cast<unsigned char>(y));
            }))
            return true;
    }
    return false;
}

// "--set NumQualite=N" chooses a grade as --qualite does: one the table holds, applied with its
// thickness and allowances before the other fields are set.
std::optional<std::string> applyGradeAssignment(Workbench& wb,
                                                const std::vector<std::string>& assignments) {
    std::optional<std::string> value;
    for (const std::string& a : assignments) {
        if (setsField({a}, "NumQualite"))
            value = a.substr(a.find('=') + 1);
    }
    if (!value)
        return std::nullopt;
    Model probe = wb.model();
    FieldSetResult r = setField(probe, "NumQualite", numericValueText("NumQualite", *value));
    if (!r.ok())
        return r.message;
    if (auto e = checkGrade(wb.boardTables(), probe.NumQualite))
        return e;
    wb.model().NumQualite = probe.NumQualite;
    return std::nullopt;
}

// The window's boxes take the model's values at full precision, since the regeneration reads
// them from there.
void fillWindowBoxes(Workbench& wb, const Options& o) {
    const Model& m = wb.model();
    MainWindowState& w = wb.window();
    w.lengthText = platform::numberText(m.Longueur);
    w.widthText = platform::numberText(m.Largeur);
    w.heightText = platform::numberText(m.Hauteur);
    w.creaseList = setsField(o.assignments, "ListeFoulages") ? m.ListeFoulages : "";
}

// The sizes and the grade given beside a code or a design, into the model.
std::optional<std::string> applySizesAndGrade(Workbench& wb, const Options& o) {
    Model& m = wb.model();
    if (o.length)
        m.Longueur = static_cast<float>(*o.length);
    if (o.width)
        m.Largeur = static_cast<float>(*o.width);
    if (o.height)
        m.Hauteur = static_cast<float>(*o.height);
    if (o.grade) {
        if (auto e = checkGrade(wb.boardTables(), *o.grade))
            return e;
        m.NumQualite = static_cast<std::int16_t>(*o.grade);
    }
    return applyGradeAssignment(wb, o.assignments);
}

std::optional<std::string> applyOptions(Workbench& wb, const Options& o) {
    Model& m = wb.model();
    // As the code box does: 201 is taken as 0201.
    const CodeBoxEntry entry = codeBoxEntry(o.code);
    const std::string code = entry.text;
    if (entry.topStyle) {
        m.TypeDessus = *entry.topStyle;
        m.TypeDessous = *entry.bottomStyle;
    }
    if (!hasGenerator(code, m)) {
        // Every code drawn: the generators' and the listed codes drawn on another's generator.
        std::vector<std::string> codes;
        for (auto c : generatorCodes())
            if (c != kCombinedGenerator)
                codes.emplace_back(c);
        for (const Family& family : catalogueFamilies())
            for (std::string_view c : family.codes)
                if (c.find('/') == std::string_view::npos &&
                    std::ranges::find(codes, c) == codes.end() && hasGenerator(std::string(c), m))
                    codes.emplace_back(c);
        std::ranges::sort(codes);
        std::string known;
        for (const std::string& c : codes)
            known += (known.empty() ? "" : ", ") + c;
        return "Code de modèle inconnu ou non disponible : \"" + o.code +
               "\" (disponibles : " + known + ", et les boîtes haut / bas comme 0201/0711)";
    }
    wb.window().codeText = code;
    if (auto e = applySizesAndGrade(wb, o))
        return e;
    // The grade's thickness and allowances first, so that --set can still override them.
    wb.lookUpAllowances();
    if (auto e = applyAssignments(m, o.assignments))
        return e;
    if (auto e = checkDimension("Longueur", m.Longueur))
        return e;
    if (auto e = checkDimension("Largeur", m.Largeur))
        return e;
    if (auto e = checkDimension("Hauteur", m.Hauteur))
        return e;
    fillWindowBoxes(wb, o);
    return std::nullopt;
}

// A die-line is drawn as it was read: options that set the model's sizes, grade or fields
// would be lost on it without a word.
std::optional<std::string> modelOptionsWithDieLine(const Options& o) {
    std::string given;
    const auto add = [&given](bool set, const char* name) {
        if (set)
            given += (given.empty() ? "" : ", ") + std::string(name);
    };
    add(o.length.has_value(), "--longueur");
    add(o.width.has_value(), "--largeur");
    add(o.height.has_value(), "--hauteur");
    add(o.grade.has_value(), "--qualite");
    add(!o.assignments.empty(), "--set");
    if (given.empty())
        return std::nullopt;
    return "options du modèle sans effet sur une découpe lue d'un fichier, dessinée telle "
           "qu'elle est lue : " +
           given;
}

// The --garder names of the sections' sides, in their order.
constexpr const char* kSideNames[] = {"gauche", "droite", "haute", "basse"};

bool namesDesign(const std::string& argument) {
    std::string ext = std::filesystem::path(argument).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".des";
}

// A die-line is drawn as it was read: the sizes of a style have nothing to change in it.
std::optional<std::string> refuseSizes(const Workbench& wb, const Options& o) {
    if (wb.hasDieLine() && (o.length || o.width || o.height))
        return "--longueur, --largeur et --hauteur ne s'appliquent pas à une découpe importée (" +
               wb.window().codeText + ")";
    return std::nullopt;
}

// A design edited by hand keeps the sizes and parameters it was edited with: an option that
// would draw its style anew is refused rather than printed beside a blank it did not change.
std::optional<std::string> refuseLockedOptions(const Workbench& wb, const Options& o,
                                               const PieceOptions& p) {
    if (!wb.hasBlankEdits())
        return std::nullopt;
    if (o.length || o.width || o.height || o.grade || !o.assignments.empty() || p.piece ||
        p.twoPieces || p.fourPieces)
        return "--longueur, --largeur, --hauteur, --qualite, --set, --morceaux et --caisse-en-* "
               "ne s'appliquent pas à une découpe modifiée à la main (" +
               wb.window().codeText + ") : ses dimensions et ses paramètres sont verrouillés";
    return std::nullopt;
}

// A design saved by the window (or by -o x.des), opened as "Ouvrir..." opens it; the options
// beside it then change it as they change a style. The section it was cut along is handed
// back, to be applied again once the options are in.
std::optional<std::string> openDesignArgument(Workbench& wb, const Options& o,
                                              const PieceOptions& pieces,
                                              std::optional<SectionRequest>& section) {
    const OpenedDesign opened = openDesign(wb, o.code);
    if (!opened.result.ok)
        return opened.result.message;
    if (!opened.parametric)
        return "\"" + o.code +
               "\" ne garde que le dessin, sans sa conception : il ne peut être "
               "que lu dans la fenêtre (Ouvrir...)";
    section = wb.appliedSection();
    if (auto e = refuseSizes(wb, o))
        return e;
    if (auto e = refuseLockedOptions(wb, o, pieces))
        return e;
    Model& m = wb.model();
    if (auto e = applySizesAndGrade(wb, o))
        return e;
    // Another grade brings its own thickness and allowances; the design's stay otherwise.
    if (o.grade || setsField(o.assignments, "NumQualite"))
        wb.lookUpAllowances();
    if (auto e = applyAssignments(m, o.assignments))
        return e;
    for (const auto& [field, value] :
         {std::pair{"Longueur", m.Longueur}, std::pair{"Largeur", m.Largeur},
          std::pair{"Hauteur", m.Hauteur}}) {
        if (auto e = checkDimension(field, value); e && !wb.hasDieLine())
            return e;
    }
    MainWindowState& w = wb.window();
    w.lengthText = platform::numberText(m.Longueur);
    w.widthText = platform::numberText(m.Largeur);
    w.heightText = platform::numberText(m.Hauteur);
    if (setsField(o.assignments, "ListeFoulages"))
        w.creaseList = m.ListeFoulages;
    return std::nullopt;
}

// A length typed, as a refusal says it back: every digit it was given, the decimal comma.
std::string millimetres(double value) {
    return platform::readableNumber(value, "mm", 6);
}

std::optional<std::string> checkLength(const char* caption, const std::optional<double>& v) {
    if (!v || (std::isfinite(*v) && *v >= 0 && *v <= kMaxSheetLength))
        return std::nullopt;
    return std::string(caption) + " incorrect : " + millimetres(*v) + " (de 0 à " +
           millimetres(kMaxSheetLength) + ")";
}

std::optional<std::string> checkCount(const char* caption, const std::optional<int>& v) {
    if (!v || *v >= 0)
        return std::nullopt;
    return std::string(caption) + " incorrect : " + std::to_string(*v) + " (0 ou plus)";
}

std::optional<std::string> checkImposition(const ImpositionOptions& i) {
    const std::pair<const char*, const std::optional<double>*> lengths[] = {
        {"Format Carton en X", &i.formatX}, {"Format Carton en Y", &i.formatY},
        {"Marge en X", &i.marginX},         {"Marge en Y", &i.marginY},
        {"Espace en X", &i.gapX},           {"Espace en Y", &i.gapY},
    };
    for (const auto& [caption, value] : lengths) {
        if (auto e = checkLength(caption, *value))
            return e;
    }
    if (auto e = checkCount("Nombre de poses en X", i.posesX))
        return e;
    if (auto e = checkCount("Nombre de poses en Y", i.posesY))
        return e;
    if ((i.formatX || i.formatY) && (i.posesX || i.posesY))
        return std::string("donner le Format Carton ou les poses, pas les deux");
    // Margins that leave no sheet would put the poses off it.
    const double f = i.centre ? 2 : 1;
    const std::tuple<const char*, const std::optional<double>*, const std::optional<double>*>
        sides[] = {{"X", &i.marginX, &i.formatX}, {"Y", &i.marginY, &i.formatY}};
    for (const auto& [axis, margin, format] : sides) {
        if (*margin && *format && **margin * f >= **format)
            return std::string("Marge en ") + axis + " trop grande : " + (f > 1 ? "2 x " : "") +
                   millimetres(**margin) + " pour un Format Carton de " + millimetres(**format);
    }
    return std::nullopt;
}

// The imposition draws at most kMaxPosesPerSide poses a side; the count asked is said as typed,
// before the 16-bit pose fields could clip it.
void capPoseCounts(ImpositionOptions& i, std::ostream& err) {
    const std::pair<const char*, std::optional<int>*> counts[] = {{"X", &i.posesX},
                                                                  {"Y", &i.posesY}};
    for (const auto& [axis, count] : counts) {
        if (*count && **count > kMaxPosesPerSide) {
            err << "Attention : Nombre de poses en " << axis << " limité à " << kMaxPosesPerSide
                << " (" << **count << " demandées)\n";
            *count = kMaxPosesPerSide;
        }
    }
}

// Warnings about the data are said once each; the caller exits with kDrawnWithDataWarning
// when there were any.
void printDataWarnings(const std::vector<std::string>& warnings, std::size_t from,
                       std::ostream& err) {
    for (std::size_t k = from; k < warnings.size(); ++k)
        err << "Attention : " << warnings[k] << "\n";
}

// The options go through the rules of the window's boxes, in the order a user fills them:
// gaps and margins, then the sheet or the counts, which choose the mode.
void applyImposition(Model& m, ImpositionSettings& s, const ImpositionOptions& i) {
    if (i.centre)
        s.ChkCentre = true;
    if (i.gapX)
        enterPoseGap(m, Axis::X, *i.gapX);
    if (i.gapY)
        enterPoseGap(m, Axis::Y, *i.gapY);
    if (i.marginX)
        enterMargin(m, s, 0, *i.marginX);
    if (i.marginY)
        enterMargin(m, s, 1, *i.marginY);
    if (i.formatX)
        enterSheetSize(m, s, Axis::X, *i.formatX);
    if (i.formatY)
        enterSheetSize(m, s, Axis::Y, *i.formatY);
    if (i.posesX)
        enterPoseCount(m, s, Axis::X, *i.posesX);
    if (i.posesY)
        enterPoseCount(m, s, Axis::Y, *i.posesY);
}

// "Écriture de boite.pdf : 40 %", redrawn in place; a drawing written at once shows nothing.
// `shown` tells the caller a line was begun.
io::WriteProgress terminalProgress(std::ostream& err, const std::string& file, bool& shown) {
    return io::WriteProgress([&err, &shown, file, last = -1](double share) mutable {
        const int percent = static_cast<int>(share * 100);
        if (percent != last) {
            err << "\rÉcriture de " << file << " : " << percent << " %" << std::flush;
            last = percent;
            shown = true;
        }
        return true;
    });
}

std::string versionText() {
    return std::string("brontaxe-cli ") + BRONTAXE_VERSION;
}

}  // namespace

int run(int argc, const char* const* argv, std::ostream& plainOut, std::ostream& plainErr,
        const platform::EnvironmentLookup& env, bool errIsTerminal) {
    // What a user reads is French, with its typography; what scripts read goes out as it is.
    FrenchOutput out(plainOut);
    FrenchOutput err(plainErr);
    CLI::App app{"Brontaxe : dessine la découpe à plat d'une caisse en carton ondulé"};
    frenchHelp(app);
    app.set_version_flag("--version", versionText(), "Affiche la version et quitte");
    app.footer(kHelpFooter);
    Options o;
    defineOptions(app, o);
    CheckOptions check;
    defineCheckOptions(app, check);
    RcvOptions rcv;
    defineRcvOptions(app, rcv);
    PieceOptions pieces;
    definePieceOptions(app, pieces);
    bool folded = false;
    defineFoldOptions(app, folded);
    NestingOptions nesting;
    defineNestingOptions(app, nesting);
    BridgeOptions bridges;
    defineBridgeOptions(app, bridges);
    DieLineOptions dieLine;
    defineDieLineOptions(app, dieLine);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kDrawn;
    } catch (const CLI::CallForVersion& e) {
        plainOut << e.what() << "\n";
        return kDrawn;
    } catch (const CLI::ParseError& e) {
        err << "Erreur : " << frenchParseError(e) << "\n";
        return kBadInput;
    }
    if (o.listCatalogue) {
        printCatalogue(plainOut);
        return kDrawn;
    }
    if (o.listFields) {
        for (const auto& name : fieldNames())
            plainOut << name << "\n";
        return kDrawn;
    }
    if (o.code.empty()) {
        err << "Erreur : code de modèle manquant (exemple : brontaxe-cli 0201)\n";
        return kBadInput;
    }

    // A bad output path is refused before drawing, so nothing is half done.
    if (!o.output.empty()) {
        if (auto problem = io::savePathProblem(o.output)) {
            err << "Erreur : " << *problem << "\n";
            return kBadInput;
        }
    }

    Workbench wb(platform::PrivateProfile(platform::windowsDirectory(env)), &findGenerator, env);
    wb.startUp();
    const std::vector<std::string> startUpWarnings = wb.dataWarnings();
    printDataWarnings(startUpWarnings, 0, err);
    std::size_t dieLineWarnings = 0;
    std::optional<std::string> problem;
    std::optional<SectionRequest> designSection;
    if (namesDieLine(o.code)) {
        problem = modelOptionsWithDieLine(o);
        if (!problem)
            problem = openDieLineArgument(wb, o.code, dieLine, err, dieLineWarnings);
    } else if (namesDesign(o.code)) {
        problem = openDesignArgument(wb, o, pieces, designSection);
    } else {
        problem = applyOptions(wb, o);
    }
    if (!problem)
        problem = applyPieceOptions(wb.model(), pieces);
    if (!problem)
        problem = checkImposition(o.imposition);
    if (!problem)
        problem = rcvProblem(rcv);
    if (!problem)
        problem = nestingProblem(nesting);
    if (!problem)
        problem = sheetProblem(nesting, o.imposition.formatX.has_value(),
                               o.imposition.formatY.has_value());
    if (!problem)
        problem = applyBridgeOptions(wb.model(), bridges);
    if (problem) {
        err << "Erreur : " << *problem << "\n";
        return kBadInput;
    }
    if (nesting.roll)
        nesting.rollWidth = o.imposition.formatX;
    capPoseCounts(o.imposition, err);
    applyImposition(wb.model(), wb.imposition(), o.imposition);
    // A design cut along a section is cut again, unless --section asks for another.
    if (designSection && !pieces.section) {
        pieces.section = designSection->position;
        pieces.keep = kSideNames[static_cast<std::size_t>(designSection->keep)];
    }
    const RegenerationReport report = regenerate(wb, pieces);
    if (!report.drawn) {
        err << "Erreur : " << report.message << "\n";
        return kFailed;
    }
    if (auto refused = applyNesting(wb, nesting, out)) {
        err << "Erreur : " << *refused << "\n";
        return kFailed;
    }
    const std::vector<std::string> dataWarnings = wb.dataWarnings();
    printDataWarnings(dataWarnings, startUpWarnings.size(), err);
    for (const std::string& notice : report.notices)
        err << "Attention : " << notice << "\n";
    const Model& m = wb.model();
    // The optimiser's poses lie on the sheet, turned or not.
    if (m.ImposManuelle && !wb.nestedArrangement() &&
        (m.FmtCartonX < m.HorsToutX || m.FmtCartonY < m.HorsToutY))
        err << "Attention : le Format Carton est plus petit que la découpe\n";
    printFigures(out, wb);
    printImposition(out, wb);
    printPasses(out, wb, pieces);
    const std::vector<Finding> findings = printCheck(out, wb);
    if (rcv.rcv)
        printRcv(out, wb.model(), rcv);
    if (folded)
        printFolded(out, wb);
    if (bridges.rules)
        printRules(out, wb);
    if (o.dump) {
        out.flush();
        plainOut << dumpDrawing(wb.drawing());
    }
    if (!o.output.empty()) {
        if (auto refused = refusedExport(o.output, findings, check)) {
            err << "Erreur : " << *refused << "\n";
            return kExitFindings;
        }
        if (auto notice = io::pageSizeNotice(wb.drawing(), o.output))
            err << "Attention : " << *notice << "\n";
        bool progressShown = false;
        const std::string name = std::filesystem::path(o.output).filename().string();
        const io::WriteProgress progress =
            errIsTerminal ? terminalProgress(err, name, progressShown) : io::WriteProgress{};
        // A .des keeps the design with its drawing, to be opened again as a design.
        const io::FileResult saved = saveDesign(wb, o.output, true, progress);
        if (progressShown)
            err << (saved.ok ? "\rÉcriture de " + name + " : 100 %\n" : std::string("\n"));
        if (!saved.ok) {
            err << "Erreur : " << saved.message << "\n";
            return kFailed;
        }
    }
    if (check.failOnFindings && defectCount(findings) > 0)
        return kExitFindings;
    return dataWarnings.empty() && dieLineWarnings == 0 ? kDrawn : kDrawnWithDataWarning;
}

}  // namespace brontaxe::cli
