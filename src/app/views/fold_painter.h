#pragma once
// The folded blank painted with QPainter: faces as slabs of board projected on the screen,
// sorted far to near (few faces, so sorting costs less than a depth buffer and paints the
// same on every platform, the offscreen one of the tests included), shaded by their slant,
// with their cuts and creases drawn on them.

#include <QPainter>
#include <QRectF>

#include "fold/folded_blank.h"

namespace brontaxe::app {

struct FoldCamera {
    double yawDeg = -35;   // about the box's up direction
    double pitchDeg = 25;  // looking down on it
    double zoom = 1;       // 1 fits the box in the view
};

// The box's up direction in the blank's space: the slotted and glued cases stand on the
// blank's y, trays and folders on their fixed bottom.
fold::Vec3 upDirection(std::string_view code);

void paintFold(QPainter& painter, const QRectF& area, const fold::FoldedBlank& model,
               double fraction, const FoldCamera& camera, fold::Vec3 up);

}  // namespace brontaxe::app
