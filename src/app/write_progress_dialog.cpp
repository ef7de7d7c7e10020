#include "app/write_progress_dialog.h"

namespace brontaxe::app {

constexpr int kShownAfterMs = 500;

WriteProgressDialog::WriteProgressDialog(QWidget* parent, const QString& fileName)
    : dialog_(QStringLiteral("Écriture de %1...").arg(fileName), QStringLiteral("Arrêter"), 0, 100,
              parent) {
    dialog_.setObjectName("writeProgress");
    dialog_.setWindowTitle(QStringLiteral("Enregistrement"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShownAfterMs);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

io::WriteProgress WriteProgressDialog::progress() {
    return io::WriteProgress([this](double share) {
        // A window-modal dialog's setValue also runs the event loop: the button is heard.
        dialog_.setValue(static_cast<int>(share * 100));
        return !dialog_.wasCanceled();
    });
}

}  // namespace brontaxe::app
