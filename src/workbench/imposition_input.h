#pragma once
// The imposition boxes of the main window: what an entry changes in the model before the
// imposition is brought up to date. Each takes the number typed (text that is no number comes
// as 0) and says whether it was taken (it differs from the stored value) and whether the box
// should select its text again as a warning; the value is kept either way.

#include "workbench/imposition.h"

namespace brontaxe {

enum class Axis { X, Y };

struct BoxEntry {
    bool taken = false;  // the value changed: the imposition must be brought up to date
    bool warn = false;   // out of the usual range: the window selects the text again
};

// Sheet size ("Format Carton"): switches to sheet mode; 0 switches the copies off.
BoxEntry enterSheetSize(Model& m, ImpositionSettings& s, Axis axis, double value);
// Margin along X (index 0) or Y (index 1): switches to sheet mode with the copies on.
BoxEntry enterMargin(Model& m, ImpositionSettings& s, int index, double value);
// Pose count, rounded to a whole number: switches to pose mode; 0 switches the copies off
// and sets the other count to 0 as well.
BoxEntry enterPoseCount(Model& m, ImpositionSettings& s, Axis axis, double value);
// Gap between poses.
BoxEntry enterPoseGap(Model& m, Axis axis, double value);

// The imposition figures as the boxes hold them: `computeImposition`, then the sheet in whole
// millimetres ("#######0.") read back from its boxes. The caller regenerates afterwards.
ImpositionNotices updateImpositionFigures(Model& m, const ImpositionSettings& s);

}  // namespace brontaxe
