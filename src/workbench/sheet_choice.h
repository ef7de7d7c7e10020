#pragma once
// The template chooser's "Valider": the chosen template and the customer profile into the
// model and the preferences (section "FicheTechnique").

#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "platform/profile_file.h"

namespace brontaxe {

// A blank path or profile leaves its setting as it was. Returns the French reason when the
// preferences could not be written; the model is changed either way.
std::optional<std::string> storeSheetChoice(Model& m, const platform::PrivateProfile& settings,
                                            std::string_view templatePath,
                                            std::string_view profile);

}  // namespace brontaxe
