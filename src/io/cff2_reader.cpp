// CFF2 die-lines: the header's unit, the main design and the sub-designs it calls, line and
// arc records with their pointage, type and bridges, texts kept as annotation.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "drawing/tolerances.h"
#include "io/die_line_import.h"
#include "io/dxf_groups.h"
#include "io/import_geometry.h"

namespace brontaxe::io {
namespace {

constexpr std::size_t kMaxElements = 2'000'000;
constexpr int kMaxCallDepth = 16;
constexpr double kLargestValue = 1e12;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kLargestTypeCode = 1e6;
constexpr double kMaxBridgesPerRule = 1000;

struct Record {
    std::size_t line = 0;
    std::vector<std::string_view> fields;  // fields[0] is the record's letter or keyword
};

struct Design {
    Point scale{1, 1};
    // Millimetres per unit: UM or UI inside the block, else the file's before any block.
    std::optional<double> unit;
    std::size_t unitLine = 0;
    std::vector<Record> records;
};

struct Cff2Content {
    double unit = 1.0;  // the file's, for the blocks that give none
    std::string mainName;
    std::map<std::string, Design, std::less<>> designs;
    NoticeTally notices;
};

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t comma = line.find(',');
        out.push_back(trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return out;
        line.remove_prefix(comma + 1);
    }
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
        if (x != b[i])
            return false;
    }
    return true;
}

double number(const Record& r, std::size_t k) {
    if (k >= r.fields.size()) {
        throw ImportError(atLine(r.line, "enregistrement " + std::string(r.fields[0]) +
                                             " incomplet : " + std::to_string(r.fields.size()) +
                                             " champs, " + std::to_string(k + 1) + " attendus"));
    }
    std::string_view v = r.fields[k];
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    double out = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    if (v.empty() || ec != std::errc() || end != v.data() + v.size() || !std::isfinite(out) ||
        std::fabs(out) > kLargestValue) {
        throw ImportError(atLine(r.line, "nombre attendu au champ " + std::to_string(k + 1) +
                                             ", lu " + shown(r.fields[k])));
    }
    return out;
}

// A field that counts or codes something: a whole number, or the record is refused.
int wholeNumber(const Record& r, std::size_t k, const char* what) {
    const double v = number(r, k);
    if (v != std::floor(v) || std::fabs(v) > kLargestTypeCode)
        throw ImportError(atLine(r.line, std::string(what) + " entier attendu au champ " +
                                             std::to_string(k + 1) + ", lu " + shown(r.fields[k])));
    return static_cast<int>(v);
}

bool isDrawingRecord(std::string_view key) {
    return sameWord(key, "L") || sameWord(key, "A") || sameWord(key, "T") || sameWord(key, "C");
}

// Records of a block that say nothing this reader draws: its corners.
bool isBlockHeader(std::string_view key) {
    return sameWord(key, "LL") || sameWord(key, "UR");
}

void setUnit(Cff2Content& out, Design* current, const Record& r, double unit) {
    if (!current) {
        out.unit = unit;
        return;
    }
    if (current->unit && *current->unit != unit)
        throw ImportError(atLine(r.line, "deuxième unité dans le bloc (la première ligne " +
                                             std::to_string(current->unitLine) + ")"));
    if (!current->records.empty() && !current->unit)
        throw ImportError(atLine(r.line, "unité donnée après les traits du bloc qu'elle mesure"));
    current->unit = unit;
    current->unitLine = r.line;
}

