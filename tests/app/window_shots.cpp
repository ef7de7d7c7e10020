// Screenshots of the real window, in French, on the settings of the environment: the
// scripts/*screenshot*.sh give it fresh ones and a virtual X server. Arguments: what to show,
// the picture to write (for "pliage", the folder), then that picture's own arguments:
//   majo [0427]              the allowance editor of a 0201 with "Majoration  1" typed as 13 mm,
//                            or of a 0427 with allowance 3 being edited; abandoned afterwards,
//                            so no table is written
//   architecture             the "Architecture" chooser on a 0201 over a 0711
//   edition                  the "Édition" menu open after a change
//   recuperation             the question at start after a design was left unsaved
//   remplacer                "Sauver" over a file this run has not written: the question
//   decoupe                  a die-line imposed 2 x 1, saved as .des and opened again
//   palette [saisie]         the pallet assistant for erected cases, worked out (or its inputs)
//   apercu [reelle]          the print preview (of the true-scale pages)
//   rcv                      "Calcul RCV" after "Calculer"
//   modele, fiche, dessin    the template chooser; the shipped template's questionnaire filled
//                            in; the window with the filled sheet beside the blank
//   suivie                   the sheet filled in for a length of 450 mm, then the length made
//                            460: the sheet tells 460
//   passages, section        the machine passes of a two-piece 0201; a 0201 cut at 700 mm
//   pliage CODES...          "Vue pliée 3D" of each code at 50 % and 100 %, and the whole
//                            screen with the first
//   imposition               a 0430 of 200 x 150 x 80 optimised on 2000 x 1500 with quarter
//                            turns allowed: the offer (the picture named with "-offre"), then
//                            the window once it is taken, blocks of two turns on the sheet
//   edition-...              the edit mode at work (edit_shots.cpp)
//   poses [X Y [CODE [4]]]   a CODE (0201) of 555 x 320 x 120 in grade 2 on X x Y poses (2 x 2),
//                            in four pieces when "4" follows: the dimension chains beside the
//                            imposed area
//   autres TAB [CODE]        "Autres Dimensions" of a CODE (0201) on its tab TAB (0 to 8)
//   outils                   the "Outils" menu open

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "app/commands/file_commands.h"
#include "app/commands/recovery_file.h"
#include "app/dialogs/allowance_dialog.h"
#include "app/dialogs/architecture_dialog.h"
#include "app/dialogs/compression_dialog.h"
#include "app/dialogs/pallet_assistant_dialog.h"
#include "app/dialogs/questionnaire_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/dialogs/sheet_template_dialog.h"
#include "app/dialogs/style_parameters_dialog.h"
#include "app/views/drawing_view.h"
#include "app/views/fold_window.h"
#include "app/window/entry_box.h"
#include "app/window/main_window.h"
#include "app/window/translations.h"
#include "edit_shots.h"
#include "modal_answers.h"
#include "platform/paths.h"
#include "styles/generators.h"

namespace brontaxe::app {
namespace {

struct ShotWindow {
    explicit ShotWindow(QApplication& app)
        : french(installFrenchTranslations(app)),
          env(platform::processEnvironment()),
          wb(platform::PrivateProfile(platform::windowsDirectory(env)), &findGenerator, env),
          window(wb, std::nullopt) {
        window.show();
    }

