// MainWindow's side of the file and configuration commands: what the window shows after a
// design is opened or the tables change, and the question before it closes.

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

#include "app/commands/file_commands.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "resources/string_table.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!files_->maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::showOpenedDesign(const RegenerationReport& report) {
    const MainWindowState& w = wb_.window();
    codeBox_->setText(qs(w.codeText));
    lengthBox_->setText(qs(w.lengthText));
    widthBox_->setText(qs(w.widthText));
    heightBox_->setText(qs(w.heightText));
    creaseListBox_->setText(qs(w.creaseList));
    fillGrades();
    ++regenerations_;
    showResult(report);
    drawingView_->fitToWindow();
}

void MainWindow::tablesChanged() {
    fillGrades();
    regenerate([this] {
        RegenerationReport report = wb_.regenerate();
        const auto& problems = wb_.tableProblems();
        report.notices.insert(report.notices.begin(), problems.begin(), problems.end());
        return report;
    });
}

// "Chemin Majorations": the folder of the grade and allowance tables.
void MainWindow::chooseDataDirectory() {
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

void MainWindow::openConfiguration() {
    ConfigurationHost host;
    host.chooseDataFolder = [this] { chooseDataDirectory(); };
    host.deleteGrade = [this] { deleteGradeDialog(); };
    host.regenerate = [this] { regenerate([this] { return wb_.regenerate(); }); };
    ConfigurationDialog dialog(wb_, std::move(host), this);
    dialog.exec();
}

}  // namespace brontaxe::app
