// Opens the real window on fresh settings, then the "Architecture" chooser over it on a 0201
// over a 0711, and saves a screenshot of the whole screen (scripts/architecture-screenshot.sh
// runs it under a virtual X server). Argument: the picture to write.

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "app/dialogs/architecture_dialog.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    brontaxe::app::ShotWindow shot(app);
    brontaxe::Workbench& wb = shot.wb;
    brontaxe::app::MainWindow& window = shot.window;
    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        wb.model().TypeDessus = 201;
        wb.model().TypeDessous = 711;
        brontaxe::app::ArchitectureDialog dialog(wb.model(), &window);
        QTimer::singleShot(1500, &dialog, [&] {
            const QPixmap shot = dialog.screen()->grabWindow(0);
            status = shot.save(out) ? 0 : 1;
            dialog.reject();
        });
        dialog.exec();
        app.exit(status);
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
