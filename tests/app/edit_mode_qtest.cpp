// The edit mode as the user drives it with the mouse and the keys: the view kept, the
// selection by click and by window, the properties typed, the Delete key with undo and redo,
// the command line and the snap marker, the check after each edit, and the question a style
// with hand edits asks before its own values change.

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <functional>

#include "app/dialogs/section_dialog.h"
#include "app/window/check_panel.h"
#include "app/window/design_history.h"
#include "app/window/edit_controller.h"
#include "app/window/edit_lock.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/properties_panel.h"
#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "modal_answers.h"
#include "styles/generators.h"
#include "window_fixture.h"

using brontaxe::Element;
using brontaxe::LineShape;
using brontaxe::Point;
using brontaxe::app::answer;
using brontaxe::app::EntryBox;
using brontaxe::app::runAnswering;
using brontaxe::editing::Property;
using brontaxe::editing::Selection;
using brontaxe::editing::ToolKind;

namespace {

// Every code draws the rectangle of its length and width, anticlockwise from the origin: the
// lines 0 bottom, 1 right, 2 top, 3 left.
void rectangle(brontaxe::Model& m, brontaxe::Drawing& d) {
    brontaxe::GenerationPass pass(d);
    const brontaxe::PenScope pen(d, brontaxe::kind::Cut);
    brontaxe::chainStart(d, 0, 0);
    brontaxe::lineTo(d, m.Longueur, 0);
    brontaxe::lineTo(d, m.Longueur, m.Largeur);
    brontaxe::lineTo(d, 0, m.Largeur);
    brontaxe::lineTo(d, 0, 0);
}
brontaxe::Generator rectangles(std::string_view) {
    return &rectangle;
}

Element cut(Point a, Point b) {
    return Element{LineShape{a, b}};
}

// The 400 x 300 rectangle.
const std::vector<Element> kRectangle{cut({0, 0}, {400, 0}), cut({400, 0}, {400, 300}),
                                      cut({400, 300}, {0, 300}), cut({0, 300}, {0, 0})};

struct Fixture : brontaxe::app::WindowFixture {
    // On fresh settings each time: a window closed leaves its code and sizes to the next.
    explicit Fixture(brontaxe::Workbench::GeneratorLookup lookup = &rectangles)
        : WindowFixture(
              lookup, std::nullopt,
              brontaxe::app::settingsWithTableCopies(brontaxe::platform::processEnvironment())) {
        if (lookup == &rectangles) {
            enter("longueur", "400");
            enter("largeur", "300");
        }
    }
    brontaxe::app::DrawingView* view() { return window.view(); }
    brontaxe::app::EditController& editing() { return window.editController(); }
    const std::vector<Element>& blank() const { return wb.editableBlank(); }
    QPoint at(Point p) { return view()->toScreen(p).toPoint(); }
    void click(Point p, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view(), Qt::LeftButton, modifiers, at(p));
    }
    void drag(Point from, Point to) {
        QTest::mousePress(view(), Qt::LeftButton, {}, at(from));
        const QPoint half = (at(from) + at(to)) / 2;
        QTest::mouseMove(view(), half);
        QTest::mouseMove(view(), at(to));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at(to));
    }
    void key(Qt::Key k) { QTest::keyClick(view(), k); }
    // A box given a value and Enter, as a user confirms it.
    void enter(const char* name, const QString& text) {
        EntryBox* b = box(name);
        b->setFocus();
        b->setText(text);
        QTest::keyClick(b, Qt::Key_Return);
    }
    // A text typed over the drawing, then Enter.
    void command(const QString& text) {
        QTest::keyClicks(view(), text);
        key(Qt::Key_Return);
    }
    void editMode() {
        trigger("mnedition_mode");
        QVERIFY(window.editMode());
    }
    QUndoStack& history() { return window.history().stack(); }
};

using Change = std::function<void(Fixture&)>;

}  // namespace

