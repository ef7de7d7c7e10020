// brontaxe: the main window on the settings of the user's settings directory.

#include <QApplication>
#include <QTimer>

#include "app/views/drawing_view.h"
#include "app/window/first_paint_stamp.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/heap_tuning.h"
#include "platform/paths.h"
#include "platform/pending_files.h"
#include "styles/generators.h"

int main(int argc, char** argv) {
    brontaxe::platform::keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    brontaxe::app::installFrenchTranslations(app);
    // Ctrl+C or `kill` during a save must not leave its temporary file behind.
    brontaxe::platform::removePendingFilesOnSignals();
    // Qt has taken its own options out of argv; what is left is the drawing file name.
    std::optional<std::string> commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine = commandLine ? *commandLine + " " + argv[i] : std::string(argv[i]);

    const auto env = brontaxe::platform::processEnvironment();
    brontaxe::Workbench wb(
        brontaxe::platform::PrivateProfile(brontaxe::platform::windowsDirectory(env)),
        &brontaxe::findGenerator, env);
    brontaxe::app::MainWindow window(wb, commandLine);
    if (auto stampFile = env("BRONTAXE_FIRST_PAINT"))
        brontaxe::app::stampFirstPaint(*window.view(), *stampFile);
    window.show();
    // Once the window stands, a design a crash left unsaved is offered back.
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return app.exec();
}
