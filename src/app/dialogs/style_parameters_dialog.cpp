#include "app/dialogs/style_parameters_dialog.h"

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

#include "app/views/style_parameter_images.h"
#include "app/window/entry_box.h"
#include "app/window/qt_text.h"
#include "app/window/string_pass.h"
#include "model/field_ranges.h"
#include "model/number_entry.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "workbench/other_dimension_use.h"

namespace brontaxe::app {
namespace {

constexpr int kFirstTabEntry = 1233;
constexpr int kTabCount = 8;
constexpr int kDoubleWallTab = 5;
// Heights of the tab control, in pixels (the Double Mur tab holds twice as many boxes).
constexpr int kTabHeight = 287;
// Captions under a heading stand this many pixels in.
constexpr int kIndent = 14;
constexpr int kTallTabHeight = 570;

QGroupBox* frame(const QString& title, QGridLayout*& grid) {
    auto* box = new QGroupBox(title);
    grid = new QGridLayout(box);
    return box;
}

// A tab's grid: captions, boxes and units in the first three columns, kept together on the
// left by the fourth, which takes the room left.
QGridLayout* tabGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(3, 1);
    return grid;
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

StyleParametersDialog::StyleParametersDialog(Model& m, const StringTable& strings,
                                             StyleParametersHost host, QWidget* parent)
    : QDialog(parent),
      m_(m),
      strings_(strings),
      host_(std::move(host)),
      opening_(m),
      openingCreaseList_(host_.creaseList ? host_.creaseList() : QString()) {
    setObjectName("FrmAutreDim");
    setWindowTitle(QStringLiteral("Autres Dimensions"));
    setModal(true);

    tabs_ = new QTabWidget;
    tabs_->setObjectName("SSTab1");
    tabs_->addTab(buildGlueTab(), QString());
    tabs_->addTab(buildNotchTab(), QString());
    tabs_->addTab(buildFlapTab(), QString());
    tabs_->addTab(buildRoundingTab(), QString());
    tabs_->addTab(buildFlapsTab(), QString());
    tabs_->addTab(buildDoubleWallTab(), QString());
    tabs_->addTab(buildDividerTab(), QString());
    tabs_->addTab(buildHandleTab(), QString());
    tabs_->addTab(buildBridgeTab(), QStringLiteral("Ponts"));

    okButton_ = new QPushButton(QStringLiteral("Valider"));
    okButton_->setObjectName("CmdValid");
    okButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    cancelButton_ = new QPushButton(QStringLiteral("Annuler"));
    cancelButton_->setObjectName("CmdAnnuler");
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    message_ = new QLabel;
    message_->setObjectName("lbMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(message_, 1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    column->addLayout(buttons);

    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        connect(fieldBox(field), &EntryBox::committed, this, [this, field] { fieldLeft(field); });
    }
    connect(fieldBox(kFieldFlapHeight), &QLineEdit::textEdited, this,
            [this] { fieldEdited(kFieldFlapHeight); });
    connect(mortiseScroll_, &QScrollBar::valueChanged, this,
            [this](int v) { mortiseCountScrolled(v); });
    connect(cellScroll_, &QScrollBar::valueChanged, this, [this](int v) { cellCountScrolled(v); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { tabChosen(tab); });

    fillFields();
    greyUnusedFields();
}

void StyleParametersDialog::greyUnusedFields() {
    const QString unused = QStringLiteral("Le modèle %1 n'utilise pas cette cote")
                               .arg(QString::fromStdString(m_.CodeModele));
    for (int field = 0; field < kAutreDimFieldCount; ++field) {
        const bool used = otherDimensionFieldUsed(m_.CodeModele, field);
        const auto i = static_cast<std::size_t>(field);
        for (QWidget* w :
             std::initializer_list<QWidget*>{fieldBoxes_[i], fieldCaptions_[i], fieldUnits_[i]}) {
            if (!w)
                continue;
            w->setEnabled(used);
            w->setToolTip(used ? QString() : unused);
        }
    }
    // The choices beside a field go with it.
    const auto follow = [this](QWidget* w, int field) {
        w->setEnabled(fieldBoxes_[static_cast<std::size_t>(field)]->isEnabled());
    };
    follow(mortiseScroll_, kFieldNbMortaise);
    follow(cellScroll_, kFieldNbCases);
    follow(autoFlapHeightBox_, kFieldFlapHeight);
    // No blank is drawn from "Oblique" yet: kept in the settings, never changed here.
    obliqueBox_->setEnabled(false);
    obliqueBox_->setToolTip(unused);
    for (QWidget* corner : dividerButtons_)
        follow(corner, 24);  // the divider's corner radius
    follow(handleBox_, 27);  // the hand-hole's length
    for (QWidget* kind : handleButtons_)
        follow(kind, 27);
}

StyleParametersDialog::~StyleParametersDialog() {
    // No entry is taken from boxes losing the focus while the dialog is destroyed.
    for (EntryBox* box : fieldBoxes_)
        box->blockSignals(true);
}

void StyleParametersDialog::addHeading(QGridLayout* grid, int row, const QString& title) {
    auto* heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, row, 0, 1, 3);
}

void StyleParametersDialog::addField(QGridLayout* grid, int row, int field, const QString& caption,
                                     int indent) {
    auto* box = new EntryBox;
    box->setObjectName(QStringLiteral("Text1_%1").arg(field));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(110);
    fieldBoxes_[static_cast<std::size_t>(field)] = box;
    auto* captionLabel = new QLabel(caption);
    captionLabel->setIndent(indent);
    fieldCaptions_[static_cast<std::size_t>(field)] = captionLabel;
    grid->addWidget(captionLabel, row, 0);
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
    fieldUnits_[static_cast<std::size_t>(field)] = unitLabel;
    grid->addWidget(unitLabel, row, 2, Qt::AlignLeft);
}

QWidget* StyleParametersDialog::buildGlueTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
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
        glueSideButtons_[static_cast<std::size_t>(i)] = option;
    }
    glueImage_ = new QLabel;
    glueImage_->setObjectName("glueImage");
    sideGrid->addWidget(glueImage_, 0, 1, 2, 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int i) { glueSideChosen(i); });
    grid->addWidget(side, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* StyleParametersDialog::buildNotchTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    addField(grid, 0, 3, QStringLiteral("Largeur"));
    addField(grid, 1, 4, QString::fromUtf8("Décentrage"));
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* StyleParametersDialog::buildFlapTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    addField(grid, 0, 5, QStringLiteral("Hauteur"));
    autoFlapHeightBox_ = new QCheckBox(QStringLiteral("Alignement Automatique"));
    autoFlapHeightBox_->setObjectName("ChkHrabat");
    connect(autoFlapHeightBox_, &QCheckBox::clicked, this, [this](bool ticked) {
        m_.hrabat_auto = ticked;
        regenerate();
    });
    grid->addWidget(autoFlapHeightBox_, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("(Hauteur Rabat = Hauteur par ex.)")), 2, 0, 1, 2);
    QGridLayout* creaseGrid = nullptr;
    QGroupBox* creases =
        frame(QStringLiteral("Liste Refoulages (refoul1;refoul2;...)"), creaseGrid);
    addField(creaseGrid, 0, kFieldCreasesHorizontal, QStringLiteral("Horizontaux"));
    addField(creaseGrid, 1, kFieldCreasesVertical, QStringLiteral("Verticaux"));
    for (int field : {kFieldCreasesHorizontal, kFieldCreasesVertical}) {
        fieldBox(field)->setAlignment(Qt::AlignLeft);
        fieldBox(field)->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    grid->addWidget(creases, 3, 0, 1, 4);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* StyleParametersDialog::buildRoundingTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    addField(grid, 0, 6, QStringLiteral("Rayon"));
    addHeading(grid, 1, QStringLiteral("Coup de Pouce"));
    addField(grid, 2, 9, QStringLiteral("Rayon"), kIndent);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* StyleParametersDialog::buildFlapsTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    QGridLayout* overlap = nullptr;
    grid->addWidget(frame(QStringLiteral("Recouvrement"), overlap), 0, 0);
    addField(overlap, 0, 7, QStringLiteral("Hauteur"));
    QGridLayout* tuckIn = nullptr;
    grid->addWidget(frame(QStringLiteral("Patte Rentrante"), tuckIn), 1, 0);
    addField(tuckIn, 0, 8, QStringLiteral("Hauteur"));
    grid->setRowStretch(2, 1);
    return page;
}

