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

    // Check1_Click(k), also the three piece entries; "Tous", also tool image 17.
    void Check1_Click(int k);
    void mnmorceautous_Click();
    void mncaisse_en_2_Click();
    void mncaisse4_Click();
    void mn_senspass_Click(std::int16_t direction);

    // Check marks, check boxes and enabled entries as the model gives them.
    void show();

  private:
    // A French Yes/No question titled "4 pieces"; true for "Oui".
    bool ask(const QString& question);
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, bool checkable,
                      std::function<void()> run);

    Workbench& wb_;
    const StringTable& strings_;
    QWidget* window_;
    std::function<void(const std::function<RegenerationReport()>&)> regenerate_;
    std::function<void()> openPasses_;
    bool MajMorceaux_ = false;

    QAction* mnmorceautous_ = nullptr;
    std::array<QAction*, 3> pieceEntries_{};
    QAction* mncaisse_en_2_ = nullptr;
    QAction* mncaisse4_ = nullptr;
    QAction* mn_senspassX_ = nullptr;
    QAction* mn_senspassY_ = nullptr;
    std::array<QCheckBox*, 3> Check1_{};
};

}  // namespace brontaxe::app
