#include "io/page_layout.h"

#include <algorithm>
#include <cmath>

namespace brontaxe::io {

PageLayout pageLayoutFor(const Drawing& d) {
    PageLayout page;
    page.blank = d.extents();
    page.style = DimensionStyle::forExtents(page.blank);
    page.shown = drawingBounds(d, page.style);
    if (page.shown.empty)
        page.shown.add(Point{0, 0});  // an empty drawing still makes a valid, empty page
    page.widthMm = page.shown.width() + 2 * kPageMarginMm;
    page.heightMm = page.shown.height() + 2 * kPageMarginMm;
    return page;
}

BitmapSize bitmapSizeFor(const PageLayout& page) {
    BitmapSize size;
    const double longest = std::max(page.widthMm, page.heightMm);
    size.pixelsPerMm = std::min(4.0, kMaxBitmapSide / longest);
    size.width = std::max(1, static_cast<int>(std::lround(page.widthMm * size.pixelsPerMm)));
    size.height = std::max(1, static_cast<int>(std::lround(page.heightMm * size.pixelsPerMm)));
    return size;
}

}  // namespace brontaxe::io
