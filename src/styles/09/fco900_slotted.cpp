// The 09 members that are more than a creased strip: the strip with half-cut lines (0969) and
// the divider set (0933).

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "builders/creased_strip.h"
#include "builders/emit.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "styles/09/fco900.h"

namespace brontaxe {
namespace {

std::string slottedMm(float v) {
    return platform::readableNumber(v, "mm");
}

// The pair of allowances (s1, s2) a number of half-cut lines takes; 20 mm when none is set.
std::pair<float, float> halfCutAllowances(const Model& m, int count) {
    std::pair<float, float> s{2, 20};
    if (count >= 1 && count <= 3)
        s = {m.Majo[static_cast<std::size_t>(count)], m.Majo[static_cast<std::size_t>(count + 3)]};
    if (s.second == 0)
        s.second = 20;
    return s;
}

// A chamfer at the mouth of a slot makes at most this angle with the edge, in degrees.
constexpr float kSteepestChamfer = 89;

// How the mouth of a divider slot meets the partition's edge.
struct SlotMouth {
    std::int16_t option = 0;  // 0 rounded, 1 chamfered, 2 sharp
    float radius = 0;
    float along = 0;  // chamfer along the edge
    float down = 0;   // chamfer down the slot, from its angle to the edge
};

// The mouth's size from the divider parameters: the chamfer runs `CroisPar2` along the edge
// and down the slot at `CroisPar3` degrees to the edge; all kept within the board between two slots
// and within the slot's depth.
SlotMouth slotMouth(const Model& m, float room, float depth) {
    SlotMouth s;
    s.option = m.OptionCrois >= 0 && m.OptionCrois <= 2 ? m.OptionCrois : 0;
    const float limit = std::max(0.0F, std::min(room / 2, depth / 2));
    s.radius = std::clamp(m.CroisPar1, 0.0F, limit);
    s.along = std::clamp(m.CroisPar2, 0.0F, limit);
    const double angle = std::clamp(m.CroisPar3, 0.0F, kSteepestChamfer) * std::numbers::pi / 180;
    s.down = std::clamp(static_cast<float>(s.along * std::tan(angle)), 0.0F, limit);
    if (s.option == 0 && s.radius == 0)
        s.option = 2;
    if (s.option == 1 && (s.along == 0 || s.down == 0))
        s.option = 2;
    return s;
}

// The next edge of the outline, left out where two slot mouths meet and leave no edge between.
void edgeTo(Drawing& d, float x, float y) {
    if (std::hypot(x - d.tracer().chainEnd().x, y - d.tracer().chainEnd().y) > 0.01F)
        lineTo(d, x, y);
}

// One partition of `length` by `height` from (0, 0), its slots cut down from the top edge at
// `centres`, `width` wide and `depth` deep. The outline runs round anticlockwise.
void partition(Drawing& d, float length, float height, const std::vector<float>& centres,
               float width, float depth, const SlotMouth& mouth) {
    const float bottom = height - depth;
    const PenScope pen(d, kind::Cut);
    chainStart(d, 0, 0);
    lineTo(d, length, 0);
    lineTo(d, length, height);
    for (auto it = centres.rbegin(); it != centres.rend(); ++it) {
        const float right = *it + width / 2;
        const float left = *it - width / 2;
        switch (mouth.option) {
            case 0:
                edgeTo(d, right + mouth.radius, height);
                arc(d, {right + mouth.radius, height - mouth.radius}, mouth.radius, 90, 90);
                chainStart(d, right, height - mouth.radius);
                break;
            case 1:
                edgeTo(d, right + mouth.along, height);
                lineTo(d, right, height - mouth.down);
                break;
            default:
                lineTo(d, right, height);
        }
        lineTo(d, right, bottom);
        lineTo(d, left, bottom);
        switch (mouth.option) {
            case 0:
                lineTo(d, left, height - mouth.radius);
                arc(d, {left - mouth.radius, height - mouth.radius}, mouth.radius, 0, 90);
                chainStart(d, left - mouth.radius, height);
                break;
            case 1:
                lineTo(d, left, height - mouth.down);
                lineTo(d, left - mouth.along, height);
                break;
            default:
                lineTo(d, left, height);
        }
    }
    lineTo(d, 0, height);
    lineTo(d, 0, 0);
}

// A divider set of `cells` by `cells`: `cells` - 1 strips along the length and as many across
// the width; the strips along the length are slotted `depth` deep from their top edge
// ("Profondeur", half the height when 0), those across through the rest of the height from below.
struct DividerSet {
    int cells = 0;
    float depth = 0;
};

DividerSet dividerSet(const Model& m) {
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur, e = m.EpaisseurCarton;
    DividerSet s;
    s.cells = m.NbCases;
    s.depth = m.CroisPar4 > 0 ? m.CroisPar4 : H / 2;
    if (s.cells < 2)
        throw GenerationError("Croisillon impossible : " + std::to_string(s.cells) +
                              " case, il en faut au moins 2 dans chaque sens");
    const float cellLength = L / static_cast<float>(s.cells);
    const float cellWidth = W / static_cast<float>(s.cells);
    if (!(cellLength > 2 * e) || !(cellWidth > 2 * e) || !(H > 2 * e))
        throw GenerationError("Croisillon impossible : " + std::to_string(s.cells) + " x " +
                              std::to_string(s.cells) + " cases de " + slottedMm(cellLength) +
                              " x " + slottedMm(cellWidth) + " sur une hauteur de " + slottedMm(H) +
                              " pour un carton de " + slottedMm(e));
    if (!(s.depth > e && H - s.depth > e))
        throw GenerationError("Profondeur de croisillon impossible : " + slottedMm(s.depth) +
                              " pour une hauteur de " + slottedMm(H) +
                              ", il faut laisser plus de " + slottedMm(e) + " de part et d'autre");
    return s;
}

// The slots of a strip `length` long crossed by the strips of `cells` cells.
std::vector<float> slotCentres(float length, int cells) {
    std::vector<float> centres;
    for (int i = 1; i < cells; ++i)
        centres.push_back(length * static_cast<float>(i) / static_cast<float>(cells));
    return centres;
}

// `cells` equal parts of `length`.
std::vector<float> piecesOf(float length, int cells) {
    return std::vector<float>(static_cast<std::size_t>(cells), length / static_cast<float>(cells));
}

// Dimensions end to end along x from x0 at height y, one for each of `parts`.
void dimensionParts(Drawing& d, float x0, float y, const std::vector<float>& parts) {
    float x = x0;
    for (float p : parts) {
        dimension(d, {.from = {x, y}, .to = {x + p, y}, .at = {0, y}});
        x += p;
    }
}

}  // namespace

void Fco0969(Model& m, Drawing& d) {
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur, e = m.EpaisseurCarton;
    const int n = m.nbmortaise;
    const auto [s1, s2] = halfCutAllowances(m, n);
    const float Ws = 2 * static_cast<float>(n) * H + L + 2 * H;
    const float end = (W + e + s1) / 2;
    const std::vector<float> along = {end, s2, W + e, s2, end};
    float Ls = 0;
    for (float s : along) {
        if (!(s > 0))
            throw GenerationError("Dimensions trop petites pour ce modèle : un panneau de " +
                                  slottedMm(s));
        Ls += s;
    }
    if (!(Ws > 0))
        throw GenerationError("Largeur de bande impossible : " + slottedMm(Ws));
    GenerationPass pass(d);
    std::string list = "/";
    for (std::size_t i = 0; i < along.size(); ++i)
        list += (i ? "+" : "") + platform::numberText(along[i]);
    m.ListeFoulages = CreasedStrip(d, {.creases = list, .length = Ls, .width = Ws});

    // The half-cut lines one height apart, and their chain on the free left side.
    const PenScope pen(d, kind::HalfCut);
    for (int i = 1; i <= n; ++i)
        line(d, 0, static_cast<float>(i) * H, Ls, static_cast<float>(i) * H);
    const float x = -(W + L) / 30;
    for (int i = 0; i < n; ++i)
        dimension(d, {.from = {x, static_cast<float>(i) * H},
                      .to = {x, static_cast<float>(i + 1) * H},
                      .at = {x, 0}});
}

void Fco0933(Model& m, Drawing& d) {
    const DividerSet set = dividerSet(m);
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur, e = m.EpaisseurCarton;
    const std::vector<float> alongLength = slotCentres(L, set.cells);
    const std::vector<float> alongWidth = slotCentres(W, set.cells);
    const SlotMouth mouth = slotMouth(m, L / static_cast<float>(set.cells) - e, set.depth);
    const SlotMouth crossMouth = slotMouth(m, W / static_cast<float>(set.cells) - e, H - set.depth);
    GenerationPass pass(d);

    // Every strip of the set, one under the other: the strips along the length, slotted from
    // their top edge `depth` deep, then the strips across, turned over and slotted from their
    // bottom edge through the rest of the height, so that the two kinds slide into each other.
    const float gap = (L + H) / 15;
    const int strips = 2 * (set.cells - 1);
    for (int row = 0; row < strips; ++row) {
        const bool across = row >= set.cells - 1;
        const float y = -static_cast<float>(row) * (H + gap);
        const int first = beginFeature(d);
        if (across)
            partition(d, W, H, alongWidth, e, H - set.depth, crossMouth);
        else
            partition(d, L, H, alongLength, e, set.depth, mouth);
        placeFeature(d, first, {.y = across ? y + H : y, .mirrored = across});
    }

    // The first strip of each kind is dimensioned: the long one above, the last cross one under.
    const float step = (L + H) / 30;
    dimensionParts(d, 0, H + step, piecesOf(L, set.cells));
    dimension(d, {.from = {0, H + 2 * step}, .to = {L, H + 2 * step}, .at = {0, H + 2 * step}});
    dimension(d, {.from = {L + step, 0}, .to = {L + step, H}, .at = {L + step, 0}});
    dimension(
        d,
        {.from = {L + 2 * step, H - set.depth}, .to = {L + 2 * step, H}, .at = {L + 2 * step, 0}});
    const float last = -static_cast<float>(strips - 1) * (H + gap);
    const float below = last - step;
    dimensionParts(d, 0, below, piecesOf(W, set.cells));
    dimension(d, {.from = {0, below - step}, .to = {W, below - step}, .at = {0, below - step}});
    dimension(
        d, {.from = {W + step, last}, .to = {W + step, last + H - set.depth}, .at = {W + step, 0}});
}

}  // namespace brontaxe
