// MainWindow's side of the grade and allowance editors: the drawing follows every value taken,
// the grade list follows the tables.

#include <QLabel>

#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/delete_grade_dialog.h"
#include "app/window/check_panel.h"
#include "app/window/design_history.h"
#include "app/window/main_window.h"

namespace brontaxe::app {

void MainWindow::editAllowances() {
    AllowanceDialogHost host;
    host.regenerate = [this] {
        fillGrades();
        regenerate([this] { return wb_.regenerate(); });
    };
    host.highlight = [this](const std::vector<ElementId>& ids) {
        if (ids.empty())
            checkPanel_->highlight(-1);  // the check's findings again
        else
            drawingView_->setHighlights(ids, {});
    };
    host.showRefusal = [this](const QString& reason) { say(reason, true); };
    host.help = [this] { showHelp(QStringLiteral("Majorations")); };
    AllowanceDialog dialog(wb_, std::move(host), this);
    // The values the editor leaves in the design are one step, once it is closed.
    history_->beginGroup();
    dialog.exec();
    history_->endGroup();
}

void MainWindow::deleteGradeDialog() {
    DeleteGradeDialog dialog(wb_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillGrades();
    regenerate([this] { return wb_.regenerate(); });
}

}  // namespace brontaxe::app
