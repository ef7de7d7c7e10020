// The design as one document: no file written over unasked, a new design that starts clean,
// and what the user set coming back whole after a save, a reopen, an undo or a restart.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/commands/file_commands.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/window/design_history.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "board/data_directory.h"
#include "modal_answers.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "styles/generators.h"
#include "window_fixture.h"

using brontaxe::app::answer;
using brontaxe::app::EntryBox;
using brontaxe::app::ModalScript;
using brontaxe::app::onModal;
namespace fs = std::filesystem;

namespace {

struct Fixture : brontaxe::app::WindowFixture {
    explicit Fixture(std::optional<std::string> commandLine = std::nullopt)
        : WindowFixture(
              &brontaxe::findGenerator, std::move(commandLine),
              brontaxe::app::settingsWithTableCopies(brontaxe::platform::processEnvironment())) {}
    brontaxe::app::FileCommands& files() { return window.files(); }
    // Runs a command while the script answers its dialogs; every step must have run.
    template <class Command>
    auto run(std::deque<ModalScript::Step> steps, Command command) {
        ModalScript script(std::move(steps));
        auto result = command();
        QCoreApplication::processEvents();
        [&] { QVERIFY2(script.done(), "a dialog the test expected did not open"); }();
        return result;
    }
};

using Change = std::function<void(Fixture&)>;

// On a 3000 x 1500 sheet, turned a quarter, the 0201 lays 5 where the grid lays 4: the offer
// is taken.
void takeOptimisedImposition(Fixture& f) {
    f.typeAndLeave("TxFmtCX", "3000");
    f.typeAndLeave("TxFmtCY", "1500");
    f.child<QCheckBox>("ChkQuartDeTour")->setChecked(true);
    f.run({answer("Prendre")}, [&] {
        f.child<QPushButton>("CmdOptimiser")->click();
        return 0;
    });
    QVERIFY(f.wb.nesting().has_value());
}

std::string readFile(const fs::path& path) {
    return brontaxe::platform::readWholeFile(path).value_or("");
}

void enter(EntryBox* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

// A die-line of a customer: a rectangle of cuts, in millimetres.
void writeRectangleDxf(const fs::path& path, int x, int y) {
    std::ofstream out(path);
    out << "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    const int corners[5][2] = {{0, 0}, {x, 0}, {x, y}, {0, y}, {0, 0}};
    for (int i = 0; i < 4; ++i)
        out << "0\nLINE\n8\nCUT\n10\n"
            << corners[i][0] << "\n20\n"
            << corners[i][1] << "\n11\n"
            << corners[i + 1][0] << "\n21\n"
            << corners[i + 1][1] << "\n";
    out << "0\nENDSEC\n0\nEOF\n";
}

// The figures the window shows, as shown.
QStringList shownFigures(brontaxe::app::WindowFixture& f) {
    QStringList out;
    for (const char* name : {"lbCoupant", "lbRainant", "lbTotal", "lbSurf", "lbDimHt", "lbnbposes",
                             "lbPerte", "lbperteFc"})
        out << QString(name) + "=" + f.child<QLabel>(name)->text();
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class DesignDocumentTest : public QObject {
    Q_OBJECT
  private:
    static fs::path drawings() {
        return brontaxe::platform::mapWindowsPath("c:\\korvane",
                                                  brontaxe::platform::processEnvironment());
    }

  private slots:
    void init() {
        std::error_code ec;
        fs::remove_all(brontaxe::platform::driveC(brontaxe::platform::processEnvironment()), ec);
        fs::create_directories(drawings());
    }

    // A design saved before a restart is not written over by the start-up design's "Sauver".
    void sauverAsksBeforeReplacingAFileThisRunHasNotWritten() {
        const fs::path file = drawings() / "paramQMT.des";
        {
            Fixture before;
            before.typeAndLeave("txtModel", "0427");
            QVERIFY(before.files().save());  // a new file: no question
            // Its own file now: saved again without a question.
            before.typeAndLeave("longueur", "450");
            QVERIFY(before.files().save());
        }
        const std::string kept = readFile(file);
        QVERIFY(kept.find("0427") != std::string::npos);

        Fixture f;
        QString question;
        QVERIFY(!f.run({answer("Non", &question)}, [&] { return f.files().save(); }));
        QVERIFY2(question.startsWith("Remplacer le fichier ") && question.contains("paramQMT.des"),
                 qPrintable(question));
        QCOMPARE(readFile(file), kept);
        QVERIFY(f.status().contains("non enregistré"));

        QVERIFY(f.run({answer("Oui")}, [&] { return f.files().save(); }));
        QVERIFY(readFile(file) != kept);
        f.typeAndLeave("longueur", "460");
        QVERIFY(f.files().save());  // asked once: the file is the design's now
    }

    void aFileNamedOnTheCommandLineThatExistsIsSaidAndNotReplacedUnasked() {
        const fs::path file = drawings() / "client.des";
        std::ofstream(file) << "le fichier du client";
        Fixture f(file.string());
        QVERIFY2(f.status().contains("existe déjà"), qPrintable(f.status()));
        QVERIFY(f.status().contains("client.des"));
        QCOMPARE(f.window.fileName(), file.string());
        QVERIFY(!f.run({answer("Non")}, [&] { return f.files().save(); }));
        QCOMPARE(readFile(file), std::string("le fichier du client"));
        // The name proposed by "Sauver sous" stays the program's own without a file named.
        Fixture g;
        QCOMPARE(g.files().designTitle(), QStringLiteral("paramQMT"));
        QVERIFY(!g.status().contains("existe"));
    }

    void nouveauAsksToKeepTheChangesAndStartsAgain_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("started");
        QTest::newRow("Non") << "Non" << true;
        QTest::newRow("Annuler") << "Annuler" << false;
    }
    void nouveauAsksToKeepTheChangesAndStartsAgain() {
        QFETCH(QString, button);
        QFETCH(bool, started);
        Fixture f;
        const std::string fresh = f.dump();
        f.window.setFileName((drawings() / "autre.des").string());
        f.typeAndLeave("txtModel", "0427");
        f.typeAndLeave("longueur", "450");
        const std::string changed = f.dump();
        QVERIFY(f.window.recovery().isPending());
        QCOMPARE(f.window.history().stack().count(), 2);

        QString question;
        f.run({answer(button, &question)}, [&] {
            f.trigger("mnfichiers_nouveau");
            return 0;
        });
        QCOMPARE(question, QStringLiteral("Enregistrer les modifications\u00a0?"));
        QCOMPARE(f.dump(), started ? fresh : changed);
        QCOMPARE(f.window.history().stack().count(), started ? 0 : 2);
        QCOMPARE(f.window.recovery().isPending(), !started);
        QCOMPARE(f.window.isWindowModified(), !started);
        QCOMPARE(f.window.fileName(),
                 started ? std::string("paramQMT.des") : (drawings() / "autre.des").string());
        QCOMPARE(f.child<QLineEdit>("txtModel")->text(),
                 started ? QStringLiteral("0201") : QStringLiteral("0427"));
        QCOMPARE(f.child<QLineEdit>("longueur")->text(),
                 started ? QStringLiteral("400") : QStringLiteral("450"));
        QCOMPARE(f.child<QAction>("mnfichiers_nouveau")->shortcut(),
                 QKeySequence(QKeySequence::New));
    }
    // Fault: a section was lost on save and reopen.
    void aSectionIsSavedAndReopenedCut() {
        const fs::path file = drawings() / "section.des";
        std::string cut;
        {
            Fixture f;
            const std::string whole = f.dump();
            onModal<brontaxe::app::SectionDialog>([](auto& d) {
                d.positionBox()->setText("700");
                QVERIFY(d.apply());
                d.accept();
            });
            f.window.openSection();
            cut = f.dump();
            QVERIFY(cut != whole);
            QVERIFY(f.window.isWindowModified());
            QVERIFY(f.window.files().saveTo(file));
        }
        Fixture g;
        QVERIFY(g.files().openFile(file));
        QCOMPARE(g.dump(), cut);
        QVERIFY(g.wb.appliedSection().has_value());
        QCOMPARE(g.wb.appliedSection()->position, 700.0);
        QVERIFY(!g.window.isWindowModified());
    }

    // Fault: a die-line imposed 2 x 1 and saved reopened as one pose without a surface, and a
    // pose count typed then asked for a style named after the file.
    void aDieLineImposedAndSavedReopensImposed() {
        const fs::path dxf = drawings() / "client.dxf";
        writeRectangleDxf(dxf, 300, 200);
        const fs::path file = drawings() / "client.des";
        std::string dump;
        QStringList figures;
        {
            Fixture f;
            QVERIFY(f.files().openFile(dxf));
            QVERIFY(f.wb.hasDieLine());
            enter(f.box("TxNbPoseX"), "2");
            QCOMPARE(f.wb.model().NbPoses, std::int16_t(2));
            dump = f.dump();
            figures = shownFigures(f);
            QVERIFY(f.files().saveTo(file));
        }
        Fixture g;
        QVERIFY(g.files().openFile(file));
        QVERIFY(g.wb.hasDieLine());
        QCOMPARE(g.dump(), dump);
        QCOMPARE(shownFigures(g), figures);
        QCOMPARE(g.child<QLineEdit>("txtModel")->text(), QStringLiteral("client.dxf"));
        enter(g.box("TxNbPoseY"), "2");
        QCOMPARE(g.wb.model().NbPoses, std::int16_t(4));
        QVERIFY2(!g.status().contains("inconnu"), qPrintable(g.status()));
    }

    // Fault: an optimised imposition stayed in force on the designs that followed.
    void anOptimisedImpositionIsDroppedWhenTheBlankChanges() {
        Fixture f;
        takeOptimisedImposition(f);
        enter(f.box("largeur"), "310");  // the same style, another blank
        QCOMPARE(f.wb.model().Largeur, 310.0f);
        QVERIFY(!f.wb.nesting().has_value());
        QVERIFY2(f.status().contains("Imposition optimisée abandonnée"), qPrintable(f.status()));

        // What the grid lays on the same sheet.
        Fixture grid;
        grid.typeAndLeave("largeur", "310");
        grid.typeAndLeave("TxFmtCX", f.box("TxFmtCX")->text());
        grid.typeAndLeave("TxFmtCY", f.box("TxFmtCY")->text());
        QCOMPARE(shownFigures(f), shownFigures(grid));
    }

    // Fault: undoing a validated allowance left the new value in the table file, and choosing
    // the grade again brought it back.
    void undoingAnAllowanceEditPutsTheTableFileBack() {
        Fixture f;
        const fs::path table = f.wb.boardTables().dataDirectory() / "fefcomajo1.kor";
        const std::string before = readFile(table);
        const std::string drawn = f.dump();
        onModal<brontaxe::app::AllowanceDialog>([](auto& d) {
            enter(d.template findChild<EntryBox*>("txt_majo1"), "9");
            d.template findChild<QPushButton*>("cmd_valid")->click();
        });
        f.child<QPushButton>("But_Majo")->click();
        QVERIFY(readFile(table) != before);
        QVERIFY(f.dump() != drawn);
        f.trigger("mnedition_annuler");
        QCOMPARE(f.dump(), drawn);
        QCOMPARE(readFile(table), before);
        f.choose("Cmb_Qual", f.wb.model().NumQualite - 1);
        QCOMPARE(f.dump(), drawn);
        f.trigger("mnedition_retablir");
        QVERIFY(readFile(table) != before);
    }

    // Fault: after a die-line was opened, the style before it stayed on show.
    void anOpenedDieLineShowsItselfAndACodeReturnsToAStyle() {
        const fs::path dxf = drawings() / "client.dxf";
        writeRectangleDxf(dxf, 300, 200);
        Fixture f;
        f.typeAndLeave("txtModel", "0427");
        QVERIFY(f.run({answer("Non")}, [&] { return f.files().openFile(dxf); }));
        QCOMPARE(f.child<QLineEdit>("txtModel")->text(), QStringLiteral("client.dxf"));
        for (const char* name : {"longueur", "largeur", "hauteur"}) {
            QVERIFY2(!f.box(name)->isEnabled(), name);
            QVERIFY2(f.box(name)->text().isEmpty(), name);
        }
        for (const char* name : {"CbGroup", "CbModules"})
            QCOMPARE(f.child<QComboBox>(name)->currentIndex(), -1);
        QVERIFY(!f.child<QPushButton>("CmdDetails")->isEnabled());

        enter(f.box("txtModel"), "0201");
        QVERIFY(!f.wb.hasDieLine());
        QCOMPARE(f.wb.model().CodeModele, std::string("0201"));
        QVERIFY(f.box("longueur")->isEnabled());
        QCOMPARE(f.box("longueur")->text(), QStringLiteral("400"));
        QCOMPARE(f.child<QComboBox>("CbModules")->currentText().left(4), QStringLiteral("0201"));
    }
    // Every kind of change comes back whole: undone and redone, saved and opened after a
    // restart, and left aside then recovered at the next start.
    void everyChangeComesBackWhole_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("modèle, longueur") << Change([](Fixture& f) {
            f.typeAndLeave("txtModel", "0427");
            f.typeAndLeave("longueur", "460");
        });
        QTest::newRow("haut / bas") << Change([](Fixture& f) {
            f.typeAndLeave("txtModel", "0201/0711");
            f.typeAndLeave("hauteur", "250");
        });
        QTest::newRow("qualité, poses") << Change([](Fixture& f) {
            f.choose("Cmb_Qual", 3);
            f.typeAndLeave("TxNbPoseX", "3");
        });
        QTest::newRow("majoration validée") << Change([](Fixture& f) {
            onModal<brontaxe::app::AllowanceDialog>([](auto& d) {
                enter(d.template findChild<EntryBox*>("txt_majo1"), "9");
                d.template findChild<QPushButton*>("cmd_valid")->click();
            });
            f.child<QPushButton>("But_Majo")->click();
        });
        QTest::newRow("section") << Change([](Fixture& f) {
            f.typeAndLeave("TxNbPoseX", "2");
            onModal<brontaxe::app::SectionDialog>([](auto& d) {
                d.positionBox()->setText("650");
                QVERIFY(d.apply());
                d.accept();
            });
            f.window.openSection();
        });
        QTest::newRow("imposition optimisée")
            << Change([](Fixture& f) { takeOptimisedImposition(f); });
        QTest::newRow("découpe") << Change([](Fixture& f) {
            const fs::path dxf = drawings() / "client.dxf";
            writeRectangleDxf(dxf, 300, 200);
            QVERIFY(f.files().openFile(dxf));
            enter(f.box("TxNbPoseX"), "2");
        });
    }
    void everyChangeComesBackWhole() {
        QFETCH(Change, change);
        const fs::path file = drawings() / "aller-retour.des";
        std::string dump;
        QStringList figures;
        {
            Fixture f;
            change(f);
            dump = f.dump();
            figures = shownFigures(f);
            QUndoStack& stack = f.window.history().stack();
            QVERIFY(stack.count() > 0);
            stack.undo();
            QVERIFY(f.dump() != dump);
            stack.redo();
            QCOMPARE(f.dump(), dump);
            QCOMPARE(shownFigures(f), figures);
            QVERIFY(f.files().saveTo(file));
            QVERIFY(f.window.recovery().write(f.window.fileName()));
        }
        {
            Fixture recovered;
            QVERIFY(recovered.window.recovery().isPending());
            recovered.run({answer("Oui")}, [&] {
                recovered.window.offerRecovery();
                return 0;
            });
            QCOMPARE(recovered.dump(), dump);
            QCOMPARE(shownFigures(recovered), figures);
            recovered.window.recovery().remove();
        }
        Fixture reopened;
        QVERIFY(reopened.files().openFile(file));
        QCOMPARE(reopened.dump(), dump);
        QCOMPARE(shownFigures(reopened), figures);
    }
};

QTEST_MAIN(DesignDocumentTest)
#include "design_document_qtest.moc"
