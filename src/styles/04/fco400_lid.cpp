// The folder with a lid hinged on the back wall (0443 and its variants) and 0481: a tuck flap
// with rounded corners and a thumb notch in the front wall. Drawn as the right half, mirrored
// about x = 0.

#include <algorithm>
#include <array>

#include "builders/emit.h"
#include "builders/flat_blank_dimensions.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "styles/04/fco400.h"
#include "styles/04/fco400_common.h"
#include "styles/04/fco400_lid_folder.h"
#include "styles/04/fco400_rules.h"

namespace brontaxe {
namespace {

void checkFolder(const LidFolder& f) {
    if (!(f.L1 > 0) || !(f.W2 > 0) || !(f.front > 0) || !(f.back > 0) || !(f.side > 0) ||
        !(f.W5 > 0) || !(f.L6 > 2 * f.tuckInset) || f.tuck < 0 || f.dust < 0 || f.ear < 0 ||
        f.sideDust < 0)
        throw GenerationError("Dimensions impossibles : rabat ou paroi de taille nulle");
    if (f.slotLength > 0 && (f.slotWidth >= f.dust / 2 || f.slotLength >= f.W2 / 2 ||
                             f.slotLength >= f.W5 / 2 || f.dust > f.side))
        throw GenerationError(
            "Fentes de scellé impossibles : elles ne tiennent pas dans le rabat "
            "du couvercle et la paroi");
    if (f.sideEar > std::min(f.front, f.back) || f.sideEar > f.L1 / 2)
        throw GenerationError("Dimensions impossibles : oreille plus grande que la paroi");
    if (!(f.notch < f.front) || !(f.notch < f.L1 / 2))
        throw GenerationError("Dimensions impossibles : encoche de pouce plus grande que la face");
}

// A cut along x over the span of the three ordinates, split at each of them, so that an ear's
// edge meeting it meets an end of it.
void cutAlongX(Drawing& d, float x, float y0, float y1, float y2) {
    std::array<float, 3> ys{y0, y1, y2};
    std::sort(ys.begin(), ys.end());
    const PenScope pen(d, kind::Cut);
    for (std::size_t i = 0; i + 1 < ys.size(); ++i)
        if (!areNear(ys[i], ys[i + 1]))
            line(d, x, ys[i], x, ys[i + 1]);
}

// The end of the right side wall at `y`: a cut, or the crease of an ear reaching towards `dir`
// (+1 up, -1 down), its free corner cut back so that it clears the wall's top edge.
void sideWallEnd(Drawing& d, const LidFolder& f, float y, float dir) {
    const float x1 = f.L1 / 2, x2 = x1 + f.side;
    PenScope pen(d, kind::Cut);
    if (!(f.sideEar > 0)) {
        if (dir < 0)
            line(d, x1, y, x2, y);
        else
            line(d, x2, y, x1, y);
        return;
    }
    const float slant = std::min(f.sideEar, f.side / 4);
    chainStart(d, x1, y + dir * f.sideEar);
    lineTo(d, x2 - slant, y + dir * f.sideEar);
    lineTo(d, x2, y);
    pen.setKind(kind::Crease);
    line(d, x1, y, x2, y);
}

// The right side wall's free edge: a cut, or the crease of a dust flap tapered at both ends.
void sideWallTop(Drawing& d, const LidFolder& f) {
    const float x2 = f.L1 / 2 + f.side;
    const float y1 = f.front, y2 = y1 + f.W2;
    PenScope pen(d, kind::Cut);
    if (!(f.sideDust > 0)) {
        line(d, x2, y1, x2, y2);
        return;
    }
    const float c = std::min(f.sideDust / 3, f.W2 / 4);
    chainStart(d, x2, y1);
    lineTo(d, x2 + f.sideDust, y1 + c);
    lineTo(d, x2 + f.sideDust, y2 - c);
    lineTo(d, x2, y2);
    pen.setKind(kind::Crease);
    line(d, x2, y1, x2, y2);
}

// A slot centred on (x, y), long along y.
void slot(Drawing& d, float x, float y, float length, float width) {
    const PenScope pen(d, kind::Cut);
    chainStart(d, x - width / 2, y - length / 2);
    lineTo(d, x + width / 2, y - length / 2);
    lineTo(d, x + width / 2, y + length / 2);
    lineTo(d, x - width / 2, y + length / 2);
    lineTo(d, x - width / 2, y - length / 2);
}

// The seal slots of the right half: in the side wall and in the lid's flap over it.
void sealSlots(Drawing& d, const LidFolder& f) {
    if (!(f.slotLength > 0) || !(f.slotWidth > 0))
        return;
    const float x1 = f.L1 / 2, y1 = f.front, y3 = y1 + f.W2 + f.back;
    const float drop = f.dust / 2;
    slot(d, x1 + f.side - drop, y1 + f.W2 / 2, f.slotLength, f.slotWidth);
    slot(d, f.L6 / 2 + drop, y3 + f.W5 / 2, f.slotLength, f.slotWidth);
}

// The right half, x >= 0.
void drawHalf(Drawing& d, const LidFolder& f) {
    const float x1 = f.L1 / 2;
    const float y1 = f.front, y2 = y1 + f.W2, y3 = y2 + f.back, y4 = y3 + f.W5, y5 = y4 + f.tuck;
    const float xL = f.L6 / 2;
    const float xT = xL - f.tuckInset;
    const bool ears = f.ear > 0;
    const float xe = x1 + f.ear;

    PenScope pen(d, kind::Cut);
    if (ears) {
        chainStart(d, x1, 0);
        lineTo(d, xe, 0);
        lineTo(d, xe, y1);
        cutAlongY(d, y1, x1, xe, x1 + f.side);
    } else {
        cutAlongX(d, x1, 0, y1 - f.sideEar, y1);
        sideWallEnd(d, f, y1, -1);
    }
    sideWallTop(d, f);
    if (ears) {
        cutAlongY(d, y2, x1, xe, x1 + f.side);
        line(d, xe, y2, xe, y3);
        // The back ear's top is cut free of the lid, however far the lid reaches.
        cutAlongY(d, y3, x1, xe, xL);
    } else {
        sideWallEnd(d, f, y2, 1);
        cutAlongX(d, x1, y2, y2 + f.sideEar, y3);
        if (!areNear(x1, xL))
            line(d, x1, y3, xL, y3);
    }
    chainStart(d, xL, y3);
    if (f.dust > 0) {
        const float c = std::min(f.dust / 3, f.W5 / 4);
        lineTo(d, xL + f.dust, y3 + c);
        lineTo(d, xL + f.dust, y4 - c);
    }
    lineTo(d, xL, y4);
    if (f.tuck > 0) {
        if (f.tuckInset > 0)
            lineTo(d, xT, y4);
        const ElementId up = lineTo(d, xT, y5);
        const ElementId top = lineTo(d, 0, y5);
        const float r = std::min({f.radius, f.tuck, xT}) * 0.99f;
        if (r > 0)
            fillet(d, up, top, r);
    } else {
        lineTo(d, 0, y4);
    }

    pen.setKind(kind::Crease);
    line(d, x1, y1, x1, y2);
    if (ears) {
        line(d, x1, 0, x1, y1);
        line(d, x1, y2, x1, y3);
    }
    if (f.dust > 0)
        line(d, xL, y3, xL, y4);
    if (f.tuck > 0)
        line(d, 0, y4, xT, y4);
    sealSlots(d, f);
}

}  // namespace

void drawLidFolder(Model& m, Drawing& d, const LidFolder& f) {
    checkFolder(f);
    GenerationPass pass(d);
    const int first = beginFeature(d);
    drawHalf(d, f);
    mirrorRegistered(d, first, 0, 0, 90);

    const float x1 = f.L1 / 2;
    const float y1 = f.front, y2 = y1 + f.W2, y3 = y2 + f.back;
    PenScope pen(d, kind::Crease);
    line(d, -x1, y1, x1, y1);
    line(d, -x1, y2, x1, y2);
    const float hinge = std::min(x1, f.L6 / 2);
    line(d, -hinge, y3, hinge, y3);
    pen.setKind(kind::Cut);
    if (f.notch > 0) {
        line(d, -x1, 0, -f.notch, 0);
        arc(d, {0, 0}, f.notch, 0, 180);
        line(d, f.notch, 0, x1, 0);
    } else {
        line(d, -x1, 0, x1, 0);
    }

    const float wing = std::max(f.side + f.sideDust, f.ear);
    FlatBlankChains c;
    c.across = {wing, f.L1, wing};
    c.up = {f.front, f.W2, f.back, f.W5, f.tuck};
    FlatBlankDimensions(d, c, m.Personnalisation.profile());
}

void Fco0481(Model& m, Drawing& d) {
    applyThicknessRule(m, 481, {1, 0.5f, 1, 1, 2, 2, 2, 0.5f, 0.5f, 1});
    const HingedLidAllowances k = hingedLidAllowances(m);
    LidFolder f;
    f.L1 = m.Longueur + k.baseLength;
    f.W2 = m.Largeur + k.baseWidth;
    f.front = m.Hauteur + k.frontAndSides;
    f.back = m.Hauteur + k.back;
    f.side = m.Hauteur + k.frontAndSides;
    f.W5 = m.Largeur + k.lidWidth;
    f.L6 = m.Longueur + k.lidLength;
    // Corner flaps on the front and back walls, folded inside the side walls, a board short of
    // the side wall's top and of the bottom's middle.
    f.ear = std::max(0.0f, std::min(f.W2 / 2, f.side) - m.EpaisseurCarton);
    f.tuck = m.hpatrent;
    f.tuckInset = k.tuckInset;
    f.dust = m.hrabat;
    f.radius = m.rarrondi;
    f.notch = m.RcoupPouce;
    drawLidFolder(m, d, f);
}

LidFolderAllowances lidFolderAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.baseLength = k[1],
            .baseWidth = k[2],
            .front = k[3],
            .back = k[4],
            .sides = k[5],
            .lidWidth = k[6],
            .lidLength = k[7],
            .earShort = k[8]};
}

HingedLidAllowances hingedLidAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.baseLength = k[1],
            .baseWidth = k[3],
            .frontAndSides = k[4],
            .back = k[5],
            .lidWidth = k[6],
            .lidLength = k[7],
            .tuckInset = k[8]};
}

namespace {

// `length` is the style's allowance on the bottom's length.
std::optional<std::string> notchFits(const Model& m, float front, float length) {
    if (m.RcoupPouce >= front)
        return std::string(
            "Hauteur trop petite pour l'encoche de pouce : la face avant doit "
            "dépasser le rayon de l'encoche");
    if (2 * m.RcoupPouce >= m.Longueur + length)
        return std::string("Longueur trop petite pour l'encoche de pouce");
    return std::nullopt;
}

}  // namespace

std::optional<std::string> thumbNotchRule0443(const Model& m) {
    const LidFolderAllowances k = lidFolderAllowances(m);
    return notchFits(m, m.Hauteur + k.front, k.baseLength);
}

std::optional<std::string> thumbNotchRule0481(const Model& m) {
    const HingedLidAllowances k = hingedLidAllowances(m);
    return notchFits(m, m.Hauteur + k.frontAndSides, k.baseLength);
}

}  // namespace brontaxe
