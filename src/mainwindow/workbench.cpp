#include "mainwindow/workbench.h"

#include <algorithm>

#include "board/data_directory.h"
#include "board/ini_majo.h"
#include "model/model_init.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/rounding.h"

namespace brontaxe {

Workbench::Workbench(platform::PrivateProfile settings, GeneratorLookup lookup,
                     platform::EnvironmentLookup env)
    : settings_(std::move(settings)), lookup_(lookup), env_(std::move(env)) {}

void Workbench::startUp() {
    model_ = Model{};
    imposition_ = ImpositionSettings{};
    model_.BloqueModif = true;
    setStartupValues(model_);
    model_.CodeModele = "0201";
    Init(model_, ParameterFile(settings_));
    drawingFileName_ = "paramQMT.des";
    model_.MajoFefco = dataDirectorySetting(settings_, env_);
    loadTables();
    IniMajo();
    model_.BloqueModif = false;
}

void Workbench::loadTables() {
    majo_.setDataDirectory(dataDirectoryPath(model_.MajoFefco, env_));
    tableProblems_.clear();
    if (auto p = majo_.LireQualites())
        tableProblems_.push_back(*p);
    if (auto p = majo_.LireMajo())
        tableProblems_.push_back(*p);
}

bool Workbench::IniMajo() {
    const std::string codeBox = model_.CodeModele;
    const int selected = majo_.grades().holds(model_.NumQualite) ? model_.NumQualite : 0;
    const bool multiPiece = brontaxe::IniMajo(model_, majo_, codeBox, selected);
    model_.CodeModele = codeBox;
    return multiPiece;
}

std::optional<std::string> Workbench::changeDataDirectory(const std::filesystem::path& chosenFile) {
    const auto directory = directoryOfChosenFile(chosenFile);
    if (!directory)
        return "Fichier introuvable : " + chosenFile.string();
    if (!storeDataDirectory(settings_, *directory))
        return "Impossible d'enregistrer le chemin des majorations dans " +
               settings_.resolve(std::string(kPreferencesFileName)).string();
    model_.MajoFefco = *directory;
    loadTables();
    IniMajo();
    return std::nullopt;
}

RegenerationReport Workbench::Modifier() {
    RegenerationReport report;
    if (model_.BloqueModif)
        return report;
    model_.NbLignes = 0;
    model_.PassesMachine.fill(0);
    model_.NumModele = roundToInt16(platform::leadingNumber(model_.CodeModele)).value_or(0);

    const Generator generate = lookup_(model_.CodeModele);
    if (!generate) {
        drawing_.ClearDrawing();
        report.message = "Modèle non disponible : " + model_.CodeModele;
    } else {
        model_.GenEnCours = true;
        try {
            generate(model_, drawing_);
            report.drawn = true;
        } catch (const GenerationError& e) {
            report.message = e.what();
        }
        model_.GenEnCours = false;
    }
    measureSize();
    impose(report);
    measureTotals();
    return report;
}

void Workbench::measureSize() {
    model_.HorsToutX = drawing_.BlankSizeX();
    model_.HorsToutY = drawing_.BlankSizeY();
}

// The sheet figures always follow the blank; the copies are drawn only around a blank that
// was drawn to its end.
void Workbench::impose(RegenerationReport& report) {
    ImpositionNotices notices = brontaxe::CalImpos(model_, imposition_);
    if (imposition_.AvecImpos && report.drawn) {
        ImpositionNotices more = brontaxe::AjouterImpos(model_, drawing_, imposition_);
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
    drawing_.EndDrawing();
    model_.LgTotal = model_.LgCoupant + model_.LgPerfoRainant + model_.LgPerfo + model_.LgMiChair +
                     model_.LgRainant;
}

}  // namespace brontaxe

namespace brontaxe {

RegenerationReport Workbench::MajImpos() {
    ImpositionNotices notices = MajImposFigures(model_, imposition_);
    RegenerationReport report = Modifier();
    // Modifier recomputes the same figures: keep each word once.
    for (const std::string& n : notices) {
        if (std::find(report.notices.begin(), report.notices.end(), n) == report.notices.end())
            report.notices.push_back(n);
    }
    return report;
}

ImpositionEntry Workbench::afterEntry(BoxEntry entry) {
    ImpositionEntry result;
    result.warn = entry.warn;
    if (entry.taken)
        result.report = MajImpos();
    return result;
}

ImpositionEntry Workbench::enterSheetSize(Axis axis, double value) {
    return afterEntry(brontaxe::enterSheetSize(model_, imposition_, axis, value));
}

ImpositionEntry Workbench::enterMargin(int index, double value) {
    return afterEntry(brontaxe::enterMargin(model_, imposition_, index, value));
}

ImpositionEntry Workbench::enterPoseCount(Axis axis, double value) {
    return afterEntry(brontaxe::enterPoseCount(model_, imposition_, axis, value));
}

ImpositionEntry Workbench::enterPoseGap(Axis axis, double value) {
    return afterEntry(brontaxe::enterPoseGap(model_, axis, value));
}

RegenerationReport Workbench::toggleCentre(bool checked) {
    imposition_.ChkCentre = checked;
    return MajImpos();
}

}  // namespace brontaxe
