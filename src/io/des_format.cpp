#include "io/des_format.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <variant>
#include <vector>

#include "io/drawing_files.h"
#include "io/overloaded.h"
#include "io/writers.h"
#include "platform/profile_file.h"

namespace brontaxe::io {
namespace {

using nlohmann::json;

constexpr std::string_view kFormatName = "brontaxe-dessin";
// Coordinates beyond ten kilometres are damage, not drawings; they would also break the page
// sizes of the other formats.
constexpr double kMaxCoordinate = 1e7;

json point(Point p) {
    return json::array({p.x, p.y});
}

json shapeJson(const Shape& shape) {
    return std::visit(
        Overloaded{
            [](const LineShape& l) {
                return json{{"type", "line"}, {"a", point(l.a)}, {"b", point(l.b)}};
            },
            [](const ArcShape& a) {
                return json{{"type", "arc"},
                            {"centre", point(a.centre)},
                            {"radius", a.radius},
                            {"start", a.startDeg},
                            {"sweep", a.sweepDeg}};
            },
            [](const DimensionShape& d) {
                return json{{"type", "dimension"},
                            {"p1", point(d.p1)},
                            {"p2", point(d.p2)},
                            {"ref", point(d.ref)}};
            },
            [](const TextShape& t) {
                return json{{"type", "text"},     {"position", point(t.position)},
                            {"text", t.text},     {"option", t.option},
                            {"height", t.height}, {"angle", t.angleDeg}};
            },
            [](const SheetShape& s) {
                return json{{"type", "sheet"}, {"min", point(s.min)}, {"max", point(s.max)}};
            },
            [](const ContourShape& c) {
                json rings = json::array();
                for (const auto& ring : c.rings) {
                    json points = json::array();
                    for (const Point& p : ring)
                        points.push_back(point(p));
                    rings.push_back(points);
                }
                return json{{"type", "contour"}, {"rings", rings}, {"area", c.area}};
            },
            [](const SymbolShape& s) {
                json strokes = json::array();
                for (const Segment& stroke : s.strokes)
                    strokes.push_back(json::array({point(stroke.a), point(stroke.b)}));
                return json{{"type", "symbol"},    {"position", point(s.position)},
                            {"number", s.number},  {"size", s.size},
                            {"angle", s.angleDeg}, {"strokes", strokes}};
            },
        },
        shape);
}

json elementJson(const Element& e) {
    json item = shapeJson(e.shape);
    item["kind"] = lineKindNumber(e.lineKind);
    item["variant"] = e.lineVariant;
    item["piece"] = e.piece;
    if (e.flag != 0)
        item["flag"] = e.flag;
    for (const Bridge& b : e.bridges)
        item["bridges"].push_back({b.at, b.width});
    if (e.bridgeless)
        item["bridgeless"] = true;
    return item;
}

// A refusal of the file, with the place it was found.
struct DesError {
    std::string what;
};

const json& member(const json& object, const char* key) {
    if (!object.is_object() || !object.contains(key))
        throw DesError{std::string("champ \"") + key + "\" manquant"};
    return object.at(key);
}

double jsonNumber(const json& object, const char* key, double limit = kMaxCoordinate) {
    const json& v = member(object, key);
    if (!v.is_number())
        throw DesError{std::string("champ \"") + key + "\" non numérique"};
    const double x = v.get<double>();
    if (!std::isfinite(x) || std::fabs(x) > limit)
        throw DesError{std::string("champ \"") + key + "\" hors limites"};
    return x;
}

template <class Int>
Int integer(const json& object, const char* key, Int fallback, bool required) {
    if (!required && (!object.is_object() || !object.contains(key)))
        return fallback;
    const json& v = member(object, key);
    if (!v.is_number_integer())
        throw DesError{std::string("champ \"") + key + "\" non entier"};
    const auto x = v.get<long long>();
    if (x < std::numeric_limits<Int>::min() || x > std::numeric_limits<Int>::max())
        throw DesError{std::string("champ \"") + key + "\" hors limites"};
    return static_cast<Int>(x);
}

std::string text(const json& object, const char* key) {
    const json& v = member(object, key);
    if (!v.is_string())
        throw DesError{std::string("champ \"") + key + "\" non textuel"};
    return v.get<std::string>();
}

Point pointValue(const json& v, const char* key) {
    if (!v.is_array() || v.size() != 2 || !v[0].is_number() || !v[1].is_number())
        throw DesError{std::string("point \"") + key + "\" incorrect"};
    const Point p{v[0].get<double>(), v[1].get<double>()};
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > kMaxCoordinate ||
        std::fabs(p.y) > kMaxCoordinate)
        throw DesError{std::string("point \"") + key + "\" hors limites"};
    return p;
}

Point readPoint(const json& object, const char* key) {
    return pointValue(member(object, key), key);
}

const json& arrayMember(const json& object, const char* key) {
    const json& v = member(object, key);
    if (!v.is_array())
        throw DesError{std::string("champ \"") + key + "\" non tableau"};
    return v;
}

ContourShape readContour(const json& e) {
    ContourShape c;
    for (const json& ring : arrayMember(e, "rings")) {
        if (!ring.is_array())
            throw DesError{"contour incorrect"};
        std::vector<Point> points;
        for (const json& p : ring)
            points.push_back(pointValue(p, "rings"));
        c.rings.push_back(std::move(points));
    }
    c.area = jsonNumber(e, "area", 1e18);
    return c;
}

SymbolShape readSymbol(const json& e) {
    SymbolShape s{readPoint(e, "position"),
                  integer<std::int32_t>(e, "number", 0, true),
                  jsonNumber(e, "size", 1e5),
                  jsonNumber(e, "angle", 360.0),
                  {}};
    for (const json& stroke : arrayMember(e, "strokes")) {
        if (!stroke.is_array() || stroke.size() != 2)
            throw DesError{"trait de symbole incorrect"};
        s.strokes.push_back({pointValue(stroke[0], "strokes"), pointValue(stroke[1], "strokes")});
    }
    return s;
}

Shape readShape(const json& e) {
    const std::string type = text(e, "type");
    if (type == "line")
        return LineShape{readPoint(e, "a"), readPoint(e, "b")};
    if (type == "arc") {
        ArcShape a{readPoint(e, "centre"), jsonNumber(e, "radius"), jsonNumber(e, "start", 360.0),
                   jsonNumber(e, "sweep", 360.0)};
        if (a.radius < 0 || a.sweepDeg <= 0)
            throw DesError{"arc incorrect (rayon négatif ou balayage nul)"};
        return a;
    }
    if (type == "dimension")
        return DimensionShape{readPoint(e, "p1"), readPoint(e, "p2"), readPoint(e, "ref")};
    if (type == "text") {
        TextShape t{readPoint(e, "position"), text(e, "text"),
                    integer<std::int16_t>(e, "option", 0, true), jsonNumber(e, "height", 1e5),
                    jsonNumber(e, "angle", 360.0)};
        if (t.height < 0)
            throw DesError{"hauteur de texte négative"};
        return t;
    }
    if (type == "sheet") {
        SheetShape s{readPoint(e, "min"), readPoint(e, "max")};
        if (s.min.x > s.max.x || s.min.y > s.max.y)
            throw DesError{"feuille incorrecte (coins inversés)"};
        return s;
    }
    if (type == "contour")
        return readContour(e);
    if (type == "symbol")
        return readSymbol(e);
    throw DesError{"type d'élément inconnu : \"" + type + "\""};
}

// Bridges as [centre along the stroke, width] pairs, each lying wholly on its stroke.
std::vector<Bridge> readBridges(const json& e, const Element& stroke) {
    std::vector<Bridge> out;
    if (!e.contains("bridges"))
        return out;
    const double len = strokeLength(stroke);
    for (const json& pair : arrayMember(e, "bridges")) {
        if (!pair.is_array() || pair.size() != 2 || !pair[0].is_number() || !pair[1].is_number())
            throw DesError{"pont incorrect"};
        const Bridge b{pair[0].get<double>(), pair[1].get<double>()};
        if (!(b.width > 0) || !(b.at - b.width / 2 >= -kEps) || !(b.at + b.width / 2 <= len + kEps))
            throw DesError{"pont hors de son trait"};
        out.push_back(b);
    }
    return out;
}

Element readElement(const json& e) {
    Element out;
    out.shape = readShape(e);
    const std::optional<LineKind> lineKind =
        lineKindOfNumber(integer<std::int16_t>(e, "kind", 0, true));
    if (!lineKind)
        throw DesError{"champ \"kind\" inconnu"};
    out.lineKind = *lineKind;
    out.lineVariant = integer<std::int16_t>(e, "variant", 0, true);
    out.piece = integer<std::int16_t>(e, "piece", 0, true);
    out.flag = integer<std::int32_t>(e, "flag", 0, false);
    out.bridges = readBridges(e, out);
    out.bridgeless = e.contains("bridgeless") && e.at("bridgeless") == true;
    return out;
}

struct DesContents {
    std::vector<Element> elements;
    std::string sheetName;
    std::vector<SheetField> fields;
    std::optional<DesignRecord> design;
};

json valuesJson(const DesignRecord::Values& values) {
    json out = json::array();
    for (const auto& [name, value] : values)
        out.push_back(json::array({name, value}));
    return out;
}

DesignRecord::Values readValues(const json& design, const char* key) {
    DesignRecord::Values out;
    for (const json& pair : arrayMember(design, key)) {
        if (!pair.is_array() || pair.size() != 2 || !pair[0].is_string() || !pair[1].is_string())
            throw DesError{std::string("paramètre de \"") + key + "\" incorrect"};
        out.emplace_back(pair[0].get<std::string>(), pair[1].get<std::string>());
    }
    return out;
}

// The elements of a blank the design block keeps under `key`, when it keeps one. Sheets and
// contours are never part of a blank.
std::optional<std::vector<Element>> readBlank(const json& design, const char* key,
                                              const std::string& caption) {
    if (!design.contains(key))
        return std::nullopt;
    const json& rules = arrayMember(design, key);
    std::vector<Element> out;
    out.reserve(rules.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
        try {
            out.push_back(readElement(rules[i]));
            const ShapeType type = out.back().type();
            if (type == ShapeType::Sheet || type == ShapeType::Contour)
                throw DesError{"élément étranger à la découpe"};
        } catch (const DesError& e) {
            throw DesError{caption + ", trait " + std::to_string(i + 1) + " : " + e.what};
        }
    }
    return out;
}

json blankJson(const std::vector<Element>& blank) {
    json rules = json::array();
    for (const Element& e : blank)
        rules.push_back(elementJson(e));
    return rules;
}

// The design block is optional: drawings written before it, or by other programs, open as
// fixed drawings.
std::optional<DesignRecord> readDesign(const json& doc) {
    if (!doc.contains("design"))
        return std::nullopt;
    const json& design = doc.at("design");
    if (!design.is_object())
        throw DesError{"bloc \"design\" incorrect"};
    DesignRecord out{readValues(design, "model"), readValues(design, "window")};
    out.dieLine = readBlank(design, "dieLine", "découpe");
    out.editedBlank = readBlank(design, "editedBlank", "découpe modifiée");
    return out;
}

void checkHeader(const json& doc) {
    if (!doc.is_object() || !doc.contains("format") || doc.at("format") != kFormatName)
        throw DesError{"ce n'est pas un fichier de dessin Brontaxe"};
    const int version = integer<int>(doc, "version", 0, true);
    if (version > kDesVersion) {
        throw DesError{"version " + std::to_string(version) +
                       " plus récente que celle de ce programme (" + std::to_string(kDesVersion) +
                       ")"};
    }
    if (version < 1)
        throw DesError{"version " + std::to_string(version) + " incorrecte"};
}

DesContents readContents(const json& doc) {
    checkHeader(doc);
    DesContents out;
    const json& sheet = member(doc, "sheet");
    out.sheetName = text(sheet, "name");
    const json& fields = member(sheet, "fields");
    if (!fields.is_array())
        throw DesError{"liste des champs incorrecte"};
    for (const json& f : fields)
        out.fields.push_back({text(f, "label"), text(f, "value")});
    const json& elements = member(doc, "elements");
    if (!elements.is_array())
        throw DesError{"liste des éléments incorrecte"};
    out.design = readDesign(doc);
    out.elements.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        try {
            out.elements.push_back(readElement(elements[i]));
        } catch (const DesError& e) {
            throw DesError{"élément " + std::to_string(i + kFirstElementId) + " : " + e.what};
        }
    }
    return out;
}

}  // namespace

