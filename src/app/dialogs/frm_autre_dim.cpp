#include "app/dialogs/frm_autre_dim.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/views/autre_dim_images.h"
#include "app/window/entry_box.h"
#include "model/field_ranges.h"
#include "model/number_entry.h"
#include "platform/number_text.h"
#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kFirstTabEntry = 1233;
constexpr int kTabCount = 8;
constexpr int kDoubleWallTab = 5;
// Heights of the tab control, in pixels (the Double Mur tab holds twice as many boxes).
constexpr int kTabHeight = 287;
constexpr int kTallTabHeight = 570;

QGroupBox* frame(const QString& title, QGridLayout*& grid) {
    auto* box = new QGroupBox(title);
    grid = new QGridLayout(box);
    return box;
}

QScrollBar* countScrollBar(const char* name, int maximum) {
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setObjectName(name);
    bar->setRange(1, maximum);
    bar->setInvertedAppearance(true);  // the upper arrow counts up
    bar->setInvertedControls(true);
    bar->setFixedHeight(28);
    return bar;
}

}  // namespace

FrmAutreDim::FrmAutreDim(Model& m, const StringTable& strings, AutreDimHost host, QWidget* parent)
    : QDialog(parent),
      m_(m),
      strings_(strings),
      host_(std::move(host)),
      opening_(m),
      openingCreaseList_(host_.creaseList ? host_.creaseList() : QString()) {
    setObjectName("FrmAutreDim");
    setWindowTitle(QStringLiteral("Autres Dimensions"));
    setModal(true);

    SSTab1_ = new QTabWidget;
    SSTab1_->setObjectName("SSTab1");
    SSTab1_->addTab(buildGlueTab(), QString());
    SSTab1_->addTab(buildNotchTab(), QString());
    SSTab1_->addTab(buildFlapTab(), QString());
    SSTab1_->addTab(buildRoundingTab(), QString());
    SSTab1_->addTab(buildFlapsTab(), QString());
    SSTab1_->addTab(buildDoubleWallTab(), QString());
    SSTab1_->addTab(buildDividerTab(), QString());
    SSTab1_->addTab(buildHandleTab(), QString());

    CmdValid_ = new QPushButton(QStringLiteral("Valider"));
    CmdValid_->setObjectName("CmdValid");
    CmdValid_->setAutoDefault(false);
    connect(CmdValid_, &QPushButton::clicked, this, &QDialog::accept);
    CmdAnnuler_ = new QPushButton(QStringLiteral("Annuler"));
    CmdAnnuler_->setObjectName("CmdAnnuler");
    CmdAnnuler_->setAutoDefault(false);
    connect(CmdAnnuler_, &QPushButton::clicked, this, [this] { CmdAnnuler_Click(); });
    lbMessage_ = new QLabel;
    lbMessage_->setObjectName("lbMessage");
    lbMessage_->setWordWrap(true);
    lbMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lbMessage_, 1);
    buttons->addWidget(CmdAnnuler_);
    buttons->addWidget(CmdValid_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1_);
    column->addLayout(buttons);

    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        connect(Text1(field), &EntryBox::committed, this,
                [this, field] { Text1_LostFocus(field); });
    }
    connect(Text1(kFieldFlapHeight), &QLineEdit::textEdited, this,
            [this] { Text1_Change(kFieldFlapHeight); });
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int v) { VScroll1_Change(v); });
    connect(VScroll2_, &QScrollBar::valueChanged, this, [this](int v) { VScroll2_Change(v); });
    connect(SSTab1_, &QTabWidget::currentChanged, this, [this](int tab) { SSTab1_Click(tab); });

    Form_Load();
}

FrmAutreDim::~FrmAutreDim() {
    // No entry is taken from boxes losing the focus while the dialog is destroyed.
    for (EntryBox* box : Text1_)
        box->blockSignals(true);
}

void FrmAutreDim::addField(QGridLayout* grid, int row, int field, const QString& caption) {
    auto* box = new EntryBox;
    box->setObjectName(QStringLiteral("Text1_%1").arg(field));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(110);
    Text1_[static_cast<std::size_t>(field)] = box;
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(box, row, 1);
    const bool creases = field == kFieldCreasesHorizontal || field == kFieldCreasesVertical;
    const auto range = fieldRange(autreDimFieldName(field));
    const QString unit = creases ? QStringLiteral("mm")
                         : range ? QString::fromUtf8(range->unit)
                                 : QString();
    if (unit.isEmpty())
        return;  // counts: their scroll bar stands there
    auto* unitLabel = new QLabel(unit);
    unitLabel->setObjectName(QStringLiteral("unit_%1").arg(field));
    grid->addWidget(unitLabel, row, 2);
}

