#include "workbench/sheet_choice.h"

#include "board/data_directory.h"
#include "platform/text.h"
#include "workbench/preferences.h"

namespace brontaxe {

std::optional<std::string> storeSheetChoice(Model& m, const platform::PrivateProfile& settings,
                                            std::string_view templatePath,
                                            std::string_view profile) {
    const std::filesystem::path file(kPreferencesFileName);
    bool written = true;
    const std::string path(platform::trimBlanks(templatePath));
    if (!path.empty()) {
        m.NomModel = path;
        written = settings.WriteString(kTechnicalSheetSection, kNomModelKey, path, file);
    }
    const ProfileChoice chosen = ProfileChoice::parse(profile);
    if (!chosen.name().empty()) {
        m.Personnalisation = chosen;
        written = settings.WriteString(kTechnicalSheetSection, kPersonnalisationKey, chosen.name(),
                                       file) &&
                  written;
    }
    if (!written)
        return "Impossible d'enregistrer le modèle de fiche technique dans " +
               settings.resolve(file).string();
    return std::nullopt;
}

}  // namespace brontaxe
