#pragma once
// The window's pictures, drawn here rather than shipped as bitmaps: the tool images and the
// four orientation images (flute and pass direction).

#include <QIcon>
#include <QPixmap>

namespace brontaxe::app {

enum class ToolImage {
    Filters,           // Image1
    RemoveFilter,      // Image3
    ZoomIn,            // Image4
    Print,             // Image5
    Configuration,     // Image6
    KorGeom,           // Image7
    Pens,              // Image8
    Save,              // Image9
    TechnicalSheet,    // Image10
    PageSetup,         // Image11
    MirrorVertical,    // Image12
    FilterDimensions,  // Image13
    Folding3D,         // Image15
    Quit,              // Image16
    AllPieces,         // Image17
    Palletisation,     // Image18
    Rcv,               // Image19
};

QIcon toolIcon(ToolImage image);

// Orientation images: flute along X (bitmap 103) or Y (104), pass along Y (105) or X (106).
enum class OrientationImage { FluteAlongX, FluteAlongY, PassAlongY, PassAlongX };
QPixmap orientationImage(OrientationImage image, int size = 56);

}  // namespace brontaxe::app
