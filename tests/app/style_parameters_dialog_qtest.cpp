// The "Autres Dimensions" dialog opened from the main window, and "Sauver Défaut".

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "app/dialogs/style_parameters_dialog.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "drawing/drawing_dump.h"
#include "modal_answers.h"
#include "model/model_init.h"
#include "platform/paths.h"
#include "window_fixture.h"

using brontaxe::Workbench;
using brontaxe::app::MainWindow;
using brontaxe::app::StyleParametersDialog;

namespace {

// Every test starts on the start values: no defaults saved by an earlier test.
std::filesystem::path freshSettings() {
    const auto directory =
        brontaxe::platform::windowsDirectory(brontaxe::platform::processEnvironment());
    std::filesystem::remove(brontaxe::platform::PrivateProfile(directory).resolve(
        std::string(brontaxe::kParameterFileName)));
    return directory;
}

struct Fixture : brontaxe::app::WindowFixture {
    Fixture() : WindowFixture(&brontaxe::findGenerator, std::nullopt, freshSettings()) {}

    // Opens the dialog with "Détails", runs `body` on it, then closes it with "Valider" (or the
    // button named).
    void withDialog(const std::function<void(StyleParametersDialog&)>& body,
                    const char* closeWith = "CmdValid") {
        bool ran = false;
        brontaxe::app::onModal<StyleParametersDialog>(
            [&](StyleParametersDialog& dialog) {
                body(dialog);
                dialog.findChild<QPushButton*>(closeWith)->click();
            },
            &ran);
        child<QPushButton>("CmdDetails")->click();
        QVERIFY(ran);
    }
};

void enter(StyleParametersDialog& d, int field, const QString& text) {
    d.fieldBox(field)->setText(text);
    QTest::keyClick(d.fieldBox(field), Qt::Key_Return);
}

// Distinct positions of the vertical creases, left to right.
std::vector<double> verticalCreases(const brontaxe::Drawing& drawing) {
    std::set<double> xs;
    for (const auto& e : drawing.elements()) {
        const auto* line = std::get_if<brontaxe::LineShape>(&e.shape);
        if (line && e.lineKind == brontaxe::kind::Crease && std::abs(line->a.x - line->b.x) < 1e-6)
            xs.insert(std::round(line->a.x * 100) / 100);
    }
    return {xs.begin(), xs.end()};
}

}  // namespace

class StyleParametersDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheModelWithItsNineTabs() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) {
            QTabWidget* tabs = d.tabs();
            QCOMPARE(tabs->count(), 9);
            const QStringList captions{"Patte de Collage",     "Encoches",      "Rabat/Refoulage",
                                       "Arrondis/Cp de Pouce", "Divers Pattes", "Double Mur",
                                       "Croisillons",          "Poignées",      "Ponts"};
            for (int i = 0; i < 9; ++i)
                QCOMPARE(tabs->tabText(i), captions[i]);
            QCOMPARE(d.fieldBox(0)->text(), QString("36"));
            QCOMPARE(d.fieldBox(9)->text(), QString("10"));
            QCOMPARE(d.fieldBox(19)->text(), QString("2"));
            QVERIFY(d.findChild<QCheckBox*>("ChkHrabat")->isChecked());
            QVERIFY(d.findChild<QRadioButton*>("Option1_0")->isChecked());
            QVERIFY(!d.findChild<QCheckBox*>("ChkPoign")->isChecked());
            QVERIFY(!d.findChild<QCheckBox*>("ChkPonts")->isChecked());
            QCOMPARE(d.fieldBox(brontaxe::kFieldBridgeWidth)->text(), QString("0,5"));
            QVERIFY(d.isModal());
        });
        QCOMPARE(f.window.regenerationCount(), 1);  // opening changes nothing
    }

    void theTenonScrollBarAndItsFieldGoTogether() {
        Fixture f;
        f.typeAndLeave("txtModel", "0421");  // a style with tenons
        f.withDialog([&](StyleParametersDialog& d) {
            d.findChild<QScrollBar*>("VScroll1")->setValue(1);
            QCOMPARE(d.fieldBox(19)->text(), QString("1"));
            QCOMPARE(f.wb.model().nbmortaise, std::int16_t(1));
            enter(d, 19, "3");
            QCOMPARE(d.findChild<QScrollBar*>("VScroll1")->value(), 3);
        });
    }

    // Each kind of bad entry in the style parameters: the field shows its value again, the
    // dialog and the window's status bar say why, nothing is drawn.
    void aBadParameterIsRefusedWithItsReason_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text")
            << "0201" << 0 << "abc"
            << "36"
            << "Largeur de patte de collage incorrecte\u00a0: \"abc\" (de 0 à 500\u00a0mm)";
        QTest::newRow("negative")
            << "0201" << 30 << "-1"
            << "6"
            << "Écart refoulage de poignée incorrect\u00a0: -1 (de 0 à 100\u00a0mm)";
        QTest::newRow("too large")
            << "0209" << 5 << "99999"
            << "50"
            << "Hauteur de rabat incorrecte\u00a0: 99999 (de 0 à 10000\u00a0mm)";
        QTest::newRow("angle")
            << "0201" << 1 << "95"
            << "15"
            << "Angle de patte de collage incorrect\u00a0: 95 (de 0 à 90\u00a0°)";
        QTest::newRow("count") << "0421" << 19 << "7"
                               << "2"
                               << "Nombre de tenons/mortaises incorrect\u00a0: 7 (de 0 à 3)";
        QTest::newRow("comma list")
            << "0201" << 3 << "1,2,3"
            << "8"
            << "Largeur d'encoche incorrecte\u00a0: \"1,2,3\" (de 0 à 100\u00a0mm)";
    }
    void aBadParameterIsRefusedWithItsReason() {
        QFETCH(QString, code);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        Fixture f;
        f.typeAndLeave("txtModel", code);
        const brontaxe::Model before = f.wb.model();
        const int regenerations = f.window.regenerationCount();
        f.withDialog([&](StyleParametersDialog& d) {
            QCOMPARE(d.fieldBox(field)->text(), shown);
            enter(d, field, typed);
            QCOMPARE(d.fieldBox(field)->text(), shown);
            QVERIFY(d.fieldBox(field)->refused());
            QCOMPARE(d.findChild<QLabel*>("lbMessage")->text(), reason);
            QCOMPARE(f.status(), reason);
            QCOMPARE(f.window.regenerationCount(), regenerations);
            // A good entry afterwards is drawn at once and the frame goes.
            enter(d, field, "2");
            QCOMPARE(f.window.regenerationCount(), regenerations + 1);
            QVERIFY(!d.fieldBox(field)->refused());
            QVERIFY(d.findChild<QLabel*>("lbMessage")->text().isEmpty());
        });
        QCOMPARE(f.window.regenerationCount(), regenerations + 1);
        QCOMPARE(f.wb.model().lgPatte, field == 0 ? 2.0f : before.lgPatte);
    }

    // The fields the style drawn does not use are greyed, their reason in the tool-tip, with
    // the choices beside them; another style uses them again.
    void theFieldsTheStyleDoesNotUseAreGreyed() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) {
            QVERIFY(d.fieldBox(0)->isEnabled());
            QVERIFY(!d.fieldBox(11)->isEnabled());
            QVERIFY(!d.findChild<QLabel*>("unit_11")->isEnabled());
            QCOMPARE(d.fieldBox(11)->toolTip(), QString("Le modèle 0201 n'utilise pas cette cote"));
            QVERIFY(!d.findChild<QScrollBar*>("VScroll1")->isEnabled());
            QVERIFY(!d.findChild<QCheckBox*>("Check1")->isEnabled());
            QVERIFY(d.fieldBox(brontaxe::kFieldCreasesHorizontal)->isEnabled());
        });
        QVERIFY(!f.window.isWindowModified());
        auto* code = f.box("txtModel");
        code->setText("0421");
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(f.wb.model().CodeModele, std::string("0421"));
        f.withDialog([&](StyleParametersDialog& d) {
            QVERIFY(d.fieldBox(11)->isEnabled());
            QVERIFY(d.findChild<QLabel*>("unit_11")->isEnabled());
            QVERIFY(d.findChild<QScrollBar*>("VScroll1")->isEnabled());
            QVERIFY(!d.fieldBox(0)->isEnabled());
            // No style draws from "Oblique": greyed even beside the tenons.
            QVERIFY(!d.findChild<QCheckBox*>("Check1")->isEnabled());
        });
    }

    void aDecimalCommaIsADecimalPoint() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) { enter(d, 0, "32,5"); });
        QCOMPARE(f.wb.model().lgPatte, 32.5f);
    }

    // Each tab's captions, boxes and units stand in three columns, headings between them; the
    // chamfer of a divider's slot is given by its angle.
    void unitsStandBesideTheFieldsInColumns() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) {
            QCOMPARE(d.findChild<QLabel*>("unit_0")->text(), QString("mm"));
            QCOMPARE(d.findChild<QLabel*>("unit_1")->text(), QString("°"));
            QCOMPARE(d.findChild<QLabel*>("unit_13")->text(), QString("°"));
            QCOMPARE(d.findChild<QLabel*>("unit_20")->text(), QString("mm"));
            QCOMPARE(d.findChild<QLabel*>("unit_25")->text(), QString("mm"));
            QCOMPARE(d.findChild<QLabel*>("unit_26")->text(), QString("°"));
            QVERIFY(!d.findChild<QLabel*>("unit_19"));  // a count, beside its scroll bar
            QTabWidget* tabs = d.tabs();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QWidget* page = tabs->widget(tab);
                page->layout()->activate();
                QCoreApplication::processEvents();
                std::set<int> boxes;
                std::set<int> units;
                for (auto* box : page->findChildren<brontaxe::app::EntryBox*>()) {
                    const QString name = box->objectName();
                    if (name != "Text1_20" && name != "Text1_21")  // the crease lists' frame
                        boxes.insert(box->mapTo(page, QPoint()).x());
                }
                for (auto* unit : page->findChildren<QLabel*>(QRegularExpression("^unit_"))) {
                    if (unit->objectName() != "unit_20" && unit->objectName() != "unit_21")
                        units.insert(unit->mapTo(page, QPoint()).x());
                }
                QVERIFY2(boxes.size() <= 1, qPrintable(tabs->tabText(tab)));
                QVERIFY2(units.size() <= 1, qPrintable(tabs->tabText(tab)));
            }
        });
    }

    void annulerRestoresEveryOpeningValueAndTheDrawing() {
        Fixture f;
        const brontaxe::Model before = f.wb.model();
        const std::string drawing = f.dump();
        const QString creases = f.child<QLineEdit>("Txt_listefoulages")->text();
        f.withDialog(
            [&](StyleParametersDialog& d) {
                enter(d, 0, "50");
                enter(d, 5, "80");
                enter(d, 20, "100");
                d.findChild<QRadioButton*>("Option1_1")->click();
                d.findChild<QCheckBox*>("ChkPoign")->click();
                d.findChild<QScrollBar*>("VScroll2")->setValue(7);
                QVERIFY(f.dump() != drawing);
            },
            "CmdAnnuler");
        const brontaxe::Model& m = f.wb.model();
        QCOMPARE(m.lgPatte, before.lgPatte);
        QCOMPARE(m.hrabat, before.hrabat);
        QCOMPARE(m.hrabat_auto, before.hrabat_auto);
        QCOMPARE(m.pattesurtete, before.pattesurtete);
        QCOMPARE(m.OptionPoign, before.OptionPoign);
        QCOMPARE(m.NbCases, before.NbCases);
        QCOMPARE(f.child<QLineEdit>("Txt_listefoulages")->text(), creases);
        QCOMPARE(f.dump(), drawing);
        QCOMPARE(f.child<QLabel>("lbDimHt")->text(), QString("1447 x 509"));
    }

    void typingAFlapHeightClearsTheAutomaticHeightBeforeTheFieldIsLeft() {
        Fixture f;
        f.typeAndLeave("txtModel", "0209");  // a style of a flap height of its own
        f.withDialog([&](StyleParametersDialog& d) {
            const int before = f.window.regenerationCount();
            d.fieldBox(5)->selectAll();
            QTest::keyClicks(d.fieldBox(5), "6");
            QVERIFY(!f.wb.model().hrabat_auto);
            QVERIFY(!d.findChild<QCheckBox*>("ChkHrabat")->isChecked());
            QCOMPARE(f.window.regenerationCount(), before);
            QCOMPARE(f.wb.model().hrabat, 50.0f);  // taken when the field is left
            QTest::keyClick(d.fieldBox(5), Qt::Key_Return);
            QCOMPARE(f.wb.model().hrabat, 6.0f);
        });
    }

    void aCreaseListWithoutSlashReopensAsHorizontalCreasesOnly() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) {
            enter(d, 20, " 10;20 ");
            QCOMPARE(f.child<QLineEdit>("Txt_listefoulages")->text(), QString("10;20"));
        });
        f.withDialog([&](StyleParametersDialog& d) {
            QCOMPARE(d.fieldBox(20)->text(), QString("10;20"));
            QCOMPARE(d.fieldBox(21)->text(), QString());
            enter(d, 21, "30");
        });
        QCOMPARE(f.child<QLineEdit>("Txt_listefoulages")->text(), QString("10;20/30"));
        // The regeneration took the list (completed to the sides of the blank).
        QVERIFY(f.wb.model().ListeFoulages.starts_with("10+"));
        QVERIFY(f.wb.model().ListeFoulages.find('/') != std::string::npos);
        f.withDialog([&](StyleParametersDialog& d) {
            QCOMPARE(d.fieldBox(20)->text(), QString("10;20"));
            QCOMPARE(d.fieldBox(21)->text(), QString("30"));
        });
    }

    void teteStartsThePanelsWithTheWidthPanel() {
        Fixture f;
        const auto firstPanel = [&] {
            const std::vector<double> xs = verticalCreases(f.wb.drawing());
            return xs.size() < 2 ? 0.0 : xs[1] - xs[0];
        };
        const double onFace = firstPanel();
        f.withDialog(
            [&](StyleParametersDialog& d) { d.findChild<QRadioButton*>("Option1_1")->click(); });
        QVERIFY(f.wb.model().pattesurtete);
        const double onTete = firstPanel();
        const brontaxe::Model& m = f.wb.model();
        QCOMPARE(onFace, double(m.Longueur + m.Majo[1]));
        QCOMPARE(onTete, double(m.Largeur + m.Majo[1]));
    }

    void handlesFollowTheBoxAndTheOption() {
        Fixture f;
        f.withDialog([&](StyleParametersDialog& d) {
            d.findChild<QRadioButton*>("Option2_2")->click();
            QCOMPARE(f.wb.model().OptionPoign, std::int16_t(0));  // no handles yet
            d.findChild<QCheckBox*>("ChkPoign")->click();
            QCOMPARE(f.wb.model().OptionPoign, std::int16_t(3));
            d.findChild<QRadioButton*>("Option2_1")->click();
            QCOMPARE(f.wb.model().OptionPoign, std::int16_t(2));
            QVERIFY(!d.findChild<QLabel*>("handleImage")->pixmap().isNull());
        });
    }

    void savedDefaultsComeBackAtTheNextStart() {
        Fixture f;
        f.wb.model().hrabat_auto = false;
        f.wb.model().Sym_Verticale = true;
        f.wb.model().RcoupPouce = 12.345f;
        f.child<QAction>("mnsavdef")->trigger();
        QCOMPARE(f.status(), QString("Valeurs par défaut enregistrées"));

        Workbench next(
            brontaxe::platform::PrivateProfile(brontaxe::platform::windowsDirectory(f.env)),
            &brontaxe::findGenerator, f.env);
        next.startUp();
        QVERIFY(!next.model().hrabat_auto);
        QVERIFY(next.model().Sym_Verticale);
        QCOMPARE(next.model().RcoupPouce, 12.345f);
    }
};

QTEST_MAIN(StyleParametersDialogTest)
#include "style_parameters_dialog_qtest.moc"
