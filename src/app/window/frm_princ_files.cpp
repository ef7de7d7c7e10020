// frmPrinc's side of the file and configuration commands: what the window shows after a
// design is opened or the tables change, and the question before it closes.

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

#include "app/commands/file_commands.h"
#include "app/dialogs/frm_config.h"
#include "app/window/entry_box.h"
#include "app/window/frm_princ.h"
#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void frmPrinc::closeEvent(QCloseEvent* event) {
    if (!files_->maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void frmPrinc::showOpenedDesign(const RegenerationReport& report) {
    const MainWindowState& w = wb_.window();
    txtModel_->setText(qs(w.codeText));
    longueur_->setText(qs(w.lengthText));
    largeur_->setText(qs(w.widthText));
    hauteur_->setText(qs(w.heightText));
    Txt_listefoulages_->setText(qs(w.creaseList));
    fillGrades();
    ++regenerations_;
    showResult(report);
    Trazel1_->fitToWindow();
}

void frmPrinc::tablesChanged() {
    fillGrades();
    regenerate([this] {
        RegenerationReport report = wb_.regenerate();
        const auto& problems = wb_.tableProblems();
        report.notices.insert(report.notices.begin(), problems.begin(), problems.end());
        return report;
    });
}

// "Chemin Majorations": the folder of the grade and allowance tables.
void frmPrinc::mn_chemajo_Click() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Chemin Fichier Majorations"),
        qs(wb_.boardTables().dataDirectory().string()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    if (auto failure = wb_.changeDataFolder(folder.toStdString())) {
        QMessageBox::warning(this, windowTitle(), qs(*failure));
        return;
    }
    tablesChanged();
}

void frmPrinc::mn_config_Click() {
    ConfigHost host;
    host.chooseDataFolder = [this] { mn_chemajo_Click(); };
    host.deleteGrade = [this] { deleteGradeDialog(); };
    host.modifier = [this] { regenerate([this] { return wb_.regenerate(); }); };
    frm_Config dialog(wb_, std::move(host), this);
    dialog.exec();
}

}  // namespace brontaxe::app
