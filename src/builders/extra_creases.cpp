#include "builders/extra_creases.h"

#include <vector>

#include "builders/emit.h"
#include "drawing/crease_list.h"

namespace brontaxe {
namespace {

// A crease at each running sum but the last, which closes the list at the blank's edge.
void drawExtraCreases(Drawing& d, const std::vector<float>& positions, CreaseDirection direction) {
    float sum = 0;
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        sum += positions[i];
        CreaseBetweenCuts(d, sum, direction);
    }
}

// The chain measuring the list; a zero position measures nothing and is left out.
void extraCreaseChain(Drawing& d, const std::vector<float>& positions, Point from, bool vertical) {
    if (positions.size() < 2)
        return;
    Point at = from;
    for (float p : positions) {
        const Point next = vertical ? Point{at.x, at.y + p} : Point{at.x + p, at.y};
        if (p != 0) {
            const Point ref = vertical ? Point{at.x, 0} : Point{0, at.y};
            dimension(d, {.from = {static_cast<float>(at.x), static_cast<float>(at.y)},
                          .to = {static_cast<float>(next.x), static_cast<float>(next.y)},
                          .at = {static_cast<float>(ref.x), static_cast<float>(ref.y)}});
        }
        at = next;
    }
}

}  // namespace

void ExtraCreases(Drawing& d, const ExtraCreasesShape& creases) {
    const CreaseListParts parts = splitCreaseList(creases.list);
    const std::vector<float> across = creasePositions(parts.widthPart);
    const std::vector<float> along = creasePositions(parts.lengthPart);

    drawExtraCreases(d, across, CreaseDirection::Horizontal);
    d.BeginDrawing();
    const Box box = d.extents();
    if (box.empty) {
        d.EndDrawing();
        return;
    }
    const double columnX =
        creases.mirrored ? box.xmax + box.width() / 20 : box.xmin - box.width() / 20;
    try {
        extraCreaseChain(d, across, {columnX, box.ymin}, true);
        drawExtraCreases(d, along, CreaseDirection::Vertical);
        extraCreaseChain(d, along, {box.xmin, box.ymax + box.height() / 20}, false);
    } catch (...) {
        d.EndDrawing();
        throw;
    }
    d.EndDrawing();
}

}  // namespace brontaxe