std::string desText(const Drawing& d, const DesignRecord* design, const WriteProgress& progress) {
    json fields = json::array();
    for (const SheetField& f : d.sheetFields())
        fields.push_back({{"label", f.label}, {"value", f.value}});
    const json sheet{{"name", d.SheetName()}, {"fields", std::move(fields)}};
    // Invalid UTF-8 in a text is replaced rather than refused: the drawing must still save.
    auto compact = [](const json& j) {
        return j.dump(-1, ' ', false, json::error_handler_t::replace);
    };
    // One element a line: the file stays readable and compares well line by line.
    std::string out = "{\"format\":" + compact(kFormatName) +
                      ",\"version\":" + std::to_string(kDesVersion) +
                      ",\n\"sheet\":" + compact(sheet) + ",\n";
    if (design) {
        json block{{"model", valuesJson(design->model)}, {"window", valuesJson(design->window)}};
        if (design->dieLine)
            block["dieLine"] = blankJson(*design->dieLine);
        if (design->editedBlank)
            block["editedBlank"] = blankJson(*design->editedBlank);
        out += "\"design\":" + compact(block) + ",\n";
    }
    // Room for every element at once: growing by doubling would hold two copies of a text of
    // tens of MB at the moment of each copy.
    constexpr std::size_t kBytesPerElement = 128;
    out.reserve(out.size() + d.ElementCount() * kBytesPerElement);
    out += "\"elements\":[";
    const char* separator = "\n";
    std::size_t done = 0;
    for (const Element& e : d.elements()) {
        if (!progress.at(done++, d.ElementCount()))
            return {};
        out += separator + compact(elementJson(e));
        separator = ",\n";
    }
    out += "\n]}\n";
    return out;
}

