// frmPrinc's controls, frames and menus. Every caption and tool-tip is a string-table entry,
// given here as the control's "stringEntry" or "toolTipEntry" and applied by the start-up pass.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>

#include "app/commands/file_commands.h"
#include "app/commands/outside_commands.h"
#include "app/commands/technical_sheet_command.h"
#include "app/dialogs/frm_mckee.h"
#include "app/views/preview_image.h"
#include "app/window/check_panel.h"
#include "app/window/entry_box.h"
#include "app/window/frm_princ.h"
#include "app/window/icons.h"
#include "app/window/piece_controls.h"
#include "app/window/string_pass.h"

namespace brontaxe::app {
namespace {

constexpr int kInputPanelWidth = 300;
constexpr int kResultPanelWidth = 290;

QLabel* captionLabel(QWidget* parent, const char* name, int entry) {
    auto* label = new QLabel(parent);
    if (name)
        label->setObjectName(name);
    setStringEntry(label, entry);
    return label;
}

QLabel* figureLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(70);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

OutsideHost frmPrinc::outsideHost() {
    OutsideHost h;
    h.window = this;
    h.styleText = [this] { return CbModules_->currentText(); };
    h.preview = [this] { return Vue3D_->pixmap(); };
    h.drawingChanged = [this] { Trazel1_->drawingChanged(); };
    h.save = [this] { files_->mnfichiers_sauver_Click(); };
    h.NomFichier = [this] { return NomFichier_; };
    h.closeWindow = [this] { close(); };
    h.status = [this](const QString& text) { statusMessage_->setText(text); };
    return h;
}

QAction* frmPrinc::addCommand(QMenu* menu, const char* name, int entry, std::function<void()> run) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    setStringEntry(action, entry);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QToolButton* frmPrinc::addToolImage(QBoxLayout* column, const char* name, int toolTipEntry,
                                    int icon, std::function<void()> run) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setIcon(toolIcon(static_cast<ToolImage>(icon)));
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    if (toolTipEntry)
        setToolTipEntry(button, toolTipEntry);
    connect(button, &QToolButton::clicked, this, [run = std::move(run)] { run(); });
    column->addWidget(button);
    return button;
}

EntryBox* frmPrinc::addEntryBox(const char* name) {
    auto* box = new EntryBox;
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void frmPrinc::buildMenus() {
    QMenu* file = menuBar()->addMenu(QString());
    file->setObjectName("mnfichier");
    setStringEntry(file, 40);
    addCommand(file, "mnfichiers_ouvrir", 41, [this] {
        files_->mnfichiers_ouvrir_Click();
    })->setShortcut(QKeySequence::Open);
    QMenu* recent = file->addMenu(QString());
    recent->setObjectName("mnfichiers_recents");
    setStringEntry(recent, 1555);
    files_->setRecentMenu(recent);
    file->addSeparator();
    addCommand(file, "mnfichiers_sauver", 42, [this] {
        files_->mnfichiers_sauver_Click();
    })->setShortcut(QKeySequence::Save);
    addCommand(file, "mnfichiers_sauversous", 43, [this] {
        files_->mnfichiers_sauversous_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addCommand(file, "mnfichiers_exporter", 1551, [this] { files_->mnfichiers_exporter_Click(); });
    file->addSeparator();
    addCommand(file, "mnfichiers_imprimer", 44, [this] {
        files_->mnfichiers_imprimer_Click();
    })->setShortcut(QKeySequence::Print);
    addCommand(file, "mnfichiers_configurerimp", 1552,
               [this] { files_->mnfichiers_configurerimp_Click(); });
    file->addSeparator();
    addCommand(file, "mnsavdef", 47, [this] { mnsavdef_Click(); });
    addCommand(file, "mn_chemajo", 1553, [this] { mn_chemajo_Click(); });
    addCommand(file, "mn_saisirModFT", 1554, [this] {
        chooseSheetTemplate(wb_, this);
        Trazel1_->fitToWindow();
    });
    file->addSeparator();
    addCommand(file, "mnfichiers_quitter", 46, [this] {
        close();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName("mnaffichage");
    setStringEntry(view, 30);
    addCommand(view, "mnaffichage_zoomavant", 31,
               [this] { Trazel1_->setTool(DrawingView::Tool::ZoomIn); });
    addCommand(view, "mnaffichage_zoomarriere", 32,
               [this] { Trazel1_->setTool(DrawingView::Tool::ZoomOut); });
    addCommand(view, "mnaffichage_zoompan", 33,
               [this] { Trazel1_->setTool(DrawingView::Tool::Pan); });
    addCommand(view, "mnaffichage_recadrage", 34, [this] { Trazel1_->fitToWindow(); });
    view->addSeparator();
    mnaffichage_numero_ = addCommand(view, "mnaffichage_numero", 35, [this] {
        Numerotation_ = !Numerotation_;
        mnaffichage_numero_->setChecked(Numerotation_);
        Trazel1_->setNumbering(Numerotation_);
    });
    mnaffichage_numero_->setCheckable(true);
    addCommand(view, "mnaffichage_filtres", 36, [this] { mnaffichage_filtres_Click(); });
    mncotes_ = addCommand(view, "mncotes", 37, [this] { mncotes_Click(); });
    mncotes_->setCheckable(true);

    QMenu* options = menuBar()->addMenu(QString());
    options->setObjectName("mnoptions");
    setStringEntry(options, 50);
    addCommand(options, "mnoptions_stylos", 51, [this] { mnoptions_stylos_Click(); });
    addCommand(options, "mn_config", 52, [this] { mn_config_Click(); });
    addCommand(options, "mnoptions_majorations", 900, [this] { But_Majo_Click(); });
    addCommand(options, "mnoptions_autresdimensions", 53, [this] { CmdDetails_Click(); });

    pieces_->buildMenus(menuBar());

    auto* outside = new OutsideCommands(wb_, outsideHost(), this);
    outside->setObjectName("outsideCommands");
    QMenu* tools = menuBar()->addMenu(QString());
    tools->setObjectName("mnoutils");
    setStringEntry(tools, 60);
    addCommand(tools, "mnoutils_section", 61, [this] { mnsection_Click(); });
    addCommand(tools, "mnoutils_passages", 62, [this] { mnpassage_Click(); });
    addCommand(tools, "mnoutils_fichetechnique", 63, [this] { Image10_Click(); });
    outside->addFoldingMenu(tools, 64);
    tools->addAction(QStringLiteral("Vue pliée 3D"), this, [this] { showFoldWindow(); })
        ->setObjectName("mnoutils_vuepliee");
    addCommand(tools, "mnoutils_korgeom", 65, [outside] { outside->Image7_Click(); });
    addCommand(tools, "mnoutils_rcv", 66, [this] { frm_McKee(wb_, this).exec(); });
    addCommand(tools, "mn_RCV", 0, [outside] { outside->mn_RCV(); })->setText("RCV (KorRCV)");
    addCommand(tools, "mnoutils_palettisation", 67, [outside] { outside->mn_cape(); });

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName("mnaide");
    setStringEntry(help, 80);
    addCommand(help, "mnaide_aide", 81, [this] { showHelp(); });
    addCommand(help, "mnaide_apropos", 82, [this] { about(); });
}

QWidget* frmPrinc::buildToolColumn() {
    auto* column = new QWidget;
    column->setObjectName("toolImages");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(2);
    using T = ToolImage;
    addToolImage(layout, "Image9", 1308, int(T::Save),
                 [this] { files_->mnfichiers_sauversous_Click(); });
    addToolImage(layout, "Image5", 1304, int(T::Print),
                 [this] { files_->mnfichiers_imprimer_Click(); });
    addToolImage(layout, "Image11", 1310, int(T::PageSetup),
                 [this] { files_->mnfichiers_configurerimp_Click(); });
    layout->addSpacing(8);
    addToolImage(layout, "Image4", 1303, int(T::ZoomIn),
                 [this] { Trazel1_->setTool(DrawingView::Tool::ZoomIn); });
    addToolImage(layout, "Image1", 1301, int(T::Filters), [this] { mnaffichage_filtres_Click(); });
    addToolImage(layout, "Image3", 1302, int(T::RemoveFilter), [this] { Image3_Click(); });
    addToolImage(layout, "Image13", 1312, int(T::FilterDimensions), [this] { mncotes_Click(); });
    addToolImage(layout, "Image8", 1307, int(T::Pens), [this] { mnoptions_stylos_Click(); });
    addToolImage(layout, "Image12", 1311, int(T::MirrorVertical), [this] {
        regenerate([this] { return wb_.toggleMirror(); });
        // The mirrored blank lies on the other side of the axis: never an empty view.
        Trazel1_->fitToWindow();
    });
    layout->addSpacing(8);
    addToolImage(layout, "Image10", 1309, int(T::TechnicalSheet), [this] { Image10_Click(); });
    addToolImage(layout, "Image17", 0, int(T::AllPieces),
                 [this] { pieces_->mnmorceautous_Click(); });
    pieces_->buildCheckBoxes(layout);
    auto* outside = findChild<OutsideCommands*>("outsideCommands");
    addToolImage(layout, "Image15", 1313, int(T::Folding3D),
                 [outside] { outside->export3D(tools::Export3D::Korvane3D); });
    addToolImage(layout, "Image7", 1306, int(T::KorGeom), [outside] { outside->Image7_Click(); });
    addToolImage(layout, "Image19", 1315, int(T::Rcv), [this] { frm_McKee(wb_, this).exec(); });
    addToolImage(layout, "Image18", 1314, int(T::Palletisation), [outside] { outside->mn_cape(); });
    addToolImage(layout, "Image6", 1305, int(T::Configuration), [this] { mn_config_Click(); });
    layout->addStretch(1);
    addToolImage(layout, "Image16", 0, int(T::Quit), [this] { close(); });
    return column;
}

QWidget* frmPrinc::buildInputPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(kInputPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(8);

    auto* style = new QGroupBox;
    setStringEntry(style, 207);
    auto* styleGrid = new QGridLayout(style);
    CbGroup_ = new QComboBox;
    CbGroup_->setObjectName("CbGroup");
    CbModules_ = new QComboBox;
    CbModules_->setObjectName("CbModules");
    CbModules_->setMaxVisibleItems(24);
    txtModel_ = addEntryBox("txtModel");
    txtModel_->setAlignment(Qt::AlignLeft);
    styleGrid->addWidget(captionLabel(style, nullptr, 208), 0, 0);
    styleGrid->addWidget(CbGroup_, 0, 1, 1, 2);
    styleGrid->addWidget(captionLabel(style, nullptr, 209), 1, 0);
    styleGrid->addWidget(CbModules_, 1, 1);
    styleGrid->addWidget(txtModel_, 1, 2);
    styleGrid->setColumnStretch(1, 1);
    styleGrid->setColumnStretch(2, 1);
    layout->addWidget(style);

    auto* sizes = new QGroupBox;
    setStringEntry(sizes, 200);
    auto* grid = new QGridLayout(sizes);
    longueur_ = addEntryBox("longueur");
    largeur_ = addEntryBox("largeur");
    hauteur_ = addEntryBox("hauteur");
    setToolTipEntry(longueur_, 301);
    setToolTipEntry(largeur_, 302);
    setToolTipEntry(hauteur_, 303);
    lbhauteur_ = captionLabel(sizes, "lbhauteur", 203);
    const std::array<QLabel*, 3> captions{captionLabel(sizes, "lblongueur", 201),
                                          captionLabel(sizes, "lblargeur", 202), lbhauteur_};
    const std::array<EntryBox*, 3> boxes{longueur_, largeur_, hauteur_};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(captions[static_cast<std::size_t>(i)], i, 0);
        grid->addWidget(boxes[static_cast<std::size_t>(i)], i, 1);
        QLabel* unit = captionLabel(sizes, nullptr, 627);
        grid->addWidget(unit, i, 2);
        if (i == 2)
            hauteurUnit_ = unit;
    }
    // The creases box takes the place of the details button for 0990 and 0991.
    CmdDetails_ = new QPushButton;
    CmdDetails_->setObjectName("CmdDetails");
    setStringEntry(CmdDetails_, 901);
    Txt_listefoulages_ = addEntryBox("Txt_listefoulages");
    Txt_listefoulages_->setAlignment(Qt::AlignLeft);
    setToolTipEntry(Txt_listefoulages_, 305);
    Txt_listefoulages_->hide();
    grid->addWidget(CmdDetails_, 3, 0, 1, 3);
    grid->addWidget(Txt_listefoulages_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(sizes);

    auto* board = new QGroupBox;
    setStringEntry(board, 204);
    auto* boardLayout = new QVBoxLayout(board);
    Cmb_Qual_ = new QComboBox;
    Cmb_Qual_->setObjectName("Cmb_Qual");
    setToolTipEntry(Cmb_Qual_, 304);
    auto* majo = new QPushButton;
    majo->setObjectName("But_Majo");
    setStringEntry(majo, 900);
    connect(majo, &QPushButton::clicked, this, [this] { But_Majo_Click(); });
    lbEpaisseur_ = new QLabel;
    lbEpaisseur_->setObjectName("lbEpaisseur");
    lbEpaisseur_->setToolTip(QStringLiteral("Épaisseur du carton de la qualité choisie"));
    auto* gradeRow = new QHBoxLayout;
    gradeRow->addWidget(Cmb_Qual_, 1);
    gradeRow->addWidget(lbEpaisseur_);
    boardLayout->addLayout(gradeRow);
    boardLayout->addWidget(majo);
    layout->addWidget(board);

    layout->addWidget(buildOrientation());
    layout->addStretch(1);
    return panel;
}

QGroupBox* frmPrinc::buildOrientation() {
    auto* frame = new QGroupBox;
    frame->setObjectName("orientation");
    setStringEntry(frame, 1216);
    auto* layout = new QVBoxLayout(frame);
    // Pass direction 1 is along X, like flute direction 1.
    const std::array<int, 6> captions{1219, 631, 632, 1219, 631, 632};
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox;
        setStringEntry(box, group == 0 ? 1217 : 1218);
        auto* inner = new QGridLayout(box);
        for (int k = 0; k < 3; ++k) {
            const int index = group * 3 + k;
            auto* option = new QRadioButton;
            option->setObjectName(QString("Option1_%1").arg(index));
            setStringEntry(option, captions[static_cast<std::size_t>(index)]);
            connect(option, &QRadioButton::clicked, this, [this, index] { Option1_Click(index); });
            Option1_[static_cast<std::size_t>(index)] = option;
            inner->addWidget(option, k, 0);
        }
        auto* image = new QLabel;
        image->setObjectName(group == 0 ? "ImageCannelure" : "ImagePassage");
        image->setFixedSize(56, 56);
        inner->addWidget(image, 0, 1, 3, 1, Qt::AlignRight);
        inner->setColumnStretch(0, 1);
        (group == 0 ? fluteImage_ : passImage_) = image;
        layout->addWidget(box);
    }
    Option1_[0]->setChecked(true);
    Option1_[3]->setChecked(true);
    return frame;
}

QGroupBox* frmPrinc::buildSheetFrame() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 630);
    auto* grid = new QGridLayout(frame);
    TxFmtCX_ = addEntryBox("TxFmtCX");
    TxFmtCY_ = addEntryBox("TxFmtCY");
    TxtFCEsp_[0] = addEntryBox("TxtFCEsp_0");
    TxtFCEsp_[1] = addEntryBox("TxtFCEsp_1");
    ChkCentre_ = new QCheckBox;
    ChkCentre_->setObjectName("ChkCentre");
    setStringEntry(ChkCentre_, 1272);
    grid->addWidget(captionLabel(frame, nullptr, 631), 0, 1, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 632), 0, 2, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 633), 1, 0);
    grid->addWidget(TxFmtCX_, 1, 1);
    grid->addWidget(TxFmtCY_, 1, 2);
    grid->addWidget(captionLabel(frame, nullptr, 1220), 2, 0);
    grid->addWidget(TxtFCEsp_[0], 2, 1);
    grid->addWidget(TxtFCEsp_[1], 2, 2);
    grid->addWidget(ChkCentre_, 3, 1, 1, 2);
    return frame;
}

QGroupBox* frmPrinc::buildPosesFrame() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 640);
    auto* grid = new QGridLayout(frame);
    TxNbPoseX_ = addEntryBox("TxNbPoseX");
    TxNbPoseY_ = addEntryBox("TxNbPoseY");
    TxespX_ = addEntryBox("TxespX");
    TxespY_ = addEntryBox("TxespY");
    grid->addWidget(captionLabel(frame, nullptr, 631), 0, 1, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 632), 0, 2, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 640), 1, 0);
    grid->addWidget(TxNbPoseX_, 1, 1);
    grid->addWidget(TxNbPoseY_, 1, 2);
    grid->addWidget(captionLabel(frame, nullptr, 645), 2, 0);
    grid->addWidget(TxespX_, 2, 1);
    grid->addWidget(TxespY_, 2, 2);
    return frame;
}

