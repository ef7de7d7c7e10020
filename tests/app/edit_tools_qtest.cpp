// Each drawing and modify tool of the edit mode driven with the mouse and the keyboard on the
// window's 0201: the drawing after the tool is the one worked out by hand, undo gives back the
// drawing before it and redo the edit, and a save and a reopen keep it. A crease drawn over a
// cut is found by the check at once.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/commands/file_commands.h"
#include "app/window/check_panel.h"
#include "app/window/design_history.h"
#include "app/window/edit_controller.h"
#include "app/window/main_window.h"
#include "styles/generators.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using brontaxe::Point;

namespace {

// Elements one a line, so that a failure shows where two drawings part.
QString text(const std::vector<std::string>& elements) {
    QString out;
    for (const std::string& e : elements)
        out += QString::fromStdString(e) + "\n";
    return out;
}

struct Fixture : brontaxe::app::WindowFixture {
    Fixture()
        : WindowFixture(
              &brontaxe::findGenerator, std::nullopt,
              brontaxe::app::settingsWithTableCopies(brontaxe::platform::processEnvironment())) {}

    brontaxe::app::DrawingView& view() { return *window.view(); }

    // What the user does, in the drawing's millimetres: the cursor brought over a point and
    // the left button clicked there; text typed over the drawing, then Enter.
    void clickAt(Point p) {
        const QPoint at = view().toScreen(p).toPoint();
        QTest::mouseMove(&view(), at);
        QTest::mouseClick(&view(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void type(const QString& text) {
        QTest::keyClicks(&view(), text);
        QTest::keyClick(&view(), Qt::Key_Return);
    }
    void tool(const char* action) { trigger(action); }

    // The drawing's dump without its element numbers, one element a line.
    std::vector<std::string> elements() const {
        std::vector<std::string> out;
        std::istringstream lines(dump());
        for (std::string line; std::getline(lines, line);)
            out.push_back(line.substr(line.find(' ') + 1));
        return out;
    }
    QString shown() const { return text(elements()); }
};

// The 0201 of the window (400 x 300 x 200, grade 1) by its elements' places in the blank:
// the first body crease, the front panel's top crease, the right end's cut and the top of its
// flap.
constexpr std::size_t kFirstCrease = 0;
constexpr std::size_t kTopCrease = 4;
constexpr std::size_t kRightCut = 8;
constexpr std::size_t kFlapTop = 9;

// The elements of the blank an edit changes, removes and adds, worked out by hand.
struct Expected {
    std::vector<std::pair<std::size_t, std::string>> changed;
    std::vector<std::size_t> removed;
    std::vector<std::string> added;
};

struct ToolCase {
    const char* name;
    std::function<void(Fixture&)> setup;  // earlier edits the tool works on
    std::function<void(Fixture&)> use;
    Expected expected;  // the setup's edits included
};

// The drawing expected: the blank's own lines changed and removed, the new ones after the
// blank, then what follows the blank as before.
std::vector<std::string> expectedDrawing(std::vector<std::string> before, std::size_t blankSize,
                                         const Expected& e) {
    for (const auto& [i, text] : e.changed)
        before[i] = text;
    before.insert(before.begin() + static_cast<std::ptrdiff_t>(blankSize), e.added.begin(),
                  e.added.end());
    std::vector<std::size_t> removed = e.removed;
    std::sort(removed.rbegin(), removed.rend());
    for (std::size_t i : removed)
        before.erase(before.begin() + static_cast<std::ptrdiff_t>(i));
    return before;
}

void drawLine(Fixture& f, const QString& from, const QString& to) {
    f.tool("mnedition_ligne");
    f.type(from);
    f.type(to);
}

const std::vector<ToolCase>& toolCases() {
    static const std::vector<ToolCase> cases{
        {"Ligne",
         {},
         [](Fixture& f) { drawLine(f, "100;0", "@50;0"); },
         {{}, {}, {"LINE k1 v1 p1 (100.00,0.00) (150.00,0.00)"}}},
        {"Polyligne",
         {},
         [](Fixture& f) {
             f.tool("mnedition_polyligne");
             for (const char* p : {"100;0", "200;0", "200;50", ""})
                 f.type(p);
         },
         {{},
          {},
          {"LINE k1 v1 p1 (100.00,0.00) (200.00,0.00)",
           "LINE k1 v1 p1 (200.00,0.00) (200.00,50.00)"}}},
        // Given clockwise, the arc is kept counter-clockwise from its other end.
        {"Arc 3 points",
         {},
         [](Fixture& f) {
             f.tool("mnedition_arc3points");
             for (const char* p : {"100;0", "150;50", "200;0"})
                 f.type(p);
         },
         {{}, {}, {"ARC k1 v1 p1 c(150.00,0.00) r50.00 a0.00 s180.00"}}},
        {"Arc centre-extrémités",
         {},
         [](Fixture& f) {
             f.tool("mnedition_arccentre");
             for (const char* p : {"150;0", "200;0", "150;50"})
                 f.type(p);
         },
         {{}, {}, {"ARC k1 v1 p1 c(150.00,0.00) r50.00 a0.00 s90.00"}}},
        {"Cercle",
         {},
         [](Fixture& f) {
             f.tool("mnedition_cercle");
             f.type("237;0");
             f.type("30");
         },
         {{}, {}, {"ARC k1 v1 p1 c(237.00,0.00) r30.00 a0.00 s360.00"}}},
        // The prompt takes a point as well as a radius.
        {"Cercle par un point",
         {},
         [](Fixture& f) {
             f.tool("mnedition_cercle");
             f.type("237;0");
             f.type("@0;30");
         },
         {{}, {}, {"ARC k1 v1 p1 c(237.00,0.00) r30.00 a0.00 s360.00"}}},
        // A window cut-out in the front panel.
        {"Rectangle",
         {},
         [](Fixture& f) {
             f.tool("mnedition_rectangle");
             f.type("100;-50");
             f.type("@150;100");
         },
         {{},
          {},
          {"LINE k1 v1 p1 (100.00,-50.00) (250.00,-50.00)",
           "LINE k1 v1 p1 (250.00,-50.00) (250.00,50.00)",
           "LINE k1 v1 p1 (250.00,50.00) (100.00,50.00)",
           "LINE k1 v1 p1 (100.00,50.00) (100.00,-50.00)"}}},
        {"Rectangle arrondi",
         {},
         [](Fixture& f) {
             f.tool("mnedition_rectanglearrondi");
             for (const char* p : {"10", "100;-50", "250;50"})
                 f.type(p);
         },
         {{},
          {},
          {"LINE k1 v1 p1 (110.00,-50.00) (240.00,-50.00)",
           "ARC k1 v1 p1 c(240.00,-40.00) r10.00 a270.00 s90.00",
           "LINE k1 v1 p1 (250.00,-40.00) (250.00,40.00)",
           "ARC k1 v1 p1 c(240.00,40.00) r10.00 a0.00 s90.00",
           "LINE k1 v1 p1 (240.00,50.00) (110.00,50.00)",
           "ARC k1 v1 p1 c(110.00,40.00) r10.00 a90.00 s90.00",
           "LINE k1 v1 p1 (100.00,40.00) (100.00,-40.00)",
           "ARC k1 v1 p1 c(110.00,-40.00) r10.00 a180.00 s90.00"}}},
        // The base point clicked on a corner (snapped to its end), the offset typed.
        {"Déplacer",
         {},
         [](Fixture& f) {
             f.clickAt({36, 51.5});
             f.tool("mnedition_deplacer");
             f.clickAt({36, 0});
             f.type("@10;0");
         },
         {{{kFirstCrease, "LINE k6 v1 p1 (46.00,0.00) (46.00,103.00)"}}, {}, {}}},
        {"Copier",
         {},
         [](Fixture& f) {
             f.clickAt({237, 103});
             f.tool("mnedition_copier");
             f.type("0;0");
             f.type("@0;-50");
         },
         {{}, {}, {"LINE k6 v1 p1 (40.00,53.00) (434.00,53.00)"}}},
        {"Rotation",
         {},
         [](Fixture& f) {
             f.clickAt({36, 51.5});
             f.tool("mnedition_rotation");
             f.clickAt({36, 0});
             f.type("-90");
         },
         {{{kFirstCrease, "LINE k6 v1 p1 (36.00,0.00) (139.00,0.00)"}}, {}, {}}},
        {"Miroir",
         {},
         [](Fixture& f) {
             f.clickAt({36, 51.5});
             f.tool("mnedition_miroir");
             f.type("100;0");
             f.type("100;10");
         },
         {{{kFirstCrease, "LINE k6 v1 p1 (164.00,0.00) (164.00,103.00)"}}, {}, {}}},
        {"Supprimer",
         {},
         [](Fixture& f) {
             f.clickAt({36, 51.5});
             f.tool("mnedition_supprimer");
         },
         {{}, {kFirstCrease}, {}}},
        // The front panel's top crease cut back to a cut drawn across it.
        {"Ajuster",
         [](Fixture& f) { drawLine(f, "100;-150", "100;150"); },
         [](Fixture& f) {
             f.tool("mnedition_ajuster");
             f.clickAt({100, 0});
             f.clickAt({70, 103});
         },
         {{{kTopCrease, "LINE k6 v1 p1 (100.00,103.00) (434.00,103.00)"}},
          {},
          {"LINE k1 v1 p1 (100.00,-150.00) (100.00,150.00)"}}},
        {"Prolonger",
         [](Fixture& f) { drawLine(f, "100;0", "200;0"); },
         [](Fixture& f) {
             f.tool("mnedition_prolonger");
             f.clickAt({438, 50});
             f.clickAt({190, 0});
         },
         {{}, {}, {"LINE k1 v1 p1 (100.00,0.00) (438.00,0.00)"}}},
        {"Couper en deux",
         {},
         [](Fixture& f) {
             f.tool("mnedition_couper");
             f.clickAt({100, 103});
             f.type("237;103");
         },
         {{{kTopCrease, "LINE k6 v1 p1 (40.00,103.00) (237.00,103.00)"}},
          {},
          {"LINE k6 v1 p1 (237.00,103.00) (434.00,103.00)"}}},
        // The top right corner of the last flap rounded.
        {"Raccord",
         {},
         [](Fixture& f) {
             f.tool("mnedition_raccord");
             f.type("20");
             f.clickAt({1447, 200});
             f.clickAt({1300, 254.5});
         },
         {{{kRightCut, "LINE k1 v1 p1 (1447.00,0.00) (1447.00,234.50)"},
           {kFlapTop, "LINE k1 v1 p1 (1427.00,254.50) (1148.00,254.50)"}},
          {},
          {"ARC k1 v1 p1 c(1427.00,234.50) r20.00 a0.00 s90.00"}}},
        {"Décaler",
         {},
         [](Fixture& f) {
             f.tool("mnedition_decaler");
             f.type("5");
             f.clickAt({36, 50});
             f.type("50;50");
         },
         {{}, {}, {"LINE k6 v1 p1 (41.00,0.00) (41.00,103.00)"}}},
    };
    return cases;
}

}  // namespace

class EditToolsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachToolGivesTheBlankWorkedOutByHand_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < toolCases().size(); ++i)
            QTest::newRow(toolCases()[i].name) << static_cast<int>(i);
    }
    void eachToolGivesTheBlankWorkedOutByHand() {
        QFETCH(int, row);
        const ToolCase& c = toolCases()[static_cast<std::size_t>(row)];
        const QTemporaryDir folder;
        const fs::path file = fs::path(folder.path().toStdString()) / "outils.des";
        QString edited;
        {
            Fixture f;
            const std::vector<std::string> original = f.elements();
            const std::size_t blankSize = f.wb.editableBlank().size();
            f.window.setEditMode(true);
            if (c.setup)
                c.setup(f);
            const QString before = f.shown();
            c.use(f);
            edited = f.shown();
            QCOMPARE(edited, text(expectedDrawing(original, blankSize, c.expected)));
            QVERIFY(f.wb.hasBlankEdits());

            QUndoStack& history = f.window.history().stack();
            history.undo();
            QCOMPARE(f.shown(), before);
            history.redo();
            QCOMPARE(f.shown(), edited);
            QVERIFY(f.window.files().saveTo(file));
        }
        Fixture reopened;
        QVERIFY(reopened.window.files().openFile(file));
        QCOMPARE(reopened.shown(), edited);
    }

