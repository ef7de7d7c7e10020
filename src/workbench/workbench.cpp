#include "workbench/workbench.h"

#include <algorithm>
#include <cctype>

#include "board/allowance_lookup.h"
#include "board/data_directory.h"
#include "model/model_init.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/text.h"
#include "workbench/preferences.h"

namespace brontaxe {
Workbench::Workbench(platform::PrivateProfile settings, GeneratorLookup lookup,
                     platform::EnvironmentLookup env)
    : settings_(std::move(settings)), lookup_(lookup), env_(std::move(env)) {}

void Workbench::startUp() {
    model_ = Model{};
    imposition_ = ImpositionSettings{};
    nesting_.reset();
    nestedBlank_.reset();
    window_ = MainWindowState{};
    // A new design ("Nouveau") starts as bare as the program does.
    dieLine_.reset();
    blankEdits_.reset();
    editableBlank_.clear();
    styleOwnBlank_.clear();
    pendingSection_.reset();
    appliedSection_.reset();
    drawing_.ClearDrawing();
    drawing_.setTechnicalSheet({}, {});
    model_.BloqueModif = true;
    setStartupValues(model_);
    model_.CodeModele = "0201";
    const ParameterFile parameters(settings_);
    Init(model_, parameters);
    settingWarnings_ = parameters.warnings();
    drawingFileName_ = "paramQMT.des";
    model_.MajoFefco = dataDirectorySetting(settings_, env_);
    readPreferences(model_, settings_);
    loadTables();
    lookUpAllowances();
    model_.EPoign = 2 * model_.EpaisseurCarton;
    transferDimensions(false);
    window_.creaseList.clear();  // the creases box shows only for 0990 and 0991
    model_.BloqueModif = false;
}

void Workbench::loadTables() {
    boardTables_.setDataDirectory(dataDirectoryPath(model_.MajoFefco, env_));
    // The shipped tables are read where they are, and copied to the user's folder the first
    // time they are saved.
    if (namesShippedDirectory(model_.MajoFefco, env_))
        boardTables_.saveInto(userTablesDirectory(env_));
    boardTables_.readGrades();
    boardTables_.readAllowances();
    tableProblems_ = boardTables_.gradeWarnings();
    const auto& more = boardTables_.allowanceWarnings();
    tableProblems_.insert(tableProblems_.end(), more.begin(), more.end());
}

std::vector<std::string> Workbench::startUpWarnings() const {
    std::vector<std::string> all = settingWarnings_;
    all.insert(all.end(), tableProblems_.begin(), tableProblems_.end());
    return all;
}

std::vector<std::string> Workbench::dataWarnings() const {
    std::vector<std::string> all = startUpWarnings();
    if (allowanceWarning_)
        all.push_back(*allowanceWarning_);
    return all;
}

bool Workbench::lookUpAllowances() {
    const int selected = boardTables_.grades().holds(model_.NumQualite) ? model_.NumQualite : 0;
    const bool multiPiece =
        brontaxe::lookUpAllowances(model_, boardTables_, window_.codeText, selected);
    lookedUpAllowances_ = model_.Majo;
    lookupNotice_ = allowanceLookupNotice(boardTables_, model_.NumModele, selected);
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
    lookUpAllowances();
    return std::nullopt;
}

std::optional<std::string> Workbench::followSavedTables() {
    if (!namesShippedDirectory(model_.MajoFefco, env_) ||
        namesShippedDirectory(boardTables_.dataDirectory().string(), env_))
        return std::nullopt;
    const std::string directory = boardTables_.dataDirectory().string() + "/";
    if (!storeDataDirectory(settings_, directory))
        return "Tables enregistrées dans " + directory +
               ", mais le chemin des majorations n'a pas pu être enregistré dans " +
               settings_.resolve(std::string(kPreferencesFileName)).string();
    model_.MajoFefco = directory;
    return std::nullopt;
}

std::optional<std::string> Workbench::changeDataFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return "Dossier introuvable : " + folder.string();
    std::string directory = std::filesystem::absolute(folder, ec).string();
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    if (!storeDataDirectory(settings_, directory))
        return "Impossible d'enregistrer le chemin des majorations dans " +
               settings_.resolve(std::string(kPreferencesFileName)).string();
    model_.MajoFefco = directory;
    loadTables();
    lookUpAllowances();
    return std::nullopt;
}

}  // namespace brontaxe

namespace brontaxe {

RegenerationReport Workbench::updateImposition() {
    ImpositionNotices notices = updateImpositionFigures(model_, imposition_);
    RegenerationReport report = regenerate();
    // The regeneration recomputes the same figures: keep each word once.
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
        result.report = updateImposition();
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
    return updateImposition();
}

}  // namespace brontaxe
