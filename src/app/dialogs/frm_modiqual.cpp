#include "app/dialogs/frm_modiqual.h"

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
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

frm_modiqual::frm_modiqual(Workbench& wb, QWidget* parent) : QDialog(parent), wb_(wb) {
    setObjectName("frm_modiqual");
    setWindowTitle(QStringLiteral("Suppression Qualité"));
    setModal(true);

    Cmb_Qual_ = new QComboBox;
    Cmb_Qual_->setObjectName("Cmb_Qual");
    Cmb_Qual_->setMinimumWidth(260);
    txt_code_ = new QLineEdit;
    txt_code_->setObjectName("txt_code");
    txt_code_->setReadOnly(true);
    txt_epc_ = new QLineEdit;
    txt_epc_->setObjectName("txt_epc");
    txt_epc_->setReadOnly(true);
    auto* grid = new QGridLayout;
    grid->addWidget(Cmb_Qual_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Codification")), 1, 0);
    grid->addWidget(txt_code_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Epaisseur Carton : ")), 2, 0);
    grid->addWidget(txt_epc_, 2, 1);

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
        Cmb_Qual_->addItem(qs(grades.at(g).label));
    Cmb_Qual_->setCurrentIndex(-1);
    remove->setEnabled(false);

    connect(Cmb_Qual_, &QComboBox::currentIndexChanged, this, [this, remove](int i) {
        remove->setEnabled(i >= 0);
        Cmb_Qual_Click(i);
    });
    connect(remove, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_modiqual::Cmb_Qual_Click(int index) {
    const int grade = index + 1;
    const GradeTable& grades = wb_.boardTables().grades();
    if (!grades.holds(grade)) {
        txt_code_->clear();
        txt_epc_->clear();
        return;
    }
    txt_code_->setText(qs(grades.at(grade).code));
    txt_epc_->setText(qs(platform::numberTextBlank(grades.at(grade).thickness)));
}

void frm_modiqual::Command1_Click() {
    const int grade = Cmb_Qual_->currentIndex() + 1;
    if (grade <= 0)
        return;
    if (auto problem = deleteGrade(wb_, grade)) {
        QMessageBox::warning(this, windowTitle(), qs(*problem));
        return;
    }
    accept();
}

}  // namespace brontaxe::app
