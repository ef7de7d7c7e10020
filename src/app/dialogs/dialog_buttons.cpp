#include "app/dialogs/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace brontaxe::app {

DialogButtons validateButtons(const char* okName, const char* cancelName,
                              const QString& cancelText) {
    auto* ok = new QPushButton(QStringLiteral("Valider"));
    ok->setObjectName(okName);
    ok->setDefault(true);
    auto* cancel = new QPushButton(cancelText);
    cancel->setObjectName(cancelName);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return {row, ok, cancel};
}

}  // namespace brontaxe::app
