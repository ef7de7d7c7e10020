#pragma once
// A text box as the window's boxes behave: the whole text selected when it gets the focus,
// the entry taken when it is left or Enter is pressed (and then selected again). A refused
// entry puts the last accepted text back and frames the box in red until the next accepted
// entry.

#include <QLineEdit>

namespace brontaxe::app {

class EntryBox : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // The text now shown is the value the box stands for; the red frame goes.
    void acceptEntry();
    // The entry is refused: the accepted text comes back and the box is framed in red.
    void refuseEntry();
    bool refused() const { return refused_; }
    const QString& acceptedText() const { return accepted_; }

  signals:
    void committed();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showRefused(bool refused);

    QString accepted_;
    bool refused_ = false;
};

}  // namespace brontaxe::app
