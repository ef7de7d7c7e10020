// The design as one document: no file written over unasked, a new design that starts clean,
// and what the user set coming back whole after a save, a reopen, an undo or a program killed
// outright.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/commands/file_commands.h"
#include "app/commands/print_job.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/questionnaire_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/dialogs/style_parameters_dialog.h"
#include "app/window/design_history.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "board/data_directory.h"
#include "drawing/sheet_elements.h"
#include "modal_answers.h"
#include "params/other_dimensions.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile_file.h"
#include "styles/generators.h"
#include "techsheet/sheet_template.h"
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
    template <class Command>
    auto run(std::deque<ModalScript::Step> steps, Command command) {
        return brontaxe::app::runAnswering(std::move(steps), command);
    }
};

using Change = std::function<void(Fixture&)>;

fs::path drawings() {
    return brontaxe::platform::mapWindowsPath("c:\\korvane",
                                              brontaxe::platform::processEnvironment());
}

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

// What the window shows of the design besides the drawing: its figures, the imposition's
// settings and the technical sheet's answers.
QStringList shownDesign(Fixture& f) {
    QStringList out = shownFigures(f);
    for (const char* name : {"ChkCentre", "ChkQuartDeTour", "ChkRouleau"})
        out << QString(name) + "=" + (f.child<QCheckBox>(name)->isChecked() ? "1" : "0");
    for (const brontaxe::SheetField& field : f.wb.drawing().sheetFields())
        out << QString::fromStdString(field.label + "=" + field.value);
    return out;
}

// The shipped technical sheet inserted by its tool image, a client typed into its
// questionnaire and the rest left as offered.
void insertSheet(Fixture& f, const QString& client) {
    f.wb.model().NomModel = brontaxe::shippedSheetTemplate(f.env).string();
    bool filled = false;
    onModal<brontaxe::app::QuestionnaireDialog>(
        [client](auto& d) {
            d.answer(0)->setText(client);
            d.template findChild<QPushButton*>("CmdValider")->click();
        },
        &filled);
    f.child<QToolButton>("Image10")->click();
    QVERIFY(filled);
}

// The texts the technical sheet draws.
QStringList sheetTexts(const Fixture& f) {
    QStringList out;
    for (const brontaxe::Element& e : f.wb.drawing().elements()) {
        if (const auto* t = std::get_if<brontaxe::TextShape>(&e.shape);
            t && brontaxe::isSheetElement(e))
            out << QString::fromStdString(t->text);
    }
    return out;
}

std::string pdfText(const fs::path& pdf) {
    return brontaxe::platform::runProcess({"pdftotext", pdf.string(), "-"}).out;
}

