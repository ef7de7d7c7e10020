#include "app/dialogs/configuration_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/outside_programs_dialog.h"
#include "app/window/qt_text.h"
#include "workbench/preferences.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

QPushButton* namedButton(const char* name, const QString& caption) {
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

ConfigurationDialog::ConfigurationDialog(Workbench& wb, ConfigurationHost host, QWidget* parent)
    : QDialog(parent), wb_(wb), host_(std::move(host)) {
    setObjectName("frm_Config");
    setWindowTitle(QStringLiteral("Brontaxe - Configuration"));

    profileCombo_ = new QComboBox;
    profileCombo_->setObjectName("CmbPerso");
    profileCombo_->setEditable(true);  // a profile may be typed, in any case
    for (const std::string& p : customerProfileNames())
        profileCombo_->addItem(qs(p));
    viewerCombo_ = new QComboBox;
    viewerCombo_->setObjectName("cb3D");
    viewerCombo_->setEditable(true);
    for (const std::string& v : viewers3D())
        viewerCombo_->addItem(qs(v));
    dataFolderBox_ = new QLineEdit;
    dataFolderBox_->setObjectName("txtMajo");
    dataFolderBox_->setReadOnly(true);
    dataFolderBox_->setMinimumWidth(360);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Pliage 3D")), 0, 0);
    grid->addWidget(viewerCombo_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Personnalisation :")), 1, 0);
    grid->addWidget(profileCombo_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Chemin Fichier Majorations")), 2, 0, 1, 2);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(dataFolderBox_, 1);
    QPushButton* browseButton = namedButton("Command3", QStringLiteral("Parcourir"));
    folderRow->addWidget(browseButton);
    grid->addLayout(folderRow, 3, 0, 1, 2);
    QPushButton* deletion =
        namedButton("Command4", QStringLiteral("Suppression d'un profil ondulé (Qualité)"));
    grid->addWidget(deletion, 4, 0, 1, 2);
    QPushButton* programs =
        namedButton("cmdProgrammes", QStringLiteral("Programmes extérieurs..."));
    grid->addWidget(programs, 5, 0, 1, 2);
    connect(programs, &QPushButton::clicked, this,
            [this] { OutsideProgramsDialog(wb_, this).exec(); });

    const auto [buttons, ok, cancel] = validateButtons("Command1", "Command2");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    // On load: what is in force now.
    showText(profileCombo_, qs(wb_.model().Personnalisation.name()));
    showText(viewerCombo_, qs(wb_.model().Soft3D));
    dataFolderBox_->setText(qs(wb_.model().MajoFefco));

    connect(ok, &QPushButton::clicked, this, [this] { validate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });
    connect(deletion, &QPushButton::clicked, this, [this] {
        if (host_.deleteGrade)
            host_.deleteGrade();
    });
}

void ConfigurationDialog::validate() {
    const auto failure =
        storeConfiguration(wb_.model(), wb_.settings(), profileCombo_->currentText().toStdString(),
                           viewerCombo_->currentText().trimmed().toStdString());
    if (failure)
        QMessageBox::warning(this, windowTitle(), qs(*failure));
    if (host_.regenerate)
        host_.regenerate();
    accept();
}

void ConfigurationDialog::browse() {
    if (host_.chooseDataFolder)
        host_.chooseDataFolder();
    dataFolderBox_->setText(qs(wb_.model().MajoFefco));
}

}  // namespace brontaxe::app
