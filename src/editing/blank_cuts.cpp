// The modify tools that cut strokes back, carry them on or round their corners: trim, extend,
// split, fillet and offset.

#include <algorithm>
#include <cmath>

#include "drawing/fillet.h"
#include "editing/blank_edits.h"
#include "editing/stroke_geometry.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kNoCrossing = "Les éléments ne se coupent pas.";

bool isStroke(const Element& e) {
    return std::holds_alternative<LineShape>(e.shape) || std::holds_alternative<ArcShape>(e.shape);
}

bool isCircle(const Element& e) {
    const auto* a = std::get_if<ArcShape>(&e.shape);
    return a && isFullCircle(*a);
}

// Why element `i` cannot be worked on; empty when it can.
std::string strokeRefusal(const Blank& blank, std::size_t i) {
    if (i >= blank.size())
        return "Élément inexistant.";
    if (!isStroke(blank[i]))
        return "Seules les droites et les arcs se modifient ainsi.";
    // A stroke of no length has no direction to carry it on nor a side to offset it to.
    if (!(lengthAlong(blank[i].shape) > kEditTolerance))
        return "L'élément est de longueur nulle.";
    return {};
}

std::string pairRefusal(const Blank& blank, std::size_t target, std::size_t boundary) {
    std::string why = strokeRefusal(blank, target);
    if (why.empty())
        why = strokeRefusal(blank, boundary);
    if (why.empty() && target == boundary)
        why = "Choisissez une limite autre que l'élément.";
    return why;
}

// Where `target` meets `boundary`, as places along `target`, in order.
std::vector<double> crossingPlaces(const Element& target, const Element& boundary) {
    std::vector<double> places;
    for (const Point& p : strokeCrossings(target.shape, boundary.shape))
        places.push_back(placeAlong(target.shape, p));
    std::sort(places.begin(), places.end());
    return places;
}

EditOutcome withPieces(Blank blank, std::size_t target, std::vector<Element> pieces) {
    blank[target] = std::move(pieces.front());
    for (std::size_t i = 1; i < pieces.size(); ++i)
        blank.push_back(std::move(pieces[i]));
    return EditOutcome::done(std::move(blank));
}

// A circle keeps the arc from the crossing after the picked place round to the one before.
EditOutcome trimmedCircle(const Blank& blank, std::size_t target, double picked,
                          const std::vector<double>& places) {
    const Element& t = blank[target];
    const double round = lengthAlong(t.shape);
    if (places.size() < 2 || places.back() - places.front() <= kEditTolerance)
        return EditOutcome::refused("Un cercle s'ajuste entre deux intersections.");
    const auto after = std::upper_bound(places.begin(), places.end(), picked);
    const double from = after == places.end() ? places.front() : *after;
    const double before = after == places.begin() ? places.back() : *(after - 1);
    const double to = before < from ? before + round : before;
    return withPieces(blank, target, {stretchOf(t, from, to)});
}

// The place just beyond a line's or an arc's end (or before its start) where its whole
// line or circle meets `boundary`.
std::optional<double> extensionPlace(const Element& target, const Element& boundary, bool atEnd) {
    const double span = lengthAlong(target.shape);
    std::optional<double> best;
    for (const Point& p : strokeCrossings(target.shape, boundary.shape, true)) {
        double place = placeAlong(target.shape, p);
        if (const auto* a = std::get_if<ArcShape>(&target.shape)) {
            // An arc grows round its circle: forward from its end, backward from its start.
            const double fromStart =
                a->radius * toRadians(normalizeDegrees(angleAt(a->centre, p) - a->startDeg));
            if (fromStart <= span + kEditTolerance)
                continue;
            place = atEnd ? fromStart : fromStart - a->radius * 2 * kPi;
        }
        const bool beyond = atEnd ? place > span + kEditTolerance : place < -kEditTolerance;
        if (beyond && (!best || (atEnd ? place < *best : place > *best)))
            best = place;
    }
    return best;
}

std::string filletRefusal(FilletFault fault) {
    switch (fault) {
        case FilletFault::None:
            return {};
        case FilletFault::NegativeRadius:
            return "Le rayon ne peut pas être négatif.";
        case FilletFault::ZeroLength:
            return "Une des droites est de longueur nulle.";
        case FilletFault::Parallel:
            return kNoCrossing;
        case FilletFault::Aligned:
            return "Les deux droites sont alignées.";
        case FilletFault::RadiusTooLarge:
            return "Rayon trop grand pour ces droites.";
    }
    return {};
}

// The line as the fillet left it, its bridges kept where they still lie on it.
Element reshapedLine(const Element& e, const LineShape& now) {
    const double from = placeAlong(e.shape, now.a);
    Element out = stretchOf(e, from, placeAlong(e.shape, now.b));
    out.shape = now;
    return out;
}

}  // namespace

