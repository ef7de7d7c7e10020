#pragma once
// Elements of a technical sheet inserted beside the blank: its frame and captions, and the
// texts that show the value of field i (flag kFlagSheetField + i, i from 1). They are neither
// part of the blank's size nor of its totals, and follow the blank when it is drawn again.

#include <cstdint>

#include "drawing/element.h"
#include "drawing/geometry.h"

namespace brontaxe {

class Drawing;

inline constexpr std::int32_t kFlagSheet = 20;
inline constexpr std::int32_t kFlagSheetField = 1000;
inline constexpr std::int32_t kMaxSheetFieldFlag = kFlagSheetField + 199;

inline bool isSheetElement(const Element& e) {
    return e.flag == kFlagSheet || (e.flag > kFlagSheetField && e.flag <= kMaxSheetFieldFlag);
}

// Lines and arcs of the technical sheet shown in the drawing.
Box sheetExtents(const Drawing& d);

}  // namespace brontaxe
