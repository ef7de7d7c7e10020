#pragma once
// The preferences the main window reads at start-up and the configuration dialog writes:
// the 3D viewer and its path, the technical-sheet template and the customer profile.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "platform/profile_file.h"

namespace brontaxe {

inline constexpr std::string_view kSoft3DKey = "Soft3D";
inline constexpr std::string_view kChemin3DKey = "Chemin3D";
inline constexpr std::string_view kTechnicalSheetSection = "FicheTechnique";
inline constexpr std::string_view kNomModelKey = "NomModel";
inline constexpr std::string_view kPersonnalisationKey = "Personnalisation";

// `Soft3D`, `Chemin3D`, `NomModel` and `Personnalisation` (read as a `ProfileChoice`) from
// "korparam.ini"; a missing key gives its default.
void readPreferences(Model& m, const platform::PrivateProfile& settings);

// The 3D viewers of the configuration dialog, in order.
const std::vector<std::string>& viewers3D();

// The configuration dialog's "Valider": the profile and the viewer into the model and the
// preferences. Returns the French reason when the preferences could not be written; the
// model is changed either way, as the dialog asked.
std::optional<std::string> storeConfiguration(Model& m, const platform::PrivateProfile& settings,
                                              std::string_view profile, std::string_view viewer);

}  // namespace brontaxe
