// The edit mode at work on a 0201, for the screenshots:
//   edition-selection  a line picked (its properties in the dock) while a window is dragged
//                      right to left across the flaps
//   edition-ligne      the line tool from a corner, the cursor on the middle of a crease: the
//                      snap marker, its name and the rubber band
//   edition-decoupe    a rounded window cut out of the front panel, typed in the command line,
//                      and a crease drawn over its lower edge: the check's findings marked
//   edition-verrou     the length changed after the edits: "Abandonner les modifications ?"

#include "edit_shots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/window/edit_controller.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"

namespace brontaxe::app {
namespace {

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int grabScreen(const QString& out) {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(out) ? 0 : 1;
}

Box blankBox(MainWindow& window) {
    Box box;
    for (const Element& e : window.workbench().editableBlank()) {
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            box.add(l->a);
            box.add(l->b);
        }
    }
    return box;
}

// The first line of `kind` along x (or y) nearest the middle of the blank.
std::optional<LineShape> middleLine(MainWindow& window, LineKind kind, bool alongX) {
    const Box box = blankBox(window);
    const Point middle{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
    std::optional<LineShape> best;
    double bestDistance = 1e300;
    for (const Element& e : window.workbench().editableBlank()) {
        const auto* l = std::get_if<LineShape>(&e.shape);
        if (!l || e.lineKind != kind)
            continue;
        if (alongX != (std::abs(l->b.x - l->a.x) > std::abs(l->b.y - l->a.y)))
            continue;
        const Point m{(l->a.x + l->b.x) / 2, (l->a.y + l->b.y) / 2};
        const double d = std::hypot(m.x - middle.x, m.y - middle.y);
        if (d < bestDistance) {
            bestDistance = d;
            best = *l;
        }
    }
    return best;
}

QString typed(Point p) {
    return QString::number(p.x, 'f', 1).replace('.', ',') + ";" +
           QString::number(p.y, 'f', 1).replace('.', ',');
}

void command(MainWindow& window, const QString& text) {
    auto* line = window.findChild<QLineEdit*>("ligneCommande");
    line->setText(text);
    window.editController().enter(text);
}

// The window fits the blank again itself when the bars would crop it.
void startEditing(MainWindow& window) {
    window.setEditMode(true);
    settle(600);
}

int selection(MainWindow& window, const QString& out) {
    startEditing(window);
    EditController& editing = window.editController();
    if (const auto crease = middleLine(window, kind::Crease, false))
        editing.click({crease->a.x, (crease->a.y + crease->b.y) / 2});
    const Box box = blankBox(window);
    // Pressed right of the blank, dragged left across the top flaps, not released.
    auto* view = window.view();
    const QPoint from = view->toScreen({box.xmax + 20, box.ymax + 10}).toPoint();
    const QPoint to =
        view->toScreen({box.xmin + box.width() * 0.55, box.ymax - box.height() * 0.2}).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, (from + to) / 2);
    QTest::mouseMove(view, to);
    settle(800);
    const int status = grabScreen(out);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    return status;
}

int lineTool(MainWindow& window, const QString& out) {
    startEditing(window);
    EditController& editing = window.editController();
    window.toolAction(editing::ToolKind::Line)->trigger();
    const std::optional<LineShape> crease = middleLine(window, kind::Crease, true);
    if (!crease)
        return 1;
    const Box box = blankBox(window);
    editing.click({box.xmin, box.ymin});
    const Point middle{(crease->a.x + crease->b.x) / 2 + 1, (crease->a.y + crease->b.y) / 2 + 1};
    editing.hover(middle);
    QTest::mouseMove(window.view(), window.view()->toScreen(middle).toPoint());
    settle(800);
    return grabScreen(out);
}

int cutOut(MainWindow& window, const QString& out) {
    startEditing(window);
    // The front panel: right of the crease across the blank nearest its middle, above the
    // lower of the creases along it.
    const std::optional<LineShape> fold = middleLine(window, kind::Crease, false);
    if (!fold)
        return 1;
    double floor = 1e300;
    for (const Element& e : window.workbench().editableBlank()) {
        const auto* l = std::get_if<LineShape>(&e.shape);
        if (l && e.lineKind == kind::Crease && l->a.y == l->b.y)
            floor = std::min(floor, l->a.y);
    }
    const Point corner{fold->a.x + 110, floor + 60};
    window.toolAction(editing::ToolKind::RoundedRectangle)->trigger();
    command(window, QStringLiteral("15"));
    command(window, typed(corner));
    command(window, QStringLiteral("@180;90"));
    // A crease run over the cut-out's lower edge: the check marks it.
    auto* pen = window.findChild<QComboBox*>("typeTrace");
    const int crease = pen->findText(QStringLiteral("Rainant"));
    pen->setCurrentIndex(crease);
    emit pen->activated(crease);
    window.toolAction(editing::ToolKind::Line)->trigger();
    command(window, typed({corner.x + 30, corner.y}));
    command(window, QStringLiteral("@120;0"));
    window.editController().startTool(std::nullopt);
    settle(800);
    return grabScreen(out);
}

int lockQuestion(MainWindow& window, const QString& out) {
    startEditing(window);
    window.editController().select({0});
    window.editController().deleteSelection();
    int status = 1;
    QTimer::singleShot(1500, [&status, &out] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        status = grabScreen(out);
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QMessageBox::NoRole)
                b->click();
    });
    auto* length = window.findChild<EntryBox*>("longueur");
    length->setFocus();
    length->setText(QStringLiteral("450"));
    QTest::keyClick(length, Qt::Key_Return);
    return status;
}

}  // namespace

int editShot(MainWindow& window, const QString& what, const QString& out) {
    if (what == "edition-selection")
        return selection(window, out);
    if (what == "edition-ligne")
        return lineTool(window, out);
    if (what == "edition-decoupe")
        return cutOut(window, out);
    if (what == "edition-verrou")
        return lockQuestion(window, out);
    return 2;
}

}  // namespace brontaxe::app
