#pragma once
#include "builders/lidded_body_half.h"

namespace brontaxe {

// The second end of a box with a lid at each end: the same lid, tuck-in flap, dust flaps and
// lip as the lidded body half, with the lid hinged on panel 3 and the lip on panel 1, so that
// the two lids close from opposite walls. Same arguments as the lidded body half (p5 is the
// width of the tuck-in flap of panel 3); the glue flap hangs on panel 1, or after panel 4 when
// `glueAfterPanel4` is set. Placed like a body half, mirrored for the lower half.
MachinePasses SecondLidBodyHalf(Drawing& d, const LidBody& body, const BlankSettings& s,
                                const FeaturePlacement& at = {});

}  // namespace brontaxe
