// Opens the real window on fresh settings, then its print preview, and saves a screenshot of
// the whole screen (scripts/print-preview-screenshot.sh runs it under a virtual X server).
// Arguments: the picture to write, then "reelle" for the true-scale preview.

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "app/commands/file_commands.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool trueScale = argc > 2 && QString(argv[2]) == "reelle";
    brontaxe::app::ShotWindow shot(app);
    brontaxe::app::MainWindow& window = shot.window;
    if (trueScale)
        window.files().setPrintScale(brontaxe::app::PrintScale::TrueScale);
    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        // The preview runs its own event loop until the screenshot closes it.
        QTimer::singleShot(2500, &window, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (preview) {
                const QPixmap shot = preview->screen()->grabWindow(0);
                status = shot.save(out) ? 0 : 1;
                preview->close();
            }
        });
        window.files().print();
        app.exit(status);
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