QGroupBox* frmPrinc::buildLengthFigures() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 610);
    auto* grid = new QGridLayout(frame);
    struct Row {
        int entry;
        const char* name;
        QLabel** label;
        const char* line;
    };
    const std::array<Row, 6> rows{{{601, "lbCoupant", &lbCoupant_, "Linec"},
                                   {602, "lbPerfoRainant", &lbPerfoRainant_, "Linepr"},
                                   {603, "lbPerfo", &lbPerfo_, "Linep"},
                                   {604, "lbMiChair", &lbMiChair_, "Linemc"},
                                   {605, "lbRainant", &lbRainant_, "Liner"},
                                   {606, "lbTotal", &lbTotal_, nullptr}}};
    int row = 0;
    for (const Row& r : rows) {
        if (r.line) {
            auto* line = new QLabel(frame);
            line->setObjectName(r.line);
            line->setFixedSize(34, 12);
            legendLines_[static_cast<std::size_t>(row)] = line;
            grid->addWidget(line, row, 0);
        }
        grid->addWidget(captionLabel(frame, nullptr, r.entry), row, 1);
        *r.label = figureLabel(frame, r.name);
        grid->addWidget(*r.label, row, 2);
        grid->addWidget(captionLabel(frame, nullptr, 611), row, 3);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* frmPrinc::buildSurfaceFigures() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 620);
    auto* grid = new QGridLayout(frame);
    struct Row {
        int entry;
        const char* name;
        QLabel** label;
        int unit;
    };
    const std::array<Row, 5> rows{{{621, "lbSurf", &lbSurf_, 626},
                                   {622, "lbDimHt", &lbDimHt_, 627},
                                   {623, "lbnbposes", &lbnbposes_, 0},
                                   {624, "lbPerte", &lbPerte_, 628},
                                   {625, "lbperteFc", &lbperteFc_, 628}}};
    int row = 0;
    for (const Row& r : rows) {
        grid->addWidget(captionLabel(frame, nullptr, r.entry), row, 0);
        *r.label = figureLabel(frame, r.name);
        grid->addWidget(*r.label, row, 1);
        if (r.unit)
            grid->addWidget(captionLabel(frame, nullptr, r.unit), row, 2);
        ++row;
    }
    dataWarnings_ = new QLabel(frame);
    dataWarnings_->setObjectName("lbAvertissements");
    dataWarnings_->setStyleSheet(QStringLiteral("color: #b00000;"));
    dataWarnings_->setWordWrap(true);
    dataWarnings_->setVisible(false);
    grid->addWidget(dataWarnings_, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* frmPrinc::buildResultPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(kResultPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(8);
    controle_ = new CheckPanel(panel);
    layout->addWidget(controle_);
    layout->addWidget(buildLengthFigures());
    layout->addWidget(buildSurfaceFigures());
    layout->addWidget(buildSheetFrame());
    layout->addWidget(buildPosesFrame());
    smallSlot_ = new QVBoxLayout;
    layout->addLayout(smallSlot_, 1);
    return panel;
}

}  // namespace brontaxe::app
