#pragma once
// frmPrinc, the main window: the drawing, the style and size inputs, the imposition and
// orientation inputs, the figures of the last regeneration, the tool images and the menus.

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/views/drawing_view.h"
#include "app/views/pen_set.h"
#include "workbench/window_inputs.h"
#include "workbench/workbench.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class QVBoxLayout;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

class CheckPanel;
class EntryBox;
class FileCommands;
class FoldWindow;
class PieceControls;
struct OutsideHost;
class PreviewImage;

class frmPrinc : public QMainWindow {
    Q_OBJECT
  public:
    // `commandLine` is the program's arguments as one text, or nullopt when there are none.
    frmPrinc(Workbench& wb, std::optional<std::string> commandLine, QWidget* parent = nullptr);
    ~frmPrinc() override;

    Workbench& workbench() { return wb_; }
    DrawingView* view() { return Trazel1_; }
    CheckPanel* checkPanel() { return controle_; }
    const std::string& NomFichier() const { return NomFichier_; }
    bool VueInversee() const { return VueInversee_; }
    bool Numerotation() const { return Numerotation_; }
    // Regenerations the window asked for since it opened (start-up's included).
    int regenerationCount() const { return regenerations_; }
    QSize initialSize() const { return {LargeurInit_, HauteurInit_}; }

    // The file commands (open, save, print) and the name of the design on show.
    FileCommands& files() { return *files_; }
    void setNomFichier(std::string name) { NomFichier_ = std::move(name); }
    // A design opened from a file: every input shows it, with its regeneration's figures.
    void showOpenedDesign(const RegenerationReport& report);
    // "Configuration" and "Chemin Majorations".
    void mn_config_Click();
    void mn_chemajo_Click();
    void Image10_Click();  // the technical sheet
    // "Majorations" (the button and the "Options" menu), and "Suppression Qualité" of the
    // configuration dialog.
    void But_Majo_Click();
    void deleteGradeDialog();

    // Menus "Morceaux" and "Passages-Machine", the piece check boxes and tool image 17.
    PieceControls& pieces() { return *pieces_; }
    // "Section" (the section dialog) and "Passages Machine" (the passes dialog).
    void mnsection_Click();
    void mnpassage_Click();

    // The view toggle: preview and drawing exchange places (clicking `Vue3D`).
    void Vue3D_Click();
    // "Vue pliée 3D": the folded blank in its own window, following every regeneration.
    void showFoldWindow();
    FoldWindow* foldWindow() { return foldWindow_; }
    // "Filtrer Cotation", from the menu or the tool image.
    void mncotes_Click();

  protected:
    // Closing the window (and "Quitter") first asks about unsaved changes.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building the window.
    void buildMenus();
    QWidget* buildToolColumn();
    QWidget* buildInputPanel();
    QWidget* buildResultPanel();
    QGroupBox* buildOrientation();
    QGroupBox* buildSheetFrame();
    QGroupBox* buildPosesFrame();
    QGroupBox* buildLengthFigures();
    QGroupBox* buildSurfaceFigures();
    QAction* addCommand(QMenu* menu, const char* name, int entry, std::function<void()> run);
    QToolButton* addToolImage(QBoxLayout* column, const char* name, int toolTipEntry, int icon,
                              std::function<void()> run);
    EntryBox* addEntryBox(const char* name);
    OutsideHost outsideHost();  // the outside programs' commands see the window through it

    // Start-up.
    void Form_Load(std::optional<std::string> commandLine);
    void fillFamilies();
    void fillCodes();
    void fillGrades();

    // Every input ends here: the boxes' texts go to the window state, the handler runs, and
    // the window shows what it produced.
    void regenerate(const std::function<RegenerationReport()>& handler);
    void pushInputs();
    void showResult(const RegenerationReport& report);
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
    void txtModel_LostFocus();
    void Txt_listefoulages_Change();
    void CbGroup_Click(int index);
    void CbModules_Click(int index);
    bool chooseArchitecture();
    void Cmb_Qual_Click(int index);
    void Option1_Click(int index);
    void impositionEntry(NumberBox kind, const std::function<ImpositionEntry(double)>& enter,
                         EntryBox* box);
    void showThickness();
    void mnaffichage_filtres_Click();
    void mnoptions_stylos_Click();
    void Image3_Click();
    void mnsavdef_Click();
    void CmdDetails_Click();
    void showHelp(const QString& anchor = {});
    void about();

    Workbench& wb_;
    const StringTable& strings_;
    PenSet pens_;
    FileCommands* files_ = nullptr;
    PieceControls* pieces_ = nullptr;

    std::string NomFichier_;
    bool Numerotation_ = false;
    bool VueInversee_ = false;
    bool BloqueModif_ = true;
    int LargeurInit_ = 0;
    int HauteurInit_ = 0;
    int regenerations_ = 0;

    DrawingView* Trazel1_ = nullptr;
    PreviewImage* Vue3D_ = nullptr;
    FoldWindow* foldWindow_ = nullptr;
    QVBoxLayout* bigSlot_ = nullptr;    // where the drawing normally is
    QVBoxLayout* smallSlot_ = nullptr;  // where the preview normally is

    QComboBox* CbGroup_ = nullptr;
    QComboBox* CbModules_ = nullptr;
    EntryBox* txtModel_ = nullptr;
    EntryBox* longueur_ = nullptr;
    EntryBox* largeur_ = nullptr;
    EntryBox* hauteur_ = nullptr;
    QLabel* lbhauteur_ = nullptr;
    QLabel* hauteurUnit_ = nullptr;  // element 2 of the unit labels
    QPushButton* CmdDetails_ = nullptr;
    EntryBox* Txt_listefoulages_ = nullptr;
    QComboBox* Cmb_Qual_ = nullptr;
    QLabel* lbEpaisseur_ = nullptr;  // the chosen grade's board thickness
    std::array<QRadioButton*, 6> Option1_{};
    QLabel* fluteImage_ = nullptr;
    QLabel* passImage_ = nullptr;

    EntryBox* TxFmtCX_ = nullptr;
    EntryBox* TxFmtCY_ = nullptr;
    std::array<EntryBox*, 2> TxtFCEsp_{};
    EntryBox* TxNbPoseX_ = nullptr;
    EntryBox* TxNbPoseY_ = nullptr;
    EntryBox* TxespX_ = nullptr;
    EntryBox* TxespY_ = nullptr;
    QCheckBox* ChkCentre_ = nullptr;

    QLabel *lbCoupant_ = nullptr, *lbPerfoRainant_ = nullptr, *lbPerfo_ = nullptr,
           *lbMiChair_ = nullptr, *lbRainant_ = nullptr, *lbTotal_ = nullptr;
    QLabel *lbSurf_ = nullptr, *lbDimHt_ = nullptr, *lbnbposes_ = nullptr, *lbPerte_ = nullptr,
           *lbperteFc_ = nullptr;
    std::array<QLabel*, 5> legendLines_{};  // Linec, Linepr, Linep, Linemc, Liner

    QAction* mncotes_ = nullptr;
    QAction* mnaffichage_numero_ = nullptr;
    QLabel* statusMessage_ = nullptr;
    QLabel* dataWarnings_ = nullptr;  // in the surface figures frame
    CheckPanel* controle_ = nullptr;  // the design-rule check's verdict
};

}  // namespace brontaxe::app
