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

#include "io/die_line_import.h"
#include "io/dxf_groups.h"
#include "io/import_geometry.h"

namespace brontaxe::io {
namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
constexpr std::size_t kMaxElements = 2'000'000;
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

struct DxfContent {
    std::optional<int> insUnits;
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

// Draws entities through a map, blocks expanded in place.
class EntityDrawer {
  public:
    EntityDrawer(const DxfContent& content, const ImportOptions& options, ElementSink& out,
                 ImportReport& report)
        : content_(content), options_(options), out_(out), report_(report) {}

    void draw(const std::vector<Entity>& list, const Affine& m, std::string_view blockLayer,
              int depth, bool annotation) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Entity& e = list[i];
            std::string_view layer = e.text(8, "0");
            if (layer == "0" && !blockLayer.empty())
                layer = blockLayer;  // entities of layer 0 take the layer of their insert
            const std::int16_t lineKind = annotation ? kind::Auxiliary : kindOf(layer);
            try {
                i = entity(list, i, {m, layer, lineKind, depth, annotation});
            } catch (const ImportError& error) {
                const std::string what = error.what();
                if (what.rfind("ligne ", 0) == 0)
                    throw;
                throw ImportError(atLine(e.line, std::string(e.type) + " : " + what));
            }
        }
    }

    void finish() {
        if (ignored_.empty())
            return;
        std::string text;
        for (const auto& [type, count] : ignored_)
            text += (text.empty() ? "" : ", ") + type + " (" + std::to_string(count) + ")";
        report_.notices.push_back("entités non lues : " + text);
    }

  private:
    std::int16_t kindOf(std::string_view layer) {
        if (const auto k = options_.table.layerKind(layer))
            return *k;
        const std::string name = utf8Text(layer);
        if (unknown_.insert(name).second)
            report_.unknownLayers.push_back(name);
        return kind::Auxiliary;
    }

    struct Context {
        const Affine& m;
        std::string_view layer;
        std::int16_t lineKind;
        int depth;
        bool annotation;  // inside a dimension: nothing is a rule
    };

    // Draws list[i] (and the vertices that follow a POLYLINE); the index of its last entity.
    std::size_t entity(const std::vector<Entity>& list, std::size_t i, const Context& at) {
        const Entity& e = list[i];
        const Affine& m = at.m;
        const std::int16_t lineKind = at.lineKind;
        const Affine ocs = e.seenFromBelow() ? Affine::scaling(-1, 1).then(m) : m;
        if (e.type == "LINE") {
            out_.line(m(e.point(10)), m(e.point(11)), lineKind);
        } else if (e.type == "ARC" || e.type == "CIRCLE") {
            circle(e, ocs, lineKind);
        } else if (e.type == "LWPOLYLINE") {
            lwPolyline(e, ocs, lineKind);
        } else if (e.type == "POLYLINE") {
            return polyline(list, i, ocs, lineKind);
        } else if (e.type == "ELLIPSE") {
            ellipse(e, m, lineKind);
        } else if (e.type == "SPLINE") {
            spline(e, m, lineKind);
        } else if (e.type == "INSERT") {
            insert(e, ocs, at);
        } else if (e.type == "DIMENSION") {
            blockAt(e, e.text(2), m, {m, at.layer, kind::Auxiliary, at.depth, true});
        } else if (e.type == "TEXT" || e.type == "MTEXT") {
            text(e, e.type == "TEXT" ? ocs : m);
        } else if (e.type != "ATTRIB" && e.type != "ATTDEF" && e.type != "SEQEND" &&
                   e.type != "VERTEX" && e.type != "ENDBLK") {
            ++ignored_[std::string(e.type)];
        }
        return i;
    }

    void circle(const Entity& e, const Affine& m, std::int16_t lineKind) {
        ArcShape a{e.point(10), e.real(40), 0, 360};
        if (e.type == "ARC") {
            a.startDeg = normalizeDegrees(e.real(50));
            a.sweepDeg = normalizeDegrees(e.real(51) - e.real(50));
            if (a.sweepDeg <= kEps)
                a.sweepDeg = 360;
        }
        emitArc(m, a, lineKind, out_);
    }

    struct Vertex {
        Point p;
        double bulge = 0;
    };

