#pragma once
// The window's command line: a drawing file name that becomes the save name, as it always
// was, and the few options a desktop needs (open a drawing on a double click, --help and
// --version for the shell and the manual page).

#include <optional>
#include <string>
#include <vector>

namespace brontaxe::app {

struct WindowArguments {
    bool help = false;
    bool version = false;
    std::optional<std::string> openFile;     // --ouvrir FILE: opened as "Ouvrir..." does
    std::optional<std::string> commandLine;  // the rest, joined by blanks: the save name
};

// `args` without the program's name, Qt's own options already taken out.
WindowArguments readWindowArguments(const std::vector<std::string>& args);

std::string windowHelpText();
std::string windowVersionText();

}  // namespace brontaxe::app
