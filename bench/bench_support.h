#pragma once
// Workbenches for the benchmarks: start-up values and the shipped tables, as on a fresh install.

#include "workbench/workbench.h"

namespace brontaxe::bench {

inline Workbench startedWorkbench() {
    Workbench wb(platform::PrivateProfile("/nonexistent/brontaxe-bench"));
    wb.startUp();
    return wb;
}

// A 0201 imposed `x` by `y`, regenerated once.
inline Workbench imposed0201(int x, int y) {
    Workbench wb = startedWorkbench();
    wb.window().codeText = "0201";
    wb.imposition().AvecImpos = x * y > 1;
    wb.model().NbPoseX = static_cast<std::int16_t>(x);
    wb.model().NbPoseY = static_cast<std::int16_t>(y);
    wb.regenerate();
    return wb;
}

}  // namespace brontaxe::bench
