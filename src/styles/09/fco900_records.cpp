// The records of the interior fittings (09 family), in the order the code list shows them.

#include <vector>

#include "styles/09/fco900.h"
#include "styles/family_records.h"
#include "styles/piece_shapes.h"

namespace brontaxe {
namespace {

using P = StyleParameter;
constexpr int kFamily09 = 7;

}  // namespace

const std::vector<StyleRecord>& fco900Records() {
    static const std::vector<StyleRecord> records = {
        {.code = "0901",
         .family = kFamily09,
         .generate = &Fco0901,
         .unused = {.height = true},
         .pieces = Pieces{kPad},
         .allowances = {.takesNone = true}},
        {.code = "0902",
         .family = kFamily09,
         .generate = &Fco0902,
         .unused = {.height = true},
         .pieces = Pieces{kPad},
         .allowances = {.takesNone = true}},
        {.code = "0914 Int", .family = kFamily09, .generate = &Fco0914Int, .pieces = Pieces{kTube}},
        {.code = "0914 Ext",
         .family = kFamily09,
         .generate = &Fco0914Ext,
         .pieces = Pieces{kTubeInside}},
        {.code = "0920 Ext",
         .family = kFamily09,
         .generate = &Fco0920Ext,
         .pieces = Pieces{kTubeInside}},
        {.code = "0933",
         .family = kFamily09,
         .generate = &Fco0933,
         .confirmed = false,
         .parameters = P::CellCount | P::DividerSlotDepth | P::DividerSlotRadius |
                       P::DividerChamferAlong | P::DividerChamferAngle,
         .pieces = Pieces{kLengthStrip, kWidthStrip},
         .allowances = {.takesNone = true}},
        {.code = "0951",
         .family = kFamily09,
         .generate = &Fco0951,
         .listedAs = "0951 Int",
         .pieces = Pieces{kChannel}},
        {.code = "0951 Ext",
         .family = kFamily09,
         .generate = &Fco0951Ext,
         .pieces = Pieces{kChannelInside}},
        {.code = "0969",
         .family = kFamily09,
         .generate = &Fco0969,
         .parameters = P::TenonCount,
         .pieces = Pieces{kHollowStrip}},
        {.code = "0990",
         .family = kFamily09,
         .drawnBy = "0901",
         .allowances = {.takesNone = true},
         .heightIsCreaseList = true},
        {.code = "0991",
         .family = kFamily09,
         .drawnBy = "0902",
         .allowances = {.takesNone = true},
         .heightIsCreaseList = true},
    };
    return records;
}

}  // namespace brontaxe
