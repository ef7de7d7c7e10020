#include "app/dialogs/write_progress_dialog.h"

#include <QCoreApplication>
#include <limits>

#include "app/commands/print_job.h"

namespace brontaxe::app {

constexpr qint64 kShownAfterMs = 500;
// The vector formats do most of their work after the last element, in Cairo's finishing pass,
// which reports nothing: a drawing this large shows its dialog from the start.
constexpr std::size_t kShownAtOnce = 50'000;

WriteProgressDialog::WriteProgressDialog(QWidget* parent, const QString& fileName,
                                         std::size_t elements)
    : WriteProgressDialog(parent, QStringLiteral("Enregistrement"),
                          QStringLiteral("Écriture de %1...").arg(fileName),
                          elements >= kShownAtOnce ? 0 : kShownAfterMs, true) {}

WriteProgressDialog::WriteProgressDialog(QWidget* parent, Print print)
    : WriteProgressDialog(parent, QStringLiteral("Impression"),
                          QStringLiteral("Préparation des pages de %1...").arg(print.title),
                          kShownAfterMs, print.stoppable) {}

WriteProgressDialog::WriteProgressDialog(QWidget* parent, const QString& title,
                                         const QString& label, qint64 shownAfterMs, bool stoppable)
    : dialog_(label, QStringLiteral("Arrêter"), 0, 100, parent),
      shownAfterMs_(shownAfterMs),
      stoppable_(stoppable) {
    dialog_.setObjectName("writeProgress");
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    if (!stoppable)
        dialog_.setCancelButton(nullptr);
    // Shown by the work itself, which holds the event loop: QProgressDialog's own timing needs
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
        // Without the button, closing the dialog does not stop a job that cannot stop.
        return !stoppable_ || !dialog_.wasCanceled();
    });
}

}  // namespace brontaxe::app
