#include "workbench/preferences.h"

#include "board/data_directory.h"

namespace brontaxe {
namespace {

// The buffer the program reads its preferences with.
constexpr std::size_t kPreferenceBuffer = 256;

std::string read(const platform::PrivateProfile& settings, std::string_view section,
                 std::string_view key, std::string_view fallback) {
    return settings.GetString(section, key, fallback, kPreferenceBuffer,
                              std::filesystem::path(kPreferencesFileName));
}

}  // namespace

void readPreferences(Model& m, const platform::PrivateProfile& settings) {
    m.Soft3D = read(settings, kPreferencesSection, kSoft3DKey, "KORVANE3D");
    m.Chemin3D = read(settings, kPreferencesSection, kChemin3DKey,
                      "C:\\Program Files\\Korvane3D\\korvane3d.exe ");
    m.NomModel = read(settings, kTechnicalSheetSection, kNomModelKey, "");
    m.Personnalisation =
        ProfileChoice::parse(read(settings, kTechnicalSheetSection, kPersonnalisationKey, ""));
}

const std::vector<std::string>& viewers3D() {
    static const std::vector<std::string> viewers{"KORVANE3D", "3DPRESENTER", "PLIAO"};
    return viewers;
}

std::optional<std::string> storeConfiguration(Model& m, const platform::PrivateProfile& settings,
                                              std::string_view profile, std::string_view viewer) {
    m.Personnalisation = ProfileChoice::parse(profile);
    m.Soft3D = std::string(viewer);
    const std::filesystem::path file(kPreferencesFileName);
    const bool written = settings.WriteString(kTechnicalSheetSection, kPersonnalisationKey,
                                              m.Personnalisation.name(), file) &&
                         settings.WriteString(kPreferencesSection, kSoft3DKey, m.Soft3D, file);
    if (!written)
        return "Impossible d'enregistrer la configuration dans " + settings.resolve(file).string();
    return std::nullopt;
}

}  // namespace brontaxe