class EditModeTest : public QObject {
    Q_OBJECT
  private slots:
    void theModeShowsItsBarsAndKeepsTheViewThroughAnEdit();
    void theBarHoldsInTheWindowAndTheBlankStaysInSight_data();
    void theBarHoldsInTheWindowAndTheBlankStaysInSight();
    void clicksAndWindowsSelect_data();
    void clicksAndWindowsSelect();
    void thePanelTypesALengthAndAKindAsOneStepEach();
    void aValueThePanelRefusesChangesNothing();
    void deleteThenUndoAndRedoOneByOne();
    void typedPointsDrawAndEscapeCancelsThenDeselects();
    void theSnapMarkerFollowsTheCursor();
    void theCheckMarksWhatAnEditBroke();
    void whatTheEditsLock_data();
    void whatTheEditsLock();
    void aStyleWithEditsAsksBeforeItsValuesChange_data();
    void aStyleWithEditsAsksBeforeItsValuesChange();
};

void EditModeTest::theModeShowsItsBarsAndKeepsTheViewThroughAnEdit() {
    Fixture f;
    QCOMPARE(f.blank(), kRectangle);
    auto* bar = f.child<QToolBar>("barreEdition");
    auto* panel = f.child<QDockWidget>("proprietes");
    auto* commandLine = f.child<QLineEdit>("ligneCommande");
    QVERIFY(!bar->isVisible() && !panel->isVisible() && !commandLine->isVisible());

    f.view()->zoomAbout(2, QPointF(100, 80));
    const double scale = f.view()->scale();
    const auto centre = [&f] {
        return f.view()->toWorld(QPointF(f.view()->width() / 2.0, f.view()->height() / 2.0));
    };
    const Point before = centre();
    const auto sameView = [&] {
        QCOMPARE(f.view()->scale(), scale);
        QCOMPARE(centre().x, before.x);
        QCOMPARE(centre().y, before.y);
    };

    f.editMode();
    QVERIFY(bar->isVisible() && panel->isVisible() && commandLine->isVisible());
    QCOMPARE(f.child<QLabel>("invite")->text(),
             QStringLiteral("Sélectionnez (clic, ou fenêtre) :"));
    sameView();
    f.editing().select({2});
    f.key(Qt::Key_Delete);
    QCOMPARE(f.blank().size(), std::size_t{3});
    sameView();
    f.trigger("mnedition_mode");
    QVERIFY(!f.window.editMode() && !bar->isVisible() && !panel->isVisible());
    sameView();
}

// On a laptop's and a netbook's screen the whole "Édition" bar is in sight, nothing behind its
// "»"; the blank fitted before stays whole in the view the bars leave, and a tool chosen from a
// list becomes its button's.
void EditModeTest::theBarHoldsInTheWindowAndTheBlankStaysInSight_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("1366 x 768") << QSize(1358, 704);
    QTest::newRow("1024 x 600") << QSize(1016, 534);
}

void EditModeTest::theBarHoldsInTheWindowAndTheBlankStaysInSight() {
    QFETCH(QSize, size);
    Fixture f;
    f.window.resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCoreApplication::processEvents();
    f.trigger("mnaffichage_recadrage");
    f.editMode();
    QCoreApplication::processEvents();
    QVERIFY2(f.window.width() <= size.width(), qPrintable(QString::number(f.window.width())));
    QVERIFY(f.child<QDockWidget>("proprietes")->isVisible());
    auto* bar = f.child<QToolBar>("barreEdition");
    QVERIFY(bar->width() <= f.window.width());
    const auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    QVERIFY(!more || !more->isVisible());
    for (QAction* action : bar->actions()) {
        if (!action->isSeparator())
            QVERIFY2(bar->widgetForAction(action)->isVisible(), qPrintable(action->text()));
    }
    const QRectF view(0, 0, f.view()->width(), f.view()->height());
    for (const Point corner : {Point{0, 0}, Point{400, 300}})
        QVERIFY(view.contains(f.view()->toScreen(corner)));

    auto* draw = f.child<QToolButton>("bouton_mnedition_dessiner");
    QCOMPARE(draw->defaultAction()->objectName(), QString("mnedition_ligne"));
    draw->menu()->actions().at(4)->trigger();  // Cercle
    QCOMPARE(draw->defaultAction()->objectName(), QString("mnedition_cercle"));
    QVERIFY(draw->isChecked());
    QCOMPARE(f.editing().tool(), std::optional(ToolKind::Circle));
    // Supprimer runs once from its list: the button keeps its tool.
    auto* modify = f.child<QToolButton>("bouton_mnedition_modifier");
    f.trigger("mnedition_supprimer");
    QCOMPARE(modify->defaultAction()->objectName(), QString("mnedition_deplacer"));
}

