// The folded blank in the window: the preview box shows it erected, "Vue pliée 3D" follows
// every regeneration, folds with its slider and its animation, and says when a style does not
// fold yet.

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QVariantAnimation>
#include <QtTest>
#include <algorithm>

#include "app/views/fold_window.h"
#include "app/views/preview_image.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "window_fixture.h"

using brontaxe::app::MainWindow;

namespace {

struct Fixture : brontaxe::app::WindowFixture {
    void type(const QString& code) {
        auto* box = window.findChild<brontaxe::app::EntryBox*>("txtModel");
        box->setText(code);
        emit box->committed();
    }
    brontaxe::app::FoldWindow* open() {
        window.findChild<QAction*>("mnoutils_vuepliee")->trigger();
        return window.foldWindow();
    }
    int faces() { return window.foldWindow()->view()->scene().model->faceCount(); }
};

// Pixels of the board's kraft colours, not white nor grey.
int boardPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > c.blue() + 40 && c.green() > c.blue() + 20;
        }
    return count;
}

}  // namespace

class FoldWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void thePreviewBoxShowsTheBoxErected() {
        Fixture f;
        auto* preview = f.window.findChild<brontaxe::app::PreviewImage*>("Vue3D");
        QVERIFY(preview->showsFold());
        QVERIFY(boardPixels(preview->grab().toImage()) > 200);
    }

    void theWindowFollowsEveryRegeneration() {
        Fixture f;
        brontaxe::app::FoldWindow* w = f.open();
        QVERIFY(w && w->isVisible());
        QCOMPARE(f.faces(), 13);  // four walls, glue flap, eight flaps
        f.type("0457");
        QCOMPARE(f.faces(), 9);  // the base, four walls, four ears
        QVERIFY(boardPixels(w->view()->grab().toImage()) > 500);
        QVERIFY(w->findChild<QLabel*>("note")->isHidden());
    }

    // A window cut in a panel folds with the box; a crease deleted leaves faces the style does
    // not know: the blank lies flat and the window says why, and an undo folds it again.
    void anEditedBlankFoldsWhileItsFacesStay() {
        Fixture f;
        brontaxe::app::FoldWindow* w = f.open();
        auto* note = w->findChild<QLabel*>("note");
        std::vector<brontaxe::Element> blank = f.wb.editableBlank();
        for (const auto& [a, b] :
             {std::pair<brontaxe::Point, brontaxe::Point>{{500, 60}, {560, 60}},
              {{560, 60}, {560, 100}},
              {{560, 100}, {500, 100}},
              {{500, 100}, {500, 60}}})
            blank.push_back({brontaxe::LineShape{a, b}, brontaxe::kind::Cut});
        f.window.applyBlankEdit(blank);
        QCOMPARE(f.faces(), 13);
        QVERIFY(note->isHidden());

        const auto crease = std::find_if(blank.begin(), blank.end(), [](const auto& e) {
            return e.lineKind == brontaxe::kind::Crease;
        });
        blank.erase(crease);
        f.window.applyBlankEdit(blank);
        QVERIFY(!note->isHidden());
        QVERIFY2(
            note->text().startsWith("Découpe modifiée : ses faces ne sont plus celles du modèle"),
            qPrintable(note->text()));
        w->slider()->setValue(100);
        const QImage flat = w->view()->grab().toImage();
        w->slider()->setValue(0);
        QCOMPARE(w->view()->grab().toImage(), flat);

        f.trigger("mnedition_annuler");
        QCOMPARE(f.faces(), 13);
        QVERIFY(note->isHidden());
    }

    void theSliderAndTheAnimationFold() {
        Fixture f;
        brontaxe::app::FoldWindow* w = f.open();
        w->slider()->setValue(50);
        QCOMPARE(w->view()->fraction(), 0.5);
        const QImage half = w->view()->grab().toImage();
        w->slider()->setValue(0);
        QCOMPARE(w->view()->fraction(), 0.0);
        QVERIFY(half != w->view()->grab().toImage());
        // The animation runs the slider from 0 to 100; its clock is driven here, so that a
        // loaded machine cannot outrun a wait.
        w->animate();
        auto* animation = w->findChild<QVariantAnimation*>();
        QVERIFY(animation && animation->state() == QAbstractAnimation::Running);
        animation->setCurrentTime(animation->duration() / 2);
        QCOMPARE(w->slider()->value(), 50);
        animation->setCurrentTime(animation->duration());
        QCOMPARE(w->slider()->value(), 100);
        QCOMPARE(w->view()->fraction(), 1.0);
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    }
};

QTEST_MAIN(FoldWindowTest)
#include "fold_window_qtest.moc"
