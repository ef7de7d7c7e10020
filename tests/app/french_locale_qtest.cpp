// Whatever locale the session runs under (ctest's is the C locale), the program and Qt's
// dialogs are French: their texts, the file dialog's types, dates and sizes, and decimal
// commas; and the numbers the C library writes into files keep their point.

#include <QApplication>
#include <QDate>
#include <QFileSystemModel>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "app/window/translations.h"

class FrenchLocaleTest : public QObject {
    Q_OBJECT
  private slots:
    void qtsOwnDialogsSpeakFrench() {
        QCOMPARE(QLocale().language(), QLocale::French);
        QCOMPARE(QLocale().monthName(12), QString("décembre"));
        QCOMPARE(QLocale().toString(2.5), QString("2,5"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Open"), QString("Ouvrir"));
        QCOMPARE(QCoreApplication::translate("QColorDialog", "Select Color"),
                 QString("Sélectionner une couleur"));
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesDialog", "Printer Properties"),
                 QString("Propriétés de l'imprimante"));
        QCOMPARE(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
                 QString("Avancé"));
    }

    // The file dialog's columns are written in the system's locale, not the default one.
    void theFileDialogWritesTypesDatesAndSizesInFrench() {
        QCOMPARE(QLocale::system().language(), QLocale::French);
        QCOMPARE(QLocale::system().formattedDataSize(7570), QString("7,39 Kio"));
        QCOMPARE(QLocale::system().toString(QDate(2026, 12, 8), "d MMM"), QString("8 déc."));

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("plans"));
        QFileSystemModel model;
        const QModelIndex root = model.setRootPath(dir.path());
        QTRY_COMPARE(model.rowCount(root), 1);
        const QModelIndex folder = model.index(0, 2, root);
        QCOMPARE(model.data(folder).toString(), QString("Dossier"));
    }

    void theCLibraryKeepsTheDecimalPoint() {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 2.5);
        QCOMPARE(QString(text), QString("2.5"));
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    brontaxe::app::preferFrenchSystemLocale();
    QApplication app(argc, argv);
    if (!brontaxe::app::installFrenchTranslations(app))
        return 1;
    FrenchLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "french_locale_qtest.moc"