// The tenon's and the mortise's fields under their headings, in the tab's one grid, so that
// every caption, box and unit of the tab stands in its column.
QWidget* StyleParametersDialog::buildDoubleWallTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    addField(grid, 0, 10, QStringLiteral("Largeur"));
    addHeading(grid, 1, QStringLiteral("Tenon"));
    addField(grid, 2, 11, QStringLiteral("Hauteur"), kIndent);
    addField(grid, 3, 12, QStringLiteral("Longueur"), kIndent);
    addField(grid, 4, 13, QStringLiteral("Angle (deg)"), kIndent);
    obliqueBox_ = new QCheckBox(QStringLiteral("Oblique"));
    obliqueBox_->setObjectName("Check1");
    connect(obliqueBox_, &QCheckBox::clicked, this, [this](bool ticked) {
        m_.oblique = ticked;
        regenerate();
    });
    grid->addWidget(obliqueBox_, 5, 1, 1, 2);
    addHeading(grid, 6, QStringLiteral("Mortaise"));
    addField(grid, 7, 14, QStringLiteral("Rayon"), kIndent);
    addField(grid, 8, 15, QStringLiteral("Position"), kIndent);
    addField(grid, 9, 16, QStringLiteral("Hauteur"), kIndent);
    addField(grid, 10, 17, QStringLiteral("Longueur"), kIndent);
    grid->setRowMinimumHeight(11, kIndent);
    addField(grid, 12, 18, QString::fromUtf8("Décalage Pattes Rentrantes"));
    addField(grid, 13, kFieldNbMortaise, QStringLiteral("Nbre Tenon/Mortaise"));
    mortiseScroll_ = countScrollBar("VScroll1", kMaxNbMortaise);
    grid->addWidget(mortiseScroll_, 13, 2, Qt::AlignLeft);
    grid->setRowStretch(14, 1);
    return page;
}