QWidget* FrmAutreDim::buildGlueTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 0, QStringLiteral("Largeur"));
    addField(grid, 1, 1, QStringLiteral("Angle (deg)"));
    addField(grid, 2, 2, QStringLiteral("Prolongement"));
    QGridLayout* sideGrid = nullptr;
    QGroupBox* side = frame(QStringLiteral("Patte de Collage attenante à :"), sideGrid);
    auto* group = new QButtonGroup(page);
    const char* captions[] = {"Face", "Tête"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]));
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        group->addButton(option, i);
        sideGrid->addWidget(option, i, 0);
        Option1_[static_cast<std::size_t>(i)] = option;
    }
    glueImage_ = new QLabel;
    glueImage_->setObjectName("glueImage");
    sideGrid->addWidget(glueImage_, 0, 1, 2, 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int i) { Option1_Click(i); });
    grid->addWidget(side, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* FrmAutreDim::buildNotchTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 3, QStringLiteral("Largeur"));
    addField(grid, 1, 4, QString::fromUtf8("Décentrage"));
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* FrmAutreDim::buildFlapTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 5, QStringLiteral("Hauteur"));
    ChkHrabat_ = new QCheckBox(QStringLiteral("Alignement Automatique"));
    ChkHrabat_->setObjectName("ChkHrabat");
    connect(ChkHrabat_, &QCheckBox::clicked, this, [this](bool ticked) {
        m_.hrabat_auto = ticked;
        modifier();
    });
    grid->addWidget(ChkHrabat_, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("(Hauteur Rabat = Hauteur par ex.)")), 2, 0, 1, 2);
    QGridLayout* creaseGrid = nullptr;
    QGroupBox* creases =
        frame(QStringLiteral("Liste Refoulages (refoul1;refoul2;...)"), creaseGrid);
    addField(creaseGrid, 0, kFieldCreasesHorizontal, QStringLiteral("Horizontaux"));
    addField(creaseGrid, 1, kFieldCreasesVertical, QStringLiteral("Verticaux"));
    for (int field : {kFieldCreasesHorizontal, kFieldCreasesVertical}) {
        Text1(field)->setAlignment(Qt::AlignLeft);
        Text1(field)->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    grid->addWidget(creases, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* FrmAutreDim::buildRoundingTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 6, QStringLiteral("Rayon"));
    QGridLayout* thumbGrid = nullptr;
    grid->addWidget(frame(QStringLiteral("Coup de Pouce"), thumbGrid), 1, 0, 1, 2);
    addField(thumbGrid, 0, 9, QStringLiteral("Rayon"));
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* FrmAutreDim::buildFlapsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    QGridLayout* overlap = nullptr;
    grid->addWidget(frame(QStringLiteral("Recouvrement"), overlap), 0, 0);
    addField(overlap, 0, 7, QStringLiteral("Hauteur"));
    QGridLayout* tuckIn = nullptr;
    grid->addWidget(frame(QStringLiteral("Patte Rentrante"), tuckIn), 1, 0);
    addField(tuckIn, 0, 8, QStringLiteral("Hauteur"));
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* FrmAutreDim::buildDoubleWallTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 10, QStringLiteral("Largeur"));
    QGridLayout* tenon = nullptr;
    grid->addWidget(frame(QStringLiteral("Tenon"), tenon), 1, 0, 1, 3);
    addField(tenon, 0, 11, QStringLiteral("Hauteur"));
    addField(tenon, 1, 12, QStringLiteral("Longueur"));
    addField(tenon, 2, 13, QStringLiteral("Angle (deg)"));
    Check1_ = new QCheckBox(QStringLiteral("Oblique"));
    Check1_->setObjectName("Check1");
    connect(Check1_, &QCheckBox::clicked, this, [this](bool ticked) {
        m_.oblique = ticked;
        modifier();
    });
    tenon->addWidget(Check1_, 3, 0, 1, 2);
    QGridLayout* mortise = nullptr;
    grid->addWidget(frame(QStringLiteral("Mortaise"), mortise), 2, 0, 1, 3);
    addField(mortise, 0, 14, QStringLiteral("Rayon"));
    addField(mortise, 1, 15, QStringLiteral("Position"));
    addField(mortise, 2, 16, QStringLiteral("Hauteur"));
    addField(mortise, 3, 17, QStringLiteral("Longueur"));
    addField(grid, 3, 18, QString::fromUtf8("Décalage Pattes Rentrantes"));
    addField(grid, 4, kFieldNbMortaise, QStringLiteral("Nbre Tenon/Mortaise"));
    VScroll1_ = countScrollBar("VScroll1", kMaxNbMortaise);
    grid->addWidget(VScroll1_, 4, 2);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* FrmAutreDim::buildDividerTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, kFieldNbCases, QStringLiteral("Nombre de Cases"));
    VScroll2_ = countScrollBar("VScroll2", 100);
    grid->addWidget(VScroll2_, 0, 2);
    addField(grid, 1, 23, QStringLiteral("Profondeur"));
    auto* group = new QButtonGroup(page);
    const char* captions[] = {"Arrondi", "Chanfrein", "Angle Vif"};
    auto* corners = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]));
        option->setObjectName(QStringLiteral("Opcrois_%1").arg(i));
        group->addButton(option, i);
        corners->addWidget(option);
        Opcrois_[static_cast<std::size_t>(i)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int i) {
        m_.OptionCrois = static_cast<std::int16_t>(i);
        modifier();
    });
    grid->addLayout(corners, 2, 0, 1, 3);
    addField(grid, 3, 24, QStringLiteral("Rayon"));
    addField(grid, 4, 25, QStringLiteral("Chanfrein X"));
    addField(grid, 5, 26, QStringLiteral("Angle / Y"));
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* FrmAutreDim::buildHandleTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    ChkPoign_ = new QCheckBox(QString::fromUtf8("Poignées sur Tête"));
    ChkPoign_->setObjectName("ChkPoign");
    connect(ChkPoign_, &QCheckBox::clicked, this, [this] { ChkPoign_Click(); });
    grid->addWidget(ChkPoign_, 0, 0, 1, 2);
    auto* group = new QButtonGroup(page);
    const char* captions[] = {"Découpée", "1/2 Découpée", "Double Refoulage"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]));
        option->setObjectName(QStringLiteral("Option2_%1").arg(i));
        group->addButton(option, i);
        grid->addWidget(option, 1 + i, 0);
        Option2_[static_cast<std::size_t>(i)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int i) { Option2_Click(i); });
    handleImage_ = new QLabel;
    handleImage_->setObjectName("handleImage");
    grid->addWidget(handleImage_, 1, 1, 3, 1);
    addField(grid, 4, 27, QStringLiteral("Longueur"));
    addField(grid, 5, 28, QStringLiteral("Hauteur"));
    addField(grid, 6, 29, QStringLiteral("Distance (D)"));
    addField(grid, 7, 30, QStringLiteral("Ecart Refoulage"));
    grid->setRowStretch(8, 1);
    return page;
}