EditOutcome trimmed(const Blank& blank, std::size_t target, Point pickedAt, std::size_t boundary) {
    if (std::string why = pairRefusal(blank, target, boundary); !why.empty())
        return EditOutcome::refused(std::move(why));
    const Element& t = blank[target];
    const double span = lengthAlong(t.shape);
    std::vector<double> places = crossingPlaces(t, blank[boundary]);
    const double picked = std::clamp(placeAlong(t.shape, pickedAt), 0.0, span);
    if (isCircle(t))
        return trimmedCircle(blank, target, picked, places);
    // A crossing at an end cuts nothing off.
    std::erase_if(places,
                  [span](double c) { return c <= kEditTolerance || c >= span - kEditTolerance; });
    if (places.empty())
        return EditOutcome::refused(kNoCrossing);
    std::vector<Element> pieces;
    const auto after = std::upper_bound(places.begin(), places.end(), picked);
    if (after != places.begin())
        pieces.push_back(stretchOf(t, 0, *(after - 1)));
    if (after != places.end())
        pieces.push_back(stretchOf(t, *after, span));
    return withPieces(blank, target, std::move(pieces));
}

EditOutcome extended(const Blank& blank, std::size_t target, Point pickedAt, std::size_t boundary) {
    if (std::string why = pairRefusal(blank, target, boundary); !why.empty())
        return EditOutcome::refused(std::move(why));
    const Element& t = blank[target];
    if (isCircle(t))
        return EditOutcome::refused("Un cercle n'a pas d'extrémité à prolonger.");
    const double span = lengthAlong(t.shape);
    const bool atEnd =
        distance(pickedAt, pointAlong(t.shape, span)) < distance(pickedAt, pointAlong(t.shape, 0));
    const auto place = extensionPlace(t, blank[boundary], atEnd);
    if (!place)
        return EditOutcome::refused(kNoCrossing);
    return withPieces(blank, target,
                      {atEnd ? stretchOf(t, 0, *place) : stretchOf(t, *place, span)});
}

EditOutcome split(const Blank& blank, std::size_t target, Point at) {
    if (std::string why = strokeRefusal(blank, target); !why.empty())
        return EditOutcome::refused(std::move(why));
    const Element& t = blank[target];
    const double span = lengthAlong(t.shape);
    const double place = std::clamp(placeAlong(t.shape, at), 0.0, span);
    if (isCircle(t))
        return withPieces(blank, target, {stretchOf(t, place, place + span)});
    if (place <= kEditTolerance || place >= span - kEditTolerance)
        return EditOutcome::refused("Le point de coupe est à une extrémité de l'élément.");
    return withPieces(blank, target, {stretchOf(t, 0, place), stretchOf(t, place, span)});
}

EditOutcome filleted(const Blank& blank, std::size_t first, std::size_t second, double radius) {
    if (first >= blank.size() || second >= blank.size())
        return EditOutcome::refused("Élément inexistant.");
    const auto* l1 = std::get_if<LineShape>(&blank[first].shape);
    const auto* l2 = std::get_if<LineShape>(&blank[second].shape);
    if (!l1 || !l2 || first == second)
        return EditOutcome::refused("Le raccord se fait entre deux droites.");
    const FilletCorner corner = filletCorner(*l1, *l2, radius);
    if (corner.fault != FilletFault::None)
        return EditOutcome::refused(filletRefusal(corner.fault));
    if (corner.first == *l1 && corner.second == *l2 && !corner.arc)
        return EditOutcome::refused("Les droites se rejoignent déjà.");
    Blank out = blank;
    out[first] = reshapedLine(blank[first], corner.first);
    out[second] = reshapedLine(blank[second], corner.second);
    if (corner.arc) {
        const Element& from = blank[first];
        out.push_back(Element{*corner.arc, from.lineKind, from.lineVariant, from.piece});
    }
    return EditOutcome::done(std::move(out));
}

EditOutcome offset(const Blank& blank, std::size_t target, double distanceMm, Point side) {
    if (std::string why = strokeRefusal(blank, target); !why.empty())
        return EditOutcome::refused(std::move(why));
    if (!(distanceMm > kEditTolerance) || !std::isfinite(distanceMm))
        return EditOutcome::refused("La distance doit être positive.");
    Element copy = blank[target];
    if (const auto* l = std::get_if<LineShape>(&copy.shape)) {
        const Point along = unit(l->b - l->a);
        const double towards = cross(along, side - l->a);
        if (std::fabs(towards) <= kEditTolerance)
            return EditOutcome::refused("Indiquez le côté hors de l'élément.");
        const Point normal = Point{-along.y, along.x} * (towards > 0 ? distanceMm : -distanceMm);
        copy.shape = LineShape{l->a + normal, l->b + normal};
    } else {
        auto a = std::get<ArcShape>(copy.shape);
        const double fromCentre = distance(side, a.centre);
        if (std::fabs(fromCentre - a.radius) <= kEditTolerance)
            return EditOutcome::refused("Indiquez le côté hors de l'élément.");
        a.radius += fromCentre > a.radius ? distanceMm : -distanceMm;
        if (a.radius <= kEditTolerance)
            return EditOutcome::refused("Le décalage vers le centre dépasse le rayon.");
        copy.shape = a;
    }
    Blank out = blank;
    out.push_back(withBridgesOnStroke(std::move(copy)));
    return EditOutcome::done(std::move(out));
}

}  // namespace brontaxe::editing
