#pragma once
// A text box as the window's boxes behave: the whole text selected when it gets the focus,
// the entry taken when it is left or Enter is pressed (and then selected again).

#include <QLineEdit>

namespace brontaxe::app {

class EntryBox : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void committed();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace brontaxe::app
