#pragma once
// Saving and opening a design: the drawing in any format, and for our own .des also the
// parametric design (style, dimensions, grade, style parameters, imposition, pieces,
// directions), so that opening the file gives back a design the user can go on changing.

#include <filesystem>
#include <string>

#include "io/des_format.h"
#include "io/file_format.h"
#include "workbench/workbench.h"

namespace brontaxe {

// The design of the workbench as the file keeps it. Two designs that compare equal draw the
// same blank: the window compares them to know whether there is something to save.
io::DesignRecord designRecord(const Workbench& wb);

// Puts a design into the workbench, all or nothing: every value goes through the model's
// field setter (and its range checks) on a copy first. Returns the French reason of a
// refusal, or nullopt when the design was taken; the caller regenerates afterwards.
std::optional<std::string> restoreDesign(Workbench& wb, const io::DesignRecord& design);

// The section a design was cut along, when its record keeps one.
std::optional<SectionRequest> recordedSection(const io::DesignRecord& design);

// A design put into the workbench and drawn, cut along its section when it has one.
struct RestoredDesign {
    RegenerationReport report;
    std::optional<std::string> refusal;  // why it could not be taken or cut (French)
};
// Draws the design restoreDesign put in: the regeneration, or the section it was cut along.
RestoredDesign drawRestored(Workbench& wb, const io::DesignRecord& design);

// Writes the drawing to `path` in the format of its extension; a .des also holds the design
// unless `withDesign` is false (a drawing that was opened without one). A write the user
// stops through `progress` leaves no file and any old one as it was.
io::FileResult saveDesign(const Workbench& wb, const std::filesystem::path& path,
                          bool withDesign = true,
                          const io::WriteProgress& progress = io::WriteProgress{});

struct OpenedDesign {
    io::FileResult result;
    bool parametric = false;  // the design was restored and regenerated
    RegenerationReport report;
};

// Opens a .des. With a design block the design is restored and regenerated; without one the
// drawing is shown as it was saved (for viewing and exporting) and measured. A damaged file
// is refused and the workbench stays as it was.
OpenedDesign openDesign(Workbench& wb, const std::filesystem::path& path);

}  // namespace brontaxe
