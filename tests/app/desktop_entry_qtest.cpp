// What the desktop hands the window: its command line (a file name to save under, a drawing
// to open on a double click, --help and --version for the shell and the manual pages).

#include <QtTest>

#include "app/window/window_arguments.h"

using brontaxe::app::readWindowArguments;
using brontaxe::app::WindowArguments;

Q_DECLARE_METATYPE(std::vector<std::string>)

class DesktopEntryTest : public QObject {
    Q_OBJECT
  private slots:
    void readsTheCommandLine_data() {
        QTest::addColumn<std::vector<std::string>>("args");
        QTest::addColumn<QString>("commandLine");  // "-" for none
        QTest::addColumn<QString>("openFile");     // "-" for none
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        using V = std::vector<std::string>;
        QTest::newRow("nothing") << V{} << "-"
                                 << "-" << false << false;
        QTest::newRow("a save name") << V{"boite.des"} << "boite.des"
                                     << "-" << false << false;
        // A name with blanks comes in words; the window takes them back as one name.
        QTest::newRow("a name in words") << V{"ma", "boite.des"} << "ma boite.des"
                                         << "-" << false << false;
        QTest::newRow("a double click") << V{"--ouvrir", "/d/x.des"} << "-"
                                        << "/d/x.des" << false << false;
        QTest::newRow("open and name") << V{"nom.des", "--ouvrir", "x.des"} << "nom.des"
                                       << "x.des" << false << false;
        // The menu entry started without a file: the window, with nothing to open.
        QTest::newRow("--ouvrir alone") << V{"--ouvrir"} << "-"
                                        << "-" << false << false;
        QTest::newRow("--ouvrir empty") << V{"--ouvrir", ""} << "-"
                                        << "-" << false << false;
        QTest::newRow("--ouvrir empty, then a name") << V{"--ouvrir", "", "nom.des"} << "nom.des"
                                                     << "-" << false << false;
        QTest::newRow("--help") << V{"--help"} << "-"
                                << "-" << true << false;
        QTest::newRow("-h") << V{"-h"} << "-"
                            << "-" << true << false;
        QTest::newRow("--version") << V{"--version"} << "-"
                                   << "-" << false << true;
    }
    void readsTheCommandLine() {
        QFETCH(std::vector<std::string>, args);
        QFETCH(QString, commandLine);
        QFETCH(QString, openFile);
        QFETCH(bool, help);
        QFETCH(bool, version);
        const WindowArguments a = readWindowArguments(args);
        const auto text = [](const std::optional<std::string>& s) {
            return s ? QString::fromStdString(*s) : QStringLiteral("-");
        };
        QCOMPARE(text(a.commandLine), commandLine);
        QCOMPARE(text(a.openFile), openFile);
        QCOMPARE(a.help, help);
        QCOMPARE(a.version, version);
    }

    // help2man reads the program's name and version from the first line, and the options
    // from the lines that begin with a dash.
    void helpAndVersionReadAsTheManualPagesNeed() {
        const QString version = QString::fromStdString(brontaxe::app::windowVersionText());
        QVERIFY2(QRegularExpression("^brontaxe \\d+\\.\\d+\\.\\d+\\n$").match(version).hasMatch(),
                 qPrintable(version));
        const QString help = QString::fromStdString(brontaxe::app::windowHelpText());
        for (const char* option : {"\n  --ouvrir FICHIER ", "\n  -h, --help ", "\n  --version "})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        // French typography: no line breaks before a colon or a semicolon.
        QVERIFY2(help.startsWith(QStringLiteral("Utilisation\u00a0: brontaxe ")), qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("\nOptions\u00a0:\n")), qPrintable(help));
        QVERIFY2(!help.contains(QLatin1String(" :")) && !help.contains(QLatin1String(" ;")),
                 qPrintable(help));
    }
};

QTEST_MAIN(DesktopEntryTest)
#include "desktop_entry_qtest.moc"
