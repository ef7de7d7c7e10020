#pragma once
// The figures the main window shows after a regeneration, as the texts of their labels and
// boxes, so that the window and the command-line tool show the same: lengths, surface and waste
// in their shortest form with the decimal comma ("5,66", "0", "30,48").

#include <string>

#include "model/model.h"

namespace brontaxe {

inline constexpr const char* kNoWaste = "XXXXXX";

struct WindowFigures {
    // Line lengths in metres ("Longueurs Filets").
    std::string cutLength, cutCreaseLength, perforationLength, halfCutLength, creaseLength,
        totalLength;
    // The cut less its bridges, and how many there are; empty without bridges.
    std::string bridgedCutLength, bridgeCount;
    // "Surfaces": cut surface of every pose in square metres, imposed size, pose count, waste.
    std::string cutSurface, imposedSize, poseCount, waste, sheetWaste;
    // The imposition boxes as the regeneration rewrites them.
    std::string sheetX, sheetY, posesX, posesY, gapX, gapY, marginX, marginY;
};

// Waste against the imposed rectangle and against the sheet into the model (-1 when there
// is no cut surface).
void computeWaste(Model& m);

WindowFigures windowFigures(const Model& m);

}  // namespace brontaxe
