#include "app/commands/process_wait.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QThread>

#include "platform/child_process.h"

namespace brontaxe::app {

WaitOutcome runAndWait(QWidget* parent, const std::vector<std::string>& argv,
                       const QString& programName, QString* problem,
                       const std::string& workingDirectory) {
    std::string error;
    platform::ChildProcess process = platform::ChildProcess::start(argv, error, workingDirectory);
    if (!process.started()) {
        if (problem)
            *problem = QString::fromStdString(error);
        return WaitOutcome::NotStarted;
    }
    QProgressDialog progress(
        QStringLiteral("%1 est en cours d'exécution.\nBrontaxe reprendra à la fin du programme.")
            .arg(programName),
        QStringLiteral("Arrêter le programme"), 0, 0, parent);
    progress.setObjectName("attenteProgramme");
    progress.setWindowTitle(QStringLiteral("Brontaxe - Programme extérieur"));
    // Application-modal: the windows repaint and answer, but no command starts a second wait.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.show();
    const bool ended = platform::waitPumping(process, [&progress] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
        return !progress.wasCanceled();
    });
    return ended ? WaitOutcome::Ended : WaitOutcome::Stopped;
}

}  // namespace brontaxe::app