QWidget* StyleParametersDialog::buildDividerTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    addField(grid, 0, kFieldNbCases, QStringLiteral("Nombre de Cases"));
    cellScroll_ = countScrollBar("VScroll2", 100);
    grid->addWidget(cellScroll_, 0, 2);
    addField(grid, 1, 23, QStringLiteral("Profondeur"));
    auto* group = new QButtonGroup(page);
    const char* captions[] = {"Arrondi", "Chanfrein", "Angle Vif"};
    auto* corners = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]));
        option->setObjectName(QStringLiteral("Opcrois_%1").arg(i));
        group->addButton(option, i);
        corners->addWidget(option);
        dividerButtons_[static_cast<std::size_t>(i)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int i) {
        m_.OptionCrois = static_cast<std::int16_t>(i);
        regenerate();
    });
    grid->addLayout(corners, 2, 0, 1, 3);
    addField(grid, 3, 24, QStringLiteral("Rayon"));
    addField(grid, 4, 25, QStringLiteral("Chanfrein X"));
    addField(grid, 5, 26, QStringLiteral("Angle / Y"));
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* StyleParametersDialog::buildHandleTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    handleBox_ = new QCheckBox(QString::fromUtf8("Poignées sur Tête"));
    handleBox_->setObjectName("ChkPoign");
    connect(handleBox_, &QCheckBox::clicked, this, [this] { handleToggled(); });
    grid->addWidget(handleBox_, 0, 0, 1, 2);
    auto* group = new QButtonGroup(page);
    const char* captions[] = {"Découpée", "1/2 Découpée", "Double Refoulage"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]));
        option->setObjectName(QStringLiteral("Option2_%1").arg(i));
        group->addButton(option, i);
        grid->addWidget(option, 1 + i, 0);
        handleButtons_[static_cast<std::size_t>(i)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int i) { handleKindChosen(i); });
    handleImage_ = new QLabel;
    handleImage_->setObjectName("handleImage");
    grid->addWidget(handleImage_, 1, 1, 3, 1);
    addField(grid, 4, 27, QStringLiteral("Longueur"));
    addField(grid, 5, 28, QStringLiteral("Hauteur"));
    addField(grid, 6, 29, QStringLiteral("Distance (D)"));
    addField(grid, 7, 30, QStringLiteral("Écart Refoulage"));
    grid->setRowStretch(8, 1);
    return page;
}

