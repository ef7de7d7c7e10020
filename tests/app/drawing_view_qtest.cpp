// The drawing view's own arithmetic: fitting, zooming about the cursor, panning.

#include <QtTest>

#include "app/views/drawing_view.h"

using brontaxe::Drawing;
using brontaxe::Point;
using brontaxe::app::DrawingView;

class DrawingViewTest : public QObject {
    Q_OBJECT
  private slots:
    void fittingShowsTheWholeDrawingCentred() {
        Drawing d;
        d.AddLine(0, 0, 1000, 0);
        d.AddLine(1000, 0, 1000, 400);
        DrawingView view(d);
        view.resize(800, 600);
        view.drawingChanged();
        view.fitToWindow();
        const QPointF a = view.toScreen({0, 0});
        const QPointF b = view.toScreen({1000, 400});
        QVERIFY(QRectF(view.rect()).contains(a));
        QVERIFY(QRectF(view.rect()).contains(b));
        QVERIFY(b.x() - a.x() > 0.8 * 800);  // the drawing fills the width
        QVERIFY(b.y() < a.y());              // y goes up, as on the drawing
        QVERIFY(std::abs((a.x() + b.x()) / 2 - 400) < 1);
    }

    void theWheelZoomsAboutTheCursor() {
        Drawing d;
        d.AddLine(0, 0, 1000, 400);
        DrawingView view(d);
        view.resize(800, 600);
        view.drawingChanged();
        const QPointF cursor(200, 150);
        const Point under = view.toWorld(cursor);
        const double before = view.scale();
        QWheelEvent wheel(cursor, view.mapToGlobal(cursor), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        QVERIFY(view.scale() > before);
        QVERIFY(!view.fitting());
        const Point still = view.toWorld(cursor);
        QVERIFY(std::abs(still.x - under.x) < 1e-6 && std::abs(still.y - under.y) < 1e-6);
        view.fitToWindow();
        QCOMPARE(view.scale(), before);
    }

    void draggingPansAndZoomInToolZoomsOnce() {
        Drawing d;
        d.AddLine(0, 0, 1000, 400);
        DrawingView view(d);
        view.resize(800, 600);
        view.drawingChanged();
        const QPointF origin = view.toScreen({0, 0});
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(&view, QPoint(130, 90));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(130, 90));
        const QPointF moved = view.toScreen({0, 0});
        QVERIFY(std::abs(moved.x() - origin.x() - 30) < 1e-6);
        QVERIFY(std::abs(moved.y() - origin.y() + 10) < 1e-6);

        const double scale = view.scale();
        view.setTool(DrawingView::Tool::ZoomIn);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(400, 300));
        QCOMPARE(view.scale(), 2 * scale);
        QCOMPARE(view.tool(), DrawingView::Tool::None);
    }
};

QTEST_MAIN(DrawingViewTest)
#include "drawing_view_qtest.moc"
