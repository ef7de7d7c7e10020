#pragma once
// MainWindow, the main window: the drawing, the style and size inputs, the imposition and
// orientation inputs, the figures of the last regeneration, the tool images and the menus.

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/views/drawing_view.h"
#include "app/views/pen_set.h"
#include "editing/edit_tool.h"
#include "editing/element_properties.h"
#include "workbench/design_state.h"
#include "workbench/nesting_imposition.h"
#include "workbench/window_inputs.h"
#include "workbench/workbench.h"

class QAction;
class QActionGroup;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;
class QToolButton;
class QVBoxLayout;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

class CheckPanel;
class CodeCombo;
class DesignHistory;
class EditController;
class EntryBox;
class FileCommands;
class FoldWindow;
class PieceControls;
class PropertiesPanel;
class RecoveryFile;
struct OutsideHost;
class PreviewImage;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `commandLine` is the program's arguments as one text, or nullopt when there are none.
    MainWindow(Workbench& wb, std::optional<std::string> commandLine, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workbench& workbench() { return wb_; }
    DrawingView* view() { return drawingView_; }
    CheckPanel* checkPanel() { return checkPanel_; }
    const std::string& fileName() const { return fileName_; }
    // The program and its version ("Brontaxe 0.1.0", as --version and the package give it), as
    // "À propos" names it.
    const QString& programTitle() const { return programTitle_; }
    bool viewsSwapped() const { return viewsSwapped_; }
    bool numbersShown() const { return numbersShown_; }
    // Regenerations the window asked for since it opened (start-up's included).
    int regenerationCount() const { return regenerations_; }
    QSize initialSize() const { return {initialWidth_, initialHeight_}; }

    // Undo and redo of the design ("Édition").
    DesignHistory& history() { return *history_; }

    // The design written aside while unsaved. At start, a design left by a run that did not
    // close cleanly is offered back ("Récupérer la conception non enregistrée ?").
    RecoveryFile& recovery() { return *recovery_; }
    void offerRecovery();
    // The status bar's message, in red for a fault; it replaces the one before.
    void say(const QString& text, bool fault = false);
    // After each change and each save: the design aside follows what is unsaved.
    void updateRecovery();

    // The file commands (open, save, print) and the name of the design on show.
    FileCommands& files() { return *files_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }
    // "Nouveau": the design the program starts on, under the name it starts with, with no
    // history and nothing left aside to recover.
    void startNewDesign();
    // A design opened from a file: every input shows it, with its regeneration's figures.
    void showOpenedDesign(const RegenerationReport& report);
    // "Configuration" and "Chemin Majorations".
    void openConfiguration();
    void chooseDataDirectory();
    void openTechnicalSheet();  // the technical sheet
    // "Majorations" (the button and the "Options" menu), and "Suppression Qualité" of the
    // configuration dialog.
    void editAllowances();
    void deleteGradeDialog();

    // Menus "Morceaux" and "Passages-Machine", the piece check boxes and tool image 17.
    PieceControls& pieces() { return *pieces_; }
    // "Section" (the section dialog) and "Passages-Machine..." (the passes dialog).
    void openSection();
    void showMachinePasses();

    // The view toggle: preview and drawing exchange places (clicking `Vue3D`).
    void swapDrawingAndPreview();
    // "Vue pliée 3D": the folded blank in its own window, following every regeneration.
    void showFoldWindow();
    FoldWindow* foldWindow() { return foldWindow_; }
    // "Filtrer Cotation", from the menu or the tool image.
    void toggleDimensioning();
    // The blank edited by hand becomes `edited` (Workbench::applyBlankEdit), shown with its
    // figures and recorded as one step of the history.
    void applyBlankEdit(std::vector<Element> edited);

    // The edit mode ("Mode édition"): the "Édition" tool bar, the command line under the
    // drawing and the "Propriétés" dock are shown while it is on.
    void setEditMode(bool on);
    bool editMode() const;
    EditController& editController() { return *editController_; }
    PropertiesPanel& properties() { return *propertiesPanel_; }
    // The entry of a tool in the "Édition" menu and tool bar.
    QAction* toolAction(editing::ToolKind kind) const;

  protected:
    // Closing the window (and "Quitter") first asks about unsaved changes.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building the window.
    void buildMenus();
    void buildEditing();
    QToolBar* buildEditToolBar();
    void addToolAction(QMenu* menu, editing::ToolKind kind, const char* name);
    QToolButton* menuButton(QMenu* menu, const QString& name);
    QMenu* buildSnapMenu();
    void addEditMenuEntries();
    QWidget* buildCommandRow();
    void showSelectedProperties();
    void editProperty(editing::Property property, double value);
    void followTool();
    QWidget* buildToolColumn();
    QWidget* buildInputPanel();
    QWidget* buildResultPanel();
    QGroupBox* buildOrientation();
    QGroupBox* buildSheetFrame();
    // "Optimiser l'imposition": the optimiser's arrangement beside the grid's, to take or leave.
    void optimiseImposition();
    // The least sheet (or roll length) for a number of poses the user gives.
    void smallestSheetForCount();
    void offerNesting(const std::optional<NestingOffer>& offer);
    QGroupBox* buildPosesFrame();
    QGroupBox* buildLengthFigures();
    QGroupBox* buildSurfaceFigures();
    QAction* addCommand(QMenu* menu, const char* name, int entry, std::function<void()> run);
    QToolButton* addToolImage(QBoxLayout* column, const char* name, int toolTipEntry, int icon,
                              std::function<void()> run);
    EntryBox* addEntryBox(const char* name);
    OutsideHost outsideHost();  // the outside programs' commands see the window through it

    // Start-up.
    void placeOnScreen();
    void loadAtStartUp(std::optional<std::string> commandLine);
    void fillFamilies();
    void fillCodes();
    void fillGrades();

    // Every input ends here: the boxes' texts go to the window state, the handler runs, and
    // the window shows what it produced.
    void regenerate(const std::function<RegenerationReport()>& handler);
    void pushInputs();
    // A style with hand edits asks before a change of its own values ("Abandonner les
    // modifications ?"). Yes: the edits go and the style is drawn with the change (the report
    // becomes that drawing's); no: the design `before` the change is put back and shown, and
    // false says there is nothing more to show.
    bool editsAllowChange(const DesignState& before, RegenerationReport& report);
    void showResult(const RegenerationReport& report);
    // A setting that draws nothing by itself (the optimiser's permissions) is still part of
    // the design: a step of the history, a change to save and to recover.
    void settingChanged(bool& setting, bool value);
    // A design put back by undo or redo: every input shows it.
    void showRestored(const RestoredDesign& restored);
    void showInputTexts();
    // A die-line on show: its name in the code box, no family nor code chosen, the sizes and
    // the style's boxes greyed and empty; a style again: its own values.
    void showDesignKind();
    void showSizes();
    void showFigures();
    void showDataWarnings();
    void showLayout();
    void showPreview();
    void showStatus(const RegenerationReport& report);
    void colourLegendLines();
    void showOrientationImages();

    // After the data directory changed: the grades listed again, then the regeneration.
    void tablesChanged();

    // Handlers.
    void dimensionLeft(EntryBox* box, NumberBox kind, float stored);
    // A refused entry: the box takes its value back and the status bar says why.
    void refuse(EntryBox* box, const std::string& reason);
    void takenUnchanged(EntryBox* box);
    void codeBoxLeft();
    void creaseListChanged();
    void familyChosen(int index);
    void codeChosen(int index);
    bool chooseArchitecture();
    void gradeChosen(int index);
    void directionChosen(int buttonIndex);
    void impositionEntry(NumberBox kind, const std::function<ImpositionEntry(double)>& enter,
                         EntryBox* box);
    void showThickness();
    void showForm();
    void chooseFilters();
    void choosePens();
    void removeFilters();
    void saveDefaults();
    void editStyleParameters();
    void showHelp(const QString& section = {});
    void about();

    Workbench& wb_;
    const StringTable& strings_;
    PenSet pens_;
    FileCommands* files_ = nullptr;
    DesignHistory* history_ = nullptr;
    RecoveryFile* recovery_ = nullptr;
    PieceControls* pieces_ = nullptr;

    std::string fileName_;
    QString programTitle_;  // the program and its version, without the file
    bool numbersShown_ = false;
    bool viewsSwapped_ = false;
    bool inputsBlocked_ = true;
    bool dieLineShown_ = false;
    int initialWidth_ = 0;
    int initialHeight_ = 0;
    int regenerations_ = 0;

    DrawingView* drawingView_ = nullptr;
    QWidget* drawingPane_ = nullptr;  // the drawing and, in edit mode, the command line below
    EditController* editController_ = nullptr;
    PropertiesPanel* propertiesPanel_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QToolBar* editToolBar_ = nullptr;
    QAction* editModeAction_ = nullptr;
    QAction* selectAction_ = nullptr;
    QActionGroup* toolGroup_ = nullptr;
    std::vector<std::pair<editing::ToolKind, QAction*>> toolActions_;
    std::vector<QMenu*> editSubMenus_;  // "Dessiner", "Modifier", "Mesurer", "Accrochages"
    QWidget* commandRow_ = nullptr;
    PreviewImage* previewImage_ = nullptr;
    FoldWindow* foldWindow_ = nullptr;
    QVBoxLayout* bigSlot_ = nullptr;    // where the drawing normally is
    QVBoxLayout* smallSlot_ = nullptr;  // where the preview normally is

    QComboBox* familyCombo_ = nullptr;
    CodeCombo* codeCombo_ = nullptr;
    EntryBox* codeBox_ = nullptr;
    EntryBox* lengthBox_ = nullptr;
    EntryBox* widthBox_ = nullptr;
    EntryBox* heightBox_ = nullptr;
    QLabel* heightCaption_ = nullptr;
    QLabel* heightUnit_ = nullptr;  // element 2 of the unit labels
    QPushButton* detailsButton_ = nullptr;
    EntryBox* creaseListBox_ = nullptr;
    QComboBox* gradeCombo_ = nullptr;
    QLabel* thicknessLabel_ = nullptr;  // the chosen grade's board thickness
    QLabel* formLabel_ = nullptr;       // under the code: what the lists say of its blank
    // The flute's three option buttons, then the pass's, each group in the order of `AlongAxis`.
    std::array<QRadioButton*, 6> orientationButtons_{};
    QLabel* fluteImage_ = nullptr;
    QLabel* passImage_ = nullptr;

    EntryBox* sheetXBox_ = nullptr;
    EntryBox* sheetYBox_ = nullptr;
    std::array<EntryBox*, 2> marginBoxes_{};
    EntryBox* posesXBox_ = nullptr;
    EntryBox* posesYBox_ = nullptr;
    EntryBox* gapXBox_ = nullptr;
    EntryBox* gapYBox_ = nullptr;
    QCheckBox* centreBox_ = nullptr;
    QCheckBox* quarterTurnBox_ = nullptr;  // "Quart de tour permis"
    QCheckBox* rollBox_ = nullptr;         // the optimiser lays on a roll

    QLabel *cutLengthLabel_ = nullptr, *cutCreaseLengthLabel_ = nullptr,
           *perforationLengthLabel_ = nullptr, *halfCutLengthLabel_ = nullptr,
           *creaseLengthLabel_ = nullptr, *totalLengthLabel_ = nullptr;
    QLabel *bridgedCutCaption_ = nullptr, *bridgedCutLabel_ = nullptr;
    QLabel *cutSurfaceLabel_ = nullptr, *imposedSizeLabel_ = nullptr, *poseCountLabel_ = nullptr,
           *wasteLabel_ = nullptr, *sheetWasteLabel_ = nullptr;
    std::array<QLabel*, 5> legendLines_{};  // Linec, Linepr, Linep, Linemc, Liner

    QAction* dimensioningAction_ = nullptr;
    QAction* numberingAction_ = nullptr;
    QLabel* statusMessage_ = nullptr;
    QLabel* dataWarnings_ = nullptr;    // in the surface figures frame
    CheckPanel* checkPanel_ = nullptr;  // the design-rule check's verdict
};

}  // namespace brontaxe::app
