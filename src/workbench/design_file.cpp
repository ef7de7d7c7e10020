#include "workbench/design_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "board/allowance_lookup.h"
#include "drawing/bridges.h"
#include "io/drawing_files.h"
#include "io/fold_files.h"
#include "model/model_fields.h"
#include "platform/number_text.h"
#include "platform/profile_file.h"
#include "platform/user_number.h"
#include "techsheet/sheet_template.h"
#include "workbench/catalogue.h"
#include "workbench/design_fold.h"
#include "workbench/pieces.h"
#include "workbench/window_figures.h"

namespace brontaxe {
namespace {

namespace fs = std::filesystem;

// Fields that belong to the user's installation or are worked out again by the regeneration:
// a design opened elsewhere keeps the local preferences.
constexpr std::array<std::string_view, 8> kNotDesign{
    "Mode3D",   "Personnalisation", "MajoFefco",  "Soft3D",
    "Chemin3D", "NomModel",         "RepPalette", "TypePalette",
};

bool isDesignField(std::string_view name) {
    return std::find(kNotDesign.begin(), kNotDesign.end(), name) == kNotDesign.end();
}

// "Majo(1..16)" gives Majo(1) to Majo(16); a plain name gives itself.
std::vector<std::string> expandedNames(const std::string& listed) {
    const auto open = listed.find('(');
    if (open == std::string::npos)
        return {listed};
    const std::string base = listed.substr(0, open);
    const int first = std::stoi(listed.substr(open + 1));
    const int last = std::stoi(listed.substr(listed.find("..") + 2));
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i)
        names.push_back(base + "(" + std::to_string(i) + ")");
    return names;
}

constexpr std::string_view kTxtModel = "txtModel";
constexpr std::string_view kNumFamille = "NumFamille";
constexpr std::string_view kNumModule = "NumModule";
constexpr std::string_view kTopBottom = "topBottomEntry";
constexpr std::string_view kListeFoulages = "listeFoulages";
constexpr std::string_view kAvecImpos = "AvecImpos";
// The optimiser's pattern, present only once the user took it.
constexpr std::string_view kImposOptimisee = "ImposOptimisee";
constexpr std::string_view kChkCentre = "ChkCentre";
// The optimiser's permissions: "Quart de tour permis" and "Rouleau (laize en X)".
constexpr std::string_view kQuartDeTour = "QuartDeTour";
constexpr std::string_view kRouleau = "Rouleau";
// The section applied: the side kept (0 left, 1 right, 2 top, 3 bottom) and the position.
constexpr std::string_view kSection = "Section";

std::string sectionText(const SectionRequest& s) {
    return std::to_string(static_cast<int>(s.keep)) + " " + platform::numberText(s.position, 17);
}

std::optional<SectionRequest> readSection(const std::string& text) {
    const auto blank = text.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    const std::string side = text.substr(0, blank);
    const std::string at = text.substr(blank + 1);
    if (side.size() != 1 || side[0] < '0' || side[0] > '3')
        return std::nullopt;
    const auto position = platform::readUserNumber(at);
    if (!position || !std::isfinite(*position) || *position <= 0)
        return std::nullopt;
    return SectionRequest{static_cast<SectionSide>(side[0] - '0'), *position};
}

std::optional<int> wholeNumber(const std::string& text, int first, int last) {
    const double v = platform::leadingNumber(text);
    if (v != std::floor(v) || v < first || v > last || text.empty())
        return std::nullopt;
    return static_cast<int>(v);
}

std::optional<bool> flag(const std::string& text) {
    if (text == "1")
        return true;
    if (text == "0")
        return false;
    return std::nullopt;
}

// The imposition's yes / no setting a design entry names, or null.
bool* impositionFlag(ImpositionSettings& s, std::string_view name) {
    if (name == kAvecImpos)
        return &s.AvecImpos;
    if (name == kChkCentre)
        return &s.ChkCentre;
    if (name == kQuartDeTour)
        return &s.quarterTurns;
    if (name == kRouleau)
        return &s.roll;
    return nullptr;
}

std::string refusal(const std::string& why) {
    return "Fichier de dessin illisible : " + why;
}

// The shown drawing's own figures, for a drawing without its design.
void measureFixedDrawing(Model& m, Drawing& d) {
    const Box box = d.extents();
    m.HorsToutX = box.empty ? 0.0f : static_cast<float>(std::fabs(box.width()));
    m.HorsToutY = box.empty ? 0.0f : static_cast<float>(std::fabs(box.height()));
    m.LgCoupant = static_cast<float>(d.KindLength(kind::Cut));
    m.LgPerfoRainant = static_cast<float>(d.KindLength(kind::PerforatedCrease));
    m.LgPerfo = static_cast<float>(d.KindLength(kind::Perforation));
    m.LgMiChair = static_cast<float>(d.KindLength(kind::HalfCut));
    m.LgRainant = static_cast<float>(d.KindLength(kind::Crease));
    m.LgTotal = m.LgCoupant + m.LgPerfoRainant + m.LgPerfo + m.LgMiChair + m.LgRainant;
    const BridgeTotals bridges = bridgeTotals(d, kind::Cut);
    m.NbPonts = bridges.count;
    m.LgPonts = static_cast<float>(bridges.width);
    // The cut surface and the waste belong to a generated blank.
    m.SurfDecoupee = 0;
    m.PerteHorsTout = m.PerteFormat = -1;
    m.NbPoseX = m.NbPoseY = m.NbPoses = 1;
}

}  // namespace

