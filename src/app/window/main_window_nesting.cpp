// "Optimiser l'imposition": the optimiser's arrangement for the sheet in the boxes, shown
// beside the grid's for the user to take or leave; taken, it is the imposition.

#include <QMessageBox>
#include <QPushButton>

#include "app/window/main_window.h"
#include "platform/number_text.h"
#include "workbench/nesting_workbench.h"

namespace brontaxe::app {
namespace {

QString figures(int poses, double x, double y, double waste) {
    const QString used = QString::fromStdString(platform::formatNumber(x, "#####") + " x " +
                                                platform::formatNumber(y, "#####"));
    const QString lost =
        waste < 0 ? QString("-")
                  : QString::fromStdString(platform::formatNumber(waste, "#######0.00") + " %");
    return QString("%1 poses, carton utilisé %2 mm, chute %3").arg(poses).arg(used, lost);
}

}  // namespace

void MainWindow::optimiseImposition() {
    const std::optional<NestingOffer> offer = brontaxe::optimiseImposition(wb_, {});
    if (!offer) {
        QMessageBox::information(this, "Optimiser l'imposition",
                                 "Aucune pose ne tient sur le Format Carton.");
        return;
    }
    QMessageBox box(
        QMessageBox::Question, "Optimiser l'imposition",
        "Imposition optimisée : " +
            figures(static_cast<int>(offer->arrangement.poses.size()), offer->usedX, offer->usedY,
                    offer->sheetWaste) +
            "\nGrille : " +
            figures(offer->gridPoses, offer->gridUsedX, offer->gridUsedY, offer->gridWaste),
        QMessageBox::NoButton, this);
    QPushButton* take = box.addButton("Prendre", QMessageBox::AcceptRole);
    QPushButton* grid = wb_.nesting()
                            ? box.addButton("Revenir à la grille", QMessageBox::DestructiveRole)
                            : nullptr;
    box.addButton("Laisser", QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == take)
        regenerate([&] { return takeNestingOffer(wb_, *offer); });
    else if (grid && box.clickedButton() == grid)
        regenerate([&] { return leaveNesting(wb_); });
}

}  // namespace brontaxe::app