Cff2Content parse(std::string_view text) {
    Cff2Content out;
    Design* current = nullptr;
    std::size_t line = 0;
    bool begun = false;
    bool hasMain = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (raw.empty())
            continue;
        Record r{line, splitFields(raw)};
        const std::string_view key = r.fields[0];
        if (!begun && !sameWord(key, "$BOF"))
            throw ImportError(atLine(line, "$BOF attendu : ce n'est pas un fichier CFF2"));
        begun = true;
        if (sameWord(key, "MAIN") || sameWord(key, "SUB")) {
            const std::string name(r.fields.size() > 1 ? r.fields[1] : std::string_view{});
            if (sameWord(key, "MAIN")) {
                if (hasMain)
                    throw ImportError(atLine(line, "deuxième section MAIN"));
                out.mainName = name;
                hasMain = true;
            }
            const auto [it, added] = out.designs.try_emplace(name);
            if (!added)
                throw ImportError(atLine(line, "bloc " + shown(name) + " défini deux fois"));
            current = &it->second;
        } else if (sameWord(key, "END")) {
            current = nullptr;
        } else if (sameWord(key, "UM")) {
            setUnit(out, current, r, 1.0);
        } else if (sameWord(key, "UI")) {
            setUnit(out, current, r, kMillimetresPerInch);
        } else if (sameWord(key, "SCALE") && current) {
            current->scale = {number(r, 1), number(r, 2)};
        } else if (current && isDrawingRecord(key)) {
            current->records.push_back(std::move(r));
        } else if (isDrawingRecord(key)) {
            out.notices.add("trait hors de tout bloc MAIN ou SUB, ignoré", line);
        } else if (current && !isBlockHeader(key) && !sameWord(key, "$EOF")) {
            out.notices.add("enregistrement inconnu " + shown(key) + " ignoré", line);
        }
    }
    if (!begun)
        throw ImportError("fichier vide");
    if (!hasMain)
        throw ImportError("aucune section MAIN : pas de dessin dans ce fichier CFF2");
    return out;
}

class Cff2Drawer {
  public:
    Cff2Drawer(const Cff2Content& content, const ImportOptions& options, Drawing& d,
               ElementSink& out, ImportReport& report)
        : content_(content), options_(options), d_(d), out_(out), report_(report) {}

    // `m` takes the block's millimetres to the drawing.
    void design(const Design& design, const Transform& m, int depth) {
        const double unit = design.unit.value_or(content_.unit);
        const Transform scaled =
            Transform::scale(unit * design.scale.x, unit * design.scale.y).then(m);
        for (const Record& r : design.records) {
            const char letter = static_cast<char>(r.fields[0][0] & ~0x20);
            if (letter == 'L')
                line(r, scaled);
            else if (letter == 'A')
                arc(r, scaled);
            else if (letter == 'T')
                text(r, scaled);
            else
                call(r, scaled, unit, depth);
        }
    }

    void finish() { notices_.appendTo(report_.notices); }

  private:
    LineKind kindOf(const Record& r) {
        const int type = wholeNumber(r, 2, "type de filet");
        if (const auto k = options_.table.cff2Kind(type))
            return *k;
        if (unknown_.insert(type).second)
            report_.unknownLayers.push_back(cff2TypeKey(type));
        return kind::Auxiliary;
    }

    // Bridges follow the geometry: their count, then their width. The cutting table spreads
    // them evenly, so they are read at the middles of equal parts of the rule (of all the
    // elements it came out as, when a stretched sub-design turned an arc into lines).
    void keepBridges(const Record& r, std::size_t first, std::size_t countField,
                     const Transform& m) {
        if (r.fields.size() <= countField || out_.count() == first)
            return;
        const double count = number(r, countField);
        if (count != std::floor(count) || count < 0) {
            notices_.add(
                "nombre de ponts incorrect " + shown(r.fields[countField]) + ", ponts ignorés",
                r.line);
            return;
        }
        if (count < 1)
            return;
        const double width = r.fields.size() > countField + 1
                                 ? number(r, countField + 1) * std::sqrt(std::fabs(m.det()))
                                 : 0;
        double total = 0;
        for (std::size_t i = first; i < out_.count(); ++i)
            total += strokeLength(d_.elements()[i]);
        if (!(width > 0) || count > kMaxBridgesPerRule || count * width > total + kEps) {
            notices_.add("ponts ignorés : largeur nulle ou filet trop court", r.line);
            return;
        }
        spreadBridges(first, static_cast<int>(count), width, total);
    }

    void spreadBridges(std::size_t first, int count, double width, double total) {
        std::size_t i = first;
        double before = 0;  // length of the elements before element i
        std::vector<Bridge> bridges;
        for (int k = 0; k < count; ++k) {
            const double at = total * (k + 0.5) / count;
            while (i + 1 < out_.count() && at > before + strokeLength(d_.elements()[i])) {
                setBridges(i, std::move(bridges));
                bridges.clear();
                before += strokeLength(d_.elements()[i++]);
            }
            const double len = strokeLength(d_.elements()[i]);
            if (len >= width)
                bridges.push_back({std::clamp(at - before, width / 2, len - width / 2), width});
        }
        setBridges(i, std::move(bridges));
    }

    void setBridges(std::size_t index, std::vector<Bridge> bridges) {
        if (!bridges.empty())
            d_.SetElementBridges(ElementId{kFirstElementId + static_cast<std::int32_t>(index)},
                                 std::move(bridges));
    }

