#include "styles/03/fco300_sizes.h"

#include <algorithm>
#include <cmath>

#include "styles/02/fco200_common.h"
#include "styles/lid_play.h"

namespace brontaxe {
namespace {

const float kTan22 = static_cast<float>(std::tan(22.5 * 3.14159265358979323846 / 180));
const float kCos45 = static_cast<float>(std::sqrt(0.5));

// Crease-to-crease sizes of an outer piece over an inner one.
TelescopeFit fitOf(float e, float outerLength, float outerWidth, float innerLength,
                   float innerWidth) {
    return {outerLength - e, outerWidth - e, innerLength + e, innerWidth + e};
}

TelescopeFit trayFit(const Model& m, const Tray& bottom, const Tray& lid) {
    return fitOf(m.EpaisseurCarton, 2 * lid.a, 2 * lid.b, 2 * bottom.a, 2 * bottom.b);
}

TelescopeFit slottedFit(const Model& m, const SlottedPiece& body, const SlottedPiece& lid) {
    // Every panel of the lid over the panel it covers.
    const float e = m.EpaisseurCarton;
    const float lengthMargin = std::min(lid.p1 - body.p1, lid.p3 - body.p3);
    const float widthMargin = std::min(lid.p2 - body.p2, lid.p4 - body.p4);
    return fitOf(e, body.p1 + lengthMargin, body.p2 + widthMargin, body.p1, body.p2);
}

}  // namespace

TelescopeAllowances telescopeAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.bottomLength = k[1],
            .bottomWidth = k[3],
            .bottomHeight = k[5],
            .band = k[4],
            .lidLength = k[6],
            .lidWidth = k[7],
            .lidHeight = k[8],
            .lidFlaps = k[9]};
}

DoubleWallAllowances doubleWallAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.outerEndWall = k[5], .innerEndWall = k[6], .sideWall = k[8]};
}

CappedAllowances cappedAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.capLength = k[1],
            .capWidth = k[2],
            .lengthPanels = k[3],
            .widthPanels = k[4],
            .bodyHeight = k[5],
            .oddFlaps = k[6],
            .evenFlaps = k[7],
            .lidPanel1 = k[8],
            .lidPanel2 = k[9],
            .lidPanel3 = k[10],
            .lidPanel4 = k[11],
            .fullDepth = k[12],
            .lidOddFlaps = k[13],
            .lidEvenFlaps = k[14]};
}

MarkedAllowances markedAllowances(const Model& m) {
    const auto& k = m.Majo;
    return {.bottomLength = k[1],
            .bottomWidth = k[2],
            .bottomHeight = k[3],
            .bottomInnerWall = k[4],
            .lidLength = k[5],
            .lidWidth = k[6],
            .lidHeight = k[7],
            .lidInnerWall = k[8],
            .bottomWings = k[11],
            .lidWings = k[12]};
}

Tray bottomTray(const Model& m) {
    const TelescopeAllowances k = telescopeAllowances(m);
    Tray t;
    t.a = (m.Longueur + k.bottomLength) / 2;
    t.b = (m.Largeur + k.bottomWidth) / 2;
    t.h = m.Hauteur + k.bottomHeight;
    t.f = m.hrabat_auto ? t.h : m.hrabat;
    return t;
}

Tray lidOver(const Model& m, const Tray& bottom) {
    const float e = m.EpaisseurCarton;
    const TelescopeAllowances k = telescopeAllowances(m);
    Tray lid;
    lid.a = k.lidLength != 0 ? (m.Longueur + k.lidLength) / 2 : bottom.a + e;
    lid.b = k.lidWidth != 0 ? (m.Largeur + k.lidWidth) / 2 : bottom.b + 2 * e;
    lid.h = k.lidHeight != 0 ? m.Hauteur + k.lidHeight : bottom.h + e;
    lid.f = k.lidFlaps != 0 ? bottom.f + k.lidFlaps : bottom.f + e;
    return lid;
}

Tray lidGrownByItsAllowances(const Model& m, const Tray& bottom) {
    const float e = m.EpaisseurCarton;
    const TelescopeAllowances k = telescopeAllowances(m);
    auto grown = [](float size, float allowance, float otherwise) {
        return size + (allowance != 0 ? allowance : otherwise);
    };
    // Lengthwise and widthwise the lid's allowances, beyond the bottom's, over the inside.
    Tray lid;
    lid.a = grown(bottom.a, (k.lidLength - k.bottomLength) / 2, e);
    lid.b = grown(bottom.b, (k.lidWidth - k.bottomWidth) / 2, 2 * e);
    lid.h = grown(bottom.h, k.lidHeight, e);
    lid.f = grown(bottom.f, k.lidFlaps, e);
    return lid;
}

