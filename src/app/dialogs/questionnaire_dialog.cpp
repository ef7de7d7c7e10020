#include "app/dialogs/questionnaire_dialog.h"

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

QuestionnaireDialog::QuestionnaireDialog(Drawing& drawing, Questionnaire questionnaire,
                                         QWidget* parent)
    : QDialog(parent), drawing_(drawing), questionnaire_(std::move(questionnaire)) {
    setObjectName("frm_FT");
    setWindowTitle(QStringLiteral("Saisir / modifier le questionnaire de la fiche technique"));

    auto* frame = new QGroupBox(QStringLiteral("Questionnaire Fiche Technique"));
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < Questionnaire::kRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        questions_[k] = new QLabel;
        questions_[k]->setObjectName(QStringLiteral("Qst_%1").arg(r));
        questions_[k]->setMinimumWidth(180);
        answers_[k] = new QLineEdit;
        answers_[k]->setObjectName(QStringLiteral("Rep_%1").arg(r));
        answers_[k]->setMinimumWidth(300);
        grid->addWidget(questions_[k], r, 0);
        grid->addWidget(answers_[k], r, 1);
        connect(answers_[k], &QLineEdit::textChanged, this, [this, r] { answerEdited(r); });
    }
    scrollBar_ = new QScrollBar(Qt::Vertical);
    scrollBar_->setObjectName("VScroll1");
    scrollBar_->setRange(1, std::max(questionnaire_.count(), 1));
    scrollBar_->setPageStep(Questionnaire::kRows);
    scrollBar_->setValue(1);
    scrollBar_->setEnabled(questionnaire_.count() > 0);
    grid->addWidget(scrollBar_, 0, 2, Questionnaire::kRows, 1);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        questionnaire_.scrollTo(value);
        showRows();
    });

    const auto [buttons, validateButton, abandonButton] =
        validateButtons("CmdValider", "CmdAbandon", QStringLiteral("Abandon"));
    connect(validateButton, &QPushButton::clicked, this, [this] { validate(); });
    connect(abandonButton, &QPushButton::clicked, this, [this] { abandon(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    showRows();
}

void QuestionnaireDialog::showRows() {
    filling_ = true;
    const auto rows = questionnaire_.rows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        questions_[k]->setText(QString::fromStdString(rows[k].label));
        answers_[k]->setText(QString::fromStdString(rows[k].value));
        questions_[k]->setVisible(rows[k].shown);
        answers_[k]->setVisible(rows[k].shown);
    }
    filling_ = false;
}

void QuestionnaireDialog::answerEdited(int row) {
    if (!filling_)
        questionnaire_.edit(row, answer(row)->text().toStdString());
}

void QuestionnaireDialog::validate() {
    questionnaire_.validate(drawing_);
    accept();
}

void QuestionnaireDialog::abandon() {
    reject();
}

}  // namespace brontaxe::app
