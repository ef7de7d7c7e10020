#include "check/design_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <variant>

#include "check/stroke_geometry.h"

namespace brontaxe {
namespace {

using check::Stroke;

// Flaps are rounded to whole millimetres: two of them may fall a millimetre short together.
constexpr double kFlapRounding = 1.0;

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", std::fabs(v) < 0.005 ? 0.0 : v);
    std::string s(buf);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string at(Point p) {
    return "(" + number(p.x) + " ; " + number(p.y) + ")";
}

std::string no(ElementId id) {
    return "n° " + std::to_string(id.value);
}

bool isFold(std::int16_t k) {
    return k == kind::Crease || k == kind::PerforatedCrease;
}

// Lines a crease may end on: every stroke of the blank but the dimension-like kinds.
bool supportsAFold(std::int16_t k) {
    return k == kind::Cut || isFold(k) || k == kind::HalfCut || k == kind::Perforation;
}

void checkZeroLength(const std::vector<Stroke>& zero, std::vector<Finding>& out) {
    for (const Stroke& s : zero) {
        out.push_back({FindingKind::ZeroLength,
                       {s.id},
                       s.start(),
                       "Élément de longueur nulle : " + no(s.id) + " en " + at(s.start())});
    }
}

void checkOpenOutline(const std::vector<Stroke>& strokes, std::vector<Finding>& out) {
    std::vector<std::pair<Point, ElementId>> cutEnds;
    std::vector<Point> foldEnds;
    for (const Stroke& s : strokes) {
        if (s.closed())
            continue;
        if (s.kind == kind::Cut) {
            cutEnds.push_back({s.start(), s.id});
            cutEnds.push_back({s.end(), s.id});
        } else if (isFold(s.kind) && !s.isArc()) {
            foldEnds.push_back(s.start());
            foldEnds.push_back(s.end());
        }
    }
    for (std::size_t i = 0; i < cutEnds.size(); ++i) {
        const Point p = cutEnds[i].first;
        bool meets = false;
        for (std::size_t j = 0; j < cutEnds.size() && !meets; ++j)
            meets = i != j && areNear(p, cutEnds[j].first, kCheckTolerance);
        if (meets)
            continue;
        // A cut that runs into the corner where two folds meet leaves the board joined
        // through the folds on both sides of it.
        const auto folds = std::count_if(foldEnds.begin(), foldEnds.end(), [&](const Point& f) {
            return areNear(p, f, kCheckTolerance);
        });
        if (folds >= 2)
            continue;
        out.push_back({FindingKind::OpenOutline,
                       {cutEnds[i].second},
                       p,
                       "Contour ouvert : l'extrémité de la coupe " + no(cutEnds[i].second) +
                           " en " + at(p) + " ne rejoint aucune autre coupe"});
    }
}

// Crossings of two strokes away from the ends of either: a cut or crease that merely ends on
// the other is a joint, not a crossing.
std::optional<Point> crossingOf(const Stroke& s, const Stroke& t) {
    if (!check::boxesTouch(s.box, t.box, kCheckTolerance))
        return std::nullopt;
    for (const Segment& a : s.chords)
        for (const Segment& b : t.chords) {
            const std::optional<Point> p = check::segmentIntersection(a, b);
            if (!p)
                continue;
            if (s.isEndPoint(*p, kCheckTolerance) || t.isEndPoint(*p, kCheckTolerance))
                continue;
            return p;
        }
    return std::nullopt;
}

void checkCrossings(const std::vector<Stroke>& strokes, std::vector<Finding>& out) {
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        const bool sCut = s.kind == kind::Cut;
        if (!sCut && !isFold(s.kind))
            continue;
        for (std::size_t j = i + 1; j < strokes.size(); ++j) {
            const Stroke& t = strokes[j];
            const bool tCut = t.kind == kind::Cut;
            // Cut against cut, or a fold against a cut; folds may cross each other.
            if (!(sCut && tCut) && !(sCut && isFold(t.kind)) && !(tCut && isFold(s.kind)))
                continue;
            const std::optional<Point> p = crossingOf(s, t);
            if (!p)
                continue;
            if (sCut && tCut) {
                out.push_back({FindingKind::CrossingCuts,
                               {s.id, t.id},
                               *p,
                               "Coupes croisées : " + no(s.id) + " et " + no(t.id) +
                                   " se croisent en " + at(*p)});
            } else {
                const Stroke& fold = sCut ? t : s;
                const Stroke& cut = sCut ? s : t;
                out.push_back({FindingKind::CreaseOverCut,
                               {fold.id, cut.id},
                               *p,
                               "Rainage sur une coupe : le rainage " + no(fold.id) +
                                   " traverse la coupe " + no(cut.id) + " en " + at(*p)});
            }
        }
    }
}

void checkOverlaps(const std::vector<Stroke>& strokes, std::vector<Finding>& out) {
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (s.kind != kind::Cut && !isFold(s.kind))
            continue;
        for (std::size_t j = i + 1; j < strokes.size(); ++j) {
            const Stroke& t = strokes[j];
            const bool bothCut = s.kind == kind::Cut && t.kind == kind::Cut;
            const bool foldOnCut =
                (s.kind == kind::Cut && isFold(t.kind)) || (t.kind == kind::Cut && isFold(s.kind));
            if (!bothCut && !foldOnCut)
                continue;
            if (!check::boxesTouch(s.box, t.box, kCheckTolerance))
                continue;
            const std::optional<Point> p = check::overlapMiddle(s, t, kCheckTolerance);
            if (!p)
                continue;
            if (bothCut) {
                out.push_back({FindingKind::DoubledCut,
                               {s.id, t.id},
                               *p,
                               "Coupe doublée : " + no(s.id) + " et " + no(t.id) +
                                   " se recouvrent en " + at(*p)});
            } else {
                const Stroke& fold = s.kind == kind::Cut ? t : s;
                const Stroke& cut = s.kind == kind::Cut ? s : t;
                out.push_back({FindingKind::CreaseOverCut,
                               {fold.id, cut.id},
                               *p,
                               "Rainage sur une coupe : le rainage " + no(fold.id) +
                                   " recouvre la coupe " + no(cut.id) + " en " + at(*p)});
            }
        }
    }
}

