#pragma once
// The rules by which the main window takes what is typed, kept apart from any toolkit.

#include <optional>
#include <string>
#include <string_view>

#include "model/number_entry.h"

namespace brontaxe {

// True when the number in the box's text, read as a single, differs from the stored value:
// only then is the entry taken and the drawing regenerated ("400.0" or "0400" where 400 is
// stored changes nothing). A decimal comma reads as a point.
bool boxValueDiffers(std::string_view text, float stored);

// The number boxes of the main window.
enum class NumberBox {
    Longueur,
    Largeur,
    Hauteur,
    FmtCartonX,
    FmtCartonY,
    MargeX,
    MargeY,
    NbPoseX,
    NbPoseY,
    EspPoseX,
    EspPoseY,
};

// The entry of a number box: a number within the range of the box's model field, or the
// reason it is refused. A pose count is a whole number from 1 to 100.
NumberEntry readNumberBox(NumberBox box, std::string_view text);

// The drawing file name given on the command line: blanks around it dropped, and when it
// starts with a double quote its first and last characters too. No command line at all gives
// nullopt (the current name is kept); a line of blanks gives an empty name.
std::optional<std::string> fileNameFromCommandLine(std::optional<std::string_view> commandLine);

}  // namespace brontaxe
