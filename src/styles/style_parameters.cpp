#include "styles/style_parameters.h"

#include "styles/style_records.h"

namespace brontaxe {

StyleParameters usedParameters(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    return r ? r->parameters : StyleParameters{};
}

}  // namespace brontaxe