void checkFoldEnds(const std::vector<Stroke>& strokes, std::vector<Finding>& out) {
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (!isFold(s.kind) || s.closed())
            continue;
        for (const Point p : {s.start(), s.end()}) {
            bool held = false;
            for (std::size_t j = 0; j < strokes.size() && !held; ++j) {
                held = j != i && supportsAFold(strokes[j].kind) &&
                       strokes[j].passesThrough(p, kCheckTolerance);
            }
            if (held)
                continue;
            out.push_back({FindingKind::CreaseInAir,
                           {s.id},
                           p,
                           "Rainage dans le vide : l'extrémité du rainage " + no(s.id) + " en " +
                               at(p) + " ne touche ni coupe ni pli"});
        }
    }
}

}  // namespace

std::vector<Finding> checkDrawing(const Drawing& d) {
    std::vector<Stroke> strokes;
    std::vector<Stroke> zero;
    check::collectStrokes(d, kCheckTolerance, strokes, zero);
    std::vector<Finding> out;
    checkZeroLength(zero, out);
    checkOpenOutline(strokes, out);
    checkCrossings(strokes, out);
    checkOverlaps(strokes, out);
    checkFoldEnds(strokes, out);
    return out;
}

std::vector<Finding> checkFolds(const std::vector<FoldPair>& folds, double thickness) {
    std::vector<Finding> out;
    for (const FoldPair& f : folds) {
        const double excess = f.depthA + f.depthB - f.span;
        const std::string sizes = ", " + number(f.depthA) + " + " + number(f.depthB) + " mm sur " +
                                  number(f.span) + " mm entre rainages";
        if (excess > thickness / 2 + kCheckTolerance) {
            out.push_back({FindingKind::FlapCollision,
                           {},
                           {},
                           "Rabats en collision : " + f.what + sizes + " (" + number(excess) +
                               " mm de trop)"});
        } else if (f.fit == FoldFit::Meet &&
                   -excess > thickness + kFlapRounding + kCheckTolerance) {
            out.push_back(
                {FindingKind::FlapGap,
                 {},
                 {},
                 "Rabats écartés : " + f.what + sizes + " (" + number(-excess) + " mm d'écart)"});
        }
    }
    return out;
}

std::vector<Finding> checkBlank(const Drawing& d, std::string_view code, const Model& m) {
    std::vector<Finding> out = checkDrawing(d);
    std::vector<Finding> folds = checkFolds(declaredFolds(code, m), m.EpaisseurCarton);
    out.insert(out.end(), folds.begin(), folds.end());
    return out;
}

std::string verdictText(const std::vector<Finding>& findings) {
    if (findings.empty())
        return "Contrôle : aucun défaut";
    const std::size_t n = findings.size();
    return "Contrôle : " + std::to_string(n) + (n == 1 ? " défaut" : " défauts");
}

std::string findingsText(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings)
        out += f.message + "\n";
    return out;
}

}  // namespace brontaxe
