#pragma once
// Qt's own French texts, so that the standard dialogs (files, printing, colours, questions)
// speak the language of the rest of the window, whatever locale the session runs under.

class QCoreApplication;

namespace brontaxe::app {

// Before the application object exists: Qt reads the system's locale from the environment
// once, and the file dialog writes dates and sizes in that locale, not the default one. The
// program's environment is made French for Qt (and for the print system it starts).
void preferFrenchSystemLocale();

// Makes French the default locale, keeps the C library's numbers with a decimal point (the
// files written depend on it), then loads Qt's French translations from the system's
// translation folder (the Debian package qt6-translations-l10n) and installs them, with the few
// texts they lack. False when they are not installed: the dialogs then stay in English.
bool installFrenchTranslations(QCoreApplication& app);

}  // namespace brontaxe::app
