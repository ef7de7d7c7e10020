#include "app/dialogs/rule_report_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "drawing/rule_report.h"
#include "workbench/design_bridges.h"
#include "workbench/workbench.h"

namespace brontaxe::app {

void showRuleReport(const Workbench& wb, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("frmRegles");
    dialog.setWindowTitle(QStringLiteral("Règles de la forme"));
    const int poses = wb.imposition().AvecImpos ? wb.model().NbPoses : 1;
    auto* text = new QPlainTextEdit(
        QString::fromStdString(ruleReportText(imposedRuleReport(wb.drawing(), poses))));
    text->setObjectName("txtRegles");
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setMinimumSize(560, 240);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(text);
    column->addWidget(buttons);
    dialog.exec();
}

}  // namespace brontaxe::app
