#pragma once
// Qt's own French texts, so that the standard dialogs (files, printing, colours, questions)
// speak the language of the rest of the window.

class QCoreApplication;

namespace brontaxe::app {

// Makes French the default locale, then loads Qt's French translations from the system's
// translation folder (the Debian package qt6-translations-l10n) and installs them. False when
// they are not installed: the dialogs then stay in English.
bool installFrenchTranslations(QCoreApplication& app);

}  // namespace brontaxe::app
