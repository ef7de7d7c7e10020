#pragma once
// The folded blank in the 3D formats common viewers open: Wavefront OBJ (millimetres) and
// glTF 2.0 (metres, as the format wants; one mesh, its buffer inside the file).

#include <string>

#include "fold/folded_blank.h"

namespace brontaxe::fold {

std::string objText(const Mesh& mesh);
std::string gltfText(const Mesh& mesh);

}  // namespace brontaxe::fold
