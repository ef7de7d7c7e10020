// "Calcul RCV" (CompressionDialog), the technical sheet's questionnaire (QuestionnaireDialog) and
// template chooser (SheetTemplateDialog), on the offscreen platform, opened from the window as a
// user opens them.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "app/commands/file_commands.h"
#include "app/dialogs/compression_dialog.h"
#include "app/dialogs/questionnaire_dialog.h"
#include "app/dialogs/sheet_template_dialog.h"
#include "app/views/drawing_view.h"
#include "app/window/design_history.h"
#include "app/window/main_window.h"
#include "drawing/sheet_elements.h"
#include "modal_answers.h"
#include "platform/paths.h"
#include "techsheet/sheet_template.h"
#include "window_fixture.h"
#include "workbench/preferences.h"

using brontaxe::Drawing;
using brontaxe::Questionnaire;
using brontaxe::SheetField;
using brontaxe::Workbench;
using brontaxe::app::CompressionDialog;
using brontaxe::app::MainWindow;
using brontaxe::app::QuestionnaireDialog;
using brontaxe::app::SheetTemplateDialog;

namespace {

using brontaxe::app::onModal;

// Settings without a korparam.ini: no template chosen yet.
std::filesystem::path freshSettings() {
    const auto dir = brontaxe::platform::windowsDirectory(brontaxe::platform::processEnvironment());
    std::filesystem::remove(dir / "korparam.ini");
    return dir;
}

struct Fixture : brontaxe::app::WindowFixture {
    Fixture() : WindowFixture(&brontaxe::findGenerator, std::nullopt, freshSettings()) {}
};

Drawing sheetOf(int fields) {
    Drawing d;
    std::vector<SheetField> list;
    for (int i = 1; i <= fields; ++i)
        list.push_back({"Question " + std::to_string(i), "R" + std::to_string(i)});
    d.setTechnicalSheet("Fiche", list);
    return d;
}

}  // namespace

class SheetDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void rcvOpensFromTheToolImageOnTheCurrentBox();
    void rcvComputesTheMcKeeValueAndConvertsUnits();
    void questionnaireScrollsTwelveFields();
    void abandonChangesNothingAndValiderWritesTheAnswers();
    void toolImageChoosesInsertsAndFillsTheShippedTemplate();
    void theSheetIsOneStepAndAnAbandonedQuestionnaireLeavesNone_data();
    void theSheetIsOneStepAndAnAbandonedQuestionnaireLeavesNone();
};

void SheetDialogsTest::rcvOpensFromTheToolImageOnTheCurrentBox() {
    Fixture f;
    bool ran = false;
    onModal<CompressionDialog>(
        [&](CompressionDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Calcul RCV"));
            QCOMPARE(d.inputBox(0)->text(), QStringLiteral("400"));
            QCOMPARE(d.inputBox(1)->text(), QStringLiteral("300"));
            QCOMPARE(d.inputBox(4)->text(), QStringLiteral("7"));
            QCOMPARE(d.inputBox(8)->text(), QString());
            QCOMPARE(d.findChild<QComboBox*>("cbHumid")->currentText(),
                     QStringLiteral("76-85\u00a0%"));
            QCOMPARE(d.findChild<QComboBox*>("cbJstock")->currentText(),
                     QStringLiteral("1 - 3 jours"));
            QVERIFY(d.findChild<QLabel*>("lbQualite")->text().startsWith("Profil Carton\u00a0: 1"));
            d.reject();
        },
        &ran);
    f.window.findChild<QToolButton*>("Image19")->click();
    QVERIFY(ran);
}

