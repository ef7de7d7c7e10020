// MainWindow's controls, frames and menus. Every caption and tool-tip is a string-table entry,
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
#include "app/dialogs/compression_dialog.h"
#include "app/dialogs/rule_report_dialog.h"
#include "app/views/preview_image.h"
#include "app/window/check_panel.h"
#include "app/window/code_combo.h"
#include "app/window/design_history.h"
#include "app/window/entry_box.h"
#include "app/window/icons.h"
#include "app/window/main_window.h"
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

OutsideHost MainWindow::outsideHost() {
    OutsideHost h;
    h.window = this;
    // The code itself, without the note its list entry may carry.
    h.styleText = [this] { return codeCombo_->currentData().toString(); };
    h.preview = [this] { return previewImage_->pixmap(); };
    h.drawingChanged = [this] { drawingView_->drawingChanged(); };
    h.save = [this] { files_->save(); };
    h.fileName = [this] { return fileName_; };
    h.closeWindow = [this] { close(); };
    h.status = [this](const QString& text) { say(text); };
    h.fault = [this](const QString& text) { say(text, true); };
    return h;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, int entry,
                                std::function<void()> run) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    setStringEntry(action, entry);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

QToolButton* MainWindow::addToolImage(QBoxLayout* column, const char* name, int toolTipEntry,
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

EntryBox* MainWindow::addEntryBox(const char* name) {
    auto* box = new EntryBox;
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QString());
    file->setObjectName("mnfichier");
    setStringEntry(file, 40);
    QAction* fresh = file->addAction(QStringLiteral("Nouveau"));
    fresh->setObjectName("mnfichiers_nouveau");
    fresh->setShortcut(QKeySequence::New);
    connect(fresh, &QAction::triggered, this, [this] { files_->newDesign(); });
    addCommand(file, "mnfichiers_ouvrir", 41, [this] {
        files_->open();
    })->setShortcut(QKeySequence::Open);
    QMenu* recent = file->addMenu(QString());
    recent->setObjectName("mnfichiers_recents");
    setStringEntry(recent, 1555);
    files_->setRecentMenu(recent);
    file->addSeparator();
    addCommand(file, "mnfichiers_sauver", 42, [this] {
        files_->save();
    })->setShortcut(QKeySequence::Save);
    addCommand(file, "mnfichiers_sauversous", 43, [this] {
        files_->saveAs();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addCommand(file, "mnfichiers_exporter", 1551, [this] { files_->exportDrawing(); });
    file->addSeparator();
    addCommand(file, "mnfichiers_imprimer", 44, [this] {
        files_->print();
    })->setShortcut(QKeySequence::Print);
    addCommand(file, "mnfichiers_configurerimp", 1552, [this] { files_->setUpPage(); });
    file->addSeparator();
    addCommand(file, "mnsavdef", 47, [this] { saveDefaults(); });
    addCommand(file, "mn_chemajo", 1553, [this] { chooseDataDirectory(); });
    addCommand(file, "mn_saisirModFT", 1554, [this] {
        chooseSheetTemplate(wb_, this);
        drawingView_->fitToWindow();
    });
    file->addSeparator();
    addCommand(file, "mnfichiers_quitter", 46, [this] {
        close();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Édition"));
    edit->setObjectName("mnedition");
    editMenu_ = edit;
    QAction* undo = history_->stack().createUndoAction(this, QStringLiteral("Annuler"));
    undo->setObjectName("mnedition_annuler");
    undo->setShortcut(QKeySequence::Undo);
    edit->addAction(undo);
    QAction* redo = history_->stack().createRedoAction(this, QStringLiteral("Rétablir"));
    redo->setObjectName("mnedition_retablir");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addAction(redo);

    QMenu* view = menuBar()->addMenu(QString());
    view->setObjectName("mnaffichage");
    setStringEntry(view, 30);
    addCommand(view, "mnaffichage_zoomavant", 31,
               [this] { drawingView_->setTool(DrawingView::Tool::ZoomIn); });
    addCommand(view, "mnaffichage_zoomarriere", 32,
               [this] { drawingView_->setTool(DrawingView::Tool::ZoomOut); });
    addCommand(view, "mnaffichage_zoompan", 33,
               [this] { drawingView_->setTool(DrawingView::Tool::Pan); });
    addCommand(view, "mnaffichage_recadrage", 34, [this] { drawingView_->fitToWindow(); });
    view->addSeparator();
    numberingAction_ = addCommand(view, "mnaffichage_numero", 35, [this] {
        numbersShown_ = !numbersShown_;
        numberingAction_->setChecked(numbersShown_);
        drawingView_->setNumbering(numbersShown_);
    });
    numberingAction_->setCheckable(true);
    addCommand(view, "mnaffichage_filtres", 36, [this] { chooseFilters(); });
    dimensioningAction_ = addCommand(view, "mncotes", 37, [this] { toggleDimensioning(); });
    dimensioningAction_->setCheckable(true);

    QMenu* options = menuBar()->addMenu(QString());
    options->setObjectName("mnoptions");
    setStringEntry(options, 50);
    addCommand(options, "mnoptions_stylos", 51, [this] { choosePens(); });
    addCommand(options, "mn_config", 52, [this] { openConfiguration(); });
    addCommand(options, "mnoptions_majorations", 900, [this] { editAllowances(); });
    addCommand(options, "mnoptions_autresdimensions", 53, [this] { editStyleParameters(); });

    pieces_->buildMenus(menuBar());

    auto* outside = new OutsideCommands(wb_, outsideHost(), this);
    outside->setObjectName("outsideCommands");
    QMenu* tools = menuBar()->addMenu(QString());
    tools->setObjectName("mnoutils");
    setStringEntry(tools, 60);
    addCommand(tools, "mnoutils_section", 61, [this] { openSection(); });
    addCommand(tools, "mnoutils_passages", 62, [this] { showMachinePasses(); });
    addCommand(tools, "mnoutils_fichetechnique", 63, [this] { openTechnicalSheet(); });
    outside->addFoldingMenu(tools, 64);
    tools->addAction(QStringLiteral("Vue pliée 3D"), this, [this] { showFoldWindow(); })
        ->setObjectName("mnoutils_vuepliee");
    tools
        ->addAction(QStringLiteral("Règles de la forme"), this,
                    [this] { showRuleReport(wb_, this); })
        ->setObjectName("mnoutils_regles");
    addCommand(tools, "mnoutils_korgeom", 65, [outside] { outside->openInCad(); });
    addCommand(tools, "mnoutils_rcv", 66, [this] { CompressionDialog(wb_, this).exec(); });
    addCommand(tools, "mn_RCV", 0, [outside] {
        outside->runCompressionCalculator();
    })->setText("RCV (KorRCV)");
    QMenu* pallets = tools->addMenu(QString());
    pallets->setObjectName("mnpalettisation");
    setStringEntry(pallets, 67);
    addCommand(pallets, "mn_cape", 0, [outside] {
        outside->palletise();
    })->setText(QStringLiteral("Assistant de palettisation…"));
    addCommand(pallets, "mn_Puzzle", 0, [outside] {
        outside->runPalletisationProgram();
    })->setText(QStringLiteral("Stapelix"));

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName("mnaide");
    setStringEntry(help, 80);
    addCommand(help, "mnaide_aide", 81, [this] {
        showHelp();
    })->setShortcut(QKeySequence::HelpContents);
    addCommand(help, "mnaide_apropos", 82, [this] { about(); });
}

QWidget* MainWindow::buildToolColumn() {
    auto* column = new QWidget;
    column->setObjectName("toolImages");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(2);
    using T = ToolImage;
    addToolImage(layout, "Image9", 1308, int(T::Save), [this] { files_->saveAs(); });
    addToolImage(layout, "Image5", 1304, int(T::Print), [this] { files_->print(); });
    addToolImage(layout, "Image11", 1310, int(T::PageSetup), [this] { files_->setUpPage(); });
    layout->addSpacing(8);
    addToolImage(layout, "Image4", 1303, int(T::ZoomIn),
                 [this] { drawingView_->setTool(DrawingView::Tool::ZoomIn); });
    addToolImage(layout, "Image1", 1301, int(T::Filters), [this] { chooseFilters(); });
    addToolImage(layout, "Image3", 1302, int(T::RemoveFilter), [this] { removeFilters(); });
    addToolImage(layout, "Image13", 1312, int(T::FilterDimensions),
                 [this] { toggleDimensioning(); });
    addToolImage(layout, "Image8", 1307, int(T::Pens), [this] { choosePens(); });
    addToolImage(layout, "Image12", 1311, int(T::MirrorVertical), [this] {
        regenerate([this] { return wb_.toggleMirror(); });
        // The mirrored blank lies on the other side of the axis: never an empty view.
        drawingView_->fitToWindow();
    });
    layout->addSpacing(8);
    addToolImage(layout, "Image10", 1309, int(T::TechnicalSheet), [this] { openTechnicalSheet(); });
    addToolImage(layout, "Image17", 0, int(T::AllPieces), [this] {
        pieces_->allPiecesChosen();
    })->setToolTip(QStringLiteral("Tous les morceaux"));
    pieces_->buildCheckBoxes(layout);
    auto* outside = findChild<OutsideCommands*>("outsideCommands");
    // The fold view built in; the outside 3D programs stay in the "Outils" menu.
    addToolImage(layout, "Image15", 1313, int(T::Folding3D), [this] { showFoldWindow(); });
    addToolImage(layout, "Image7", 1306, int(T::KorGeom), [outside] { outside->openInCad(); });
    addToolImage(layout, "Image19", 1315, int(T::Rcv),
                 [this] { CompressionDialog(wb_, this).exec(); });
    addToolImage(layout, "Image18", 1314, int(T::Palletisation),
                 [outside] { outside->palletise(); });
    addToolImage(layout, "Image6", 1305, int(T::Configuration), [this] { openConfiguration(); });
    layout->addStretch(1);
    addToolImage(layout, "Image16", 0, int(T::Quit), [this] {
        close();
    })->setToolTip(QStringLiteral("Quitter"));
    return column;
}

QWidget* MainWindow::buildInputPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(kInputPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(8);

    auto* style = new QGroupBox;
    setStringEntry(style, 207);
    auto* styleGrid = new QGridLayout(style);
    familyCombo_ = new QComboBox;
    familyCombo_->setObjectName("CbGroup");
    codeCombo_ = new CodeCombo;
    codeCombo_->setObjectName("CbModules");
    codeCombo_->setMaxVisibleItems(24);
    codeBox_ = addEntryBox("txtModel");
    codeBox_->setAlignment(Qt::AlignLeft);
    styleGrid->addWidget(captionLabel(style, nullptr, 208), 0, 0);
    styleGrid->addWidget(familyCombo_, 0, 1, 1, 2);
    styleGrid->addWidget(captionLabel(style, nullptr, 209), 1, 0);
    styleGrid->addWidget(codeCombo_, 1, 1);
    styleGrid->addWidget(codeBox_, 1, 2);
    formLabel_ = new QLabel;
    formLabel_->setObjectName("lbForme");
    formLabel_->setWordWrap(true);
    formLabel_->hide();
    styleGrid->addWidget(formLabel_, 2, 1, 1, 2);
    styleGrid->setColumnStretch(1, 1);
    styleGrid->setColumnStretch(2, 1);
    layout->addWidget(style);

    auto* sizes = new QGroupBox;
    setStringEntry(sizes, 200);
    auto* grid = new QGridLayout(sizes);
    lengthBox_ = addEntryBox("longueur");
    widthBox_ = addEntryBox("largeur");
    heightBox_ = addEntryBox("hauteur");
    setToolTipEntry(lengthBox_, 301);
    setToolTipEntry(widthBox_, 302);
    setToolTipEntry(heightBox_, 303);
    heightCaption_ = captionLabel(sizes, "lbhauteur", 203);
    const std::array<QLabel*, 3> captions{captionLabel(sizes, "lblongueur", 201),
                                          captionLabel(sizes, "lblargeur", 202), heightCaption_};
    const std::array<EntryBox*, 3> boxes{lengthBox_, widthBox_, heightBox_};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(captions[static_cast<std::size_t>(i)], i, 0);
        grid->addWidget(boxes[static_cast<std::size_t>(i)], i, 1);
        QLabel* unit = captionLabel(sizes, nullptr, 627);
        grid->addWidget(unit, i, 2);
        if (i == 2)
            heightUnit_ = unit;
    }
    // The creases box takes the place of the details button for 0990 and 0991.
    detailsButton_ = new QPushButton;
    detailsButton_->setObjectName("CmdDetails");
    setStringEntry(detailsButton_, 901);
    creaseListBox_ = addEntryBox("Txt_listefoulages");
    creaseListBox_->setAlignment(Qt::AlignLeft);
    setToolTipEntry(creaseListBox_, 305);
    creaseListBox_->hide();
    grid->addWidget(detailsButton_, 3, 0, 1, 3);
    grid->addWidget(creaseListBox_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(sizes);

    auto* board = new QGroupBox;
    setStringEntry(board, 204);
    auto* boardLayout = new QVBoxLayout(board);
    gradeCombo_ = new QComboBox;
    gradeCombo_->setObjectName("Cmb_Qual");
    setToolTipEntry(gradeCombo_, 304);
    auto* allowancesButton = new QPushButton;
    allowancesButton->setObjectName("But_Majo");
    setStringEntry(allowancesButton, 900);
    connect(allowancesButton, &QPushButton::clicked, this, [this] { editAllowances(); });
    thicknessLabel_ = new QLabel;
    thicknessLabel_->setObjectName("lbEpaisseur");
    thicknessLabel_->setToolTip(QStringLiteral("Épaisseur du carton de la qualité choisie"));
    auto* gradeRow = new QHBoxLayout;
    gradeRow->addWidget(gradeCombo_, 1);
    gradeRow->addWidget(thicknessLabel_);
    boardLayout->addLayout(gradeRow);
    boardLayout->addWidget(allowancesButton);
    layout->addWidget(board);

    layout->addWidget(buildOrientation());
    layout->addStretch(1);
    return panel;
}

QGroupBox* MainWindow::buildOrientation() {
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
            connect(option, &QRadioButton::clicked, this,
                    [this, index] { directionChosen(index); });
            orientationButtons_[static_cast<std::size_t>(index)] = option;
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
    orientationButtons_[0]->setChecked(true);
    orientationButtons_[3]->setChecked(true);
    return frame;
}

QGroupBox* MainWindow::buildSheetFrame() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 630);
    auto* grid = new QGridLayout(frame);
    sheetXBox_ = addEntryBox("TxFmtCX");
    sheetYBox_ = addEntryBox("TxFmtCY");
    marginBoxes_[0] = addEntryBox("TxtFCEsp_0");
    marginBoxes_[1] = addEntryBox("TxtFCEsp_1");
    centreBox_ = new QCheckBox;
    centreBox_->setObjectName("ChkCentre");
    setStringEntry(centreBox_, 1272);
    grid->addWidget(captionLabel(frame, nullptr, 631), 0, 1, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 632), 0, 2, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 633), 1, 0);
    grid->addWidget(sheetXBox_, 1, 1);
    grid->addWidget(sheetYBox_, 1, 2);
    grid->addWidget(captionLabel(frame, nullptr, 1220), 2, 0);
    grid->addWidget(marginBoxes_[0], 2, 1);
    grid->addWidget(marginBoxes_[1], 2, 2);
    grid->addWidget(centreBox_, 3, 1, 1, 2);
    auto* optimise = new QPushButton("Optimiser l'imposition");
    optimise->setObjectName("CmdOptimiser");
    connect(optimise, &QPushButton::clicked, this, &MainWindow::optimiseImposition);
    grid->addWidget(optimise, 4, 0, 1, 3);
    quarterTurnBox_ = new QCheckBox("Quart de tour permis");
    quarterTurnBox_->setObjectName("ChkQuartDeTour");
    quarterTurnBox_->setToolTip(
        "L'optimiseur peut tourner la découpe d'un quart de tour : la cannelure passe alors en "
        "travers de celle des autres poses");
    connect(quarterTurnBox_, &QCheckBox::toggled, this,
            [this](bool checked) { settingChanged(wb_.imposition().quarterTurns, checked); });
    grid->addWidget(quarterTurnBox_, 5, 0, 1, 3);
    rollBox_ = new QCheckBox("Rouleau (laize en X)");
    rollBox_->setToolTip(
        "Format Carton en X est la laize du rouleau, en Y sa plus grande "
        "longueur ; la longueur est coupée après les poses");
    rollBox_->setObjectName("ChkRouleau");
    connect(rollBox_, &QCheckBox::toggled, this,
            [this](bool checked) { settingChanged(wb_.imposition().roll, checked); });
    grid->addWidget(rollBox_, 6, 0, 1, 3);
    auto* least = new QPushButton("Plus petit format pour N poses...");
    least->setObjectName("CmdFormatPoses");
    connect(least, &QPushButton::clicked, this, &MainWindow::smallestSheetForCount);
    grid->addWidget(least, 7, 0, 1, 3);
    return frame;
}

