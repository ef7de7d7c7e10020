// brontaxe-manual MANUAL.md MANUAL.pdf: the build's maker of the user manual.

#include <QGuiApplication>
#include <cstdio>

#include "app/manual/manual_pdf.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("Utilisation : brontaxe-manual MANUEL.md MANUEL.pdf\n", stderr);
        return 2;
    }
    if (auto problem = brontaxe::manual::writeManualPdf(QString::fromLocal8Bit(argv[1]),
                                                        QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "brontaxe-manual : %s\n", qPrintable(*problem));
        return 1;
    }
    return 0;
}
