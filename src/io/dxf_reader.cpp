// ASCII DXF die-lines, R12 to 2018: the header's unit, the blocks and the entities. Rules come
// from LINE, ARC, CIRCLE, LWPOLYLINE, POLYLINE, ELLIPSE and SPLINE; INSERT and DIMENSION
// draw their block in place. We read the group pairs ourselves rather than through dxflib,
// whose reader neither says where a file is wrong nor doubts the counts the file gives.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "drawing/tolerances.h"
#include "io/die_line_import.h"
#include "io/dxf_groups.h"
#include "io/import_geometry.h"

namespace brontaxe::io {
namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
constexpr std::size_t kMaxDxfElements = 2'000'000;
constexpr int kMaxBlockDepth = 16;
constexpr int kMaxArrayCount = 1000;

struct Entity {
    std::string_view type;
    std::size_t line = 0;
    std::vector<DxfGroup> groups;

    const DxfGroup* find(int code) const {
        for (const DxfGroup& g : groups) {
            if (g.code == code)
                return &g;
        }
        return nullptr;
    }
    double real(int code, double fallback = 0) const {
        const DxfGroup* g = find(code);
        return g ? realValue(*g) : fallback;
    }
    int integer(int code, int fallback = 0) const {
        const DxfGroup* g = find(code);
        return g ? intValue(*g) : fallback;
    }
    std::string_view text(int code, std::string_view fallback = {}) const {
        const DxfGroup* g = find(code);
        return g ? g->value : fallback;
    }
    Point point(int code) const { return {real(code), real(code + 10)}; }
    // Entities drawn in their own coordinate system seen from below are mirrored in x.
    bool seenFromBelow() const { return real(230, 1) < 0; }
};

struct Block {
    Point base;
    std::vector<Entity> entities;
};

// A layer whose entities are not shown: frozen (nothing on it, not even what its inserts
// bring), or off (its own entities hidden, an insert's entities of other layers still shown).
enum class Hidden { Frozen, Off };

struct HiddenLayer {
    Hidden how;
    std::string name;  // as the layer table writes it
};

// DXF layer names are compared without case.
std::string layerKey(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    return key;
}

struct DxfContent {
    std::optional<int> insUnits;
    std::map<std::string, HiddenLayer, std::less<>> hiddenLayers;  // by layerKey
    std::map<std::string, Block, std::less<>> blocks;
    std::vector<Entity> entities;
    bool hasEntities = false;
};

// Millimetres per unit of $INSUNITS, or nothing for "unitless" and the codes no die-line
// uses.
std::optional<double> millimetresPerUnit(int code) {
    switch (code) {
        case 1:
            return 25.4;
        case 2:
            return 304.8;
        case 4:
            return 1.0;
        case 5:
            return 10.0;
        case 6:
            return 1000.0;
        case 8:
            return 25.4e-6;
        case 9:
            return 0.0254;
        case 10:
            return 914.4;
        case 12:
            return 1e-6;
        case 13:
            return 1e-3;
        case 14:
            return 100.0;
        default:
            return std::nullopt;
    }
}

class SectionReader {
  public:
    explicit SectionReader(std::string_view text) : groups_(text) {}

    DxfContent read() {
        DxfContent out;
        DxfGroup g;
        while (next(g)) {
            if (g.code != 0)
                continue;
            if (g.value == "EOF")
                return out;
            if (g.value != "SECTION")
                continue;
            DxfGroup name;
            if (!next(name) || name.code != 2)
                throw ImportError(atLine(g.line, "section sans nom"));
            if (name.value == "HEADER") {
                header(out, name.line);
            } else if (name.value == "TABLES") {
                tables(out, name.line);
            } else if (name.value == "BLOCKS") {
                blocks(out, name.line);
            } else if (name.value == "ENTITIES") {
                out.entities = entities(name.line, "ENTITIES");
                out.hasEntities = true;
            } else {
                skipSection(name);
            }
        }
        // Files without their EOF marker are common and complete when they ended a section.
        return out;
    }

  private:
    bool next(DxfGroup& g) {
        if (pending_) {
            g = *pending_;
            pending_.reset();
            return true;
        }
        return groups_.next(g);
    }

    [[noreturn]] void unfinished(std::string_view section, std::size_t from) {
        throw ImportError(atLine(groups_.line(), "fin de fichier dans la section " +
                                                     std::string(section) + " ouverte ligne " +
                                                     std::to_string(from) + " (fichier tronqué)"));
    }

    void skipSection(const DxfGroup& name) {
        DxfGroup g;
        while (next(g)) {
            if (g.code == 0 && g.value == "ENDSEC")
                return;
        }
        unfinished(name.value, name.line);
    }

