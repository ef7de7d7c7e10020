#pragma once
// Where two rules meet.

namespace brontaxe {

// Two ends of rules closer than this are one point, whoever compares them: the die-line
// readers, the rule report, the design-rule check, the outer contour and the bridges, so that
// no figure depends on which of them looked. A hundredth of a millimetre: a file written in
// inches to four decimals moves each end by up to 0.0018 mm, and programs that write a shape's
// sides one by one leave gaps of a few thousandths; a cutting table draws nothing that fine.
inline constexpr double kJoinTolerance = 0.01;

}  // namespace brontaxe
