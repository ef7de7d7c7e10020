// The regeneration: from the window's inputs to the drawing and every figure of the window.

#include <algorithm>
#include <cmath>

#include "board/data_directory.h"
#include "builders/emit.h"
#include "builders/extra_creases.h"
#include "drawing/crease_list.h"
#include "drawing/mirror_vertical.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/rounding.h"
#include "platform/user_number.h"
#include "styles/style_rules.h"
#include "techsheet/placeholders.h"
#include "techsheet/sheet_template.h"
#include "workbench/catalogue.h"
#include "workbench/design_bridges.h"
#include "workbench/direction_arrows.h"
#include "workbench/nesting_imposition.h"
#include "workbench/profile_rules.h"
#include "workbench/window_figures.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// The window the cut surface is measured in: everything the program can draw.
constexpr double kContourWindow = 900000;
// The window refuses what is not a number before it gets here; the leading number is the
// fallback of callers that set the texts themselves.
float boxNumber(std::string_view text) {
    const std::optional<double> typed = platform::readUserNumber(text);
    return static_cast<float>(typed ? *typed : platform::leadingNumber(text));
}

}  // namespace

void Workbench::transferDimensions(bool fromWindow) {
    if (fromWindow) {
        model_.Longueur = boxNumber(window_.lengthText);
        model_.Largeur = boxNumber(window_.widthText);
        model_.Hauteur = boxNumber(window_.heightText);
        model_.ListeFoulages = window_.creaseList;
        return;
    }
    window_.lengthText = platform::shownNumber(model_.Longueur);
    window_.widthText = platform::shownNumber(model_.Largeur);
    window_.heightText = platform::shownNumber(model_.Hauteur);
    window_.creaseList = model_.ListeFoulages;
}

RegenerationReport Workbench::regenerate() {
    if (model_.BloqueModif)
        return {};
    model_.CodeModele = window_.codeText;
    appliedSection_.reset();
    model_.PassesMachine.fill(0);
    drawing_.tracer().clear();
    transferDimensions(true);
    model_.GenEnCours = true;
    applyProfileRules(model_);
    std::vector<Element> technicalSheet = sheetElements(drawing_);
    RegenerationReport report = generate();
    model_.GenEnCours = false;
    if (report.keptPrevious)
        return report;
    if (!report.drawn) {
        drawing_.ClearDrawing();
        editableBlank_.clear();
        styleOwnBlank_.clear();
        placeSheetElements(drawing_, std::move(technicalSheet));
        clearFigures();
        showSheetAnswers(drawing_, SheetBox::of(model_, boardTables_));
        return report;
    }

    // The blank's own extents, before the mirror, place the arrows.
    Box blank = drawing_.extents();
    measureSize();
    if (model_.Sym_Verticale)
        mirrorAcrossVertical(0, drawing_);
    try {
        drawExtraCreases();
    } catch (const GenerationError& e) {
        report.notices.push_back(std::string("Refoulages non dessinés : ") + e.what());
    }
    styleOwnBlank_.clear();
    if (blankEdits_)
        blank = drawEditedBlank();
    sectionFrame_ = drawing_.extents();
    if (pendingSection_)
        cutAlongSection(blank);
    // What an edit starts from: bare of bridges, which follow the edited cuts.
    editableBlank_ = drawing_.elements();
    placeDesignBridges(model_, drawing_);
    impose(report);
    measureTotals();
    measureCutSurface(report);
    drawDirectionArrows(blank, report);
    computeWaste(model_);
    placeSheetElements(drawing_, std::move(technicalSheet));
    // The sheet's texts tell the design drawn now, whatever it told when it was filled in.
    showSheetAnswers(drawing_, SheetBox::of(model_, boardTables_));
    drawing_.SetFilter(window_.dimensioningHidden ? "COTATION" : "");
    return report;
}

Generator Workbench::generatorOf(const DispatchTarget& target) const {
    return target.kind != DispatchKind::None ? lookup_(target.generatorCode) : nullptr;
}

