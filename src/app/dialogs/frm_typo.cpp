#include "app/dialogs/frm_typo.h"

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

frm_typo::frm_typo(Model& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName("frm_typo");
    setWindowTitle(QStringLiteral("Architecture"));

    br_caisse_ = new QRadioButton(QStringLiteral("Caisse"));
    br_caisse_->setObjectName("br_caisse");
    br_couv_ = new QRadioButton(QStringLiteral("Couvercle"));
    br_couv_->setObjectName("br_couv");
    br_Fond_ = new QRadioButton(QStringLiteral("Fond"));
    br_Fond_->setObjectName("br_Fond");
    auto* options = new QHBoxLayout;
    for (QRadioButton* b : {br_caisse_, br_couv_, br_Fond_})
        options->addWidget(b);
    options->addStretch(1);

    dessus_ =
        makeGroup("dessus", QStringLiteral("DESSUS"), QStringLiteral("Code Architecture"), true);
    dessous_ = makeGroup("dessous", QStringLiteral("DESSOUS"), QStringLiteral("Code Architecture "),
                         false);

    but_ok_ = new QPushButton(QStringLiteral("OK"));
    but_ok_->setObjectName("but_ok");
    but_ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(but_ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(dessus_.shape);
    layout->addWidget(dessous_.shape);
    layout->addLayout(buttons);

    // The model's closures; an absent half chooses the option that leaves it out.
    dessus_.combo->setCurrentIndex(indexOf(model_.TypeDessus));
    dessous_.combo->setCurrentIndex(indexOf(model_.TypeDessous));
    showPicture(dessus_, true);
    showPicture(dessous_, false);
    if (model_.TypeDessus == 0) {
        br_Fond_->setChecked(true);
        br_Fond_Click();
    } else if (model_.TypeDessous == 0) {
        br_couv_->setChecked(true);
        br_couv_Click();
    } else {
        br_caisse_->setChecked(true);
        br_caisse_Click();
    }

    connect(br_caisse_, &QRadioButton::clicked, this, [this] { br_caisse_Click(); });
    connect(br_couv_, &QRadioButton::clicked, this, [this] { br_couv_Click(); });
    connect(br_Fond_, &QRadioButton::clicked, this, [this] { br_Fond_Click(); });
    connect(dessus_.combo, &QComboBox::activated, this, [this] { cmb_dessus_Click(); });
    connect(dessous_.combo, &QComboBox::activated, this, [this] { cmb_dessous_Click(); });
    connect(but_ok_, &QPushButton::clicked, this, [this] { but_ok_Click(); });
}

frm_typo::Group frm_typo::makeGroup(const char* suffix, const QString& heading,
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

void frm_typo::showPicture(const Group& group, bool top) {
    group.picture->setPixmap(
        closurePicture(model_, closureOfEntry(group.combo->currentIndex()), top, kPictureSize));
}

void frm_typo::br_caisse_Click() {
    dessus_.shape->setVisible(true);
    dessous_.shape->setVisible(true);
}

void frm_typo::br_couv_Click() {
    dessus_.shape->setVisible(true);
    dessous_.shape->setVisible(false);
}

void frm_typo::br_Fond_Click() {
    dessus_.shape->setVisible(false);
    dessous_.shape->setVisible(true);
}

void frm_typo::cmb_dessus_Click() {
    model_.TypeDessus = closureOfEntry(dessus_.combo->currentIndex());
    showPicture(dessus_, true);
}

void frm_typo::cmb_dessous_Click() {
    model_.TypeDessous = closureOfEntry(dessous_.combo->currentIndex());
    showPicture(dessous_, false);
}

void frm_typo::but_ok_Click() {
    model_.TypeDessus = closureOfEntry(dessus_.combo->currentIndex());
    model_.TypeDessous = closureOfEntry(dessous_.combo->currentIndex());
    if (br_Fond_->isChecked())
        model_.TypeDessus = 0;
    if (br_couv_->isChecked())
        model_.TypeDessous = 0;
    accept();
}

}  // namespace brontaxe::app
