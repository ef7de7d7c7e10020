#include "builders/sleeve_blank.h"

#include <cmath>
#include <vector>

#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"

namespace brontaxe {
namespace {

struct Sleeve {
    std::vector<float> widths;  // the panels drawn, left to right
    bool leftFlap;
    bool rightFlap;
    bool cutEnd;  // the last fold is the cut end of a piece, not a free edge of its own
};

// The flap's slanted ends drop by G tan(angle) from its top and bottom corners.
struct GlueShape {
    bool drawn;
    double drop;
    double reach;  // how far from the hinge the flap reaches (less than G for a triangle)
};

GlueShape glueShape(float G, float angleDeg, float H) {
    if (!(G > 0) || !(std::fabs(angleDeg) < 90))
        return {false, 0, 0};
    const double slope = std::tan(toRadians(angleDeg));
    const double drop = G * slope;
    if (drop < H / 2.0)
        return {true, drop, G};
    const double reach = H / (2.0 * slope);
    return {reach > kEps, H / 2.0, reach};
}

void drawGlueFlap(Drawing& d, const GlueShape& g, float hinge, float direction, float H) {
    const float tip = hinge + direction * static_cast<float>(g.reach);
    const float drop = static_cast<float>(g.drop);
    chainStart(d, hinge, H);
    lineTo(d, tip, H - drop);
    if (H - drop > drop)
        lineTo(d, tip, drop);
    lineTo(d, hinge, 0);
}

Sleeve sleeveOf(PieceCut cut, float P1, float P2, float P3, float P4, bool flapDrawn) {
    std::vector<float> widths = ContourPanels(cut, P1, P2, P3, P4);
    const FourPieces pieces = cut.fourPieces;
    if (pieces != FourPieces::None)
        return {widths, flapDrawn && pieces != FourPieces::LoosePanel,
                flapDrawn && pieces == FourPieces::GluedBothEnds, true};
    return {widths, flapDrawn, false, cut.twoPieces};
}

MachinePasses sleevePasses(float G, const Sleeve& s, float H) {
    MachinePassTable table{};
    table[machine_pass::width(machine_pass::kGlueTab)] = G;
    for (std::size_t i = 0; i < s.widths.size(); ++i)
        table[machine_pass::width(i + 1)] = s.widths[i];
    table[machine_pass::kBodyHeight] = H;
    MachinePasses p;
    for (std::size_t i = 0; i < table.size(); ++i)
        p.set(i, table[i]);
    return p;
}

// Folds between panels are creases; a fold with no glue flap on it is a cut edge.
void drawFolds(Drawing& d, const Sleeve& s, float G, float H) {
    PenScope pen(d);
    float at = G;
    const std::size_t count = s.widths.size();
    for (std::size_t i = 0; i <= count; ++i) {
        const bool first = i == 0;
        const bool last = i == count;
        if (last && !s.cutEnd)
            break;  // the free end is part of the outline
        bool crease = !first && !last;
        if (first)
            crease = s.leftFlap;
        if (last)
            crease = s.rightFlap;
        pen.setKind(crease ? kind::Crease : kind::Cut);
        line(d, at, 0, at, H);
        if (!last)
            at += s.widths[i];
    }
}

void drawOutline(Drawing& d, const Sleeve& s, float G, float H) {
    const PenScope pen(d, kind::Cut);
    float at = G;
    chainStart(d, at, 0);
    for (float w : s.widths) {
        if (w == 0)
            continue;
        at += w;
        lineTo(d, at, 0);
    }
    if (!s.cutEnd)
        lineTo(d, at, H);
    chainStart(d, at, H);
    for (auto w = s.widths.rbegin(); w != s.widths.rend(); ++w) {
        if (*w == 0)
            continue;
        at -= *w;
        lineTo(d, at, H);
    }
}

}  // namespace

std::vector<float> ContourPanels(PieceCut cut, float P1, float P2, float P3, float P4) {
    const FourPieces pieces = cut.fourPieces;
    if (pieces != FourPieces::None)
        return {keepsSecondPanel(pieces) ? P2 : P1};
    if (cut.twoPieces)
        return {P1, P2};
    return {P1, P2, P3, P4};
}

MachinePasses SleeveBlank(Drawing& d, const SleeveBlankShape& sleeve, PieceCut pieces,
                          const FeaturePlacement& at) {
    const float G = sleeve.glue, H = sleeve.height;
    const float P1 = sleeve.p1, P2 = sleeve.p2, P3 = sleeve.p3, P4 = sleeve.p4;
    const GlueShape glue = glueShape(G, sleeve.taper, H);
    const Sleeve s = sleeveOf(pieces, P1, P2, P3, P4, glue.drawn);

    const int first = beginFeature(d);
    drawFolds(d, s, G, H);
    drawOutline(d, s, G, H);
    const PenScope pen(d, kind::Cut);
    if (s.leftFlap)
        drawGlueFlap(d, glue, G, -1, H);
    if (s.rightFlap)
        drawGlueFlap(d, glue, G + s.widths.front(), 1, H);
    placeFeature(d, first, at);
    return sleevePasses(G, s, H);
}

}  // namespace brontaxe
