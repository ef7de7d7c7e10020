#include "app/dialogs/frm_config.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/frm_programmes.h"
#include "workbench/preferences.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

// The combo shows the stored text even when it is not one of its entries.
void showText(QComboBox* combo, const QString& text) {
    const int at = combo->findText(text);
    if (at >= 0)
        combo->setCurrentIndex(at);
    else
        combo->setEditText(text);
}

}  // namespace

frm_Config::frm_Config(Workbench& wb, ConfigHost host, QWidget* parent)
    : QDialog(parent), wb_(wb), host_(std::move(host)) {
    setObjectName("frm_Config");
    setWindowTitle(QStringLiteral("Brontaxe - Configuration"));

    CmbPerso_ = new QComboBox;
    CmbPerso_->setObjectName("CmbPerso");
    CmbPerso_->setEditable(true);  // a profile may be typed, in any case
    for (const std::string& p : customerProfiles())
        CmbPerso_->addItem(qs(p));
    cb3D_ = new QComboBox;
    cb3D_->setObjectName("cb3D");
    cb3D_->setEditable(true);
    for (const std::string& v : viewers3D())
        cb3D_->addItem(qs(v));
    txtMajo_ = new QLineEdit;
    txtMajo_->setObjectName("txtMajo");
    txtMajo_->setReadOnly(true);
    txtMajo_->setMinimumWidth(360);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Pliage 3D")), 0, 0);
    grid->addWidget(cb3D_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Personalisation :")), 1, 0);
    grid->addWidget(CmbPerso_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Chemin Fichier Majorations")), 2, 0, 1, 2);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtMajo_, 1);
    QPushButton* browse = button("Command3", QStringLiteral("Parcourir"));
    folderRow->addWidget(browse);
    grid->addLayout(folderRow, 3, 0, 1, 2);
    QPushButton* deletion =
        button("Command4", QStringLiteral("Suppression d'un profil ondulé (Qualité)"));
    grid->addWidget(deletion, 4, 0, 1, 2);
    QPushButton* programs = button("cmdProgrammes", QStringLiteral("Programmes extérieurs..."));
    grid->addWidget(programs, 5, 0, 1, 2);
    connect(programs, &QPushButton::clicked, this, [this] { frmProgrammes(wb_, this).exec(); });

    const auto [buttons, ok, cancel] = validateButtons("Command1", "Command2");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    // On load: what is in force now.
    showText(CmbPerso_, qs(wb_.model().Personnalisation));
    showText(cb3D_, qs(wb_.model().Soft3D));
    txtMajo_->setText(qs(wb_.model().MajoFefco));

    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(deletion, &QPushButton::clicked, this, [this] {
        if (host_.deleteGrade)
            host_.deleteGrade();
    });
}

void frm_Config::Command1_Click() {
    const auto failure =
        storeConfiguration(wb_.model(), wb_.settings(), CmbPerso_->currentText().toStdString(),
                           cb3D_->currentText().trimmed().toStdString());
    if (failure)
        QMessageBox::warning(this, windowTitle(), qs(*failure));
    if (host_.modifier)
        host_.modifier();
    accept();
}

void frm_Config::Command3_Click() {
    if (host_.chooseDataFolder)
        host_.chooseDataFolder();
    txtMajo_->setText(qs(wb_.model().MajoFefco));
}

}  // namespace brontaxe::app
