// The pallet assistant from the main window: its start values, the built-in pattern, the
// outside palletisation program played by stand-in scripts, and the Pliage 3D menu.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/dialogs/pallet_assistant_dialog.h"
#include "app/dialogs/pallet_load_dialog.h"
#include "app/views/pallet_image.h"
#include "app/window/main_window.h"
#include "modal_answers.h"
#include "model/model_init.h"
#include "platform/paths.h"
#include "window_fixture.h"

using brontaxe::Workbench;
using brontaxe::app::MainWindow;
using brontaxe::app::PalletAssistantDialog;
using brontaxe::app::PalletLoadDialog;
using brontaxe::pallet::LoadKind;
namespace fs = std::filesystem;

namespace {

// A box's number as the dialog writes it, with the decimal comma.
float frenchNumber(const QString& text) {
    return QLocale(QLocale::French).toFloat(text);
}

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void writeScript(const fs::path& path, const std::string& body) {
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    fs::permissions(path, fs::perms::owner_all);
}

// Settings of its own: no outside program named, no saved defaults, no study left behind.
fs::path cleanSettings() {
    const fs::path config =
        brontaxe::platform::windowsDirectory(brontaxe::platform::processEnvironment());
    fs::create_directories(config);
    for (const char* name : {"cpext.ini", "cpExt.ini", "cape"})
        fs::remove_all(config / name);
    fs::remove(brontaxe::platform::PrivateProfile(config).resolve(
        std::string(brontaxe::kParameterFileName)));
    return config;
}

struct Fixture : brontaxe::app::WindowFixture {
    Fixture() : WindowFixture(&brontaxe::findGenerator, std::nullopt, cleanSettings()) {}

    fs::path cape() const { return config / "cape" / ""; }
    // The outside program's settings naming a stand-in with a blank in its path.
    fs::path configureCape(const std::string& body) {
        const fs::path program = config / "cape" / "cape pack";
        writeScript(program, body);
        writeFile(config / "cpExt.ini", "[general]\r\nCAPEPath=" + cape().string() +
                                            "\r\nopenCmdLine=\"" + program.string() + "\"\r\n");
        return program;
    }

    fs::path config = brontaxe::platform::windowsDirectory(env);
};

QLineEdit* edit(QWidget& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}

void calculate(PalletAssistantDialog& d) {
    d.findChild<QPushButton*>("Command1")->click();
}

// The next message box's text goes into `said`, and the box is closed.
void closeNextMessage(QString& said) {
    brontaxe::app::onModal<QMessageBox>([&said](QMessageBox& box) {
        said = box.text();
        box.accept();
    });
}

}  // namespace

class PalletAssistantTest : public QObject {
    Q_OBJECT
  private slots:
    void theChoiceOfLoadClosesOnEitherPicture() {
        PalletLoadDialog flat;
        QCOMPARE(flat.loadKind(), LoadKind::None);
        QCOMPARE(flat.windowTitle(), QString("Brontaxe - Palettisation"));
        flat.findChild<QToolButton*>("Image1")->click();
        QCOMPARE(flat.loadKind(), LoadKind::FlatBlanks);
        QCOMPARE(flat.result(), int(QDialog::Accepted));
        PalletLoadDialog erected;
        erected.findChild<QToolButton*>("Image2")->click();
        QCOMPARE(erected.loadKind(), LoadKind::ErectedCases);
    }

    void erectedCasesStartFromTheOutsideSizeAndEachPalletIsDescribed() {
        Fixture f;
        const auto& m = f.wb.model();
        PalletAssistantDialog d(f.wb, LoadKind::ErectedCases, "0201", QPixmap());
        const float e2 = 2 * m.EpaisseurCarton;
        QCOMPARE(frenchNumber(edit(d, "Text46")->text()), m.Longueur + e2);
        QCOMPARE(frenchNumber(edit(d, "Text66")->text()), m.Hauteur + e2);
        QCOMPARE(edit(d, "Text47")->text(), QString("5"));
        QCOMPARE(edit(d, "Text57")->text(), QString("4,7"));
        QCOMPARE(edit(d, "Text1")->text(), QString("0201"));
        QCOMPARE(edit(d, "Tpal_0")->text(), QString("1650"));
        QCOMPARE(d.findChild<QLabel*>("lbPoids")->text(), QString("Poids Brut"));
        auto* pallets = d.findChild<QComboBox*>("Combo2");
        QCOMPARE(pallets->count(), 9);
        QCOMPARE(d.findChild<QLabel*>("lblPalet")->text(),
                 QString("1200 x  800 x 150 mm  -  25 kg"));
        pallets->setCurrentText("EUROHALF");
        QCOMPARE(d.findChild<QLabel*>("lblPalet")->text(),
                 QString(" 800 x  800 x 161 mm  -  12 kg"));
        QVERIFY(!d.usesOutsideProgram());
    }

