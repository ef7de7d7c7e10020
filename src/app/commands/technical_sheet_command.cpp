#include "app/commands/technical_sheet_command.h"

#include <QMessageBox>
#include <variant>

#include "app/commands/file_commands.h"
#include "app/dialogs/questionnaire_dialog.h"
#include "app/dialogs/sheet_template_dialog.h"
#include "app/window/design_history.h"
#include "app/window/main_window.h"
#include "techsheet/placeholders.h"
#include "techsheet/sheet_template.h"
#include "workbench/design_state.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

const QString kTitle = QStringLiteral("Fiche Technique");

bool holdsSheet(const Drawing& d) {
    return !d.SheetName().empty();
}

}  // namespace

bool showQuestionnaire(Workbench& wb, QWidget* parent) {
    Questionnaire q;
    if (auto problem = q.open(wb.drawing(), SheetBox::of(wb.model(), wb.boardTables()))) {
        QMessageBox::warning(parent, kTitle, QString::fromStdString(*problem));
        return false;
    }
    QuestionnaireDialog dialog(wb.drawing(), std::move(q), parent);
    return dialog.exec() == QDialog::Accepted;
}

void technicalSheetCommand(Workbench& wb, QWidget* parent, const std::function<void()>& redraw) {
    Drawing& d = wb.drawing();
    if (holdsSheet(d) && d.FieldCount() > 0) {
        showQuestionnaire(wb, parent);
        redraw();
        return;
    }
    if (wb.model().NomModel.empty())
        chooseSheetTemplate(wb, parent);
    if (!wb.model().NomModel.empty() && !holdsSheet(d)) {
        auto read = readSheetTemplate(wb.model().NomModel);
        if (auto* why = std::get_if<std::string>(&read)) {
            QMessageBox::warning(parent, kTitle, QString::fromStdString(*why));
            return;
        }
        const SheetState before = sheetState(d);
        insertTechnicalSheet(d, std::get<SheetTemplate>(read));
        showSheetAnswers(d, SheetBox::of(wb.model(), wb.boardTables()));
        redraw();
        // A questionnaire abandoned leaves no sheet of raw placeholders behind.
        if (d.FieldCount() > 0 && !showQuestionnaire(wb, parent))
            putSheet(d, before);
    }
    redraw();
}

void chooseSheetTemplate(Workbench& wb, QWidget* parent) {
    SheetTemplateDialog dialog(wb, parent);
    dialog.exec();
}

// The window's tool image and "Fiche Technique" command: the drawing shown again and its title
// marked once the sheet changed.
void MainWindow::openTechnicalSheet() {
    // The sheet inserted and its answers are one step.
    history_->beginGroup();
    technicalSheetCommand(wb_, this, [this] {
        drawingView_->drawingChanged();
        files_->designShown();
    });
    history_->endGroup();
    // The answers are left aside at once, as every other change: a program killed now gives
    // them back at the next start.
    updateRecovery();
}

}  // namespace brontaxe::app
