#include "editing/element_properties.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/line_kind_names.h"
#include "editing/stroke_geometry.h"

namespace brontaxe::editing {
namespace {

constexpr const char* kNotOfShape = "Cet élément n'a pas cette propriété.";
constexpr const char* kNoLength = "La longueur doit être positive.";

PropertyChange refusal(std::string why) {
    return {std::nullopt, std::move(why)};
}

bool isStrokeElement(const Element& e) {
    return std::holds_alternative<LineShape>(e.shape) || std::holds_alternative<ArcShape>(e.shape);
}

std::optional<std::int16_t> wholeNumber(double value, double lowest) {
    if (value != std::floor(value) || value < lowest ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

PropertyChange withLineProperty(Element e, LineShape l, Property p, double value) {
    const double len = distance(l.a, l.b);
    const double angle = toDegrees(std::atan2(l.b.y - l.a.y, l.b.x - l.a.x));
    switch (p) {
        case Property::StartX:
            l.a.x = value;
            break;
        case Property::StartY:
            l.a.y = value;
            break;
        case Property::EndX:
            l.b.x = value;
            break;
        case Property::EndY:
            l.b.y = value;
            break;
        case Property::Length:
            if (!(value > kEditTolerance))
                return refusal(kNoLength);
            l.b = pointOnCircle(l.a, value, angle);
            break;
        case Property::Angle:
            l.b = pointOnCircle(l.a, len, value);
            break;
        default:
            return refusal(kNotOfShape);
    }
    if (distance(l.a, l.b) <= kEditTolerance)
        return refusal("Les deux extrémités seraient confondues.");
    e.shape = l;
    return {withBridgesOnStroke(std::move(e)), {}};
}

PropertyChange withArcProperty(Element e, ArcShape a, Property p, double value) {
    switch (p) {
        case Property::StartX:
        case Property::StartY: {
            Point start = a.start();
            (p == Property::StartX ? start.x : start.y) = value;
            if (areNear(start, a.centre, kEditTolerance))
                return refusal("Le début ne peut pas être au centre de l'arc.");
            a.startDeg = angleAt(a.centre, start);
            break;
        }
        case Property::Length:
            if (!(value > kEditTolerance))
                return refusal(kNoLength);
            if (toDegrees(value / a.radius) > 360.0 + 1e-9)
                return refusal("Un arc ne fait pas plus d'un tour.");
            a.sweepDeg = std::min(360.0, toDegrees(value / a.radius));
            break;
        case Property::CentreX:
            a.centre.x = value;
            break;
        case Property::CentreY:
            a.centre.y = value;
            break;
        case Property::Radius:
            if (!(value > kEditTolerance))
                return refusal("Le rayon doit être positif.");
            a.radius = value;
            break;
        case Property::StartAngle:
            a.startDeg = normalizeDegrees(value);
            break;
        case Property::Sweep:
            if (!(value > 0 && value <= 360.0))
                return refusal("Le balayage va de 0 à 360 degrés, 0 exclu.");
            a.sweepDeg = value;
            break;
        default:
            return refusal(kNotOfShape);
    }
    e.shape = a;
    return {withBridgesOnStroke(std::move(e)), {}};
}

}  // namespace

std::vector<PropertyValue> propertiesOf(const Element& e) {
    std::vector<PropertyValue> out{
        {Property::Kind, static_cast<double>(lineKindNumber(e.lineKind)), isStrokeElement(e)},
        {Property::Piece, static_cast<double>(e.piece)}};
    if (const auto* l = std::get_if<LineShape>(&e.shape)) {
        out.insert(out.end(),
                   {{Property::StartX, l->a.x},
                    {Property::StartY, l->a.y},
                    {Property::EndX, l->b.x},
                    {Property::EndY, l->b.y},
                    {Property::Length, distance(l->a, l->b)},
                    {Property::Angle,
                     normalizeDegrees(toDegrees(std::atan2(l->b.y - l->a.y, l->b.x - l->a.x)))}});
    } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
        const Point start = a->start();
        out.insert(out.end(), {{Property::StartX, start.x},
                               {Property::StartY, start.y},
                               {Property::Length, lengthAlong(*a)},
                               {Property::CentreX, a->centre.x},
                               {Property::CentreY, a->centre.y},
                               {Property::Radius, a->radius},
                               {Property::StartAngle, a->startDeg},
                               {Property::Sweep, a->sweepDeg}});
    }
    return out;
}

const char* propertyLabel(Property p) {
    switch (p) {
        case Property::Kind:
            return "Type";
        case Property::Piece:
            return "Morceau";
        case Property::StartX:
            return "Début X";
        case Property::StartY:
            return "Début Y";
        case Property::EndX:
            return "Fin X";
        case Property::EndY:
            return "Fin Y";
        case Property::Length:
            return "Longueur";
        case Property::Angle:
            return "Angle";
        case Property::CentreX:
            return "Centre X";
        case Property::CentreY:
            return "Centre Y";
        case Property::Radius:
            return "Rayon";
        case Property::StartAngle:
            return "Angle de départ";
        case Property::Sweep:
            return "Balayage";
    }
    return "";
}

PropertyChange withProperty(const Element& e, Property p, double value) {
    if (!std::isfinite(value))
        return refusal("Valeur non valable.");
    if (p == Property::Kind) {
        if (!isStrokeElement(e))
            return refusal(kNotOfShape);
        const auto number = wholeNumber(value, 1);
        const std::optional<LineKind> k = number ? lineKindOfNumber(*number) : std::nullopt;
        if (!k || !strokeKindName(*k))
            return refusal(
                "Type attendu : 1 Coupant, 2 Perfo Rainant, 4 Perfo, 5 Mi-Chair ou "
                "6 Rainant.");
        Element out = e;
        out.lineKind = *k;
        return {out, {}};
    }
    if (p == Property::Piece) {
        const auto piece = wholeNumber(value, 0);
        if (!piece)
            return refusal("Le morceau est un nombre entier de 0 à 32767.");
        Element out = e;
        out.piece = *piece;
        return {out, {}};
    }
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return withLineProperty(e, *l, p, value);
    if (const auto* a = std::get_if<ArcShape>(&e.shape))
        return withArcProperty(e, *a, p, value);
    return refusal(kNotOfShape);
}

}  // namespace brontaxe::editing
