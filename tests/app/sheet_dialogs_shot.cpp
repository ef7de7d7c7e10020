// Opens the real window on fresh settings, then one of its dialogs, and saves a screenshot of
// the whole screen (scripts/dialog-screenshot.sh runs it under a virtual X server).
// Arguments: the picture to write, then what to show: "rcv" (Calcul RCV after "Calculer"),
// "modele" (the template chooser), "fiche" (the questionnaire of the shipped template, filled
// in) or "dessin" (the window with the filled sheet beside the blank).

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/dialogs/compression_dialog.h"
#include "app/dialogs/questionnaire_dialog.h"
#include "app/dialogs/sheet_template_dialog.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "shot_window.h"

namespace {

// Calls `body` once a modal dialog of type T is up and has been painted.
template <typename T>
void whenShown(std::function<void(T&)> body) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, body] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QTimer::singleShot(1200, d, [d, body] { body(*d); });
        }
    });
    timer->start(50);
}

bool grab(const QString& out) {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brontaxe::app;
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);
    brontaxe::app::ShotWindow shot(app);
    brontaxe::app::MainWindow& window = shot.window;
    int status = 1;
    auto fill = [&](QuestionnaireDialog& d) {
        d.answer(0)->setText(QStringLiteral("Cartonnerie Dupré"));
        d.answer(1)->setText(QStringLiteral("CD-2291"));
        d.answer(6)->setText(QStringLiteral("07/12/2026"));
        d.answer(7)->setText(QStringLiteral("M. Laroche"));
    };
    QTimer::singleShot(1500, &window, [&] {
        if (what == "rcv") {
            whenShown<CompressionDialog>([&](CompressionDialog& d) {
                d.compute();
                QTimer::singleShot(500, &d, [&] {
                    status = grab(out) ? 0 : 1;
                    d.reject();
                });
            });
            window.findChild<QToolButton*>("Image19")->click();
        } else {
            whenShown<SheetTemplateDialog>([&](SheetTemplateDialog& d) {
                if (what == "modele") {
                    status = grab(out) ? 0 : 1;
                    d.reject();
                    return;
                }
                whenShown<QuestionnaireDialog>([&](QuestionnaireDialog& ft) {
                    fill(ft);
                    if (what == "fiche") {
                        QTimer::singleShot(300, &ft, [&] {
                            status = grab(out) ? 0 : 1;
                            ft.validate();
                        });
                    } else {
                        ft.validate();
                        QTimer::singleShot(1500, &window, [&] {
                            window.view()->fitToWindow();
                            QTimer::singleShot(500, &window, [&] { status = grab(out) ? 0 : 1; });
                        });
                    }
                });
                d.validate();
            });
            window.findChild<QToolButton*>("Image10")->click();
        }
        QTimer::singleShot(4000, &app, [&] { app.exit(status); });
    });
    const int rc = app.exec();
    return rc == 0 ? status : rc;
}
