// The window's file side as a user drives it: save, save as and export in every format (each
// file read back by a reader nobody here wrote), a failed write, the question before the
// design is dropped, opening a design after a restart, the configuration dialog and Qt's
// French dialogs.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>

#include "app/commands/file_commands.h"
#include "app/views/fold_window.h"
#include "app/window/main_window.h"
#include "drawing/dimension_layout.h"
#include "drawing/drawing_dump.h"
#include "io/des_format.h"
#include "modal_answers.h"
#include "model/model_fields.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile_file.h"
#include "read_only_folder.h"
#include "window_fixture.h"
#include "workbench/design_file.h"
#include "workbench/line_kind_settings.h"

using brontaxe::Workbench;
using brontaxe::app::answer;
using brontaxe::app::chooseFile;
using brontaxe::app::MainWindow;
using brontaxe::app::ModalScript;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    return brontaxe::platform::readWholeFile(path).value_or("");
}

struct Fixture : brontaxe::app::WindowFixture {
    brontaxe::app::FileCommands& files() { return window.files(); }
    template <class Command>
    auto run(std::deque<ModalScript::Step> steps, Command command) {
        return brontaxe::app::runAnswering(std::move(steps), command);
    }
    void draw0216() {
        typeAndLeave("txtModel", "0216");
        QCOMPARE(wb.model().CodeModele, std::string("0216"));
        QVERIFY(wb.drawing().ElementCount() > 20);
    }
};

// A dimension value of the drawing as it is printed beside its line.
std::string someDimensionValue(const brontaxe::Drawing& d) {
    const brontaxe::Box blank = d.extents();
    const auto style = brontaxe::DimensionStyle::forExtents(blank);
    for (const auto& e : d.elements())
        if (const auto* dim = std::get_if<brontaxe::DimensionShape>(&e.shape))
            return brontaxe::layoutDimension(*dim, style, blank).text;
    return {};
}

using brontaxe::platform::runProcess;

