// brontaxe-manual MANUAL.md MANUAL.pdf [HELP-FOLDER]: the build's maker of the user manual, to
// print and, in HELP-FOLDER, as the help window reads it once installed.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/manual/manual_pdf.h"
#include "app/manual/manual_pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fputs("Utilisation : brontaxe-manual MANUEL.md MANUEL.pdf [DOSSIER-AIDE]\n", stderr);
        return 2;
    }
    const QString markdown = QString::fromLocal8Bit(argv[1]);
    auto problem = brontaxe::manual::writeManualPdf(markdown, QString::fromLocal8Bit(argv[2]));
    if (!problem && argc == 4)
        problem = brontaxe::manual::writeHelpCopy(markdown, QDir(QString::fromLocal8Bit(argv[3])));
    if (problem) {
        std::fprintf(stderr, "brontaxe-manual : %s\n", qPrintable(*problem));
        return 1;
    }
    return 0;
}
