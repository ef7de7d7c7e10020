#pragma once
// Writing the folded blank of the design in a 3D file, chosen by extension (.obj, .gltf).

#include <filesystem>
#include <string_view>

#include "fold/folded_blank.h"
#include "io/file_format.h"
#include "model/model.h"

namespace brontaxe::io {

// A 3D format: the file holds the folded box, not the drawing.
bool isFoldFormat(const std::filesystem::path& path);

// Writes the folded blank at the full fold, whole or not at all (as every drawing file).
FileResult saveFoldedBlank(const fold::FoldedBlank& model, const std::filesystem::path& path);

// The blank of `code` drawn in `d` for `m`, folded as its style folds, written.
FileResult saveFoldedDesign(const Drawing& d, std::string_view code, const Model& m,
                            const std::filesystem::path& path);

}  // namespace brontaxe::io
