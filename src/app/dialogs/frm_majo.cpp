#include "app/dialogs/frm_majo.h"

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

#include "app/dialogs/frm_ajqual.h"
#include "app/window/entry_box.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

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

Frm_Majo::Frm_Majo(Workbench& wb, MajoHost host, QWidget* parent)
    : QDialog(parent), wb_(wb), host_(std::move(host)), editor_(wb) {
    setObjectName("Frm_Majo");
    setWindowTitle(QStringLiteral("Majorations"));
    setModal(true);

    txt_code_ = new QLineEdit(qs(wb_.window().codeText));
    txt_code_->setObjectName("txt_code");
    txt_code_->setReadOnly(true);
    txt_code_->setMaximumWidth(110);
    Cmb_Qual_ = new QComboBox;
    Cmb_Qual_->setObjectName("Cmb_Qual");
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Modèle :")));
    top->addWidget(txt_code_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Qualité :")));
    top->addWidget(Cmb_Qual_, 1);

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
        connect(box, &EntryBox::committed, this, [this, k] { MajMajo(k); });
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

    lbMessage_ = new QLabel;
    lbMessage_->setObjectName("lbMessage");
    lbMessage_->setWordWrap(true);
    lbMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));

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
    column->addWidget(lbMessage_);
    column->addLayout(buttons);

    connect(Cmb_Qual_, &QComboBox::activated, this, [this](int i) { Cmb_Qual_Click(i); });
    connect(add, &QPushButton::clicked, this, [this] { but_ajout_Click(); });
    connect(help, &QPushButton::clicked, this, [this] {
        if (host_.help)
            host_.help();
    });
    connect(ok, &QPushButton::clicked, this, [this] { cmd_valid_Click(); });
    connect(quit, &QPushButton::clicked, this, [this] { Cmd_Quit_Click(); });

    // Opening looks nothing up and draws nothing: the design already shows this grade.
    fillGrades();
    showValues();
    effects_ = wb_.allowanceEffects();
    showMeanings();
}

Frm_Majo::~Frm_Majo() {
    // No entry is taken from fields losing the focus while the dialog is destroyed.
    for (EntryBox* box : fields_)
        if (box)
            box->blockSignals(true);
}

void Frm_Majo::fillGrades() {
    const QSignalBlocker block(Cmb_Qual_);
    Cmb_Qual_->clear();
    for (const std::string& label : editor_.gradeLabels())
        Cmb_Qual_->addItem(qs(label));
    Cmb_Qual_->setCurrentIndex(editor_.grade() - 1);
}

void Frm_Majo::showValues() {
    for (int k = 1; k <= kDoubleWallField; ++k) {
        field(k)->setText(qs(editor_.fieldText(k)));
        field(k)->acceptEntry();
    }
}

void Frm_Majo::showMeanings() {
    for (int k = 1; k <= kAllowanceCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const std::string said = editor_.fieldMeaning(k);
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

void Frm_Majo::highlightField(int field) {
    focused_ = field;
    showMeanings();
    if (!host_.highlight)
        return;
    if (field >= 1 && field <= kAllowanceCount)
        host_.highlight(effects_[static_cast<std::size_t>(field)].dimensions);
    else
        host_.highlight({});
}

bool Frm_Majo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int k = 1; k <= kDoubleWallField; ++k)
            if (watched == field(k))
                highlightField(k);
    }
    return QDialog::eventFilter(watched, event);
}

void Frm_Majo::modifier() {
    if (host_.modifier)
        host_.modifier();
    showValues();
    effects_ = wb_.allowanceEffects();
    highlightField(focused_);
}

void Frm_Majo::Cmb_Qual_Click(int index) {
    editor_.selectGrade(index + 1);
    lbMessage_->clear();
    modifier();
}

void Frm_Majo::MajMajo(int k) {
    const EditorEntry entry = editor_.enter(k, field(k)->text().toStdString());
    if (entry.refusal) {
        field(k)->refuseEntry();
        lbMessage_->setText(qs(*entry.refusal));
        if (host_.showRefusal)
            host_.showRefusal(qs(*entry.refusal));
        return;
    }
    if (entry.changed) {
        lbMessage_->clear();
        modifier();
    } else {
        field(k)->setText(qs(editor_.fieldText(k)));
        field(k)->acceptEntry();
    }
}

void Frm_Majo::but_ajout_Click() {
    frm_ajqual dialog(editor_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillGrades();
    lbMessage_->clear();
    modifier();
}

void Frm_Majo::cmd_valid_Click() {
    if (auto problem = editor_.validate()) {
        lbMessage_->setText(qs(*problem));
        QMessageBox::warning(this, windowTitle(), qs(*problem));
        return;
    }
    if (host_.highlight)
        host_.highlight({});
    QDialog::accept();
}

void Frm_Majo::Cmd_Quit_Click() {
    reject();
}

void Frm_Majo::reject() {
    for (EntryBox* box : fields_)
        if (box)
            box->blockSignals(true);  // a value being typed is dropped, not taken
    editor_.abandon();
    if (host_.modifier)
        host_.modifier();
    if (host_.highlight)
        host_.highlight({});
    QDialog::reject();
}

}  // namespace brontaxe::app