// Each format opened by a reader that is not ours; the text says what went wrong.
QString readBack(const std::string& ext, const fs::path& path, const Workbench& wb) {
    const std::string file = path.string();
    const auto failed = [](const brontaxe::platform::ProcessResult& r) {
        return r.exitCode != 0 ? QString::fromStdString(r.err + r.out) : QString();
    };
    if (ext == "des") {
        Workbench other(brontaxe::platform::PrivateProfile(path.parent_path() / "autre-config"));
        other.startUp();
        const auto opened = brontaxe::openDesign(other, path);
        if (!opened.result.ok || !opened.parametric)
            return QString::fromStdString("not reopened: " + opened.result.message);
        return brontaxe::dumpDrawing(other.drawing()) == brontaxe::dumpDrawing(wb.drawing())
                   ? QString()
                   : "another drawing";
    }
    if (ext == "dxf") {
        const auto r =
            runProcess({"/usr/bin/python3", "-c",
                        "import sys, ezdxf\n"
                        "doc = ezdxf.readfile(sys.argv[1])\n"
                        "assert not doc.audit().errors\n"
                        "assert len(doc.modelspace().query('LINE[layer==\"COUPANT\"]'))\n",
                        file});
        return failed(r);
    }
    if (ext == "pdf" || ext == "ai") {
        const auto r = runProcess({"pdftotext", file, "-"});
        if (r.exitCode != 0)
            return failed(r);
        return r.out.find(someDimensionValue(wb.drawing())) != std::string::npos
                   ? QString()
                   : "no dimension value in " + QString::fromStdString(r.out);
    }
    if (ext == "eps")
        return failed(runProcess({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dEPSCrop",
                                  "-sDEVICE=nullpage", file}));
    if (ext == "svg")
        return failed(runProcess({"rsvg-convert", file, "-o", file + ".png"}));
    if (ext == "png" || ext == "bmp")
        return QImage(QString::fromStdString(file)).isNull() ? "unreadable image" : QString();
    // Formats of our own that no outside reader knows: their frame at least.
    const std::string text = readFile(path);
    if (ext == "cf2")
        return text.rfind("$BOF\nV2\n", 0) == 0 && text.ends_with("$EOF\n") ? QString()
                                                                            : "bad CFF2";
    if (ext == "pli" || ext == "ev")
        return text.rfind("BRONTAXE ", 0) == 0 && text.ends_with("FIN\n") ? QString()
                                                                          : "bad element list";
    if (ext == "obj" || ext == "gltf") {
        // The folded box: assimp reads it, with triangles (without assimp, its frame).
        if (!fs::exists("/usr/bin/assimp"))
            return text.find(ext == "obj" ? "\nf " : "\"asset\"") != std::string::npos
                       ? QString()
                       : "bad 3D file";
        const auto r = runProcess({"/usr/bin/assimp", "info", file});
        if (r.exitCode != 0)
            return failed(r);
        return r.out.find("triangles") != std::string::npos ? QString() : "no triangles";
    }
    return "no reader for " + QString::fromStdString(ext);
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
  private:
    // Below this build's drive C, so that runs of other build folders leave it alone.
    fs::path work() const {
        return brontaxe::platform::driveC(brontaxe::platform::processEnvironment()) / "essais";
    }

  private slots:
    // Each test starts on fresh settings and an empty drive C.
    void init() {
        const auto env = brontaxe::platform::processEnvironment();
        std::error_code ec;
        // A run stopped half-way may have left its read-only folder behind.
        if (fs::exists(work() / "lecture-seule", ec))
            runProcess({"chattr", "-i", (work() / "lecture-seule").string()});
        fs::remove_all(brontaxe::platform::windowsDirectory(env), ec);
        fs::remove_all(brontaxe::platform::driveC(env), ec);
        QVERIFY2(!fs::exists(work(), ec), work().c_str());
        fs::create_directories(work());
    }

    void saveAsWritesEveryFormatThatItsReaderOpens_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("ext");
        for (const brontaxe::io::FileFormat& f : brontaxe::io::fileFormats()) {
            const QString caption = QString::fromUtf8(f.caption.data(), f.caption.size());
            QTest::newRow(std::string(f.extension).c_str())
                << caption << QString::fromUtf8(f.extension.data(), f.extension.size());
        }
    }
    void saveAsWritesEveryFormatThatItsReaderOpens() {
        QFETCH(QString, filter);
        QFETCH(QString, ext);
        Fixture f;
        f.draw0216();
        QVERIFY(f.window.isWindowModified());
        // The name is typed without extension: the chosen filter gives it.
        const bool saved =
            f.run({chooseFile(work() / "boite", filter)}, [&] { return f.files().saveAs(); });
        QVERIFY(saved);
        const fs::path file = work() / ("boite." + ext.toStdString());
        QVERIFY2(fs::exists(file), (file.string() + " / " + f.window.fileName()).c_str());
        QCOMPARE(f.window.fileName(), file.string());
        QVERIFY(f.window.windowTitle().contains("boite." + ext));
        QVERIFY(!f.window.isWindowModified());
        const QString problem = readBack(ext.toStdString(), file, f.wb);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void exportWritesTheFormatOfTheExtensionAndKeepsTheFileName() {
        Fixture f;
        f.draw0216();
        const std::string before = f.window.fileName();
        for (const char* ext : {"dxf", "pdf", "svg"}) {
            const fs::path file = work() / (std::string("export.") + ext);
            f.run({chooseFile(file)}, [&] {
                f.files().exportDrawing();
                return 0;
            });
            const QString problem = readBack(ext, file, f.wb);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QCOMPARE(f.window.fileName(), before);
        QVERIFY(f.window.isWindowModified());  // exporting is not saving the design

        QString message;
        f.run({chooseFile(work() / "export.xyz"), answer("OK", &message)}, [&] {
            f.files().exportDrawing();
            return 0;
        });
        QVERIFY2(message.contains("Format de fichier inconnu"), qPrintable(message));
        QVERIFY(!fs::exists(work() / "export.xyz"));
    }

    // The file dialogs start where the user keeps drawings, never in the folder the program was
    // started from; "Exporter" lists its formats and gives a bare name the chosen one's
    // extension; the folded box is proposed under the design's name, beside it.
    void theFileDialogsStartWhereTheDesignIsAndListTheirFormats() {
        QTemporaryDir launchedFrom;
        const QString startedIn = QDir::currentPath();
        QDir::setCurrent(launchedFrom.path());
        Fixture f;
        f.draw0216();
        QString folder;
        QStringList filters;
        QString proposed;
        const auto look = [&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog)
                return false;
            folder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            proposed = dialog->selectedFiles().value(0);
            dialog->reject();
            return true;
        };
        // Where "Ouvrir..." starts.
        folder = QString::fromStdString(f.files().designFolder().string());
        QDir::setCurrent(startedIn);
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(folder, QDir(documents).exists() ? documents : QDir::homePath());

        QVERIFY(f.run({chooseFile(work() / "caisse.des")}, [&] { return f.files().saveAs(); }));
        f.run({look}, [&] {
            f.files().exportDrawing();
            return 0;
        });
        QCOMPARE(folder, QString::fromStdString(work().string()));
        QCOMPARE(filters.size(), qsizetype(brontaxe::io::fileFormats().size()));
        f.run({chooseFile(work() / "plan", filters.filter("*.pdf").value(0))}, [&] {
            f.files().exportDrawing();
            return 0;
        });
        QVERIFY(fs::exists(work() / "plan.pdf"));

        f.window.showFoldWindow();
        auto* fold = f.window.foldWindow();
        QPushButton* exportButton = nullptr;
        for (auto* b : fold->findChildren<QPushButton*>())
            if (b->text() == "Exporter...")
                exportButton = b;
        QVERIFY(exportButton);
        f.run({look}, [&] {
            exportButton->click();
            return 0;
        });
        QCOMPARE(proposed, QString::fromStdString((work() / "caisse.gltf").string()));
    }

    void aLongWriteShowsItsProgressAndArreterLeavesNoFile() {
        Fixture f;
        f.typeAndLeave("TxNbPoseX", "100");
        f.typeAndLeave("TxNbPoseY", "100");
        QVERIFY(f.wb.drawing().ElementCount() > 100'000);
        const fs::path file = work() / "planche.pdf";
        // The progress dialog is looked for by name: a drawing this large shows it at once.
        bool progressShown = false;
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            auto* progress = f.window.findChild<QProgressDialog*>("writeProgress");
            if (progressShown || !progress || !progress->isVisible())
                return;
            progressShown = progress->labelText().contains("planche.pdf");
            progress->findChild<QPushButton*>()->click();  // "Arrêter"
        });
        stopper.start(20);
        QString message;
        f.run({chooseFile(file), answer("OK", &message)}, [&] {
            f.files().exportDrawing();
            return 0;
        });
        QVERIFY(progressShown);
        QVERIFY2(message.contains("Écriture interrompue"), qPrintable(message));
        QVERIFY(!fs::exists(file));
        QCOMPARE(std::distance(fs::directory_iterator(work()), fs::directory_iterator()), 0);
    }

    void aLongPrintPreviewShowsItsProgressOverThePreviewAndArreterStopsIt() {
        Fixture f;
        f.typeAndLeave("TxNbPoseX", "100");
        f.typeAndLeave("TxNbPoseY", "100");
        // At true scale the sheet takes thousands of pages. The preview paints them as soon as
        // it opens; the progress shows over it, and once stopped the preview is closed by hand.
        f.files().setPrintScale(brontaxe::app::PrintScale::TrueScale);
        QString progressOver;
        bool stopped = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* preview = f.window.findChild<QDialog*>("printPreview");
            if (!preview)
                return;
            auto* progress = preview->findChild<QProgressDialog*>("writeProgress");
            if (!stopped && progress && progress->isVisible()) {
                progressOver = progress->windowTitle() + " " + progress->labelText();
                progress->findChild<QPushButton*>()->click();  // "Arrêter"
                stopped = true;
            } else if (stopped && !(progress && progress->isVisible()) && preview->isVisible()) {
                preview->close();
            }
        });
        driver.start(20);
        f.files().print();
        QVERIFY2(progressOver.startsWith("Impression"), qPrintable(progressOver));
        QVERIFY(progressOver.contains("paramQMT"));
        QVERIFY(stopped);
    }

    void sauverWritesParamQMTInTheDrawingsFolder() {
        Fixture f;
        QCOMPARE(f.window.fileName(), std::string("paramQMT.des"));
        QVERIFY(f.files().save());
        const fs::path expected =
            brontaxe::platform::mapWindowsPath("c:\\korvane", f.env) / "paramQMT.des";
        QCOMPARE(f.files().savePath().string(), expected.string());
        QVERIFY(fs::exists(expected));
        QVERIFY(readBack("des", expected, f.wb).isEmpty());
        // The file is listed among the recent ones.
        QCOMPARE(f.files().recentFiles().files().front(), expected.string());
    }

    void saveAsIntoAReadOnlyFolderSaysSoAndKeepsTheOldFile() {
        Fixture f;
        f.draw0216();
        const fs::path folder = work() / "lecture-seule";
        fs::create_directories(folder);
        std::ofstream(folder / "ancien.des") << "ancien";
        brontaxe::app::ReadOnlyFolder readOnly(folder);
        if (!readOnly.effective())
            QSKIP("no way to make a folder read-only for this user");
        const std::string nameBefore = f.window.fileName();
        const std::string dump = f.dump();
        QString message;
        const bool saved = f.run({chooseFile(folder / "ancien", "Korvane (*.des)"),
                                  answer("Oui"),  // replace it? yes
                                  answer("OK", &message)},
                                 [&] { return f.files().saveAs(); });
        QVERIFY(!saved);
        QVERIFY2(message.contains("Impossible d'écrire le fichier"), qPrintable(message));
        QCOMPARE(readFile(folder / "ancien.des"), std::string("ancien"));
        QCOMPARE(f.window.fileName(), nameBefore);
        QCOMPARE(f.dump(), dump);
        QVERIFY(f.window.isWindowModified());
    }

    void quittingAModifiedDesignAsksFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Oui") << "Oui" << true << true;
        QTest::newRow("Non") << "Non" << true << false;
        QTest::newRow("Annuler") << "Annuler" << false << false;
    }
    void quittingAModifiedDesignAsksFirst() {
        QFETCH(QString, button);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        Fixture f;
        f.typeAndLeave("longueur", "450");
        QVERIFY(f.window.isWindowModified());
        QVERIFY(f.window.windowTitle().contains("paramQMT.des"));
        QString question;
        const bool accepted = f.run({answer(button, &question)}, [&] { return f.window.close(); });
        QCOMPARE(question, QString("Enregistrer les modifications\u00a0?"));
        QCOMPARE(accepted, closed);
        QCOMPARE(f.window.isVisible(), !closed);
        QCOMPARE(fs::exists(f.files().savePath()), saved);
        if (saved)
            QVERIFY(readBack("des", f.files().savePath(), f.wb).isEmpty());
    }

    void anUnchangedDesignClosesWithoutAQuestion() {
        Fixture f;
        QVERIFY(!f.window.isWindowModified());
        QVERIFY(f.window.close());
        // Changed and changed back is no change.
        Fixture g;
        g.typeAndLeave("longueur", "450");
        g.typeAndLeave("longueur", "400");
        QVERIFY(!g.window.isWindowModified());
    }

    void aDesignOpenedAfterARestartIsTheOneSaved() {
        const fs::path file = work() / "rt.des";
        std::vector<std::pair<std::string, std::string>> before;
        std::string dump;
        {
            Fixture f;
            f.draw0216();
            f.typeAndLeave("longueur", "523");
            f.choose("Cmb_Qual", 3);
            f.wb.model().lgPatte = 31.5f;
            f.wb.model().hrabat_auto = false;
            f.wb.model().hrabat = 77;
            f.typeAndLeave("hauteur", "215");  // the style parameters are drawn
            QVERIFY(
                f.run({chooseFile(file, "Korvane (*.des)")}, [&] { return f.files().saveAs(); }));
            before = brontaxe::designRecord(f.wb).model;
            dump = f.dump();
        }
        Fixture g;
        QVERIFY(g.dump() != dump);
        QVERIFY(g.files().openFile(file));
        QCOMPARE(brontaxe::designRecord(g.wb).model, before);
        QCOMPARE(g.dump(), dump);
        QCOMPARE(g.child<QLineEdit>("txtModel")->text(), QString("0216"));
        QCOMPARE(g.child<QLineEdit>("longueur")->text(), QString("523"));
        QCOMPARE(g.child<QComboBox>("Cmb_Qual")->currentIndex(), 3);
        QCOMPARE(g.child<QComboBox>("CbModules")->currentText(), QString("0216"));
        QCOMPARE(g.window.fileName(), file.string());
        QVERIFY(!g.window.isWindowModified());
        QVERIFY(g.window.windowTitle().contains("rt.des"));
        // Going on from the opened design: one change and it is modified.
        g.typeAndLeave("largeur", "310");
        QVERIFY(g.window.isWindowModified());
    }

    void aDamagedFileIsRefusedAndTheDesignStays() {
        Fixture f;
        f.typeAndLeave("longueur", "450");
        std::ofstream(work() / "abime.des") << "{\"format\":\"brontaxe-dessin\",\"version\":1,";
        const std::string dump = f.dump();
        const std::string name = f.window.fileName();
        QString message;
        // The design is modified: the question first ("Non", go on), then the refusal.
        const bool opened = f.run({answer("Non"), answer("OK", &message)},
                                  [&] { return f.files().openFile(work() / "abime.des"); });
        QVERIFY(!opened);
        QVERIFY2(message.startsWith("Fichier de dessin illisible"), qPrintable(message));
        QCOMPARE(f.dump(), dump);
        QCOMPARE(f.window.fileName(), name);
        QCOMPARE(f.wb.model().Longueur, 450.0f);
    }

    // A DXF without a unit, with a layer the table does not know: both asked, the layer's kind
    // remembered, the die-line drawn and named for a .des beside it; then a damaged one is
    // refused with its line and the die-line stays.
    void aDieLineAsksItsUnitAndItsUnknownLayersAndABadOneChangesNothing() {
        Fixture f;
        const std::string lines =
            "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nCUT\n10\n0\n20\n0\n11\n4\n21\n0\n"
            "0\nLINE\n8\nCalque7\n10\n0\n20\n0\n11\n0\n21\n2\n";
        std::ofstream(work() / "client.dxf") << lines << "0\nENDSEC\n0\nEOF\n";
        const auto inches = [](QWidget* w) {
            auto* d = qobject_cast<QInputDialog*>(w);
            if (!d)
                return false;
            d->setTextValue(QStringLiteral("pouces"));
            d->accept();
            return true;
        };
        const auto crease = [](QWidget* w) {
            auto* kinds = w->findChild<QComboBox*>("calque:Calque7");
            if (!kinds)
                return false;
            kinds->setCurrentText(QStringLiteral("rainant"));
            w->findChild<QPushButton*>("CmdOK")->click();
            return true;
        };
        QVERIFY(f.run({inches, crease}, [&] { return f.files().openFile(work() / "client.dxf"); }));
        QVERIFY(f.wb.hasDieLine());
        QCOMPARE(f.wb.drawing().KindLength(brontaxe::kind::Cut), 4 * 25.4);
        QCOMPARE(f.wb.drawing().KindLength(brontaxe::kind::Crease), 2 * 25.4);
        QCOMPARE(f.window.fileName(), (work() / "client.des").string());
        QCOMPARE(brontaxe::lineKindTable(f.wb.settings()).layerKind("CALQUE 7"),
                 std::optional<brontaxe::LineKind>(brontaxe::kind::Crease));
        // Opened again from "Fichiers récents" like a drawing.
        QCOMPARE(f.files().recentFiles().files().front(), (work() / "client.dxf").string());

        std::ofstream(work() / "abime.dxf") << lines;
        const std::string dump = f.dump();
        QString message;
        QVERIFY(!f.run({answer("OK", &message)},
                       [&] { return f.files().openFile(work() / "abime.dxf"); }));
        QVERIFY2(message.contains("ligne 28") && message.contains("tronqué"), qPrintable(message));
        QCOMPARE(f.dump(), dump);
        QCOMPARE(f.window.fileName(), (work() / "client.des").string());
    }

    void theConfigurationStoresTheProfileAndTheViewer() {
        Fixture f;
        const int before = f.window.regenerationCount();
        QString title;
        f.run({[&title](QWidget* w) {
                  if (w->objectName() != "frm_Config")
                      return false;
                  title = w->windowTitle();
                  w->findChild<QComboBox*>("CmbPerso")->setEditText("  voranis ");
                  w->findChild<QComboBox*>("cb3D")->setCurrentText("PLIAO");
                  w->findChild<QPushButton*>("Command1")->click();
                  return true;
              }},
              [&] {
                  f.window.openConfiguration();
                  return 0;
              });
        QCOMPARE(title, QString("Brontaxe - Configuration"));
        QCOMPARE(f.wb.model().Personnalisation.name(), std::string("VORANIS"));
        QCOMPARE(f.wb.model().Soft3D, std::string("PLIAO"));
        QCOMPARE(f.window.regenerationCount() - before, 1);
        const auto& s = f.wb.settings();
        QCOMPARE(s.GetString("FicheTechnique", "Personnalisation", "", 256, "korparam.ini"),
                 std::string("VORANIS"));
        QCOMPARE(s.GetString("Preferences", "Soft3D", "", 256, "korparam.ini"),
                 std::string("PLIAO"));

        // "Annuler" changes nothing.
        f.run({[](QWidget* w) {
                  if (w->objectName() != "frm_Config")
                      return false;
                  w->findChild<QComboBox*>("CmbPerso")->setEditText("QOR");
                  w->findChild<QPushButton*>("Command2")->click();
                  return true;
              }},
              [&] {
                  f.window.openConfiguration();
                  return 0;
              });
        QCOMPARE(f.wb.model().Personnalisation.name(), std::string("VORANIS"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_qtest.moc"
