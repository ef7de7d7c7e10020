#include "workbench/nesting_pattern.h"

#include <sstream>

namespace brontaxe {
namespace {

std::string latticeText(const NestPattern& p) {
    std::string text = std::to_string(p.turn);
    if (p.turnedRows)
        text += " rangs";
    if (p.turnedColumns)
        text += " colonnes";
    if (p.staggered)
        text += " quinconce";
    return text;
}

std::string latticeDescription(const NestPattern& p) {
    std::string text = "découpe tournée de " + std::to_string(p.turn) + "°";
    if (p.turnedRows)
        text += ", un rang sur deux retourné";
    if (p.turnedColumns)
        text += ", une colonne sur deux retournée";
    if (p.staggered)
        text += ", en quinconce";
    return text;
}

std::string linesText(const NestPattern& p) {
    const char* what =
        p.blockColumns ? (p.lines > 1 ? "colonnes" : "colonne") : (p.lines > 1 ? "rangs" : "rang");
    return std::to_string(p.lines) + " " + what;
}

// One block: "TURN [rangs] [colonnes] [bloc N rangs|colonnes]"; true when the block is cut.
bool readBlock(std::istringstream& in, NestPattern& p, bool& cut, bool& end, int& limit) {
    if (!(in >> p.turn) || p.turn < 0 || p.turn >= 360 || p.turn % 90 != 0)
        return false;
    cut = false;
    end = true;
    std::string word;
    while (in >> word) {
        if (word == "/") {
            end = false;
            return cut;
        }
        if (word == "max") {
            if (!(in >> limit) || limit < 1 || (in >> word))
                return false;
            return !cut;
        }
        if (word == "bloc") {
            std::string what;
            if (cut || !(in >> p.lines) || p.lines < 1 || !(in >> what) ||
                (what != "rangs" && what != "colonnes"))
                return false;
            p.blockColumns = what == "colonnes";
            cut = true;
            continue;
        }
        bool& flag = word == "rangs"      ? p.turnedRows
                     : word == "colonnes" ? p.turnedColumns
                                          : p.staggered;
        if (cut || (word != "rangs" && word != "colonnes" && word != "quinconce") || flag)
            return false;
        flag = true;
    }
    return !cut;
}

}  // namespace

bool hasQuarterTurn(const NestPattern& p) {
    if (p.turn % 180 != 0)
        return true;
    for (const NestPattern& r : p.rest)
        if (hasQuarterTurn(r))
            return true;
    return false;
}

std::string patternText(const NestPattern& p) {
    std::string text;
    for (const NestPattern* b = &p; b; b = b->rest.empty() ? nullptr : &b->rest.front()) {
        if (!text.empty())
            text += " / ";
        text += latticeText(*b);
        if (!b->rest.empty())
            text += std::string(" bloc ") + std::to_string(b->lines) +
                    (b->blockColumns ? " colonnes" : " rangs");
    }
    if (p.limit > 0)
        text += " max " + std::to_string(p.limit);
    return text;
}

std::string patternDescription(const NestPattern& p) {
    if (p.rest.empty())
        return latticeDescription(p);
    std::string text = "en blocs : ";
    for (const NestPattern* b = &p; b; b = b->rest.empty() ? nullptr : &b->rest.front()) {
        if (b != &p)
            text += ", puis ";
        text += (b->rest.empty() ? std::string("le reste") : linesText(*b)) + " en " +
                latticeDescription(*b);
    }
    return text;
}

std::optional<NestPattern> readPattern(const std::string& text) {
    std::istringstream in(text);
    NestPattern top;
    std::vector<NestPattern> blocks;
    int limit = 0;
    for (bool end = false; !end;) {
        NestPattern b;
        bool cut = false;
        if (!readBlock(in, b, cut, end, limit) || blocks.size() > 8)
            return std::nullopt;
        blocks.push_back(std::move(b));
    }
    // Nested from the last block up.
    for (std::size_t k = blocks.size() - 1; k > 0; --k)
        blocks[k - 1].rest.push_back(std::move(blocks[k]));
    top = std::move(blocks.front());
    top.limit = limit;
    return top;
}

}  // namespace brontaxe
