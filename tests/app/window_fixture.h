#pragma once
// The real main window of a Qt test, shown and exposed, on the settings ctest gives that test
// (or on the folder given), and what a user does to it: types into a box and leaves it,
// chooses in a list, triggers a command.

#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "board/data_directory.h"
#include "drawing/drawing_dump.h"
#include "platform/paths.h"
#include "styles/generators.h"

namespace brontaxe::app {

// Fresh settings naming a copy of the shipped tables, so that "Valider" writes nowhere it
// matters.
inline std::filesystem::path settingsWithTableCopies(const platform::EnvironmentLookup& env) {
    namespace fs = std::filesystem;
    const fs::path settings = platform::windowsDirectory(env);
    const fs::path data = settings / "tables";
    std::error_code ec;
    fs::remove_all(settings, ec);
    fs::create_directories(data);
    const fs::path shipped = shippedDataDirectory(env);
    for (const char* name : {"csqual2.kor", "fefcomajo1.kor"})
        fs::copy_file(shipped / name, data / name);
    std::ofstream(settings / "korparam.ini")
        << "[Preferences]\nMajoFefco=" << data.string() << "/\n";
    return settings;
}

struct WindowFixture {
    explicit WindowFixture(Workbench::GeneratorLookup lookup = &findGenerator,
                           std::optional<std::string> commandLine = std::nullopt,
                           const std::optional<std::filesystem::path>& settings = std::nullopt)
        : env(platform::processEnvironment()),
          wb(platform::PrivateProfile(settings ? *settings : platform::windowsDirectory(env)),
             lookup, env),
          window(wb, std::move(commandLine)) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
    }

    template <class T>
    T* child(const char* name) {
        return window.findChild<T*>(name);
    }
    EntryBox* box(const char* name) { return child<EntryBox>(name); }
    // The box is left the way a user leaves it: the focus goes to another box.
    void typeAndLeave(const char* name, const QString& text) {
        EntryBox* b = box(name);
        b->setFocus();
        b->setText(text);
        box(std::string_view(name) == "largeur" ? "longueur" : "largeur")->setFocus();
        QCoreApplication::processEvents();
    }
    void choose(const char* comboName, int index) {
        auto* combo = child<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void trigger(const char* actionName) { child<QAction>(actionName)->trigger(); }
    QString status() { return child<QLabel>("statusMessage")->text(); }
    std::string dump() const { return dumpDrawing(wb.drawing()); }

    platform::EnvironmentLookup env;
    Workbench wb;
    MainWindow window;
};

}  // namespace brontaxe::app
