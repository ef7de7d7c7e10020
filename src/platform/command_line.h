#pragma once
// Command lines of outside programs, kept as the one text the settings hold and split into an
// argument vector here, so that nothing ever passes through a shell.

#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace brontaxe::platform {

// Splits a command line the way the programs' own start-up code does: blanks and tabs
// separate arguments, a pair of double quotes keeps blanks inside one argument (the quotes
// themselves are dropped), two double quotes inside quotes stand for one. Backslashes are
// ordinary characters, since they separate the folders of the paths these lines hold.
std::vector<std::string> splitCommandLine(std::string_view line);

// The arguments with every path on drive C ("c:\korvane\x.des") moved to the folder standing
// for drive C on this system.
std::vector<std::string> mapDriveCArguments(std::vector<std::string> args,
                                            const EnvironmentLookup& env);

// A program's command line as argv: split, drive-C paths mapped, and, when the program's path
// was written without quotes and holds blanks (settings files drop the quotes around a whole
// value), the leading words joined again as long as they name no program and a longer run
// does, as the system's own process start does.
std::vector<std::string> programArguments(std::string_view line, const EnvironmentLookup& env);

}  // namespace brontaxe::platform