// Every kind of change the window offers, each a row of the round trip.
const std::vector<std::pair<std::string, Change>>& changes() {
    static const std::vector<std::pair<std::string, Change>> rows{
        {"modèle, longueur",
         [](Fixture& f) {
             f.typeAndLeave("txtModel", "0427");
             f.typeAndLeave("longueur", "460");
         }},
        {"haut / bas",
         [](Fixture& f) {
             f.typeAndLeave("txtModel", "0201/0711");
             f.typeAndLeave("hauteur", "250");
         }},
        {"qualité, poses",
         [](Fixture& f) {
             f.choose("Cmb_Qual", 3);
             f.typeAndLeave("TxNbPoseX", "3");
         }},
        {"majoration validée",
         [](Fixture& f) {
             onModal<brontaxe::app::AllowanceDialog>([](auto& d) {
                 enter(d.template findChild<EntryBox*>("txt_majo1"), "9");
                 d.template findChild<QPushButton*>("cmd_valid")->click();
             });
             f.child<QPushButton>("But_Majo")->click();
         }},
        {"section",
         [](Fixture& f) {
             f.typeAndLeave("TxNbPoseX", "2");
             onModal<brontaxe::app::SectionDialog>([](auto& d) {
                 d.positionBox()->setText("650");
                 QVERIFY(d.apply());
                 d.accept();
             });
             f.window.openSection();
         }},
        {"paramètre de style, refoulages",
         [](Fixture& f) {
             onModal<brontaxe::app::StyleParametersDialog>([](auto& d) {
                 enter(d.fieldBox(0), "41");
                 enter(d.fieldBox(brontaxe::kFieldCreasesHorizontal), "100+50");
                 d.accept();
             });
             f.child<QPushButton>("CmdDetails")->click();
         }},
        {"morceaux, symétrie",
         [](Fixture& f) {
             f.trigger("mncaisse_en_2");
             f.child<QToolButton>("Image12")->click();
         }},
        {"cannelure, passage",
         [](Fixture& f) {
             f.child<QRadioButton>("Option1_2")->click();
             f.child<QRadioButton>("Option1_4")->click();
         }},
        {"marges, espaces, centré",
         [](Fixture& f) {
             f.typeAndLeave("TxNbPoseX", "2");
             f.typeAndLeave("TxespX", "6");
             f.typeAndLeave("TxtFCEsp_0", "12");
             f.child<QCheckBox>("ChkCentre")->click();
         }},
        {"imposition optimisée", [](Fixture& f) { takeOptimisedImposition(f); }},
        {"quart de tour, rouleau",
         [](Fixture& f) {
             f.child<QCheckBox>("ChkQuartDeTour")->setChecked(true);
             f.child<QCheckBox>("ChkRouleau")->setChecked(true);
         }},
        {"fiche technique",
         [](Fixture& f) {
             f.typeAndLeave("longueur", "450");
             insertSheet(f, "Cartonnerie Dupré");
         }},
        {"découpe",
         [](Fixture& f) {
             const fs::path dxf = drawings() / "client.dxf";
             writeRectangleDxf(dxf, 300, 200);
             QVERIFY(f.files().openFile(dxf));
             enter(f.box("TxNbPoseX"), "2");
         }},
        {"0201 modifié",
         [](Fixture& f) {
             std::vector<brontaxe::Element> blank = f.wb.editableBlank();
             blank.front().lineKind = brontaxe::kind::Perforation;
             blank.push_back({brontaxe::LineShape{{100, 50}, {160, 50}}, brontaxe::kind::Crease});
             f.window.applyBlankEdit(blank);
             QVERIFY(f.wb.hasBlankEdits());
         }},
        {"découpe modifiée",
         [](Fixture& f) {
             const fs::path dxf = drawings() / "client.dxf";
             writeRectangleDxf(dxf, 300, 200);
             QVERIFY(f.files().openFile(dxf));
             std::vector<brontaxe::Element> blank = f.wb.editableBlank();
             blank.push_back({brontaxe::LineShape{{0, 80}, {300, 80}}, brontaxe::kind::Crease});
             f.window.applyBlankEdit(blank);
             QCOMPARE(f.wb.dieLine()->size(), std::size_t(5));
         }},
    };
    return rows;
}

constexpr std::string_view kKilledChild = "--killed-child";

// The child: the window of a program that makes one row's change, says so with the name of
// its design, and waits to be killed.
int runKilledChild(const std::string& row) {
    for (const auto& [name, change] : changes()) {
        if (name != row)
            continue;
        Fixture f;
        change(f);
        std::printf("changed %s\n", f.window.fileName().c_str());
        std::fflush(stdout);
        return QApplication::exec();
    }
    return 2;
}

