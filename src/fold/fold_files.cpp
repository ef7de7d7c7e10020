#include "fold/fold_files.h"

#include "fold/mesh_files.h"
#include "fold/style_folds.h"
#include "io/drawing_files.h"
#include "io/writers.h"

namespace brontaxe::fold {
namespace {

io::FileResult writeMesh(const Mesh& mesh, const std::filesystem::path& path,
                         std::string_view extension) {
    return io::writeTextFile(path, extension == "gltf" ? gltfText(mesh) : objText(mesh));
}

}  // namespace

bool isFoldFormat(const std::filesystem::path& path) {
    const io::FileFormat* f = io::formatForPath(path);
    return f && (f->extension == "obj" || f->extension == "gltf");
}

io::FileResult saveFoldedBlank(const FoldedBlank& model, const std::filesystem::path& path) {
    const io::FileFormat* format = io::formatForPath(path);
    const std::string_view extension = format ? format->extension : std::string_view{};
    const Mesh mesh = foldedMesh(model, placements(model, 1.0));
    return io::saveThrough(
        path, [&](const std::filesystem::path& temp) { return writeMesh(mesh, temp, extension); });
}

io::FileResult saveFoldedDesign(const Drawing& d, std::string_view code, const Model& m,
                                const std::filesystem::path& path) {
    return saveFoldedBlank(foldStyle(d, code, m), path);
}

}  // namespace brontaxe::fold
