#include "builders/crash_lock_body_half.h"

#include <algorithm>
#include <cmath>

#include "builders/emit.h"
#include "builders/shaped_body_half.h"
#include "drawing/pen_scope.h"
#include "model/machine_pass_entries.h"
#include "platform/errors.h"
#include "platform/rounding.h"

namespace brontaxe {
namespace {

// Side tapers, so that the flaps clear one another while the bottom swings in.
const float kLockTaper = std::tan(15.0f * 3.14159265f / 180);
const float kGlueTaper = std::tan(20.0f * 3.14159265f / 180);

float roundedHalf(float x) {
    return nearestInt16(x / 2 - 0.1f);
}

// Hooked lock flap: the half beside the glued corner stops short of the middle, the other
// half reaches past it with the tongue.
FlapShape lockFlap(CrashLockSizes s) {
    return [s](Drawing& d, float left, float right, float h) {
        const float shortTop = h + s.lockDepth - s.clearance;
        const float tongueTop = h + s.lockDepth + s.tongue;
        const float middle = (left + right) / 2;
        lineTo(d, right - (s.lockDepth - s.clearance) * kLockTaper, shortTop);
        lineTo(d, middle, shortTop);
        lineTo(d, middle, tongueTop);
        lineTo(d, left + (s.lockDepth + s.tongue) * kLockTaper, tongueTop);
        lineTo(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
    };
}

// Flap whose triangle beside the flat-folded corner is glued to the lock flap; the 45° fold
// from that corner lets the bottom fold flat with the case.
FlapShape gluedFlap(CrashLockSizes s) {
    return [s](Drawing& d, float left, float right, float h) {
        const float top = h + s.glueDepth;
        lineTo(d, right - s.glueDepth * kGlueTaper, top);
        lineTo(d, left, top);
        lineTo(d, left, h);
        const PenScope crease(d, kind::Crease);
        line(d, left, h, right, h);
        line(d, left, h, left + s.glueDepth, top);
    };
}

// Widths of the flap feet between the slots, as the body half leaves them.
std::array<float, 4> flapWidths(std::pair<float, float> slots, const std::array<float, 4>& p) {
    const auto [a, b] = slots;
    // Slot halves alternate from one crease to the next; the last flap runs to the free edge.
    return {p[0] - 2 * b, p[1] - 2 * a, p[2] - 2 * b, p[3] - a};
}

}  // namespace

CrashLockSizes crashLockSizes(const std::array<float, 4>& panels) {
    CrashLockSizes s;
    s.lockDepth = roundedHalf(panels[1]);
    s.glueDepth = std::min(roundedHalf(panels[0]), roundedHalf(panels[1]));
    return s;
}

std::string crashLockFault(std::pair<float, float> slots, const std::array<float, 4>& panels,
                           const CrashLockSizes& s) {
    if (s.lockDepth <= s.clearance || s.glueDepth <= 0)
        return "Fond automatique impossible : caisse trop étroite";
    const std::array<float, 4> w = flapWidths(slots, panels);
    for (std::size_t i : {0, 2}) {
        const float tongueRoom = w[i] / 2 - (s.lockDepth + s.tongue) * kLockTaper;
        const float shortRoom = w[i] / 2 - (s.lockDepth - s.clearance) * kLockTaper;
        if (tongueRoom <= 0 || shortRoom <= 0)
            return "Fond automatique impossible : rabats de verrouillage trop étroits";
    }
    for (std::size_t i : {1, 3})
        if (s.glueDepth * (1 + kGlueTaper) > w[i])
            return "Fond automatique impossible : rabats collés trop étroits";
    return {};
}

MachinePasses CrashLockBodyHalf(Drawing& d, const CrashLockBody& body,
                                const BlankSettings& settings, const FeaturePlacement& at) {
    const auto& panels = body.panels;
    const CrashLockSizes& s = body.lock;
    const std::string fault = crashLockFault(settings.slots, panels, s);
    if (!fault.empty())
        throw GenerationError(fault);
    MachinePasses p;
    const bool lowerHalf = at.mirrored;  // the lower half is the mirrored one
    p.set(machine_pass::flap(lowerHalf, machine_pass::kGlueTab), body.glue.extension);
    p.set(machine_pass::flap(lowerHalf, 1), s.lockDepth + s.tongue);
    p.set(machine_pass::flap(lowerHalf, 2), s.glueDepth);
    p.set(machine_pass::flap(lowerHalf, 3), s.lockDepth + s.tongue);
    p.set(machine_pass::flap(lowerHalf, 4), s.glueDepth);
    p.then(ShapedBodyHalf(d,
                          {.panels = panels,
                           .h = body.h,
                           .flaps = {lockFlap(s), gluedFlap(s), lockFlap(s), gluedFlap(s)},
                           .glue = body.glue},
                          settings, at));
    return p;
}

}  // namespace brontaxe
