#pragma once
// The folders and trays whose blank does not erect into its box yet, with the reason.

#include <optional>
#include <string_view>

namespace brontaxe::fold {

// Why the folder or tray `code` does not erect into its box yet (French), or nothing.
std::optional<std::string_view> folderNotFoldingYet(std::string_view code);

}  // namespace brontaxe::fold
