#include "pallet/cape_study.h"

#include "pallet/cape_link.h"
#include "pallet/cif_files.h"

namespace brontaxe::pallet {

Preparation prepareCapeStudy(const platform::PrivateProfile& profile, const PalletStudy& study,
                             const std::string& repPalette, const std::string& date,
                             const platform::EnvironmentLookup& env) {
    Preparation p;
    const auto capePath = capePathSetting(profile);
    const auto openCmdLine = openCmdLineSetting(profile);
    if (!capePath || !openCmdLine) {
        p.problem = kCapeMissingText;
        p.missingSettings = true;
        return p;
    }
    PreparedStudy s;
    s.studyFile = studyPath(*capePath, study.kind, env);
    if (auto failed = writeStudyFile(s.studyFile, studyLines(study, date))) {
        p.problem = *failed;
        return p;
    }
    if (!writeReportSettings(profile, study, repPalette) || !markActiveConnection(profile)) {
        p.problem = "Impossible d'écrire les réglages " + std::string(kCapeSettingsFile);
        return p;
    }
    s.commandLine =
        capeCommandLine(*openCmdLine, kCapeUserText, studyWindowsPath(*capePath, study.kind));
    s.argv = capeArguments(*openCmdLine, kCapeUserText, s.studyFile, env);
    p.study = std::move(s);
    return p;
}

std::optional<CapeResults> collectCapeResults(const platform::PrivateProfile& profile,
                                              LoadKind kind, const ResultGrid& previous,
                                              const std::string& repPalette,
                                              const platform::EnvironmentLookup& env) {
    const auto returned = readReturns(profile);
    if (!returned)
        return std::nullopt;
    CapeResults r;
    r.grid = previous;
    r.image = copyResultImage(platform::mapWindowsPath(returned->image, env),
                              platform::mapWindowsPath(repPalette, env));
    if (auto lines = readResultLines(platform::mapWindowsPath(returned->text, env))) {
        r.grid = gridFromResultLines(*lines, kind);
        r.gridRead = true;
    }
    return r;
}

}  // namespace brontaxe::pallet