void FrmAutreDim::Form_Load() {
    for (int tab = 0; tab < kTabCount; ++tab)
        SSTab1_->setTabText(tab, qs(strings_.text(kFirstTabEntry + tab)));
    // Every tab caption in view at once.
    SSTab1_->setMinimumWidth(SSTab1_->tabBar()->sizeHint().width() + 8);
    const bool wasBlocked = m_.BloqueModif;
    m_.BloqueModif = true;
    SSTab1_Click(SSTab1_->currentIndex());
    normaliseForDialog(m_);
    const std::string creases = host_.creaseList ? host_.creaseList().toStdString() : "";
    for (int field = 0; field < kAutreDimFieldCount; ++field)
        Text1(field)->setText(qs(fieldTextForDialog(m_, field, creases)));
    Opcrois_[static_cast<std::size_t>(m_.OptionCrois)]->setChecked(true);
    Option1_[m_.pattesurtete ? 1 : 0]->setChecked(true);
    showGlueSide();
    {
        const QSignalBlocker block1(VScroll1_);
        const QSignalBlocker block2(VScroll2_);
        VScroll1_->setValue(m_.nbmortaise);
        VScroll2_->setValue(m_.NbCases);
    }
    Check1_->setChecked(m_.oblique);
    ChkHrabat_->setChecked(m_.hrabat_auto);
    ChkPoign_->setChecked(m_.OptionPoign >= 1);
    Option2_[static_cast<std::size_t>(handleOption(m_.OptionPoign))]->setChecked(true);
    showHandle();
    m_.BloqueModif = wasBlocked;
}

