#pragma once
// "Règles de la forme": what the die of the current blank is made of, for its price.

class QWidget;

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

// Shows the rule report of the drawing on show (per pose and for the sheet when imposed).
void showRuleReport(const Workbench& wb, QWidget* parent);

}  // namespace brontaxe::app
