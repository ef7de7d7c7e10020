#include "app/window/frm_princ.h"

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
#include <QSignalBlocker>
#include <QStatusBar>

#include "app/commands/file_commands.h"
#include "app/dialogs/frm_autre_dim.h"
#include "app/dialogs/frm_help.h"
#include "app/dialogs/frm_typo.h"
#include "app/dialogs/view_dialogs.h"
#include "app/views/fold_window.h"
#include "app/views/preview_image.h"
#include "app/window/check_panel.h"
#include "app/window/entry_box.h"
#include "app/window/icons.h"
#include "app/window/piece_controls.h"
#include "app/window/string_pass.h"
#include "params/save_defaults.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "workbench/catalogue.h"
#include "workbench/design_file.h"
#include "workbench/window_figures.h"
#include "workbench/window_inputs.h"
#include "workbench/workbench_check.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The line kinds of the legend lines, in the order Linec, Linepr, Linep, Linemc, Liner.
constexpr std::array<std::int16_t, 5> kLegendKinds{1, 2, 4, 5, 6};

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

// A list entry; one the program does not draw yet is greyed and says so. The entry's own
// text (the code) stays in its data.
void addListEntry(QComboBox* list, const QString& text, const QString& data, bool drawn) {
    if (drawn) {
        list->addItem(text, data);
        return;
    }
    const QString notYet = QStringLiteral("non disponible");
    list->addItem(text + QStringLiteral("  (") + notYet + QStringLiteral(")"), data);
    const int index = list->count() - 1;
    list->setItemData(index, QColor(140, 140, 140), Qt::ForegroundRole);
    list->setItemData(index, notYet, Qt::ToolTipRole);
}

// A regeneration ran when it drew, kept the old drawing or said why it could not.
bool ran(const RegenerationReport& r) {
    return r.drawn || r.keptPrevious || !r.message.empty();
}

}  // namespace

frmPrinc::frmPrinc(Workbench& wb, std::optional<std::string> commandLine, QWidget* parent)
    : QMainWindow(parent), wb_(wb), strings_(StringTable::builtIn()) {
    setObjectName("frmPrinc");
    setStringEntry(this, 10);
    files_ = new FileCommands(*this, wb_);
    pieces_ = new PieceControls(
        wb_, strings_, this, [this](const auto& handler) { regenerate(handler); },
        [this] { mnpassage_Click(); });
    buildMenus();

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(buildToolColumn());
    row->addWidget(buildInputPanel());
    bigSlot_ = new QVBoxLayout;
    bigSlot_->setContentsMargins(4, 6, 4, 6);
    row->addLayout(bigSlot_, 1);
    row->addWidget(buildResultPanel());
    setCentralWidget(central);

    Trazel1_ = new DrawingView(wb_.drawing());
    controle_->setView(Trazel1_);
    bigSlot_->addWidget(Trazel1_);
    Vue3D_ = new PreviewImage;
    Vue3D_->setEmptyText(qs(strings_.text(1291)));
    smallSlot_->addWidget(Vue3D_);
    statusMessage_ = new QLabel;
    statusMessage_->setObjectName("statusMessage");
    statusBar()->addWidget(statusMessage_, 1);

    connect(longueur_, &EntryBox::committed, this,
            [this] { dimensionLeft(longueur_, NumberBox::Longueur, wb_.model().Longueur); });
    connect(largeur_, &EntryBox::committed, this,
            [this] { dimensionLeft(largeur_, NumberBox::Largeur, wb_.model().Largeur); });
    connect(hauteur_, &EntryBox::committed, this,
            [this] { dimensionLeft(hauteur_, NumberBox::Hauteur, wb_.model().Hauteur); });
    connect(txtModel_, &EntryBox::committed, this, [this] { txtModel_LostFocus(); });
    connect(Txt_listefoulages_, &QLineEdit::textEdited, this,
            [this] { Txt_listefoulages_Change(); });
    connect(CbGroup_, &QComboBox::activated, this, [this](int i) { CbGroup_Click(i); });
    connect(CbModules_, &QComboBox::activated, this, [this](int i) { CbModules_Click(i); });
    connect(Cmb_Qual_, &QComboBox::activated, this, [this](int i) { Cmb_Qual_Click(i); });
    connect(CmdDetails_, &QPushButton::clicked, this, [this] { CmdDetails_Click(); });
    connect(Vue3D_, &PreviewImage::clicked, this, [this] { Vue3D_Click(); });

    struct ImpositionBox {
        EntryBox* box;
        NumberBox kind;
        std::function<ImpositionEntry(double)> enter;
    };
    const std::array<ImpositionBox, 8> impositionBoxes{{
        {TxFmtCX_, NumberBox::FmtCartonX,
         [this](double v) { return wb_.enterSheetSize(Axis::X, v); }},
        {TxFmtCY_, NumberBox::FmtCartonY,
         [this](double v) { return wb_.enterSheetSize(Axis::Y, v); }},
        {TxtFCEsp_[0], NumberBox::MargeX, [this](double v) { return wb_.enterMargin(0, v); }},
        {TxtFCEsp_[1], NumberBox::MargeY, [this](double v) { return wb_.enterMargin(1, v); }},
        {TxNbPoseX_, NumberBox::NbPoseX,
         [this](double v) { return wb_.enterPoseCount(Axis::X, v); }},
        {TxNbPoseY_, NumberBox::NbPoseY,
         [this](double v) { return wb_.enterPoseCount(Axis::Y, v); }},
        {TxespX_, NumberBox::EspPoseX, [this](double v) { return wb_.enterPoseGap(Axis::X, v); }},
        {TxespY_, NumberBox::EspPoseY, [this](double v) { return wb_.enterPoseGap(Axis::Y, v); }},
    }};
    for (const ImpositionBox& b : impositionBoxes) {
        connect(b.box, &EntryBox::committed, this,
                [this, b] { impositionEntry(b.kind, b.enter, b.box); });
    }
    connect(ChkCentre_, &QCheckBox::clicked, this,
            [this](bool checked) { regenerate([&] { return wb_.toggleCentre(checked); }); });

    resize(1440, 900);
    Form_Load(std::move(commandLine));
}

