// The architecture chooser: what it opens on, which groups each option shows, the pictures
// of the closures, and what "OK" writes; then the window's "Haut / Bas" entry through it.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "app/dialogs/architecture_dialog.h"
#include "modal_answers.h"
#include "model/model.h"
#include "window_fixture.h"

using brontaxe::Model;
using brontaxe::app::ArchitectureDialog;

namespace {

Model sized(std::int16_t top, std::int16_t bottom) {
    Model m;
    m.Longueur = 400;
    m.Largeur = 300;
    m.Hauteur = 200;
    m.lgPatte = 36;
    m.encoche = 8;
    m.hrabat = 50;
    m.hpatrent = 30;
    m.hrecouvr = 30;
    m.rarrondi = 10;
    m.TypeDessus = top;
    m.TypeDessous = bottom;
    return m;
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(name);
    if (!found)
        qFatal("no child %s", name);
    return found;
}

bool shown(QWidget& dialog, const char* shape) {
    return child<QFrame>(dialog, shape)->isVisibleTo(&dialog);
}

void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class ArchitectureDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheModelsClosures() {
        struct Case {
            std::int16_t top, bottom;
            int topIndex, bottomIndex;
            const char* option;
            bool topShown, bottomShown;
        };
        const Case cases[] = {
            {201, 711, 0, 11, "br_caisse", true, true},
            {216, 233, 10, 13, "br_caisse", true, true},
            {0, 203, 0, 2, "br_Fond", false, true},
            {210, 0, 8, 0, "br_couv", true, false},
        };
        for (const Case& c : cases) {
            Model m = sized(c.top, c.bottom);
            ArchitectureDialog dialog(m);
            QCOMPARE(dialog.windowTitle(), QString("Architecture"));
            QCOMPARE(child<QComboBox>(dialog, "cmb_dessus")->currentIndex(), c.topIndex);
            QCOMPARE(child<QComboBox>(dialog, "cmb_dessous")->currentIndex(), c.bottomIndex);
            QVERIFY(child<QRadioButton>(dialog, c.option)->isChecked());
            QCOMPARE(shown(dialog, "Shape_dessus"), c.topShown);
            QCOMPARE(shown(dialog, "Shape_dessous"), c.bottomShown);
        }
    }

    void listsCaptionsAndPictures() {
        Model m = sized(201, 711);
        ArchitectureDialog dialog(m);
        auto* top = child<QComboBox>(dialog, "cmb_dessus");
        auto* bottom = child<QComboBox>(dialog, "cmb_dessous");
        QCOMPARE(top->count(), 14);
        QCOMPARE(top->itemText(10), QString("216 ( semi-auto)"));
        QCOMPARE(bottom->itemText(10), QString("216 (semi-auto)"));
        QCOMPARE(bottom->itemText(11), QString("711 (auto)"));
        QCOMPARE(child<QLabel>(dialog, "lb_titre_dessus")->text(), QString("DESSUS"));
        QCOMPARE(child<QLabel>(dialog, "lb_titre_dessous")->text(), QString("DESSOUS"));
        QCOMPARE(child<QLabel>(dialog, "lb_code_dessous")->text(), QString("Code Architecture "));
        // Each picture is the half drawn: not blank.
        for (const char* name : {"Image_dessus", "Image_dessous"}) {
            const QImage picture = child<QLabel>(dialog, name)->pixmap().toImage();
            QVERIFY(!picture.isNull());
            int dark = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    dark += qGray(picture.pixel(x, y)) < 128;
            QVERIFY2(dark > 200, name);
        }
        // Another closure, another picture.
        const QImage before = child<QLabel>(dialog, "Image_dessous")->pixmap().toImage();
        choose(bottom, 2);
        QCOMPARE(m.TypeDessous, std::int16_t{203});
        QVERIFY(child<QLabel>(dialog, "Image_dessous")->pixmap().toImage() != before);
    }

    void optionsShowTheirGroupsAndOkWritesTheClosures() {
        struct Case {
            const char* option;
            int topIndex, bottomIndex;
            std::int16_t top, bottom;
            bool topShown, bottomShown;
        };
        const Case cases[] = {
            {"br_caisse", 2, 11, 203, 711, true, true},
            {"br_couv", 10, 11, 216, 0, true, false},
            {"br_Fond", 0, 10, 0, 216, false, true},
        };
        for (const Case& c : cases) {
            Model m = sized(201, 201);
            ArchitectureDialog dialog(m);
            choose(child<QComboBox>(dialog, "cmb_dessus"), c.topIndex);
            choose(child<QComboBox>(dialog, "cmb_dessous"), c.bottomIndex);
            child<QRadioButton>(dialog, c.option)->click();
            QCOMPARE(shown(dialog, "Shape_dessus"), c.topShown);
            QCOMPARE(shown(dialog, "Shape_dessous"), c.bottomShown);
            child<QPushButton>(dialog, "but_ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(m.TypeDessus, c.top);
            QCOMPARE(m.TypeDessous, c.bottom);
        }
    }

    // The window's last 02 entry opens the chooser and draws what it chose.
    void theTopAndBottomEntryDrawsTheChosenBox() {
        brontaxe::app::WindowFixture f;
        auto& wb = f.wb;
        auto& window = f.window;
        auto* codes = window.findChild<QComboBox*>("CbModules");
        QVERIFY(codes);
        const int last = codes->count() - 1;
        QCOMPARE(codes->itemText(last), QString("Haut / Bas"));
        // "Annuler" after a choice: the code and the drawing stay.
        const std::string before = wb.window().codeText;
        brontaxe::app::onModal<ArchitectureDialog>([](ArchitectureDialog& dialog) {
            choose(dialog.findChild<QComboBox*>("cmb_dessous"), 11);
            QTest::mouseClick(dialog.findChild<QPushButton*>("but_annuler"), Qt::LeftButton);
        });
        codes->setCurrentIndex(last);
        emit codes->activated(last);
        QCOMPARE(wb.window().codeText, before);
        QCOMPARE(wb.model().TypeDessous, std::int16_t{201});

        brontaxe::app::onModal<ArchitectureDialog>([](ArchitectureDialog& dialog) {
            choose(dialog.findChild<QComboBox*>("cmb_dessous"), 11);
            QTest::mouseClick(dialog.findChild<QPushButton*>("but_ok"), Qt::LeftButton);
        });
        codes->setCurrentIndex(last);
        emit codes->activated(last);
        QCOMPARE(wb.window().codeText, std::string("0201/0711"));
        QCOMPARE(codes->itemText(last), QString("0201/0711"));
        QCOMPARE(wb.model().TypeDessous, std::int16_t{711});
        QVERIFY(wb.drawing().extents().ymin < -200);
    }
};

QTEST_MAIN(ArchitectureDialogTest)
#include "architecture_dialog_qtest.moc"