RegenerationReport Workbench::generate() {
    if (dieLine_)
        return drawDieLine();
    RegenerationReport report;
    const bool codeBoxHasSlash = window_.codeText.find('/') != std::string::npos;
    const DispatchTarget target =
        dispatchCode(model_.CodeModele, codeBoxHasSlash, model_.TypeDessus, model_.TypeDessous);
    const Generator generator = generatorOf(target);
    if (!generator) {
        report.keptPrevious = true;
        if (target.kind == DispatchKind::Combined) {
            report.message = "Boîte haut / bas non disponible : " + model_.CodeModele;
        } else if (target.kind == DispatchKind::Generator ||
                   findCodeInCatalogue(model_.CodeModele)) {
            report.message = "Modèle non disponible : " + model_.CodeModele;
        } else {
            report.message = "Code de modèle inconnu : \"" + model_.CodeModele + "\"";
        }
        return report;
    }
    // Sizes outside the style's domain are refused before anything is drawn.
    if (const auto refusal = domainRefusal(target.generatorCode, model_)) {
        report.message = *refusal;
        return report;
    }
    try {
        generator(model_, drawing_);
        report.drawn = true;
    } catch (const GenerationError& e) {
        report.message = e.what();
    }
    // A style with allowances of its own replaces the looked-up ones; only a blank drawn with
    // the lookup's zeros or borrowed values is worth a warning.
    const bool drewLookup = std::equal(model_.Majo.begin() + 1, model_.Majo.begin() + 4,
                                       lookedUpAllowances_.begin() + 1);
    allowanceWarning_ = report.drawn && drewLookup ? lookupNotice_ : std::nullopt;
    return report;
}

void Workbench::drawExtraCreases() {
    // The fittings (09) draw the crease list as their own form: drawn again here, every crease
    // would be doubled. Told by the code drawn, which the command line sets without the lists.
    const std::optional<CodePlace> place = findCodeInCatalogue(model_.CodeModele);
    if (model_.ListeFoulages.empty() || (place && place->family == kFittingsFamily))
        return;
    // Counted on the list as typed: normalising keeps only the first segments of a part.
    refuseOverlongCreaseList(model_.ListeFoulages);
    model_.ListeFoulages =
        normaliseCreaseList(model_.ListeFoulages, model_.HorsToutY, model_.HorsToutX);
    ExtraCreases(drawing_, {.list = model_.ListeFoulages, .mirrored = model_.Sym_Verticale});
}

void Workbench::measureSize() {
    const Box box = drawing_.extents();
    model_.HorsToutX = static_cast<float>(std::fabs(box.width()));
    model_.HorsToutY = static_cast<float>(std::fabs(box.height()));
}

// The sheet figures always follow the blank; the copies are drawn around a drawn blank.
void Workbench::impose(RegenerationReport& report) {
    nestedArrangement_.reset();
    // The pattern was made for one blank.
    const std::string blank = nestingKey();
    if (nesting_ && report.drawn && nestedBlank_ && *nestedBlank_ != blank) {
        nesting_.reset();
        report.notices.emplace_back(
            "Imposition optimisée abandonnée : la découpe a changé, les poses suivent la grille "
            "(« Optimiser l'imposition » pour en chercher une autre)");
    }
    nestedBlank_.reset();
    if (nesting_ && report.drawn) {
        nestedBlank_ = blank;
        Arrangement laid;
        ImpositionNotices notices = imposeNested(model_, drawing_, imposition_, *nesting_, &laid);
        if (!laid.poses.empty())
            nestedArrangement_ = std::make_shared<const Arrangement>(std::move(laid));
        report.notices.insert(report.notices.end(), notices.begin(), notices.end());
        return;
    }
    ImpositionNotices notices = brontaxe::computeImposition(model_, imposition_);
    if (imposition_.AvecImpos && report.drawn) {
        ImpositionNotices more = brontaxe::drawImposition(model_, drawing_, imposition_);
        notices.insert(notices.end(), more.begin(), more.end());
    }
    report.notices.insert(report.notices.end(), notices.begin(), notices.end());
}

