#pragma once
// The main window's commands that hand the blank to outside programs: the pallet assistant and
// the palletisation program, the three "Pliage 3D" exports, "Ouvrir avec KorGEOM" and the
// compression calculator. Each says in French when a program is missing or does not start.

#include <QObject>
#include <QPixmap>
#include <functional>

#include "platform/paths.h"
#include "workbench/outside_launchers.h"

class QMenu;
class QWidget;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

struct OutsideHost {
    QWidget* window = nullptr;
    std::function<QString()> styleText;          // the style list's text
    std::function<QPixmap()> preview;            // the preview picture
    std::function<void()> drawingChanged;        // the view shows the drawing again
    std::function<void()> save;                  // "Sauver"
    std::function<std::string()> fileName;       // the drawing's file name after the save
    std::function<void()> closeWindow;           // ends the program
    std::function<void(const QString&)> status;  // what was done, in the status bar
    std::function<void(const QString&)> fault;   // what went wrong, in red there
};

class OutsideCommands : public QObject {
    Q_OBJECT
  public:
    OutsideCommands(Workbench& wb, OutsideHost host, QObject* parent = nullptr);

    // "Pliage 3D" with its three entries.
    QMenu* addFoldingMenu(QMenu* parent, int captionEntry);

    void palletise();                     // the pallet assistant
    void runPalletisationProgram();       // "Stapelix", waited for
    void export3D(tools::Export3D kind);  // "Korvane 3D", "3D Presenter", "Pliao"
    void openInCad();                     // "Ouvrir avec KorGEOM"
    void runCompressionCalculator();      // the compression calculator, waited for

  private:
    void problem(const QString& text);
    tools::OutsidePrograms programs() const;

    Workbench& wb_;
    OutsideHost host_;
    platform::EnvironmentLookup env_;
};

}  // namespace brontaxe::app
