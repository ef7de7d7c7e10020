// The formats Cairo draws: PDF (and .ai, which Illustrator opens as PDF), EPS, SVG, and the
// bitmaps PNG and BMP.
#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "io/cairo_render.h"
#include "io/pdf_user_unit.h"
#include "io/writers.h"
#include "platform/profile_file.h"

namespace brontaxe::io {
namespace {

struct SurfaceCloser {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceCloser>;

// Cairo's reasons in French; the rare ones by their number.
std::string statusText(cairo_status_t status) {
    switch (status) {
        case CAIRO_STATUS_NO_MEMORY:
            return "mémoire insuffisante";
        case CAIRO_STATUS_WRITE_ERROR:
            return "erreur d'écriture (disque plein ou protégé ?)";
        case CAIRO_STATUS_READ_ERROR:
            return "erreur de lecture";
        case CAIRO_STATUS_FILE_NOT_FOUND:
            return "fichier introuvable";
        case CAIRO_STATUS_INVALID_SIZE:
            return "taille de page ou d'image incorrecte";
        case CAIRO_STATUS_INVALID_MATRIX:
            return "transformation incorrecte (dessin trop grand ?)";
        case CAIRO_STATUS_INVALID_STRING:
            return "texte incorrect (UTF-8)";
        case CAIRO_STATUS_FONT_TYPE_MISMATCH:
        case CAIRO_STATUS_USER_FONT_ERROR:
            return "erreur de police";
        default:
            return "erreur de dessin Cairo n° " + std::to_string(static_cast<int>(status));
    }
}

FileResult statusResult(cairo_status_t status) {
    if (status == CAIRO_STATUS_SUCCESS)
        return FileResult::success();
    return FileResult::failure(statusText(status));
}

// Draws one page on a surface that writes its file when finished.
FileResult drawAndFinish(cairo_surface_t* surface, const Drawing& d, const PageLayout& page,
                         double unitsPerMm, const WriteProgress& progress) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return statusResult(cairo_surface_status(surface));
    cairo_t* cr = cairo_create(surface);
    if (!renderDrawing(cr, d, page, unitsPerMm, progress)) {
        cairo_destroy(cr);
        cairo_surface_finish(surface);
        return FileResult::failure(stoppedText());
    }
    cairo_show_page(cr);
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (drawn != CAIRO_STATUS_SUCCESS)
        return statusResult(drawn);
    return statusResult(cairo_surface_status(surface));
}

// An opaque white image of the whole page; null when the user stopped it.
SurfacePtr renderBitmap(const Drawing& d, const WriteProgress& progress) {
    const PageLayout page = pageLayoutFor(d);
    const BitmapSize size = bitmapSizeFor(page);
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width, size.height));
    cairo_t* cr = cairo_create(surface.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const bool drawn = renderDrawing(cr, d, page, size.pixelsPerMm, progress, 1.0);
    cairo_destroy(cr);
    if (!drawn)
        return nullptr;
    cairo_surface_flush(surface.get());
    return surface;
}

}  // namespace

FileResult writePdf(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const PageLayout page = pageLayoutFor(d);
    const double unit = pdfUserUnit(std::max(page.widthMm, page.heightMm));
    const double pointsPerMm = kPointsPerMm / unit;
    SurfacePtr surface(cairo_pdf_surface_create(path.c_str(), page.widthMm * pointsPerMm,
                                                page.heightMm * pointsPerMm));
    FileResult drawn = drawAndFinish(surface.get(), d, page, pointsPerMm, progress);
    surface.reset();
    if (!drawn.ok || unit == 1)
        return drawn;
    const auto text = platform::readWholeFile(path);
    if (!text)
        return FileResult::failure("relecture impossible pour l'unité utilisateur PDF");
    const auto mended = withUserUnit(*text, unit);
    if (!mended)
        return FileResult::failure("unité utilisateur PDF impossible à écrire");
    return writeTextFile(path, *mended);
}

FileResult writeEps(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const PageLayout page = pageLayoutFor(d);
    SurfacePtr surface(cairo_ps_surface_create(path.c_str(), page.widthMm * kPointsPerMm,
                                               page.heightMm * kPointsPerMm));
    cairo_ps_surface_set_eps(surface.get(), 1);
    return drawAndFinish(surface.get(), d, page, kPointsPerMm, progress);
}

FileResult writeSvg(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const PageLayout page = pageLayoutFor(d);
    // One user unit a millimetre, and the document size said in millimetres.
    SurfacePtr surface(cairo_svg_surface_create(path.c_str(), page.widthMm, page.heightMm));
    cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_MM);
    return drawAndFinish(surface.get(), d, page, 1.0, progress);
}

FileResult writePng(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const SurfacePtr surface = renderBitmap(d, progress);
    if (!surface)
        return FileResult::failure(stoppedText());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return statusResult(cairo_surface_status(surface.get()));
    // Encoded in memory, then written with a checked write (a full disk is reported).
    std::string bytes;
    const cairo_status_t encoded = cairo_surface_write_to_png_stream(
        surface.get(),
        [](void* closure, const unsigned char* data, unsigned int length) {
            static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    if (encoded != CAIRO_STATUS_SUCCESS)
        return statusResult(encoded);
    return writeTextFile(path, bytes);
}

FileResult writeBmp(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const SurfacePtr surface = renderBitmap(d, progress);
    if (!surface)
        return FileResult::failure(stoppedText());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return statusResult(cairo_surface_status(surface.get()));
    const int width = cairo_image_surface_get_width(surface.get());
    const int height = cairo_image_surface_get_height(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    // Cairo keeps a pixel as one native 32-bit word 0x00RRGGBB.
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t px = row[x];
            unsigned char* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = static_cast<unsigned char>(px >> 16);
            out[1] = static_cast<unsigned char>(px >> 8);
            out[2] = static_cast<unsigned char>(px);
        }
    }
    std::string bytes;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                                   static_cast<std::size_t>(size));
    };
    if (stbi_write_bmp_to_func(append, &bytes, width, height, 3, rgb.data()) == 0)
        return FileResult::failure("codage de l'image impossible");
    return writeTextFile(path, bytes);
}

}  // namespace brontaxe::io
