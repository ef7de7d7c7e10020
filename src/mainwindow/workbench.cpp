#include "mainwindow/workbench.h"

#include <algorithm>
#include <cctype>

#include "board/data_directory.h"
#include "board/ini_majo.h"
#include "model/model_init.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/text.h"

namespace brontaxe {
namespace {

// The customer profile of section "FicheTechnique", in capitals ("QLX" changes the glue flap).
std::string customerProfile(const platform::PrivateProfile& settings) {
    std::string profile(
        platform::trimBlanks(settings.GetString("FicheTechnique", "Personnalisation", "", 256,
                                                std::filesystem::path(kPreferencesFileName))));
    std::transform(profile.begin(), profile.end(), profile.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return profile;
}

}  // namespace

Workbench::Workbench(platform::PrivateProfile settings, GeneratorLookup lookup,
                     platform::EnvironmentLookup env)
    : settings_(std::move(settings)), lookup_(lookup), env_(std::move(env)) {}

void Workbench::startUp() {
    model_ = Model{};
    imposition_ = ImpositionSettings{};
    window_ = MainWindowState{};
    model_.BloqueModif = true;
    setStartupValues(model_);
    model_.CodeModele = "0201";
    Init(model_, ParameterFile(settings_));
    drawingFileName_ = "paramQMT.des";
    model_.MajoFefco = dataDirectorySetting(settings_, env_);
    model_.Personnalisation = customerProfile(settings_);
    loadTables();
    IniMajo();
    model_.EPoign = 2 * model_.EpaisseurCarton;
    AdapteParam(false);
    window_.listeFoulages.clear();  // the creases box shows only for 0990 and 0991
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
    const int selected = majo_.grades().holds(model_.NumQualite) ? model_.NumQualite : 0;
    return brontaxe::IniMajo(model_, majo_, window_.txtModel, selected);
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