void SheetDialogsTest::rcvComputesTheMcKeeValueAndConvertsUnits() {
    Fixture f;
    f.wb.model().EpaisseurCarton = 3;
    CompressionDialog d(f.wb);
    d.show();
    d.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(d.inputBox(8)->text(), QStringLiteral("126,9414"));
    QCOMPARE(d.unitLabel(8)->text(), QStringLiteral("kg"));

    d.inputBox(4)->clear();
    d.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(d.inputBox(8)->text(), QStringLiteral("0,0000"));

    d.inputBox(4)->setText("7");
    d.findChild<QPushButton*>("Command1")->click();
    d.findChild<QRadioButton*>("Option1_1")->click();
    // Inches show their fractions with the comma and a zero before it (0,1181102 in of board).
    QCOMPARE(d.inputBox(3)->text(), QStringLiteral("0,1181102"));
    QCOMPARE(d.unitLabel(0)->text(), QStringLiteral("in"));
    QCOMPARE(d.unitLabel(4)->text(), QStringLiteral("lbs/in"));
    QCOMPARE(d.unitLabel(8)->text(), QStringLiteral("lbs"));
    d.findChild<QRadioButton*>("Option1_0")->click();
    for (auto [box, text] : {std::pair{0, "400"}, {1, "300"}, {3, "3"}, {4, "7"}})
        QCOMPARE(d.inputBox(box)->text(), QString(text));
    QCOMPARE(d.unitLabel(0)->text(), QStringLiteral("mm"));

    // A list choice takes its factor and computes again: 46-55 % is 1.0 instead of 0.7.
    auto* humid = d.findChild<QComboBox*>("cbHumid");
    humid->setCurrentIndex(2);
    emit humid->activated(2);
    QCOMPARE(d.form().humidity, 1.0f);
    QCOMPARE(d.inputBox(8)->text(), QStringLiteral("181,3449"));
}

void SheetDialogsTest::questionnaireScrollsTwelveFields() {
    Drawing drawing = sheetOf(12);
    Questionnaire q;
    QVERIFY(!q.open(drawing, {}));
    QuestionnaireDialog d(drawing, std::move(q));
    d.show();
    QCOMPARE(d.windowTitle(),
             QStringLiteral("Saisir / modifier le questionnaire de la fiche technique"));
    QCOMPARE(d.question(0)->text(), QStringLiteral("Question 1"));
    QCOMPARE(d.answer(9)->text(), QStringLiteral("R10"));
    QVERIFY(!d.answer(9)->isHidden());
    QCOMPARE(d.scrollBar()->minimum(), 1);
    QCOMPARE(d.scrollBar()->maximum(), 12);
    d.scrollBar()->setValue(5);
    QCOMPARE(d.question(0)->text(), QStringLiteral("Question 5"));
    QCOMPARE(d.answer(7)->text(), QStringLiteral("R12"));
    QVERIFY(d.answer(8)->isHidden());
    QVERIFY(d.question(9)->isHidden());
    // Filling the rows while scrolling is no edit of the values shown before.
    QCOMPARE(d.questionnaire().value(1), std::string("R1"));
}

void SheetDialogsTest::abandonChangesNothingAndValiderWritesTheAnswers() {
    Drawing drawing = sheetOf(12);
    const auto before = drawing.sheetFields();
    for (const QString button : {"CmdAbandon", "CmdValider"}) {
        Questionnaire q;
        QVERIFY(!q.open(drawing, {}));
        QuestionnaireDialog d(drawing, std::move(q));
        d.show();
        QTest::keyClicks(d.answer(0), " plus");
        d.scrollBar()->setValue(3);
        d.answer(0)->setText("trois");
        d.findChild<QPushButton*>(button)->click();
        if (button == "CmdAbandon") {
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QVERIFY(drawing.sheetFields() == before);
        }
    }
    QCOMPARE(drawing.FieldValue(1), std::string("R1 plus"));
    QCOMPARE(drawing.FieldValue(3), std::string("trois"));
    QCOMPARE(drawing.FieldValue(4), std::string("R4"));
}

