// MainWindow's side of the file and configuration commands: what the window shows after a
// design is opened or the tables change, and the question before it closes.

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app/commands/file_commands.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/window/design_history.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/qt_text.h"
#include "app/window/window_placement.h"
#include "resources/string_table.h"
#include "workbench/design_file.h"

namespace brontaxe::app {
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!files_->maybeSave()) {
        event->ignore();
        return;
    }
    recovery_->remove();  // a clean close leaves nothing to recover
    rememberPlacement(wb_.settings(), {normalGeometry(), isMaximized()});
    event->accept();
}

void MainWindow::updateRecovery() {
    if (!recovery_)
        return;  // start-up: a design left aside waits for offerRecovery
    if (files_->isModified())
        recovery_->write(fileName_);
    else
        recovery_->remove();
}

void MainWindow::offerRecovery() {
    if (!recovery_->isPending())
        return;
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    QStringLiteral("Récupérer la conception non enregistrée ?"),
                    QMessageBox::NoButton, this);
    box.setObjectName("recoveryQuestion");
    box.setInformativeText(
        QStringLiteral("Brontaxe ne s'est pas fermé normalement : la conception en cours n'avait "
                       "pas été enregistrée."));
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() != yes) {
        recovery_->remove();
        return;
    }
    const OpenedDesign opened = openDesign(wb_, recovery_->designPath());
    if (!opened.result.ok) {
        QMessageBox::warning(this, windowTitle(), qs(opened.result.message));
        recovery_->remove();
        return;
    }
    const std::string name = recovery_->pendingFileName();
    if (!name.empty())
        fileName_ = name;
    // Shown as a design still to save: the title marks it and the copy aside stays.
    showOpenedDesign(opened.report);
}

void MainWindow::startNewDesign() {
    inputsBlocked_ = true;
    wb_.startUp();
    fileName_ = wb_.drawingFileName();
    fillFamilies();
    fillCodes();
    fillGrades();
    showInputTexts();
    inputsBlocked_ = false;
    regenerate([this] { return wb_.regenerate(); });
    drawingView_->fitToWindow();
    history_->reset();
    files_->restarted();
    recovery_->remove();
}

void MainWindow::showOpenedDesign(const RegenerationReport& report) {
    showInputTexts();
    fillGrades();
    ++regenerations_;
    showResult(report);
    drawingView_->fitToWindow();
    history_->reset();  // an opened design starts a history of its own
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
