// Opens the real window on fresh settings, then one of its tool dialogs, and saves a
// screenshot of the whole screen (scripts/tool-dialog-screenshot.sh runs it under a virtual X
// server). Arguments: the picture to write, then "passages" (a two-piece 0201) or "section"
// (a 0201 cut at 700 mm, the left part kept).

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "app/dialogs/section_dialog.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString which = QString::fromLocal8Bit(argv[2]);
    brontaxe::app::ShotWindow shot(app);
    brontaxe::app::MainWindow& window = shot.window;
    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        // The dialog runs its own event loop until the screenshot closes it.
        QTimer::singleShot(2000, &window, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            if (auto* section = qobject_cast<brontaxe::app::SectionDialog*>(dialog)) {
                section->positionBox()->setText("700");
                section->apply();
            }
            QTimer::singleShot(1000, &window, [&, dialog] {
                const QPixmap shot = dialog->screen()->grabWindow(0);
                status = shot.save(out) ? 0 : 1;
                dialog->close();
            });
        });
        if (which == "passages") {
            window.findChild<QAction*>("mncaisse_en_2")->trigger();
            window.showMachinePasses();
        } else {
            window.openSection();
        }
        app.exit(status);
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
