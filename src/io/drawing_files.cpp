#include "io/drawing_files.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

#include "io/des_format.h"
#include "io/page_layout.h"
#include "io/pdf_user_unit.h"
#include "io/writers.h"
#include "platform/number_text.h"
#include "platform/pending_files.h"
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

// A file nobody may write is not replaced behind its owner's back; the check looks at the
// permission bits too, since the superuser may write any file.
bool readOnly(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return false;
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & anyWrite) == fs::perms::none ||
           ::access(path.c_str(), W_OK) != 0;
}

// The new file takes the permissions of the one it replaces.
void keepPermissions(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    const fs::file_status status = fs::status(from, ec);
    if (!ec && fs::exists(status))
        fs::permissions(to, status.permissions(), ec);
}

std::optional<std::string> checkTarget(const fs::path& path) {
    std::error_code ec;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (!fs::is_directory(folder, ec))
        return "Dossier inexistant : " + quoted(folder);
    if (fs::is_directory(path, ec))
        return "Impossible d'écrire " + quoted(path) + " : c'est un dossier";
    if (readOnly(path))
        return "Fichier en lecture seule : " + quoted(path) + " n'est pas remplacé";
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

FileResult SaveDrawing(const Drawing& d, const fs::path& path, const WriteProgress& progress) {
    const FileFormat* format = formatForPath(path);
    return saveThrough(
        path, [&](const fs::path& temp) { return format->write(d, temp, progress); }, progress);
}

FileResult saveThrough(const fs::path& path,
                       const std::function<FileResult(const fs::path&)>& write,
                       const WriteProgress& progress) {
    if (auto problem = savePathProblem(path))
        return FileResult::failure(*problem);

    platform::removeStaleTemporaries(path);
    // Removed whatever ends the save before the rename, a signal included.
    const platform::PendingFile temp(platform::temporaryPathFor(path, ::getpid()));
    FileResult written = write(temp.path());
    if (progress.stopped())
        return FileResult::failure("Écriture interrompue : " + quoted(path) + " n'est pas écrit");
    if (!written.ok) {
        // The writer saw only the temporary name: the user chose the target.
        return FileResult::failure(cannotWriteMessage(path) + " (" + written.message + ")");
    }
    keepPermissions(path, temp.path());
    std::error_code ec;
    fs::rename(temp.path(), path, ec);
    if (ec)
        return FileResult::failure(cannotWriteMessage(path));
    return FileResult::success();
}

std::optional<std::string> pageSizeNotice(const Drawing& d, const fs::path& path) {
    const FileFormat* format = formatForPath(path);
    if (!format || (format->extension != "pdf" && format->extension != "ai"))
        return std::nullopt;
    const PageLayout page = pageLayoutFor(d);
    const double longest = std::max(page.widthMm, page.heightMm);
    if (longest <= kPdfReaderLimitMm)
        return std::nullopt;
    const std::string unit = platform::numberText(pdfUserUnit(longest));
    return "page PDF de " + platform::formatNumber(longest / 1000, "#######0.00") +
           " m, plus de 5.08 m (200 pouces) : écrite à l'échelle 1/" + unit +
           " avec l'unité utilisateur PDF " + unit +
           ", que Ghostscript applique (taille réelle) ; d'autres lecteurs, dont ceux de " +
           "poppler, la montrent à l'échelle 1/" + unit;
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
