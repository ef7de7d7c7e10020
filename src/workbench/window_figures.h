#pragma once
// The figures the main window shows after a regeneration, as the texts of their labels and
// boxes, so that the window and the command-line tool show the same.

#include <string>

#include "model/model.h"

namespace brontaxe {

inline constexpr const char* kNoWaste = "XXXXXX";

struct WindowFigures {
    // Line lengths in metres ("Longueurs Filets").
    std::string lbCoupant, lbPerfoRainant, lbPerfo, lbMiChair, lbRainant, lbTotal;
    // "Surfaces": cut surface of every pose in square metres, imposed size, pose count, waste.
    std::string lbSurf, lbDimHt, lbnbposes, lbPerte, lbperteFc;
    // The imposition boxes as the regeneration rewrites them.
    std::string TxFmtCX, TxFmtCY, TxNbPoseX, TxNbPoseY, TxespX, TxespY, margeX, margeY;
};

// Waste against the imposed rectangle and against the sheet into the model (-1 when there
// is no cut surface).
void computeWaste(Model& m);

WindowFigures windowFigures(const Model& m);

}  // namespace brontaxe
