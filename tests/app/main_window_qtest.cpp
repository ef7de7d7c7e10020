// The main window as the user drives it: which entries regenerate, the command line, the
// orientation options, the view toggle, the creases layout and what the status bar says.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "../support/french_typography.h"
#include "app/dialogs/compression_dialog.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/help_dialog.h"
#include "app/views/fold_window.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/window_placement.h"
#include "builders/emit.h"
#include "drawing/drawing_dump.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "styles/generators.h"
#include "window_fixture.h"

using brontaxe::Workbench;
using brontaxe::app::HelpDialog;
using brontaxe::app::MainWindow;

namespace {

// "0202" stands for a style whose generation fails.
void failingGenerator(brontaxe::Model&, brontaxe::Drawing&) {
    throw brontaxe::GenerationError("Dessin trop chargé : plus de 1000 éléments");
}
// "0901" stands for a style of the 09 family that has landed (0990 shares its generator).
void square(brontaxe::Model& m, brontaxe::Drawing& d) {
    brontaxe::GenerationPass pass(d);
    const brontaxe::PenScope pen(d, brontaxe::kind::Cut);
    brontaxe::chainStart(d, 0, 0);
    brontaxe::lineTo(d, m.Longueur, 0);
    brontaxe::lineTo(d, m.Longueur, m.Largeur);
    brontaxe::lineTo(d, 0, m.Largeur);
    brontaxe::lineTo(d, 0, 0);
}
brontaxe::Generator lookupWithFailure(std::string_view code) {
    if (code == "0202")
        return &failingGenerator;
    if (code == "0901")
        return &square;
    if (code.substr(0, 2) == "05")
        return nullptr;  // a family with nothing drawn, for the undrawn codes' tests
    return brontaxe::findGenerator(code);
}

struct Fixture : brontaxe::app::WindowFixture {
    explicit Fixture(std::optional<std::string> commandLine = std::nullopt)
        : WindowFixture(&lookupWithFailure, std::move(commandLine)) {}
    // The list entry of a code (its text may carry the "non disponible" mark).
    int indexOf(const char* comboName, const char* code) {
        return child<QComboBox>(comboName)->findData(QString(code));
    }
    int symbolsNumbered(int number) const {
        int n = 0;
        for (const auto& e : wb.drawing().elements()) {
            if (const auto* s = std::get_if<brontaxe::SymbolShape>(&e.shape);
                s && s->number == number)
                ++n;
        }
        return n;
    }
};

// The drawing's extents on screen lie inside the view.
bool drawingInView(brontaxe::app::DrawingView* view, const brontaxe::Drawing& d) {
    const brontaxe::Box b = d.extents();
    const QRectF onScreen =
        QRectF(view->toScreen({b.xmin, b.ymax}), view->toScreen({b.xmax, b.ymin})).normalized();
    return QRectF(view->rect()).contains(onScreen);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The first window fits the free area of the screen it opens on, frame included, from a
    // large screen down to a netbook's; a place remembered off the screen comes back into view.
    void theWindowOpensWithinItsScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("remembered");  // null: none
        QTest::addColumn<QRect>("opened");
        QTest::newRow("large screen")
            << QRect(0, 0, 1920, 1050) << QRect() << QRect(240, 89, 1440, 900);
        QTest::newRow("laptop") << QRect(0, 0, 1366, 740) << QRect() << QRect(4, 32, 1358, 704);
        QTest::newRow("netbook") << QRect(0, 30, 1024, 570) << QRect() << QRect(4, 62, 1016, 534);
        QTest::newRow("remembered")
            << QRect(0, 0, 1366, 740) << QRect(100, 80, 1100, 600) << QRect(100, 80, 1100, 600);
        QTest::newRow("remembered off screen")
            << QRect(0, 0, 1366, 740) << QRect(1900, -50, 1100, 900) << QRect(262, 32, 1100, 704);
    }
    void theWindowOpensWithinItsScreen() {
        QFETCH(QRect, available);
        QFETCH(QRect, remembered);
        QFETCH(QRect, opened);
        const QRect g = brontaxe::app::openingGeometry(
            available, remembered.isNull() ? std::nullopt : std::optional(remembered));
        QCOMPARE(g, opened);
    }

