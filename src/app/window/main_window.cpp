#include "app/window/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>

#include "app/commands/file_commands.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/architecture_dialog.h"
#include "app/dialogs/help_dialog.h"
#include "app/dialogs/style_parameters_dialog.h"
#include "app/dialogs/view_dialogs.h"
#include "app/views/fold_window.h"
#include "app/views/preview_image.h"
#include "app/window/check_panel.h"
#include "app/window/code_combo.h"
#include "app/window/design_history.h"
#include "app/window/edit_controller.h"
#include "app/window/edit_lock.h"
#include "app/window/entry_box.h"
#include "app/window/icons.h"
#include "app/window/piece_controls.h"
#include "app/window/properties_panel.h"
#include "app/window/qt_text.h"
#include "app/window/string_pass.h"
#include "app/window/window_placement.h"
#include "params/save_defaults.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/user_number.h"
#include "resources/string_table.h"
#include "workbench/catalogue.h"
#include "workbench/catalogue_forms.h"
#include "workbench/design_file.h"
#include "workbench/window_figures.h"
#include "workbench/window_inputs.h"
#include "workbench/workbench_check.h"

namespace brontaxe::app {
namespace {

// The line kinds of the legend lines, in the order Linec, Linepr, Linep, Linemc, Liner.
constexpr std::array<LineKind, 5> kLegendKinds{kind::Cut, kind::PerforatedCrease, kind::Perforation,
                                               kind::HalfCut, kind::Crease};

QPixmap legendLine(const QPen& pen, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen wide = pen;
    wide.setWidthF(std::max(2.0, pen.widthF()));
    p.setPen(wide);
    p.drawLine(QPointF(1, size.height() / 2.0), QPointF(size.width() - 1, size.height() / 2.0));
    return pixmap;
}

// A list entry; one the program does not draw yet is greyed and says so, one drawn with a note
// (its form not confirmed, another code's blank) carries it. The entry's own text (the code)
// stays in its data.
void addListEntry(QComboBox* list, const QString& text, const QString& data, bool drawn,
                  const QString& note = {}) {
    if (drawn) {
        list->addItem(note.isEmpty() ? text : text + QStringLiteral("  (") + note + ")", data);
        if (!note.isEmpty())
            list->setItemData(list->count() - 1, note, Qt::ToolTipRole);
        return;
    }
    const QString notYet = QStringLiteral("non disponible");
    list->addItem(text + QStringLiteral("  (") + notYet + QStringLiteral(")"), data);
    const int index = list->count() - 1;
    list->setItemData(index, QColor(140, 140, 140), Qt::ForegroundRole);
    list->setItemData(index, notYet, Qt::ToolTipRole);
}

constexpr QSize kDrawingMinimum(300, 240);

// How a column of the window gives room to the drawing when the window is narrow.
enum class ColumnWidth {
    Fixed,      // always its own width (the tool images)
    MayNarrow,  // down to kNarrowestColumn of it, then scrolled across (the edit mode's dock
                // beside the columns on a netbook's screen)
};
constexpr double kNarrowestColumn = 0.6;

// A frame that asks for the whole width of its column, which its own size hint may not.
class ColumnArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    void setPreferredWidth(int width) { preferredWidth_ = width; }
    QSize sizeHint() const override { return {preferredWidth_, QScrollArea::sizeHint().height()}; }

  private:
    int preferredWidth_ = 0;
};

// A column of the window in a frame that scrolls up and down, and across only when the window
// has not the room for it.
QScrollArea* scrolling(QWidget* column, ColumnWidth mode) {
    auto* area = new ColumnArea;
    area->setObjectName(column->objectName() + QStringLiteral("Scroll"));
    area->setWidget(column);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // A column of fixed width says so by its minimum: its size hint may be narrower.
    const int width = std::max(column->minimumWidth(), column->sizeHint().width()) +
                      area->verticalScrollBar()->sizeHint().width();
    area->setPreferredWidth(width);
    if (mode == ColumnWidth::Fixed) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        area->setFixedWidth(width);
    } else {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
        area->setMaximumWidth(width);
        area->setMinimumWidth(static_cast<int>(width * kNarrowestColumn));
    }
    area->setMinimumHeight(0);
    return area;
}

// A regeneration ran when it drew, kept the old drawing or said why it could not.
bool ran(const RegenerationReport& r) {
    return r.drawn || r.keptPrevious || !r.message.empty();
}

}  // namespace

