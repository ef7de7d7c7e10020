// 0509 (and 0599, drawn by it): a creased strip that wraps the contents round their length and
// height, and a sleeve that slides over it round the length and width.

#include <string>

#include "builders/creased_strip.h"
#include "builders/emit.h"
#include "builders/sleeve_blank.h"
#include "platform/number_text.h"
#include "styles/05/fco500.h"
#include "styles/05/fco500_sizes.h"
#include "styles/blank_settings.h"
#include "styles/shown_pieces.h"

namespace brontaxe {
namespace {

constexpr std::size_t kStripSleevePiece = 1;
constexpr std::size_t kStripPiece = 3;

std::string creaseList(const StripAndSleeve& s) {
    std::string list;
    for (float segment : s.segments) {
        if (!list.empty())
            list += '+';
        list += platform::numberText(segment);
    }
    return list;
}

// The strip's creases come from a crease list of its own; the user's list stays as typed, or
// the window would draw it over the whole blank again.
void drawStrip(Drawing& d, const StripAndSleeve& s) {
    const std::string creases = creaseList(s);
    CreasedStrip(d, {.creases = creases, .length = s.stripWidth, .width = s.stripLength()});
}

}  // namespace

void Fco0509(Model& m, Drawing& d) {
    const StripAndSleeve s = strip0509(m);
    GenerationPass pass(d);
    if (pieceShown(m, kStripPiece))
        drawStrip(d, s);
    if (!pieceShown(m, kStripSleevePiece))
        return;
    // Right of the strip and of its width dimension.
    const float room = (s.stripWidth + s.stripLength()) / 15;
    const float x = s.stripWidth + m.EspPoseX + room;
    const int first = beginFeature(d);
    const SleeveSizes& v = s.sleeve;
    recordBlankPasses(m, SleeveBlank(d,
                                     {.glue = m.lgPatte,
                                      .taper = m.anglPc,
                                      .p1 = v.p[0],
                                      .p2 = v.p[1],
                                      .p3 = v.p[2],
                                      .p4 = v.p[3],
                                      .height = v.h},
                                     pieceCutOf(m), {.x = x}));
    const Box box = registeredBox(d, first);
    const float g = chainSpacing(box);
    chainAlongX(d, x + m.lgPatte, -g, ContourPanels(pieceCutOf(m), v.p[0], v.p[1], v.p[2], v.p[3]));
    const auto xmin = static_cast<float>(box.xmin), xmax = static_cast<float>(box.xmax);
    dimension(d, {.from = {xmin, -2 * g}, .to = {xmax, -2 * g}, .at = {0, -2 * g}});
    dimension(d, {.from = {xmax + g, 0}, .to = {xmax + g, v.h}, .at = {xmax + g, 0}});
}

}  // namespace brontaxe
