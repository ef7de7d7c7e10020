#include "io/line_kind_table.h"

#include <cctype>
#include <charconv>

#include "drawing/element.h"

namespace brontaxe::io {
namespace {

constexpr std::string_view kTypePrefix = "type ";

struct ShippedName {
    std::string_view name;  // normalised
    LineKind lineKind;
};

constexpr ShippedName kShippedLayers[] = {
    {"CUT", kind::Cut},
    {"CUTS", kind::Cut},
    {"CUTLINE", kind::Cut},
    {"CUTLINES", kind::Cut},
    {"CUTTING", kind::Cut},
    {"KNIFE", kind::Cut},
    {"COUPE", kind::Cut},
    {"DECOUPE", kind::Cut},
    {"COUPANT", kind::Cut},
    {"CREASE", kind::Crease},
    {"CREASES", kind::Crease},
    {"CREASELINE", kind::Crease},
    {"CREASELINES", kind::Crease},
    {"CREASING", kind::Crease},
    {"RAINANT", kind::Crease},
    {"RAINURE", kind::Crease},
    {"RAINAGE", kind::Crease},
    {"RILL", kind::Crease},
    {"PERFORATION", kind::Perforation},
    {"PERFORATIONS", kind::Perforation},
    {"PERFO", kind::Perforation},
    {"HALFCUT", kind::HalfCut},
    {"MICHAIR", kind::HalfCut},
    {"PERFORAINANT", kind::PerforatedCrease},
    {"AUXILIAIRE", kind::Auxiliary},
    {"SECTION", kind::Auxiliary},
    {"TEXTES", kind::Auxiliary},
    {"TEXT", kind::Auxiliary},
    {"COTATION", kind::Auxiliary},
    {"DIMENSION", kind::Auxiliary},
    {"DIMENSIONS", kind::Auxiliary},
    {"FEUILLE", kind::Auxiliary},
    {"ANNOTATION", kind::Auxiliary},
    {"DEFPOINTS", kind::Auxiliary},
};

// The type codes this program writes.
constexpr std::pair<int, LineKind> kShippedTypes[] = {
    {1, kind::Cut},     {2, kind::Crease},           {3, kind::Perforation},
    {4, kind::HalfCut}, {5, kind::PerforatedCrease}, {40, kind::Auxiliary},
};

// Latin letters with accents (Latin-1, which is also what follows 0xC3 in UTF-8 with its
// second bit set) to their base letter; 0 for any other byte.
char baseLetter(unsigned char c) {
    constexpr std::pair<unsigned char, char> kRanges[] = {
        {0xC0, 'A'}, {0xC7, 'C'}, {0xC8, 'E'}, {0xCC, 'I'}, {0xD0, 0},   {0xD2, 'O'},
        {0xD7, 0},   {0xD9, 'U'}, {0xDD, 0},   {0xE0, 'A'}, {0xE7, 'C'}, {0xE8, 'E'},
        {0xEC, 'I'}, {0xF0, 0},   {0xF2, 'O'}, {0xF7, 0},   {0xF9, 'U'}, {0xFD, 0},
    };
    char letter = 0;
    for (const auto& [from, base] : kRanges) {
        if (c >= from)
            letter = base;
    }
    return letter;
}

std::optional<int> typeCodeOf(std::string_view key) {
    if (key.size() <= kTypePrefix.size() || key.substr(0, kTypePrefix.size()) != kTypePrefix)
        return std::nullopt;
    key.remove_prefix(kTypePrefix.size());
    int code = 0;
    const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), code);
    if (ec != std::errc() || end != key.data() + key.size())
        return std::nullopt;
    return code;
}

}  // namespace

const std::vector<KindName>& kindNames() {
    static const std::vector<KindName> names{
        {kind::Cut, "coupe"},
        {kind::Crease, "rainant"},
        {kind::Perforation, "perfo"},
        {kind::HalfCut, "mi-chair"},
        {kind::PerforatedCrease, "perfo-rainant"},
        {kind::Auxiliary, "annotation"},
    };
    return names;
}

std::optional<LineKind> kindFromName(std::string_view name) {
    for (const KindName& k : kindNames()) {
        if (k.name == name)
            return k.lineKind;
    }
    return std::nullopt;
}

std::string_view nameOfKind(LineKind lineKind) {
    for (const KindName& k : kindNames()) {
        if (k.lineKind == lineKind)
            return k.name;
    }
    return "annotation";
}

std::string normaliseLayerName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (c == 0xC3 && i + 1 < name.size()) {
            // UTF-8: the accented letter is the next byte with its top bit kept.
            c = static_cast<unsigned char>(static_cast<unsigned char>(name[++i]) | 0x40);
        }
        if (std::isalnum(c) != 0 && c < 0x80)
            out += static_cast<char>(std::toupper(c));
        else if (const char base = c >= 0x80 ? baseLetter(c) : 0; base != 0)
            out += base;
    }
    return out;
}

LineKindTable LineKindTable::shipped() {
    LineKindTable t;
    for (const ShippedName& s : kShippedLayers)
        t.layers_.emplace(s.name, s.lineKind);
    for (const auto& [code, lineKind] : kShippedTypes)
        t.cff2Types_.emplace(code, lineKind);
    return t;
}

std::optional<LineKind> LineKindTable::layerKind(std::string_view layer) const {
    const std::string key = normaliseLayerName(layer);
    if (key.empty())
        return std::nullopt;
    if (const auto it = layers_.find(key); it != layers_.end())
        return it->second;
    return std::nullopt;
}

std::optional<LineKind> LineKindTable::cff2Kind(int typeCode) const {
    if (const auto it = cff2Types_.find(typeCode); it != cff2Types_.end())
        return it->second;
    return std::nullopt;
}

void LineKindTable::setLayer(std::string_view layer, LineKind lineKind) {
    const std::string key = normaliseLayerName(layer);
    if (key.empty())
        return;
    layers_[key] = lineKind;
    userLayers_[std::string(layer)] = lineKind;
}

void LineKindTable::setCff2Type(int typeCode, LineKind lineKind) {
    cff2Types_[typeCode] = lineKind;
    userTypes_[typeCode] = lineKind;
}

std::vector<std::pair<std::string, std::string>> LineKindTable::userEntries() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [layer, lineKind] : userLayers_)
        out.emplace_back(layer, std::string(nameOfKind(lineKind)));
    for (const auto& [code, lineKind] : userTypes_)
        out.emplace_back(cff2TypeKey(code), std::string(nameOfKind(lineKind)));
    return out;
}

void LineKindTable::addUserEntry(std::string_view key, std::string_view kindName) {
    const std::optional<LineKind> lineKind = kindFromName(kindName);
    if (!lineKind)
        return;
    if (const std::optional<int> code = typeCodeOf(key))
        setCff2Type(*code, *lineKind);
    else
        setLayer(key, *lineKind);
}

std::string cff2TypeKey(int typeCode) {
    return std::string(kTypePrefix) + std::to_string(typeCode);
}

}  // namespace brontaxe::io