void EditModeTest::clicksAndWindowsSelect_data() {
    QTest::addColumn<Change>("gesture");
    QTest::addColumn<Selection>("selected");
    using G = Change;
    QTest::newRow("on the bottom line") << G([](Fixture& f) {
        f.click({200, 0.5});
    }) << Selection{0};
    QTest::newRow("on the right line") << G([](Fixture& f) {
        f.click({400, 150});
    }) << Selection{1};
    QTest::newRow("in the middle, on nothing") << G([](Fixture& f) {
        f.click({200, 0});
        f.click({200, 150});
    }) << Selection{};
    QTest::newRow("shift adds") << G([](Fixture& f) {
        f.click({200, 0});
        f.click({0, 150}, Qt::ShiftModifier);
    }) << Selection{0, 3};
    QTest::newRow("shift again takes out") << G([](Fixture& f) {
        f.click({200, 0});
        f.click({0, 150}, Qt::ShiftModifier);
        f.click({200, 0}, Qt::ShiftModifier);
    }) << Selection{3};
    QTest::newRow("left to right takes what lies inside") << G([](Fixture& f) {
        f.drag({-10, -10}, {410, 20});
    }) << Selection{0};
    QTest::newRow("right to left takes what it crosses") << G([](Fixture& f) {
        f.drag({410, -10}, {380, 310});
    }) << Selection{0, 1, 2};
    QTest::newRow("round the whole blank") << G([](Fixture& f) {
        f.drag({-10, -10}, {410, 310});
    }) << Selection{0, 1, 2, 3};
}

void EditModeTest::clicksAndWindowsSelect() {
    QFETCH(Change, gesture);
    QFETCH(Selection, selected);
    Fixture f;
    f.editMode();
    gesture(f);
    QCOMPARE(f.editing().selection(), selected);
    // What is selected is drawn selected, and nothing else.
    std::vector<Element> shown;
    for (std::size_t i : selected)
        shown.push_back(kRectangle[i]);
    QCOMPARE(f.view()->overlay().selected, shown);
    QVERIFY(!f.view()->overlay().window);
}

void EditModeTest::thePanelTypesALengthAndAKindAsOneStepEach() {
    Fixture f;
    f.editMode();
    f.click({200, 0});
    auto& panel = f.window.properties();
    QCOMPARE(panel.heading(), QStringLiteral("Une ligne"));
    auto* length = qobject_cast<EntryBox*>(panel.editorOf(Property::Length));
    QVERIFY(length);
    QCOMPARE(length->text(), QStringLiteral("400"));
    const int steps = f.history().count();

    length->setFocus();
    length->setText("250,5");
    QTest::keyClick(length, Qt::Key_Return);
    std::vector<Element> shorter = kRectangle;
    shorter[0] = cut({0, 0}, {250.5, 0});
    QCOMPARE(f.blank(), shorter);
    QCOMPARE(f.history().count(), steps + 1);
    QVERIFY(f.window.isWindowModified());
    QCOMPARE(f.editing().selection(), Selection{0});  // still selected, for the next value

    auto* kind = qobject_cast<QComboBox*>(panel.editorOf(Property::Kind));
    QVERIFY(kind);
    QCOMPARE(kind->currentText(), QStringLiteral("Coupant"));
    const int crease = kind->findText("Rainant");
    kind->setCurrentIndex(crease);
    emit kind->activated(crease);
    std::vector<Element> creased = shorter;
    creased[0].lineKind = brontaxe::kind::Crease;
    QCOMPARE(f.blank(), creased);
    QCOMPARE(f.history().count(), steps + 2);

    f.trigger("mnedition_annuler");
    QCOMPARE(f.blank(), shorter);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.blank(), kRectangle);
    QCOMPARE(qobject_cast<EntryBox*>(panel.editorOf(Property::Length))->text(),
             QStringLiteral("400"));
}

