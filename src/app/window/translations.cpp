#include "app/window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <clocale>
#include <cstring>

namespace brontaxe::app {
namespace {

struct Supplement {
    const char* context;
    const char* source;
    const char* french;
};

// Texts of Qt's dialogs that the shipped French translations leave in English.
constexpr std::array<Supplement, 6> kSupplements{{
    {"QAbstractFileIconProvider", "Folder", "Dossier"},
    {"QAbstractFileIconProvider", "File", "Fichier"},
    {"QAbstractFileIconProvider", "%1 File", "Fichier %1"},
    {"QAbstractFileIconProvider", "Drive", "Lecteur"},
    {"QPrintPropertiesDialog", "Printer Properties", "Propriétés de l'imprimante"},
    {"QPrintPropertiesWidget", "Advanced", "Avancé"},
}};

class SupplementTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        for (const Supplement& s : kSupplements) {
            if (std::strcmp(context, s.context) == 0 && std::strcmp(source, s.source) == 0)
                return QString::fromUtf8(s.french);
        }
        return {};
    }
};

}  // namespace

void preferFrenchSystemLocale() {
    // Qt takes the locale for each category from LC_ALL first; the language of the print
    // system's options follows it too.
    qputenv("LC_ALL", "fr_FR.UTF-8");
}

bool installFrenchTranslations(QCoreApplication& app) {
    // The application object made the C library follow the environment: its numbers keep the
    // point that every file written here relies on.
    std::setlocale(LC_NUMERIC, "C");
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
    // Installed last, asked first.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new SupplementTranslator(&app));
}

}  // namespace brontaxe::app
