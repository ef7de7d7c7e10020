#pragma once
// What the main window works on: the model, the drawing control and the settings. The Qt
// window and the command-line tool both drive the program through a Workbench.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board_tables.h"
#include "drawing/drawing.h"
#include "drawing/section/section_cut.h"
#include "model/model.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "styles/generators.h"
#include "workbench/allowance_effects.h"
#include "workbench/catalogue.h"
#include "workbench/imposition_input.h"
#include "workbench/nesting_pattern.h"
#include "workbench/pieces.h"

namespace brontaxe {

struct Arrangement;

struct RegenerationReport {
    bool drawn = false;                // a generator ran to its end
    bool keptPrevious = false;         // no generator for the code: the drawing is unchanged
    std::string message;               // why nothing, or only part, was drawn (French)
    std::vector<std::string> notices;  // values the regeneration had to correct (French)
};

// What the main window shows and the regeneration reads from it: the selection, the texts of
// the code box, the dimension boxes and the creases box, and two view switches.
struct MainWindowState {
    int familyNumber = 1;  // family combo index + 1 (1 = 02 ... 7 = 09)
    int codeNumber = 1;    // code combo index + 1
    std::string codeText = "0201";
    std::string lengthText = "400";
    std::string widthText = "300";
    std::string heightText = "200";
    std::string creaseList;  // the creases box, shown only for 0990 and 0991
    bool creaseListLayout = false;
    bool dimensioningHidden = false;  // "Filtrer Cotation": the dimensioning hidden
    // Last entry of the 02 list: "Haut / Bas", or the top/bottom combination that replaced it.
    std::string topBottomEntry = "Haut / Bas";
};

// A section applied: the regeneration that cut the blank, and why it was not cut (French).
struct SectionOutcome {
    RegenerationReport report;
    std::optional<std::string> refusal;
};

// A section as the section tool applied it: the side kept and the position of the line.
struct SectionRequest {
    SectionSide keep = SectionSide::Left;
    double position = 0;
    bool operator==(const SectionRequest&) const = default;
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
    Drawing& drawing() { return drawing_; }
    const Drawing& drawing() const { return drawing_; }
    const platform::PrivateProfile& settings() const { return settings_; }

    BoardTables& boardTables() { return boardTables_; }
    const BoardTables& boardTables() const { return boardTables_; }

    // Start-up values, then the defaults and stored parameters of `Init`, the grade and
    // allowance tables of the data directory, and `lookUpAllowances`.
    void startUp();

    // Applies the code, the grade `NumQualite` (none when the table does not hold it) and its
    // allowances to the model. `CodeModele` keeps the code as typed, since it stands for the
    // code box here. Returns whether the multi-piece options apply.
    bool lookUpAllowances();

    // What went wrong while the tables were last loaded (empty when both files read whole).
    const std::vector<std::string>& tableProblems() const { return tableProblems_; }

    // Everything in the data that the drawing on screen does not follow as written: stored
    // settings set aside, table files missing or records set aside, and the current code and
    // grade having no allowance record of their own (unless the style drew with defaults of
    // its own). French, one warning an entry; the window's status bar and figures frame and
    // the command line's stderr show them, so that no blank passes as drawn from the tables
    // when it was not.
    std::vector<std::string> dataWarnings() const;
    // The same in two parts: what start-up found (settings, tables), and what concerns the
    // drawing on screen (its code and grade without an allowance record).
    std::vector<std::string> startUpWarnings() const;
    const std::optional<std::string>& allowanceWarning() const { return allowanceWarning_; }

    // The data directory becomes the directory of `chosenFile` (a table file the user picked):
    // stored in the preferences, tables reloaded, `lookUpAllowances` run; the caller then
    // regenerates. A file that does not exist, or preferences that cannot be written, change
    // nothing and are reported.
    std::optional<std::string> changeDataDirectory(const std::filesystem::path& chosenFile);
    // The same for a folder the user picked; a folder without usable tables is still stored,
    // and the table loading says what it lacks.
    std::optional<std::string> changeDataFolder(const std::filesystem::path& folder);
    // After the tables were saved: when the save made the user's own copy of the shipped
    // tables, the preferences name that copy from now on ("MajoFefco"). Says why they could
    // not be written.
    std::optional<std::string> followSavedTables();

    MainWindowState& window() { return window_; }
    const MainWindowState& window() const { return window_; }

    // The allowance editor's way back: the model and both tables as they were on opening.
    struct EditState {
        Model model;
        GradeTable grades;
        AllowanceTable allowances;
        AllowanceValues lookedUpAllowances{};
        std::optional<std::string> lookupNotice;
    };
    EditState editState() const;
    void restoreEditState(const EditState& state);
    // The model's allowances were typed for its code and grade, which hold them as their own
    // record now: the styles draw with them and no borrowed-allowance warning stands.
    void allowancesTyped();
    // What each allowance moves in the drawing on screen (see allowance_effects.h).
    AllowanceEffects allowanceEffects() const;

