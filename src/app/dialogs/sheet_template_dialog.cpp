#include "app/dialogs/sheet_template_dialog.h"

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

SheetTemplateDialog::SheetTemplateDialog(Workbench& wb, QWidget* parent)
    : QDialog(parent), wb_(wb) {
    setObjectName("frm_choixFT");
    setWindowTitle(QStringLiteral("Modèle Fiche Technique"));

    // The chooser lives in the dialog, beside the preview, so its own buttons give way to ours.
    chooser_ = new QFileDialog(this);
    chooser_->setWindowFlags(Qt::Widget);
    chooser_->setObjectName("File1");
    chooser_->setOption(QFileDialog::DontUseNativeDialog);
    chooser_->setFileMode(QFileDialog::ExistingFile);
    chooser_->setNameFilter(QStringLiteral("Modèles de fiche technique (*.des)"));
    chooser_->setSizeGripEnabled(false);
    if (auto* box = chooser_->findChild<QDialogButtonBox*>())
        box->hide();
    chooser_->setVisible(true);  // a dialog stays hidden inside another until told

    previewView_ = new DrawingView(preview_);
    previewView_->setObjectName("Trazel2");
    previewView_->setMinimumSize(320, 240);

    pathBox_ = new QLineEdit;
    pathBox_->setObjectName("Text1");
    personalisationBox_ = new QLineEdit(QString::fromStdString(wb.model().Personnalisation.name()));
    personalisationBox_->setObjectName("TxtPerso");

    auto* top = new QHBoxLayout;
    top->addWidget(chooser_, 3);
    top->addWidget(previewView_, 2);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Modèle :")), 0, 0);
    fields->addWidget(pathBox_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Personnalisation :")), 1, 0);
    fields->addWidget(personalisationBox_, 1, 1);
    const auto [buttons, ok, cancel] = validateButtons("Command1", "Command2");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(1000, 560);

    connect(chooser_, &QFileDialog::currentChanged, this,
            [this](const QString& p) { fileClicked(p); });
    // A double click in the chooser accepts as "Valider" does.
    connect(chooser_, &QFileDialog::fileSelected, this, [this](const QString& p) {
        fileClicked(p);
        validate();
    });
    connect(ok, &QPushButton::clicked, this, [this] { validate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // While none is chosen, the chooser proposes the template shipped with the program.
    const QString current = QString::fromStdString(
        sheetTemplatePath(wb.model().NomModel, platform::processEnvironment()).string());
    chooser_->setDirectory(QFileInfo(current).absolutePath());
    chooser_->selectFile(current);
    fileClicked(current);
}

void SheetTemplateDialog::fileClicked(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    pathBox_->setText(info.absoluteFilePath());
    if (!io::OpenDrawing(preview_, info.absoluteFilePath().toStdString()).ok)
        preview_.ClearDrawing();
    previewView_->drawingChanged();
    previewView_->fitToWindow();
}

void SheetTemplateDialog::validate() {
    const auto problem =
        storeSheetChoice(wb_.model(), wb_.settings(), pathBox_->text().toStdString(),
                         personalisationBox_->text().toStdString());
    if (problem)
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*problem));
    accept();
}

}  // namespace brontaxe::app
