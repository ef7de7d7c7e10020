// Opens the real window on fresh settings and its "Vue pliée 3D", types each style given into
// the code box, and saves screenshots of the folding window at 50 % and 100 %, and one of
// the whole screen with the folded preview (scripts/fold-screenshots.sh runs it under a
// virtual X server). Arguments: the output folder, then the codes.

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include "app/views/fold_window.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

namespace {

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* w, const QString& file) {
    const QRect frame = w->frameGeometry();
    return w->screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(file);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    brontaxe::app::ShotWindow shot(app);
    brontaxe::app::MainWindow& window = shot.window;
    window.move(0, 0);
    settle(1000);
    window.showFoldWindow();
    brontaxe::app::FoldWindow* folding = window.foldWindow();
    folding->resize(640, 500);
    folding->move(340, 200);
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const QString code = QString::fromLocal8Bit(argv[i]);
        auto* box = window.findChild<brontaxe::app::EntryBox*>("txtModel");
        box->setText(code);
        emit box->committed();
        for (int percent : {50, 100}) {
            folding->slider()->setValue(percent);
            settle(500);
            const QString file =
                QStringLiteral("%1/pliage-%2-%3.png").arg(folder, code).arg(percent);
            status |= save(folding, file) ? 0 : 1;
        }
        if (i == 2) {
            status |= window.screen()->grabWindow(0).save(folder + "/pliage-fenetre.png") ? 0 : 1;
        }
    }
    return status;
}