void SheetDialogsTest::toolImageChoosesInsertsAndFillsTheShippedTemplate() {
    Fixture f;
    QVERIFY(f.wb.model().NomModel.empty());
    const auto shipped = brontaxe::shippedSheetTemplate(f.env);
    bool chose = false, filled = false;
    onModal<SheetTemplateDialog>(
        [&](SheetTemplateDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Modèle Fiche Technique"));
            QCOMPARE(std::filesystem::path(d.pathBox()->text().toStdString()), shipped);
            QVERIFY(d.chooser()->isVisible());
            QVERIFY(!d.chooser()->isWindow());
            QVERIFY(d.preview().ElementCount() > 0);
            QCOMPARE(d.preview().SheetName(), std::string("Fiche technique"));
            d.personalisationBox()->setText("qlx ");
            onModal<QuestionnaireDialog>(
                [&](QuestionnaireDialog& ft) {
                    QCOMPARE(ft.question(2)->text(), QStringLiteral("Modèle"));
                    QCOMPARE(ft.answer(2)->text(), QStringLiteral("FEFCO 0201"));
                    QCOMPARE(ft.answer(3)->text(), QStringLiteral(" 400 x 300 x 200 mm"));
                    ft.answer(0)->setText("Cartonnerie Dupré");
                    ft.findChild<QPushButton*>("CmdValider")->click();
                },
                &filled);
            d.findChild<QPushButton*>("Command1")->click();
        },
        &chose);
    f.window.findChild<QToolButton*>("Image10")->click();
    QVERIFY(chose);
    QVERIFY(filled);
    const Drawing& d = f.wb.drawing();
    QCOMPARE(d.FieldValue(1), std::string("Cartonnerie Dupré"));
    QCOMPARE(d.FieldValue(3), std::string("FEFCO #M#"));
    // Answers not saved yet: quitting asks first.
    QVERIFY(f.window.files().isModified());
    QVERIFY(f.window.isWindowModified());
    QCOMPARE(std::filesystem::path(f.wb.model().NomModel), shipped);
    QCOMPARE(f.wb.model().Personnalisation.name(), std::string("QLX"));
    QCOMPARE(f.wb.settings().GetString(brontaxe::kTechnicalSheetSection, brontaxe::kNomModelKey, "",
                                       1024, "korparam.ini"),
             shipped.string());
    bool shown = false;
    for (const auto& e : d.elements())
        shown = shown || (e.flag == brontaxe::kFlagSheetField + 1 &&
                          std::get<brontaxe::TextShape>(e.shape).text == "Cartonnerie Dupré");
    QVERIFY(shown);
}

void SheetDialogsTest::theSheetIsOneStepAndAnAbandonedQuestionnaireLeavesNone_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("sheetKept");
    QTest::newRow("Valider") << "CmdValider" << true;
    QTest::newRow("Abandon") << "CmdAbandon" << false;
}

// Inserting the sheet and answering it is one step of the history; abandoning the
// questionnaire of a sheet just inserted takes the sheet away, placeholders and all.
void SheetDialogsTest::theSheetIsOneStepAndAnAbandonedQuestionnaireLeavesNone() {
    QFETCH(QString, button);
    QFETCH(bool, sheetKept);
    Fixture f;
    bool chose = false, answered = false;
    onModal<SheetTemplateDialog>(
        [&](SheetTemplateDialog& d) {
            onModal<QuestionnaireDialog>(
                [&](QuestionnaireDialog& ft) { ft.findChild<QPushButton*>(button)->click(); },
                &answered);
            d.findChild<QPushButton*>("Command1")->click();
        },
        &chose);
    f.window.findChild<QToolButton*>("Image10")->click();
    QVERIFY(chose && answered);
    const Drawing& d = f.wb.drawing();
    const auto placeholders = [&d] {
        int n = 0;
        for (const auto& e : d.elements())
            if (const auto* t = std::get_if<brontaxe::TextShape>(&e.shape))
                n += t->text.find('#') != std::string::npos;
        return n;
    };
    QCOMPARE(placeholders(), 0);
    QCOMPARE(!d.SheetName().empty(), sheetKept);
    QCOMPARE(f.window.isWindowModified(), sheetKept);
    QCOMPARE(f.window.history().stack().count(), sheetKept ? 1 : 0);
    if (sheetKept) {
        f.window.findChild<QAction*>("mnedition_annuler")->trigger();
        QVERIFY(d.SheetName().empty());
        QVERIFY(!f.window.isWindowModified());
    }
}

QTEST_MAIN(SheetDialogsTest)
#include "sheet_dialogs_qtest.moc"
