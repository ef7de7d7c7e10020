// The records of the rigid boxes (06 family), in the order the code list shows them.

#include <vector>

#include "styles/06/fco600.h"
#include "styles/06/fco600_rules.h"
#include "styles/family_records.h"
#include "styles/piece_shapes.h"

namespace brontaxe {
namespace {

using P = StyleParameter;
constexpr int kFamily06 = 5;

}  // namespace

const std::vector<StyleRecord>& fco600Records() {
    static const std::vector<StyleRecord> records = {
        {.code = "0601",
         .family = kFamily06,
         .generate = &Fco0601,
         .domain = {.extra = &rule0601},
         .parameters = kSlots | P::FlapHeight,
         .pieces = Pieces{kTube, kFlangedEnd, kFlangedEnd}},
        {.code = "0602",
         .family = kFamily06,
         .generate = &Fco0602,
         .domain = {.extra = &rule0601},
         .parameters = kSlots | P::GlueFlapAngle | P::FlapHeight,
         .pieces = Pieces{kTube, kFlangedEnd, kFlangedEnd}},
        {.code = "0606",
         .family = kFamily06,
         .generate = &Fco0606,
         .confirmed = false,
         .domain = {.extra = &rule0606},
         .folds = &folds0606,
         .parameters = P::GlueFlapAngle | P::FlapHeight,
         .pieces = Pieces{kTube, kEndPanel, kEndPanel}},
        {.code = "0607",
         .family = kFamily06,
         .generate = &Fco0607,
         .domain = {.extra = &sideFlapRule},
         .parameters = P::FlapHeight,
         .pieces = Pieces{kRingAlongLength, kEndPiece, kEndPiece}},
        {.code = "0608",
         .family = kFamily06,
         .generate = &Fco0608,
         .confirmed = false,
         .domain = {.extra = &sideFlapRule},
         .parameters = P::FlapHeight,
         .pieces = Pieces{kRingAlongLength, kEndChannel, kEndChannel}},
        {.code = "0610",
         .family = kFamily06,
         .drawnBy = "0607",
         .pieces = Pieces{kRingAlongLength, kEndPiece, kEndPiece}},
        {.code = "0615",
         .family = kFamily06,
         .generate = &Fco0615,
         .domain = {.extra = &sideFlapRule},
         .parameters = P::FlapHeight,
         .pieces = Pieces{kRingAlongLength, kEndChannel, kEndChannel}},
        {.code = "0616",
         .family = kFamily06,
         .generate = &Fco0616,
         .domain = {.extra = &sideFlapRule},
         .parameters = P::FlapHeight,
         .pieces = Pieces{kRingAlongLength, kEndChannel, kEndChannel}},
        {.code = "0620",
         .family = kFamily06,
         .generate = &Fco0620,
         .confirmed = false,
         .domain = {.extra = &sideFlapRule},
         .parameters = P::FlapHeight,
         .pieces = Pieces{kRingAlongLength, kEndLeaf}},
        // A folder in one piece with a tucked lid, where the family's rule is a body and two
        // separate end pieces, and no description of the code itself was found.
        {.code = "0621",
         .family = kFamily06,
         .generate = &Fco0621,
         .confirmed = false,
         .domain = {.extra = &rule0621},
         .parameters =
             kSlots | P::GlueFlapWidth | P::GlueFlapAngle | P::FlapHeight | P::OverlapHeight,
         .pieces = Pieces{kClosedBox}},
    };
    return records;
}

}  // namespace brontaxe
