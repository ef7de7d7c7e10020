#include "builders/slotted_dimensions.h"

#include "builders/body_panels.h"
#include "builders/emit.h"

namespace brontaxe {
namespace {

void widthRow(Drawing& d, const BlankSettings& s, const BodyPanels& b, float glueWidth, float xmin,
              float y) {
    const bool fourPieceCase = s.pieces.fourPieces != FourPieces::None;
    const bool onePiece = s.pieces.onePiece();
    float x = xmin;
    if (glueWidth > 0) {
        if (s.mirrored) {
            dimension(d, {.from = {x + glueWidth, y}, .to = {x, y}, .at = {0, y}});
        } else {
            dimension(d, {.from = {x, y}, .to = {x + glueWidth, y}, .at = {0, y}});
        }
    }
    x += glueWidth;
    // A skipped width still moves the start of the next one.
    const struct {
        float width;
        bool shown;
    } row[] = {{b.p1, b.p1 > 0}, {b.p2, !fourPieceCase}, {b.p3, onePiece}, {b.p4, onePiece}};
    for (const auto& cell : row) {
        if (cell.shown)
            dimension(d, {.from = {x, y}, .to = {x + cell.width, y}, .at = {0, y}});
        x += cell.width;
    }
}

void heightColumn(Drawing& d, const SlottedChains& c, float x, float ymin) {
    float y = ymin;
    for (float step : {c.flapBelow, c.body, c.flapAbove}) {
        if (step > 0)
            dimension(d, {.from = {x, y}, .to = {x, y + step}, .at = {x, 0}});
        y += step;
    }
}

// Inside dimensions asked for by the "QOR" customer profile: the panels `b`, the heights of
// `c`, from the blank's lower left `corner`.
void insideDimensions(Drawing& d, const BodyPanels& b, const SlottedChains& c, PointF corner) {
    const float xmin = corner.x;
    const float ymin = corner.y;
    const float flapBelow = c.flapBelow;
    const float body = c.body;
    const float flapAbove = c.flapAbove;
    const float y = flapBelow != 0 ? ymin + 1.2f * flapBelow : ymin + body / 2;
    const float x0 = xmin + c.glueWidth;
    if (b.p1 * b.p2 > 0)
        dimension(d, {.from = {x0, y}, .to = {x0 + b.p1 + b.p2, y}, .at = {0, y}});
    const float x1 = x0 + b.p1 + b.p2;
    if (b.p3 * b.p4 > 0)
        dimension(d, {.from = {x1, y}, .to = {x1 + b.p3 + b.p4, y}, .at = {0, y}});
    if (flapBelow * body * flapAbove > 0) {
        const float x = x1 + b.p3 / 2;
        dimension(d, {.from = {x, ymin + flapBelow},
                      .to = {x, ymin + flapBelow + body + flapAbove},
                      .at = {x, 0}});
    }
}

}  // namespace

void SlottedBodyDimensions(Drawing& d, const SlottedChains& c, const BlankSettings& s) {
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    if (!d.GetExtents(xmin, ymin, xmax, ymax))
        return;
    const float g = ((xmax - xmin) + (ymax - ymin)) / 25;
    const BodyPanels b =
        applyPieceVariants(s.pieces, BodyPanels{c.p1, c.p2, c.p3, c.p4, c.flapBelow, c.flapAbove});

    widthRow(d, s, b, c.glueWidth, xmin, ymin - g);
    const float rowY = ymin - 2 * g;
    dimension(d, {.from = {xmin, rowY}, .to = {xmax, rowY}, .at = {0, rowY}});
    heightColumn(d, c, xmax + g, ymin);
    const float columnX = xmax + 2 * g;
    dimension(d, {.from = {columnX, ymin}, .to = {columnX, ymax}, .at = {columnX, 0}});
    if (s.profile == CustomerProfile::Qor) {
        insideDimensions(d, b, c, {xmin, ymin});
    }
}

}  // namespace brontaxe
