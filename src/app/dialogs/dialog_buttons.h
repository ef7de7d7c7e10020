#pragma once
// The row of buttons that ends a dialog: "Valider", the default button, then the way out,
// both right-aligned.

#include <QString>

class QHBoxLayout;
class QPushButton;

namespace brontaxe::app {

struct DialogButtons {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
};

// The buttons carry the object names given (the tests and the string table find them so).
DialogButtons validateButtons(const char* okName, const char* cancelName,
                              const QString& cancelText = QStringLiteral("Annuler"));

}  // namespace brontaxe::app
