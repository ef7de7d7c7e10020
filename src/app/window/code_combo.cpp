#include "app/window/code_combo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace brontaxe::app {

void CodeCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // Each entry's data is its code.
    if (currentIndex() >= 0)
        option.currentText = currentData().toString();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace brontaxe::app
