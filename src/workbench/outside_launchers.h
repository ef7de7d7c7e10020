#pragma once
// The hand-over of the current blank to the outside programs: the 3D folding viewers through
// exchange files, the box-compression calculator through its command line, the 2D CAD program
// through the saved drawing.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "tools/outside_programs.h"

namespace brontaxe {
class Workbench;
struct Model;
class GradeTable;
}  // namespace brontaxe

namespace brontaxe::tools {

enum class Export3D { Korvane3D, Presenter3D, Pliao };

// The exchange file of each 3D command, as the program names it.
std::string exchangeFile(Export3D kind);

// The viewer's command line: the program in quotes (its trailing blank inside them), then the
// exchange file in lower case.
std::string korvane3DCommandLine(const std::string& program);

// The compression calculator's command line: the program, two blanks, then
// " L= 306;B= 206;H= 156;Q=BC;C=K;e= 3" from the outside dimensions (single precision), the
// grade's label and code, and the board thickness.
std::string korRcvParameters(const Model& m, const GradeTable& grades);
std::string korRcvCommandLine(const std::string& program, const Model& m, const GradeTable& grades);
// Its argument vector: the program, and the parameters as one argument, since a grade label
// holds blanks.
std::vector<std::string> korRcvArguments(const OutsidePrograms& programs, const Model& m,
                                         const GradeTable& grades,
                                         const platform::EnvironmentLookup& env);

struct Export3DResult {
    std::filesystem::path file;          // the exchange file written
    std::optional<std::string> problem;  // why it was not written or the viewer not started
};

// Regenerates the blank with the 3D variations, saves it without its dimensions into the
// exchange file, starts the viewer for Korvane 3D, and puts `Mode3D` and the dimension filter
// back whatever happened.
Export3DResult export3D(Workbench& wb, Export3D kind, const OutsidePrograms& programs,
                        const platform::EnvironmentLookup& env);

// A drawing name that KorGEOM gave on our command line to have the drawing pasted back.
bool isPasteHandOver(const std::string& fileName);
// The CAD program started on the saved drawing, not waited for; nullopt or why it did not start.
std::optional<std::string> openInKorGeom(const OutsidePrograms& programs,
                                         const std::string& fileName,
                                         const platform::EnvironmentLookup& env);

}  // namespace brontaxe::tools