void Workbench::measureTotals() {
    drawing_.BeginDrawing();
    model_.LgCoupant = static_cast<float>(drawing_.KindLength(kind::Cut, -1, -1));
    model_.LgPerfoRainant = static_cast<float>(drawing_.KindLength(kind::PerforatedCrease, -1, -1));
    model_.LgPerfo = static_cast<float>(drawing_.KindLength(kind::Perforation, -1, -1));
    model_.LgMiChair = static_cast<float>(drawing_.KindLength(kind::HalfCut, -1, -1));
    model_.LgRainant = static_cast<float>(drawing_.KindLength(kind::Crease, -1, -1));
    model_.LgTotal = model_.LgCoupant + model_.LgPerfoRainant + model_.LgPerfo + model_.LgMiChair +
                     model_.LgRainant;
    const BridgeTotals bridges = bridgeTotals(drawing_, kind::Cut);
    model_.NbPonts = bridges.count;
    model_.LgPonts = static_cast<float>(bridges.width);
}

// The surface of one blank: only the cut lines are shown while the contour is taken.
void Workbench::measureCutSurface(RegenerationReport& report) {
    drawing_.SetFilter("pen=2..8;niv=2..16");
    try {
        ensureRegistryRoom(drawing_);
        const ElementId contour =
            registerElement(drawing_, drawing_.OuterContour(-kContourWindow, -kContourWindow,
                                                            kContourWindow, kContourWindow));
        model_.SurfDecoupee = static_cast<float>(drawing_.ContourArea(contour));
    } catch (const GenerationError& e) {
        report.notices.push_back(std::string("Surface découpée non mesurée : ") + e.what());
    }
    drawing_.SetFilter("");
}

void Workbench::drawDirectionArrows(const Box& blank, RegenerationReport& report) {
    // A die-line made elsewhere says nothing of its flute or its pass.
    auto arrows =
        dieLine_ ? std::vector<ArrowPlacement>{}
                 : directionArrows(blank, model_.senscann, model_.senspass, model_.Sym_Verticale);
    // Over an imposition they stand above its top row, clear of the poses.
    const Box drawn = drawing_.extents();
    if (!drawn.empty && drawn.ymax > blank.ymax) {
        for (ArrowPlacement& arrow : arrows)
            arrow.at.y += drawn.ymax - blank.ymax;
    }
    if (arrows.empty()) {
        drawing_.EndDrawing();
        return;
    }
    // The program's fixed library, else the one beside the tables, else the shipped one.
    const std::filesystem::path candidates[] = {
        platform::mapWindowsPath("C:\\korvane\\catparam.cd", env_),
        boardTables_.dataDirectory() / "catparam.cd",
        std::filesystem::path(shippedDataDirectory(env_)) / "catparam.cd"};
    for (const auto& path : candidates) {
        if (symbolLibrary_ != 0)
            break;
        symbolLibrary_ = drawing_.LoadSymbols(path);
    }
    try {
        if (symbolLibrary_ == 0)
            throw GenerationError("bibliothèque de symboles catparam.cd introuvable");
        const PenScope pen(drawing_, kind::Text);
        for (const ArrowPlacement& arrow : arrows) {
            ensureRegistryRoom(drawing_);
            // Sized and turned as the symbols always were: in single precision.
            registerElement(drawing_,
                            drawing_.InsertSymbol(arrow.at.x, arrow.at.y, symbolLibrary_,
                                                  arrow.symbol, static_cast<float>(arrow.size),
                                                  static_cast<float>(arrow.angleDeg)));
        }
    } catch (const GenerationError& e) {
        report.notices.push_back(std::string("Flèches de sens non dessinées : ") + e.what());
    }
    drawing_.EndDrawing();
}

void Workbench::clearFigures() {
    model_.HorsToutX = model_.HorsToutY = 0;
    model_.LgCoupant = model_.LgPerfoRainant = model_.LgPerfo = 0;
    model_.LgMiChair = model_.LgRainant = model_.LgTotal = 0;
    model_.SurfDecoupee = 0;
    model_.PerteHorsTout = model_.PerteFormat = -1;
}

}  // namespace brontaxe