// Runs a row's change in a program of its own and kills it outright (SIGKILL: no handler, no
// clean close). Returns the name of the design it had on show.
QString changeInAKilledProgram(const char* row) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(kKilledChild.data()), QString::fromUtf8(row)});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A bound against a child that never comes, not a timing: a loaded machine (or the
    // sanitizers) may take long to start a window.
    child.start();
    QByteArray said;
    while (!said.contains('\n') && child.waitForReadyRead(180000))
        said += child.readAll();
    child.kill();
    child.waitForFinished(10000);
    const QString line = QString::fromUtf8(said).trimmed();
    return line.startsWith("changed ") ? line.mid(8) : QString();
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class DesignDocumentTest : public QObject {
    Q_OBJECT
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
    // Fault: the technical sheet kept the sizes it was filled in for, on screen, on paper and
    // in the files written.
    void theTechnicalSheetTellsTheSizesDrawnNow() {
        Fixture f;
        f.typeAndLeave("longueur", "450");
        insertSheet(f, "Cartonnerie Dupré");
        QVERIFY2(sheetTexts(f).contains(" 450 x 300 x 200 mm"),
                 qPrintable(sheetTexts(f).join('|')));
        enter(f.box("longueur"), "460");
        QCOMPARE(f.wb.model().Longueur, 460.0f);
        const QStringList texts = sheetTexts(f);
        QVERIFY2(texts.contains(" 460 x 300 x 200 mm"), qPrintable(texts.join('|')));
        QVERIFY(texts.contains("Cartonnerie Dupré"));
        QVERIFY(texts.contains("FEFCO 0201"));
        QVERIFY(!texts.join('|').contains("450"));

        const fs::path printed = drawings() / "imprimé.pdf";
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed.string()));
        QVERIFY(brontaxe::app::printDrawing(printer, f.wb.drawing(), {}) ==
                brontaxe::app::PrintOutcome::Printed);
        const fs::path exported = drawings() / "exporté.pdf";
        QVERIFY(f.files().saveTo(exported));
        for (const fs::path& pdf : {printed, exported}) {
            const std::string text = pdfText(pdf);
            QVERIFY2(text.find("460 x 300 x 200 mm") != std::string::npos, text.c_str());
            QVERIFY2(text.find("450 x 300") == std::string::npos, text.c_str());
        }
    }

    // Every kind of change comes back whole: undone and redone, saved and opened after a
    // restart, and recovered at the next start after the program that made it was killed.
    void everyChangeComesBackWhole_data() {
        QTest::addColumn<Change>("change");
        for (const auto& [name, change] : changes())
            QTest::newRow(name.c_str()) << change;
    }
    void everyChangeComesBackWhole() {
        QFETCH(Change, change);
        const fs::path file = drawings() / "aller-retour.des";
        std::string dump;
        QStringList shown;
        {
            Fixture f;
            change(f);
            dump = f.dump();
            shown = shownDesign(f);
            QUndoStack& stack = f.window.history().stack();
            QVERIFY(stack.count() > 0);
            stack.undo();
            QVERIFY(f.dump() != dump || shownDesign(f) != shown);
            stack.redo();
            QCOMPARE(f.dump(), dump);
            QCOMPARE(shownDesign(f), shown);
            QVERIFY(f.files().saveTo(file));
            f.window.recovery().remove();
        }
        {
            const QString name = changeInAKilledProgram(QTest::currentDataTag());
            QVERIFY2(!name.isEmpty(), "the killed program said nothing");
            Fixture recovered;
            QVERIFY(recovered.window.recovery().isPending());
            QString question;
            recovered.run({answer("Oui", &question)}, [&] {
                recovered.window.offerRecovery();
                return 0;
            });
            QCOMPARE(question, QStringLiteral("Récupérer la conception non enregistrée\u00a0?"));
            QCOMPARE(recovered.dump(), dump);
            QCOMPARE(shownDesign(recovered), shown);
            QCOMPARE(QString::fromStdString(recovered.window.fileName()), name);
            QVERIFY(recovered.window.isWindowModified());
            // A clean close leaves nothing to offer.
            recovered.run({answer("Non")}, [&] { return recovered.window.close(); });
            QVERIFY(!recovered.window.recovery().isPending());
        }
        Fixture reopened;
        QVERIFY(reopened.files().openFile(file));
        QCOMPARE(reopened.dump(), dump);
        QCOMPARE(shownDesign(reopened), shown);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc > 2 && std::string_view(argv[1]) == kKilledChild)
        return runKilledChild(argv[2]);
    DesignDocumentTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "design_document_qtest.moc"