Sleeve sleeveOf(const Model& m) {
    const CappedAllowances k = cappedAllowances(m);
    const float length = m.Longueur + k.lengthPanels;
    const float width = m.Largeur + k.widthPanels;
    const float first = m.pattesurtete ? width : length;
    const float second = m.pattesurtete ? length : width;
    return {first, second, first, second, m.Hauteur + k.bodyHeight};
}

Tray capOverSleeve(const Model& m) {
    const float e = m.EpaisseurCarton;
    const CappedAllowances k = cappedAllowances(m);
    // The cap's allowances reach a board past the sleeve's (two against one in every grade):
    // with a board more each way the cap goes over the sleeve with the lid's play.
    Tray t;
    t.a = (m.Longueur + k.capLength) / 2 + e;
    t.b = (m.Largeur + k.capWidth) / 2 + e;
    t.h = m.hrabat;
    t.f = m.hrabat;
    return t;
}

SlottedPiece slottedBody(const Model& m) {
    const SlottedBody b = regularFlaps(m);
    return {b.p1, b.p2, b.p3, b.p4, m.Hauteur + cappedAllowances(m).bodyHeight, b.f1, b.f2};
}

SlottedPiece closedBody(const Model& m) {
    const SlottedBody b = regularFlaps(m);
    return {b.p1, b.p2, b.p3, b.p4, 2 * b.h, b.f1, b.f2};
}

SlottedPiece cappedBody(const Model& m) {
    const CappedAllowances k = cappedAllowances(m);
    const float length = m.Longueur + k.lengthPanels;
    const float width = m.Largeur + k.widthPanels;
    const float first = m.pattesurtete ? width : length;
    const float second = m.pattesurtete ? length : width;
    const float base = roundedFlap(m.Largeur / 2);
    return {first,
            second,
            first,
            second,
            m.Hauteur + k.bodyHeight,
            base + k.oddFlaps,
            base + k.evenFlaps};
}

Tray capOverBody(const Model& m) {
    const float e = m.EpaisseurCarton;
    const CappedAllowances k = cappedAllowances(m);
    // The cap's allowances are the body's panels' (one board in every grade): the cap goes
    // over them as a lid over the creases of what it covers.
    Tray t;
    t.a = (m.Longueur + k.capLength + lidOverCreases(e)) / 2;
    t.b = (m.Largeur + k.capWidth + lidOverCreases(e)) / 2;
    t.h = m.hrabat;
    t.f = m.hrabat;
    return t;
}

SlottedPiece slottedLid(const Model& m, const SlottedPiece& body, float depth) {
    const float e = m.EpaisseurCarton;
    const CappedAllowances k = cappedAllowances(m);
    const float length = m.pattesurtete ? m.Largeur : m.Longueur;
    const float width = m.pattesurtete ? m.Longueur : m.Largeur;
    auto panel = [&](float allowance, float inside, float bodyPanel) {
        return allowance != 0 ? inside + allowance : bodyPanel + 2 * e;
    };
    SlottedPiece lid;
    lid.p1 = panel(k.lidPanel1, length, body.p1);
    lid.p2 = panel(k.lidPanel2, width, body.p2);
    lid.p3 = panel(k.lidPanel3, length, body.p3);
    lid.p4 = panel(k.lidPanel4, width, body.p4);
    lid.body = depth;
    // The flaps meet in the middle of the lid's width panels.
    const float lidWidth = m.pattesurtete ? std::min(lid.p1, lid.p3) : std::min(lid.p2, lid.p4);
    const float base = roundedFlap(lidWidth / 2);
    lid.f1 = base + k.lidOddFlaps;
    lid.f2 = base + k.lidEvenFlaps;
    return lid;
}

float fullDepth(const Model& m, const SlottedPiece& body) {
    const float k = cappedAllowances(m).fullDepth;
    return k != 0 ? m.Hauteur + k : body.body + m.EpaisseurCarton;
}

