#pragma once
// The picture of a closure in the architecture chooser: the half the closure builds, drawn by
// the program itself on the current sizes (a top stands on its mid-line, a bottom hangs below).

#include <QPixmap>
#include <QSize>
#include <cstdint>

#include "model/model.h"

namespace brontaxe::app {

// An empty picture when the half cannot be drawn on these sizes.
QPixmap closurePicture(const Model& model, std::int16_t closure, bool top, QSize size);

}  // namespace brontaxe::app
