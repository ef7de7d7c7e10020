#include "workbench/nesting_pattern.h"

#include <sstream>

namespace brontaxe {

std::string patternText(const NestPattern& p) {
    std::string text = std::to_string(p.turn);
    if (p.turnedRows)
        text += " rangs";
    if (p.turnedColumns)
        text += " colonnes";
    return text;
}

std::string patternDescription(const NestPattern& p) {
    std::string text = "découpe tournée de " + std::to_string(p.turn) + "°";
    if (p.turnedRows)
        text += ", un rang sur deux retourné";
    if (p.turnedColumns)
        text += ", une colonne sur deux retournée";
    return text;
}

std::optional<NestPattern> readPattern(const std::string& text) {
    std::istringstream in(text);
    NestPattern p;
    if (!(in >> p.turn) || p.turn < 0 || p.turn >= 360 || p.turn % 90 != 0)
        return std::nullopt;
    std::string word;
    while (in >> word) {
        bool& flag = word == "rangs" ? p.turnedRows : p.turnedColumns;
        if ((word != "rangs" && word != "colonnes") || flag)
            return std::nullopt;
        flag = true;
    }
    return p;
}

}  // namespace brontaxe
