#include "app/dialogs/add_grade_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/string_pass.h"
#include "workbench/allowance_editor.h"

namespace brontaxe::app {
namespace {

QLineEdit* textBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

}  // namespace

AddGradeDialog::AddGradeDialog(AllowanceEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName("frm_ajqual");
    setWindowTitle(QStringLiteral("Ajouter Profil Ondulé"));
    setModal(true);

    codeBox_ = textBox("txt_code");
    designationBox_ = textBox("txt_tlist");
    thicknessBox_ = textBox("Txt_epais");
    doubleWallBox_ = textBox("txt_dbm");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Codification")), 0, 0);
    grid->addWidget(codeBox_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Désignation")), 1, 0);
    grid->addWidget(designationBox_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Épaisseur :")), 2, 0);
    grid->addWidget(thicknessBox_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Double Mur :")), 3, 0);
    grid->addWidget(doubleWallBox_, 3, 1);

    message_ = new QLabel;
    message_->setObjectName("lbMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000;"));

    auto* ok = new QPushButton(QStringLiteral("&Valider"));
    ok->setObjectName("but_ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Abandonner"));
    cancel->setObjectName("but_abandon");
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(message_);
    column->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { validate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AddGradeDialog::validate() {
    const auto problem =
        editor_.addGrade(codeBox_->text().toStdString(), designationBox_->text().toStdString(),
                         thicknessBox_->text().toStdString(), doubleWallBox_->text().toStdString());
    if (problem) {
        showMessage(message_, QString::fromStdString(*problem), true);
        return;
    }
    accept();
}

}  // namespace brontaxe::app
