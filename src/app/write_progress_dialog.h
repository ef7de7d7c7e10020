#pragma once
// The window's progress dialog for a long write: it shows after half a second (at once for a
// large drawing), and its "Arrêter" button stops the write (the writers then leave no file
// behind).

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>
#include <cstddef>

#include "io/write_progress.h"

namespace brontaxe::app {

class WriteProgressDialog {
  public:
    WriteProgressDialog(QWidget* parent, const QString& fileName, std::size_t elements);

    // The progress to hand to the writer; valid while this dialog lives.
    io::WriteProgress progress();

    QProgressDialog& dialog() { return dialog_; }

  private:
    QProgressDialog dialog_;
    QElapsedTimer started_;
    qint64 shownAfterMs_;
};

}  // namespace brontaxe::app
