// frmPrinc's side of the grade and allowance editors: the drawing follows every value taken,
// the grade list follows the tables.

#include <QLabel>

#include "app/dialogs/frm_majo.h"
#include "app/dialogs/frm_modiqual.h"
#include "app/window/check_panel.h"
#include "app/window/frm_princ.h"

namespace brontaxe::app {

void frmPrinc::But_Majo_Click() {
    MajoHost host;
    host.modifier = [this] {
        fillGrades();
        regenerate([this] { return wb_.regenerate(); });
    };
    host.highlight = [this](const std::vector<ElementId>& ids) {
        if (ids.empty())
            controle_->highlight(-1);  // the check's findings again
        else
            Trazel1_->setHighlights(ids, {});
    };
    host.showRefusal = [this](const QString& reason) {
        statusMessage_->setText(reason);
        statusMessage_->setStyleSheet(QStringLiteral("color: #b00000;"));
    };
    host.help = [this] { showHelp(QStringLiteral("majorations")); };
    Frm_Majo dialog(wb_, std::move(host), this);
    dialog.exec();
}

void frmPrinc::deleteGradeDialog() {
    frm_modiqual dialog(wb_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillGrades();
    regenerate([this] { return wb_.regenerate(); });
}

}  // namespace brontaxe::app
