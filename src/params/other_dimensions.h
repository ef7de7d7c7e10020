#pragma once
// The fields of the "Autres Dimensions" dialog over the model, without any toolkit: what each
// field shows when the dialog opens and what an entry in it changes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/crease_list.h"
#include "model/model.h"

namespace brontaxe {

inline constexpr int kAutreDimFieldCount = 34;
inline constexpr int kFieldNbMortaise = 19;
inline constexpr int kFieldCreasesHorizontal = 20;
inline constexpr int kFieldCreasesVertical = 21;
inline constexpr int kFieldNbCases = 22;
inline constexpr int kFieldFlapHeight = 5;
// The "Ponts" tab: bridge width, pitch and clearance.
inline constexpr int kFieldBridgeWidth = 31;
inline constexpr std::int16_t kMaxNbMortaise = 3;

// A size as the dialog shows it: the shortest form of the single, with the decimal comma.
std::string FormatDim(double value);

// The model's real behind a numeric field (0 to 18 and 23 to 33); nullptr for the others.
float* dimensionField(Model& m, int field);
const float* dimensionField(const Model& m, int field);

// A field's integer: the leading number of the text, nearest integer, ties to the even one;
// beyond the 16-bit range it stops at the range's end.
std::int16_t readFieldInteger(std::string_view text);

// Values the dialog cannot show are corrected when it opens: no divider corner outside 0 to
// 2, at least one tenon, and a cell count of 2 when none is set.
void normaliseForDialog(Model& m);

// What a field shows when the dialog opens; the crease fields come from the creases box.
std::string fieldTextForDialog(const Model& m, int field, std::string_view creaseList);

// Both lists trimmed, joined by "/" only when the vertical list holds something.
std::string joinCreaseList(std::string_view horizontal, std::string_view vertical);

// The model field behind a numeric or integer field ("lgPatte"; empty for the crease
// lists), and the head of the reason when an entry in it is refused ("Largeur de patte
// incorrecte"). The field's range and unit come from the model's range table.
std::string_view autreDimFieldName(int field);
std::string_view autreDimRefusalCaption(int field);

// A numeric or integer field left with `text` (not the crease fields). Returns the text the
// field must show instead when the entry was corrected (field 19 above 3 shows " 3").
std::optional<std::string> applyFieldEntry(Model& m, int field, std::string_view text);

// Typing in the flap-height field: the flap height stops following the box. Returns whether
// the automatic flag was cleared (never while the model is blocked).
bool flapHeightTyped(Model& m);

// Handle mode from the "Poignées sur Tête" box and the handle option chosen (0 to 2).
std::int16_t handleMode(bool onEndPanel, int option);
// The handle option a mode selects (0 when there are no handles).
int handleOption(std::int16_t optionPoign);

}  // namespace brontaxe