    // With true, the dimension boxes (as numbers) and the creases box (as text) go into the
    // model; with false, the model's dimensions go back into the boxes ("#######0.00").
    void transferDimensions(bool fromWindow);

    // Regenerates the drawing of the code in the code box and measures it: overall size,
    // mirror, extra creases, imposition, line totals, cut surface, direction arrows, waste.
    // A code without a generator leaves the drawing as it was; a failed generation clears it
    // and says why, so that no figure of an older drawing passes for the new one.
    RegenerationReport regenerate();

    // The window's handlers that end in a regeneration.
    RegenerationReport codeBoxLeft();                   // the code box left or Enter pressed
    RegenerationReport familyChosen(int familyNumber);  // a family chosen: its first code
    RegenerationReport codeChosen(int codeNumber);      // a code chosen in the family's list
    RegenerationReport gradeChosen(int gradeNumber);    // a board grade chosen
    RegenerationReport fluteDirectionChosen(AlongAxis direction);  // a flute option button
    RegenerationReport passDirectionChosen(AlongAxis direction);   // a pass option button
    RegenerationReport toggleMirror();
    // Whether the program draws a code of the lists (codes whose style is still to come are
    // shown greyed); a family is drawn when one of its codes is.
    bool isDrawn(std::string_view code) const;
    bool familyIsDrawn(int familyNumber) const;
    // The codes the code combo lists for a family (the 02 list ends with the top/bottom entry).
    std::vector<std::string> familyCodes(int familyNumber) const;

    // Menus "Morceaux" and "Passages-Machine": the option set, then the regeneration.
    RegenerationReport choosePiece(Piece piece);
    RegenerationReport chooseAllPieces();
    RegenerationReport toggleTwoPieceCase();
    RegenerationReport setFourPieceCase(std::int16_t variant);  // 0 unchecks
    RegenerationReport togglePassDirection(AlongAxis direction);

    // The section tool. Positions are measured from the left (or bottom) edge of the blank
    // as the last regeneration drew it, mirrored and with its extra creases, before any pose.
    const Box& sectionFrame() const { return sectionFrame_; }
    // A fresh blank cut at `position` with the `keep` side kept, then measured: cuts never
    // add up. The next regeneration draws the whole blank again.
    SectionOutcome applySection(SectionSide keep, double position);
    // The section the drawing on show was cut along; none once a regeneration drew the blank
    // whole again.
    const std::optional<SectionRequest>& appliedSection() const { return appliedSection_; }
    // The section line (kind 7) over the drawing on show, a twentieth of the blank past it.
    void previewSection(SectionSide keep, double position);

    const std::string& drawingFileName() const { return drawingFileName_; }

    // A die-line made elsewhere (read from DXF or CFF2), drawn, measured, checked, cut and
    // imposed in place of a style until a style is chosen. Its name stands in the code box.
    void adoptDieLine(const Drawing& blank, const std::string& name);
    bool hasDieLine() const { return dieLine_.has_value(); }
    void dropDieLine() { dieLine_.reset(); }
    // The die-line's rules as read (what a design file keeps), and the same put back.
    const std::optional<std::vector<Element>>& dieLine() const { return dieLine_; }
    void restoreDieLine(std::vector<Element> rules) { dieLine_ = std::move(rules); }

    // Editing the blank by hand. The blank as the last regeneration drew it, before any pose,
    // bridge and direction arrow (mirror, extra creases and section applied): what an edit
    // starts from. The drawing holds these elements first, in the same order, so that the
    // element at position i of the drawing is element i of this blank. Lines and arcs lie
    // where they lie here, bridges aside; only two impositions move them on screen: a grid of
    // more than one pose moves the dimension chains clear of the poses, and an optimised
    // pattern whose first pose is turned (`nestedArrangement()->poses.front().turn`) turns the
    // whole blank about the origin. Empty when nothing is drawn.
    const std::vector<Element>& editableBlank() const { return editableBlank_; }
    // The drawing on show was read from a file as it was saved, not drawn by a regeneration:
    // none of it is a blank to edit until the next regeneration.
    void drawingReadAsSaved() { editableBlank_.clear(); }
    // The blank becomes `edited`, then the regeneration measures, bridges and imposes it. On a
    // style the edits lock its sizes and parameters until discarded; a die-line's rules simply
    // change. Bridges that no longer lie wholly on their shortened line or arc are dropped.
    RegenerationReport applyBlankEdit(std::vector<Element> edited);
    // A style drawn with hand edits (an edited die-line is still only a die-line).
    //
    // What drops them: another code (codeBoxLeft, familyChosen, codeChosen), a die-line
    // adopted, a new design (startUp) and discardBlankEdits; the window asks "Abandonner les
    // modifications ?" first while this is true. Every other regeneration draws the edits as
    // they are, whatever the sizes, grade, mirror, pieces and creases now say: the window
    // keeps those locked, or discards the edits before it changes one. The imposition, the
    // bridges' rules, the directions and a section apply to the edited blank as to any.
    bool hasBlankEdits() const { return blankEdits_.has_value(); }
    const std::optional<std::vector<Element>>& blankEdits() const { return blankEdits_; }
    // The style's own blank again ("Abandonner les modifications ?" answered yes).
    RegenerationReport discardBlankEdits();
    // The edits of a design put back (undo, a file opened); the caller regenerates.
    void restoreBlankEdits(std::optional<std::vector<Element>> edits) {
        blankEdits_ = std::move(edits);
    }
    // The style's own blank as the last regeneration of an edited style drew it before the
    // edits replaced it (mirror and extra creases applied); empty without edits. The fold
    // compares the faces of both.
    const std::vector<Element>& styleOwnBlank() const { return styleOwnBlank_; }