void EditModeTest::aValueThePanelRefusesChangesNothing() {
    Fixture f;
    f.editMode();
    f.click({400, 150});
    const int steps = f.history().count();
    auto* length = qobject_cast<EntryBox*>(f.window.properties().editorOf(Property::Length));
    length->setFocus();
    length->setText("0");
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(f.blank(), kRectangle);
    QCOMPARE(f.history().count(), steps);
    QVERIFY(!f.status().isEmpty());
}

void EditModeTest::deleteThenUndoAndRedoOneByOne() {
    Fixture f;
    f.editMode();
    const int steps = f.history().count();
    f.click({400, 150});
    f.key(Qt::Key_Delete);
    const std::vector<Element> withoutRight{kRectangle[0], kRectangle[2], kRectangle[3]};
    QCOMPARE(f.blank(), withoutRight);
    QVERIFY(f.editing().selection().empty());
    f.click({200, 300});
    f.key(Qt::Key_Delete);
    const std::vector<Element> twoLeft{kRectangle[0], kRectangle[3]};
    QCOMPARE(f.blank(), twoLeft);
    QCOMPARE(f.history().count(), steps + 2);
    // The drawing on screen holds the edited blank first.
    for (std::size_t i = 0; i < twoLeft.size(); ++i)
        QCOMPARE(f.wb.drawing().elements()[i], twoLeft[i]);

    f.trigger("mnedition_annuler");
    QCOMPARE(f.blank(), withoutRight);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.blank(), kRectangle);
    f.trigger("mnedition_retablir");
    QCOMPARE(f.blank(), withoutRight);
    f.trigger("mnedition_retablir");
    QCOMPARE(f.blank(), twoLeft);
    // Delete with nothing selected deletes nothing.
    f.key(Qt::Key_Delete);
    QCOMPARE(f.history().count(), steps + 2);
}

void EditModeTest::typedPointsDrawAndEscapeCancelsThenDeselects() {
    Fixture f;
    f.editMode();
    f.trigger("mnedition_ligne");
    QCOMPARE(f.editing().tool(), std::optional(ToolKind::Line));
    QVERIFY(f.window.toolAction(ToolKind::Line)->isChecked());
    f.command("10;20");
    f.command("@100<90");
    std::vector<Element> drawn = kRectangle;
    drawn.push_back(cut({10, 20}, {10, 120}));
    QCOMPARE(f.blank().size(), drawn.size());
    const auto* line = std::get_if<LineShape>(&f.blank().back().shape);
    QVERIFY(line);
    QCOMPARE(line->a, (Point{10, 20}));
    QVERIFY(std::abs(line->b.x - 10) < 1e-9 && std::abs(line->b.y - 120) < 1e-9);
    // The tool starts again for the next line; a point it cannot read is said and kept.
    QCOMPARE(f.editing().tool(), std::optional(ToolKind::Line));
    f.command("dix;vingt");
    QVERIFY(!f.status().isEmpty());
    auto* commandLine = f.child<QLineEdit>("ligneCommande");
    QCOMPARE(commandLine->text(), QStringLiteral("dix;vingt"));
    QTest::keyClick(commandLine, Qt::Key_Escape);  // in the command line as over the drawing
    QCOMPARE(f.editing().tool(), std::nullopt);
    QVERIFY(commandLine->text().isEmpty());

    f.trigger("mnedition_ligne");
    f.click({200, 0});  // the line tool's first point, not a selection
    QVERIFY(f.editing().selection().empty());
    f.key(Qt::Key_Escape);
    QCOMPARE(f.editing().tool(), std::nullopt);
    QVERIFY(f.child<QAction>("mnedition_selection")->isChecked());
    f.click({200, 0});
    QCOMPARE(f.editing().selection(), Selection{0});
    f.key(Qt::Key_Escape);
    QVERIFY(f.editing().selection().empty());
}

