#pragma once
// What the main window works on: the model, the drawing control and the settings. The Qt
// window and the command-line tool both drive the program through a Workbench.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "board/majo.h"
#include "drawing/drawing.h"
#include "mainwindow/imposition_input.h"
#include "model/model.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "styles/generators.h"

namespace brontaxe {

struct RegenerationReport {
    bool drawn = false;                // a generator ran to its end
    std::string message;               // why nothing, or only part, was drawn (French)
    std::vector<std::string> notices;  // values the regeneration had to correct (French)
};

// An entry in one of the imposition boxes and the regeneration it caused.
struct ImpositionEntry {
    bool warn = false;  // the window selects the box's text again
    RegenerationReport report;
};

class Workbench {
  public:
    using GeneratorLookup = Generator (*)(std::string_view code);

    // `lookup` finds the generator of a code; tests may pass their own, and their own
    // environment (data directory, drive C).
    explicit Workbench(platform::PrivateProfile settings, GeneratorLookup lookup = &findGenerator,
                       platform::EnvironmentLookup env = platform::processEnvironment());

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    Drawing& Trazel1() { return drawing_; }
    const Drawing& Trazel1() const { return drawing_; }
    const platform::PrivateProfile& settings() const { return settings_; }

    Majo& majo() { return majo_; }
    const Majo& majo() const { return majo_; }

    // Start-up values, then the defaults and stored parameters of `Init`, the grade and
    // allowance tables of the data directory, and `IniMajo`.
    void startUp();

    // Applies the code, the grade `NumQualite` (none when the table does not hold it) and its
    // allowances to the model. `CodeModele` keeps the code as typed, since it stands for the
    // code box here. Returns whether the multi-piece options apply.
    bool IniMajo();

    // What went wrong while the tables were last loaded (empty when both files read whole).
    const std::vector<std::string>& tableProblems() const { return tableProblems_; }

    // The data directory becomes the directory of `chosenFile` (a table file the user picked):
    // stored in the preferences, tables reloaded, `IniMajo` run; the caller then regenerates.
    // A file that does not exist, or preferences that cannot be written, change nothing and
    // are reported.
    std::optional<std::string> changeDataDirectory(const std::filesystem::path& chosenFile);

    // Regenerates the drawing of the current code from the model and measures it. A failed
    // generation is reported, never thrown; the figures then describe what was drawn.
    RegenerationReport Modifier();

    const std::string& drawingFileName() const { return drawingFileName_; }

    // Imposition (frames "Poses" and "Format Carton").
    ImpositionSettings& imposition() { return imposition_; }
    const ImpositionSettings& imposition() const { return imposition_; }
    ImpositionNotices CalImpos() { return brontaxe::CalImpos(model_, imposition_); }
    ImpositionNotices AjouterImpos() {
        return brontaxe::AjouterImpos(model_, drawing_, imposition_);
    }
    // Figures brought up to date, then the regeneration.
    RegenerationReport MajImpos();
    ImpositionEntry enterSheetSize(Axis axis, double value);
    ImpositionEntry enterMargin(int index, double value);
    ImpositionEntry enterPoseCount(Axis axis, double value);
    ImpositionEntry enterPoseGap(Axis axis, double value);
    RegenerationReport toggleCentre(bool checked);

  private:
    void measureSize();
    void impose(RegenerationReport& report);
    void measureTotals();
    ImpositionEntry afterEntry(BoxEntry entry);
    void loadTables();

    platform::PrivateProfile settings_;
    GeneratorLookup lookup_;
    platform::EnvironmentLookup env_;
    Majo majo_;
    std::vector<std::string> tableProblems_;
    Model model_;
    Drawing drawing_;
    ImpositionSettings imposition_;
    std::string drawingFileName_;
};

}  // namespace brontaxe
