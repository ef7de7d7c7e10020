// Adding, deleting and replacing elements of the blank, and moving, turning and mirroring a
// selection of them (or copies of it).

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/transform.h"
#include "editing/blank_edits.h"

namespace brontaxe::editing {
namespace {

// Bridges sit at distances from the start of the stroke: where the stroke now runs the other
// way, each is measured from the other end and their order turns round.
std::vector<Bridge> reversedBridges(const std::vector<Bridge>& bridges, double strokeLength) {
    std::vector<Bridge> out;
    out.reserve(bridges.size());
    for (auto it = bridges.rbegin(); it != bridges.rend(); ++it)
        out.push_back({strokeLength - it->at, it->width});
    return out;
}

// A selected element through a rigid motion (a move, a turn or a mirror).
struct ShapeMover {
    const Transform& motion;

    double direction(double degrees) const { return normalizeDegrees(motion.direction(degrees)); }
    Shape operator()(const LineShape& l) const { return LineShape{motion(l.a), motion(l.b)}; }
    // A mirrored arc would run clockwise: it is stored from the image of its end instead, so
    // that it stays counter-clockwise with the same sweep.
    Shape operator()(const ArcShape& a) const {
        const double from = motion.mirrors() ? a.startDeg + a.sweepDeg : a.startDeg;
        return ArcShape{motion(a.centre), a.radius, direction(from), a.sweepDeg};
    }
    Shape operator()(const DimensionShape& d) const {
        return DimensionShape{motion(d.p1), motion(d.p2), motion(d.ref)};
    }
    // A text keeps reading forwards: a mirror moves it without turning it over.
    Shape operator()(const TextShape& t) const {
        TextShape out = t;
        out.position = motion(t.position);
        if (!motion.mirrors())
            out.angleDeg = direction(t.angleDeg);
        return out;
    }
    Shape operator()(const SymbolShape& s) const {
        SymbolShape out = s;
        out.position = motion(s.position);
        out.angleDeg = direction(s.angleDeg);
        return out;
    }
    // A sheet outline stays an upright box: the box around its moved corners.
    Shape operator()(const SheetShape& s) const {
        Box box;
        for (const Point p : {s.min, Point{s.max.x, s.min.y}, s.max, Point{s.min.x, s.max.y}})
            box.add(motion(p));
        return SheetShape{{box.xmin, box.ymin}, {box.xmax, box.ymax}};
    }
    Shape operator()(const ContourShape& c) const {
        ContourShape out = c;
        for (auto& ring : out.rings)
            for (Point& p : ring)
                p = motion(p);
        return out;
    }
};

Element movedElement(const Element& e, const Transform& motion) {
    Element out = e;
    out.shape = std::visit(ShapeMover{motion}, e.shape);
    if (motion.mirrors() && std::holds_alternative<ArcShape>(e.shape))
        out.bridges = reversedBridges(e.bridges, strokeLength(e));
    return out;
}

std::string missingElement(std::size_t index) {
    return "L'élément n° " + std::to_string(index + 1) + " n'existe pas.";
}

// The selection without repeats, in the order given; the French refusal when it is empty or
// names an element the blank has not.
struct CheckedSelection {
    Selection indices;
    std::string refusal;
};

CheckedSelection checked(const Blank& blank, const Selection& selection) {
    if (selection.empty())
        return {{}, "Aucun élément n'est sélectionné."};
    CheckedSelection out;
    for (const std::size_t i : selection) {
        if (i >= blank.size())
            return {{}, missingElement(i)};
        if (std::find(out.indices.begin(), out.indices.end(), i) == out.indices.end())
            out.indices.push_back(i);
    }
    return out;
}

EditOutcome appliedTo(const Blank& blank, const Selection& selection, const Transform& motion,
                      bool copy) {
    const CheckedSelection chosen = checked(blank, selection);
    if (!chosen.refusal.empty())
        return EditOutcome::refused(chosen.refusal);
    Blank out = blank;
    for (const std::size_t i : chosen.indices) {
        Element image = movedElement(blank[i], motion);
        if (copy)
            out.push_back(std::move(image));
        else
            out[i] = std::move(image);
    }
    return EditOutcome::done(std::move(out));
}

}  // namespace

EditOutcome added(const Blank& blank, const std::vector<Shape>& shapes, const LineStyle& pen) {
    if (shapes.empty())
        return EditOutcome::refused("Rien à ajouter.");
    Blank out = blank;
    for (const Shape& s : shapes)
        out.push_back(drawnWith(s, pen));
    return EditOutcome::done(std::move(out));
}

EditOutcome deleted(const Blank& blank, const Selection& selection) {
    const CheckedSelection chosen = checked(blank, selection);
    if (!chosen.refusal.empty())
        return EditOutcome::refused(chosen.refusal);
    std::vector<bool> gone(blank.size(), false);
    for (const std::size_t i : chosen.indices)
        gone[i] = true;
    Blank out;
    out.reserve(blank.size() - chosen.indices.size());
    for (std::size_t i = 0; i < blank.size(); ++i)
        if (!gone[i])
            out.push_back(blank[i]);
    return EditOutcome::done(std::move(out));
}

EditOutcome replaced(const Blank& blank, std::size_t index, const Element& changed) {
    if (index >= blank.size())
        return EditOutcome::refused(missingElement(index));
    Blank out = blank;
    out[index] = changed;
    return EditOutcome::done(std::move(out));
}

EditOutcome moved(const Blank& blank, const Selection& selection, Point offset, bool copy) {
    if (areNear(offset, Point{}))
        return EditOutcome::refused("Le déplacement est nul.");
    return appliedTo(blank, selection, Transform::move(offset), copy);
}

EditOutcome rotated(const Blank& blank, const Selection& selection, Point centre, double degrees,
                    bool copy) {
    if (!std::isfinite(degrees) || std::fabs(std::remainder(degrees, 360.0)) <= kRoundingNoise)
        return EditOutcome::refused("L'angle de rotation est nul.");
    return appliedTo(blank, selection, Transform::turnAbout(centre, degrees), copy);
}

EditOutcome mirrored(const Blank& blank, const Selection& selection, Point a, Point b, bool copy) {
    if (areNear(a, b))
        return EditOutcome::refused("Les deux points de l'axe sont confondus.");
    const Point d = b - a;
    return appliedTo(blank, selection, Transform::mirrorAcross(a, toDegrees(std::atan2(d.y, d.x))),
                     copy);
}

}  // namespace brontaxe::editing
