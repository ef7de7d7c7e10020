#pragma once
// The design-rule check of what a workbench has just drawn, and what the front ends do with
// it: the die-making files are not written from a blank with findings unless forced.

#include <filesystem>
#include <vector>

#include "check/design_check.h"
#include "workbench/workbench.h"

namespace brontaxe {

// The check of the workbench's drawing under the code its regeneration dispatched to; no
// finding when nothing is drawn.
std::vector<Finding> checkRegenerated(const Workbench& wb);

// CF2 and DXF go to the die maker: a blank with findings is not written in them.
bool isDieMakingFile(const std::filesystem::path& path);

}  // namespace brontaxe