MainWindow::MainWindow(Workbench& wb, std::optional<std::string> commandLine, QWidget* parent)
    : QMainWindow(parent), wb_(wb), strings_(StringTable::builtIn()) {
    setObjectName("frmPrinc");
    setStringEntry(this, 10);
    respaceWindowsWhenShown();
    files_ = new FileCommands(*this, wb_);
    history_ = new DesignHistory(
        wb_, [this](const RestoredDesign& restored) { showRestored(restored); }, this);
    pieces_ = new PieceControls(
        wb_, strings_, this, [this](const auto& handler) { regenerate(handler); },
        [this] { showMachinePasses(); });
    buildMenus();

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    // The columns scroll rather than push the window past a laptop's screen.
    row->addWidget(scrolling(buildToolColumn(), ColumnWidth::Fixed));
    row->addWidget(scrolling(buildInputPanel(), ColumnWidth::MayNarrow));
    bigSlot_ = new QVBoxLayout;
    bigSlot_->setContentsMargins(4, 6, 4, 6);
    row->addLayout(bigSlot_, 1);
    row->addWidget(scrolling(buildResultPanel(), ColumnWidth::MayNarrow));
    setCentralWidget(central);

    drawingView_ = new DrawingView(wb_.drawing());
    drawingView_->setMinimumSize(kDrawingMinimum);
    checkPanel_->setView(drawingView_);
    buildEditing();
    bigSlot_->addWidget(drawingPane_);
    previewImage_ = new PreviewImage;
    previewImage_->setEmptyText(qs(strings_.text(1291)));
    smallSlot_->addWidget(previewImage_);
    statusMessage_ = new QLabel;
    statusMessage_->setObjectName("statusMessage");
    statusBar()->addWidget(statusMessage_, 1);

    connect(lengthBox_, &EntryBox::committed, this,
            [this] { dimensionLeft(lengthBox_, NumberBox::Longueur, wb_.model().Longueur); });
    connect(widthBox_, &EntryBox::committed, this,
            [this] { dimensionLeft(widthBox_, NumberBox::Largeur, wb_.model().Largeur); });
    connect(heightBox_, &EntryBox::committed, this,
            [this] { dimensionLeft(heightBox_, NumberBox::Hauteur, wb_.model().Hauteur); });
    connect(codeBox_, &EntryBox::committed, this, [this] { codeBoxLeft(); });
    connect(creaseListBox_, &QLineEdit::textEdited, this, [this] { creaseListChanged(); });
    connect(familyCombo_, &QComboBox::activated, this, [this](int i) { familyChosen(i); });
    connect(codeCombo_, &QComboBox::activated, this, [this](int i) { codeChosen(i); });
    connect(gradeCombo_, &QComboBox::activated, this, [this](int i) { gradeChosen(i); });
    connect(detailsButton_, &QPushButton::clicked, this, [this] { editStyleParameters(); });
    connect(previewImage_, &PreviewImage::clicked, this, [this] { swapDrawingAndPreview(); });

    struct ImpositionBox {
        EntryBox* box;
        NumberBox kind;
        std::function<ImpositionEntry(double)> enter;
    };
    const std::array<ImpositionBox, 8> impositionBoxes{{
        {sheetXBox_, NumberBox::FmtCartonX,
         [this](double v) { return wb_.enterSheetSize(Axis::X, v); }},
        {sheetYBox_, NumberBox::FmtCartonY,
         [this](double v) { return wb_.enterSheetSize(Axis::Y, v); }},
        {marginBoxes_[0], NumberBox::MargeX, [this](double v) { return wb_.enterMargin(0, v); }},
        {marginBoxes_[1], NumberBox::MargeY, [this](double v) { return wb_.enterMargin(1, v); }},
        {posesXBox_, NumberBox::NbPoseX,
         [this](double v) { return wb_.enterPoseCount(Axis::X, v); }},
        {posesYBox_, NumberBox::NbPoseY,
         [this](double v) { return wb_.enterPoseCount(Axis::Y, v); }},
        {gapXBox_, NumberBox::EspPoseX, [this](double v) { return wb_.enterPoseGap(Axis::X, v); }},
        {gapYBox_, NumberBox::EspPoseY, [this](double v) { return wb_.enterPoseGap(Axis::Y, v); }},
    }};
    for (const ImpositionBox& b : impositionBoxes) {
        connect(b.box, &EntryBox::committed, this,
                [this, b] { impositionEntry(b.kind, b.enter, b.box); });
    }
    connect(centreBox_, &QCheckBox::clicked, this,
            [this](bool checked) { regenerate([&] { return wb_.toggleCentre(checked); }); });

    placeOnScreen();
    loadAtStartUp(std::move(commandLine));
    recovery_ =
        new RecoveryFile(wb_, platform::stateDirectory(platform::processEnvironment()), this);
    recovery_->writeEveryMinute([this] { return files_->isModified(); },
                                [this] { return fileName_; });
}

