#include "styles/06/fco600_rules.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "drawing/geometry.h"
#include "styles/blank_settings.h"

namespace brontaxe {
namespace {

// The ends of a flap `width` wide on a panel `length` long drop by width tan(angle), short of
// meeting in its middle.
float chamferDrop(float width, float angle, float length) {
    const double slope = std::tan(toRadians(std::clamp(angle, 0.0f, 89.0f)));
    return static_cast<float>(std::max(0.0, std::min(width * slope, 0.45 * length)));
}

std::optional<std::string> noFlapWidth(const Model& m) {
    if (!(m.hrabat > 0))
        return std::string(
            "Rabat nul : les rabats latéraux de ce modèle (hrabat) demandent "
            "une largeur de plus de 0 mm");
    return std::nullopt;
}

std::optional<std::string> slotsTooWide(float wallLeft, float bottomLeft) {
    if (!(wallLeft > 0) || !(bottomLeft > 0))
        return std::string(
            "Encoches trop larges : les retraits des rabats latéraux ne "
            "laissent rien des rabats le long des parois ou du fond");
    return std::nullopt;
}

}  // namespace

Body0601 body0601(const Model& m) {
    const auto [c1, c2] = slotHalfWidths(m);
    const float H = m.Hauteur, W = m.Largeur;
    const auto& k = m.Majo;
    return {(m.Longueur + k[5]) / 2,
            m.hrabat,
            H + k[1],
            W + k[2],
            H + k[3],
            W + k[4],
            H + k[5],
            W + k[6],
            c1,
            c2};
}

Body0606 body0606(const Model& m) {
    const float H = m.Hauteur, W = m.Largeur;
    const auto& k = m.Majo;
    Body0606 b{(m.Longueur + k[1]) / 2,
               W / 2 + k[2],
               H + k[3],
               W + k[4],
               H + k[5],
               W / 2 + k[6],
               H + k[7],
               m.hrabat,
               0};
    b.chamfer = chamferDrop(b.f, m.anglPc, std::min({b.H3, b.W4, b.H5}));
    return b;
}

Body0621 body0621(const Model& m) {
    const auto [c1, c2] = slotHalfWidths(m);
    const float H = m.Hauteur, W = m.Largeur;
    const auto& k = m.Majo;
    Body0621 b{(m.Longueur + k[5]) / 2,
               H + k[1],
               W + k[2],
               H + k[3],
               W + k[4],
               m.hrecouvr,
               m.lgPatte,
               0,
               H + k[6],
               m.hrabat,
               c1,
               c2};
    b.drop = chamferDrop(b.glue, m.anglPc, std::min(b.H1, b.H3) - 2 * c1);
    return b;
}

std::optional<std::string> rule0601(const Model& m) {
    if (auto r = noFlapWidth(m))
        return r;
    const Body0601 b = body0601(m);
    return slotsTooWide(std::min(b.H1, b.H3) - 2 * b.c1, b.W2 - 2 * b.c2);
}

std::optional<std::string> rule0606(const Model& m) {
    return noFlapWidth(m);
}

std::optional<std::string> rule0621(const Model& m) {
    if (auto r = noFlapWidth(m))
        return r;
    const Body0621 b = body0621(m);
    if (!(b.glue > 0))
        return std::string(
            "Patte de collage nulle : les parois de ce modèle se collent aux "
            "bouts par une patte de plus de 0 mm");
    if (!(b.tuck >= 0))
        return std::string(
            "Recouvrement négatif : la patte rentrante du couvercle demande "
            "0 mm ou plus");
    return slotsTooWide(std::min({b.H1, b.H3, b.W4}) - 2 * b.c1, b.W2 - 2 * b.c2);
}

std::optional<std::string> sideFlapRule(const Model& m) {
    return noFlapWidth(m);
}

std::vector<FoldPair> folds0606(const Model& m) {
    const Body0606 b = body0606(m);
    return {{"moitiés du couvercle", b.lid1, b.lid2, b.W4, FoldFit::Meet}};
}

}  // namespace brontaxe
