#include "app/dialogs/allowance_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialogs/add_grade_dialog.h"
#include "app/window/entry_box.h"
#include "app/window/qt_text.h"
#include "app/window/string_pass.h"

namespace brontaxe::app {
namespace {

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter takes a field's value, it does not close the dialog
    return b;
}

constexpr int kRowsPerColumn = 8;
// The highlight colour of the drawing, for the field it stands for.
const char* const kFocusedStyle = "color: #d06000; font-weight: bold;";
const char* const kMeaningStyle = "color: #606060;";
const char* const kIdleStyle = "color: #a0a0a0; font-style: italic;";

}  // namespace

AllowanceDialog::AllowanceDialog(Workbench& wb, AllowanceDialogHost host, QWidget* parent)
    : QDialog(parent), wb_(wb), host_(std::move(host)), editor_(wb) {
    setObjectName("Frm_Majo");
    setWindowTitle(QStringLiteral("Majorations"));
    setModal(true);

    codeBox_ = new QLineEdit(qs(wb_.window().codeText));
    codeBox_->setObjectName("txt_code");
    codeBox_->setReadOnly(true);
    codeBox_->setMaximumWidth(110);
    gradeCombo_ = new QComboBox;
    gradeCombo_->setObjectName("Cmb_Qual");
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Modèle :")));
    top->addWidget(codeBox_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Qualité :")));
    top->addWidget(gradeCombo_, 1);

    auto* allowances = new QGroupBox(QStringLiteral("Majorations (mm)"));
    auto* grid = new QGridLayout(allowances);
    grid->setHorizontalSpacing(8);
    for (int k = 1; k <= kDoubleWallField; ++k) {
        auto* box = new EntryBox;
        box->setObjectName(k <= kAllowanceCount   ? QStringLiteral("txt_majo%1").arg(k)
                           : k == kThicknessField ? QStringLiteral("txt_epc")
                                                  : QStringLiteral("txt_dbm"));
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(80);
        box->installEventFilter(this);
        fields_[static_cast<std::size_t>(k)] = box;
        connect(box, &EntryBox::committed, this, [this, k] { fieldLeft(k); });
    }
    for (int k = 1; k <= kAllowanceCount; ++k) {
        const int row = (k - 1) % kRowsPerColumn;
        const int column = (k - 1) / kRowsPerColumn * 4;
        auto* caption = new QLabel(qs(editor_.fieldCaption(k)));
        caption->setObjectName(QStringLiteral("Label4_%1").arg(k));
        auto* meaning = new QLabel;
        meaning->setObjectName(QStringLiteral("meaning_%1").arg(k));
        meaning->setMinimumWidth(190);
        captions_[static_cast<std::size_t>(k)] = caption;
        meanings_[static_cast<std::size_t>(k)] = meaning;
        grid->addWidget(caption, row, column);
        grid->addWidget(field(k), row, column + 1);
        grid->addWidget(meaning, row, column + 2);
    }
    grid->setColumnMinimumWidth(3, 12);

    auto* grade = new QGroupBox(QStringLiteral("Profil"));
    auto* gradeRow = new QHBoxLayout(grade);
    gradeRow->addWidget(new QLabel(qs(editor_.fieldCaption(kThicknessField))));
    gradeRow->addWidget(field(kThicknessField));
    gradeRow->addWidget(new QLabel(QStringLiteral("mm")));
    gradeRow->addSpacing(24);
    gradeRow->addWidget(new QLabel(qs(editor_.fieldCaption(kDoubleWallField))));
    gradeRow->addWidget(field(kDoubleWallField));
    gradeRow->addWidget(new QLabel(QStringLiteral("mm")));
    gradeRow->addStretch(1);

    message_ = new QLabel;
    message_->setObjectName("lbMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));

    QPushButton* add = button("but_ajout", QStringLiteral("Ajouter Profil"));
    QPushButton* help = button("Command1", QStringLiteral("Aide"));
    QPushButton* ok = button("cmd_valid", QStringLiteral("&Valider"));
    QPushButton* quit = button("Cmd_Quit", QStringLiteral("&Abandonner"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(quit);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(allowances);
    column->addWidget(grade);
    column->addWidget(message_);
    column->addLayout(buttons);

    connect(gradeCombo_, &QComboBox::activated, this, [this](int i) { gradeChosen(i); });
    connect(add, &QPushButton::clicked, this, [this] { addGrade(); });
    connect(help, &QPushButton::clicked, this, [this] {
        if (host_.help)
            host_.help();
    });
    connect(ok, &QPushButton::clicked, this, [this] { validate(); });
    connect(quit, &QPushButton::clicked, this, [this] { abandon(); });

    // Opening looks nothing up and draws nothing: the design already shows this grade.
    fillGrades();
    showValues();
    effects_ = wb_.allowanceEffects();
    showMeanings();
}

AllowanceDialog::~AllowanceDialog() {
    // No entry is taken from fields losing the focus while the dialog is destroyed.
    for (EntryBox* box : fields_)
        if (box)
            box->blockSignals(true);
}

void AllowanceDialog::fillGrades() {
    const QSignalBlocker block(gradeCombo_);
    gradeCombo_->clear();
    for (const std::string& label : editor_.gradeLabels())
        gradeCombo_->addItem(qs(label));
    gradeCombo_->setCurrentIndex(editor_.grade() - 1);
}

void AllowanceDialog::showValues() {
    for (int k = 1; k <= kDoubleWallField; ++k) {
        field(k)->setText(qs(editor_.fieldText(k)));
        field(k)->acceptEntry();
    }
}

void AllowanceDialog::showMeanings() {
    for (int k = 1; k <= kAllowanceCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        // The style's own words where they are known, else what the allowance was seen to move.
        const std::string known = editor_.fieldMeaning(k);
        const std::string said = known.empty() ? effects_[at].said : known;
        const bool idle = !effects_[at].movesBlank;
        QString text = qs(said);
        if (idle)
            text = QStringLiteral("sans effet sur ce modèle");
        meanings_[at]->setText(text);
        const bool focused = k == focused_;
        meanings_[at]->setStyleSheet(focused ? kFocusedStyle : idle ? kIdleStyle : kMeaningStyle);
        captions_[at]->setStyleSheet(focused ? kFocusedStyle : QString());
        meanings_[at]->setToolTip(
            effects_[at].dimensions.empty()
                ? QString()
                : QStringLiteral("Cote(s) surlignée(s) dans le dessin pendant la saisie"));
    }
}

void AllowanceDialog::highlightField(int field) {
    focused_ = field;
    showMeanings();
    if (!host_.highlight)
        return;
    if (field >= 1 && field <= kAllowanceCount)
        host_.highlight(effects_[static_cast<std::size_t>(field)].dimensions);
    else
        host_.highlight({});
}

bool AllowanceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int k = 1; k <= kDoubleWallField; ++k)
            if (watched == field(k))
                highlightField(k);
    }
    return QDialog::eventFilter(watched, event);
}

void AllowanceDialog::regenerate() {
    if (host_.regenerate)
        host_.regenerate();
    showValues();
    effects_ = wb_.allowanceEffects();
    highlightField(focused_);
}

void AllowanceDialog::gradeChosen(int index) {
    editor_.selectGrade(index + 1);
    message_->clear();
    regenerate();
}

void AllowanceDialog::fieldLeft(int k) {
    const EditorEntry entry = editor_.enter(k, field(k)->text().toStdString());
    if (entry.refusal) {
        field(k)->refuseEntry();
        showMessage(message_, qs(*entry.refusal), true);
        if (host_.showRefusal)
            host_.showRefusal(qs(*entry.refusal));
        return;
    }
    if (entry.changed) {
        message_->clear();
        regenerate();
    } else {
        field(k)->setText(qs(editor_.fieldText(k)));
        field(k)->acceptEntry();
    }
}

void AllowanceDialog::addGrade() {
    AddGradeDialog dialog(editor_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillGrades();
    message_->clear();
    regenerate();
}

void AllowanceDialog::validate() {
    if (auto problem = editor_.validate()) {
        showMessage(message_, qs(*problem), true);
        QMessageBox::warning(this, windowTitle(), qs(*problem));
        return;
    }
    if (host_.highlight)
        host_.highlight({});
    QDialog::accept();
}

void AllowanceDialog::abandon() {
    reject();
}

void AllowanceDialog::reject() {
    for (EntryBox* box : fields_)
        if (box)
            box->blockSignals(true);  // a value being typed is dropped, not taken
    editor_.abandon();
    if (host_.regenerate)
        host_.regenerate();
    if (host_.highlight)
        host_.highlight({});
    QDialog::reject();
}

}  // namespace brontaxe::app