QGroupBox* MainWindow::buildPosesFrame() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 640);
    auto* grid = new QGridLayout(frame);
    posesXBox_ = addEntryBox("TxNbPoseX");
    posesYBox_ = addEntryBox("TxNbPoseY");
    gapXBox_ = addEntryBox("TxespX");
    gapYBox_ = addEntryBox("TxespY");
    grid->addWidget(captionLabel(frame, nullptr, 631), 0, 1, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 632), 0, 2, Qt::AlignHCenter);
    grid->addWidget(captionLabel(frame, nullptr, 640), 1, 0);
    grid->addWidget(posesXBox_, 1, 1);
    grid->addWidget(posesYBox_, 1, 2);
    grid->addWidget(captionLabel(frame, nullptr, 645), 2, 0);
    grid->addWidget(gapXBox_, 2, 1);
    grid->addWidget(gapYBox_, 2, 2);
    return frame;
}

QGroupBox* MainWindow::buildLengthFigures() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 610);
    auto* grid = new QGridLayout(frame);
    struct Row {
        int entry;
        const char* name;
        QLabel** label;
        const char* line;
    };
    const std::array<Row, 6> rows{{{601, "lbCoupant", &cutLengthLabel_, "Linec"},
                                   {602, "lbPerfoRainant", &cutCreaseLengthLabel_, "Linepr"},
                                   {603, "lbPerfo", &perforationLengthLabel_, "Linep"},
                                   {604, "lbMiChair", &halfCutLengthLabel_, "Linemc"},
                                   {605, "lbRainant", &creaseLengthLabel_, "Liner"},
                                   {606, "lbTotal", &totalLengthLabel_, nullptr}}};
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
    // The cut less its bridges, shown only when the blank has some.
    // Its caption takes the legend's room as well, and its figure wraps before the count of
    // bridges rather than run past the panel's edge.
    bridgedCutCaption_ = new QLabel(QStringLiteral("Coupant avec ponts :"), frame);
    grid->addWidget(bridgedCutCaption_, row, 0, 1, 2);
    bridgedCutLabel_ = figureLabel(frame, "lbCoupantPonts");
    bridgedCutLabel_->setWordWrap(true);
    grid->addWidget(bridgedCutLabel_, row, 2, 1, 2);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* MainWindow::buildSurfaceFigures() {
    auto* frame = new QGroupBox;
    setStringEntry(frame, 620);
    auto* grid = new QGridLayout(frame);
    struct Row {
        int entry;
        const char* name;
        QLabel** label;
        int unit;
    };
    const std::array<Row, 5> rows{{{621, "lbSurf", &cutSurfaceLabel_, 626},
                                   {622, "lbDimHt", &imposedSizeLabel_, 627},
                                   {623, "lbnbposes", &poseCountLabel_, 0},
                                   {624, "lbPerte", &wasteLabel_, 628},
                                   {625, "lbperteFc", &sheetWasteLabel_, 628}}};
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

QWidget* MainWindow::buildResultPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(kResultPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(8);
    checkPanel_ = new CheckPanel(panel);
    layout->addWidget(checkPanel_);
    layout->addWidget(buildLengthFigures());
    layout->addWidget(buildSurfaceFigures());
    layout->addWidget(buildSheetFrame());
    layout->addWidget(buildPosesFrame());
    smallSlot_ = new QVBoxLayout;
    layout->addLayout(smallSlot_, 1);
    return panel;
}

}  // namespace brontaxe::app