MarkedPair markedPair(const Model& m) {
    const float e = m.EpaisseurCarton;
    const MarkedAllowances k = markedAllowances(m);
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur;
    MarkedPair p;
    WingedCapShape& b = p.bottom;
    b.a = (L + k.bottomLength) / 2;
    b.b = (W + k.bottomWidth) / 2;
    b.h = H + k.bottomHeight;
    b.inner = k.bottomInnerWall != 0 ? H + k.bottomInnerWall : b.h - e;
    b.wing = std::min(b.a, b.h) + k.bottomWings;
    WingedCapShape& l = p.lid;
    l.a = k.lidLength != 0 ? (L + k.lidLength) / 2 : b.a + e;
    l.b = k.lidWidth != 0 ? (W + k.lidWidth) / 2 : b.b + 2 * e;
    l.h = k.lidHeight != 0 ? H + k.lidHeight : b.h + e;
    l.inner = k.lidInnerWall != 0 ? H + k.lidInnerWall : l.h - e;
    l.wing = std::min(l.a, l.h) + k.lidWings;
    return p;
}

float Octagon::bevel() const {
    return c / kCos45;
}

Octagon octagon(float length, float width) {
    const float shorter = std::min(length, width);
    // A regular octagon's side is the square's side times tan 22.5.
    const float side = shorter * kTan22;
    return {length, width, (shorter - side) / 2};
}

Octagon grownOctagon(const Octagon& o, float by) {
    return octagon(o.length + 2 * by, o.width + 2 * by);
}

Octagon bandOctagon(const Model& m) {
    const float band = telescopeAllowances(m).band;
    return octagon(m.Longueur + band, m.Largeur + band);
}

Octagon trayOverBand(const Model& m) {
    const float tray = telescopeAllowances(m).bottomLength;
    return grownOctagon(octagon(m.Longueur + tray, m.Largeur + tray), m.EpaisseurCarton);
}

OctagonalPair octagonalPair(const Model& m) {
    const float e = m.EpaisseurCarton;
    const TelescopeAllowances k = telescopeAllowances(m);
    OctagonalPair p;
    p.bottom = octagon(m.Longueur + k.bottomLength, m.Largeur + k.bottomWidth);
    p.h = m.Hauteur + k.bottomHeight;
    p.lid = k.lidLength != 0 || k.lidWidth != 0
                ? octagon(m.Longueur + k.lidLength, m.Largeur + k.lidWidth)
                : grownOctagon(p.bottom, e);
    p.h2 = k.lidHeight != 0 ? m.Hauteur + k.lidHeight : p.h + e;
    return p;
}

std::optional<TelescopeFit> telescopeFit(std::string_view code, const Model& m) {
    const float e = m.EpaisseurCarton;
    if (code == "0304") {
        const Tray bottom = bottomTray(m);
        return trayFit(m, bottom, lidGrownByItsAllowances(m, bottom));
    }
    for (std::string_view tray : {"0300", "0301", "0302", "0303", "0306", "0307", "0308", "0309"}) {
        if (code == tray) {
            const Tray bottom = bottomTray(m);
            return trayFit(m, bottom, lidOver(m, bottom));
        }
    }
    if (code == "0331") {
        // The lid over the bottom's outer walls with the lid's play.
        const Tray bottom = bottomTray(m);
        return fitOf(e, 2 * bottom.a + lidOverCreases(e), 2 * bottom.b + lidOverCreases(e),
                     2 * bottom.a, 2 * bottom.b);
    }
    if (code == "0310" || code == "0311" || code == "0314") {
        const Tray cap = capOverSleeve(m);
        const Sleeve s = sleeveOf(m);
        const float length = m.pattesurtete ? s.p2 : s.p1;
        const float width = m.pattesurtete ? s.p1 : s.p2;
        return fitOf(e, 2 * cap.a, 2 * cap.b, length, width);
    }
    if (code == "0312" || code == "0313") {
        const Tray cap = capOverBody(m);
        const SlottedPiece body = cappedBody(m);
        const float length = m.pattesurtete ? body.p2 : body.p1;
        const float width = m.pattesurtete ? body.p1 : body.p2;
        return fitOf(e, 2 * cap.a, 2 * cap.b, length, width);
    }
    if (code == "0320" || code == "0321" || code == "0322" || code == "0323" || code == "0325") {
        const SlottedPiece body = slottedBody(m);
        return slottedFit(m, body, slottedLid(m, body, body.body));
    }
    if (code == "0330") {
        const MarkedPair p = markedPair(m);
        return fitOf(e, 2 * p.lid.a, 2 * p.lid.b, 2 * p.bottom.a, 2 * p.bottom.b);
    }
    if (code == "0350") {
        const Octagon band = bandOctagon(m);
        const Octagon tray = trayOverBand(m);
        return fitOf(e, tray.length, tray.width, band.length, band.width);
    }
    if (code == "0351") {
        const OctagonalPair p = octagonalPair(m);
        return fitOf(e, p.lid.length, p.lid.width, p.bottom.length, p.bottom.width);
    }
    return std::nullopt;
}

}  // namespace brontaxe
