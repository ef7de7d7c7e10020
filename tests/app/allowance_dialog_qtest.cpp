// The grade and allowance editors opened from the main window: the drawing follows each value
// at once, "Abandonner" brings everything back, grades added and deleted keep labels and
// allowances together, and a folder that cannot be written loses nothing.

#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/delete_grade_dialog.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "board/data_directory.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile_file.h"
#include "read_only_folder.h"
#include "window_fixture.h"

using brontaxe::kThicknessField;
using brontaxe::Workbench;
using brontaxe::app::AllowanceDialog;
using brontaxe::app::ConfigurationDialog;
using brontaxe::app::DeleteGradeDialog;
using brontaxe::app::EntryBox;
using brontaxe::app::MainWindow;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    return brontaxe::platform::readWholeFile(path).value_or("<absent>");
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Tables of their own for each test, named by fresh settings.
struct DataFolder {
    explicit DataFolder(const brontaxe::platform::EnvironmentLookup& env)
        : settings(brontaxe::platform::windowsDirectory(env)),
          path(fs::path(QDir::tempPath().toStdString()) /
               ("brontaxe-majo-qtest-" + std::to_string(::getpid()))) {
        std::error_code ec;
        if (fs::exists(path, ec))
            brontaxe::platform::runProcess({"chattr", "-i", path.string()});
        fs::remove_all(path, ec);
        fs::create_directories(path);
        fs::remove_all(settings, ec);  // no settings saved by an earlier test
        fs::create_directories(settings);
        writeFile(settings / "korparam.ini", "[Preferences]\nMajoFefco=" + path.string() + "/\n");
    }
    ~DataFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
        fs::remove(settings / "korparam.ini", ec);
    }
    void copyShipped(const brontaxe::platform::EnvironmentLookup& env) const {
        const fs::path shipped = brontaxe::shippedDataDirectory(env);
        for (const char* name : {"csqual2.kor", "fefcomajo1.kor"})
            fs::copy_file(shipped / name, path / name, fs::copy_options::overwrite_existing);
    }
    std::string files() const {
        return readFile(path / "csqual2.kor") + "|" + readFile(path / "fefcomajo1.kor");
    }
    fs::path settings;
    fs::path path;
};

struct Fixture {
    explicit Fixture(const std::function<void(const DataFolder&)>& fill)
        : data(brontaxe::platform::processEnvironment()) {
        fill(data);
        window = std::make_unique<brontaxe::app::WindowFixture>(&brontaxe::findGenerator,
                                                                std::nullopt, data.settings);
    }
    Workbench& wb() { return window->wb; }
    MainWindow& main() { return window->window; }

    // Runs `body` in the modal dialog of type D that `open` shows, once it is up.
    template <typename D>
    static bool inDialog(const std::function<void()>& open, const std::function<void(D&)>& body) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ran = true;
            const QPointer<D> open = dialog;
            body(*dialog);
            // A failed check left the dialog up: close it so that the test can end.
            if (open && open->isVisible())
                open->reject();
        });
        open();
        return ran;
    }

    bool inMajo(const std::function<void(AllowanceDialog&)>& body) {
        return inDialog<AllowanceDialog>(
            [this] { window->child<QPushButton>("But_Majo")->click(); }, body);
    }

    DataFolder data;
    std::unique_ptr<brontaxe::app::WindowFixture> window;
};

void enter(EntryBox* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

void click(QWidget& dialog, const char* name) {
    dialog.findChild<QPushButton*>(name)->click();
}

// Closes the next message box and keeps its text.
void answerMessageBox(QString& text) {
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
}

const std::string kFourGrades =
    "\"\"\r\n\"\"\r\n\"1 - A\"\r\n\"A\"\r\n3\r\n6\r\n\"2 - B\"\r\n\"B\"\r\n4\r\n8\r\n"
    "\"3 - C\"\r\n\"C\"\r\n5\r\n10\r\n";
const std::string kAllowancesOfThree =
    "\"\"\r\n\"\"\r\n"
    "201,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0\r\n"
    "201,2,2,2,2,2,2,2,2,0,0,0,0,0,0,0,0,0\r\n"
    "201,3,3,3,3,3,3,3,3,0,0,0,0,0,0,0,0,0\r\n";

}  // namespace

class AllowanceDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void majoration1WidensTheBlankAtOnceAndAbandonerBringsItBack() {
        Fixture f(
            [&](const DataFolder& d) { d.copyShipped(brontaxe::platform::processEnvironment()); });
        const std::string files = f.data.files();
        const float width = f.wb().model().HorsToutX;
        const auto drawing = f.wb().drawing().elements();
        const bool ran = f.inMajo([&](AllowanceDialog& d) {
            QCOMPARE(d.findChild<QLineEdit*>("txt_code")->text(), QString("0201"));
            QCOMPARE(d.gradeCombo()->currentIndex(), 0);
            QCOMPARE(d.field(1)->text(), QString("2"));
            QCOMPARE(d.findChild<QLabel*>("Label4_1")->text(), QString("Majoration  1"));
            QCOMPARE(d.meaning(1)->text(), QString("panneau 1 (longueur)"));
            QCOMPARE(d.meaning(12)->text(), QString("sans effet sur ce modèle"));

            // The field being edited shows its dimensions in the drawing.
            QApplication::setActiveWindow(&d);
            d.field(1)->setFocus();
            QVERIFY(!f.main().view()->highlightedElements().empty());
            const int before = f.main().regenerationCount();
            enter(d.field(1), "13");
            QCOMPARE(f.main().regenerationCount(), before + 1);
            QCOMPARE(f.wb().model().HorsToutX, width + 11);
            QCOMPARE(f.wb().model().Majo[1], 13.0f);
            QVERIFY(!f.main().view()->highlightedElements().empty());
            QCOMPARE(f.data.files(), files);  // nothing written before "Valider"
            click(d, "Cmd_Quit");
        });
        QVERIFY(ran);
        QCOMPARE(f.wb().model().Majo[1], 2.0f);
        QCOMPARE(f.wb().model().HorsToutX, width);
        QVERIFY(f.wb().drawing().elements() == drawing);
        QCOMPARE(f.data.files(), files);
    }

    void aBadEntryIsRefusedAndTheValueKept_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text") << "txt_majo3"
                              << "abc"
                              << "3"
                              << "Majoration 3 incorrecte";
        QTest::newRow("too large") << "txt_majo2"
                                   << "2000"
                                   << "3"
                                   << "Majoration 2 incorrecte";
        QTest::newRow("no thickness") << "txt_epc"
                                      << "0"
                                      << "3"
                                      << "Épaisseur incorrecte";
        QTest::newRow("double wall") << "txt_dbm"
                                     << "x"
                                     << "6"
                                     << "Double mur incorrect";
    }

    void aBadEntryIsRefusedAndTheValueKept() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        Fixture f(
            [&](const DataFolder& d) { d.copyShipped(brontaxe::platform::processEnvironment()); });
        const bool ran = f.inMajo([&](AllowanceDialog& d) {
            auto* box = d.findChild<EntryBox*>(field);
            const int before = f.main().regenerationCount();
            enter(box, typed);
            QVERIFY(box->refused());
            QCOMPARE(box->text(), shown);
            QVERIFY2(d.findChild<QLabel*>("lbMessage")->text().contains(reason),
                     qPrintable(d.findChild<QLabel*>("lbMessage")->text()));
            QCOMPARE(f.main().regenerationCount(), before);
            click(d, "cmd_valid");
        });
        QVERIFY(ran);
        QCOMPARE(f.wb().model().EpaisseurCarton, 3.0f);
    }

    void addingAGradeThenDeletingGrade2RenumbersLabelsAndAllowances() {
        Fixture f([](const DataFolder& d) {
            writeFile(d.path / "csqual2.kor", kFourGrades);
            writeFile(d.path / "fefcomajo1.kor", kAllowancesOfThree);
        });
        const bool ran = f.inMajo([&](AllowanceDialog& d) {
            const bool added = Fixture::inDialog<QDialog>(
                [&] { click(d, "but_ajout"); },
                [&](QDialog& add) {
                    add.findChild<QLineEdit*>("txt_code")->setText("D");
                    add.findChild<QLineEdit*>("txt_tlist")->setText("D");
                    add.findChild<QLineEdit*>("Txt_epais")->setText("x");
                    add.findChild<QLineEdit*>("txt_dbm")->setText("12");
                    click(add, "but_ok");  // refused: the dialog stays
                    QVERIFY(add.isVisible());
                    QVERIFY(add.findChild<QLabel*>("lbMessage")->text().contains("Épaisseur"));
                    add.findChild<QLineEdit*>("Txt_epais")->setText("6");
                    click(add, "but_ok");
                });
            QVERIFY(added);
            QCOMPARE(d.gradeCombo()->count(), 4);
            QCOMPARE(d.gradeCombo()->currentIndex(), 3);
            QCOMPARE(d.field(kThicknessField)->text(), QString("6"));
            // Grade 4 has none of its own: grade 1's, scaled from 3 to 6 mm, until one is typed.
            QCOMPARE(d.field(2)->text(), QString("2"));
            enter(d.field(1), "9");
            click(d, "cmd_valid");
        });
        QVERIFY(ran);
        auto* grades = f.window->child<QComboBox>("Cmb_Qual");
        QCOMPARE(grades->count(), 4);
        QCOMPARE(grades->currentIndex(), 3);  // the design is on the new grade
        QVERIFY(readFile(f.data.path / "fefcomajo1.kor").find("201,4,9,") != std::string::npos);

        // Through the configuration dialog, as a user reaches it.
        bool deleted = false;
        const bool configured = Fixture::inDialog<ConfigurationDialog>(
            [&] { f.main().openConfiguration(); },
            [&](ConfigurationDialog& config) {
                deleted = Fixture::inDialog<DeleteGradeDialog>(
                    [&] { click(config, "Command4"); },
                    [&](DeleteGradeDialog& d) {
                        d.gradeCombo()->setCurrentIndex(1);
                        QCOMPARE(d.findChild<QLineEdit*>("txt_code")->text(), QString("B"));
                        QCOMPARE(d.findChild<QLineEdit*>("txt_epc")->text(), QString("4"));
                        click(d, "Command1");
                    });
                config.reject();
            });
        QVERIFY(configured);
        QVERIFY(deleted);
        QCOMPARE(grades->count(), 3);
        QCOMPARE(grades->itemText(0), QString("1 - A"));
        QCOMPARE(grades->itemText(1), QString("2 - C"));
        QCOMPARE(grades->itemText(2), QString(" 3 - D"));
        QCOMPARE(grades->currentIndex(), 2);  // still on board D
        QCOMPARE(f.wb().model().EpaisseurCarton, 6.0f);
        QCOMPARE(f.wb().model().Majo[1], 9.0f);
        const std::string allowances = readFile(f.data.path / "fefcomajo1.kor");
        QCOMPARE(allowances, std::string("\"\"\r\n\"\"\r\n"
                                         "201,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0\r\n"
                                         "201,2,3,3,3,3,3,3,3,0,0,0,0,0,0,0,0,0\r\n"
                                         "201,3,9,2,2,2,2,2,2,0,0,0,0,0,0,0,0,0\r\n"));
    }

    void aReadOnlyDataFolderGivesTheMessageAndLosesNothing() {
        Fixture f(
            [&](const DataFolder& d) { d.copyShipped(brontaxe::platform::processEnvironment()); });
        const std::string files = f.data.files();
        brontaxe::app::ReadOnlyFolder readOnly(f.data.path);
        if (!readOnly.effective())
            QSKIP("no way to make a folder read-only for this user");
        QString said;
        const bool ran = f.inMajo([&](AllowanceDialog& d) {
            enter(d.field(1), "13");
            enter(d.field(kThicknessField), "3.5");
            answerMessageBox(said);
            click(d, "cmd_valid");
            QVERIFY(d.isVisible());  // still open: the edits can be tried again or abandoned
            const QString message = d.findChild<QLabel*>("lbMessage")->text();
            QVERIFY2(message.contains("Impossible d'enregistrer"), qPrintable(message));
            click(d, "Cmd_Quit");
        });
        QVERIFY(ran);
        QVERIFY2(said.contains("Impossible d'enregistrer"), qPrintable(said));
        QCOMPARE(f.data.files(), files);
        QCOMPARE(f.wb().model().Majo[1], 2.0f);
        QCOMPARE(f.wb().model().EpaisseurCarton, 3.0f);
        QCOMPARE(f.wb().boardTables().gradeThickness(1), 3.0f);
    }
};

QTEST_MAIN(AllowanceDialogTest)
#include "allowance_dialog_qtest.moc"
