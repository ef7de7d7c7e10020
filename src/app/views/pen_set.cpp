#include "app/views/pen_set.h"

#include <algorithm>

namespace brontaxe::app {
namespace {

// A millimetre of pen on paper is about three pixels on screen: cuts stand out, dimensions stay
// thin but never vanish.
constexpr double kPixelsPerPaperMm = 3.0;

}  // namespace

QColor toQColor(const Rgb& rgb) {
    return QColor::fromRgbF(static_cast<float>(rgb.r), static_cast<float>(rgb.g),
                            static_cast<float>(rgb.b));
}

PenSet::PenSet() {
    for (const Pen& p : defaultPens())
        pens_[index(p.role)] = ScreenPen{toQColor(p.colour), p.widthMm};
}

QPen PenSet::screenPen(PenRole role) const {
    const ScreenPen& p = pen(role);
    const double width = std::max(1.0, p.widthMm * kPixelsPerPaperMm);
    QPen qpen(p.colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    qpen.setCosmetic(true);
    const auto dash = defaultPen(role).dashMm;
    if (!dash.empty()) {
        // Qt counts dashes in pen widths.
        QList<qreal> pattern;
        for (double d : dash)
            pattern.append(std::max(0.5, d * 2.0 / width));
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setDashPattern(pattern);
    }
    return qpen;
}

QColor PenSet::PenColour(LineKind lineKind) const {
    Element probe;
    probe.shape = LineShape{};
    probe.lineKind = lineKind;
    return pen(penRoleOf(probe)).colour;
}

}  // namespace brontaxe::app