io::DesignRecord designRecord(const Workbench& wb) {
    io::DesignRecord r;
    for (const std::string& listed : fieldNames()) {
        for (const std::string& name : expandedNames(listed)) {
            if (!isDesignField(name.substr(0, name.find('('))))
                continue;
            if (auto text = fieldText(wb.model(), name))
                r.model.emplace_back(name, *text);
        }
    }
    const MainWindowState& w = wb.window();
    r.window = {
        {std::string(kTxtModel), w.codeText},
        {std::string(kNumFamille), std::to_string(w.familyNumber)},
        {std::string(kNumModule), std::to_string(w.codeNumber)},
        {std::string(kTopBottom), w.topBottomEntry},
        {std::string(kListeFoulages), w.creaseList},
        {std::string(kAvecImpos), wb.imposition().AvecImpos ? "1" : "0"},
        {std::string(kChkCentre), wb.imposition().ChkCentre ? "1" : "0"},
        {std::string(kQuartDeTour), wb.imposition().quarterTurns ? "1" : "0"},
        {std::string(kRouleau), wb.imposition().roll ? "1" : "0"},
    };
    if (const auto& nesting = wb.nesting())
        r.window.emplace_back(std::string(kImposOptimisee), patternText(*nesting));
    if (const auto& section = wb.appliedSection())
        r.window.emplace_back(std::string(kSection), sectionText(*section));
    r.dieLine = wb.dieLine();
    r.editedBlank = wb.blankEdits();
    return r;
}

std::optional<SectionRequest> recordedSection(const io::DesignRecord& design) {
    for (const auto& [name, value] : design.window) {
        if (name == kSection)
            return readSection(value);
    }
    return std::nullopt;
}

RestoredDesign drawRestored(Workbench& wb, const io::DesignRecord& design) {
    RestoredDesign out;
    const auto section = recordedSection(design);
    if (!section) {
        out.report = wb.regenerate();
        return out;
    }
    SectionOutcome cut = wb.applySection(section->keep, section->position);
    out.report = std::move(cut.report);
    out.refusal = std::move(cut.refusal);
    return out;
}

