#include "app/write_progress_dialog.h"

#include <QCoreApplication>
#include <limits>

namespace brontaxe::app {

constexpr qint64 kShownAfterMs = 500;
// The vector formats do most of their work after the last element, in Cairo's finishing pass,
// which reports nothing: a drawing this large shows its dialog from the start.
constexpr std::size_t kShownAtOnce = 50'000;

WriteProgressDialog::WriteProgressDialog(QWidget* parent, const QString& fileName,
                                         std::size_t elements)
    : dialog_(QStringLiteral("Écriture de %1...").arg(fileName), QStringLiteral("Arrêter"), 0, 100,
              parent),
      shownAfterMs_(elements >= kShownAtOnce ? 0 : kShownAfterMs) {
    dialog_.setObjectName("writeProgress");
    dialog_.setWindowTitle(QStringLiteral("Enregistrement"));
    dialog_.setWindowModality(Qt::WindowModal);
    // Shown by the write itself, which holds the event loop: QProgressDialog's own timing needs
    // that loop.
    dialog_.setMinimumDuration(std::numeric_limits<int>::max());
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    started_.start();
}

io::WriteProgress WriteProgressDialog::progress() {
    return io::WriteProgress([this](double share) {
        if (!dialog_.isVisible() && started_.elapsed() >= shownAfterMs_)
            dialog_.show();
        dialog_.setValue(static_cast<int>(share * 100));
        if (dialog_.isVisible())
            QCoreApplication::processEvents();  // the "Arrêter" button is heard
        return !dialog_.wasCanceled();
    });
}

}  // namespace brontaxe::app
