#include "app/dialogs/frm_ft.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/dialog_buttons.h"
#include "drawing/drawing.h"

namespace brontaxe::app {

frm_FT::frm_FT(Drawing& drawing, Questionnaire questionnaire, QWidget* parent)
    : QDialog(parent), drawing_(drawing), questionnaire_(std::move(questionnaire)) {
    setObjectName("frm_FT");
    setWindowTitle(QStringLiteral("Saisir / Modifier QUESTIONNAIRE Fiche Technique"));

    auto* frame = new QGroupBox(QStringLiteral("Questionnaire Fiche Technique"));
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < Questionnaire::kRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Qst_[k] = new QLabel;
        Qst_[k]->setObjectName(QStringLiteral("Qst_%1").arg(r));
        Qst_[k]->setMinimumWidth(180);
        Rep_[k] = new QLineEdit;
        Rep_[k]->setObjectName(QStringLiteral("Rep_%1").arg(r));
        Rep_[k]->setMinimumWidth(300);
        grid->addWidget(Qst_[k], r, 0);
        grid->addWidget(Rep_[k], r, 1);
        connect(Rep_[k], &QLineEdit::textChanged, this, [this, r] { Rep_Change(r); });
    }
    VScroll1_ = new QScrollBar(Qt::Vertical);
    VScroll1_->setObjectName("VScroll1");
    VScroll1_->setRange(1, std::max(questionnaire_.count(), 1));
    VScroll1_->setPageStep(Questionnaire::kRows);
    VScroll1_->setValue(1);
    VScroll1_->setEnabled(questionnaire_.count() > 0);
    grid->addWidget(VScroll1_, 0, 2, Questionnaire::kRows, 1);
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        questionnaire_.scrollTo(value);
        showRows();
    });

    const auto [buttons, valider, abandon] =
        validateButtons("CmdValider", "CmdAbandon", QStringLiteral("Abandon"));
    connect(valider, &QPushButton::clicked, this, [this] { CmdValider_Click(); });
    connect(abandon, &QPushButton::clicked, this, [this] { CmdAbandon_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    showRows();
}

void frm_FT::showRows() {
    filling_ = true;
    const auto rows = questionnaire_.rows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        Qst_[k]->setText(QString::fromStdString(rows[k].label));
        Rep_[k]->setText(QString::fromStdString(rows[k].value));
        Qst_[k]->setVisible(rows[k].shown);
        Rep_[k]->setVisible(rows[k].shown);
    }
    filling_ = false;
}

void frm_FT::Rep_Change(int row) {
    if (!filling_)
        questionnaire_.edit(row, Rep(row)->text().toStdString());
}

void frm_FT::CmdValider_Click() {
    questionnaire_.validate(drawing_);
    accept();
}

void frm_FT::CmdAbandon_Click() {
    reject();
}

}  // namespace brontaxe::app
