#pragma once
// What every screenshot program starts from: the real main window, in French, on the settings
// of the environment (the screenshot scripts give it fresh ones), shown.

#include <QApplication>
#include <optional>

#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "platform/paths.h"
#include "styles/generators.h"

namespace brontaxe::app {

struct ShotWindow {
    explicit ShotWindow(QApplication& app)
        : french(installFrenchTranslations(app)),
          env(platform::processEnvironment()),
          wb(platform::PrivateProfile(platform::windowsDirectory(env)), &findGenerator, env),
          window(wb, std::nullopt) {
        window.show();
    }

    bool french;  // before the window, which reads its texts when built
    platform::EnvironmentLookup env;
    Workbench wb;
    MainWindow window;
};

}  // namespace brontaxe::app
