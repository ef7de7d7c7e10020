#pragma once
// The code list: its open list shows each code with the note the catalogue keeps beside it
// ("forme non confirmée", "même découpe que 0301"), while the closed box, too narrow for the
// note, shows the code alone; the note of the code drawn stands under it.

#include <QComboBox>

namespace brontaxe::app {

class CodeCombo : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace brontaxe::app
