#include "techsheet/placeholders.h"

#include <utility>

#include "board/board_tables.h"
#include "model/model.h"
#include "platform/number_text.h"

namespace brontaxe {
namespace {

void replaceFirst(std::string& text, std::string_view placeholder, const std::string& by) {
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), by);
}

}  // namespace

SheetBox SheetBox::of(const Model& m, const BoardTables& tables) {
    return SheetBox{m.CodeModele,
                    m.Longueur,
                    m.Largeur,
                    m.Hauteur,
                    tables.gradeLabel(m.NumQualite),
                    tables.gradeThickness(m.NumQualite)};
}

std::string fillPlaceholders(std::string value, const SheetBox& box) {
    using platform::numberTextBlank;
    const std::pair<std::string_view, std::string> replacements[] = {
        {"#M#", box.code},
        {"#L#", numberTextBlank(box.length)},
        {"#B#", numberTextBlank(box.width)},
        {"#H#", numberTextBlank(box.height)},
        {"#Q#", box.gradeLabel},
        {"#T#", numberTextBlank(box.gradeThickness)},
    };
    for (const auto& [placeholder, by] : replacements)
        replaceFirst(value, placeholder, by);
    return value;
}

}  // namespace brontaxe