void EditModeTest::theSnapMarkerFollowsTheCursor() {
    Fixture f;
    f.editMode();
    f.trigger("mnedition_ligne");
    const double pixel = 1 / f.view()->scale();
    QTest::mouseMove(f.view(), f.at({400 + 3 * pixel, 300 - 2 * pixel}));
    QVERIFY(f.editing().currentSnap());
    QCOMPARE(f.editing().currentSnap()->at, (Point{400, 300}));
    QCOMPARE(f.view()->overlay().snapName, QStringLiteral("Extrémité"));
    // A click takes the snapped point, not the cursor's.
    QTest::mouseClick(f.view(), Qt::LeftButton, {}, f.at({400 + 3 * pixel, 300 - 2 * pixel}));
    QTest::mouseMove(f.view(), f.at({200 + 2 * pixel, 300 + 2 * pixel}));
    QCOMPARE(f.view()->overlay().snapName, QStringLiteral("Milieu"));
    QCOMPARE(f.view()->overlay().preview.size(), std::size_t{1});
    QTest::mouseClick(f.view(), Qt::LeftButton, {}, f.at({200 + 2 * pixel, 300 + 2 * pixel}));
    QCOMPARE(f.blank().back(), cut({400, 300}, {200, 300}));
    // Far from every point, nothing snaps.
    QTest::mouseMove(f.view(), f.at({150, 150}));
    QVERIFY(!f.editing().currentSnap());
    QVERIFY(f.view()->overlay().snapName.isEmpty());
}

void EditModeTest::theCheckMarksWhatAnEditBroke() {
    Fixture f(&brontaxe::findGenerator);
    QVERIFY(f.view()->highlightedElements().empty());
    const QString verdict = f.window.checkPanel()->verdict();
    f.editMode();
    // A crease laid over the first cut line of the 0201.
    std::size_t first = 0;
    while (!std::holds_alternative<LineShape>(f.blank()[first].shape) ||
           f.blank()[first].lineKind != brontaxe::kind::Cut)
        ++first;
    const LineShape over = std::get<LineShape>(f.blank()[first].shape);
    const int crease = f.child<QComboBox>("typeTrace")->findText("Rainant");
    f.child<QComboBox>("typeTrace")->setCurrentIndex(crease);
    emit f.child<QComboBox>("typeTrace")->activated(crease);
    f.trigger("mnedition_ligne");
    const auto typed = [](Point p) {
        return QString::number(p.x, 'f', 3).replace('.', ',') + ";" +
               QString::number(p.y, 'f', 3).replace('.', ',');
    };
    f.command(typed(over.a));
    f.command(typed(over.b));
    QCOMPARE(f.blank().back().lineKind, brontaxe::kind::Crease);
    QVERIFY(f.window.checkPanel()->verdict() != verdict);
    QVERIFY(!f.view()->highlightedElements().empty());
    f.trigger("mnedition_annuler");
    QCOMPARE(f.window.checkPanel()->verdict(), verdict);
    QVERIFY(f.view()->highlightedElements().empty());
}

void EditModeTest::whatTheEditsLock_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inModel");
    QTest::addColumn<bool>("locked");
    QTest::newRow("length") << "Longueur" << true << true;
    QTest::newRow("grade") << "NumQualite" << true << true;
    QTest::newRow("an allowance") << "Majo(3)" << true << true;
    QTest::newRow("a piece") << "AfficheMorceau(2)" << true << true;
    QTest::newRow("mirror") << "Sym_Verticale" << true << true;
    QTest::newRow("poses") << "NbPoseX" << true << false;
    QTest::newRow("a margin") << "Marges(1)" << true << false;
    QTest::newRow("bridges") << "lgPont" << true << false;
    QTest::newRow("flute") << "senscann" << true << false;
    QTest::newRow("code") << "txtModel" << false << true;
    QTest::newRow("creases") << "listeFoulages" << false << true;
    QTest::newRow("section") << "Section" << false << true;
    QTest::newRow("centred") << "ChkCentre" << false << false;
    QTest::newRow("optimised") << "ImposOptimisee" << false << false;
}