    void flatBlanksStartFromTheBlankAndHideTheNetWeight() {
        Fixture f;
        PalletAssistantDialog d(f.wb, LoadKind::FlatBlanks, "0201", QPixmap());
        d.show();
        QCOMPARE(frenchNumber(edit(d, "Text46")->text()), f.wb.drawing().BlankSizeX());
        QCOMPARE(frenchNumber(edit(d, "Text56")->text()), f.wb.drawing().BlankSizeY());
        QCOMPARE(frenchNumber(edit(d, "Text66")->text()), f.wb.model().EpaisseurCarton);
        QCOMPARE(edit(d, "Text47")->text(), QString("0,3"));
        QVERIFY(!edit(d, "Text57")->isVisible());
        QCOMPARE(d.findChild<QLabel*>("lbHauteur")->text(), QString("Épaisseur"));
        QCOMPARE(d.findChild<QLabel*>("lbPoids")->text(), QString("Poids de la Plaque"));
    }

    void withoutAnOutsideProgramBrontaxeWorksOutThePallet() {
        Fixture f;
        PalletAssistantDialog d(f.wb, LoadKind::ErectedCases, "0201", QPixmap());
        d.show();
        QVERIFY(d.findChild<QLabel*>("lblCalcul")->text().contains("Brontaxe"));
        edit(d, "Text46")->setText("400");
        edit(d, "Text56")->setText("300");
        edit(d, "Text66")->setText("250");
        edit(d, "Text47")->setText("10,5");  // the French decimal comma reads
        calculate(d);
        QVERIFY(d.findChild<QWidget*>("FrameResultats")->isVisible());
        QVERIFY(!d.findChild<QWidget*>("Frame1")->isVisible());
        QCOMPARE(edit(d, "Text2_10")->text(), QString("8"));
        QCOMPARE(edit(d, "Text2_11")->text(), QString("6"));
        QCOMPARE(edit(d, "Text2_12")->text(), QString("48"));
        QCOMPARE(edit(d, "Text2_22")->text(), QString("529"));
        QCOMPARE(edit(d, "Text4_0")->text(), QString("100"));
        QVERIFY(!edit(d, "Text2_8")->isVisible());
        QVERIFY(d.findChild<QLabel*>("Image1")->isVisible());
        QVERIFY(!d.findChild<QLabel*>("Image1")->pixmap().isNull());
    }

    void aLoadThatCannotBeBuiltIsSaidAndTheInputsStay() {
        Fixture f;
        PalletAssistantDialog d(f.wb, LoadKind::ErectedCases, "0201", QPixmap());
        d.show();
        edit(d, "Text46")->setText("1300");
        edit(d, "Text56")->setText("900");
        QString said;
        closeNextMessage(said);
        calculate(d);
        QVERIFY(said.contains("dépasse la palette"));
        QVERIFY(d.findChild<QWidget*>("Frame1")->isVisible());
        QVERIFY(!d.findChild<QWidget*>("FrameResultats")->isVisible());
    }