// Bridges left uncut in the knives so that the blank stays in the sheet through the press.
QWidget* StyleParametersDialog::buildBridgeTab() {
    auto* page = new QWidget;
    auto* grid = tabGrid(page);
    bridgesBox_ = new QCheckBox(QStringLiteral("Placer des ponts dans le coupant"));
    bridgesBox_->setObjectName("ChkPonts");
    connect(bridgesBox_, &QCheckBox::clicked, this, [this](bool ticked) {
        m_.ponts = ticked;
        regenerate();
    });
    grid->addWidget(bridgesBox_, 0, 0, 1, 3);
    addField(grid, 1, kFieldBridgeWidth, QStringLiteral("Largeur"));
    addField(grid, 2, kFieldBridgeWidth + 1, QStringLiteral("Pas (un pont au plus par)"));
    addField(grid, 3, kFieldBridgeWidth + 2,
             QString::fromUtf8("Dégagement (coins, extrémités, rainages)"));
    grid->setRowStretch(4, 1);
    return page;
}

void StyleParametersDialog::fillFields() {
    for (int tab = 0; tab < kTabCount; ++tab)
        tabs_->setTabText(tab, qs(strings_.text(kFirstTabEntry + tab)));
    // Every tab caption in view at once.
    tabs_->setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 8);
    const bool wasBlocked = m_.BloqueModif;
    m_.BloqueModif = true;
    tabChosen(tabs_->currentIndex());
    normaliseForDialog(m_);
    const std::string creases = host_.creaseList ? host_.creaseList().toStdString() : "";
    for (int field = 0; field < kAutreDimFieldCount; ++field)
        fieldBox(field)->setText(qs(fieldTextForDialog(m_, field, creases)));
    dividerButtons_[static_cast<std::size_t>(m_.OptionCrois)]->setChecked(true);
    glueSideButtons_[m_.pattesurtete ? 1 : 0]->setChecked(true);
    showGlueSide();
    {
        const QSignalBlocker block1(mortiseScroll_);
        const QSignalBlocker block2(cellScroll_);
        mortiseScroll_->setValue(m_.nbmortaise);
        cellScroll_->setValue(m_.NbCases);
    }
    obliqueBox_->setChecked(m_.oblique);
    bridgesBox_->setChecked(m_.ponts);
    autoFlapHeightBox_->setChecked(m_.hrabat_auto);
    handleBox_->setChecked(m_.OptionPoign >= 1);
    handleButtons_[static_cast<std::size_t>(handleOption(m_.OptionPoign))]->setChecked(true);
    showHandle();
    m_.BloqueModif = wasBlocked;
}

// An entry that is no number, or out of the field's range, is refused: the field shows its
// value again, the dialog and the main window's status bar say why, nothing is drawn.
bool StyleParametersDialog::refusesEntry(int field) {
    const std::string_view name = autreDimFieldName(field);
    if (name.empty())
        return false;
    const NumberEntry entry =
        readNumberEntry(fieldBox(field)->text().toStdString(), name, autreDimRefusalCaption(field));
    if (entry.taken()) {
        fieldBox(field)->acceptEntry();
        return false;
    }
    // The value the model holds is the one the field goes back to.
    fieldBox(field)->setText(qs(fieldTextForDialog(m_, field, {})));
    fieldBox(field)->acceptEntry();
    fieldBox(field)->refuseEntry();
    showMessage(message_, qs(entry.refusal), true);
    if (host_.showRefusal)
        host_.showRefusal(qs(entry.refusal));
    return true;
}