MainWindow::~MainWindow() {
    // Tearing the window down takes the focus from its boxes: no entry is taken from a window
    // that is going away.
    for (EntryBox* box : findChildren<EntryBox*>())
        box->blockSignals(true);
}

// The place and size of the last close, or the usual size, made to fit the screen the window
// opens on, so that the right column and the status bar stay in view.
void MainWindow::placeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const std::optional<WindowPlacement> remembered = rememberedPlacement(wb_.settings());
    setGeometry(openingGeometry(screen->availableGeometry(),
                                remembered ? std::optional(remembered->geometry) : std::nullopt));
    if (remembered && remembered->maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::loadAtStartUp(std::optional<std::string> commandLine) {
    inputsBlocked_ = true;
    applyStringTable(this, strings_);
    setWindowTitle(windowTitle() + QStringLiteral(" " BRONTAXE_VERSION));
    programTitle_ = windowTitle();
    wb_.startUp();
    fileName_ = wb_.drawingFileName();
    colourLegendLines();
    fillFamilies();
    fillCodes();
    fillGrades();
    codeBox_->setText(qs(wb_.window().codeText));
    creaseListBox_->setText(qs(wb_.window().creaseList));
    lengthBox_->setText(qs(wb_.window().lengthText));
    widthBox_->setText(qs(wb_.window().widthText));
    heightBox_->setText(qs(wb_.window().heightText));
    const std::optional<std::string> commandLineName = fileNameFromCommandLine(commandLine);
    if (commandLineName)
        fileName_ = *commandLineName;
    viewsSwapped_ = false;
    inputsBlocked_ = false;
    initialWidth_ = width();
    initialHeight_ = height();
    regenerate([this, &commandLineName] {
        RegenerationReport report = wb_.regenerate();
        // Settings set aside and tables that could not be read are said once, at start-up;
        // the figures frame keeps counting them.
        const auto problems = wb_.startUpWarnings();
        report.notices.insert(report.notices.begin(), problems.begin(), problems.end());
        // The file named is not opened: saying so before the first "Sauver" asks to replace it.
        std::error_code ec;
        if (commandLineName && !commandLineName->empty() &&
            std::filesystem::exists(files_->savePath(), ec))
            report.notices.insert(
                report.notices.begin(),
                "Le fichier " + files_->savePath().string() +
                    " existe déjà : il n'est pas ouvert (« Ouvrir... » l'ouvre), et « Sauver » "
                    "demandera avant de le remplacer");
        return report;
    });
    history_->reset();
}

void MainWindow::fillFamilies() {
    const QSignalBlocker block(familyCombo_);
    familyCombo_->clear();
    for (int n = 1; n <= 7; ++n) {
        const QString caption = qs(strings_.text(familyCaptionEntry(n)));
        addListEntry(familyCombo_, caption, caption, wb_.familyIsDrawn(n));
    }
    familyCombo_->setCurrentIndex(wb_.window().familyNumber - 1);
}

// The code list of the family shown, with the code of the code box selected when the list
// holds it.
void MainWindow::fillCodes() {
    const QSignalBlocker block(codeCombo_);
    MainWindowState& w = wb_.window();
    const std::vector<std::string> codes = wb_.familyCodes(w.familyNumber);
    codeCombo_->clear();
    for (const std::string& code : codes)
        addListEntry(codeCombo_, qs(code), qs(code), wb_.isDrawn(code), qs(formNote(code)));
    // The open list is as wide as its longest entry, note included.
    codeCombo_->view()->setMinimumWidth(codeCombo_->view()->sizeHintForColumn(0) + 24);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == w.codeText)
            w.codeNumber = static_cast<int>(i) + 1;
    }
    codeCombo_->setCurrentIndex(w.codeNumber - 1);
}

void MainWindow::fillGrades() {
    const QSignalBlocker block(gradeCombo_);
    gradeCombo_->clear();
    const GradeTable& grades = wb_.boardTables().grades();
    for (int g = 1; g <= grades.count(); ++g)
        gradeCombo_->addItem(qs(grades.at(g).label));
    gradeCombo_->setCurrentIndex(wb_.model().NumQualite - 1);
}

