#include "check/design_check.h"

#include <algorithm>
#include <array>
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

// A relief cut: a straight cut from a fold's end onwards along the fold's line, so that the
// fold bends clear of the board beyond it. Its far end may stop in the board.
bool isReliefCut(const Stroke& cut, Point freeEnd, const std::vector<const Stroke*>& folds) {
    if (cut.isArc())
        return false;
    const Point from =
        check::within(freeEnd, cut.start(), kCheckTolerance) ? cut.end() : cut.start();
    const Point along = freeEnd - from;
    return std::any_of(folds.begin(), folds.end(), [&](const Stroke* f) {
        const bool fromItsEnd = check::within(from, f->start(), kCheckTolerance) ||
                                check::within(from, f->end(), kCheckTolerance);
        const Point dir = f->end() - f->start();
        return fromItsEnd && std::fabs(cross(along, dir)) <= kCheckTolerance * length(dir);
    });
}

void checkOpenOutline(const std::vector<Stroke>& strokes, std::vector<Finding>& out) {
    std::vector<std::pair<Point, std::size_t>> cutEnds;  // an end and its stroke
    std::vector<Point> foldEnds;
    std::vector<const Stroke*> folds;
    cutEnds.reserve(2 * strokes.size());
    for (std::size_t k = 0; k < strokes.size(); ++k) {
        const Stroke& s = strokes[k];
        if (s.closed())
            continue;
        if (s.kind == kind::Cut) {
            cutEnds.push_back({s.start(), k});
            cutEnds.push_back({s.end(), k});
        } else if (isFold(s.kind) && !s.isArc()) {
            foldEnds.push_back(s.start());
            foldEnds.push_back(s.end());
            folds.push_back(&s);
        }
    }
    // Ends sorted along x: each one is compared with its neighbours within the tolerance.
    std::sort(cutEnds.begin(), cutEnds.end(), [](const auto& a, const auto& b) {
        return a.first.x < b.first.x || (a.first.x == b.first.x && a.second < b.second);
    });
    const std::size_t firstFound = out.size();
    for (std::size_t i = 0; i < cutEnds.size(); ++i) {
        const Point p = cutEnds[i].first;
        bool meets = false;
        for (std::size_t j = i; j-- > 0 && p.x - cutEnds[j].first.x <= kCheckTolerance && !meets;)
            meets = check::within(p, cutEnds[j].first, kCheckTolerance);
        for (std::size_t j = i + 1;
             j < cutEnds.size() && cutEnds[j].first.x - p.x <= kCheckTolerance && !meets; ++j)
            meets = check::within(p, cutEnds[j].first, kCheckTolerance);
        if (meets)
            continue;
        // A cut that ends where a fold ends leaves the board joined through the fold: the
        // corner where two folds meet, or the hinge of a push-in flap cut out of a wall.
        const bool onAFold = std::any_of(foldEnds.begin(), foldEnds.end(), [&](const Point& f) {
            return check::within(p, f, kCheckTolerance);
        });
        const Stroke& cut = strokes[cutEnds[i].second];
        if (onAFold || isReliefCut(cut, p, folds))
            continue;
        out.push_back({FindingKind::OpenOutline,
                       {cut.id},
                       p,
                       "Contour ouvert : l'extrémité de la coupe " + no(cut.id) + " en " + at(p) +
                           " ne rejoint aucune autre coupe"});
    }
    // Listed in drawing order, as the other findings are.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(firstFound), out.end(),
                     [](const Finding& a, const Finding& b) { return a.elements < b.elements; });
}

// Crossings of two strokes away from the ends of either: a cut or crease that merely ends on
// the other is a joint, not a crossing.
std::optional<Point> crossingOf(const Stroke& s, const Stroke& t) {
    if (!check::boxesTouch(s.box, t.box, kCheckTolerance))
        return std::nullopt;
    for (const Segment& a : s.chords())
        for (const Segment& b : t.chords()) {
            if (std::max(a.a.x, a.b.x) < std::min(b.a.x, b.b.x) ||
                std::max(b.a.x, b.b.x) < std::min(a.a.x, a.b.x) ||
                std::max(a.a.y, a.b.y) < std::min(b.a.y, b.b.y) ||
                std::max(b.a.y, b.b.y) < std::min(a.a.y, a.b.y))
                continue;
            const std::optional<Point> p = check::segmentIntersection(a, b);
            if (!p)
                continue;
            if (s.isEndPoint(*p, kCheckTolerance) || t.isEndPoint(*p, kCheckTolerance))
                continue;
            return p;
        }
    return std::nullopt;
}

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Boxes hold an arc's chords, which stray from the arc by up to 0.05 mm.
constexpr double kPairMargin = kCheckTolerance + 0.05;

