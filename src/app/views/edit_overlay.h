#pragma once
// What the edit mode draws over the drawing: the selection, the rubber band of the tool at
// work, the snap marker with its name and the selection window being dragged.

#include <QString>
#include <optional>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::app {

struct EditOverlay {
    std::vector<Element> selected;
    std::vector<Element> preview;
    std::optional<Point> snap;
    QString snapName;
    // The window dragged for a selection, from where the button went down to the cursor;
    // dashed when drawn right to left (it takes what it crosses).
    std::optional<Box> window;
    bool crossing = false;
};

}  // namespace brontaxe::app
