#pragma once
// A flat strip with parallel creases: the pads, liners and sleeves of interior fittings and the
// bands of a few other styles. The creases come from a crease list "across/along": the across
// part runs up the strip's width (creases parallel to its length), the along part runs along
// its length (creases parallel to its width).

#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"

namespace brontaxe {

// The segments of one normalised part, refused when the list cannot be folded: more than 50
// segments in a part, or a segment below zero (typed segments longer than the side leave a
// negative last one). The refusal is a GenerationError with a French message.
std::vector<float> checkedCreaseSegments(std::string_view part, float side, const char* sideName);

// The strip of `length` by `width` and its crease list.
struct CreasedStripShape {
    std::string_view creases;
    float length = 0;
    float width = 0;
};

// Normalises the crease list to the strip's sides (across part to the width, along part to the
// length) and checks it, then draws the strip from (0, 0): its cut outline, a crease at every
// segment boundary strictly inside the strip, the chain of the segments beside each part and
// the two overall sizes. Returns the normalised list; a refused list throws before anything is
// drawn. Does not open, clear or close the drawing.
std::string CreasedStrip(Drawing& d, const CreasedStripShape& strip);

}  // namespace brontaxe