void StyleParametersDialog::cancel() {
    if (changed_) {
        m_ = opening_;
        if (host_.setCreaseList)
            host_.setCreaseList(openingCreaseList_);
        if (host_.regenerate)
            host_.regenerate();
    }
    reject();
}

void StyleParametersDialog::fieldLeft(int field) {
    if (refusesEntry(field))
        return;
    message_->clear();
    if (field == kFieldCreasesHorizontal || field == kFieldCreasesVertical) {
        const std::string list =
            joinCreaseList(fieldBox(kFieldCreasesHorizontal)->text().toStdString(),
                           fieldBox(kFieldCreasesVertical)->text().toStdString());
        if (host_.setCreaseList)
            host_.setCreaseList(qs(list));
    } else if (auto shown = applyFieldEntry(m_, field, fieldBox(field)->text().toStdString())) {
        fieldBox(field)->setText(qs(*shown));
    }
    const QSignalBlocker block1(mortiseScroll_);
    const QSignalBlocker block2(cellScroll_);
    if (field == kFieldNbMortaise)
        mortiseScroll_->setValue(m_.nbmortaise);
    if (field == kFieldNbCases)
        cellScroll_->setValue(m_.NbCases);
    regenerate();
}

void StyleParametersDialog::fieldEdited(int field) {
    if (field != kFieldFlapHeight || !flapHeightTyped(m_))
        return;
    m_.BloqueModif = true;
    autoFlapHeightBox_->setChecked(false);
    m_.BloqueModif = false;
}

void StyleParametersDialog::mortiseCountScrolled(int value) {
    fieldBox(kFieldNbMortaise)->setText(qs(platform::shownNumber(value)));
    m_.nbmortaise = static_cast<std::int16_t>(value);
    regenerate();
}

void StyleParametersDialog::cellCountScrolled(int value) {
    fieldBox(kFieldNbCases)->setText(qs(platform::shownNumber(value)));
    m_.NbCases = static_cast<std::int16_t>(value);
    regenerate();
}

void StyleParametersDialog::glueSideChosen(int index) {
    m_.pattesurtete = index == 1;
    showGlueSide();
    regenerate();
}

void StyleParametersDialog::handleToggled() {
    int option = 0;
    for (int i = 0; i < 3; ++i)
        if (handleButtons_[static_cast<std::size_t>(i)]->isChecked())
            option = i;
    m_.OptionPoign = handleMode(handleBox_->isChecked(), option);
    regenerate();
}

void StyleParametersDialog::handleKindChosen(int index) {
    if (m_.OptionPoign > 0)
        m_.OptionPoign = handleMode(true, index);
    showHandle();
    regenerate();
}

void StyleParametersDialog::tabChosen(int tab) {
    tabs_->setMinimumHeight(tab == kDoubleWallTab ? kTallTabHeight : kTabHeight);
    adjustSize();
}

void StyleParametersDialog::showGlueSide() {
    glueImage_->setPixmap(glueTabPicture(m_.pattesurtete));
}

void StyleParametersDialog::showHandle() {
    int option = 0;
    for (int i = 0; i < 3; ++i)
        if (handleButtons_[static_cast<std::size_t>(i)]->isChecked())
            option = i;
    handleImage_->setPixmap(handlePicture(option));
}

// The check-box and option handlers run while the dialog is filled too: no regeneration then.
void StyleParametersDialog::regenerate() {
    if (m_.BloqueModif || !host_.regenerate)
        return;
    changed_ = true;
    host_.regenerate();
}

}  // namespace brontaxe::app