    void header(DxfContent& out, std::size_t from) {
        DxfGroup g;
        std::string_view variable;
        while (next(g)) {
            if (g.code == 0 && g.value == "ENDSEC")
                return;
            if (g.code == 9)
                variable = g.value;
            else if (variable == "$INSUNITS" && g.code == 70)
                out.insUnits = intValue(g);
        }
        unfinished("HEADER", from);
    }

    // The layer table's frozen and off layers (flag 1, a negative colour).
    void tables(DxfContent& out, std::size_t from) {
        DxfGroup g;
        bool more = next(g);
        while (more) {
            if (g.code == 0 && g.value == "ENDSEC")
                return;
            if (g.code != 0 || g.value != "LAYER") {
                more = next(g);
                continue;
            }
            std::string_view name;
            int flags = 0, colour = 0;
            while ((more = next(g)) && g.code != 0) {
                if (g.code == 2)
                    name = g.value;
                else if (g.code == 70)
                    flags = intValue(g);
                else if (g.code == 62)
                    colour = intValue(g);
            }
            if ((flags & 1) != 0)
                out.hiddenLayers[layerKey(name)] = {Hidden::Frozen, std::string(name)};
            else if (colour < 0)
                out.hiddenLayers[layerKey(name)] = {Hidden::Off, std::string(name)};
        }
        unfinished("TABLES", from);
    }

    // Entities up to ENDSEC (or ENDBLK inside a block, which is left for the caller).
    std::vector<Entity> entities(std::size_t from, std::string_view section, bool inBlock = false) {
        std::vector<Entity> list;
        DxfGroup g;
        while (next(g)) {
            if (g.code == 0) {
                if (g.value == "ENDSEC" || (inBlock && g.value == "ENDBLK")) {
                    pending_ = g;
                    if (!inBlock || g.value == "ENDBLK")
                        return list;
                    throw ImportError(atLine(g.line, "bloc sans ENDBLK"));
                }
                list.push_back(Entity{g.value, g.line, {}});
            } else if (!list.empty()) {
                list.back().groups.push_back(g);
            }
        }
        unfinished(section, from);
    }

    void blocks(DxfContent& out, std::size_t from) {
        DxfGroup g;
        while (next(g)) {
            if (g.code == 0 && g.value == "ENDSEC")
                return;
            if (g.code == 0 && g.value == "BLOCK")
                block(g.line, out);
        }
        unfinished("BLOCKS", from);
    }

    void block(std::size_t from, DxfContent& out) {
        Entity head{"BLOCK", from, {}};
        DxfGroup g;
        bool more = false;
        while ((more = next(g)) && g.code != 0)
            head.groups.push_back(g);
        if (!more)
            unfinished("BLOCKS", from);
        pending_ = g;
        Block b{head.point(10), entities(from, "BLOCKS", true)};
        next(g);  // the ENDBLK, whose own groups the next entity loop skips
        out.blocks.insert_or_assign(std::string(head.text(2)), std::move(b));
    }

    DxfGroups groups_;
    std::optional<DxfGroup> pending_;
};

struct ByName {
    bool operator()(const HiddenLayer* a, const HiddenLayer* b) const {
        return layerKey(a->name) < layerKey(b->name);
    }
};

// Draws entities through a map, blocks expanded in place.
class EntityDrawer {
  public:
    EntityDrawer(const DxfContent& content, const ImportOptions& options, ElementSink& out,
                 ImportReport& report)
        : content_(content), options_(options), out_(out), report_(report) {}

