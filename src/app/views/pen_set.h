#pragma once
// The pens the window draws with: the default pen of each role, with the colour and width the
// user may change in the pen dialog. The dash pattern always stays the role's own.

#include <QColor>
#include <QPen>
#include <array>

#include "drawing/pens.h"

namespace brontaxe::app {

struct ScreenPen {
    QColor colour;
    double widthMm = 0.25;
};

class PenSet {
  public:
    PenSet();

    const ScreenPen& pen(PenRole role) const { return pens_[index(role)]; }
    void setPen(PenRole role, ScreenPen pen) { pens_[index(role)] = pen; }

    // A cosmetic pen: widths and dashes in screen pixels whatever the zoom.
    QPen screenPen(PenRole role) const;

    // `PenColour` of a line kind, as the legend lines of the figures show it.
    QColor PenColour(LineKind lineKind) const;

  private:
    static std::size_t index(PenRole role) { return static_cast<std::size_t>(role); }
    std::array<ScreenPen, kPenRoleCount> pens_;
};

QColor toQColor(const Rgb& rgb);

}  // namespace brontaxe::app
