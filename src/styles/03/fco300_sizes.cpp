#include "styles/03/fco300_sizes.h"

#include <algorithm>
#include <cmath>

#include "styles/02/fco200_common.h"

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

Tray bottomTray(const Model& m) {
    Tray t;
    t.a = (m.Longueur + m.Majo[1]) / 2;
    t.b = (m.Largeur + m.Majo[3]) / 2;
    t.h = m.Hauteur + m.Majo[5];
    t.f = m.hrabat_auto ? t.h : m.hrabat;
    return t;
}

Tray lidOver(const Model& m, const Tray& bottom) {
    const float e = m.EpaisseurCarton;
    const auto& mj = m.Majo;
    Tray lid;
    lid.a = mj[6] != 0 ? (m.Longueur + mj[6]) / 2 : bottom.a + e;
    lid.b = mj[7] != 0 ? (m.Largeur + mj[7]) / 2 : bottom.b + 2 * e;
    lid.h = mj[8] != 0 ? m.Hauteur + mj[8] : bottom.h + e;
    lid.f = mj[9] != 0 ? bottom.f + mj[9] : bottom.f + e;
    return lid;
}

Sleeve sleeveOf(const Model& m) {
    const float length = m.Longueur + m.Majo[3];
    const float width = m.Largeur + m.Majo[4];
    const float first = m.pattesurtete ? width : length;
    const float second = m.pattesurtete ? length : width;
    return {first, second, first, second, m.Hauteur + m.Majo[5]};
}

Tray capOverSleeve(const Model& m) {
    const float e = m.EpaisseurCarton;
    Tray t;
    t.a = (m.Longueur + m.Majo[1]) / 2 + e;
    t.b = (m.Largeur + m.Majo[2]) / 2 + 2 * e;
    t.h = m.hrabat;
    t.f = m.hrabat;
    return t;
}

SlottedPiece slottedBody(const Model& m) {
    const SlottedBody b = regularFlaps(m);
    return {b.p1, b.p2, b.p3, b.p4, m.Hauteur + m.Majo[5], b.f1, b.f2};
}

SlottedPiece closedBody(const Model& m) {
    const SlottedBody b = regularFlaps(m);
    return {b.p1, b.p2, b.p3, b.p4, 2 * b.h, b.f1, b.f2};
}

SlottedPiece cappedBody(const Model& m) {
    const float length = m.Longueur + m.Majo[3];
    const float width = m.Largeur + m.Majo[4];
    const float first = m.pattesurtete ? width : length;
    const float second = m.pattesurtete ? length : width;
    const float base = roundedFlap(m.Largeur / 2);
    return {first,           second, first, second, m.Hauteur + m.Majo[5], base + m.Majo[6],
            base + m.Majo[7]};
}

Tray capOverBody(const Model& m) {
    const float e = m.EpaisseurCarton;
    Tray t;
    t.a = (m.Longueur + m.Majo[1]) / 2 + 2 * e;
    t.b = (m.Largeur + m.Majo[2]) / 2 + e;
    t.h = m.hrabat;
    t.f = m.hrabat;
    return t;
}

SlottedPiece slottedLid(const Model& m, const SlottedPiece& body, float depth) {
    const float e = m.EpaisseurCarton;
    const auto& mj = m.Majo;
    const float length = m.pattesurtete ? m.Largeur : m.Longueur;
    const float width = m.pattesurtete ? m.Longueur : m.Largeur;
    auto panel = [&](std::size_t i, float inside, float bodyPanel) {
        return mj[i] != 0 ? inside + mj[i] : bodyPanel + 2 * e;
    };
    SlottedPiece lid;
    lid.p1 = panel(8, length, body.p1);
    lid.p2 = panel(9, width, body.p2);
    lid.p3 = panel(10, length, body.p3);
    lid.p4 = panel(11, width, body.p4);
    lid.body = depth;
    // The flaps meet in the middle of the lid's width panels.
    const float lidWidth = m.pattesurtete ? std::min(lid.p1, lid.p3) : std::min(lid.p2, lid.p4);
    const float base = roundedFlap(lidWidth / 2);
    lid.f1 = base + mj[13];
    lid.f2 = base + mj[14];
    return lid;
}

float fullDepth(const Model& m, const SlottedPiece& body) {
    return m.Majo[12] != 0 ? m.Hauteur + m.Majo[12] : body.body + m.EpaisseurCarton;
}

MarkedPair markedPair(const Model& m) {
    const float e = m.EpaisseurCarton;
    const auto& mj = m.Majo;
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur;
    MarkedPair p;
    MarkedCap& b = p.bottom;
    b.a = (L + mj[1]) / 2;
    b.b = (W + mj[2]) / 2;
    b.h = H + mj[3];
    b.inner = mj[4] != 0 ? H + mj[4] : b.h - e;
    b.wing = std::min(b.a, b.h) + mj[11];
    MarkedCap& l = p.lid;
    l.a = mj[5] != 0 ? (L + mj[5]) / 2 : b.a + e;
    l.b = mj[6] != 0 ? (W + mj[6]) / 2 : b.b + 2 * e;
    l.h = mj[7] != 0 ? H + mj[7] : b.h + e;
    l.inner = mj[8] != 0 ? H + mj[8] : l.h - e;
    l.wing = std::min(l.a, l.h) + mj[12];
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
    return octagon(m.Longueur + m.Majo[4], m.Largeur + m.Majo[4]);
}

Octagon trayOverBand(const Model& m) {
    return grownOctagon(octagon(m.Longueur + m.Majo[1], m.Largeur + m.Majo[1]), m.EpaisseurCarton);
}

OctagonalPair octagonalPair(const Model& m) {
    const float e = m.EpaisseurCarton;
    const auto& mj = m.Majo;
    OctagonalPair p;
    p.bottom = octagon(m.Longueur + mj[1], m.Largeur + mj[3]);
    p.h = m.Hauteur + mj[5];
    p.lid = mj[6] != 0 || mj[7] != 0 ? octagon(m.Longueur + mj[6], m.Largeur + mj[7])
                                     : grownOctagon(p.bottom, e);
    p.h2 = mj[8] != 0 ? m.Hauteur + mj[8] : p.h + e;
    return p;
}

std::optional<TelescopeFit> telescopeFit(std::string_view code, const Model& m) {
    const float e = m.EpaisseurCarton;
    for (std::string_view tray :
         {"0300", "0301", "0302", "0303", "0304", "0306", "0307", "0308", "0309"}) {
        if (code == tray) {
            const Tray bottom = bottomTray(m);
            return trayFit(m, bottom, lidOver(m, bottom));
        }
    }
    if (code == "0331") {
        // The lid over the bottom's outer walls, one thickness longer and two wider.
        const Tray bottom = bottomTray(m);
        return fitOf(e, 2 * (bottom.a + e), 2 * (bottom.b + 2 * e), 2 * bottom.a, 2 * bottom.b);
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
