#include "app/dialogs/delete_grade_dialog.h"
#include "app/window/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/number_text.h"
#include "workbench/grade_deletion.h"

namespace brontaxe::app {
DeleteGradeDialog::DeleteGradeDialog(Workbench& wb, QWidget* parent) : QDialog(parent), wb_(wb) {
    setObjectName("frm_modiqual");
    setWindowTitle(QStringLiteral("Suppression Qualité"));
    setModal(true);

    gradeCombo_ = new QComboBox;
    gradeCombo_->setObjectName("Cmb_Qual");
    gradeCombo_->setMinimumWidth(260);
    codeBox_ = new QLineEdit;
    codeBox_->setObjectName("txt_code");
    codeBox_->setReadOnly(true);
    thicknessBox_ = new QLineEdit;
    thicknessBox_->setObjectName("txt_epc");
    thicknessBox_->setReadOnly(true);
    auto* grid = new QGridLayout;
    grid->addWidget(gradeCombo_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Codification")), 1, 0);
    grid->addWidget(codeBox_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Épaisseur Carton : ")), 2, 0);
    grid->addWidget(thicknessBox_, 2, 1);

    auto* remove = new QPushButton(QStringLiteral("Supprimer ce profil"));
    remove->setObjectName("Command1");
    auto* cancel = new QPushButton(QStringLiteral("Abandon"));
    cancel->setObjectName("Command2");
    cancel->setDefault(true);  // deleting is never what Enter does
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remove);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);

    const GradeTable& grades = wb_.boardTables().grades();
    for (int g = 1; g <= grades.count(); ++g)
        gradeCombo_->addItem(qs(grades.at(g).label));
    gradeCombo_->setCurrentIndex(-1);
    remove->setEnabled(false);

    connect(gradeCombo_, &QComboBox::currentIndexChanged, this, [this, remove](int i) {
        remove->setEnabled(i >= 0);
        gradeChosen(i);
    });
    connect(remove, &QPushButton::clicked, this, [this] { deleteChosenGrade(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DeleteGradeDialog::gradeChosen(int index) {
    const int grade = index + 1;
    const GradeTable& grades = wb_.boardTables().grades();
    if (!grades.holds(grade)) {
        codeBox_->clear();
        thicknessBox_->clear();
        return;
    }
    codeBox_->setText(qs(grades.at(grade).code));
    thicknessBox_->setText(qs(platform::shownNumber(grades.at(grade).thickness)));
}

void DeleteGradeDialog::deleteChosenGrade() {
    const int grade = gradeCombo_->currentIndex() + 1;
    if (grade <= 0)
        return;
    if (auto problem = deleteGrade(wb_, grade)) {
        QMessageBox::warning(this, windowTitle(), qs(*problem));
        return;
    }
    accept();
}

}  // namespace brontaxe::app
