// Opens the real window on fresh settings, then the allowance editor with "Majoration  1" of
// the 0201 being edited (13 mm instead of 2), and saves a screenshot of the whole screen
// (scripts/majo-screenshot.sh runs it under a virtual X server). The editor is then abandoned:
// no table is written. Argument: the picture to write.

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/dialogs/allowance_dialog.h"
#include "app/window/entry_box.h"
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
    brontaxe::app::MainWindow& window = shot.window;
    int status = 1;
    QTimer::singleShot(1500, &window, [&] {
        // The editor runs its own event loop until the screenshot closes it.
        QTimer::singleShot(1000, &window, [&] {
            auto* editor =
                qobject_cast<brontaxe::app::AllowanceDialog*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            // High on the screen, clear of the dimension chains under the blank.
            editor->move(window.x() + 330, window.y() + 20);
            brontaxe::app::EntryBox* first = editor->field(1);
            first->setFocus();
            first->setText(QStringLiteral("13"));
            QTest::keyClick(first, Qt::Key_Return);
            QTimer::singleShot(1500, editor, [&, editor] {
                const QPixmap shot = editor->screen()->grabWindow(0);
                status = shot.save(out) ? 0 : 1;
                editor->reject();
            });
        });
        window.editAllowances();
        app.exit(status);
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
