// What a designer meets in a day's work: every change undone and redone to the very drawing,
// and the faults a first hour brought. (A design recovered after the program was killed is
// one leg of the design document's round trip.)

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "app/commands/file_commands.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/dialogs/style_parameters_dialog.h"
#include "app/window/design_history.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/window_arguments.h"
#include "board/data_directory.h"
#include "drawing/drawing_dump.h"
#include "modal_answers.h"
#include "params/other_dimensions.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "styles/generators.h"
#include "window_fixture.h"

using brontaxe::app::EntryBox;
namespace fs = std::filesystem;

namespace {

struct Fixture : brontaxe::app::WindowFixture {
    Fixture()
        : WindowFixture(
              &brontaxe::findGenerator, std::nullopt,
              brontaxe::app::settingsWithTableCopies(brontaxe::platform::processEnvironment())) {}
};

using brontaxe::app::answer;
using brontaxe::app::ModalScript;
using brontaxe::app::onModal;

void enter(EntryBox* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

void editStyleParameter(Fixture& f, int field, const QString& value) {
    onModal<brontaxe::app::StyleParametersDialog>([field, value](auto& d) {
        enter(d.fieldBox(field), value);
        d.accept();
    });
    f.child<QPushButton>("CmdDetails")->click();
}

}  // namespace

class DesignHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void eachKindOfChangeIsUndoneAndRedoneToTheSameDrawing_data();
    void eachKindOfChangeIsUndoneAndRedoneToTheSameDrawing();
    void historyOutlivesASaveAndEndsWithAnOpenedDesign();
    void theMenusShowTheStandardShortcuts();
    void aSizeTheStyleCannotDrawIsRefusedAndTheDrawingKept();
    void numbersShowInTheirShortestFrenchForm_data();
    void numbersShowInTheirShortestFrenchForm();
    void aFourDigitCodeIsNotGivenAFifth();
    void aSaveIsSaidAndClearsTheFault();
    void exportsStayOutOfTheRecentFilesAndTheJobIsNamedAfterTheDesign();
    void aboutNamesTheProgramWithoutTheTitleMark();
    void theWindowFitsALaptopScreen();
    void aStyleWithoutPassesSaysSo();
    void everyToolImageSaysWhatItDoesInFrench();
};

using Change = std::function<void(Fixture&)>;
Q_DECLARE_METATYPE(Change)

void DesignHistoryTest::eachKindOfChangeIsUndoneAndRedoneToTheSameDrawing_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("longueur") << Change([](Fixture& f) { f.typeAndLeave("longueur", "450"); });
    QTest::newRow("code") << Change([](Fixture& f) { f.typeAndLeave("txtModel", "0203"); });
    QTest::newRow("qualité") << Change([](Fixture& f) { f.choose("Cmb_Qual", 4); });
    QTest::newRow("poses") << Change([](Fixture& f) { f.typeAndLeave("TxNbPoseX", "2"); });
    QTest::newRow("morceaux") << Change([](Fixture& f) { f.trigger("mncaisse_en_2"); });
    QTest::newRow("symétrie") << Change(
        [](Fixture& f) { f.child<QToolButton>("Image12")->click(); });
    QTest::newRow("paramètre de style")
        << Change([](Fixture& f) { editStyleParameter(f, 0, "41"); });
    QTest::newRow("refoulages") << Change(
        [](Fixture& f) { editStyleParameter(f, brontaxe::kFieldCreasesHorizontal, "100+50"); });
    QTest::newRow("majoration validée") << Change([](Fixture& f) {
        onModal<brontaxe::app::AllowanceDialog>([](auto& d) {
            enter(d.template findChild<EntryBox*>("txt_majo1"), "9");
            enter(d.template findChild<EntryBox*>("txt_majo5"), "12");
            d.template findChild<QPushButton*>("cmd_valid")->click();
        });
        f.child<QPushButton>("But_Majo")->click();
    });
    QTest::newRow("section") << Change([](Fixture& f) {
        onModal<brontaxe::app::SectionDialog>([](auto& d) {
            d.positionBox()->setText("700");
            QVERIFY(d.apply());
            d.accept();
        });
        f.window.openSection();
    });
}