    void line(const Record& r, const Transform& m) {
        const LineKind lineKind = kindOf(r);
        const std::size_t first = out_.count();
        out_.line(m({number(r, 4), number(r, 5)}), m({number(r, 6), number(r, 7)}), lineKind);
        keepBridges(r, first, 8, m);
    }

    void arc(const Record& r, const Transform& m) {
        const LineKind lineKind = kindOf(r);
        const Point start{number(r, 4), number(r, 5)};
        const Point end{number(r, 6), number(r, 7)};
        const Point centre{number(r, 8), number(r, 9)};
        const int direction = wholeNumber(r, 10, "sens d'arc");
        if (direction != 1 && direction != -1)
            throw ImportError(atLine(
                r.line, "sens d'arc 1 ou -1 attendu au champ 11, lu " + shown(r.fields[10])));
        const double radius = distance(centre, start);
        if (std::fabs(distance(centre, end) - radius) * m.stretch() > kJoinTolerance)
            throw ImportError(atLine(r.line, "arc dont le rayon diffère à ses extrémités (" +
                                                 shown(r.fields[4]) + " ; " + shown(r.fields[5]) +
                                                 " et " + shown(r.fields[6]) + " ; " +
                                                 shown(r.fields[7]) + ")"));
        const double a0 = toDegrees(std::atan2(start.y - centre.y, start.x - centre.x));
        const double a1 = toDegrees(std::atan2(end.y - centre.y, end.x - centre.x));
        double sweep = normalizeDegrees(direction < 0 ? a0 - a1 : a1 - a0);
        if (sweep <= kRoundingNoise)
            sweep = 360;  // starts and ends at one point: the whole circle
        const ArcShape counterClockwise{centre, radius, normalizeDegrees(direction < 0 ? a1 : a0),
                                        sweep};
        const std::size_t first = out_.count();
        emitArc(m, counterClockwise, lineKind, out_);
        keepBridges(r, first, 11, m);
    }

    void text(const Record& r, const Transform& m) {
        std::string s;
        for (std::size_t k = 9; k < r.fields.size(); ++k)
            s += (k > 9 ? "," : "") + std::string(r.fields[k]);
        s = utf8Text(s);
        if (s.empty())
            return;
        const double scale = std::sqrt(std::fabs(m.det()));
        out_.text(
            TextShape{m({number(r, 4), number(r, 5)}), s, 0, number(r, 7) * scale, number(r, 6)});
    }

    // C,name,x,y,angle,scale x,scale y: a sub-design placed, (x, y) in the caller's units
    // (`unit` millimetres each), the sub-design drawn in its own.
    void call(const Record& r, const Transform& m, double unit, int depth) {
        const std::string_view name = r.fields.size() > 1 ? r.fields[1] : std::string_view{};
        const auto it = content_.designs.find(name);
        if (it == content_.designs.end() || name == content_.mainName)
            throw ImportError(atLine(r.line, "sous-dessin inconnu " + shown(name)));
        if (depth >= kMaxCallDepth)
            throw ImportError(atLine(r.line, "sous-dessins imbriqués sur plus de " +
                                                 std::to_string(kMaxCallDepth) + " niveaux"));
        const double sx = r.fields.size() > 5 ? number(r, 5) : 1.0;
        const double sy = r.fields.size() > 6 ? number(r, 6) : 1.0;
        const Transform place = Transform::scale(sx / unit, sy / unit)
                                    .then(Transform::turn(number(r, 4)))
                                    .then(Transform::move({number(r, 2), number(r, 3)}))
                                    .then(m);
        design(it->second, place, depth + 1);
    }

    const Cff2Content& content_;
    const ImportOptions& options_;
    Drawing& d_;
    ElementSink& out_;
    ImportReport& report_;
    std::set<int> unknown_;
    NoticeTally notices_;
};

}  // namespace

FileResult readCff2Text(std::string_view text, const ImportOptions& options, Drawing& d,
                        ImportReport& report) {
    d.ClearDrawing();
    try {
        const Cff2Content content = parse(text);
        ElementSink sink(d, kMaxElements);
        Cff2Drawer drawer(content, options, d, sink, report);
        drawer.design(content.designs.at(content.mainName), Transform{}, 0);
        content.notices.appendTo(report.notices);
        drawer.finish();
    } catch (const ImportError& e) {
        return FileResult::failure(e.what());
    }
    return FileResult::success();
}

}  // namespace brontaxe::io
