#include "app/window/entry_box.h"

#include <QKeyEvent>
#include <QTimer>

namespace brontaxe::app {

void EntryBox::acceptEntry() {
    accepted_ = text();
    showRefused(false);
}

void EntryBox::refuseEntry() {
    setText(accepted_);
    showRefused(true);
}

void EntryBox::showRefused(bool refused) {
    if (refused == refused_)
        return;
    refused_ = refused;
    setProperty("refused", refused);
    setStyleSheet(refused ? QStringLiteral("QLineEdit { border: 2px solid #d00000; "
                                           "border-radius: 2px; background: #fff4f4; }")
                          : QString());
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit committed();
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit committed();
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace brontaxe::app
