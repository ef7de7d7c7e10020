#include "tools/outside_programs.h"

#include "board/data_directory.h"
#include "platform/text.h"

namespace brontaxe::tools {
namespace {

constexpr std::size_t kBuffer = 256;

std::string read(const platform::PrivateProfile& settings, const char* key, const char* fallback) {
    const std::string value = settings.GetString(kProgramsSection, key, fallback, kBuffer,
                                                 std::filesystem::path(kPreferencesFileName));
    return platform::trimBlanks(value).empty() ? fallback : value;
}

}  // namespace

OutsidePrograms readOutsidePrograms(const platform::PrivateProfile& settings) {
    OutsidePrograms p;
    p.korvane3D = read(settings, "Korvane3D", kDefaultKorvane3D);
    p.korRcv = read(settings, "KorRCV", kDefaultKorRcv);
    p.korGeom = read(settings, "KorGEOM", kDefaultKorGeom);
    p.stapelix = read(settings, "Stapelix", kDefaultStapelix);
    return p;
}

bool writeOutsidePrograms(const platform::PrivateProfile& settings, const OutsidePrograms& p) {
    const std::filesystem::path file(kPreferencesFileName);
    return settings.WriteString(kProgramsSection, "Korvane3D", p.korvane3D, file) &&
           settings.WriteString(kProgramsSection, "KorRCV", p.korRcv, file) &&
           settings.WriteString(kProgramsSection, "KorGEOM", p.korGeom, file) &&
           settings.WriteString(kProgramsSection, "Stapelix", p.stapelix, file);
}

std::filesystem::path programFile(const std::string& configured,
                                  const platform::EnvironmentLookup& env) {
    return platform::mapWindowsPath(platform::trimBlanks(configured), env);
}

ProgramRun stapelixRun(const OutsidePrograms& programs, const platform::EnvironmentLookup& env) {
    const std::filesystem::path program = programFile(programs.stapelix, env);
    return {{program.string()}, program.parent_path().string()};
}

}  // namespace brontaxe::tools
