#include "styles/generators.h"

#include "styles/family_records.h"
#include "styles/style_records.h"

namespace brontaxe {

Generator findGenerator(std::string_view code) {
    // Known by the code it is registered under, not by a list entry or a typed form.
    const StyleRecord* r = findStyleRecord(code);
    return r && r->code == code ? r->generate : nullptr;
}

std::vector<std::string_view> generatorCodes() {
    std::vector<std::string_view> codes;
    for (const StyleRecord* r : styleRecords())
        if (r->generate)
            codes.push_back(r->code);
    codes.push_back(topBottomRecord().code);
    return codes;
}

}  // namespace brontaxe