    bool french;  // before the window, which reads its texts when built
    platform::EnvironmentLookup env;
    Workbench wb;
    MainWindow window;
};

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int grabScreen(const QString& out) {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(out) ? 0 : 1;
}

void type(MainWindow& window, const char* box, const QString& text) {
    auto* b = window.findChild<EntryBox*>(box);
    b->setFocus();
    b->setText(text);
    QTest::keyClick(b, Qt::Key_Return);
}

bool saveFrame(QWidget* w, const QString& file) {
    const QRect frame = w->frameGeometry();
    return w->screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(file);
}

// What a picture of a dialog shows: the dialog over the window, or the dialog alone, which the
// manual then shows large enough for its texts to read on paper.
enum class Framing { Screen, Dialog };

// Runs `open`, which shows a modal dialog and returns once it is closed: when the dialog is up
// `prepare` runs on it, and when it has been painted the picture is saved and the dialog closed.
int shootModal(const QString& out, const std::function<void()>& open,
               const std::function<void(QWidget&)>& prepare = {},
               Framing framing = Framing::Screen) {
    int status = 1;
    QTimer::singleShot(1500, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (prepare)
            prepare(*dialog);
        QTimer::singleShot(1500, dialog, [&status, &out, dialog, framing] {
            status =
                framing == Framing::Dialog ? (saveFrame(dialog, out) ? 0 : 1) : grabScreen(out);
            dialog->close();
        });
    });
    open();
    return status;
}

int allowanceEditor(ShotWindow& shot, const QString& out, const QStringList& args) {
    MainWindow& window = shot.window;
    const bool on0427 = args.value(0) == "0427";
    if (on0427)
        type(window, "txtModel", QStringLiteral("0427"));
    return shootModal(
        out, [&] { window.editAllowances(); },
        [&](QWidget& dialog) {
            auto& editor = static_cast<AllowanceDialog&>(dialog);
            // High on the screen, clear of the dimension chains under the blank.
            editor.move(window.x() + 330, window.y() + 20);
            EntryBox* box = editor.field(on0427 ? 3 : 1);
            box->setFocus();
            if (!on0427) {
                box->setText(QStringLiteral("13"));
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
}

int architecture(ShotWindow& shot, const QString& out, const QStringList&) {
    shot.wb.model().TypeDessus = 201;
    shot.wb.model().TypeDessous = 711;
    ArchitectureDialog dialog(shot.wb.model(), &shot.window);
    return shootModal(
        out, [&] { dialog.exec(); }, {}, Framing::Dialog);
}

int editionMenu(ShotWindow& shot, const QString& out, const QStringList&) {
    type(shot.window, "longueur", QStringLiteral("450"));
    auto* menu = shot.window.findChild<QMenu*>("mnedition");
    shot.window.menuBar()->setActiveAction(menu->menuAction());
    settle(1200);
    const int status = grabScreen(out);
    menu->close();
    return status;
}

int recovery(ShotWindow& shot, const QString& out, const QStringList&) {
    type(shot.window, "longueur", QStringLiteral("456"));  // written aside at once
    const int status = shootModal(out, [&] { shot.window.offerRecovery(); });
    shot.window.recovery().remove();
    return status;
}

int replaceQuestion(ShotWindow& shot, const QString& out, const QStringList&) {
    const std::filesystem::path file = shot.window.files().savePath();
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "saved before the restart";
    // Closed without an answer: nothing is written.
    return shootModal(out, [&] { shot.window.files().save(); });
}

int reopenedDieLine(ShotWindow& shot, const QString& out, const QStringList&) {
    const std::filesystem::path folder = shot.window.files().drawingsFolder();
    std::filesystem::create_directories(folder);
    {
        // A tray of a customer: its outline cut, its four sides creased.
        std::ofstream dxf(folder / "client.dxf");
        dxf << "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\n"
               "ENTITIES\n";
        const auto line = [&dxf](const char* layer, int x1, int y1, int x2, int y2) {
            dxf << "0\nLINE\n8\n"
                << layer << "\n10\n"
                << x1 << "\n20\n"
                << y1 << "\n11\n"
                << x2 << "\n21\n"
                << y2 << "\n";
        };
        const int outline[][2] = {{80, 0},    {380, 0},   {380, 80}, {460, 80}, {460, 280},
                                  {380, 280}, {380, 360}, {80, 360}, {80, 280}, {0, 280},
                                  {0, 80},    {80, 80},   {80, 0}};
        for (std::size_t i = 0; i + 1 < std::size(outline); ++i)
            line("CUT", outline[i][0], outline[i][1], outline[i + 1][0], outline[i + 1][1]);
        line("CREASE", 80, 80, 380, 80);
        line("CREASE", 80, 280, 380, 280);
        line("CREASE", 80, 80, 80, 280);
        line("CREASE", 380, 80, 380, 280);
        dxf << "0\nENDSEC\n0\nEOF\n";
    }
    // A 0427 saved first: what was on show before the die-line is left behind.
    type(shot.window, "txtModel", QStringLiteral("0427"));
    if (!shot.window.files().save() || !shot.window.files().openFile(folder / "client.dxf"))
        return 1;
    type(shot.window, "TxNbPoseX", QStringLiteral("2"));
    // Saved beside the die-line as client.des, then opened again.
    if (!shot.window.files().save() || !shot.window.files().openFile(folder / "client.des"))
        return 1;
    settle(1500);
    return grabScreen(out);
}

int palletAssistant(ShotWindow& shot, const QString& out, const QStringList& args) {
    PalletAssistantDialog assistant(shot.wb, pallet::LoadKind::ErectedCases, "0201", QPixmap(),
                                    &shot.window);
    assistant.show();
    if (args.value(0) != "saisie")
        assistant.findChild<QPushButton*>("Command1")->click();
    settle(1500);
    return grabScreen(out);
}

int optimisedSheet(ShotWindow& shot, const QString& out, const QStringList&) {
    MainWindow& window = shot.window;
    type(window, "txtModel", QStringLiteral("0430"));
    type(window, "longueur", QStringLiteral("200"));
    type(window, "largeur", QStringLiteral("150"));
    type(window, "hauteur", QStringLiteral("80"));
    type(window, "TxFmtCX", QStringLiteral("2000"));
    type(window, "TxFmtCY", QStringLiteral("1500"));
    window.findChild<QCheckBox*>("ChkQuartDeTour")->setChecked(true);
    int status = 1;
    QString offer = out;
    offer.replace(QStringLiteral(".png"), QStringLiteral("-offre.png"));
    QTimer::singleShot(1500, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTimer::singleShot(1000, box, [&status, &offer, box] {
            status = grabScreen(offer);
            box->defaultButton()->click();  // "Prendre"
        });
    });
    window.findChild<QPushButton*>("CmdOptimiser")->click();
    settle(1500);
    return status | grabScreen(out);
}

int printPreview(ShotWindow& shot, const QString& out, const QStringList& args) {
    if (args.value(0) == "reelle")
        shot.window.files().setPrintScale(PrintScale::TrueScale);
    return shootModal(out, [&] { shot.window.files().print(); });
}

int compression(ShotWindow& shot, const QString& out, const QStringList&) {
    return shootModal(
        out, [&] { shot.window.findChild<QToolButton*>("Image19")->click(); },
        [](QWidget& dialog) { static_cast<CompressionDialog&>(dialog).compute(); },
        Framing::Dialog);
}

void typeLength(ShotWindow& shot, const QString& length) {
    auto* box = shot.window.findChild<EntryBox*>("longueur");
    box->setText(length);
    emit box->committed();
}

// "modele" stops at the template chooser; "fiche" at the questionnaire filled in; "dessin"
// goes on to the window with the sheet; "suivie" changes the length once the sheet is filled.
int technicalSheet(ShotWindow& shot, const QString& out, const QString& what) {
    QToolButton* insert = shot.window.findChild<QToolButton*>("Image10");
    if (what == "suivie")
        typeLength(shot, QStringLiteral("450"));
    if (what == "modele")
        return shootModal(
            out, [&] { insert->click(); }, {}, Framing::Dialog);
    int status = 1;
    onModal<SheetTemplateDialog>([](SheetTemplateDialog& d) { d.validate(); });
    onModal<QuestionnaireDialog>([&](QuestionnaireDialog& d) {
        d.answer(0)->setText(QStringLiteral("Cartonnerie Dupré"));
        d.answer(1)->setText(QStringLiteral("CD-2291"));
        d.answer(6)->setText(QStringLiteral("07/12/2026"));
        d.answer(7)->setText(QStringLiteral("M. Laroche"));
        if (what == "fiche") {
            settle(1200);
            status = saveFrame(&d, out) ? 0 : 1;
        }
        d.validate();
    });
    insert->click();
    if (what == "suivie")
        typeLength(shot, QStringLiteral("460"));
    if (what == "dessin" || what == "suivie") {
        settle(1500);
        DrawingView* view = shot.window.view();
        view->fitToWindow();
        // The sheet stands right of the blank: brought near enough for its texts to read.
        if (what == "suivie")
            view->zoomAbout(2.2, QPointF(view->width() * 0.99, view->height() * 0.54));
        settle(500);
        status = grabScreen(out);
    }
    return status;
}

int toolDialog(ShotWindow& shot, const QString& out, const QString& what) {
    if (what == "passages") {
        shot.window.findChild<QAction*>("mncaisse_en_2")->trigger();
        return shootModal(
            out, [&] { shot.window.showMachinePasses(); }, {}, Framing::Dialog);
    }
    return shootModal(
        out, [&] { shot.window.openSection(); },
        [](QWidget& dialog) {
            auto& section = static_cast<SectionDialog&>(dialog);
            section.positionBox()->setText("700");
            section.apply();
        });
}

int folding(ShotWindow& shot, const QString& folder, const QStringList& codes) {
    MainWindow& window = shot.window;
    window.move(0, 0);
    window.showFoldWindow();
    FoldWindow* fold = window.foldWindow();
    fold->resize(640, 500);
    fold->move(340, 200);
    int status = 0;
    for (const QString& code : codes) {
        auto* box = window.findChild<EntryBox*>("txtModel");
        box->setText(code);
        emit box->committed();
        for (int percent : {50, 100}) {
            fold->slider()->setValue(percent);
            settle(500);
            status |=
                saveFrame(fold,
                          QStringLiteral("%1/pliage-%2-%3.png").arg(folder, code).arg(percent))
                    ? 0
                    : 1;
        }
        if (code == codes.front())
            status |= grabScreen(folder + "/pliage-fenetre.png");
    }
    return status;
}

// A case of 555 x 320 x 120 in grade 2 on the poses given ("poses 2 2"): its dimension chains
// beside the imposed area.
int imposedChains(ShotWindow& shot, const QString& out, const QStringList& args) {
    MainWindow& window = shot.window;
    type(window, "txtModel", args.value(2, QStringLiteral("0201")));
    if (args.value(3) == "4") {
        // Both questions answered "Non": the first panel is a face, two glue flaps on it.
        ModalScript answers({answer(QStringLiteral("Non")), answer(QStringLiteral("Non"))});
        window.findChild<QAction*>("mncaisse4")->trigger();
    }
    type(window, "longueur", QStringLiteral("555"));
    type(window, "largeur", QStringLiteral("320"));
    type(window, "hauteur", QStringLiteral("120"));
    auto* grades = window.findChild<QComboBox*>("Cmb_Qual");
    grades->setCurrentIndex(1);
    emit grades->activated(1);
    type(window, "TxNbPoseX", args.value(0, QStringLiteral("2")));
    type(window, "TxNbPoseY", args.value(1, QStringLiteral("2")));
    settle(1500);
    return grabScreen(out);
}

int styleParameters(ShotWindow& shot, const QString& out, const QStringList& args) {
    if (args.size() > 1)
        type(shot.window, "txtModel", args.value(1));
    return shootModal(
        out, [&] { shot.window.findChild<QPushButton*>("CmdDetails")->click(); },
        [&](QWidget& dialog) {
            static_cast<StyleParametersDialog&>(dialog).tabs()->setCurrentIndex(
                args.value(0, QStringLiteral("0")).toInt());
        },
        Framing::Dialog);
}

int toolsMenu(ShotWindow& shot, const QString& out, const QStringList&) {
    auto* menu = shot.window.findChild<QMenu*>("mnoutils");
    shot.window.menuBar()->setActiveAction(menu->menuAction());
    settle(1200);
    const int status = grabScreen(out);
    menu->close();
    return status;
}

int shoot(ShotWindow& shot, const QString& what, const QString& out, const QStringList& args) {
    if (what == "poses")
        return imposedChains(shot, out, args);
    if (what == "autres")
        return styleParameters(shot, out, args);
    if (what == "outils")
        return toolsMenu(shot, out, args);
    if (what == "majo")
        return allowanceEditor(shot, out, args);
    if (what == "architecture")
        return architecture(shot, out, args);
    if (what == "edition")
        return editionMenu(shot, out, args);
    if (what == "recuperation")
        return recovery(shot, out, args);
    if (what == "remplacer")
        return replaceQuestion(shot, out, args);
    if (what == "decoupe")
        return reopenedDieLine(shot, out, args);
    if (what == "palette")
        return palletAssistant(shot, out, args);
    if (what == "apercu")
        return printPreview(shot, out, args);
    if (what == "rcv")
        return compression(shot, out, args);
    if (what == "modele" || what == "fiche" || what == "dessin" || what == "suivie")
        return technicalSheet(shot, out, what);
    if (what == "passages" || what == "section")
        return toolDialog(shot, out, what);
    if (what == "pliage")
        return folding(shot, out, args);
    if (what == "imposition")
        return optimisedSheet(shot, out, args);
    if (what.startsWith("edition-"))
        return editShot(shot.window, what, out);
    return 2;
}

}  // namespace
}  // namespace brontaxe::app

int main(int argc, char** argv) {
    brontaxe::app::preferFrenchSystemLocale();
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    brontaxe::app::ShotWindow shot(app);
    brontaxe::app::settle(1500);
    return brontaxe::app::shoot(shot, QString::fromLocal8Bit(argv[1]),
                                QString::fromLocal8Bit(argv[2]), args);
}
