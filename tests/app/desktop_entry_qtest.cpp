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
        QTest::addColumn<bool>("refused");
        using V = std::vector<std::string>;
        QTest::newRow("nothing") << V{} << "-"
                                 << "-" << false << false << false;
        QTest::newRow("a save name") << V{"boite.des"} << "boite.des"
                                     << "-" << false << false << false;
        // A name with blanks comes in words; the window takes them back as one name.
        QTest::newRow("a name in words") << V{"ma", "boite.des"} << "ma boite.des"
                                         << "-" << false << false << false;
        QTest::newRow("a double click") << V{"--ouvrir", "/d/x.des"} << "-"
                                        << "/d/x.des" << false << false << false;
        QTest::newRow("open and name") << V{"nom.des", "--ouvrir", "x.des"} << "nom.des"
                                       << "x.des" << false << false << false;
        QTest::newRow("--ouvrir alone") << V{"--ouvrir"} << "-"
                                        << "-" << false << false << true;
        QTest::newRow("--ouvrir empty") << V{"--ouvrir", ""} << "-"
                                        << "-" << false << false << true;
        QTest::newRow("--help") << V{"--help"} << "-"
                                << "-" << true << false << false;
        QTest::newRow("-h") << V{"-h"} << "-"
                            << "-" << true << false << false;
        QTest::newRow("--version") << V{"--version"} << "-"
                                   << "-" << false << true << false;
    }
    void readsTheCommandLine() {
        QFETCH(std::vector<std::string>, args);
        QFETCH(QString, commandLine);
        QFETCH(QString, openFile);
        QFETCH(bool, help);
        QFETCH(bool, version);
        QFETCH(bool, refused);
        const WindowArguments a = readWindowArguments(args);
        const auto text = [](const std::optional<std::string>& s) {
            return s ? QString::fromStdString(*s) : QStringLiteral("-");
        };
        QCOMPARE(text(a.commandLine), commandLine);
        QCOMPARE(text(a.openFile), openFile);
        QCOMPARE(a.help, help);
        QCOMPARE(a.version, version);
        QCOMPARE(a.refusal.has_value(), refused);
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
    }
};

QTEST_MAIN(DesktopEntryTest)
#include "desktop_entry_qtest.moc"