frmPrinc::~frmPrinc() {
    // Tearing the window down takes the focus from its boxes: no entry is taken from a window
    // that is going away.
    for (EntryBox* box : findChildren<EntryBox*>())
        box->blockSignals(true);
}

void frmPrinc::Form_Load(std::optional<std::string> commandLine) {
    BloqueModif_ = true;
    applyStringTable(this, strings_);
    setWindowTitle(windowTitle() + QString(" v%1.%2r%3")
                                       .arg(BRONTAXE_VERSION_MAJOR)
                                       .arg(BRONTAXE_VERSION_MINOR)
                                       .arg(BRONTAXE_VERSION_PATCH));
    wb_.startUp();
    NomFichier_ = wb_.drawingFileName();
    colourLegendLines();
    fillFamilies();
    fillCodes();
    fillGrades();
    txtModel_->setText(qs(wb_.window().codeText));
    Txt_listefoulages_->setText(qs(wb_.window().creaseList));
    longueur_->setText(qs(wb_.window().lengthText));
    largeur_->setText(qs(wb_.window().widthText));
    hauteur_->setText(qs(wb_.window().heightText));
    if (auto name = fileNameFromCommandLine(commandLine))
        NomFichier_ = *name;
    VueInversee_ = false;
    BloqueModif_ = false;
    LargeurInit_ = width();
    HauteurInit_ = height();
    regenerate([this] {
        RegenerationReport report = wb_.regenerate();
        // Settings set aside and tables that could not be read are said once, at start-up;
        // the figures frame keeps counting them.
        const auto problems = wb_.startUpWarnings();
        report.notices.insert(report.notices.begin(), problems.begin(), problems.end());
        return report;
    });
}

void frmPrinc::fillFamilies() {
    const QSignalBlocker block(CbGroup_);
    CbGroup_->clear();
    for (int n = 1; n <= 7; ++n) {
        const QString caption = qs(strings_.text(familyCaptionEntry(n)));
        addListEntry(CbGroup_, caption, caption, wb_.familyIsDrawn(n));
    }
    CbGroup_->setCurrentIndex(wb_.window().familyNumber - 1);
}

// The code list of the family shown, with the code of the code box selected when the list
// holds it.
void frmPrinc::fillCodes() {
    const QSignalBlocker block(CbModules_);
    MainWindowState& w = wb_.window();
    const std::vector<std::string> codes = wb_.familyCodes(w.familyNumber);
    CbModules_->clear();
    for (const std::string& code : codes)
        addListEntry(CbModules_, qs(code), qs(code), wb_.isDrawn(code));
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == w.codeText)
            w.codeNumber = static_cast<int>(i) + 1;
    }
    CbModules_->setCurrentIndex(w.codeNumber - 1);
}

void frmPrinc::fillGrades() {
    const QSignalBlocker block(Cmb_Qual_);
    Cmb_Qual_->clear();
    const GradeTable& grades = wb_.boardTables().grades();
    for (int g = 1; g <= grades.count(); ++g)
        Cmb_Qual_->addItem(qs(grades.at(g).label));
    Cmb_Qual_->setCurrentIndex(wb_.model().NumQualite - 1);
}

