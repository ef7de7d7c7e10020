// "Optimiser l'imposition": the optimiser's arrangement for the sheet in the boxes (or a roll
// that wide, or the least sheet for a number of poses), shown beside the grid's for the user
// to take or leave; taken, it is the imposition.

#include <QInputDialog>
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
        waste < 0 ? QString("-") : QString::fromStdString(platform::readableNumber(waste, "%"));
    return QString("%1 poses, carton utilisé %2 mm, chute %3").arg(poses).arg(used, lost);
}

QString sheetText(const NestingOffer& o) {
    return QString::fromStdString("Format Carton : " + platform::formatNumber(o.sheetX, "#####") +
                                  " x " + platform::formatNumber(o.sheetY, "#####") + " mm");
}

}  // namespace

void MainWindow::optimiseImposition() {
    offerNesting(brontaxe::optimiseImposition(wb_, {.roll = wb_.imposition().roll}));
}

void MainWindow::smallestSheetForCount() {
    bool ok = false;
    const int count = QInputDialog::getInt(
        this, "Plus petit format pour N poses",
        "Nombre de poses :", std::max<int>(1, wb_.model().NbPoses), 1, 10000, 1, &ok);
    if (!ok)
        return;
    offerNesting(
        brontaxe::optimiseImposition(wb_, {.roll = wb_.imposition().roll, .count = count}));
}

void MainWindow::offerNesting(const std::optional<NestingOffer>& offer) {
    if (!offer) {
        QMessageBox::information(this, "Optimiser l'imposition",
                                 "Aucune pose ne tient sur le Format Carton.");
        return;
    }
    const Arrangement& a = offer->arrangement;
    const bool counted = a.pattern.limit > 0;
    const QString grid = "\nGrille : " + figures(offer->gridPoses, offer->gridUsedX,
                                                 offer->gridUsedY, offer->gridWaste);
    // On the sheet in the boxes, an arrangement no better than the grid is only said.
    if (!counted && !offer->beatsGrid()) {
        QMessageBox said(
            QMessageBox::Information, "Optimiser l'imposition",
            QString("L'imposition optimisée ne fait pas mieux que la grille : %1 poses.")
                    .arg(a.poses.size()) +
                grid +
                (offer->quarterTurns ? QString()
                                     : QString("\n(Sans quart de tour : cocher « Quart de tour "
                                               "permis » pour en essayer.)")),
            QMessageBox::NoButton, this);
        QPushButton* back = wb_.nesting()
                                ? said.addButton("Revenir à la grille", QMessageBox::AcceptRole)
                                : nullptr;
        said.setDefaultButton(said.addButton("Laisser", QMessageBox::RejectRole));
        said.exec();
        if (back && said.clickedButton() == back)
            regenerate([&] { return leaveNesting(wb_); });
        return;
    }
    QMessageBox box(QMessageBox::Question, "Optimiser l'imposition",
                    "Imposition optimisée : " +
                        figures(static_cast<int>(a.poses.size()), offer->usedX, offer->usedY,
                                offer->sheetWaste) +
                        "\n" + QString::fromStdString(arrangementText(a)) + "\nPoses à " +
                        QString::fromStdString(turnsText(a)) + "\n" + sheetText(*offer) + grid,
                    QMessageBox::NoButton, this);
    QPushButton* take = box.addButton("Prendre", QMessageBox::AcceptRole);
    QPushButton* back = wb_.nesting()
                            ? box.addButton("Revenir à la grille", QMessageBox::DestructiveRole)
                            : nullptr;
    box.addButton("Laisser", QMessageBox::RejectRole);
    box.setDefaultButton(take);
    box.exec();
    if (box.clickedButton() == take)
        regenerate([&] { return takeNestingOffer(wb_, *offer); });
    else if (back && box.clickedButton() == back)
        regenerate([&] { return leaveNesting(wb_); });
}

}  // namespace brontaxe::app
