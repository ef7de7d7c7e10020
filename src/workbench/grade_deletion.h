#pragma once
// Deleting a board grade ("Suppression Qualité"): both tables lose it at once, and the design
// on show stays on its own grade under that grade's new number.

#include <optional>
#include <string>

#include "workbench/workbench.h"

namespace brontaxe {

// The number the design's grade `current` has once grade `deleted` is gone: one less when it
// came after it, grade 1 when it was the one deleted.
int gradeAfterDeletion(int current, int deleted);

// Deletes the grade and its allowances, renumbers the rest, saves both files, and applies the
// design's grade again (lookUpAllowances); the caller refills its grade list and regenerates. When
// the files cannot be written, nothing changes and the reason is returned.
std::optional<std::string> deleteGrade(Workbench& wb, int grade);

}  // namespace brontaxe
