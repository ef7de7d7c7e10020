#pragma once
// The real main window of a Qt test, on the settings ctest gives that test, shown and exposed.

#include <QtTest>
#include <optional>

#include "app/window/main_window.h"
#include "platform/paths.h"
#include "styles/generators.h"

namespace brontaxe::app {

struct ShownWindow {
    ShownWindow()
        : env(platform::processEnvironment()),
          wb(platform::PrivateProfile(platform::windowsDirectory(env)), &findGenerator, env),
          window(wb, std::nullopt) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    platform::EnvironmentLookup env;
    Workbench wb;
    MainWindow window;
};

}  // namespace brontaxe::app
