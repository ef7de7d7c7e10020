// Opens the real window on fresh settings, then the pallet assistant for erected cases of the
// start-up box, works the pallet out with the built-in pattern and saves a screenshot of the
// whole screen (scripts/pallet-screenshot.sh runs it under a virtual X server).
// Arguments: the picture to write, then "saisie" for the inputs before the calculation.

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/dialogs/pallet_assistant_dialog.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString mode = argc > 2 ? QString(argv[2]) : QString();
    brontaxe::app::ShotWindow shot(app);
    brontaxe::Workbench& wb = shot.wb;
    brontaxe::app::MainWindow& window = shot.window;
    brontaxe::app::PalletAssistantDialog assistant(wb, brontaxe::pallet::LoadKind::ErectedCases,
                                                   "0201", QPixmap(), &window);
    int status = 1;
    QTimer::singleShot(1200, &window, [&] {
        assistant.show();
        if (mode != "saisie")
            assistant.findChild<QPushButton*>("Command1")->click();
        QTimer::singleShot(1500, &window, [&] {
            status = assistant.screen()->grabWindow(0).save(out) ? 0 : 1;
            app.exit(status);
        });
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
