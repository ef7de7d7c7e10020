// brontaxe: the main window on the settings of the user's settings directory.

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/commands/file_commands.h"
#include "app/views/drawing_view.h"
#include "app/window/first_paint_stamp.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "app/window/window_arguments.h"
#include "platform/heap_tuning.h"
#include "platform/paths.h"
#include "platform/pending_files.h"
#include "styles/generators.h"

namespace {

brontaxe::app::WindowArguments readArguments(int argc, char** argv) {
    return brontaxe::app::readWindowArguments(std::vector<std::string>(argv + 1, argv + argc));
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no screen: answered before Qt looks for one.
    if (const auto early = readArguments(argc, argv); early.help || early.version) {
        std::cout << (early.help ? brontaxe::app::windowHelpText()
                                 : brontaxe::app::windowVersionText());
        return 0;
    }
    brontaxe::platform::keepFreedMemoryForReuse();
    brontaxe::app::preferFrenchSystemLocale();
    QApplication app(argc, argv);
    brontaxe::app::installFrenchTranslations(app);
    // Ctrl+C or `kill` during a save must not leave its temporary file behind.
    brontaxe::platform::removePendingFilesOnSignals();
    // Qt has taken its own options out of argv; what is left is ours.
    const brontaxe::app::WindowArguments arguments = readArguments(argc, argv);

    const auto env = brontaxe::platform::processEnvironment();
    brontaxe::Workbench wb(
        brontaxe::platform::PrivateProfile(brontaxe::platform::windowsDirectory(env)),
        &brontaxe::findGenerator, env);
    brontaxe::app::MainWindow window(wb, arguments.commandLine);
    if (auto stampFile = env("BRONTAXE_FIRST_PAINT"))
        brontaxe::app::stampFirstPaint(*window.view(), *stampFile);
    window.show();
    // A drawing opened from the file manager: its design comes back as with "Ouvrir...".
    // Otherwise, once the window stands, a design a crash left unsaved is offered back.
    if (arguments.openFile)
        window.files().openFile(*arguments.openFile);
    else
        QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return app.exec();
}