FileResult readDesText(std::string_view text, Drawing& d, std::optional<DesignRecord>* design) {
    DesContents contents;
    try {
        contents = readContents(json::parse(text));
    } catch (const json::exception& e) {
        return FileResult::failure("Fichier de dessin illisible : " + std::string(e.what()));
    } catch (const DesError& e) {
        return FileResult::failure("Fichier de dessin illisible : " + e.what);
    }
    d.ClearDrawing();
    // The sheet first: its texts keep what they showed when saved, an answer that stands for
    // the design's sizes showing them as they were then.
    d.setTechnicalSheet(std::move(contents.sheetName), std::move(contents.fields));
    for (Element& e : contents.elements)
        d.addElement(std::move(e));
    if (design)
        *design = std::move(contents.design);
    return FileResult::success();
}

FileResult saveDesWithDesign(const Drawing& d, const DesignRecord& design,
                             const std::filesystem::path& path, const WriteProgress& progress) {
    // Through a temporary file beside it, as every drawing: the file replaced keeps its
    // permissions, and a failed write leaves it as it was.
    return saveThrough(
        path,
        [&](const std::filesystem::path& temp) {
            const std::string text = desText(d, &design, progress);
            if (progress.stopped())
                return FileResult::failure(stoppedText());
            return writeTextFile(temp, text);
        },
        progress);
}

FileResult writeDes(const Drawing& d, const std::filesystem::path& path,
                    const WriteProgress& progress) {
    const std::string text = desText(d, nullptr, progress);
    if (progress.stopped())
        return FileResult::failure(stoppedText());
    return writeTextFile(path, text);
}

}  // namespace brontaxe::io