void MainWindow::regenerate(const std::function<RegenerationReport()>& handler) {
    if (inputsBlocked_)
        return;
    const std::optional<DesignState> before =
        wb_.hasBlankEdits() ? std::optional(captureDesign(wb_)) : std::nullopt;
    pushInputs();
    RegenerationReport report = handler();
    ++regenerations_;
    if (before && !editsAllowChange(*before, report))
        return;
    showResult(report);
}

bool MainWindow::editsAllowChange(const DesignState& before, RegenerationReport& report) {
    // The change may have dropped the edits itself (another code): they were there before it.
    if (!before.record.editedBlank || !changesTheStyle(before, captureDesign(wb_)))
        return true;
    QMessageBox box(QMessageBox::Question, programTitle_,
                    QStringLiteral("Abandonner les modifications ?"), QMessageBox::NoButton, this);
    box.setObjectName("abandonQuestion");
    box.setInformativeText(
        QStringLiteral("La découpe a été modifiée à la main. Oui : elle est redessinée avec la "
                       "nouvelle valeur et les modifications sont perdues. Non : la valeur "
                       "revient et la découpe modifiée reste."));
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    // A box left as the question takes the focus (a dialog's preview) draws nothing meanwhile.
    inputsBlocked_ = true;
    box.exec();
    inputsBlocked_ = false;
    if (box.clickedButton() == yes) {
        // The design as the change left it, drawn from the style: a section applied by the
        // change is cut again, which a plain regeneration would not do.
        DesignState changed = captureDesign(wb_);
        changed.record.editedBlank.reset();
        RestoredDesign drawn = restoreDesignState(wb_, changed);
        report = std::move(drawn.report);
        if (drawn.refusal)
            report.notices.push_back(*drawn.refusal);
        return true;
    }
    showRestored(restoreDesignState(wb_, before));
    return false;
}

void MainWindow::pushInputs() {
    MainWindowState& w = wb_.window();
    w.codeText = codeBox_->text().toStdString();
    if (dieLineShown_)
        return;  // the greyed boxes stand for no value: the style's stay as they were
    w.lengthText = lengthBox_->text().toStdString();
    w.widthText = widthBox_->text().toStdString();
    w.heightText = heightBox_->text().toStdString();
    w.creaseList = creaseListBox_->text().toStdString();
}

void MainWindow::showResult(const RegenerationReport& report) {
    const MainWindowState& w = wb_.window();
    if (codeBox_->text() != qs(w.codeText))
        codeBox_->setText(qs(w.codeText));
    showSizes();
    {
        const QSignalBlocker block(familyCombo_);
        familyCombo_->setCurrentIndex(w.familyNumber - 1);
    }
    fillCodes();
    showLayout();
    showDesignKind();
    showFigures();
    showPreview();
    showOrientationImages();
    pieces_->show();
    dimensioningAction_->setChecked(w.dimensioningHidden);
    showThickness();
    if (!dieLineShown_)
        showForm();
    drawingView_->drawingChanged();
    checkPanel_->showFindings(checkRegenerated(wb_));
    editController_->blankChanged();
    if (editMode())
        showSelectedProperties();
    showStatus(report);
    files_->designShown();
    // What the boxes show now is what was drawn: the value a refused entry goes back to.
    for (EntryBox* box : findChildren<EntryBox*>())
        box->acceptEntry();
    history_->record();
    updateRecovery();
}

void MainWindow::applyBlankEdit(std::vector<Element> edited) {
    regenerate([this, &edited] { return wb_.applyBlankEdit(std::move(edited)); });
}

void MainWindow::settingChanged(bool& setting, bool value) {
    setting = value;
    files_->designShown();
    history_->record();
    updateRecovery();
}

// The sizes drawn, each box in the one form numbers take on screen ("1e3" shows 1000).
void MainWindow::showSizes() {
    const Model& m = wb_.model();
    const std::array<std::pair<EntryBox*, float>, 3> sizes{
        {{lengthBox_, m.Longueur}, {widthBox_, m.Largeur}, {heightBox_, m.Hauteur}}};
    for (const auto& [box, value] : sizes) {
        const QString shown = qs(platform::shownNumber(value));
        const std::optional<double> typed = platform::readUserNumber(box->text().toStdString());
        if (box->text() != shown && typed && static_cast<float>(*typed) == value)
            box->setText(shown);
    }
}

