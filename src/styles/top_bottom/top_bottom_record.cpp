// The record of the top and bottom box: the combiner draws it, from the two styles' own.

#include "styles/family_records.h"
#include "styles/top_bottom/architecture.h"

namespace brontaxe {

const StyleRecord& topBottomRecord() {
    static const StyleRecord record{.code = "/",
                                    .family = 1,
                                    .generate = &Architecture,
                                    .domain = {.extra = &architectureRule}};
    return record;
}

}  // namespace brontaxe
