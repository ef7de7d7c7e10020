#include "pallet/cape_link.h"

#include <fstream>

#include "platform/command_line.h"
#include "platform/number_text.h"
#include "platform/text.h"

namespace brontaxe::pallet {
namespace {

constexpr std::size_t kBuffer = 256;

std::optional<std::string> setting(const platform::PrivateProfile& profile, const char* section,
                                   const char* key) {
    std::string value = profile.GetString(section, key, "", kBuffer, kCapeSettingsFile);
    if (platform::trimBlanks(value).empty())
        return std::nullopt;
    return value;
}

const char* studyFileName(LoadKind kind) {
    return kind == LoadKind::FlatBlanks ? kBlankStudyName : kCaseStudyName;
}

}  // namespace

std::string CompatiblePath(std::string_view path) {
    std::string p(platform::trimBlanks(path));
    if (p.empty() || p.back() != '\\')
        p += '\\';
    return p;
}

std::optional<std::string> capePathSetting(const platform::PrivateProfile& profile) {
    return setting(profile, "general", "CAPEPath");
}

std::optional<std::string> openCmdLineSetting(const platform::PrivateProfile& profile) {
    return setting(profile, "general", "openCmdLine");
}

bool outsideProgramConfigured(const platform::PrivateProfile& profile) {
    return capePathSetting(profile) && openCmdLineSetting(profile);
}

std::string studyWindowsPath(const std::string& capePath, LoadKind kind) {
    return capePath + "tutor\\" + studyFileName(kind);
}

std::filesystem::path studyPath(const std::string& capePath, LoadKind kind,
                                const platform::EnvironmentLookup& env) {
    std::string folder(platform::trimBlanks(capePath));
    return platform::mapWindowsPath(folder, env) / "tutor" / studyFileName(kind);
}

bool writeReportSettings(const platform::PrivateProfile& profile, const PalletStudy& study,
                         const std::string& repPalette) {
    const double type = platform::leadingNumber(study.reportType);
    const bool known = type == 0 || type == 1;
    bool ok = profile.WriteString("General", "ReportType", known ? platform::numberText(type) : "0",
                                  kCapeSettingsFile);
    if (type == 1) {
        ok = profile.WriteString("General", "units", "0", kCapeSettingsFile) && ok;
        ok = profile.WriteString("General", "width", study.imageWidth, kCapeSettingsFile) && ok;
        ok = profile.WriteString("General", "height", study.imageHeight, kCapeSettingsFile) && ok;
    }
    ok = profile.WriteString("General", "DiagramType", "8", kCapeSettingsFile) && ok;
    ok =
        profile.WriteString("returns", "jpeg", repPalette + "arr_excel_m.jpg", kCapeSettingsFile) &&
        ok;
    return ok;
}

bool markActiveConnection(const platform::PrivateProfile& profile) {
    return profile.WriteString("general", "ActiveConnection", "1", kCapeSettingsFile);
}

std::string capeCommandLine(const std::string& openCmdLine, const std::string& userText,
                            const std::string& studyFile) {
    return openCmdLine + " /cif" + "\"" + userText + "\"" + studyFile;
}

std::vector<std::string> capeArguments(const std::string& openCmdLine, const std::string& userText,
                                       const std::filesystem::path& studyFile,
                                       const platform::EnvironmentLookup& env) {
    std::vector<std::string> args = platform::programArguments(openCmdLine, env);
    args.push_back("/cif");
    args.push_back(userText);
    args.push_back(studyFile.string());
    return args;
}

std::optional<CapeReturns> readReturns(const platform::PrivateProfile& profile) {
    auto text = setting(profile, "returns", "txt");
    auto image = setting(profile, "returns", "jpeg");
    if (!text || !image)
        return std::nullopt;
    return CapeReturns{*text, *image};
}

std::string fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::vector<std::string>> readResultLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines(58);
    std::string line;
    for (std::size_t i = 1; i <= 57 && std::getline(in, line); ++i)
        lines[i] = std::string(platform::trimBlanks(line));
    return lines;
}

std::optional<std::filesystem::path> copyResultImage(const std::filesystem::path& image,
                                                     const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(image, ec))
        return std::nullopt;
    const std::filesystem::path copy = folder / fileNameOf(image.string());
    if (std::filesystem::equivalent(image, copy, ec))
        return copy;  // copying a file onto itself would only risk emptying it
    std::filesystem::create_directories(folder, ec);
    std::filesystem::copy_file(image, copy, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        return std::nullopt;
    return copy;
}

}  // namespace brontaxe::pallet
