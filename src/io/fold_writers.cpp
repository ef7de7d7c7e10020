#include "fold/folded_blank.h"
#include "fold/mesh_files.h"
#include "io/writers.h"

namespace brontaxe::io {

FileResult writeObj(const Drawing& d, const std::filesystem::path& path, const WriteProgress&) {
    const fold::FoldedBlank m = fold::foldBlank(d, 0);
    return writeTextFile(path, fold::objText(fold::foldedMesh(m, fold::placements(m, 1.0))));
}

FileResult writeGltf(const Drawing& d, const std::filesystem::path& path, const WriteProgress&) {
    const fold::FoldedBlank m = fold::foldBlank(d, 0);
    return writeTextFile(path, fold::gltfText(fold::foldedMesh(m, fold::placements(m, 1.0))));
}

}  // namespace brontaxe::io
