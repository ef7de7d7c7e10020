// Drawing the poses: the grid of copies, the nesting rules of the styles that interlock, and
// the sheet outline.

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "drawing/tolerances.h"
#include "styles/02/fco200_lid_common.h"
#include "workbench/imposition.h"
#include "workbench/imposition_facing.h"

namespace brontaxe {
namespace {

enum class Nest {
    Plain,
    HalfBoxPairs,  // 0200, 0200C for the TREMALUXE profile: even rows face their odd row
    Lid0210,       // lids over dust flaps, even rows mirrored left to right
    Lid0211,       // lids over dust flaps, rows as drawn
    LidAndBottom,  // 0212, 0215, 0713: even rows turned, lid faces lid and bottom faces bottom
    Folder,        // 0421, 0427, 0429: even columns upside down, columns closer
};

struct Layout {
    Nest nest = Nest::Plain;
    double pitchX = 0;  // from one column to the next
    double stepY = 0;   // from one row to the next
    double evenStep = 0;
    double oddStep = 0;
    // A mirror across an axis sends the blank's [min, max] to [-max, -min]; adding min + max
    // puts the copy back in its own cell. For a blank drawn right of x = 0 that is one blank
    // width to the right, and to the left when the vertical symmetry has put the blank on the
    // other side of the axis.
    double backX = 0;
    double backY = 0;
};

struct Cell {
    double dx = 0;
    double dy = 0;
    PoseFlip flip = PoseFlip::AsDrawn;
};

bool isHalfBoxPairs(const Model& m) {
    const std::string& code = m.CodeModele;
    return m.Personnalisation == CustomerProfile::Tremaluxe &&
           (code == "0200" || code == "0200C" || code == "0200c");
}

Layout layoutFor(const Model& m, const Drawing& d, const Box& blank) {
    Layout l;
    const std::string& code = m.CodeModele;
    const double W = m.Largeur;
    const double plainStep = double{m.HorsToutY} + m.EspPoseY;
    l.pitchX = double{m.HorsToutX} + m.EspPoseX;
    l.stepY = plainStep;
    l.backX = blank.xmin + blank.xmax;
    l.backY = blank.ymin + blank.ymax;
    const NestingOffsets n = nestingOffsets(m);
    if (isHalfBoxPairs(m)) {
        l.nest = Nest::HalfBoxPairs;
    } else if (code == "0210" || code == "0211") {
        l.nest = code == "0210" ? Nest::Lid0210 : Nest::Lid0211;
        l.stepY = plainStep - n.dY;
    } else if (code == "0212" || code == "0215" || code == "0713") {
        l.nest = Nest::LidAndBottom;
        // Lid side against lid side going into an even row, bottom against bottom going into
        // an odd one; over two rows the saving is the lid depth less a dust flap.
        const LidAllowances a = lidAllowances(m);
        const double lid = W + a.lidDepth + a.lidHinge + m.hpatrent;
        const double overlap = code == "0212" ? 0.0 : m.hrecouvr;
        const double evenTerm = W / 2 - m.hrabat + overlap;
        const double oddTerm = lid - W / 2 - overlap;
        l.evenStep = plainStep - evenTerm;
        l.oddStep = plainStep - oddTerm;
        if (code == "0713") {
            // The crash-lock bottoms reach to the middle of the bottom from both sides, so
            // two of them cannot go as deep into each other as the rule says: each row comes
            // no closer than its cut lines allow.
            l.evenStep = std::max(l.evenStep, facingOffset(d, l.backX, true) + m.EspPoseY);
            l.oddStep = std::max(l.oddStep, facingOffset(d, l.backX, false) + m.EspPoseY);
        }
    } else if (code == "0421" || code == "0427" || code == "0429") {
        l.nest = Nest::Folder;
        l.pitchX -= n.dX;
    }
    return l;
}

// A nesting that would put a row on or below the previous one comes from absurd parameters;
// the plain grid is drawn instead.
bool isSound(const Layout& l) {
    switch (l.nest) {
        case Nest::LidAndBottom:
            return std::isfinite(l.evenStep) && std::isfinite(l.oddStep) && l.evenStep > 0 &&
                   l.oddStep > 0 && std::isfinite(l.pitchX) && l.pitchX > 0;
        default:
            return std::isfinite(l.stepY) && l.stepY > 0 && std::isfinite(l.pitchX) && l.pitchX > 0;
    }
}

Cell cellAt(const Layout& l, int i, int j, double accX) {
    const double row = (j - 1) * l.stepY;
    const bool evenRow = j % 2 == 0;
    switch (l.nest) {
        case Nest::Plain:
        case Nest::Lid0211:
            return {accX, row, PoseFlip::AsDrawn};
        case Nest::HalfBoxPairs:
            return evenRow ? Cell{accX, row + l.backY, PoseFlip::MirroredAcrossX}
                           : Cell{accX, row, PoseFlip::AsDrawn};
        case Nest::Lid0210:
            return evenRow ? Cell{accX + l.backX, row, PoseFlip::MirroredAcrossY}
                           : Cell{accX, row, PoseFlip::AsDrawn};
        case Nest::LidAndBottom: {
            const double dy = (j / 2) * l.evenStep + ((j - 1) / 2) * l.oddStep;
            return evenRow ? Cell{accX + l.backX, dy, PoseFlip::HalfTurn}
                           : Cell{accX, dy, PoseFlip::AsDrawn};
        }
        case Nest::Folder:
            return i % 2 == 0 ? Cell{accX, row + l.backY, PoseFlip::MirroredAcrossX}
                              : Cell{accX, row, PoseFlip::AsDrawn};
    }
    return {accX, row, PoseFlip::AsDrawn};
}

void drawPoses(const Model& m, Drawing& d, const Layout& l, const Box& blank) {
    double accX = 0;
    for (int i = 1; i <= m.NbPoseX; ++i) {
        for (int j = 1; j <= m.NbPoseY; ++j) {
            if (i == 1 && j == 1)
                continue;  // the generated blank itself
            const Cell c = cellAt(l, i, j, accX);
            // The centre of the copy's cell, on a grid whose origin is the blank's corner.
            const double cx = blank.xmin + accX + l.pitchX / 2;
            const double cy = blank.ymin + c.dy + l.stepY / 2;
            d.addPoses({.step = {c.dx, c.dy}, .flip = c.flip, .centre = {cx, cy}});
        }
        accX += l.pitchX;
    }
}

// Where the first pose's dimension chains reach, and whether one sticks out of a side of it.
struct ChainSpan {
    Box box;
    bool right = false;
    bool above = false;
};

ChainSpan chainSpan(const DimensionShape& dim, const Box& blank) {
    ChainSpan c;
    c.box.add(dim.p1);
    c.box.add(dim.p2);
    // The dimension line runs through the reference point along the measured points: of a
    // vertical dimension only its x counts, of a horizontal one only its y.
    if (std::fabs(dim.p1.x - dim.p2.x) < kEps) {
        c.box.add(Point{dim.ref.x, dim.p1.y});
    } else if (std::fabs(dim.p1.y - dim.p2.y) < kEps) {
        c.box.add(Point{dim.p1.x, dim.ref.y});
    } else {
        c.box.add(dim.ref);
    }
    c.right = c.box.xmax > blank.xmax + kEps;
    c.above = c.box.ymax > blank.ymax + kEps;
    return c;
}

}  // namespace

void addSheet(const Model& m, Drawing& d, const ImpositionSettings& s) {
    const ElementId sheet =
        s.ChkCentre ? d.AddSheetCentred(m.FmtCartonX, m.FmtCartonY)
                    : d.AddSheetAtMargins(m.FmtCartonX, m.FmtCartonY, m.Marges[0], m.Marges[1]);
    if (m.senscann == AlongAxis::X && sheet.value > 2)
        d.SetElementFlag(sheet, kFlagFluteAlongX);
}

// The dimension chains stay on the first pose only. The copies fill the columns right of it
// and the rows above it, so a chain standing on its right or top side would run through a
// neighbour: it goes to the other side instead, past any chain already there, which is the
// outside of the imposed area. Chains already left of or below the blank stay as they are.
void moveChainsOutside(Drawing& d, const Box& blank, bool moreColumns, bool moreRows) {
    const std::size_t count = static_cast<std::size_t>(d.blankElementCount());
    const std::vector<Element>& elements = d.elements();
    std::vector<std::pair<ElementId, ChainSpan>> chains;
    Box staying = blank;  // what the moved chains must clear
    for (std::size_t i = 0; i < count && i < elements.size(); ++i) {
        const auto* dim = std::get_if<DimensionShape>(&elements[i].shape);
        if (!dim)
            continue;
        const ChainSpan c = chainSpan(*dim, blank);
        const ElementId id{kFirstElementId + static_cast<std::int32_t>(i)};
        if ((moreColumns && c.right) || (moreRows && c.above)) {
            chains.emplace_back(id, c);
        } else {
            staying.add(Point{c.box.xmin, c.box.ymin});
        }
    }
    // A mirror about the line halfway between the blank's far side and what stays on its near
    // side: a chain at a distance g off the right edge ends at g off the leftmost chain.
    const double mirrorX = (staying.xmin + blank.xmax) / 2;
    const double mirrorY = (staying.ymin + blank.ymax) / 2;
    for (const auto& [id, c] : chains) {
        if (moreColumns && c.right)
            d.TransformElement(id, Transform::mirrorAcross({mirrorX, 0}, 90));
        if (moreRows && c.above)
            d.TransformElement(id, Transform::mirrorAcross({0, mirrorY}, 0));
    }
}

ImpositionNotices drawImposition(Model& m, Drawing& d, const ImpositionSettings& s) {
    ImpositionNotices notices;
    const Box blank = d.extents();
    d.BeginDrawing();
    const std::int64_t poses = std::int64_t{m.NbPoseX} * m.NbPoseY;
    if (!blank.empty && poses > 1) {
        Layout layout = layoutFor(m, d, blank);
        if (!isSound(layout) && layout.nest != Nest::Plain) {
            notices.push_back(
                "Imbrication impossible avec ces dimensions : poses en grille simple");
            layout = Layout{Nest::Plain, double{m.HorsToutX} + m.EspPoseX,
                            double{m.HorsToutY} + m.EspPoseY};
        }
        if (!isSound(layout)) {
            notices.push_back(
                "Espace entre poses trop négatif : seule la première pose est "
                "dessinée");
        } else if (std::int64_t{d.ElementCount()} * poses > kMaxImposedElements) {
            notices.push_back("Imposition trop grande pour être dessinée (" +
                              std::to_string(poses) + " poses de " +
                              std::to_string(d.ElementCount()) +
                              " éléments) : seule la première pose est dessinée");
        } else {
            d.reserveElements(static_cast<std::size_t>(d.ElementCount() * poses + 1));
            drawPoses(m, d, layout, blank);
            moveChainsOutside(d, blank, m.NbPoseX > 1, m.NbPoseY > 1);
        }
    }
    if (!m.ImposManuelle) {
        const Box drawn = d.extents();
        const double f = s.ChkCentre ? 2.0 : 1.0;
        m.FmtCartonX = static_cast<float>(drawn.width() + m.Marges[0] * f);
        m.FmtCartonY = static_cast<float>(drawn.height() + m.Marges[1] * f);
    }
    addSheet(m, d, s);
    d.EndDrawing();
    return notices;
}

}  // namespace brontaxe
