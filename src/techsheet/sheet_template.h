#pragma once
// Technical-sheet templates: drawing files (.des) whose sheet block names the sheet and lists
// its fields. Inserting one puts its frame and texts beside the blank, flagged as the sheet's,
// so that they follow the blank each time it is drawn again and stay out of its figures.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "drawing/drawing.h"
#include "platform/paths.h"

namespace brontaxe {

// The questionnaire holds 200 entries and shows nothing from 200 fields on.
inline constexpr std::int32_t kMaxSheetFields = 199;
// Room left between the drawing and the sheet beside it.
inline constexpr double kSheetGapMm = 20.0;
inline constexpr std::string_view kShippedSheetTemplate = "fiche_technique.des";

struct SheetTemplate {
    std::string name;
    std::vector<SheetField> fields;
    std::vector<Element> elements;
};

// The French reason a sheet of `count` fields cannot be filled in, or nullopt.
std::optional<std::string> sheetSizeProblem(std::size_t count);

// Reads a template; a file that cannot be read, holds no technical sheet or more than 199
// fields gives the French reason instead.
std::variant<SheetTemplate, std::string> readSheetTemplate(const std::filesystem::path& path);

// The template shipped with the program, used while none is chosen.
std::filesystem::path shippedSheetTemplate(const platform::EnvironmentLookup& env);
// `NomModel` when it names one, else the shipped template.
std::filesystem::path sheetTemplatePath(std::string_view nomModel,
                                        const platform::EnvironmentLookup& env);

// Adds the template's elements beside everything drawn, grown with the blank as its
// dimension texts are, and makes its fields the drawing's technical sheet; the texts of the
// fields show their values.
void insertTechnicalSheet(Drawing& d, const SheetTemplate& t);

// The technical sheet of `from` (a drawing file just read) replaces that of `to`, its elements
// put beside what `to` draws; none in `from` leaves `to` without one.
void adoptTechnicalSheet(Drawing& to, const Drawing& from);

// The sheet's elements as they are drawn, to put back after the blank is drawn again.
std::vector<Element> sheetElements(const Drawing& d);
// Puts the sheet's elements back beside everything drawn, their layout kept.
void placeSheetElements(Drawing& d, std::vector<Element> elements);

}  // namespace brontaxe