    // The window can be that small: a netbook's 1024 x 600 holds it, the columns scrolling.
    // Closed, its place is kept for the next start.
    void theWindowFitsANetbookAndRemembersItsPlace() {
        std::optional<QRect> closedAt;
        {
            Fixture f;
            const QSize least = f.window.minimumSizeHint().expandedTo(f.window.minimumSize());
            QVERIFY2(least.width() <= 1016 && least.height() <= 534,
                     qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
            QVERIFY(f.window.close());
            const auto kept = brontaxe::app::rememberedPlacement(f.wb.settings());
            QVERIFY(kept && !kept->maximised);
            QCOMPARE(kept->geometry, f.window.normalGeometry());
            closedAt = kept->geometry;
        }
        Fixture f;
        QCOMPARE(f.window.size(), closedAt->size());
    }

    void startsOnTheDefaultsWithTheTitleAndVersion() {
        Fixture f;
        QVERIFY(f.window.windowTitle().startsWith(f.window.programTitle()));
        QCOMPARE(f.window.regenerationCount(), 1);
        QCOMPARE(f.box("txtModel")->text(), QString("0201"));
        QCOMPARE(f.child<QComboBox>("CbModules")->currentText(), QString("0201"));
        QCOMPARE(f.child<QLabel>("lbDimHt")->text(), QString("1447 x 509"));
        QVERIFY(f.status().isEmpty());
        QVERIFY(f.window.view()->shownElementCount() > 20);
        QCOMPARE(f.child<QLabel>("lbhauteur")->text(), QString("Hauteur"));
        QCOMPARE(f.box("longueur")->toolTip(), QString("Entrez la longueur"));
    }

    void leavingALengthThatReadsTheSameDoesNotRegenerate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("regenerations");
        QTest::addColumn<float>("length");
        QTest::newRow("unchanged") << "400.00" << 0 << 400.0f;
        QTest::newRow("450") << "450" << 1 << 450.0f;
        QTest::newRow("decimal comma") << "412,5" << 1 << 412.5f;
    }
    void leavingALengthThatReadsTheSameDoesNotRegenerate() {
        QFETCH(QString, typed);
        QFETCH(int, regenerations);
        QFETCH(float, length);
        Fixture f;
        const int before = f.window.regenerationCount();
        f.typeAndLeave("longueur", typed);
        QCOMPARE(f.window.regenerationCount() - before, regenerations);
        QCOMPARE(f.wb.model().Longueur, length);
    }

    void enterInTheHeightRegeneratesOnceAndSelectsTheText() {
        Fixture f;
        QLineEdit* heightBox = f.box("hauteur");
        heightBox->setFocus();
        heightBox->setText("250");
        const int before = f.window.regenerationCount();
        QTest::keyClick(heightBox, Qt::Key_Return);
        QCOMPARE(f.window.regenerationCount() - before, 1);
        QCOMPARE(f.wb.model().Hauteur, 250.0f);
        QCOMPARE(heightBox->selectedText(), QString("250"));
        QCOMPARE(f.child<QLabel>("lbDimHt")->text(), QString("1447 x 559"));
        QTest::keyClick(heightBox, Qt::Key_Return);  // the same value again: nothing to do
        QCOMPARE(f.window.regenerationCount() - before, 1);
    }

    void theCommandLineNamesTheDrawingFile_data() {
        QTest::addColumn<bool>("given");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("none") << false << ""
                              << "paramQMT.des";
        QTest::newRow("quoted") << true << "  \"/tmp/a b.des\" "
                                << "/tmp/a b.des";
    }
    void theCommandLineNamesTheDrawingFile() {
        QFETCH(bool, given);
        QFETCH(QString, commandLine);
        QFETCH(QString, fileName);
        Fixture f(given ? std::optional<std::string>(commandLine.toStdString()) : std::nullopt);
        QCOMPARE(QString::fromStdString(f.window.fileName()), fileName);
        QCOMPARE(f.window.regenerationCount(), 1);  // the file is named, not opened
    }

    void passNotIndicatedRemovesThePassArrowAndKeepsTheFluteArrow() {
        Fixture f;
        f.child<QRadioButton>("Option1_1")->click();
        f.child<QRadioButton>("Option1_4")->click();
        QCOMPARE(f.symbolsNumbered(5), 1);
        QCOMPARE(f.symbolsNumbered(11), 1);
        QVERIFY(!f.child<QLabel>("ImagePassage")->pixmap().isNull());
        f.child<QRadioButton>("Option1_3")->click();
        QVERIFY(f.wb.model().senspass == brontaxe::AlongAxis::None);
        QCOMPARE(f.symbolsNumbered(5), 1);
        QCOMPARE(f.symbolsNumbered(11), 0);
        QVERIFY(f.child<QLabel>("ImagePassage")->pixmap().isNull());
        QVERIFY(!f.child<QLabel>("ImageCannelure")->pixmap().isNull());
    }

