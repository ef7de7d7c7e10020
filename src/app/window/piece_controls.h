#pragma once
// The window's piece and pass-direction controls: the menu "Morceaux" ("Tous", the three
// pieces, "Caisse en 2 morceaux", "Caisse en 4 morceaux"), the three piece check boxes of the
// tool column and tool image 17, and the menu "Passages-Machine". Every check mark follows the
// model after each command, so menus and boxes never disagree.

#include <QObject>
#include <array>
#include <functional>

#include "workbench/workbench.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QMenu;
class QMenuBar;
class QString;
class QWidget;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

class PieceControls : public QObject {
    Q_OBJECT
  public:
    // `regenerate` runs a handler the way the window runs every input; `openPasses` opens the
    // machine passes dialog.
    PieceControls(Workbench& wb, const StringTable& strings, QWidget* window,
                  std::function<void(const std::function<RegenerationReport()>&)> regenerate,
                  std::function<void()> openPasses);

    void buildMenus(QMenuBar* bar);
    // The three check boxes, under tool image 17 in the tool column.
    void buildCheckBoxes(QBoxLayout* column);

    // pieceBoxClicked(k), also the three piece entries; "Tous", also tool image 17.
    void pieceBoxClicked(int k);
    void allPiecesChosen();
    void twoPieceCaseChosen();
    void fourPieceCaseChosen();
    void passDirectionChosen(AlongAxis direction);

    // Check marks, check boxes and enabled entries as the model gives them.
    void show();

  private:
    // A French Yes/No question titled "4 pièces"; true for "Oui".
    bool ask(const QString& question);
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, bool checkable,
                      std::function<void()> run);

    Workbench& wb_;
    const StringTable& strings_;
    QWidget* window_;
    std::function<void(const std::function<RegenerationReport()>&)> regenerate_;
    std::function<void()> openPasses_;
    bool updatingChecks_ = false;

    QAction* allPiecesEntry_ = nullptr;
    std::array<QAction*, 3> pieceEntries_{};
    QAction* twoPieceEntry_ = nullptr;
    QAction* fourPieceEntry_ = nullptr;
    QAction* passAlongXEntry_ = nullptr;
    QAction* passAlongYEntry_ = nullptr;
    std::array<QCheckBox*, 3> pieceBoxes_{};
};

}  // namespace brontaxe::app