void frmPrinc::regenerate(const std::function<RegenerationReport()>& handler) {
    if (BloqueModif_)
        return;
    pushInputs();
    const RegenerationReport report = handler();
    ++regenerations_;
    showResult(report);
}

void frmPrinc::pushInputs() {
    MainWindowState& w = wb_.window();
    w.lengthText = longueur_->text().toStdString();
    w.widthText = largeur_->text().toStdString();
    w.heightText = hauteur_->text().toStdString();
    w.codeText = txtModel_->text().toStdString();
    w.creaseList = Txt_listefoulages_->text().toStdString();
}

void frmPrinc::showResult(const RegenerationReport& report) {
    const MainWindowState& w = wb_.window();
    if (txtModel_->text() != qs(w.codeText))
        txtModel_->setText(qs(w.codeText));
    {
        const QSignalBlocker block(CbGroup_);
        CbGroup_->setCurrentIndex(w.familyNumber - 1);
    }
    fillCodes();
    showLayout();
    showFigures();
    showPreview();
    showOrientationImages();
    pieces_->show();
    mncotes_->setChecked(w.dimensioningHidden);
    showThickness();
    Trazel1_->drawingChanged();
    controle_->showFindings(checkRegenerated(wb_));
    showStatus(report);
    files_->designShown();
    // What the boxes show now is what was drawn: the value a refused entry goes back to.
    for (EntryBox* box : findChildren<EntryBox*>())
        box->acceptEntry();
}

void frmPrinc::showThickness() {
    const float thickness = wb_.model().EpaisseurCarton;
    lbEpaisseur_->setText(QStringLiteral("Ép. %1 mm").arg(qs(platform::numberText(thickness))));
}

void frmPrinc::showLayout() {
    const MainWindowState& w = wb_.window();
    const bool creases = w.creaseListLayout;
    lbhauteur_->setText(qs(strings_.text(creases ? 206 : 203)));
    hauteurUnit_->setVisible(!creases);
    hauteur_->setVisible(!creases);
    CmdDetails_->setVisible(!creases);
    Txt_listefoulages_->setVisible(creases);
    if (Txt_listefoulages_->text() != qs(w.creaseList))
        Txt_listefoulages_->setText(qs(w.creaseList));
}

void frmPrinc::showFigures() {
    const WindowFigures f = windowFigures(wb_.model());
    lbCoupant_->setText(qs(f.cutLength));
    lbPerfoRainant_->setText(qs(f.cutCreaseLength));
    lbPerfo_->setText(qs(f.perforationLength));
    lbMiChair_->setText(qs(f.halfCutLength));
    lbRainant_->setText(qs(f.creaseLength));
    lbTotal_->setText(qs(f.totalLength));
    lbSurf_->setText(qs(f.cutSurface));
    lbDimHt_->setText(qs(f.imposedSize));
    lbnbposes_->setText(qs(f.poseCount));
    lbPerte_->setText(qs(f.waste));
    lbperteFc_->setText(qs(f.sheetWaste));
    TxFmtCX_->setText(qs(f.sheetX));
    TxFmtCY_->setText(qs(f.sheetY));
    TxNbPoseX_->setText(qs(f.posesX));
    TxNbPoseY_->setText(qs(f.posesY));
    TxespX_->setText(qs(f.gapX));
    TxespY_->setText(qs(f.gapY));
    TxtFCEsp_[0]->setText(qs(f.marginX));
    TxtFCEsp_[1]->setText(qs(f.marginY));
    const QSignalBlocker block(ChkCentre_);
    ChkCentre_->setChecked(wb_.imposition().ChkCentre);
    showDataWarnings();
}

// The figures follow the data as read: the frame says when the data did not say what the
// drawing follows, and its tool-tip lists why.
void frmPrinc::showDataWarnings() {
    const std::vector<std::string> warnings = wb_.dataWarnings();
    QStringList lines;
    for (const std::string& w : warnings)
        lines << qs(w);
    dataWarnings_->setVisible(!warnings.empty());
    dataWarnings_->setText(
        warnings.size() == 1
            ? QStringLiteral("Attention : 1 avertissement sur les données")
            : QStringLiteral("Attention : %1 avertissements sur les données").arg(warnings.size()));
    dataWarnings_->setToolTip(lines.join(QStringLiteral("\n")));
}

