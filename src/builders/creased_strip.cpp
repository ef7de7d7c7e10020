#include "builders/creased_strip.h"

#include <string>

#include "builders/emit.h"
#include "drawing/crease_list.h"
#include "drawing/pen_scope.h"
#include "platform/errors.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

// Segments shorter than this fold nothing: a crease there would lie on its neighbour or on
// the strip's edge.
constexpr float kNoSegment = 0.01F;

std::string stripMm(float value) {
    return platform::readableNumber(value, "mm");
}

// Creases where one segment ends and the next begins, both of some length.
void drawStripCreases(Drawing& d, const std::vector<float>& segments, float length, bool across) {
    float s = 0;
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        s += segments[i];
        if (segments[i] < kNoSegment || s < kNoSegment)
            continue;
        float rest = 0;
        for (std::size_t j = i + 1; j < segments.size(); ++j)
            rest += segments[j];
        if (rest < kNoSegment)
            break;
        if (across)
            line(d, 0, s, length, s);
        else
            line(d, s, 0, s, length);
    }
}

// The chain of a part's segments on the line `at` beside the strip; a zero segment measures
// nothing. A single segment is the overall size, measured apart.
void stripChain(Drawing& d, const std::vector<float>& segments, float at, bool across) {
    if (segments.size() < 2)
        return;
    float s = 0;
    for (float segment : segments) {
        if (segment >= kNoSegment) {
            if (across)
                dimension(d, {.from = {at, s}, .to = {at, s + segment}, .at = {at, 0}});
            else
                dimension(d, {.from = {s, at}, .to = {s + segment, at}, .at = {0, at}});
        }
        s += segment;
    }
}

}  // namespace

std::vector<float> checkedCreaseSegments(std::string_view part, float side, const char* sideName) {
    refuseOverlongCreasePart(part);
    const std::vector<float> segments = creasePositions(part);
    float typed = 0;
    for (std::size_t i = 0; i + 1 < segments.size(); ++i)
        typed += segments[i];
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        if (segments[i] < 0)
            throw GenerationError("Refoulage négatif : " + stripMm(segments[i]) +
                                  " dans la liste des refoulages");
    }
    if (!segments.empty() && segments.back() < 0)
        throw GenerationError(std::string("Refoulages plus longs que la ") + sideName + " : " +
                              stripMm(typed) + " pour " + stripMm(side));
    return segments;
}

std::string CreasedStrip(Drawing& d, const CreasedStripShape& strip) {
    const float Ls = strip.length, Ws = strip.width;
    // Counted on the list as given: normalising keeps only the first 50 of a part.
    refuseOverlongCreaseList(strip.creases);
    std::string normalised = normaliseCreaseList(strip.creases, Ws, Ls);
    const CreaseListParts parts = splitCreaseList(normalised);
    const std::vector<float> across = checkedCreaseSegments(parts.widthPart, Ws, "largeur");
    const std::vector<float> along = checkedCreaseSegments(parts.lengthPart, Ls, "longueur");

    PenScope pen(d, kind::Cut);
    chainStart(d, 0, 0);
    lineTo(d, Ls, 0);
    lineTo(d, Ls, Ws);
    lineTo(d, 0, Ws);
    lineTo(d, 0, 0);

    pen.setKind(kind::Crease);
    drawStripCreases(d, across, Ls, true);
    drawStripCreases(d, along, Ws, false);

    // Segment chains next to the strip, overall sizes one step further out.
    const float step = (Ws + Ls) / 30;
    stripChain(d, across, -step, true);
    stripChain(d, along, Ws + step, false);
    dimension(d, {.from = {0, -step}, .to = {Ls, -step}, .at = {0, -step}});
    dimension(d, {.from = {Ls + step, 0}, .to = {Ls + step, Ws}, .at = {Ls + step, 0}});
    pen.setKind(kind::Cut);
    return normalised;
}

}  // namespace brontaxe