// An entry that is no number, or out of the field's range, is refused: the field shows its
// value again, the dialog and the main window's status bar say why, nothing is drawn.
bool FrmAutreDim::refusesEntry(int field) {
    const std::string_view name = autreDimFieldName(field);
    if (name.empty())
        return false;
    const NumberEntry entry =
        readNumberEntry(Text1(field)->text().toStdString(), name, autreDimRefusalCaption(field));
    if (entry.taken()) {
        Text1(field)->acceptEntry();
        return false;
    }
    // The value the model holds is the one the field goes back to.
    Text1(field)->setText(qs(fieldTextForDialog(m_, field, {})));
    Text1(field)->acceptEntry();
    Text1(field)->refuseEntry();
    lbMessage_->setText(qs(entry.refusal));
    if (host_.showRefusal)
        host_.showRefusal(qs(entry.refusal));
    return true;
}

void FrmAutreDim::CmdAnnuler_Click() {
    if (changed_) {
        m_ = opening_;
        if (host_.setCreaseList)
            host_.setCreaseList(openingCreaseList_);
        if (host_.modifier)
            host_.modifier();
    }
    reject();
}

void FrmAutreDim::Text1_LostFocus(int field) {
    if (refusesEntry(field))
        return;
    lbMessage_->clear();
    if (field == kFieldCreasesHorizontal || field == kFieldCreasesVertical) {
        const std::string list =
            joinCreaseList(Text1(kFieldCreasesHorizontal)->text().toStdString(),
                           Text1(kFieldCreasesVertical)->text().toStdString());
        if (host_.setCreaseList)
            host_.setCreaseList(qs(list));
    } else if (auto shown = applyFieldEntry(m_, field, Text1(field)->text().toStdString())) {
        Text1(field)->setText(qs(*shown));
    }
    const QSignalBlocker block1(VScroll1_);
    const QSignalBlocker block2(VScroll2_);
    if (field == kFieldNbMortaise)
        VScroll1_->setValue(m_.nbmortaise);
    if (field == kFieldNbCases)
        VScroll2_->setValue(m_.NbCases);
    modifier();
}

void FrmAutreDim::Text1_Change(int field) {
    if (field != kFieldFlapHeight || !flapHeightTyped(m_))
        return;
    m_.BloqueModif = true;
    ChkHrabat_->setChecked(false);
    m_.BloqueModif = false;
}

void FrmAutreDim::VScroll1_Change(int value) {
    Text1(kFieldNbMortaise)->setText(qs(platform::numberTextBlank(value)));
    m_.nbmortaise = static_cast<std::int16_t>(value);
    modifier();
}

void FrmAutreDim::VScroll2_Change(int value) {
    Text1(kFieldNbCases)->setText(qs(platform::numberTextBlank(value)));
    m_.NbCases = static_cast<std::int16_t>(value);
    modifier();
}

void FrmAutreDim::Option1_Click(int index) {
    m_.pattesurtete = index == 1;
    showGlueSide();
    modifier();
}

void FrmAutreDim::ChkPoign_Click() {
    int option = 0;
    for (int i = 0; i < 3; ++i)
        if (Option2_[static_cast<std::size_t>(i)]->isChecked())
            option = i;
    m_.OptionPoign = handleMode(ChkPoign_->isChecked(), option);
    modifier();
}

void FrmAutreDim::Option2_Click(int index) {
    if (m_.OptionPoign > 0)
        m_.OptionPoign = handleMode(true, index);
    showHandle();
    modifier();
}

void FrmAutreDim::SSTab1_Click(int tab) {
    SSTab1_->setMinimumHeight(tab == kDoubleWallTab ? kTallTabHeight : kTabHeight);
    adjustSize();
}

void FrmAutreDim::showGlueSide() {
    glueImage_->setPixmap(glueTabPicture(m_.pattesurtete));
}

void FrmAutreDim::showHandle() {
    int option = 0;
    for (int i = 0; i < 3; ++i)
        if (Option2_[static_cast<std::size_t>(i)]->isChecked())
            option = i;
    handleImage_->setPixmap(handlePicture(option));
}

// The check-box and option handlers run while the dialog is filled too: no regeneration then.
void FrmAutreDim::modifier() {
    if (m_.BloqueModif || !host_.modifier)
        return;
    changed_ = true;
    host_.modifier();
}

}  // namespace brontaxe::app
