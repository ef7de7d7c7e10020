#include "app/dialogs/frm_ajqual.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "workbench/allowance_editor.h"

namespace brontaxe::app {
namespace {

QLineEdit* textBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

}  // namespace

frm_ajqual::frm_ajqual(AllowanceEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName("frm_ajqual");
    setWindowTitle(QStringLiteral("Ajouter Profil Ondulé"));
    setModal(true);

    txt_code_ = textBox("txt_code");
    txt_tlist_ = textBox("txt_tlist");
    Txt_epais_ = textBox("Txt_epais");
    txt_dbm_ = textBox("txt_dbm");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Codification")), 0, 0);
    grid->addWidget(txt_code_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Désignation")), 1, 0);
    grid->addWidget(txt_tlist_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Epaisseur :")), 2, 0);
    grid->addWidget(Txt_epais_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Double Mur :")), 3, 0);
    grid->addWidget(txt_dbm_, 3, 1);

    lbMessage_ = new QLabel;
    lbMessage_->setObjectName("lbMessage");
    lbMessage_->setWordWrap(true);
    lbMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));

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
    column->addWidget(lbMessage_);
    column->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { but_ok_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frm_ajqual::but_ok_Click() {
    const auto problem =
        editor_.addGrade(txt_code_->text().toStdString(), txt_tlist_->text().toStdString(),
                         Txt_epais_->text().toStdString(), txt_dbm_->text().toStdString());
    if (problem) {
        lbMessage_->setText(QString::fromStdString(*problem));
        return;
    }
    accept();
}

}  // namespace brontaxe::app
