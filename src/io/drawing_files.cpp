#include "io/drawing_files.h"

#include <unistd.h>

#include <fstream>
#include <optional>
#include <system_error>

#include "io/des_format.h"
#include "io/writers.h"
#include "platform/profile_file.h"

namespace brontaxe::io {
namespace fs = std::filesystem;
namespace {

std::string quoted(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

std::string unknownFormatMessage(const fs::path& path) {
    const std::string formats = " (formats pris en charge : " + supportedExtensionsText() + ")";
    if (path.extension().string().size() < 2)
        return "Extension de fichier manquante : " + quoted(path.filename()) + formats;
    return "Format de fichier inconnu : " + quoted(path.extension()) + formats;
}

// Hidden, beside the target so that the rename stays on one file system.
fs::path temporaryPathFor(const fs::path& path) {
    fs::path temp = path.parent_path();
    temp /= "." + path.filename().string() + ".tmp" + std::to_string(::getpid());
    return temp;
}

std::optional<std::string> checkTarget(const fs::path& path) {
    std::error_code ec;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (!fs::is_directory(folder, ec))
        return "Dossier inexistant : " + quoted(folder);
    if (fs::is_directory(path, ec))
        return "Impossible d'écrire " + quoted(path) + " : c'est un dossier";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> savePathProblem(const fs::path& path) {
    if (path.filename().empty())
        return "Nom de fichier manquant";
    if (!formatForPath(path))
        return unknownFormatMessage(path);
    return checkTarget(path);
}

FileResult SaveDrawing(const Drawing& d, const fs::path& path) {
    if (auto problem = savePathProblem(path))
        return FileResult::failure(*problem);
    const FileFormat* format = formatForPath(path);

    const fs::path temp = temporaryPathFor(path);
    std::error_code ec;
    FileResult written = format->write(d, temp);
    if (!written.ok) {
        fs::remove(temp, ec);
        // The writer saw only the temporary name: the user chose the target.
        return FileResult::failure(cannotWriteMessage(path) + " (" + written.message + ")");
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return FileResult::failure(cannotWriteMessage(path));
    }
    return FileResult::success();
}

FileResult OpenDrawing(Drawing& d, const fs::path& path) {
    const FileFormat* format = formatForPath(path);
    if (!format)
        return FileResult::failure(unknownFormatMessage(path));
    if (!format->readable) {
        return FileResult::failure("Format non lisible : seuls les dessins .des s'ouvrent (" +
                                   quoted(path.filename()) + ")");
    }
    const auto text = platform::readWholeFile(path);
    if (!text)
        return FileResult::failure("Fichier introuvable ou illisible : " + quoted(path));
    return readDesText(*text, d);
}

std::string cannotWriteMessage(const fs::path& path) {
    return "Impossible d'écrire le fichier " + quoted(path);
}

FileResult writeTextFile(const fs::path& path, std::string_view contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return FileResult::failure("ouverture impossible");
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out)
        return FileResult::failure("écriture incomplète, disque plein ?");
    out.close();
    if (out.fail())
        return FileResult::failure("écriture incomplète, disque plein ?");
    return FileResult::success();
}

}  // namespace brontaxe::io
