// The design-rule check in the window: the verdict beside the figures after each
// regeneration, the list on a click, the elements of the chosen finding highlighted.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/window/check_panel.h"
#include "window_fixture.h"

using brontaxe::ElementId;
using brontaxe::Finding;
using brontaxe::FindingKind;
using brontaxe::app::CheckPanel;

class CheckPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void theVerdictCountsTheFindingsAndTheListHighlightsOne() {
        brontaxe::Drawing d;
        for (int i = 0; i < 4; ++i)
            d.AddLine(0, i, 10, i);
        brontaxe::app::DrawingView view(d);
        CheckPanel panel;
        panel.setView(&view);
        QCOMPARE(panel.verdict(), QString("Contrôle\u00a0: aucun défaut"));

        panel.showFindings({
            {FindingKind::DoubledCut,
             brontaxe::Severity::Defect,
             {ElementId{3}, ElementId{4}},
             {5, 0},
             "Coupe doublée"},
            {FindingKind::ZeroLength,
             brontaxe::Severity::Defect,
             {ElementId{6}},
             {0, 3},
             "Élément de longueur nulle"},
        });
        QCOMPARE(panel.verdict(), QString("Contrôle\u00a0: 2 défauts"));
        QVERIFY(!panel.listShown());
        // Every finding's elements while none is chosen.
        QCOMPARE(view.highlightedElements().size(), std::size_t{3});

        QTest::mouseClick(panel.findChild<QPushButton*>("lbControle"), Qt::LeftButton);
        QVERIFY(panel.listShown());
        auto* list = panel.findChild<QListWidget*>("lstControle");
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1);
        QCOMPARE(view.highlightedElements(), std::vector<ElementId>{ElementId{6}});

        panel.showFindings({});
        QCOMPARE(panel.verdict(), QString("Contrôle\u00a0: aucun défaut"));
        QVERIFY(!panel.listShown());
        QVERIFY(view.highlightedElements().empty());
    }

    void theWindowChecksEveryRegeneration() {
        brontaxe::app::WindowFixture f;
        auto& wb = f.wb;
        auto& window = f.window;
        CheckPanel* panel = window.checkPanel();
        QVERIFY(panel);
        QCOMPARE(panel->verdict(), QString("Contrôle\u00a0: aucun défaut"));

        // Length flaps 20 mm too deep collide once folded; a new height regenerates.
        wb.model().Majo[6] = 20;
        f.typeAndLeave("hauteur", "210");
        QCOMPARE(wb.model().Hauteur, 210.0f);
        QCOMPARE(panel->verdict(), QString("Contrôle\u00a0: 1 défaut"));
        // A fold finding names no element: nothing to trace, but the list holds it.
        QTest::mouseClick(panel->findChild<QPushButton*>("lbControle"), Qt::LeftButton);
        QVERIFY(panel->listShown());
        QVERIFY(panel->findChild<QListWidget*>("lstControle")
                    ->item(0)
                    ->text()
                    .startsWith("Rabats en collision"));
    }
};

QTEST_MAIN(CheckPanelTest)
#include "check_panel_qtest.moc"
