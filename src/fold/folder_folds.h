#pragma once
// How the folders and trays fold where the default angles do not make their box, and the ones
// whose blank does not erect into its box yet, with the reason.

#include <optional>
#include <string_view>

#include "fold/folded_blank.h"

namespace brontaxe::fold {

// The folds of the folder or tray `code` that differ from the default angles: a flap beyond a
// rolled wall's inner layer (0471's second floor) turns back in across the bottom.
void foldFolder(FoldedBlank& m, std::string_view code);

// Why the folder or tray `code` does not erect into its box yet (French), or nothing.
std::optional<std::string_view> folderNotFoldingYet(std::string_view code);

}  // namespace brontaxe::fold
