#include "io/fold_files.h"

#include "fold/mesh_files.h"
#include "fold/style_folds.h"
#include "io/drawing_files.h"
#include "io/writers.h"

namespace brontaxe::io {
namespace {

FileResult writeMesh(const fold::Mesh& mesh, const std::filesystem::path& path,
                     std::string_view extension) {
    return writeTextFile(path, extension == "gltf" ? fold::gltfText(mesh) : fold::objText(mesh));
}

}  // namespace

bool isFoldFormat(const std::filesystem::path& path) {
    const FileFormat* f = formatForPath(path);
    return f && (f->extension == "obj" || f->extension == "gltf");
}

FileResult saveFoldedBlank(const fold::FoldedBlank& model, const std::filesystem::path& path) {
    const FileFormat* format = formatForPath(path);
    const std::string_view extension = format ? format->extension : std::string_view{};
    const fold::Mesh mesh = fold::foldedMesh(model, fold::placements(model, 1.0));
    return saveThrough(
        path, [&](const std::filesystem::path& temp) { return writeMesh(mesh, temp, extension); });
}

FileResult saveFoldedDesign(const Drawing& d, std::string_view code, const Model& m,
                            const std::filesystem::path& path) {
    return saveFoldedBlank(fold::foldStyle(d, code, m), path);
}

}  // namespace brontaxe::io
