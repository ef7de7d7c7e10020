#include "app/dialogs/frm_choix_ft.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_buttons.h"
#include "app/views/drawing_view.h"
#include "io/drawing_files.h"
#include "techsheet/sheet_template.h"
#include "workbench/sheet_choice.h"
#include "workbench/workbench.h"

namespace brontaxe::app {

frm_choixFT::frm_choixFT(Workbench& wb, QWidget* parent) : QDialog(parent), wb_(wb) {
    setObjectName("frm_choixFT");
    setWindowTitle(QStringLiteral("Modèle Fiche Technique"));

    // The chooser lives in the dialog, beside the preview, so its own buttons give way to ours.
    File1_ = new QFileDialog(this);
    File1_->setWindowFlags(Qt::Widget);
    File1_->setObjectName("File1");
    File1_->setOption(QFileDialog::DontUseNativeDialog);
    File1_->setFileMode(QFileDialog::ExistingFile);
    File1_->setNameFilter(QStringLiteral("Modèles de fiche technique (*.des)"));
    File1_->setSizeGripEnabled(false);
    if (auto* box = File1_->findChild<QDialogButtonBox*>())
        box->hide();
    File1_->setVisible(true);  // a dialog stays hidden inside another until told

    Trazel2_ = new DrawingView(preview_);
    Trazel2_->setObjectName("Trazel2");
    Trazel2_->setMinimumSize(320, 240);

    Text1_ = new QLineEdit;
    Text1_->setObjectName("Text1");
    TxtPerso_ = new QLineEdit(QString::fromStdString(wb.model().Personnalisation));
    TxtPerso_->setObjectName("TxtPerso");

    auto* top = new QHBoxLayout;
    top->addWidget(File1_, 3);
    top->addWidget(Trazel2_, 2);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Modèle :")), 0, 0);
    fields->addWidget(Text1_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Personnalisation :")), 1, 0);
    fields->addWidget(TxtPerso_, 1, 1);
    const auto [buttons, ok, cancel] = validateButtons("Command1", "Command2");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(1000, 560);

    connect(File1_, &QFileDialog::currentChanged, this,
            [this](const QString& p) { File1_Click(p); });
    // A double click in the chooser accepts as "Valider" does.
    connect(File1_, &QFileDialog::fileSelected, this, [this](const QString& p) {
        File1_Click(p);
        Command1_Click();
    });
    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // While none is chosen, the chooser proposes the template shipped with the program.
    const QString current = QString::fromStdString(
        sheetTemplatePath(wb.model().NomModel, platform::processEnvironment()).string());
    File1_->setDirectory(QFileInfo(current).absolutePath());
    File1_->selectFile(current);
    File1_Click(current);
}

void frm_choixFT::File1_Click(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    Text1_->setText(info.absoluteFilePath());
    if (!io::OpenDrawing(preview_, info.absoluteFilePath().toStdString()).ok)
        preview_.ClearDrawing();
    Trazel2_->drawingChanged();
    Trazel2_->fitToWindow();
}

void frm_choixFT::Command1_Click() {
    const auto problem = storeSheetChoice(wb_.model(), wb_.settings(), Text1_->text().toStdString(),
                                          TxtPerso_->text().toStdString());
    if (problem)
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*problem));
    accept();
}

}  // namespace brontaxe::app