std::optional<std::string> restoreDesign(Workbench& wb, const io::DesignRecord& design) {
    Model model = wb.model();
    for (const auto& [name, value] : design.model) {
        if (!isDesignField(name.substr(0, name.find('('))))
            return refusal("le champ " + name + " n'appartient pas au dessin");
        const FieldSetResult set = setField(model, name, value);
        if (!set.ok())
            return refusal(set.message);
    }
    MainWindowState window = wb.window();
    ImpositionSettings imposition = wb.imposition();
    // Files written before the optimiser's permissions were kept allow neither.
    imposition.quarterTurns = imposition.roll = false;
    std::optional<NestPattern> nesting;  // a file without the optimiser's pattern: the grid
    for (const auto& [name, value] : design.window) {
        if (name == kTxtModel) {
            window.codeText = value;
        } else if (name == kNumFamille) {
            const auto n = wholeNumber(value, 1, 7);
            if (!n || !findFamily(*n))
                return refusal("famille incorrecte : \"" + value + "\"");
            window.familyNumber = *n;
        } else if (name == kNumModule) {
            const auto n = wholeNumber(value, 1, 1000);
            if (!n)
                return refusal("rang du modèle incorrect : \"" + value + "\"");
            window.codeNumber = *n;
        } else if (name == kTopBottom) {
            window.topBottomEntry = value;
        } else if (name == kListeFoulages) {
            window.creaseList = value;
        } else if (bool* setting = impositionFlag(imposition, name)) {
            const auto b = flag(value);
            if (!b)
                return refusal("valeur incorrecte pour " + name + " : \"" + value + "\"");
            *setting = *b;
        } else if (name == kImposOptimisee) {
            nesting = readPattern(value);
            if (!nesting)
                return refusal("imposition optimisée incorrecte : \"" + value + "\"");
        } else if (name == kSection) {
            if (!readSection(value))
                return refusal("section incorrecte : \"" + value + "\"");
        } else {
            return refusal("entrée inconnue : " + name);
        }
    }
    if (window.codeText.empty())
        return refusal("code du modèle manquant");
    // A die-line's edits are its rules: edits beside them would say two blanks.
    if (design.dieLine && design.editedBlank)
        return refusal("découpe importée et modifications d'un modèle à la fois");
    // The lists show the family of the code, whatever the file says (the command line writes
    // a design without lists).
    if (!design.dieLine) {
        if (auto place = findCodeInCatalogue(window.codeText)) {
            window.familyNumber = place->family;
            window.codeNumber = place->module;
        }
    }
    // Pieces the style is not made in would draw an open outline: refused as the window and
    // the command line refuse them.
    model.NumModele = styleNumber(window.codeText, model);
    if (auto pieces = multiPieceRefusal(model))
        return refusal(*pieces);
    const auto codes = static_cast<int>(wb.familyCodes(window.familyNumber).size());
    if (window.codeNumber > codes)
        window.codeNumber = 1;  // the list of the family shows the code box's code anyway

    // The regeneration reads the dimensions from the boxes: they show the restored model.
    window.creaseListLayout = usesCreaseListLayout(platform::leadingNumber(window.codeText));
    wb.model() = std::move(model);
    wb.window() = std::move(window);
    wb.imposition() = imposition;
    wb.nesting() = nesting;
    wb.forgetNestedBlank();
    if (design.dieLine)
        wb.restoreDieLine(*design.dieLine);
    else
        wb.dropDieLine();
    wb.restoreBlankEdits(design.editedBlank);
    const std::string creases = wb.window().creaseList;
    wb.transferDimensions(false);
    wb.window().creaseList = creases;
    return std::nullopt;
}

io::FileResult saveDesign(const Workbench& wb, const fs::path& path, bool withDesign,
                          const io::WriteProgress& progress) {
    const io::FileFormat* format = io::formatForPath(path);
    if (withDesign && format && format->extension == "des")
        return io::saveDesWithDesign(wb.drawing(), designRecord(wb), path, progress);
    if (io::isFoldFormat(path)) {
        const DesignFold fold = foldDesign(wb);
        if (fold.flatBecause)
            return io::FileResult::failure(*fold.flatBecause);
        return io::saveFoldedBlank(fold.folded, path);
    }
    return io::SaveDrawing(wb.drawing(), path, progress);
}

OpenedDesign openDesign(Workbench& wb, const fs::path& path) {
    OpenedDesign out;
    const io::FileFormat* format = io::formatForPath(path);
    if (!format || !format->readable) {
        // The control's own message for formats it cannot read.
        Drawing scratch;
        out.result = io::OpenDrawing(scratch, path);
        return out;
    }
    const auto text = platform::readWholeFile(path);
    if (!text) {
        out.result =
            io::FileResult::failure("Fichier introuvable ou illisible : \"" + path.string() + "\"");
        return out;
    }
    Drawing opened;
    std::optional<io::DesignRecord> design;
    out.result = io::readDesText(*text, opened, &design);
    if (!out.result.ok)
        return out;
    if (design) {
        if (auto refused = restoreDesign(wb, *design)) {
            out.result = io::FileResult::failure(*refused);
            return out;
        }
        out.parametric = true;
        adoptTechnicalSheet(wb.drawing(), opened);  // the file's sheet, not the one on show
        RestoredDesign drawn = drawRestored(wb, *design);
        out.report = std::move(drawn.report);
        if (drawn.refusal)
            out.report.notices.push_back(*drawn.refusal);
        return out;
    }
    // Read again into the control itself, which keeps its loaded symbol libraries.
    wb.dropDieLine();
    out.result = io::readDesText(*text, wb.drawing());
    wb.drawingReadAsSaved();
    measureFixedDrawing(wb.model(), wb.drawing());
    out.report.drawn = true;
    out.report.notices.push_back(
        "Dessin sans paramètres : affiché tel qu'enregistré, pour la vue et l'export");
    return out;
}

}  // namespace brontaxe
