// The window's piece menus, check boxes and pass direction, the machine passes dialog and the
// section dialog, driven as a user drives them.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <deque>

#include "app/dialogs/machine_passes_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/window/main_window.h"
#include "app/window/piece_controls.h"
#include "modal_answers.h"
#include "window_fixture.h"
#include "workbench/direction_arrows.h"
#include "workbench/workbench_check.h"

using brontaxe::AlongAxis;
using brontaxe::Workbench;
using brontaxe::app::answer;
using brontaxe::app::MainWindow;
using brontaxe::app::ModalScript;

namespace {

struct Fixture : brontaxe::app::WindowFixture {
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
    QCheckBox* box(int k) {
        return window.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(k));
    }
    int passArrows() const {
        int n = 0;
        for (const auto& e : wb.drawing().elements()) {
            if (const auto* s = std::get_if<brontaxe::SymbolShape>(&e.shape);
                s && s->number == brontaxe::kPassArrowSymbol)
                ++n;
        }
        return n;
    }
};

}  // namespace

class PiecesTest : public QObject {
    Q_OBJECT
  private slots:
    void choosingAPieceLeavesThatPieceOnlyAndTheMarksFollow() {
        Fixture f;
        f.action("mnmoceaufaces")->trigger();
        const auto& shown = f.wb.model().AfficheMorceau;
        QCOMPARE(shown[2], std::int16_t{1});
        for (std::size_t k : {0u, 1u, 3u, 4u})
            QCOMPARE(shown[k], std::int16_t{0});
        QVERIFY(!f.box(0)->isChecked());
        QVERIFY(f.box(1)->isChecked());
        QVERIFY(!f.box(2)->isChecked());
        QVERIFY(f.action("mnmoceaufaces")->isChecked());
        QVERIFY(!f.action("mnmoceaucouvercle")->isChecked());
        QVERIFY(!f.action("mnmorceaufond")->isChecked());
        QVERIFY(!f.action("mnmorceautous")->isChecked());

        // The third check box, then tool image 17 for every piece again.
        f.box(2)->click();
        QCOMPARE(f.wb.model().AfficheMorceau[3], std::int16_t{1});
        QCOMPARE(f.wb.model().AfficheMorceau[2], std::int16_t{0});
        QVERIFY(f.action("mnmorceaufond")->isChecked());
        QVERIFY(!f.box(1)->isChecked());
        f.window.findChild<QToolButton*>("Image17")->click();
        for (std::int16_t flag : f.wb.model().AfficheMorceau)
            QCOMPARE(flag, std::int16_t{1});
        QVERIFY(f.action("mnmorceautous")->isChecked());
        for (int k = 0; k < 3; ++k)
            QVERIFY(f.box(k)->isChecked());
    }

    void fourPiecesAskTwoQuestionsAndUncheckingClearsBothModes() {
        Fixture f;
        const auto& m = f.wb.model();
        {
            QString titles[2], texts[2];
            ModalScript answers(
                {answer("Non", &texts[0], &titles[0]), answer("Oui", &texts[1], &titles[1])});
            f.action("mncaisse4")->trigger();
            QVERIFY(answers.done());
            QCOMPARE(titles[0], QString("4 pièces"));
            QCOMPARE(titles[1], QString("4 pièces"));
            QCOMPARE(texts[0], QString("Panneau de tête\u00a0? (Non\u00a0: panneau de face)"));
            QVERIFY(texts[1].startsWith("Patte de collage sur chaque panneau"));
        }
        QCOMPARE(m.CaisseEn4, std::int16_t{4});
        QVERIFY(m.CaisseEn2);
        QVERIFY(f.action("mncaisse4")->isChecked());
        QVERIFY(!f.action("mncaisse_en_2")->isChecked());

        // Two pieces while four are set: four off, two stay.
        f.action("mncaisse_en_2")->trigger();
        QCOMPARE(m.CaisseEn4, std::int16_t{0});
        QVERIFY(m.CaisseEn2);
        QVERIFY(f.action("mncaisse_en_2")->isChecked());
        QVERIFY(!f.action("mncaisse4")->isChecked());

        {
            ModalScript answers({answer("Oui"), answer("Non")});
            f.action("mncaisse4")->trigger();
            QVERIFY(answers.done());
        }
        QCOMPARE(m.CaisseEn4, std::int16_t{1});
        f.action("mncaisse4")->trigger();  // unchecked: no question
        QCOMPARE(m.CaisseEn4, std::int16_t{0});
        QVERIFY(!m.CaisseEn2);
        QVERIFY(!f.action("mncaisse4")->isChecked());
    }

    void stylesDrawnInOnePieceDisableAndClearTheModes() {
        Fixture f;
        f.action("mncaisse_en_2")->trigger();
        QVERIFY(f.wb.model().CaisseEn2);
        f.typeAndLeave("txtModel", "0216");
        QVERIFY(!f.action("mncaisse_en_2")->isEnabled());
        QVERIFY(!f.action("mncaisse4")->isEnabled());
        QVERIFY(!f.action("mncaisse_en_2")->isChecked());
        QVERIFY(!f.wb.model().CaisseEn2);
        // Drawn whole: a closed outline with its surface.
        QVERIFY(f.wb.model().SurfDecoupee > 0);
        QVERIFY(brontaxe::checkRegenerated(f.wb).empty());
        f.typeAndLeave("txtModel", "0201");
        QVERIFY(f.action("mncaisse_en_2")->isEnabled());
    }