void DesignHistoryTest::eachKindOfChangeIsUndoneAndRedoneToTheSameDrawing() {
    QFETCH(Change, change);
    Fixture f;
    QUndoStack& stack = f.window.history().stack();
    QCOMPARE(stack.count(), 0);
    const std::string before = f.dump();
    change(f);
    const std::string after = f.dump();
    QVERIFY(after != before);
    QCOMPARE(stack.count(), 1);  // one change, one step

    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), before);
    QVERIFY(f.window.isWindowModified() == false);
    f.trigger("mnedition_retablir");
    QCOMPARE(f.dump(), after);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), before);
    QCOMPARE(stack.count(), 1);  // going back and forth records nothing new

    // A change made after an undo starts from the design undone to and takes the undone
    // step's place; one made after a redo starts from the design redone.
    enter(f.box("largeur"), "350");
    const std::string wider = f.dump();
    QVERIFY(wider != before && wider != after);
    QCOMPARE(stack.count(), 1);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), before);
    f.trigger("mnedition_retablir");
    QCOMPARE(f.dump(), wider);
    enter(f.box("hauteur"), "250");
    const std::string higher = f.dump();
    QVERIFY(higher != wider);
    QCOMPARE(stack.count(), 2);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), wider);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), before);
    f.trigger("mnedition_retablir");
    f.trigger("mnedition_retablir");
    QCOMPARE(f.dump(), higher);
}

void DesignHistoryTest::historyOutlivesASaveAndEndsWithAnOpenedDesign() {
    Fixture f;
    QTemporaryDir dir;
    const std::string before = f.dump();
    f.typeAndLeave("longueur", "450");
    f.typeAndLeave("largeur", "350");
    const fs::path file = fs::path(dir.path().toStdString()) / "a.des";
    QVERIFY(f.window.files().saveTo(file));
    QCOMPARE(f.window.history().stack().count(), 2);
    f.trigger("mnedition_annuler");
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), before);

    // Opening drops the history: the question about the change undone is answered "Non".
    ModalScript answers({answer("Non")});
    QVERIFY(f.window.files().openFile(file));
    QCOMPARE(f.window.history().stack().count(), 0);
    QVERIFY(!f.child<QAction>("mnedition_annuler")->isEnabled());
}

void DesignHistoryTest::theMenusShowTheStandardShortcuts() {
    Fixture f;
    auto* undo = f.child<QAction>("mnedition_annuler");
    auto* redo = f.child<QAction>("mnedition_retablir");
    QCOMPARE(undo->text(), QStringLiteral("Annuler"));
    QCOMPARE(redo->text(), QStringLiteral("Rétablir"));
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    QVERIFY(!undo->isEnabled());
    const std::pair<const char*, QKeySequence> standard[] = {
        {"mnaide_aide", QKeySequence(Qt::Key_F1)},
        {"mnfichiers_ouvrir", QKeySequence::Open},
        {"mnfichiers_sauver", QKeySequence::Save},
        {"mnfichiers_sauversous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"mnfichiers_imprimer", QKeySequence::Print},
        {"mnfichiers_quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [name, keys] : standard)
        QCOMPARE(f.child<QAction>(name)->shortcut(), keys);

    // Ctrl+Z outside a text box takes the design back.
    const std::string before = f.dump();
    f.typeAndLeave("longueur", "450");
    f.child<QComboBox>("Cmb_Qual")->setFocus();
    QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.dump(), before);
    QCOMPARE(f.child<EntryBox>("longueur")->text(), QStringLiteral("400"));
}

void DesignHistoryTest::aSizeTheStyleCannotDrawIsRefusedAndTheDrawingKept() {
    Fixture f;
    f.typeAndLeave("txtModel", "0427");
    f.choose("Cmb_Qual", 4);
    const std::string before = f.dump();
    const int steps = f.window.history().stack().count();
    f.typeAndLeave("longueur", "12,5");
    auto* box = f.child<EntryBox>("longueur");
    QVERIFY(box->refused());
    QCOMPARE(box->text(), QStringLiteral("400"));
    QCOMPARE(f.dump(), before);
    QVERIFY(!f.status().isEmpty());
    QCOMPARE(f.wb.model().Longueur, 400.0f);
    QCOMPARE(f.window.history().stack().count(), steps);
}

void DesignHistoryTest::numbersShowInTheirShortestFrenchForm_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << "450.25"
                           << "450,25";
    QTest::newRow("exposant") << "1e3"
                              << "1000";
    QTest::newRow("zéros") << "0450.50"
                           << "450,5";
}

void DesignHistoryTest::numbersShowInTheirShortestFrenchForm() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f;
    QCOMPARE(f.child<EntryBox>("largeur")->text(), QStringLiteral("300"));  // start-up values
    f.typeAndLeave("longueur", typed);
    QCOMPARE(f.child<EntryBox>("longueur")->text(), shown);
    QVERIFY(!f.child<QLabel>("lbCoupant")->text().contains('.'));
    QVERIFY(f.child<QLabel>("lbCoupant")->text().contains(','));
}

void DesignHistoryTest::aFourDigitCodeIsNotGivenAFifth() {
    Fixture f;
    f.typeAndLeave("txtModel", "9999");
    QVERIFY(f.status().contains(QStringLiteral("\"9999\"")));
    QVERIFY(!f.status().contains(QStringLiteral("09999")));
    f.typeAndLeave("txtModel", "203");
    QCOMPARE(f.wb.model().CodeModele, std::string("0203"));
}