// The blank folded; the style's picture from the data directory's "wmf" folder (in any
// format Qt reads) where it does not fold.
void frmPrinc::showPreview() {
    QString note;
    FoldScene fold = foldScene(wb_.drawing(), wb_.model().CodeModele, wb_.model(), &note);
    Vue3D_->setFold(fold);
    if (foldWindow_)
        foldWindow_->setScene(fold, note);
    const std::filesystem::path folder = wb_.boardTables().dataDirectory() / "wmf";
    for (const char* extension : {".png", ".jpg", ".bmp", ".wmf"}) {
        const std::filesystem::path file = folder / (wb_.model().CodeModele + extension);
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            Vue3D_->load(qs(file.string()));
            if (Vue3D_->hasPicture())
                return;
        }
    }
    Vue3D_->load(QString());
}

void frmPrinc::showFoldWindow() {
    if (!foldWindow_) {
        foldWindow_ = new FoldWindow(
            [this](const QString& path) {
                const io::FileResult r = saveDesign(wb_, path.toStdString(), false);
                return r.ok ? QString() : qs(r.message);
            },
            this);
        showPreview();
    }
    foldWindow_->show();
    foldWindow_->raise();
}

void frmPrinc::showStatus(const RegenerationReport& report) {
    QStringList parts;
    if (!report.message.empty())
        parts << qs(report.message);
    for (const std::string& notice : report.notices)
        parts << qs(notice);
    // A blank drawn without its own allowances is said with every regeneration of it.
    const auto& allowances = wb_.allowanceWarning();
    if (allowances)
        parts << qs(*allowances);
    statusMessage_->setText(parts.join(QStringLiteral("  —  ")));
    statusMessage_->setStyleSheet(
        report.message.empty() && !allowances ? QString() : QStringLiteral("color: #b00000;"));
}

void frmPrinc::colourLegendLines() {
    for (std::size_t i = 0; i < legendLines_.size(); ++i) {
        Element probe;
        probe.lineKind = kLegendKinds[i];
        const QPen pen = pens_.screenPen(penRoleOf(probe));
        legendLines_[i]->setPixmap(legendLine(pen, legendLines_[i]->size()));
        legendLines_[i]->setProperty("penColour", pens_.PenColour(kLegendKinds[i]));
    }
}

void frmPrinc::showOrientationImages() {
    const Model& m = wb_.model();
    if (m.senscann == 0)
        fluteImage_->clear();
    else
        fluteImage_->setPixmap(orientationImage(m.senscann == 1 ? OrientationImage::FluteAlongX
                                                                : OrientationImage::FluteAlongY));
    if (m.senspass == 0)
        passImage_->clear();
    else
        passImage_->setPixmap(orientationImage(m.senspass == 1 ? OrientationImage::PassAlongX
                                                               : OrientationImage::PassAlongY));
    const std::size_t flute = static_cast<std::size_t>(std::clamp<int>(m.senscann, 0, 2));
    const std::size_t pass = static_cast<std::size_t>(std::clamp<int>(m.senspass, 0, 2));
    Option1_[flute]->setChecked(true);
    Option1_[3 + pass]->setChecked(true);
}

void frmPrinc::dimensionLeft(EntryBox* box, NumberBox kind, float stored) {
    if (BloqueModif_)
        return;
    const NumberEntry entry = readNumberBox(kind, box->text().toStdString());
    if (!entry.taken()) {
        refuse(box, entry.refusal);
        return;
    }
    if (static_cast<float>(*entry.value) == stored)
        return;
    regenerate([this] { return wb_.regenerate(); });
}

void frmPrinc::refuse(EntryBox* box, const std::string& reason) {
    box->refuseEntry();
    statusMessage_->setText(qs(reason));
    statusMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));
}

void frmPrinc::txtModel_LostFocus() {
    if (txtModel_->text().toStdString() == wb_.window().codeText)
        return;
    regenerate([this] { return wb_.codeBoxLeft(); });
}

void frmPrinc::Txt_listefoulages_Change() {
    if (Txt_listefoulages_->text().toStdString() == wb_.model().ListeFoulages)
        return;
    regenerate([this] { return wb_.regenerate(); });
}

void frmPrinc::CbGroup_Click(int index) {
    regenerate([this, index] { return wb_.familyChosen(index + 1); });
}

void frmPrinc::CbModules_Click(int index) {
    const MainWindowState& w = wb_.window();
    const bool topBottom = w.familyNumber == 1 && index == CbModules_->count() - 1;
    if (topBottom && !chooseArchitecture()) {
        const QSignalBlocker block(CbModules_);
        CbModules_->setCurrentIndex(w.codeNumber - 1);
        return;
    }
    regenerate([this, index] { return wb_.codeChosen(index + 1); });
}