    void vertices(const std::vector<Vertex>& v, bool closed, const Affine& m,
                  std::int16_t lineKind) {
        for (std::size_t k = 0; k + 1 < v.size(); ++k)
            emitBulgeSegment(m, v[k].p, v[k + 1].p, v[k].bulge, lineKind, out_);
        if (closed && v.size() > 2)
            emitBulgeSegment(m, v.back().p, v.front().p, v.back().bulge, lineKind, out_);
    }

    void lwPolyline(const Entity& e, const Affine& m, std::int16_t lineKind) {
        std::vector<Vertex> v;
        for (const DxfGroup& g : e.groups) {
            if (g.code == 10)
                v.push_back({{realValue(g), 0}, 0});
            else if (g.code == 20 && !v.empty())
                v.back().p.y = realValue(g);
            else if (g.code == 42 && !v.empty())
                v.back().bulge = realValue(g);
        }
        vertices(v, (e.integer(70) & 1) != 0, m, lineKind);
    }

    std::size_t polyline(const std::vector<Entity>& list, std::size_t i, const Affine& m,
                         std::int16_t lineKind) {
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
            vertices(v, (flags & 1) != 0, m, lineKind);
        else
            ++ignored_["POLYLINE (maillage)"];
        return k < list.size() && list[k].type == "SEQEND" ? k : k - 1;
    }

    void ellipse(const Entity& e, const Affine& m, std::int16_t lineKind) {
        EllipseArc a;
        a.centre = e.point(10);
        a.major = e.point(11);
        const double ratio = e.real(40, 1);
        // The minor axis turns a quarter from the major one about the entity's normal.
        const double side = e.seenFromBelow() ? -1 : 1;
        a.minor = Point{-a.major.y, a.major.x} * (ratio * side);
        a.startParam = e.real(41, 0);
        a.endParam = e.real(42, 2 * kPi);
        const double span = std::fmod(a.endParam - a.startParam, 2 * kPi);
        a.endParam = a.startParam + (span <= 1e-12 ? span + 2 * kPi : span);
        emitEllipse(m, a, lineKind, out_);
    }

    void spline(const Entity& e, const Affine& m, std::int16_t lineKind) {
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
        if (s.control.empty() && fit.size() >= 2) {
            // A spline given only by the points it passes through: followed point to point.
            for (std::size_t k = 0; k + 1 < fit.size(); ++k)
                out_.line(m(fit[k]), m(fit[k + 1]), lineKind);
            ++ignored_["SPLINE sans points de contrôle, suivie point à point"];
            return;
        }
        emitSpline(m, s, lineKind, out_);
    }

    void insert(const Entity& e, const Affine& m, const Context& at) {
        const double sx = e.real(41, 1), sy = e.real(42, 1);
        const int columns = std::clamp(e.integer(70, 1), 1, kMaxArrayCount);
        const int rows = std::clamp(e.integer(71, 1), 1, kMaxArrayCount);
        const Point spacing{e.real(44), e.real(45)};
        const Affine place = Affine::rotation(e.real(50)).then(Affine::translation(e.point(10)));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const Affine cell = Affine::scaling(sx, sy)
                                        .then(Affine::translation({c * spacing.x, r * spacing.y}))
                                        .then(place)
                                        .then(m);
                blockAt(e, e.text(2), cell, at);
            }
        }
    }

    // The block named `name` drawn with its base point at the origin of `m`.
    void blockAt(const Entity& e, std::string_view name, const Affine& m, const Context& at) {
        const auto it = content_.blocks.find(name);
        if (it == content_.blocks.end()) {
            if (!name.empty() || e.type == "INSERT")
                throw ImportError("bloc inconnu « " + std::string(name) + " »");
            return;
        }
        if (at.depth >= kMaxBlockDepth)
            throw ImportError("blocs imbriqués sur plus de " + std::to_string(kMaxBlockDepth) +
                              " niveaux (un bloc qui s'insère lui-même ?)");
        const Block& b = it->second;
        draw(b.entities, Affine::translation(Point{} - b.base).then(m), at.layer, at.depth + 1,
             at.annotation);
    }

    void text(const Entity& e, const Affine& m) {
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
        ElementSink sink(d, kMaxElements);
        EntityDrawer drawer(content, options, sink, report);
        drawer.draw(content.entities, Affine::scaling(unit, unit), {}, 0, false);
        drawer.finish();
    } catch (const ImportError& e) {
        return FileResult::failure(e.what());
    }
    return FileResult::success();
}

}  // namespace brontaxe::io
