#pragma once
// The rules by which the main window takes what is typed, kept apart from any toolkit.

#include <optional>
#include <string>
#include <string_view>

namespace brontaxe {

// True when the leading number of the box's text, read as a single, differs from the stored
// value: only then is the entry taken and the drawing regenerated ("400.0" or "0400" where
// 400 is stored changes nothing).
bool boxValueDiffers(std::string_view text, float stored);

// The drawing file name given on the command line: blanks around it dropped, and when it
// starts with a double quote its first and last characters too. No command line at all gives
// nullopt (the current name is kept); a line of blanks gives an empty name.
std::optional<std::string> fileNameFromCommandLine(std::optional<std::string_view> commandLine);

}  // namespace brontaxe