void MainWindow::showInputTexts() {
    const MainWindowState& w = wb_.window();
    codeBox_->setText(qs(w.codeText));
    lengthBox_->setText(qs(w.lengthText));
    widthBox_->setText(qs(w.widthText));
    heightBox_->setText(qs(w.heightText));
    creaseListBox_->setText(qs(w.creaseList));
}

void MainWindow::showRestored(const RestoredDesign& restored) {
    showInputTexts();
    fillGrades();
    ++regenerations_;
    showResult(restored.report);
    if (restored.refusal) {
        say(qs(*restored.refusal), true);
    }
}

void MainWindow::showDesignKind() {
    const bool dieLine = wb_.hasDieLine();
    if (dieLine == dieLineShown_ && !dieLine)
        return;
    const bool leaving = dieLineShown_ && !dieLine;
    dieLineShown_ = dieLine;
    for (QWidget* w : std::initializer_list<QWidget*>{lengthBox_, widthBox_, heightBox_,
                                                      creaseListBox_, detailsButton_})
        w->setEnabled(!dieLine);
    if (dieLine) {
        for (EntryBox* box : {lengthBox_, widthBox_, heightBox_})
            box->clear();
        const QSignalBlocker family(familyCombo_);
        const QSignalBlocker code(codeCombo_);
        familyCombo_->setCurrentIndex(-1);
        codeCombo_->setCurrentIndex(-1);
        formLabel_->setVisible(false);
        return;
    }
    if (leaving) {
        const MainWindowState& w = wb_.window();
        lengthBox_->setText(qs(w.lengthText));
        widthBox_->setText(qs(w.widthText));
        heightBox_->setText(qs(w.heightText));
    }
}

void MainWindow::showThickness() {
    const float thickness = wb_.model().EpaisseurCarton;
    thicknessLabel_->setText(QStringLiteral("Ép. %1 mm").arg(qs(platform::shownNumber(thickness))));
}

// Beside the code drawn, what the lists say of its blank: in amber a form no published
// description confirms, in grey the code whose blank it shares.
void MainWindow::showForm() {
    const std::string& code = wb_.model().CodeModele;
    const QString note = qs(formNote(code));
    formLabel_->setText(note);
    formLabel_->setVisible(!note.isEmpty());
    const bool confirmed = styleForm(code).confirmed;
    formLabel_->setStyleSheet(confirmed ? QStringLiteral("color: #505050;")
                                        : QStringLiteral("color: #a05a00; font-weight: bold;"));
    formLabel_->setToolTip(confirmed ? QStringLiteral("Ce code dessine la découpe d'un autre code")
                                     : QStringLiteral("Aucune description publiée de ce modèle "
                                                      "n'a confirmé sa forme : la découpe n'est "
                                                      "pas le standard du code"));
}

void MainWindow::showLayout() {
    const MainWindowState& w = wb_.window();
    const bool creases = w.creaseListLayout;
    heightCaption_->setText(qs(strings_.text(creases ? 206 : 203)));
    heightUnit_->setVisible(!creases);
    heightBox_->setVisible(!creases);
    detailsButton_->setVisible(!creases);
    creaseListBox_->setVisible(creases);
    if (creaseListBox_->text() != qs(w.creaseList))
        creaseListBox_->setText(qs(w.creaseList));
}

void MainWindow::showFigures() {
    const WindowFigures f = windowFigures(wb_.model());
    // Read by a French user: the decimal comma.
    const auto shown = [](const std::string& text) { return qs(platform::withDecimalComma(text)); };
    cutLengthLabel_->setText(shown(f.cutLength));
    cutCreaseLengthLabel_->setText(shown(f.cutCreaseLength));
    perforationLengthLabel_->setText(shown(f.perforationLength));
    halfCutLengthLabel_->setText(shown(f.halfCutLength));
    creaseLengthLabel_->setText(shown(f.creaseLength));
    totalLengthLabel_->setText(shown(f.totalLength));
    bridgedCutCaption_->setVisible(!f.bridgeCount.empty());
    bridgedCutLabel_->setVisible(!f.bridgeCount.empty());
    bridgedCutLabel_->setText(shown(f.bridgedCutLength) +
                              QStringLiteral("\u00a0m (%1\u00a0ponts)").arg(qs(f.bridgeCount)));
    cutSurfaceLabel_->setText(shown(f.cutSurface));
    imposedSizeLabel_->setText(shown(f.imposedSize));
    poseCountLabel_->setText(shown(f.poseCount));
    wasteLabel_->setText(shown(f.waste));
    sheetWasteLabel_->setText(shown(f.sheetWaste));
    sheetXBox_->setText(shown(f.sheetX));
    sheetYBox_->setText(shown(f.sheetY));
    posesXBox_->setText(shown(f.posesX));
    posesYBox_->setText(shown(f.posesY));
    gapXBox_->setText(shown(f.gapX));
    gapYBox_->setText(shown(f.gapY));
    marginBoxes_[0]->setText(shown(f.marginX));
    marginBoxes_[1]->setText(shown(f.marginY));
    const QSignalBlocker block(centreBox_);
    centreBox_->setChecked(wb_.imposition().ChkCentre);
    const QSignalBlocker blockTurns(quarterTurnBox_);
    quarterTurnBox_->setChecked(wb_.imposition().quarterTurns);
    const QSignalBlocker blockRoll(rollBox_);
    rollBox_->setChecked(wb_.imposition().roll);
    showDataWarnings();
}

