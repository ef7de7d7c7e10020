#pragma once
// The window's progress dialog for a long write or print: it shows after half a second (at
// once for a large drawing), and its "Arrêter" button stops the work (the writers then leave
// no file behind). A job that cannot be stopped half-way shows its progress without the button.

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>
#include <cstddef>

#include "io/write_progress.h"

namespace brontaxe::app {

class WriteProgressDialog {
  public:
    // Writing the file `fileName`, of a drawing of `elements` elements.
    WriteProgressDialog(QWidget* parent, const QString& fileName, std::size_t elements);

    struct Print {
        bool stoppable;
        QString title;  // the job's name
    };
    // Painting the pages of a print or of its preview.
    WriteProgressDialog(QWidget* parent, Print print);

    // The progress to hand to the writer; valid while this dialog lives.
    io::WriteProgress progress();

    QProgressDialog& dialog() { return dialog_; }

  private:
    WriteProgressDialog(QWidget* parent, const QString& title, const QString& label,
                        qint64 shownAfterMs, bool stoppable);

    QProgressDialog dialog_;
    QElapsedTimer started_;
    qint64 shownAfterMs_;
    bool stoppable_;
};

}  // namespace brontaxe::app