    void clickingThePreviewTwiceRestoresTheLayoutAndClearsFiltrerCotation() {
        Fixture f;
        f.window.resize(1366, 700);  // a laptop's screen: the offscreen one is smaller
        auto* cotes = f.child<QAction>("mncotes");
        QWidget* preview = f.child<QWidget>("Vue3D");
        QWidget* drawing = f.window.view();
        QCoreApplication::processEvents();
        const QRect drawingPlace = drawing->geometry();
        const QRect previewPlace = preview->geometry();
        QVERIFY(drawingPlace.width() > previewPlace.width());

        QTest::mouseClick(preview, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(f.window.viewsSwapped());
        QVERIFY(cotes->isChecked());
        QCOMPARE(f.wb.drawing().filter().expression(), std::string("COTATION"));
        QVERIFY(preview->width() > drawing->width());

        QTest::mouseClick(preview, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!f.window.viewsSwapped());
        QVERIFY(!cotes->isChecked());
        QVERIFY(f.wb.drawing().filter().hidesNothing());
        QCOMPARE(drawing->geometry(), drawingPlace);
        QCOMPARE(preview->geometry(), previewPlace);
    }

    void theCreasesBoxTakesThePlaceOfTheHeightFor0990Only() {
        Fixture f;
        f.choose("CbGroup", 6);  // 09 Conditionnement Intérieur
        const int i0990 = f.indexOf("CbModules", "0990");
        QVERIFY(i0990 >= 0);
        f.choose("CbModules", i0990);
        QCOMPARE(f.box("txtModel")->text(), QString("0990"));
        QVERIFY(f.box("hauteur")->isHidden());
        QVERIFY(f.child<QWidget>("CmdDetails")->isHidden());
        QVERIFY(!f.box("Txt_listefoulages")->isHidden());
        QCOMPARE(f.child<QLabel>("lbhauteur")->text(), QString("Refoulages"));

        QLineEdit* creases = f.box("Txt_listefoulages");
        const int before = f.window.regenerationCount();
        QTest::keyClicks(creases, "100");
        QCOMPARE(f.window.regenerationCount() - before, 3);  // every change of the text

        f.choose("CbModules", f.indexOf("CbModules", "0901"));
        QVERIFY(!f.box("hauteur")->isHidden());
        QVERIFY(!f.child<QWidget>("CmdDetails")->isHidden());
        QVERIFY(f.box("Txt_listefoulages")->isHidden());
        QVERIFY(creases->text().isEmpty());
        QCOMPARE(f.child<QLabel>("lbhauteur")->text(), QString("Hauteur"));
    }

    void aFailedGenerationIsSaidInFrenchAndNoOldFigureRemains() {
        Fixture f;
        f.typeAndLeave("txtModel", "0202");
        const QString status = f.status();
        QVERIFY2(status.contains("Dessin trop chargé"), qPrintable(status));
        QCOMPARE(f.child<QLabel>("lbCoupant")->text(), QString("0"));
        QCOMPARE(f.child<QLabel>("lbPerte")->text(), QString("XXXXXX"));
        QCOMPARE(f.window.view()->shownElementCount(), 0);

        // The window stays usable: the next code draws again and the message goes.
        f.typeAndLeave("txtModel", "0201");
        QVERIFY(f.status().isEmpty());
        QCOMPARE(f.child<QLabel>("lbDimHt")->text(), QString("1447 x 509"));
    }

    void anUnknownCodeKeepsTheDrawingAndSaysSo() {
        Fixture f;
        const int shown = f.window.view()->shownElementCount();
        f.typeAndLeave("txtModel", "0201 ");
        QVERIFY(f.status().contains("Code de modèle inconnu"));
        QCOMPARE(f.window.view()->shownElementCount(), shown);
    }

    // F1 and "Aide" open the manual in the program's own help window, beside the drawing: its
    // text and pictures from the Markdown, its chapters listed, a search that goes round, and
    // where the PDF for printing lies. Asked again, the same window comes up at the section.
    void f1OpensTheManualInTheHelpWindow() {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTest::keyClick(&f.window, Qt::Key_F1);
        auto* help = f.window.findChild<HelpDialog*>("frmHelp");
        QVERIFY(help);
        QVERIFY(help->isVisible() && !help->isModal());
        auto* text = help->findChild<QTextBrowser*>("helpText");
        QVERIFY2(text->toPlainText().startsWith(QStringLiteral("Brontaxe — manuel")),
                 qPrintable(text->toPlainText().left(80)));
        // Every picture in place, at most as wide as the text.
        int pictures = 0;
        for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.isImageFormat())
                    continue;
                const QVariant image = text->document()->resource(
                    QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
                QVERIFY2(image.isValid(), qPrintable(format.toImageFormat().name()));
                QVERIFY(format.toImageFormat().width() <= 760);
                ++pictures;
            }
        }
        QVERIFY2(pictures >= 20, qPrintable(QString::number(pictures)));
        QVERIFY(!text->toPlainText().contains(QStringLiteral("image introuvable")));

        auto* contents = help->findChild<QTreeWidget*>("helpContents");
        QStringList chapters;
        for (int i = 0; i < contents->topLevelItemCount(); ++i)
            chapters << contents->topLevelItem(i)->text(0);
        for (const char* chapter : {"Démarrer", "Les menus", "Tutoriels", "La ligne de commande"})
            QVERIFY2(chapters.contains(QString::fromUtf8(chapter)), chapter);
        QVERIFY(!chapters.contains(QStringLiteral("Table des matières")));
        // A chapter chosen in the list comes to the top of the view.
        QTreeWidgetItem* tutorials =
            contents->findItems(QStringLiteral("Tutoriels"), Qt::MatchExactly)[0];
        contents->itemClicked(tutorials, 0);
        QCOMPARE(text->textCursor().block().text(), QStringLiteral("Tutoriels"));
        QVERIFY(text->verticalScrollBar()->value() > 0);