    void draw(const std::vector<Entity>& list, const Transform& m, std::string_view blockLayer,
              int depth, bool annotation) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Entity& e = list[i];
            std::string_view layer = e.text(8, "0");
            if (layer == "0" && !blockLayer.empty())
                layer = blockLayer;  // entities of layer 0 take the layer of their insert
            if (e.integer(67) == 1) {
                ++paperSpace_;  // the sheet's title block and viewports, not the die
                i = lastOf(list, i);
                continue;
            }
            if (const auto hidden = content_.hiddenLayers.find(layerKey(layer));
                hidden != content_.hiddenLayers.end() &&
                (hidden->second.how == Hidden::Frozen || e.type != "INSERT")) {
                ++hiddenCounts_[&hidden->second];
                i = lastOf(list, i);
                continue;
            }
            try {
                i = entity(list, i, {m, layer, depth, annotation});
            } catch (const ImportError& error) {
                const std::string what = error.what();
                if (what.rfind("ligne ", 0) == 0)
                    throw;
                throw ImportError(atLine(e.line, std::string(e.type) + " : " + what));
            }
        }
    }

    void finish() {
        if (!ignored_.empty()) {
            std::string text;
            for (const auto& [type, count] : ignored_)
                text += (text.empty() ? "" : ", ") + type + " (" + std::to_string(count) + ")";
            report_.notices.push_back("entités non lues : " + text);
        }
        if (!hiddenCounts_.empty() || paperSpace_ > 0) {
            std::string text;
            for (const auto& [layer, count] : hiddenCounts_) {
                text +=
                    (text.empty() ? "" : ", ") +
                    std::string(layer->how == Hidden::Frozen ? "calque gelé " : "calque éteint ") +
                    shown(utf8Text(layer->name)) + " (" + entities(count) + ")";
            }
            if (paperSpace_ > 0)
                text += (text.empty() ? "" : ", ") + std::string("espace papier (") +
                        entities(paperSpace_) + ")";
            report_.notices.push_back("non lus, car cachés : " + text);
        }
        degenerate_.appendTo(report_.notices);
    }

  private:
    static std::string entities(std::size_t n) {
        return std::to_string(n) + (n == 1 ? " entité" : " entités");
    }

    struct Context {
        const Transform& m;
        std::string_view layer;
        int depth;
        bool annotation;  // inside a dimension: nothing is a rule
    };

    // The kind of the rules an entity draws, asked only of those that draw some: an insert
    // or a text on a layer the table does not know is no unknown rule.
    LineKind kindOf(const Context& at) {
        if (at.annotation)
            return kind::Auxiliary;
        if (const auto k = options_.table.layerKind(at.layer))
            return *k;
        const std::string name = utf8Text(at.layer);
        if (unknown_.insert(name).second)
            report_.unknownLayers.push_back(name);
        return kind::Auxiliary;
    }

    // The index of the last entity that belongs to list[i]: a POLYLINE's vertices and SEQEND.
    static std::size_t lastOf(const std::vector<Entity>& list, std::size_t i) {
        if (list[i].type != "POLYLINE")
            return i;
        std::size_t k = i + 1;
        while (k < list.size() && list[k].type == "VERTEX")
            ++k;
        return k < list.size() && list[k].type == "SEQEND" ? k : k - 1;
    }

    void degenerate(const Entity& e, const char* what) {
        degenerate_.add("entité ignorée, " + std::string(e.type) + " " + what, e.line);
    }

    // Draws list[i] (and the vertices that follow a POLYLINE); the index of its last entity.
    std::size_t entity(const std::vector<Entity>& list, std::size_t i, const Context& at) {
        const Entity& e = list[i];
        const Transform& m = at.m;
        const Transform ocs = e.seenFromBelow() ? Transform::scale(-1, 1).then(m) : m;
        if (e.type == "LINE") {
            const Point a = m(e.point(10)), b = m(e.point(11));
            if (distance(a, b) <= kJoinTolerance && !at.annotation)
                degenerate(e, "de longueur nulle");
            else
                out_.line(a, b, kindOf(at));
        } else if (e.type == "ARC" || e.type == "CIRCLE") {
            circle(e, ocs, at);
        } else if (e.type == "LWPOLYLINE") {
            lwPolyline(e, ocs, at);
        } else if (e.type == "POLYLINE") {
            return polyline(list, i, ocs, at);
        } else if (e.type == "ELLIPSE") {
            ellipse(e, m, at);
        } else if (e.type == "SPLINE") {
            spline(e, m, at);
        } else if (e.type == "INSERT") {
            insert(e, ocs, at);
        } else if (e.type == "DIMENSION") {
            blockAt(e, e.text(2), m, {m, at.layer, at.depth, true});
        } else if (e.type == "TEXT" || e.type == "MTEXT") {
            text(e, e.type == "TEXT" ? ocs : m);
        } else if (e.type != "ATTRIB" && e.type != "ATTDEF" && e.type != "SEQEND" &&
                   e.type != "VERTEX" && e.type != "ENDBLK" && !at.annotation &&
                   options_.table.layerKind(at.layer) != kind::Auxiliary) {
            // A dimension's own points and arrowheads, and whatever lies on a layer of
            // annotation (the filled arrowheads of our own files), are no part of the die.
            ++ignored_[std::string(e.type)];
        }
        return i;
    }

    void circle(const Entity& e, const Transform& m, const Context& at) {
        if (!(e.real(40) > 0)) {
            if (!at.annotation)
                degenerate(e, e.real(40) < 0 ? "de rayon négatif" : "de rayon nul");
            return;
        }
        ArcShape a{e.point(10), e.real(40), 0, 360};
        if (e.type == "ARC") {
            a.startDeg = normalizeDegrees(e.real(50));
            a.sweepDeg = normalizeDegrees(e.real(51) - e.real(50));
            if (a.sweepDeg <= kEps)
                a.sweepDeg = 360;
        }
        emitArc(m, a, kindOf(at), out_);
    }

    struct Vertex {
        Point p;
        double bulge = 0;
    };

    // A vertex on the one before it (within the join tolerance, in the drawing) is dropped
    // and its bulge goes to the one kept; a closed polyline whose last vertex is its first
    // closes there. Two vertices closed with bulges are the usual round hole: both halves.
    void vertices(const Entity& e, const std::vector<Vertex>& all, bool closed, const Transform& m,
                  const Context& at) {
        std::vector<Vertex> v;
        for (const Vertex& x : all) {
            if (!v.empty() && distance(m(v.back().p), m(x.p)) <= kJoinTolerance)
                v.back().bulge = x.bulge;
            else
                v.push_back(x);
        }
        if (closed && v.size() > 1 && distance(m(v.back().p), m(v.front().p)) <= kJoinTolerance)
            v.pop_back();
        if (v.size() < 2) {
            if (!all.empty() && !at.annotation)
                degenerate(e, "de longueur nulle");
            return;
        }
        const LineKind lineKind = kindOf(at);
        for (std::size_t k = 0; k + 1 < v.size(); ++k)
            emitBulgeSegment(m, v[k].p, v[k + 1].p, v[k].bulge, lineKind, out_);
        if (closed)
            emitBulgeSegment(m, v.back().p, v.front().p, v.back().bulge, lineKind, out_);
    }

    void lwPolyline(const Entity& e, const Transform& m, const Context& at) {
        std::vector<Vertex> v;
        for (const DxfGroup& g : e.groups) {
            if (g.code == 10)
                v.push_back({{realValue(g), 0}, 0});
            else if (g.code == 20 && !v.empty())
                v.back().p.y = realValue(g);
            else if (g.code == 42 && !v.empty())
                v.back().bulge = realValue(g);
        }
        vertices(e, v, (e.integer(70) & 1) != 0, m, at);
    }

    std::size_t polyline(const std::vector<Entity>& list, std::size_t i, const Transform& m,
                         const Context& at) {
        const int flags = list[i].integer(70);
        std::vector<Vertex> v;
        std::size_t k = i + 1;
        for (; k < list.size() && list[k].type == "VERTEX"; ++k) {
            const int vertexFlags = list[k].integer(70);
            // Frame points of a fitted spline and the faces of a mesh are not on the line.
            if ((vertexFlags & (16 | 128)) == 0)
                v.push_back({list[k].point(10), list[k].real(42)});
        }
        // Meshes are surfaces, not rules.
        if ((flags & (16 | 64)) == 0)
            vertices(list[i], v, (flags & 1) != 0, m, at);
        else if (!at.annotation)
            ++ignored_["POLYLINE (maillage)"];
        return k < list.size() && list[k].type == "SEQEND" ? k : k - 1;
    }

    void ellipse(const Entity& e, const Transform& m, const Context& at) {
        EllipseArc a;
        a.centre = e.point(10);
        a.major = e.point(11);
        const double ratio = e.real(40, 1);
        if (!(length(a.major) > 0) || !(ratio > 0)) {
            if (!at.annotation)
                degenerate(e, "sans axe");
            return;
        }
        // The minor axis turns a quarter from the major one about the entity's normal.
        const double side = e.seenFromBelow() ? -1 : 1;
        a.minor = Point{-a.major.y, a.major.x} * (ratio * side);
        a.startParam = e.real(41, 0);
        a.endParam = e.real(42, 2 * kPi);
        const double span = std::fmod(a.endParam - a.startParam, 2 * kPi);
        a.endParam = a.startParam + (span <= kVanishing ? span + 2 * kPi : span);
        emitEllipse(m, a, kindOf(at), out_);
    }

    void spline(const Entity& e, const Transform& m, const Context& at) {
        SplineCurve s;
        s.degree = e.integer(71, 3);
        std::vector<Point> fit;
        for (const DxfGroup& g : e.groups) {
            if (g.code == 40)
                s.knots.push_back(realValue(g));
            else if (g.code == 41)
                s.weights.push_back(realValue(g));
            else if (g.code == 10)
                s.control.push_back({realValue(g), 0});
            else if (g.code == 20 && !s.control.empty())
                s.control.back().y = realValue(g);
            else if (g.code == 11)
                fit.push_back({realValue(g), 0});
            else if (g.code == 21 && !fit.empty())
                fit.back().y = realValue(g);
        }
        const bool tangents = e.find(12) && e.find(13);
        const LineKind lineKind = kindOf(at);
        if (s.control.empty() && !fit.empty() && tangents) {
            // Given by the points it passes through and its end tangents: the cubic CAD
            // programs make of them.
            s = splineThrough(fit, e.point(12), e.point(13));
        } else if (s.control.empty() && !fit.empty()) {
            // Without its tangents the curve between its points is each program's own guess,
            // and a rule followed point to point would be measured short and off its line.
            if (lineKind != kind::Auxiliary)
                throw ImportError(
                    "SPLINE donnée par ses seuls points de passage, sans ses "
                    "tangentes : enregistrez-la avec ses points de contrôle");
            ++ignored_["SPLINE sans points de contrôle"];
            return;
        }
        emitSpline(m, s, lineKind, out_);
    }

    void insert(const Entity& e, const Transform& m, const Context& at) {
        const double sx = e.real(41, 1), sy = e.real(42, 1);
        const int columns = std::clamp(e.integer(70, 1), 1, kMaxArrayCount);
        const int rows = std::clamp(e.integer(71, 1), 1, kMaxArrayCount);
        const Point spacing{e.real(44), e.real(45)};
        const Transform place = Transform::turn(e.real(50)).then(Transform::move(e.point(10)));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const Transform cell = Transform::scale(sx, sy)
                                           .then(Transform::move({c * spacing.x, r * spacing.y}))
                                           .then(place)
                                           .then(m);
                blockAt(e, e.text(2), cell, at);
            }
        }
    }

    // The block named `name` drawn with its base point at the origin of `m`.
    void blockAt(const Entity& e, std::string_view name, const Transform& m, const Context& at) {
        const auto it = content_.blocks.find(name);
        if (it == content_.blocks.end()) {
            if (!name.empty() || e.type == "INSERT")
                throw ImportError("bloc inconnu " + shown(name));
            return;
        }
        if (at.depth >= kMaxBlockDepth)
            throw ImportError("blocs imbriqués sur plus de " + std::to_string(kMaxBlockDepth) +
                              " niveaux (un bloc qui s'insère lui-même ?)");
        const Block& b = it->second;
        draw(b.entities, Transform::move(Point{} - b.base).then(m), at.layer, at.depth + 1,
             at.annotation);
    }

    void text(const Entity& e, const Transform& m) {
        // A long MTEXT comes in pieces of code 3 before its last one of code 1.
        std::string s;
        for (const DxfGroup& g : e.groups) {
            if (g.code == 3)
                s += g.value;
        }
        s = utf8Text(s + std::string(e.text(1)));
        if (s.empty())
            return;
        const Point at = m(e.point(10));
        const double scale = std::sqrt(std::fabs(m.det()));
        out_.text(TextShape{at, s, 0, e.real(40) * scale, e.real(50)});
    }

    const DxfContent& content_;
    const ImportOptions& options_;
    ElementSink& out_;
    ImportReport& report_;
    std::set<std::string> unknown_;
    std::map<std::string, int> ignored_;
    // By layer, in the order of their names (the map's keys) since they point into it.
    std::map<const HiddenLayer*, std::size_t, ByName> hiddenCounts_;
    std::size_t paperSpace_ = 0;
    NoticeTally degenerate_;
};

double fileUnit(const DxfContent& content, const ImportOptions& options, ImportReport& report) {
    if (content.insUnits) {
        if (const auto mm = millimetresPerUnit(*content.insUnits))
            return *mm;
    }
    if (options.unitWhenAbsent)
        return *options.unitWhenAbsent;
    report.unitAbsent = true;
    return 1.0;
}

}  // namespace

FileResult readDxfText(std::string_view text, const ImportOptions& options, Drawing& d,
                       ImportReport& report) {
    d.ClearDrawing();
    if (text.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
        return FileResult::failure(
            "DXF binaire non pris en charge : enregistrez-le en DXF texte (ASCII)");
    }
    try {
        const DxfContent content = SectionReader(text).read();
        if (!content.hasEntities)
            throw ImportError("aucune section ENTITIES : ce n'est pas un dessin DXF");
        const double unit = fileUnit(content, options, report);
        ElementSink sink(d, kMaxDxfElements);
        EntityDrawer drawer(content, options, sink, report);
        drawer.draw(content.entities, Transform::scale(unit, unit), {}, 0, false);
        drawer.finish();
    } catch (const ImportError& e) {
        return FileResult::failure(e.what());
    }
    return FileResult::success();
}

}  // namespace brontaxe::io