// The figures follow the data as read: the frame says when the data did not say what the
// drawing follows, and its tool-tip lists why.
void MainWindow::showDataWarnings() {
    const std::vector<std::string> warnings = wb_.dataWarnings();
    QStringList lines;
    for (const std::string& w : warnings)
        lines << qs(w);
    dataWarnings_->setVisible(!warnings.empty());
    dataWarnings_->setText(
        warnings.size() == 1 ? QStringLiteral("Attention\u00a0: 1 avertissement sur les données")
                             : QStringLiteral("Attention\u00a0: %1 avertissements sur les données")
                                   .arg(warnings.size()));
    dataWarnings_->setToolTip(lines.join(QStringLiteral("\n")));
}

// The blank folded; the style's picture from the data directory's "wmf" folder (in any
// format Qt reads) where it does not fold.
void MainWindow::showPreview() {
    QString note;
    FoldScene fold = foldScene(wb_, &note);
    previewImage_->setFold(fold);
    if (foldWindow_)
        foldWindow_->setScene(fold, note);
    const std::filesystem::path folder = wb_.boardTables().dataDirectory() / "wmf";
    for (const char* extension : {".png", ".jpg", ".bmp", ".wmf"}) {
        const std::filesystem::path file = folder / (wb_.model().CodeModele + extension);
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            previewImage_->load(qs(file.string()));
            if (previewImage_->hasPicture())
                return;
        }
    }
    previewImage_->load(QString());
}

void MainWindow::showFoldWindow() {
    if (!foldWindow_) {
        foldWindow_ = new FoldWindow(
            [this](const QString& path) {
                const io::FileResult r = saveDesign(wb_, path.toStdString(), false);
                return r.ok ? QString() : qs(r.message);
            },
            this);
        foldWindow_->setProposedFile([this] {
            const std::string name = files_->designTitle().toStdString() + ".gltf";
            return qs((files_->designFolder() / name).string());
        });
        showPreview();
    }
    foldWindow_->show();
    foldWindow_->raise();
}

void MainWindow::showStatus(const RegenerationReport& report) {
    QStringList parts;
    if (!report.message.empty())
        parts << qs(report.message);
    for (const std::string& notice : report.notices)
        parts << qs(notice);
    // A blank drawn without its own allowances is said with every regeneration of it.
    const auto& allowances = wb_.allowanceWarning();
    if (allowances)
        parts << qs(*allowances);
    say(parts.join(QStringLiteral("  —  ")), !report.message.empty() || allowances);
}

void MainWindow::colourLegendLines() {
    for (std::size_t i = 0; i < legendLines_.size(); ++i) {
        Element probe;
        probe.lineKind = kLegendKinds[i];
        const QPen pen = pens_.screenPen(penRoleOf(probe));
        legendLines_[i]->setPixmap(legendLine(pen, legendLines_[i]->size()));
        legendLines_[i]->setProperty("penColour", pens_.PenColour(kLegendKinds[i]));
    }
}