        auto* search = help->findChild<QLineEdit*>("helpSearch");
        search->setText(QStringLiteral("majorations"));
        QVERIFY(help->findNext());
        const int first = text->textCursor().position();
        QVERIFY(help->findNext());
        QVERIFY(text->textCursor().position() > first);
        QVERIFY(help->findNext(true));
        QCOMPARE(text->textCursor().position(), first);
        QCOMPARE(text->textCursor().selectedText().toLower(), QStringLiteral("majorations"));
        // Typed with plain spaces, a phrase the manual sets with non-breaking ones is found.
        search->setText(QStringLiteral("Enregistrer les modifications ?"));
        QVERIFY(help->findNext());
        QCOMPARE(text->textCursor().selectedText(),
                 QStringLiteral("Enregistrer les modifications\u202f?"));
        search->setText(QStringLiteral("xyzzy introuvable"));
        QVERIFY(!help->findNext());
        QCOMPARE(help->findChild<QLabel*>("helpSearchStatus")->text(),
                 QStringLiteral("Introuvable"));

        QVERIFY(help->findChild<QLabel*>("helpPdf")->text().contains(
            QString::fromStdString(brontaxe::app::manualPath().string())));

        // Asked again (the allowance editor's help): the same window, at its section.
        f.window.findChild<QAction*>("mnaide_aide")->trigger();
        QCOMPARE(f.window.findChildren<HelpDialog*>().size(), 1);
        QVERIFY(help->showSection(QStringLiteral("Majorations")));
        QCOMPARE(text->textCursor().block().text(), QStringLiteral("Majorations"));
        QVERIFY(!help->showSection(QStringLiteral("Aucune section de ce nom")));
        help->close();
    }

    // A manual that is not there is said in the help window instead of its text.
    void aMissingManualIsSaid() {
        QWidget parent;
        HelpDialog help(&parent, "/nulle-part/manuel.md", "/nulle-part/brontaxe.pdf");
        QVERIFY(help.findChild<QTextBrowser*>("helpText")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Manuel introuvable : /nulle-part/manuel.md")));
        QVERIFY(
            help.findChild<QLabel*>("helpPdf")->text().contains(QStringLiteral("non installé")));
    }

    // Words a French reader would trip on, spelled right where the window and its dialogs show
    // them.
    void labelsAreSpelledRight() {
        Fixture f;
        brontaxe::app::ConfigurationDialog configuration(f.window.workbench(), {}, &f.window);
        brontaxe::app::CompressionDialog compression(f.window.workbench(), &f.window);
        configuration.show();  // captions get their typography when shown
        compression.show();
        QStringList shown;
        for (QWidget* top :
             std::initializer_list<QWidget*>{&f.window, &configuration, &compression}) {
            for (auto* label : top->findChildren<QLabel*>())
                shown << label->text();
            for (auto* box : top->findChildren<QGroupBox*>())
                shown << box->title();
            for (auto* button : top->findChildren<QAbstractButton*>())
                shown << button->text();
            for (auto* action : top->findChildren<QAction*>())
                shown << action->text();
            for (auto* combo : top->findChildren<QComboBox*>())
                for (int i = 0; i < combo->count(); ++i)
                    shown << combo->itemText(i);
        }
        for (const char* right :
             {"03 Caisses télescopiques", "Surfaces Découpées\u00a0:", "Sens Cannelure // a\u00a0:",
              "Sens Passage // a\u00a0:", "Personnalisation\u00a0:", "Formule McKee",
              "À propos de Brontaxe", "Coupant avec ponts\u00a0:", "Passages-Machine..."})
            QVERIFY2(shown.contains(QString::fromUtf8(right)), right);
        // French typography: no line may break before ":" ";" "?" "!", and one spelling a word.
        const QRegularExpression wrong(QStringLiteral(
            "Canelure|Personalisation|télescopique\\b|Découpée :|Mc Kee|^A propos| [:;?!]|\\w[:;?!]"
            "( |$)|Passages Machine"));
        for (const QString& text : shown)
            QVERIFY2(!wrong.match(text).hasMatch(), qPrintable(text));
    }

    // The "Outils" menu and its submenus write their entries one way: a capital to the first
    // word only, names of programs and formats as they are spelt.
    void theToolsMenuCapitalisesItsFirstWordOnly() {
        Fixture f;
        const QSet<QString> names{"3D",       "KorGEOM",  "RCV",
                                  "(KorRCV)", "Korvane",  "Presenter",
                                  "Pliao",    "Stapelix", "Passages-Machine..."};
        QStringList entries;
        auto* tools = f.window.findChild<QMenu*>("mnoutils");
        QVERIFY(tools);
        for (QAction* a : tools->actions()) {
            entries << a->text();
            if (a->menu())
                for (QAction* sub : a->menu()->actions())
                    entries << sub->text();
        }
        QVERIFY(entries.size() > 10);
        for (const QString& entry : entries) {
            const QStringList words = entry.split(' ', Qt::SkipEmptyParts);
            for (qsizetype i = 1; i < words.size(); ++i)
                QVERIFY2(names.contains(words[i]) || !words[i].front().isUpper(),
                         qPrintable(entry));
        }
    }

    // A damaged allowance table: the damaged line at start-up, then with every regeneration of
    // a code and grade without a record of their own; the figures frame counts the warnings.
    void damagedTablesAreSaidInTheStatusBarAndTheFiguresFrame() {
        QTemporaryDir dir;
        const QString path = dir.path();
        auto write = [&](const char* name, const QByteArray& text) {
            QFile file(path + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        write("csqual2.kor",
              "\"\"\r\n\"\"\r\n\"1 - B\"\r\n\"B\"\r\n3\r\n6\r\n"
              "\"2 - C\"\r\n\"C\"\r\n4\r\n8\r\n");
        write("fefcomajo1.kor",
              "\"\"\r\n\"\"\r\n201,1,2,3,3,3,6,1.5,1.5,0,0,0,0,0,0,0,0,0\r\n"
              "201,2,3,4,4,4,8,2,2,0,0,0,0,0,0,0,0\r\n");
        write("korparam.ini", ("[Preferences]\nMajoFefco=" + path + "/\n").toUtf8());
        const QByteArray saved = qgetenv("BRONTAXE_CONFIG_DIR");
        qputenv("BRONTAXE_CONFIG_DIR", path.toUtf8());
        {
            Fixture f;
            auto* status = f.child<QLabel>("statusMessage");
            auto* frame = f.child<QLabel>("lbAvertissements");
            QVERIFY2(status->text().contains("fefcomajo1.kor, ligne 4"),
                     qPrintable(status->text()));
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->text(), QString("Attention\u00a0: 1 avertissement sur les données"));

            f.choose("Cmb_Qual", 1);  // grade 2: no record of its own
            QVERIFY2(status->text().contains("Pas de majorations pour le code 0201 en qualité 2"),
                     qPrintable(status->text()));
            QCOMPARE(frame->text(), QString("Attention\u00a0: 2 avertissements sur les données"));
            QVERIFY(frame->toolTip().contains("celles de la qualité 1"));

            f.choose("Cmb_Qual", 0);  // back to grade 1 and its own record
            QVERIFY(!status->text().contains("Pas de majorations"));
            QCOMPARE(frame->text(), QString("Attention\u00a0: 1 avertissement sur les données"));
        }
        qputenv("BRONTAXE_CONFIG_DIR", saved);
    }

    void posesTypedInTheWindowAreDrawn() {
        Fixture f;
        f.typeAndLeave("TxNbPoseX", "10");
        f.typeAndLeave("TxNbPoseY", "10");
        QCOMPARE(f.child<QLabel>("lbnbposes")->text(), QString("100"));
        QVERIFY(f.window.view()->shownElementCount() > 100 * 20);
        QVERIFY(!f.window.view()->grab().isNull());  // paints the whole imposition
    }

    void filtrerCotationHidesTheDimensionsAndSupprimerFiltreShowsThem() {
        Fixture f;
        const int all = f.window.view()->shownElementCount();
        f.child<QAction>("mncotes")->trigger();
        QVERIFY(f.child<QAction>("mncotes")->isChecked());
        const int withoutDimensions = f.window.view()->shownElementCount();
        QVERIFY(withoutDimensions < all);
        f.typeAndLeave("longueur", "500");  // a regeneration keeps the filter
        QCOMPARE(f.wb.drawing().filter().expression(), std::string("COTATION"));
        QMetaObject::invokeMethod(f.child<QObject>("Image3"), "click");
        QVERIFY(!f.child<QAction>("mncotes")->isChecked());
        QCOMPARE(f.window.view()->shownElementCount(), all);
    }

    // A bad entry in each number box (the reasons are the workbench's, checked there): the box
    // shows its value again in a red frame, the status bar says why, nothing is drawn.
    void aBadEntryIsRefusedAndNothingIsDrawn_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        const QString size = " (de 0 exclu à 10000\u00a0mm)";
        QTest::newRow("length text") << "longueur"
                                     << "abc"
                                     << "Longueur incorrecte\u00a0: \"abc\"" + size;
        QTest::newRow("width zero") << "largeur"
                                    << "0"
                                    << "Largeur incorrecte\u00a0: 0" + size;
        QTest::newRow("height too large") << "hauteur"
                                          << "99999"
                                          << "Hauteur incorrecte\u00a0: 99999" + size;
        QTest::newRow("sheet text")
            << "TxFmtCX"
            << "abc"
            << "Format carton en X incorrect\u00a0: \"abc\" (de 0 à 10000000\u00a0mm)";
        QTest::newRow("sheet negative")
            << "TxFmtCY"
            << "-5"
            << "Format carton en Y incorrect\u00a0: -5 (de 0 à 10000000\u00a0mm)";
        QTest::newRow("margin negative")
            << "TxtFCEsp_0"
            << "-5"
            << "Marge en X incorrecte\u00a0: -5 (de 0 à 10000000\u00a0mm)";
        QTest::newRow("poses too many") << "TxNbPoseX"
                                        << "101"
                                        << "Nombre de poses en X incorrect\u00a0: 101 (de 1 à 100)";
        QTest::newRow("poses zero") << "TxNbPoseX"
                                    << "0"
                                    << "Nombre de poses en X incorrect\u00a0: 0 (de 1 à 100)";
        QTest::newRow("poses not whole")
            << "TxNbPoseY"
            << "2,5"
            << "Nombre de poses en Y incorrect\u00a0: 2,5 (un nombre entier de 1 à 100)";
        QTest::newRow("poses text") << "TxNbPoseX"
                                    << "abc"
                                    << "Nombre de poses en X incorrect\u00a0: \"abc\" (de 1 à 100)";
        QTest::newRow("poses negative") << "TxNbPoseY"
                                        << "-2"
                                        << "Nombre de poses en Y incorrect\u00a0: -2 (de 1 à 100)";
        QTest::newRow("gap negative")
            << "TxespX"
            << "-5"
            << "Espace entre poses en X incorrect\u00a0: -5 (de 0 à 10000000\u00a0mm)";
        QTest::newRow("gap text")
            << "TxespY"
            << "x"
            << "Espace entre poses en Y incorrect\u00a0: \"x\" (de 0 à 10000000\u00a0mm)";
    }
    void aBadEntryIsRefusedAndNothingIsDrawn() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        Fixture f;
        auto* entry = f.child<brontaxe::app::EntryBox>(qPrintable(box));
        const QString previous = entry->text();
        const std::string drawing = f.dump();
        const QString figures = f.child<QLabel>("lbDimHt")->text();
        const int before = f.window.regenerationCount();
        f.typeAndLeave(qPrintable(box), typed);
        QCOMPARE(f.status(), reason);
        QCOMPARE(entry->text(), previous);
        QVERIFY(entry->refused());
        QCOMPARE(f.window.regenerationCount(), before);
        QCOMPARE(f.dump(), drawing);
        QCOMPARE(f.child<QLabel>("lbDimHt")->text(), figures);
        QCOMPARE(f.wb.model().Longueur, 400.0f);
        QCOMPARE(f.wb.model().NbPoseX, std::int16_t(1));

        // Enter refuses the same way and keeps the focus in the box.
        entry->setFocus();
        entry->setText(typed);
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(entry->text(), previous);
        QCOMPARE(f.window.regenerationCount(), before);

        // The next entry that is taken draws, and the frame and the message go.
        f.typeAndLeave("hauteur", "250");
        QVERIFY(!entry->refused());
        QVERIFY(f.status().isEmpty());
    }

    // Sizes the styles cannot be made in, refused in the status bar with their reasons: French
    // typography, the decimal comma.
    void aStylesRefusalIsSaidInFrench_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("0711 too narrow") << "0711"
                                         << "largeur"
                                         << "40,5";
        QTest::newRow("0205 too long") << "0205"
                                       << "longueur"
                                       << "1200,5";
        QTest::newRow("0933 too low") << "0933"
                                      << "hauteur"
                                      << "30";
    }
    void aStylesRefusalIsSaidInFrench() {
        QFETCH(QString, code);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        Fixture f;
        f.typeAndLeave("txtModel", code);
        f.typeAndLeave(qPrintable(box), typed);
        const QString said = f.status();
        QVERIFY2(f.box(qPrintable(box))->refused(), qPrintable(said));
        QVERIFY2(said.contains(typed + QStringLiteral("\u00a0mm")), qPrintable(said));
        QCOMPARE(brontaxe::test::plainSpacesBeforeMarks(said.toStdString()), 0);
        QVERIFY2(!said.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(said));
    }

    // A red frame marks the entry the status bar refuses, and goes when that reason goes: the
    // box given a good value again, even the one it had, or another entry refused.
    void theRedFrameStandsWhileItsReasonDoes() {
        Fixture f;
        auto* length = f.box("longueur");
        f.typeAndLeave("longueur", "abc");
        QVERIFY(length->refused());
        f.typeAndLeave("longueur", "400");  // the value drawn: nothing to draw again
        QVERIFY(!length->refused());
        QVERIFY(f.status().isEmpty());

        f.typeAndLeave("TxNbPoseX", "0");
        QVERIFY(f.box("TxNbPoseX")->refused());
        f.typeAndLeave("largeur", "abc");
        QVERIFY(!f.box("TxNbPoseX")->refused());
        QVERIFY(f.box("largeur")->refused());
        QCOMPARE(f.box("TxNbPoseX")->text(), QString("1"));

        // A code that cannot be drawn: the code drawn comes back, framed, the reason said.
        auto* code = f.box("txtModel");
        const QString drawn = code->text();
        f.typeAndLeave("txtModel", "0201 ");
        QVERIFY(f.status().contains("Code de modèle inconnu"));
        QCOMPARE(code->text(), drawn);
        QVERIFY(code->refused());
        QVERIFY(!f.box("largeur")->refused());
        f.typeAndLeave("txtModel", "0427");
        QVERIFY(!code->refused());
    }

    // The box tool image opens the fold view built in, not an outside program.
    void theFoldingToolImageOpensTheFoldView() {
        Fixture f;
        QVERIFY(!f.window.foldWindow());
        QMetaObject::invokeMethod(f.child<QObject>("Image15"), "click");
        QVERIFY(f.window.foldWindow() && f.window.foldWindow()->isVisible());
        QVERIFY(f.status().isEmpty());
    }

    void theSheetBoxesShowWholeMillimetres() {
        Fixture f;
        QVERIFY(!f.box("TxFmtCX")->text().endsWith('.'));
        QCOMPARE(f.box("TxFmtCX")->text(), QString("1452"));
        f.typeAndLeave("TxFmtCX", "3000");
        QCOMPARE(f.box("TxFmtCX")->text(), QString("3000"));
        QCOMPARE(f.child<QLabel>("lbnbposes")->text(), QString("2"));

        // The optimiser's arrangement beside the grid's. With the flutes kept it does no
        // better than the grid, and says so with nothing to take; with quarter turns allowed
        // it lays 5, offered with "Prendre" as the default button; taken, it is the imposition.
        f.typeAndLeave("TxFmtCY", "1500");
        QString offer;
        QStringList buttons;
        QString preferred;
        const auto answer = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                offer = box->text();
                buttons.clear();
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text();
                preferred = box->defaultButton() ? box->defaultButton()->text() : QString();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == "Prendre" || b->text() == "Laisser") {
                        b->click();
                        break;
                    }
            });
            QMetaObject::invokeMethod(f.child<QObject>("CmdOptimiser"), "click");
        };
        answer();
        QVERIFY2(
            offer.startsWith("L'imposition optimisée ne fait pas mieux que la grille\u00a0: 4"),
            qPrintable(offer));
        QVERIFY(!buttons.contains("Prendre"));
        QVERIFY(!f.wb.nesting());
        f.child<QCheckBox>("ChkQuartDeTour")->setChecked(true);
        QVERIFY(f.wb.imposition().quarterTurns);
        answer();
        QVERIFY2(offer.startsWith("Imposition optimisée\u00a0: 5 poses"), qPrintable(offer));
        QVERIFY2(offer.contains("quart de tour\u00a0: cannelure en travers"), qPrintable(offer));
        QVERIFY2(offer.contains("\nGrille\u00a0: 4 poses"), qPrintable(offer));
        QCOMPARE(preferred, QString("Prendre"));
        QVERIFY(f.wb.nesting());
        QCOMPARE(f.child<QLabel>("lbnbposes")->text(), QString("5"));
    }

    // "Plus petit format pour N poses..." on a roll: the count asked, exactly that many laid
    // across the roll's width, the length cut after them.
    void theLeastRollForACountLaysExactlyThatMany() {
        Fixture f;
        f.typeAndLeave("TxFmtCX", "2000");
        f.child<QCheckBox>("ChkRouleau")->setChecked(true);
        // Each modal answered when it is up: the count, then the offer's default button.
        QTimer answers;
        answers.setInterval(20);
        connect(&answers, &QTimer::timeout, [&answers] {
            QWidget* up = QApplication::activeModalWidget();
            if (auto* asked = qobject_cast<QInputDialog*>(up)) {
                asked->setIntValue(3);
                asked->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(up); box && box->defaultButton()) {
                box->defaultButton()->click();
                answers.stop();
            }
        });
        answers.start();
        QMetaObject::invokeMethod(f.child<QObject>("CmdFormatPoses"), "click");
        QVERIFY(f.wb.nesting());
        QCOMPARE(f.child<QLabel>("lbnbposes")->text(), QString("3"));
        QCOMPARE(f.box("TxFmtCX")->text(), QString("2000"));
    }

    void anUndrawnCodeLeavesListsBoxDrawingAndFiguresOnTheDrawnStyle() {
        Fixture f;
        f.choose("CbModules", f.indexOf("CbModules", "0216"));
        QCOMPARE(f.box("txtModel")->text(), QString("0216"));
        const std::string drawing = f.dump();
        const QString figures = f.child<QLabel>("lbDimHt")->text();
        const QString cut = f.child<QLabel>("lbCoupant")->text();
        const auto expectOn0216 = [&](const char* what) {
            QVERIFY2(f.status().startsWith("Modèle non disponible\u00a0: 0501"), what);
            QCOMPARE(f.box("txtModel")->text(), QString("0216"));
            QCOMPARE(f.child<QComboBox>("CbGroup")->currentIndex(), 0);
            QCOMPARE(f.child<QComboBox>("CbModules")->currentData().toString(), QString("0216"));
            QCOMPARE(f.child<QComboBox>("CbModules")->currentText(), QString("0216"));
            QCOMPARE(f.dump(), drawing);
            QCOMPARE(f.child<QLabel>("lbDimHt")->text(), figures);
            QCOMPARE(f.child<QLabel>("lbCoupant")->text(), cut);
            QCOMPARE(f.wb.model().CodeModele, std::string("0216"));
        };
        f.choose("CbGroup", 3);  // 05 Boîtes Coulissantes: nothing drawn there yet
        expectOn0216("family");
        f.typeAndLeave("txtModel", "501");
        expectOn0216("typed");
    }

    void codesStillToComeAreGreyedInTheLists() {
        Fixture f;
        auto* families = f.child<QComboBox>("CbGroup");
        QVERIFY(!families->itemText(0).contains("non disponible"));
        QVERIFY(!families->itemText(1).contains("non disponible"));  // the telescope boxes
        QVERIFY(families->itemText(3).contains("non disponible"));
        QVERIFY(!families->itemText(6).contains("non disponible"));  // 0901 draws here
        auto* codes = f.child<QComboBox>("CbModules");
        QCOMPARE(codes->itemText(f.indexOf("CbModules", "0201")), QString("0201"));
        QCOMPARE(codes->itemText(codes->count() - 1), QString("Haut / Bas"));
    }

    // Under the code box, and in the code's list entry, what the lists say of the blank drawn:
    // nothing for a style whose form is confirmed.
    void theFormOfTheCodeDrawnStandsBesideIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("note");
        QTest::newRow("confirmed") << "0201"
                                   << "";
        QTest::newRow("sample drawing") << "0217"
                                        << "forme non confirmée";
        QTest::newRow("drawn by another's generator") << "0305"
                                                      << "même découpe que 0301";
        QTest::newRow("typed form") << "0200c"
                                    << "même découpe que 0200, poignées jamais dessinées";
    }
    void theFormOfTheCodeDrawnStandsBesideIt() {
        QFETCH(QString, typed);
        QFETCH(QString, note);
        Fixture f;
        f.typeAndLeave("txtModel", "217");  // a noted code first: its note must not linger
        f.typeAndLeave("txtModel", typed);
        auto* label = f.child<QLabel>("lbForme");
        QCOMPARE(label->text(), note);
        QCOMPARE(label->isVisible(), !note.isEmpty());
        auto* codes = f.child<QComboBox>("CbModules");
        QCOMPARE(codes->currentText(),
                 codes->currentData().toString() + (note.isEmpty() ? "" : "  (" + note + ")"));
    }

    void typingACodeMovesTheFamilyList() {
        Fixture f;
        f.typeAndLeave("txtModel", "901");
        QCOMPARE(f.box("txtModel")->text(), QString("0901"));
        QCOMPARE(f.child<QComboBox>("CbGroup")->currentIndex(), 6);
        QCOMPARE(f.child<QComboBox>("CbModules")->currentData().toString(), QString("0901"));
        QVERIFY(f.status().isEmpty());
        f.typeAndLeave("txtModel", "215");
        QCOMPARE(f.child<QComboBox>("CbGroup")->currentIndex(), 0);
        QCOMPARE(f.child<QComboBox>("CbModules")->currentText(), QString("0215"));
    }

    void theGradeThicknessStandsBesideTheGradeList() {
        Fixture f;
        QCOMPARE(f.child<QLabel>("lbEpaisseur")->text(), QString("Ép. 3\u00a0mm"));
    }

    void passDirectionOneIsCaptionedAlongX() {
        Fixture f;
        QCOMPARE(f.child<QRadioButton>("Option1_1")->text(), QString("en X"));
        QCOMPARE(f.child<QRadioButton>("Option1_4")->text(), QString("en X"));
        QCOMPARE(f.child<QRadioButton>("Option1_5")->text(), QString("en Y"));
    }

    void theViewFollowsADrawingThatLeftIt() {
        Fixture f;
        auto* view = f.window.view();
        QVERIFY(drawingInView(view, f.wb.drawing()));
        view->panBy(QPointF(5 * view->width(), 0));  // the user looks elsewhere
        QVERIFY(!view->fitting());
        f.typeAndLeave("longueur", "500");
        QVERIFY(view->fitting());
        QVERIFY(drawingInView(view, f.wb.drawing()));

        // A drawing that stays in view is left where the user put it.
        view->zoomAbout(0.9, QPointF(view->width() / 2.0, view->height() / 2.0));
        const double scale = view->scale();
        f.typeAndLeave("longueur", "450");
        QVERIFY(!view->fitting());
        QCOMPARE(view->scale(), scale);

        // Far smaller than the view: fitted again.
        view->zoomAbout(0.01, QPointF(view->width() / 2.0, view->height() / 2.0));
        f.typeAndLeave("longueur", "400");
        QVERIFY(view->fitting());
    }

    void verticalSymmetryNeverLeavesAnEmptyView() {
        Fixture f;
        auto* view = f.window.view();
        view->zoomAbout(1.5, QPointF(view->width() * 0.8, view->height() / 2.0));
        for (int i = 0; i < 2; ++i) {
            QMetaObject::invokeMethod(f.child<QObject>("Image12"), "click");
            QCOMPARE(f.wb.model().Sym_Verticale, i == 0);
            QVERIFY(drawingInView(view, f.wb.drawing()));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
