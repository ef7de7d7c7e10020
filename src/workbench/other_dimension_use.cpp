#include "workbench/other_dimension_use.h"

#include <optional>

#include "params/other_dimensions.h"
#include "styles/style_parameters.h"

namespace brontaxe {
namespace {

static_assert(kFieldBridgeWidth - 2 == kStyleParameterCount,
              "every parameter has its field, in the same order");

// The parameter behind a field: the fields follow the parameters' order, the two crease lists
// and the bridges aside.
std::optional<StyleParameter> parameterOfField(int field) {
    if (field < 0 || field >= kFieldBridgeWidth || field == kFieldCreasesHorizontal ||
        field == kFieldCreasesVertical)
        return std::nullopt;
    const int index = field > kFieldCreasesVertical ? field - 2 : field;
    return static_cast<StyleParameter>(index);
}

}  // namespace

bool otherDimensionFieldUsed(std::string_view code, int field) {
    const StyleParameters used = usedParameters(code);
    const std::optional<StyleParameter> parameter = parameterOfField(field);
    return used.empty() || !parameter || used.contains(*parameter);
}

}  // namespace brontaxe