void MainWindow::showOrientationImages() {
    const Model& m = wb_.model();
    if (m.senscann == AlongAxis::None)
        fluteImage_->clear();
    else
        fluteImage_->setPixmap(orientationImage(m.senscann == AlongAxis::X
                                                    ? OrientationImage::FluteAlongX
                                                    : OrientationImage::FluteAlongY));
    if (m.senspass == AlongAxis::None)
        passImage_->clear();
    else
        passImage_->setPixmap(orientationImage(m.senspass == AlongAxis::X
                                                   ? OrientationImage::PassAlongX
                                                   : OrientationImage::PassAlongY));
    const auto flute = static_cast<std::size_t>(storedNumber(m.senscann));
    const auto pass = static_cast<std::size_t>(storedNumber(m.senspass));
    orientationButtons_[flute]->setChecked(true);
    orientationButtons_[3 + pass]->setChecked(true);
}

void MainWindow::dimensionLeft(EntryBox* box, NumberBox kind, float stored) {
    if (inputsBlocked_)
        return;
    const NumberEntry entry = readNumberBox(kind, box->text().toStdString());
    if (!entry.taken()) {
        refuse(box, entry.refusal);
        return;
    }
    if (static_cast<float>(*entry.value) == stored) {
        takenUnchanged(box);
        return;
    }
    const DesignState before = captureDesign(wb_);
    const bool edited = wb_.hasBlankEdits();
    pushInputs();
    RegenerationReport report = wb_.regenerate();
    ++regenerations_;
    if (!report.drawn && !report.keptPrevious && !report.message.empty()) {
        // A size the style cannot draw is refused like a value out of range: the design and
        // its drawing stay as they were.
        showRestored(restoreDesignState(wb_, before));
        refuse(box, report.message);
        return;
    }
    if (edited && !editsAllowChange(before, report))
        return;
    showResult(report);
}

// One refusal is said at a time: the frame of an earlier one goes with its message.
void MainWindow::refuse(EntryBox* box, const std::string& reason) {
    for (EntryBox* other : findChildren<EntryBox*>()) {
        if (other != box && other->refused())
            other->acceptEntry();
    }
    box->refuseEntry();
    say(qs(reason), true);
}

// An entry taken that changes nothing still answers a refusal it follows: the value typed is
// good again, so the frame and the message go.
void MainWindow::takenUnchanged(EntryBox* box) {
    if (!box->refused())
        return;
    box->acceptEntry();
    say(QString());
}

void MainWindow::say(const QString& text, bool fault) {
    showMessage(statusMessage_, text, fault);
}

void MainWindow::codeBoxLeft() {
    if (codeBox_->text().toStdString() == wb_.window().codeText) {
        takenUnchanged(codeBox_);
        return;
    }
    bool refused = false;
    regenerate([this, &refused] {
        RegenerationReport report = wb_.codeBoxLeft();
        refused = report.keptPrevious && !report.message.empty();
        return report;
    });
    // A code that cannot be drawn is refused like any other entry: the code drawn comes back
    // in a red frame, beside the reason in the status bar.
    if (refused)
        codeBox_->refuseEntry();
}

void MainWindow::creaseListChanged() {
    if (creaseListBox_->text().toStdString() == wb_.model().ListeFoulages)
        return;
    regenerate([this] { return wb_.regenerate(); });
}

void MainWindow::familyChosen(int index) {
    regenerate([this, index] { return wb_.familyChosen(index + 1); });
}

void MainWindow::codeChosen(int index) {
    const MainWindowState& w = wb_.window();
    const bool topBottom = w.familyNumber == 1 && index == codeCombo_->count() - 1;
    if (topBottom && !chooseArchitecture()) {
        const QSignalBlocker block(codeCombo_);
        codeCombo_->setCurrentIndex(w.codeNumber - 1);
        return;
    }
    regenerate([this, index] { return wb_.codeChosen(index + 1); });
}

// The chooser of the top and bottom closures; closed without "OK", it changes nothing.
bool MainWindow::chooseArchitecture() {
    Model& m = wb_.model();
    const std::int16_t top = m.TypeDessus, bottom = m.TypeDessous;
    ArchitectureDialog dialog(m, this);
    if (dialog.exec() == QDialog::Accepted && (m.TypeDessus != 0 || m.TypeDessous != 0))
        return true;
    m.TypeDessus = top;
    m.TypeDessous = bottom;
    return false;
}

void MainWindow::gradeChosen(int index) {
    regenerate([this, index] { return wb_.gradeChosen(index + 1); });
}

void MainWindow::directionChosen(int buttonIndex) {
    const auto direction = alongAxisOf(buttonIndex % 3).value_or(AlongAxis::None);
    if (buttonIndex < 3)
        regenerate([this, direction] { return wb_.fluteDirectionChosen(direction); });
    else
        regenerate([this, direction] { return wb_.passDirectionChosen(direction); });
}

