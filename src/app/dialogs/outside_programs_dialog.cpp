#include "app/dialogs/outside_programs_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/dialogs/dialog_buttons.h"
#include "pallet/cape_link.h"
#include "tools/outside_programs.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

QLineEdit* pathBox(const char* name, const std::string& text) {
    auto* b = new QLineEdit(QString::fromStdString(text));
    b->setObjectName(name);
    b->setMinimumWidth(380);
    return b;
}

std::string textOf(const QLineEdit* b) {
    return b->text().trimmed().toStdString();
}

}  // namespace

OutsideProgramsDialog::OutsideProgramsDialog(Workbench& wb, QWidget* parent)
    : QDialog(parent), wb_(wb) {
    setObjectName("frmProgrammes");
    setWindowTitle(QStringLiteral("Brontaxe - Programmes extérieurs"));
    const tools::OutsidePrograms p = tools::readOutsidePrograms(wb_.settings());
    const platform::PrivateProfile cape(wb_.settings().windowsDirectory());
    korvane3DBox_ = pathBox("txtKorvane3D", p.korvane3D);
    korRcvBox_ = pathBox("txtKorRCV", p.korRcv);
    korGeomBox_ = pathBox("txtKorGEOM", p.korGeom);
    stapelixBox_ = pathBox("txtStapelix", p.stapelix);
    capeFolderBox_ = pathBox("txtCapePath", pallet::capePathSetting(cape).value_or(""));
    capeCommandBox_ = pathBox("txtCapeCmd", pallet::openCmdLineSetting(cape).value_or(""));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Korvane 3D"), korvane3DBox_);
    form->addRow(QStringLiteral("KorRCV"), korRcvBox_);
    form->addRow(QStringLiteral("KorGEOM"), korGeomBox_);
    form->addRow(QStringLiteral("Stapelix"), stapelixBox_);
    form->addRow(QStringLiteral("Dossier CAPE"), capeFolderBox_);
    form->addRow(QStringLiteral("Commande CAPE"), capeCommandBox_);
    auto* note = new QLabel(QStringLiteral(
        "Un chemin « C:\\... » désigne le dossier qui tient lieu de lecteur C.\n"
        "Sans commande CAPE, Brontaxe calcule lui-même les plans de palettisation."));
    note->setWordWrap(true);

    const auto [buttons, ok, cancel] = validateButtons("Command1", "Command2");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { validate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OutsideProgramsDialog::validate() {
    tools::OutsidePrograms p;
    p.korvane3D = textOf(korvane3DBox_);
    p.korRcv = textOf(korRcvBox_);
    p.korGeom = textOf(korGeomBox_);
    p.stapelix = textOf(stapelixBox_);
    const platform::PrivateProfile cape(wb_.settings().windowsDirectory());
    std::string capePath = textOf(capeFolderBox_);
    // The program's folder ends with its separator, as its own settings write it.
    if (!capePath.empty() && capePath.back() != '\\' && capePath.back() != '/')
        capePath += capePath.find('/') != std::string::npos ? "/" : "\\";
    const bool written =
        tools::writeOutsidePrograms(wb_.settings(), p) &&
        cape.WriteString("general", "CAPEPath", capePath, pallet::kCapeSettingsFile) &&
        cape.WriteString("general", "openCmdLine", textOf(capeCommandBox_),
                         pallet::kCapeSettingsFile);
    if (!written) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Les réglages n'ont pas pu être enregistrés."));
        return;
    }
    accept();
}

}  // namespace brontaxe::app
