// The creased strips of the 09 family: each style only writes its crease list and strip size,
// the strip builder draws it.

#include <string>

#include "builders/creased_strip.h"
#include "builders/emit.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "styles/09/fco900.h"

namespace brontaxe {
namespace {

bool alternativeProfile(const Model& m) {
    return m.Personnalisation == CustomerProfile::Vem ||
           m.Personnalisation == CustomerProfile::Tremaluxe;
}

std::string joined(const std::vector<float>& segments) {
    std::string list;
    for (float s : segments)
        list += (list.empty() ? "" : "+") + platform::numberText(s);
    return list;
}

// A panel of no width would put two creases on one line: the sizes are too small for the
// allowances.
void refuseFlatPanels(const std::vector<float>& segments, float length) {
    for (float s : segments) {
        if (!(s > 0))
            throw GenerationError("Dimensions trop petites pour ce modèle : un panneau de " +
                                  platform::readableNumber(s) +
                                  "\u00a0mm ; agrandir la hauteur ou la largeur");
    }
    if (!(length > 0))
        throw GenerationError("Longueur de bande impossible : " + platform::readableNumber(length) +
                              "\u00a0mm");
}

// The strip of a liner or sleeve, as wide as its panels: its list written.
void drawFitting(Model& m, Drawing& d, const FittingStrip& strip) {
    refuseFlatPanels(strip.segments, strip.length);
    GenerationPass pass(d);
    const std::string creases = joined(strip.segments);
    float width = 0;
    for (float s : strip.segments)
        width += s;
    m.ListeFoulages = CreasedStrip(d, {.creases = creases, .length = strip.length, .width = width});
}

}  // namespace

FittingStrip fittingStrip(std::string_view code, const Model& m) {
    const float L = m.Longueur, W = m.Largeur, H = m.Hauteur;
    const auto& a = m.Majo;
    const bool alt = alternativeProfile(m);
    if (code == "0914 Int") {
        if (alt)
            return {L + a[6], {H + a[1], W + a[2], H + a[3], W + a[4], m.hrabat + a[5]}};
        return {L, {H + a[1] + a[3], 2 * a[1] + W + a[3], 2 * a[1] + H, 2 * a[1] + W, H + a[1]}};
    }
    if (code == "0914 Ext") {
        if (alt)
            return {L + a[6], {H + a[1], W + a[2], H + a[3], W + a[4], H + a[5]}};
        return {L, {H - a[2], W - 2 * a[2], H - 2 * a[2], W - 2 * a[2] - a[3], H - a[2] - a[3]}};
    }
    if (code == "0920 Ext") {
        if (alt)
            return {L + a[8],
                    {H + a[1], W / 2 + a[2], H + a[3], W + a[4], H + a[5], W / 2 + a[6], H + a[7]}};
        return {L,
                {H - a[2] - a[3], W / 2 - 2 * a[2], H - 2 * a[2], W - 2 * a[2], H - 2 * a[2],
                 W / 2 - 2 * a[2], H - a[2] - a[3]}};
    }
    if (code == "0951") {
        if (alt)
            return {L + a[4], {H + a[1], W + a[2], H + a[3]}};
        return {L, {H + a[1], 2 * a[1] + W, H + a[1]}};
    }
    if (code == "0951 Ext") {
        if (alt)
            return {L + a[4], {H + a[1], W + a[2], H + a[3]}};
        return {L, {H - a[2], W - 2 * a[2], H - a[2]}};
    }
    return {};
}

void Fco0901(Model& m, Drawing& d) {
    GenerationPass pass(d);
    m.ListeFoulages =
        CreasedStrip(d, {.creases = m.ListeFoulages, .length = m.Longueur, .width = m.Largeur});
}

// 0901 turned a quarter: the length runs up the strip.
void Fco0902(Model& m, Drawing& d) {
    GenerationPass pass(d);
    m.ListeFoulages =
        CreasedStrip(d, {.creases = m.ListeFoulages, .length = m.Largeur, .width = m.Longueur});
}

void Fco0914Int(Model& m, Drawing& d) {
    drawFitting(m, d, fittingStrip("0914 Int", m));
}

void Fco0914Ext(Model& m, Drawing& d) {
    drawFitting(m, d, fittingStrip("0914 Ext", m));
}

void Fco0920Ext(Model& m, Drawing& d) {
    drawFitting(m, d, fittingStrip("0920 Ext", m));
}

void Fco0951(Model& m, Drawing& d) {
    drawFitting(m, d, fittingStrip("0951", m));
}

void Fco0951Ext(Model& m, Drawing& d) {
    drawFitting(m, d, fittingStrip("0951 Ext", m));
}

}  // namespace brontaxe