    void passDirectionPressedTwiceGoesBackToNone() {
        Fixture f;
        f.action("mn_senspassX")->trigger();
        QVERIFY(f.wb.model().senspass == AlongAxis::X);
        QVERIFY(f.action("mn_senspassX")->isChecked());
        QCOMPARE(f.passArrows(), 1);
        QVERIFY(f.window.findChild<QRadioButton*>("Option1_4")->isChecked());

        f.action("mn_senspassY")->trigger();
        QVERIFY(f.wb.model().senspass == AlongAxis::Y);
        QVERIFY(!f.action("mn_senspassX")->isChecked());
        QVERIFY(f.action("mn_senspassY")->isChecked());

        f.action("mn_senspassX")->trigger();
        f.action("mn_senspassX")->trigger();
        QVERIFY(f.wb.model().senspass == AlongAxis::None);
        QVERIFY(!f.action("mn_senspassX")->isChecked());
        QCOMPARE(f.passArrows(), 0);
        QVERIFY(f.window.findChild<QRadioButton*>("Option1_3")->isChecked());
    }

    void thePassesOfATwoPieceSlottedCaseShowThreeColumns() {
        Fixture f;
        f.action("mncaisse_en_2")->trigger();
        brontaxe::app::MachinePassesDialog two(f.wb.model().PassesMachine, &f.window);
        two.show();
        // Its title whole in the title bar, beside the window manager's buttons.
        QCOMPARE(two.windowTitle(), QString("Passages-Machine"));
        QVERIFY(two.width() > two.fontMetrics().horizontalAdvance(two.windowTitle()) + 200);
        QCOMPARE(two.columnsShown(), 3);
        QVERIFY(two.panelWidths(2)->isVisible());
        for (int k : {3, 4}) {
            QVERIFY(!two.panelWidths(k)->isVisible());
            QVERIFY(!two.upperFlaps(k)->isVisible());
            QVERIFY(!two.lowerFlaps(k)->isVisible());
        }
        // Glue tab and panels 1 and 2, as the body builder recorded them.
        const auto& passes = f.wb.model().PassesMachine;
        QCOMPARE(two.panelWidths(0)->text(), QString::number(static_cast<double>(passes[0])));
        QCOMPARE(two.panelWidths(1)->text(), QString::number(static_cast<double>(passes[1])));
        QCOMPARE(two.bodyHeight()->text(), QString::number(static_cast<double>(passes[16])));

        f.action("mncaisse_en_2")->trigger();
        brontaxe::app::MachinePassesDialog one(f.wb.model().PassesMachine, &f.window);
        one.show();
        QCOMPARE(one.columnsShown(), 5);
        QVERIFY(one.panelWidths(4)->isVisible());
        QVERIFY(one.lowerFlaps(3)->isVisible());
    }

    void theSectionDialogPreviewsCutsOnceAndAbandonPutsTheBlankBack() {
        Fixture f;
        const float wholeX = f.wb.model().HorsToutX;
        const float wholeSurface = f.wb.model().SurfDecoupee;
        brontaxe::app::SectionHost host;
        auto* window = &f.window;
        QTimer::singleShot(0, window, [&] {
            auto* dialog =
                qobject_cast<brontaxe::app::SectionDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Opened with the line at half the blank's width.
            QCOMPARE(dialog->positionBox()->text().replace(',', '.').toDouble(), wholeX / 2.0);
            int sectionLines = 0;
            for (const auto& e : f.wb.drawing().elements())
                sectionLines += e.lineKind == brontaxe::kind::SectionLine;
            QCOMPARE(sectionLines, 1);

            dialog->positionBox()->setText("700");
            QVERIFY(dialog->apply());
            const auto once = f.wb.drawing().elements();
            QCOMPARE(f.wb.model().HorsToutX, 700.0f);
            QVERIFY(f.wb.model().SurfDecoupee < wholeSurface);
            QVERIFY(brontaxe::checkRegenerated(f.wb).empty());
            QVERIFY(dialog->apply());
            QVERIFY(f.wb.drawing().elements() == once);  // never cut twice

            // The upper part of a horizontal section.
            dialog->sideButton(2)->click();
            dialog->positionBox()->setText("300");
            QVERIFY(dialog->apply());
            QVERIFY(f.wb.model().HorsToutY < 509.0f);
            QCOMPARE(f.wb.model().HorsToutX, wholeX);
            dialog->findChild<QPushButton*>("CmdCancel")->click();
        });
        f.window.openSection();
        QCOMPARE(f.wb.model().HorsToutX, wholeX);
        QCOMPARE(f.wb.model().SurfDecoupee, wholeSurface);
    }
};

QTEST_MAIN(PiecesTest)
#include "pieces_qtest.moc"
