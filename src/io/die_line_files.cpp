#include <algorithm>
#include <cctype>

#include "io/die_line_import.h"
#include "platform/profile_file.h"

namespace brontaxe::io {
namespace {

std::string lowerExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

}  // namespace

bool isDieLinePath(const std::filesystem::path& path) {
    const std::string ext = lowerExtension(path);
    return ext == ".dxf" || ext == ".cf2" || ext == ".cff2";
}

FileResult openDieLine(Drawing& d, const std::filesystem::path& path, const ImportOptions& options,
                       ImportReport& report) {
    const std::string name = "\"" + path.filename().string() + "\"";
    if (!isDieLinePath(path))
        return FileResult::failure("Format de découpe inconnu : " + name + " (.dxf ou .cf2)");
    const auto text = platform::readWholeFile(path);
    if (!text)
        return FileResult::failure("Fichier introuvable ou illisible : \"" + path.string() + "\"");
    Drawing read;
    ImportReport readReport;
    const FileResult r = lowerExtension(path) == ".dxf"
                             ? readDxfText(*text, options, read, readReport)
                             : readCff2Text(*text, options, read, readReport);
    if (!r.ok)
        return FileResult::failure("Découpe illisible " + name + ", " + r.message);
    if (read.ElementCount() == 0)
        return FileResult::failure("Découpe vide : " + name + " ne contient aucun trait");
    d = std::move(read);
    report = std::move(readReport);
    return FileResult::success();
}

}  // namespace brontaxe::io
