#pragma once
// What each folder and tray erects into: one piece standing on its base (the wrap-round
// folders on a slotted body stand on their walls' creases).

#include <optional>
#include <string_view>
#include <vector>

#include "fold/style_forms.h"

namespace brontaxe::fold {

// The pieces a folder or tray of `code` erects into, or nothing for a code of another family.
std::optional<std::vector<PieceShape>> declaredFolderPieces(std::string_view code);

}  // namespace brontaxe::fold
