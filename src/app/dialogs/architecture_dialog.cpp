#include "app/dialogs/architecture_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/views/closure_picture.h"
#include "styles/top_bottom/architecture.h"

namespace brontaxe::app {
namespace {

constexpr QSize kPictureSize(260, 130);

// The list entry of a closure; a closure no entry stands for shows the first.
int indexOf(std::int16_t closure) {
    return std::max(0, entryOfClosure(closure));
}

}  // namespace

ArchitectureDialog::ArchitectureDialog(Model& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("frm_typo");
    setWindowTitle(QStringLiteral("Architecture"));

    caseButton_ = new QRadioButton(QStringLiteral("Caisse"));
    caseButton_->setObjectName("br_caisse");
    lidButton_ = new QRadioButton(QStringLiteral("Couvercle"));
    lidButton_->setObjectName("br_couv");
    bottomButton_ = new QRadioButton(QStringLiteral("Fond"));
    bottomButton_->setObjectName("br_Fond");
    auto* options = new QHBoxLayout;
    for (QRadioButton* b : {caseButton_, lidButton_, bottomButton_})
        options->addWidget(b);
    options->addStretch(1);

    top_ = makeGroup("dessus", QStringLiteral("DESSUS"), QStringLiteral("Code Architecture"), true);
    bottom_ = makeGroup("dessous", QStringLiteral("DESSOUS"), QStringLiteral("Code Architecture "),
                        false);

    okButton_ = new QPushButton(QStringLiteral("OK"));
    okButton_->setObjectName("but_ok");
    okButton_->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Annuler"));
    cancelButton->setObjectName("but_annuler");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(top_.shape);
    layout->addWidget(bottom_.shape);
    layout->addLayout(buttons);

    // The model's closures; an absent half chooses the option that leaves it out.
    top_.combo->setCurrentIndex(indexOf(model_.TypeDessus));
    bottom_.combo->setCurrentIndex(indexOf(model_.TypeDessous));
    showPicture(top_, true);
    showPicture(bottom_, false);
    if (model_.TypeDessus == 0) {
        bottomButton_->setChecked(true);
        bottomChosen();
    } else if (model_.TypeDessous == 0) {
        lidButton_->setChecked(true);
        lidChosen();
    } else {
        caseButton_->setChecked(true);
        caseChosen();
    }

    connect(caseButton_, &QRadioButton::clicked, this, [this] { caseChosen(); });
    connect(lidButton_, &QRadioButton::clicked, this, [this] { lidChosen(); });
    connect(bottomButton_, &QRadioButton::clicked, this, [this] { bottomChosen(); });
    connect(top_.combo, &QComboBox::activated, this, [this] { topStyleChosen(); });
    connect(bottom_.combo, &QComboBox::activated, this, [this] { bottomStyleChosen(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { validate(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

ArchitectureDialog::Group ArchitectureDialog::makeGroup(const char* suffix, const QString& heading,
                                                        const QString& caption, bool top) {
    Group g;
    g.shape = new QFrame;
    g.shape->setObjectName(QStringLiteral("Shape_%1").arg(suffix));
    g.shape->setFrameShape(QFrame::Box);
    auto* title = new QLabel(heading);
    title->setObjectName(QStringLiteral("lb_titre_%1").arg(suffix));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* label = new QLabel(caption);
    label->setObjectName(QStringLiteral("lb_code_%1").arg(suffix));
    g.combo = new QComboBox;
    g.combo->setObjectName(QStringLiteral("cmb_%1").arg(suffix));
    for (const ClosureEntry& e : closureEntries())
        g.combo->addItem(
            QString::fromUtf8(top ? e.topText.data() : e.bottomText.data(),
                              static_cast<int>((top ? e.topText : e.bottomText).size())));
    g.picture = new QLabel;
    g.picture->setObjectName(QStringLiteral("Image_%1").arg(suffix));
    g.picture->setFixedSize(kPictureSize);
    g.picture->setFrameShape(QFrame::StyledPanel);

    auto* column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(label);
    column->addWidget(g.combo);
    column->addStretch(1);
    auto* row = new QHBoxLayout(g.shape);
    row->addLayout(column);
    row->addWidget(g.picture);
    return g;
}

void ArchitectureDialog::showPicture(const Group& group, bool top) {
    group.picture->setPixmap(
        closurePicture(model_, closureOfEntry(group.combo->currentIndex()), top, kPictureSize));
}

void ArchitectureDialog::caseChosen() {
    top_.shape->setVisible(true);
    bottom_.shape->setVisible(true);
}

void ArchitectureDialog::lidChosen() {
    top_.shape->setVisible(true);
    bottom_.shape->setVisible(false);
}

void ArchitectureDialog::bottomChosen() {
    top_.shape->setVisible(false);
    bottom_.shape->setVisible(true);
}

void ArchitectureDialog::topStyleChosen() {
    model_.TypeDessus = closureOfEntry(top_.combo->currentIndex());
    showPicture(top_, true);
}

void ArchitectureDialog::bottomStyleChosen() {
    model_.TypeDessous = closureOfEntry(bottom_.combo->currentIndex());
    showPicture(bottom_, false);
}

void ArchitectureDialog::validate() {
    model_.TypeDessus = closureOfEntry(top_.combo->currentIndex());
    model_.TypeDessous = closureOfEntry(bottom_.combo->currentIndex());
    if (bottomButton_->isChecked())
        model_.TypeDessus = 0;
    if (lidButton_->isChecked())
        model_.TypeDessous = 0;
    accept();
}

}  // namespace brontaxe::app
