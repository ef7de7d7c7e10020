#pragma once
// The main window's technical-sheet commands: the tool image that inserts the chosen template
// beside the blank and opens its questionnaire, and "Modèle Fiche Technique".

#include <functional>

class QWidget;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

// `redraw` shows the drawing again once it changed.
void technicalSheetCommand(Workbench& wb, QWidget* parent, const std::function<void()>& redraw);
void chooseSheetTemplate(Workbench& wb, QWidget* parent);
// The questionnaire on the drawing's sheet; a sheet of more than 199 fields is refused with a
// message. Returns whether the answers were written.
bool showQuestionnaire(Workbench& wb, QWidget* parent);

}  // namespace brontaxe::app
