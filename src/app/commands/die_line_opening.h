#pragma once
// "Ouvrir..." of a die-line made elsewhere (.dxf, .cf2): the unit asked when the file gives
// none, the kinds of unknown layers asked and remembered, then the die-line drawn in place of
// the design. A file that cannot be read changes nothing.

#include <filesystem>

#include "io/file_format.h"
#include "workbench/workbench.h"

class QWidget;

namespace brontaxe::app {

struct DieLineOpening {
    io::FileResult result;
    RegenerationReport report;
    bool cancelled = false;  // the user left a question: nothing opened, nothing said
};

DieLineOpening openDieLineFile(QWidget* parent, Workbench& wb, const std::filesystem::path& path);

}  // namespace brontaxe::app
