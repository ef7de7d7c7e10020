#pragma once
// Interior fittings (the 09 family): pads, liners and sleeves folded from one creased strip,
// a strip with half-cut lines, and the cross divider.

#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe {

// Pad of L by W with the crease list as typed (0901, 0990).
void Fco0901(Model& m, Drawing& d);
// The same pad with L and W exchanged (0902, 0991).
void Fco0902(Model& m, Drawing& d);
// Liners and sleeves: a strip of the fitting's length with the panels of its crease list.
void Fco0914Int(Model& m, Drawing& d);
void Fco0914Ext(Model& m, Drawing& d);
void Fco0920Ext(Model& m, Drawing& d);
void Fco0951(Model& m, Drawing& d);
void Fco0951Ext(Model& m, Drawing& d);
// Strip with a row of half-cut lines across it.
void Fco0969(Model& m, Drawing& d);
// Divider set of NbCases by NbCases cells: strips of L by H slotted from their top edge and
// strips of W by H slotted from their bottom edge, "Profondeur" deep and the rest.
void Fco0933(Model& m, Drawing& d);

// The crease list and strip length a liner or sleeve is drawn with, for the model's sizes,
// allowances and customer profile (VEM and TREMALUXE have formulas of their own).
struct FittingStrip {
    float length = 0;
    std::vector<float> segments;  // across the strip, bottom to top
};
FittingStrip fittingStrip(std::string_view code, const Model& m);

}  // namespace brontaxe
