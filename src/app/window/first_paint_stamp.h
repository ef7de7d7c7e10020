#pragma once
// For the start-up benchmark: the moment the drawing is first painted, written to a file as
// seconds since the epoch, so that a script can time a launch to its first painted drawing.

#include <string>

class QWidget;

namespace brontaxe::app {

// Watches `view` until its first paint has gone through, then writes the time to `file`.
void stampFirstPaint(QWidget& view, const std::string& file);

}  // namespace brontaxe::app