void DesignHistoryTest::aSaveIsSaidAndClearsTheFault() {
    Fixture f;
    f.typeAndLeave("txtModel", "9999");
    QVERIFY(f.child<QLabel>("statusMessage")->styleSheet().contains("b00000"));
    std::error_code ec;
    fs::remove(f.window.files().savePath(), ec);  // a run before left one: "Sauver" would ask
    QVERIFY(f.window.files().save());
    const QString saved = f.status();
    QVERIFY(saved.startsWith(QStringLiteral("Dessin enregistré\u00a0: ")));
    QVERIFY(saved.endsWith(QStringLiteral("paramQMT.des")));
    QVERIFY(f.child<QLabel>("statusMessage")->styleSheet().isEmpty());
}

void DesignHistoryTest::exportsStayOutOfTheRecentFilesAndTheJobIsNamedAfterTheDesign() {
    Fixture f;
    QTemporaryDir dir;
    const fs::path des = fs::path(dir.path().toStdString()) / "a.des";
    f.window.setFileName(des.string());
    QCOMPARE(f.window.files().designTitle(), QStringLiteral("a"));
    QCOMPARE(f.window.files().printOptions().title, QStringLiteral("a"));
    QCOMPARE(f.window.files().designFolder(), des.parent_path());
    for (const char* name : {"a.pdf", "a.dxf", "a.des"})
        QVERIFY(f.window.files().exportTo(fs::path(dir.path().toStdString()) / name));
    const auto& recent = f.window.files().recentFiles().files();
    QCOMPARE(recent.size(), std::size_t(1));
    QVERIFY(recent.front().size() > 6 &&
            recent.front().substr(recent.front().size() - 6) == "/a.des");
}

void DesignHistoryTest::aboutNamesTheProgramWithoutTheTitleMark() {
    Fixture f;
    f.window.setFileName("a.des");
    f.typeAndLeave("longueur", "450");
    QVERIFY(f.window.windowTitle().contains("[*]"));
    QVERIFY(!f.window.programTitle().contains("[*]"));
    QVERIFY(!f.window.programTitle().contains("a.des"));
    // One version everywhere: the window's is the one --version (and so the package) gives.
    const QString version =
        QString::fromStdString(brontaxe::app::windowVersionText()).section(' ', 1).trimmed();
    QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(version).hasMatch());
    QCOMPARE(f.window.programTitle(), "Brontaxe " + version);
    QString title;
    ModalScript answers({answer("OK", nullptr, &title)});
    f.trigger("mnaide_apropos");
    QCOMPARE(title, f.window.programTitle());
}

void DesignHistoryTest::theWindowFitsALaptopScreen() {
    Fixture f;
    // 1366 x 768 less a panel and the title bar.
    const QSize least = f.window.minimumSizeHint().expandedTo(f.window.minimumSize());
    QVERIFY2(least.width() <= 1366 && least.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    f.window.resize(1366, 700);
    QCoreApplication::processEvents();
    QVERIFY(f.window.view()->width() >= 380);
    // The side columns scroll up and down, each shown at its whole width.
    int columns = 0;
    for (auto* area : f.window.findChildren<QScrollArea*>()) {
        if (!area->objectName().endsWith("Scroll"))
            continue;
        ++columns;
        QVERIFY2(area->viewport()->width() >= area->widget()->width(),
                 qPrintable(area->objectName()));
        QVERIFY(area->widget()->width() >= area->widget()->minimumWidth());
    }
    QCOMPARE(columns, 3);
}

void DesignHistoryTest::aStyleWithoutPassesSaysSo() {
    Fixture f;
    f.typeAndLeave("txtModel", "0427");
    onModal<QDialog>([](QDialog& d) {
        auto* none = d.findChild<QLabel*>("aucunPassage");
        QVERIFY(none);
        QVERIFY(none->text().startsWith(QStringLiteral("Ce modèle n'a pas de passages machine")));
        QVERIFY(!d.findChild<QWidget*>("sketch")->isVisible());
        d.accept();
    });
    f.window.showMachinePasses();
}

void DesignHistoryTest::everyToolImageSaysWhatItDoesInFrench() {
    Fixture f;
    for (auto* image : f.child<QWidget>("toolImages")->findChildren<QToolButton*>())
        QVERIFY2(!image->toolTip().isEmpty(), qPrintable(image->objectName()));
    const std::pair<const char*, const char*> tips[] = {
        {"Image4", "Zoom Avant"},
        {"Image10", "Insérer Fiche Technique"},
        {"Image16", "Quitter"},
        {"Image17", "Tous les morceaux"},
    };
    for (const auto& [name, tip] : tips)
        QCOMPARE(f.child<QToolButton>(name)->toolTip(), QString::fromUtf8(tip));
    QCOMPARE(f.child<QAction>("mnaide_apropos")->text(), QStringLiteral("À propos de Brontaxe"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesignHistoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "design_history_qtest.moc"