    // Imposition (frames "Poses" and "Format Carton").
    ImpositionSettings& imposition() { return imposition_; }
    // The optimiser's pattern once the user took it ("Optimiser l'imposition"); else the grid.
    std::optional<NestPattern>& nesting() { return nesting_; }
    // The pattern's blank is taken again at the next regeneration (a design put back or
    // opened): the pattern holds for the blank that design draws.
    void forgetNestedBlank() { nestedBlank_.reset(); }
    const std::optional<NestPattern>& nesting() const { return nesting_; }
    // What the optimiser's pattern laid at the last regeneration; none on the grid.
    const Arrangement* nestedArrangement() const { return nestedArrangement_.get(); }
    const ImpositionSettings& imposition() const { return imposition_; }
    ImpositionNotices computeImposition() {
        return brontaxe::computeImposition(model_, imposition_);
    }
    ImpositionNotices drawImposition() {
        return brontaxe::drawImposition(model_, drawing_, imposition_);
    }
    // Figures brought up to date, then the regeneration.
    RegenerationReport updateImposition();
    ImpositionEntry enterSheetSize(Axis axis, double value);
    ImpositionEntry enterMargin(int index, double value);
    ImpositionEntry enterPoseCount(Axis axis, double value);
    ImpositionEntry enterPoseGap(Axis axis, double value);
    RegenerationReport toggleCentre(bool checked);

  private:
    // Selects a style and draws it; a style that cannot be drawn leaves the window and the
    // model on the style that is drawn.
    RegenerationReport changeStyle(const std::function<void()>& select);
    Generator generatorOf(const DispatchTarget& target) const;
    RegenerationReport generate();
    RegenerationReport drawDieLine();
    Box drawEditedBlank();
    std::string nestingKey() const;
    void drawExtraCreases();
    void cutAlongSection(Box& blank);
    void measureCutSurface(RegenerationReport& report);
    void drawDirectionArrows(const Box& blank, RegenerationReport& report);
    void applyLayoutOf(double styleNumber);
    void clearFigures();
    void measureSize();
    void impose(RegenerationReport& report);
    void measureTotals();
    ImpositionEntry afterEntry(BoxEntry entry);
    void loadTables();

    platform::PrivateProfile settings_;
    GeneratorLookup lookup_;
    platform::EnvironmentLookup env_;
    BoardTables boardTables_;
    std::vector<std::string> tableProblems_;
    std::vector<std::string> settingWarnings_;
    // The allowances the last lookUpAllowances found, and what to say when the generator draws with
    // them as they are.
    AllowanceValues lookedUpAllowances_{};
    std::optional<std::string> lookupNotice_;
    std::optional<std::string> allowanceWarning_;  // of the drawing on screen
    Model model_;
    Drawing drawing_;
    ImpositionSettings imposition_;
    std::optional<NestPattern> nesting_;
    std::shared_ptr<const Arrangement> nestedArrangement_;
    // The blank the optimiser's pattern was taken for: another blank goes back to the grid.
    std::optional<std::string> nestedBlank_;
    MainWindowState window_;
    std::string drawingFileName_;
    std::optional<SectionRequest> pendingSection_;
    std::optional<SectionRequest> appliedSection_;
    std::optional<std::string> sectionRefusal_;
    Box sectionFrame_;
    std::optional<std::vector<Element>> dieLine_;
    std::optional<std::vector<Element>> blankEdits_;
    std::vector<Element> editableBlank_;
    std::vector<Element> styleOwnBlank_;
    std::int32_t symbolLibrary_ = 0;  // handle of the arrows' library, loaded when first needed
};

}  // namespace brontaxe
