// The records of the slide boxes (05 family), in the order the code list shows them.

#include <vector>

#include "styles/05/fco500.h"
#include "styles/05/fco500_rules.h"
#include "styles/05/fco500_sizes.h"
#include "styles/family_records.h"
#include "styles/piece_shapes.h"

namespace brontaxe {
namespace {

using P = StyleParameter;
constexpr int kFamily05 = 4;

}  // namespace

const std::vector<StyleRecord>& fco500Records() {
    static const std::vector<StyleRecord> records = {
        {.code = "0501",
         .family = kFamily05,
         .generate = &Fco0501,
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kSleeve},
         .allowances = {.multiPiece = true}},
        {.code = "0502",
         .family = kFamily05,
         .generate = &Fco0502,
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kRingAlongLength},
         .allowances = {.multiPiece = true}},
        {.code = "0503",
         .family = kFamily05,
         .generate = &Fco0503,
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kRingAlongWidth},
         .allowances = {.multiPiece = true}},
        {.code = "0504",
         .family = kFamily05,
         .generate = &Fco0504,
         .domain = {.extra = [](const Model& m) { return slideFitRefusal(m, "0504"); }},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kSleeve, kRingAlongWidth}},
        {.code = "0505",
         .family = kFamily05,
         .generate = &Fco0505,
         .domain = {.extra = [](const Model& m) { return slideFitRefusal(m, "0505"); }},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kRingAlongLength, kRingAlongWidth}},
        {.code = "0507",
         .family = kFamily05,
         .generate = &Fco0507,
         .confirmed = false,
         .domain = {.extra = [](const Model& m) { return slideFitRefusal(m, "0507"); }},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kSleeve, kRingAlongLength}},
        {.code = "0508",
         .family = kFamily05,
         .generate = &Fco0508,
         .confirmed = false,
         .domain = {.extra = [](const Model& m) { return slideFitRefusal(m, "0508"); }},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kRingAlongLength, kSleeve}},
        {.code = "0509",
         .family = kFamily05,
         .generate = &Fco0509,
         .domain = {.extra = &rule0509},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kTube, kSleeve}},
        {.code = "0599", .family = kFamily05, .drawnBy = "0509"},
        {.code = "0510",
         .family = kFamily05,
         .generate = &Fco0510,
         .confirmed = false,
         .domain = {.extra = [](const Model& m) { return slideFitRefusal(m, "0510"); }},
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kRingAlongWidth, kSleeve}},
        {.code = "0511",
         .family = kFamily05,
         .generate = &Fco0511,
         .confirmed = false,
         .domain = {.extra = &rule0511},
         .folds = &folds0511,
         .parameters = P::GlueFlapWidth | P::GlueFlapAngle | P::TuckFlapHeight,
         .pieces = Pieces{kOpenTopBox, kRingAlongLength}},
        {.code = "0512",
         .family = kFamily05,
         .generate = &Fco0512,
         .confirmed = false,
         .domain = {.extra = &rule0512},
         .folds = &folds0512,
         .parameters = kSlots | P::GlueFlapWidth | P::GlueFlapAngle,
         .pieces = Pieces{kOpenTopBox, kRingAlongLength}},
    };
    return records;
}

}  // namespace brontaxe