void EditModeTest::whatTheEditsLock() {
    QFETCH(QString, name);
    QFETCH(bool, inModel);
    QFETCH(bool, locked);
    brontaxe::DesignState before;
    auto& values = inModel ? before.record.model : before.record.window;
    values = {{"Avant", "1"}, {name.toStdString(), "1"}, {"Apres", "2"}};
    brontaxe::DesignState after = before;
    (inModel ? after.record.model : after.record.window)[1].second = "2";
    QCOMPARE(brontaxe::app::changesTheStyle(before, after), locked);
    QVERIFY(!brontaxe::app::changesTheStyle(before, before));
}

void EditModeTest::aStyleWithEditsAsksBeforeItsValuesChange_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("asks");
    QTest::newRow("length") << Change([](Fixture& f) { f.enter("longueur", "450"); }) << true;
    QTest::newRow("code") << Change([](Fixture& f) { f.enter("txtModel", "0203"); }) << true;
    QTest::newRow("grade") << Change([](Fixture& f) { f.choose("Cmb_Qual", 4); }) << true;
    QTest::newRow("pieces") << Change([](Fixture& f) { f.trigger("mncaisse_en_2"); }) << true;
    QTest::newRow("mirror") << Change([](Fixture& f) { f.child<QToolButton>("Image12")->click(); })
                            << true;
    QTest::newRow("section") << Change([](Fixture& f) {
        brontaxe::app::onModal<brontaxe::app::SectionDialog>([](auto& d) {
            d.positionBox()->setText("700");
            QVERIFY(d.apply());
            d.accept();
        });
        f.window.openSection();
    }) << true;
    QTest::newRow("poses, laid on the edited blank")
        << Change([](Fixture& f) { f.enter("TxNbPoseX", "2"); }) << false;
}

void EditModeTest::aStyleWithEditsAsksBeforeItsValuesChange() {
    QFETCH(Change, change);
    QFETCH(bool, asks);
    // What the change draws on the style's own blank.
    std::string changedStyle;
    {
        Fixture plain(&brontaxe::findGenerator);
        change(plain);
        changedStyle = plain.dump();
    }
    Fixture f(&brontaxe::findGenerator);
    f.editMode();
    f.editing().select({0});
    f.editing().deleteSelection();
    QVERIFY(f.wb.hasBlankEdits());
    const std::vector<Element> edited = f.blank();
    const std::string editedDump = f.dump();
    const QString length = f.box("longueur")->text();
    const int steps = f.history().count();

    if (!asks) {
        change(f);
        QCOMPARE(f.blank(), edited);
        QVERIFY(f.wb.hasBlankEdits());
        QCOMPARE(f.history().count(), steps + 1);
        return;
    }
    // No: the input shows its value again and the edited blank stays, with no new step.
    QString question;
    runAnswering({answer("Non", &question)}, [&] {
        change(f);
        return 0;
    });
    QCOMPARE(question, QStringLiteral("Abandonner les modifications\u00a0?"));
    QCOMPARE(f.dump(), editedDump);
    QCOMPARE(f.box("longueur")->text(), length);
    QVERIFY(f.wb.hasBlankEdits());
    QCOMPARE(f.history().count(), steps);
    // Yes: the style draws its own blank with the change, as if never edited; one step.
    runAnswering({answer("Oui")}, [&] {
        change(f);
        return 0;
    });
    QVERIFY(!f.wb.hasBlankEdits());
    QCOMPARE(f.dump(), changedStyle);
    QCOMPARE(f.history().count(), steps + 1);
    f.trigger("mnedition_annuler");
    QCOMPARE(f.dump(), editedDump);
    QVERIFY(f.wb.hasBlankEdits());
}

QTEST_MAIN(EditModeTest)
#include "edit_mode_qtest.moc"