// The pairs of strokes a fold may end on (cuts, folds, half-cuts, perforations) whose boxes
// come within an arc's chord tolerance of each other, in drawing order: boxes swept along x, so
// that a blank of n strokes costs far fewer than n² comparisons.
Pairs touchingPairs(const std::vector<Stroke>& strokes) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < strokes.size(); ++i)
        if (supportsAFold(strokes[i].kind))
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return strokes[a].box.xmin < strokes[b].box.xmin;
    });
    Pairs pairs;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Box& a = strokes[order[k]].box;
        for (std::size_t l = k + 1;
             l < order.size() && strokes[order[l]].box.xmin <= a.xmax + kPairMargin; ++l) {
            if (!check::boxesTouch(a, strokes[order[l]].box, kPairMargin))
                continue;
            pairs.push_back(std::minmax(order[k], order[l]));
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

void checkCrossings(const std::vector<Stroke>& strokes, const Pairs& pairs,
                    std::vector<Finding>& out) {
    for (const auto& [i, j] : pairs) {
        const Stroke& s = strokes[i];
        const bool sCut = s.kind == kind::Cut;
        {
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

void checkOverlaps(const std::vector<Stroke>& strokes, const Pairs& pairs,
                   std::vector<Finding>& out) {
    for (const auto& [i, j] : pairs) {
        const Stroke& s = strokes[i];
        {
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

void checkFoldEnds(const std::vector<Stroke>& strokes, const Pairs& pairs,
                   std::vector<Finding>& out) {
    // Whether each end of each fold rests on a stroke: only strokes whose boxes touch it can.
    std::vector<std::array<bool, 2>> held(strokes.size(), {false, false});
    const auto rest = [&](std::size_t fold, std::size_t other) {
        const Stroke& s = strokes[fold];
        held[fold][0] = held[fold][0] || strokes[other].passesThrough(s.start(), kCheckTolerance);
        held[fold][1] = held[fold][1] || strokes[other].passesThrough(s.end(), kCheckTolerance);
    };
    for (const auto& [i, j] : pairs) {
        if (isFold(strokes[i].kind))
            rest(i, j);
        if (isFold(strokes[j].kind))
            rest(j, i);
    }
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const Stroke& s = strokes[i];
        if (!isFold(s.kind) || s.closed())
            continue;
        for (int end = 0; end < 2; ++end) {
            if (held[i][static_cast<std::size_t>(end)])
                continue;
            const Point p = end == 0 ? s.start() : s.end();
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
    const Pairs pairs = touchingPairs(strokes);
    checkCrossings(strokes, pairs, out);
    checkOverlaps(strokes, pairs, out);
    checkFoldEnds(strokes, pairs, out);
    return out;
}

std::vector<Finding> checkFolds(const std::vector<FoldPair>& folds, double thickness) {
    std::vector<Finding> out;
    for (const FoldPair& f : folds) {
        const double excess = f.depthA + f.depthB - f.span;
        const auto sizes = [&f] {
            return std::string(f.what) + ", " + number(f.depthA) + " + " + number(f.depthB) +
                   " mm sur " + number(f.span) + " mm entre rainages";
        };
        if (excess > thickness / 2 + kCheckTolerance) {
            out.push_back(
                {FindingKind::FlapCollision,
                 {},
                 {},
                 "Rabats en collision : " + sizes() + " (" + number(excess) + " mm de trop)"});
        } else if (f.fit == FoldFit::Meet &&
                   -excess > thickness + kFlapRounding + kCheckTolerance) {
            out.push_back(
                {FindingKind::FlapGap,
                 {},
                 {},
                 "Rabats écartés : " + sizes() + " (" + number(-excess) + " mm d'écart)"});
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