void MainWindow::impositionEntry(NumberBox kind,
                                 const std::function<ImpositionEntry(double)>& enter,
                                 EntryBox* box) {
    if (inputsBlocked_)
        return;
    const NumberEntry typed = readNumberBox(kind, box->text().toStdString());
    if (!typed.taken()) {
        refuse(box, typed.refusal);
        return;
    }
    pushInputs();
    const ImpositionEntry entry = enter(*typed.value);
    if (ran(entry.report)) {
        ++regenerations_;
        showResult(entry.report);
    } else {
        takenUnchanged(box);
    }
    if (entry.warn) {
        box->setFocus();
        box->selectAll();
    }
}

void MainWindow::swapDrawingAndPreview() {
    drawingPane_->hide();
    previewImage_->hide();
    QVBoxLayout* drawingGoesTo = viewsSwapped_ ? bigSlot_ : smallSlot_;
    QVBoxLayout* previewGoesTo = viewsSwapped_ ? smallSlot_ : bigSlot_;
    bigSlot_->removeWidget(viewsSwapped_ ? previewImage_ : drawingPane_);
    smallSlot_->removeWidget(viewsSwapped_ ? drawingPane_ : previewImage_);
    drawingGoesTo->addWidget(drawingPane_);
    previewGoesTo->addWidget(previewImage_);
    drawingPane_->show();
    previewImage_->show();
    viewsSwapped_ = !viewsSwapped_;
    // The small drawing shows no dimensioning.
    wb_.window().dimensioningHidden = viewsSwapped_;
    dimensioningAction_->setChecked(viewsSwapped_);
    drawingView_->fitToWindow();
    regenerate([this] { return wb_.regenerate(); });
}

void MainWindow::toggleDimensioning() {
    MainWindowState& w = wb_.window();
    w.dimensioningHidden = !w.dimensioningHidden;
    dimensioningAction_->setChecked(w.dimensioningHidden);
    wb_.drawing().SetFilter("");
    if (w.dimensioningHidden)
        wb_.drawing().SetFilter("COTATION");
    drawingView_->drawingChanged();
}

void MainWindow::chooseFilters() {
    FilterDialog dialog(drawingView_->hiddenKinds(), wb_.window().dimensioningHidden, strings_,
                        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    drawingView_->setHiddenKinds(dialog.hiddenKinds());
    if (dialog.hideDimensions() != wb_.window().dimensioningHidden)
        toggleDimensioning();
}

void MainWindow::choosePens() {
    PenDialog dialog(pens_, strings_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    pens_ = dialog.pens();
    drawingView_->setPens(pens_);
    colourLegendLines();
}

// "Supprimer Filtre": everything shown again, and the check of "Filtrer Cotation" follows.
void MainWindow::removeFilters() {
    wb_.drawing().SetFilter("");
    wb_.window().dimensioningHidden = false;
    dimensioningAction_->setChecked(false);
    drawingView_->setHiddenKinds({});
}

void MainWindow::saveDefaults() {
    const std::optional<std::string> failure = brontaxe::saveDefaults(wb_.model(), wb_.settings());
    say(failure ? qs(*failure) : qs(strings_.text(48)), failure.has_value());
}

void MainWindow::editStyleParameters() {
    StyleParametersHost host;
    host.creaseList = [this] { return creaseListBox_->text(); };
    host.setCreaseList = [this](const QString& list) {
        creaseListBox_->setText(list);
        wb_.window().creaseList = list.toStdString();
    };
    host.regenerate = [this] { regenerate([this] { return wb_.regenerate(); }); };
    host.showRefusal = [this](const QString& reason) { say(reason, true); };
    StyleParametersDialog dialog(wb_.model(), strings_, std::move(host), this);
    dialog.exec();
}

// The help window stays open beside the window it helps with: one at a time, raised again
// by the next call. Asked from a modal dialog, it belongs to that dialog, which would
// otherwise keep it from being read.
void MainWindow::showHelp(const QString& section) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = this;
    auto* help = owner->findChild<HelpDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new HelpDialog(owner, manualTextPath(), manualPath(), section);
        help->setAttribute(Qt::WA_DeleteOnClose);
    } else if (!section.isEmpty()) {
        help->showSection(section);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void MainWindow::about() {
    QMessageBox::about(
        this, programTitle_,
        QStringLiteral("<b>%1</b><p>%2</p>").arg(programTitle_, qs(strings_.text(83))));
}

}  // namespace brontaxe::app