// The chooser of the top and bottom closures; closed without "OK", it changes nothing.
bool frmPrinc::chooseArchitecture() {
    Model& m = wb_.model();
    const std::int16_t top = m.TypeDessus, bottom = m.TypeDessous;
    frm_typo dialog(m, this);
    if (dialog.exec() == QDialog::Accepted && (m.TypeDessus != 0 || m.TypeDessous != 0))
        return true;
    m.TypeDessus = top;
    m.TypeDessous = bottom;
    return false;
}

void frmPrinc::Cmb_Qual_Click(int index) {
    regenerate([this, index] { return wb_.gradeChosen(index + 1); });
}

void frmPrinc::Option1_Click(int index) {
    regenerate([this, index] { return wb_.orientationChosen(index); });
}

void frmPrinc::impositionEntry(NumberBox kind, const std::function<ImpositionEntry(double)>& enter,
                               EntryBox* box) {
    if (BloqueModif_)
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
    }
    if (entry.warn) {
        box->setFocus();
        box->selectAll();
    }
}

void frmPrinc::Vue3D_Click() {
    Trazel1_->hide();
    Vue3D_->hide();
    QVBoxLayout* drawingGoesTo = VueInversee_ ? bigSlot_ : smallSlot_;
    QVBoxLayout* previewGoesTo = VueInversee_ ? smallSlot_ : bigSlot_;
    bigSlot_->removeWidget(VueInversee_ ? Vue3D_ : static_cast<QWidget*>(Trazel1_));
    smallSlot_->removeWidget(VueInversee_ ? static_cast<QWidget*>(Trazel1_) : Vue3D_);
    drawingGoesTo->addWidget(Trazel1_);
    previewGoesTo->addWidget(Vue3D_);
    Trazel1_->show();
    Vue3D_->show();
    VueInversee_ = !VueInversee_;
    // The small drawing shows no dimensioning.
    wb_.window().dimensioningHidden = VueInversee_;
    mncotes_->setChecked(VueInversee_);
    Trazel1_->fitToWindow();
    regenerate([this] { return wb_.regenerate(); });
}

void frmPrinc::mncotes_Click() {
    MainWindowState& w = wb_.window();
    w.dimensioningHidden = !w.dimensioningHidden;
    mncotes_->setChecked(w.dimensioningHidden);
    wb_.drawing().SetFilter("");
    if (w.dimensioningHidden)
        wb_.drawing().SetFilter("COTATION");
    Trazel1_->drawingChanged();
}

void frmPrinc::mnaffichage_filtres_Click() {
    FilterDialog dialog(Trazel1_->hiddenKinds(), wb_.window().dimensioningHidden, strings_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Trazel1_->setHiddenKinds(dialog.hiddenKinds());
    if (dialog.hideDimensions() != wb_.window().dimensioningHidden)
        mncotes_Click();
}

void frmPrinc::mnoptions_stylos_Click() {
    PenDialog dialog(pens_, strings_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    pens_ = dialog.pens();
    Trazel1_->setPens(pens_);
    colourLegendLines();
}

// "Supprimer Filtre": everything shown again, and the check of "Filtrer Cotation" follows.
void frmPrinc::Image3_Click() {
    wb_.drawing().SetFilter("");
    wb_.window().dimensioningHidden = false;
    mncotes_->setChecked(false);
    Trazel1_->setHiddenKinds({});
}

void frmPrinc::mnsavdef_Click() {
    const std::optional<std::string> failure = SauveDefauts(wb_.model(), wb_.settings());
    statusMessage_->setText(failure ? qs(*failure) : qs(strings_.text(48)));
    statusMessage_->setStyleSheet(failure ? QStringLiteral("color: #b00000;") : QString());
}

void frmPrinc::CmdDetails_Click() {
    AutreDimHost host;
    host.creaseList = [this] { return Txt_listefoulages_->text(); };
    host.setCreaseList = [this](const QString& list) {
        Txt_listefoulages_->setText(list);
        wb_.window().creaseList = list.toStdString();
    };
    host.modifier = [this] { regenerate([this] { return wb_.regenerate(); }); };
    host.showRefusal = [this](const QString& reason) {
        statusMessage_->setText(reason);
        statusMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));
    };
    FrmAutreDim dialog(wb_.model(), strings_, std::move(host), this);
    dialog.exec();
}

void frmPrinc::showHelp(const QString& anchor) {
    frmHelp help(this, manualPath(), anchor);
    help.exec();
}

void frmPrinc::about() {
    QMessageBox::about(
        this, windowTitle(),
        QStringLiteral("<b>%1</b><p>%2</p>").arg(windowTitle(), qs(strings_.text(83))));
}

}  // namespace brontaxe::app