    void theOutsideProgramRunsOnTheStudyAndItsResultsFillTheGrid() {
        Fixture f;
        const fs::path results = f.config / "cape" / "resultats.txt";
        const fs::path image = f.config / "cape" / "arr_excel_m.jpg";
        std::string text;
        for (int i = 1; i <= 57; ++i)
            text += "L" + std::to_string(i) + "\r\n";
        writeFile(results, text);
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkYellow);
        QVERIFY(picture.save(QString::fromStdString(image.string()), "PNG"));
        // The program names the image it returns in its settings, over the study's name.
        f.configureCape("printf '%s\\n' \"$@\" > '" + (f.config / "cape" / "args").string() +
                        "'\nprintf 'txt=%s\\r\\n' '" + results.string() + "' >> '" +
                        (f.config / "cpExt.ini").string() + "'\nsed -i 's|^jpeg=.*$|jpeg=" +
                        image.string() + "\\r|' '" + (f.config / "cpExt.ini").string() + "'");
        f.wb.model().RepPalette = (f.config / "korvane").string() + "/";
        PalletAssistantDialog d(f.wb, LoadKind::ErectedCases, "0201", QPixmap());
        d.show();
        QVERIFY(d.usesOutsideProgram());
        QVERIFY(d.findChild<QLabel*>("lblCalcul")->text().contains("CAPE"));
        calculate(d);
        QVERIFY(fs::exists(f.cape() / "tutor" / "pal_excel_m.cif"));
        QCOMPARE(edit(d, "Text2_0")->text(), QString("L35"));
        QCOMPARE(edit(d, "Text2_10")->text(), QString("L19"));
        QCOMPARE(edit(d, "Text4_1")->text(), QString("L43"));
        QVERIFY(d.findChild<QWidget*>("FrameResultats")->isVisible());
        QVERIFY(fs::exists(f.config / "korvane" / "arr_excel_m.jpg"));
        QCOMPARE(d.findChild<QLabel*>("Image1")->pixmap().size(), QSize(64, 48));
    }

    void aProgramThatNeverEndsCanBeStopped() {
        Fixture f;
        f.configureCape("while :; do sleep 1; done");
        PalletAssistantDialog d(f.wb, LoadKind::ErectedCases, "0201", QPixmap());
        d.show();
        bool cancelled = false;
        std::function<void()> stop;
        stop = [&] {
            auto* wait = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!wait) {
                QTimer::singleShot(50, stop);
                return;
            }
            QVERIFY(wait->labelText().contains("CAPE est en cours"));
            cancelled = true;
            wait->cancel();
        };
        QTimer::singleShot(0, stop);
        calculate(d);
        QVERIFY(cancelled);
        QVERIFY(d.findChild<QWidget*>("Frame1")->isVisible());
        QVERIFY(!d.findChild<QWidget*>("FrameResultats")->isVisible());
    }

    void aMissingProgramIsSaidInFrench() {
        Fixture f;
        writeFile(f.config / "cpExt.ini",
                  "[general]\nCAPEPath=" + f.cape().string() + "\nopenCmdLine=/absent/cape\n");
        PalletAssistantDialog d(f.wb, LoadKind::FlatBlanks, "0201", QPixmap());
        d.show();
        QString said;
        closeNextMessage(said);
        calculate(d);
        QCOMPARE(said, QString("Programme introuvable\u00a0: /absent/cape"));
        // The study was still written for the program to find.
        QVERIFY(fs::exists(f.cape() / "tutor" / "KDF_M.cif"));
    }

    // The maker's palletisation program, played by a stand-in at the place its default path
    // names on drive C: started without data in its own folder, and waited for.
    void thePalletisationProgramRunsInItsFolderAndIsWaitedFor() {
        Fixture f;
        const fs::path bin = brontaxe::platform::driveC(f.env) / "program files" / "velbrin" /
                             "lomdrak" / "stapelix" / "bin";
        const fs::path record = f.config / "stapelix-run";
        fs::remove(record);
        writeScript(bin / "velbrin.stapelix.desktop.exe",
                    "sleep 0.3\n{ pwd; echo \"$#\"; } > '" + record.string() + "'");
        auto* menu = f.window.findChild<QMenu*>("mnpalettisation");
        QVERIFY(menu);
        QCOMPARE(menu->title(), QString("Palettisation"));
        QVERIFY(menu->actions().contains(f.window.findChild<QAction*>("mn_cape")));
        f.window.findChild<QAction*>("mn_Puzzle")->trigger();
        // The command came back only once the program had ended.
        std::ifstream in(record);
        std::string folder, count;
        std::getline(in, folder);
        std::getline(in, count);
        QCOMPARE(fs::path(folder), bin);
        QCOMPARE(count, std::string("0"));
        fs::remove_all(brontaxe::platform::driveC(f.env) / "program files");

        QString said;
        closeNextMessage(said);
        f.window.findChild<QAction*>("mn_Puzzle")->trigger();
        const QString missing = QString::fromStdString(
            "Programme introuvable\u00a0: " + (bin / "velbrin.stapelix.desktop.exe").string());
        // The message box and the status bar, both with French typography.
        QCOMPARE(said, missing);
        QCOMPARE(f.status(), missing);
    }

    void thePliage3DMenuWritesTheExchangeFiles() {
        Fixture f;
        auto* menu = f.window.findChild<QMenu*>("mnpliage");
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        const fs::path driveC = brontaxe::platform::driveC(f.env);
        fs::remove(driveC / "korvane" / "brontaxe.pli");
        f.window.findChild<QAction*>("mnPliao")->trigger();
        QVERIFY(fs::exists(driveC / "korvane" / "brontaxe.pli"));
        QVERIFY(!f.wb.model().Mode3D);
        // No viewer on this machine: said, not silent.
        QString said;
        closeNextMessage(said);
        f.window.findChild<QAction*>("mnKorvane3D")->trigger();
        QVERIFY(said.startsWith("Programme introuvable\u00a0: "));
        QVERIFY(fs::exists(driveC / "korvane" / "brontaxe.des"));
    }
};

QTEST_MAIN(PalletAssistantTest)
#include "pallet_assistant_qtest.moc"
