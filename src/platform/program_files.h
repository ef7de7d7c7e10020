#pragma once
// The files that come with the program (tables, template, manual): beside the installed binary
// (<prefix>/bin/brontaxe finds <prefix>/share/brontaxe), or in the source and build trees when
// it runs from its build folder.

#include <filesystem>
#include <optional>

#include "platform/paths.h"

namespace brontaxe::platform {

// The running program's binary (/proc/self/exe); empty when the system does not say.
std::filesystem::path runningExecutable();

// <prefix>/share/brontaxe when `executable` lies in <prefix>/bin and that folder exists, so
// that a copy installed under any prefix finds its own files; nullopt in the build folder.
std::optional<std::filesystem::path> installedShareDirectory(
    const std::filesystem::path& executable);

// The user manual for printing: a PDF laid where the program always looked for it
// (c:\wkorvane\doc\brontaxe.pdf on drive C), else the one installed with the program's
// documents (<prefix>/share/doc/brontaxe), or for a program run from its build folder the one
// the build made. The file may be missing.
std::filesystem::path manualFile(const EnvironmentLookup& env,
                                 const std::filesystem::path& executable);

// The user manual the help window shows: its Markdown, installed in
// <prefix>/share/help/fr/brontaxe with its pictures beside it, or in the source tree for a
// program run from its build folder. The file may be missing.
std::filesystem::path manualText(const std::filesystem::path& executable);

}  // namespace brontaxe::platform