    void measuresSayWhatTheyMeasureAndEditNothing() {
        Fixture f;
        f.window.setEditMode(true);
        const QString before = f.shown();
        const int steps = f.window.history().stack().count();
        f.tool("mnedition_mesuredistance");
        f.clickAt({36, 0});
        f.clickAt({438, 0});
        QVERIFY2(f.status().contains("402"), qPrintable(f.status()));
        f.tool("mnedition_mesureangle");
        f.type("0;0");
        f.type("10;0");
        f.type("10;10");
        QVERIFY2(f.status().contains("45"), qPrintable(f.status()));
        QCOMPARE(f.shown(), before);
        QCOMPARE(f.window.history().stack().count(), steps);
    }

    // A crease drawn with the mouse over the right end's cut, end to end.
    void aCreaseOverACutIsFoundAtOnce() {
        Fixture f;
        f.window.setEditMode(true);
        const QString clean = f.window.checkPanel()->verdict();
        QVERIFY2(clean.contains("aucun défaut"), qPrintable(clean));
        f.choose("typeTrace", 1);
        QCOMPARE(f.window.editController().pen().kind, brontaxe::kind::Crease);
        f.tool("mnedition_ligne");
        f.clickAt({1447, 0});
        f.clickAt({1447, 254.5});
        QCOMPARE(f.elements()[f.wb.editableBlank().size() - 1],
                 std::string("LINE k6 v1 p1 (1447.00,0.00) (1447.00,254.50)"));
        const QString found = f.window.checkPanel()->verdict();
        QVERIFY2(!found.contains("aucun défaut"), qPrintable(found));
        QVERIFY(!f.view().highlightedElements().empty());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    EditToolsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "edit_tools_qtest.moc"
