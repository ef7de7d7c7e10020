// Screenshots of the real window under a virtual X server (scripts/edition-screenshot.sh):
// "edition" the "Édition" menu open after a change, "recuperation" the question at start
// after a design was left unsaved, "majo0427" the allowance editor of a 0427. Arguments:
// the picture, then what to show.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/commands/recovery_file.h"
#include "app/dialogs/allowance_dialog.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "shot_window.h"

namespace {

using brontaxe::app::EntryBox;
using brontaxe::app::MainWindow;

void type(MainWindow& window, const char* box, const QString& text) {
    auto* b = window.findChild<EntryBox*>(box);
    b->setFocus();
    b->setText(text);
    QTest::keyClick(b, Qt::Key_Return);
}

// Saves the screen to `out` once `opened` has shown what is to be seen, then closes it.
void shootWhenShown(QWidget& window, const QString& out, int& status,
                    const std::function<QWidget*()>& shown) {
    QTimer::singleShot(1200, &window, [&window, out, &status, shown] {
        QWidget* w = shown();
        status = window.screen()->grabWindow(0).save(out) ? 0 : 1;
        if (w)
            w->close();
        QApplication::exit(status);
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);
    brontaxe::app::ShotWindow shot(app);
    MainWindow& window = shot.window;
    int status = 1;
    QTimer::singleShot(1000, &window, [&] {
        if (what == "edition") {
            type(window, "longueur", QStringLiteral("450"));
            auto* menu = window.findChild<QMenu*>("mnedition");
            window.menuBar()->setActiveAction(menu->menuAction());
            shootWhenShown(window, out, status, [menu] { return menu; });
        } else if (what == "recuperation") {
            type(window, "longueur", QStringLiteral("456"));  // written aside at once
            shootWhenShown(window, out, status, [] { return QApplication::activeModalWidget(); });
            window.offerRecovery();
        } else if (what == "majo0427") {
            type(window, "txtModel", QStringLiteral("0427"));
            QTimer::singleShot(800, &window, [&] {
                auto* editor = qobject_cast<brontaxe::app::AllowanceDialog*>(
                    QApplication::activeModalWidget());
                if (!editor)
                    return;
                editor->move(window.x() + 330, window.y() + 20);
                editor->field(3)->setFocus();
            });
            shootWhenShown(window, out, status, [] { return QApplication::activeModalWidget(); });
            window.editAllowances();
        }
    });
    const int rc = app.exec();
    window.recovery().remove();
    return rc == 0 ? status : rc;
}
