#include "app/window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brontaxe::app {

bool installFrenchTranslations(QCoreApplication& app) {
    // The program is French whatever the system says: Qt's dialogs write dates, sizes and
    // numbers the French way, and name file types in French.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Owned by the application, which keeps it as long as it runs.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace brontaxe::app
