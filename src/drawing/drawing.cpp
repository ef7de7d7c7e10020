#include "drawing/drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "drawing/box_grid.h"
#include "drawing/contour.h"
#include "drawing/fillet.h"
#include "drawing/rule_network.h"
#include "drawing/sheet_elements.h"
#include "platform/errors.h"
#include "platform/number_text.h"
#include "platform/overloaded.h"

namespace brontaxe {
namespace {

Box arcBox(const ArcShape& a) {
    Box box;
    box.add(a.start());
    box.add(a.end());
    // Every quadrant point the sweep passes through widens the box.
    for (int q = 0; q < 4; ++q) {
        const double angle = 90.0 * q;
        const double from = normalizeDegrees(a.startDeg);
        double delta = normalizeDegrees(angle - from);
        if (delta <= a.sweepDeg + kEps)
            box.add(pointOnCircle(a.centre, a.radius, angle));
    }
    return box;
}

Point contourCentre(const ContourShape& c) {
    Box box;
    for (const auto& ring : c.rings)
        for (const Point& p : ring)
            box.add(p);
    return box.empty ? Point{} : Point{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
}

// A sheet stays an upright rectangle: the box of its two transformed corners.
SheetShape boundingSheet(Point a, Point b) {
    return {{std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)}};
}

// A shape through a rigid map (a mirror, a turn, a move): its points go through the map and
// its angles through the map's turn, so that a quarter turn adds exactly 90 to them. A mirrored
// arc would run clockwise: it is stored from the image of its end instead.
void place(Shape& shape, const Transform& t) {
    std::visit(Overloaded{
                   [&](LineShape& l) {
                       l.a = t(l.a);
                       l.b = t(l.b);
                   },
                   [&](ArcShape& a) {
                       a.centre = t(a.centre);
                       const double from = t.mirrors() ? a.startDeg + a.sweepDeg : a.startDeg;
                       a.startDeg = normalizeDegrees(t.direction(from));
                   },
                   [&](DimensionShape& d) {
                       d.p1 = t(d.p1);
                       d.p2 = t(d.p2);
                       d.ref = t(d.ref);
                   },
                   [&](TextShape& s) {
                       s.position = t(s.position);
                       s.angleDeg = normalizeDegrees(t.direction(s.angleDeg));
                   },
                   [&](SheetShape& r) { r = boundingSheet(t(r.min), t(r.max)); },
                   [&](ContourShape& c) {
                       for (auto& ring : c.rings)
                           for (auto& p : ring)
                               p = t(p);
                   },
                   [&](SymbolShape& s) {
                       s.position = t(s.position);
                       s.angleDeg = normalizeDegrees(t.direction(s.angleDeg));
                   },
               },
               shape);
}

// A mirror turns an arc round (arcs run counter-clockwise): its bridges are then measured
// from its other end.
void reverseArcBridges(Element& e) {
    if (!std::holds_alternative<ArcShape>(e.shape) || e.bridges.empty())
        return;
    const double len = strokeLength(e);
    for (Bridge& b : e.bridges)
        b.at = len - b.at;
    std::reverse(e.bridges.begin(), e.bridges.end());
}

// An element through a rigid map; a mirror also turns its arcs' bridges round.
void placeElement(Element& e, const Transform& t) {
    place(e.shape, t);
    if (t.mirrors())
        reverseArcBridges(e);
}

}  // namespace

ShapeType Element::type() const {
    return std::visit(Overloaded{
                          [](const LineShape&) { return ShapeType::Line; },
                          [](const ArcShape&) { return ShapeType::Arc; },
                          [](const DimensionShape&) { return ShapeType::Dimension; },
                          [](const TextShape&) { return ShapeType::Text; },
                          [](const SheetShape&) { return ShapeType::Sheet; },
                          [](const ContourShape&) { return ShapeType::Contour; },
                          [](const SymbolShape&) { return ShapeType::Symbol; },
                      },
                      shape);
}

std::vector<Segment> SymbolShape::placedStrokes() const {
    std::vector<Segment> out;
    out.reserve(strokes.size());
    for (const Segment& unit : strokes) {
        out.push_back({position + rotate(unit.a * size, angleDeg),
                       position + rotate(unit.b * size, angleDeg)});
    }
    return out;
}

double strokeLength(const Element& e) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return distance(l->a, l->b);
    if (const auto* a = std::get_if<ArcShape>(&e.shape))
        return a->radius * toRadians(a->sweepDeg);
    return 0.0;
}

void Drawing::ClearDrawing() {
    elements_.clear();
    lineStyle_ = {};
    poseSourceCount_.reset();
}

ElementId Drawing::add(Shape shape) {
    elements_.push_back(drawnWith(std::move(shape), lineStyle_));
    return lastId();
}

ElementId Drawing::AddLine(double x1, double y1, double x2, double y2) {
    return add(LineShape{{x1, y1}, {x2, y2}});
}

ElementId Drawing::AddArc(double cx, double cy, double radius, double startDeg, double sweep) {
    double start = startDeg;
    double span = sweep;
    if (span < 0) {
        start += span;
        span = -span;
    }
    span = std::min(span, 360.0);
    return add(ArcShape{{cx, cy}, std::fabs(radius), normalizeDegrees(start), span});
}

ElementId Drawing::AddFillet(ElementId first, ElementId second, double radius) {
    const auto* l1 = std::get_if<LineShape>(&element(first).shape);
    const auto* l2 = std::get_if<LineShape>(&element(second).shape);
    if (!l1 || !l2) {
        throw GenerationError("Congé impossible : les deux éléments doivent être des droites");
    }
    const FilletCorner corner = filletCorner(*l1, *l2, radius);
    switch (corner.fault) {
        case FilletFault::None:
            break;
        case FilletFault::NegativeRadius:
            throw GenerationError("Congé impossible : rayon négatif");
        case FilletFault::ZeroLength:
            throw GenerationError("Congé impossible : élément de longueur nulle");
        case FilletFault::Parallel:
            throw GenerationError("Congé impossible : les deux droites sont parallèles");
        case FilletFault::Aligned:
            throw GenerationError("Congé impossible : les deux droites sont alignées");
        case FilletFault::RadiusTooLarge:
            throw GenerationError("Congé impossible : rayon " +
                                  platform::readableNumber(radius, "mm") +
                                  " trop grand pour l'angle");
    }
    std::get<LineShape>(mutableElement(first).shape) = corner.first;
    std::get<LineShape>(mutableElement(second).shape) = corner.second;
    if (!corner.arc)
        return ElementId{};
    return add(*corner.arc);
}

ElementId Drawing::AddDimension(double x1, double y1, double x2, double y2, double xr, double yr) {
    return add(DimensionShape{{x1, y1}, {x2, y2}, {xr, yr}});
}

ElementId Drawing::AddText(double x, double y, std::string_view text, std::int16_t option,
                           double size, double angleDeg) {
    return add(TextShape{{x, y}, std::string(text), option, size, angleDeg});
}

void Drawing::TransformRange(ElementId first, ElementId last, const Transform& t) {
    std::size_t from = indexOf(first);
    std::size_t to = indexOf(last);
    if (from > to)
        std::swap(from, to);
    for (std::size_t i = from; i <= to; ++i)
        placeElement(elements_[i], t);
}

void Drawing::TransformElement(ElementId id, const Transform& t) {
    placeElement(mutableElement(id), t);
}

ElementId Drawing::AddTransformedCopy(ElementId id, const Transform& t) {
    Element copy = element(id);
    placeElement(copy, t);
    elements_.push_back(std::move(copy));
    return lastId();
}

namespace {

// The lines and arcs of the blank, or those of the technical sheet beside it.
Box strokeBox(const Drawing& d, bool ofSheet) {
    Box box;
    for (const Element& e : d.elements()) {
        if (!d.isShown(e) || isSheetElement(e) != ofSheet)
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            box.add(l->a);
            box.add(l->b);
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            box.add(arcBox(*a));
        }
    }
    return box;
}

}  // namespace

Box Drawing::extents() const {
    return strokeBox(*this, false);
}

Box sheetExtents(const Drawing& d) {
    return strokeBox(d, true);
}

bool Drawing::GetExtents(double& xmin, double& ymin, double& xmax, double& ymax) const {
    const Box box = extents();
    if (box.empty)
        return false;
    xmin = box.xmin;
    ymin = box.ymin;
    xmax = box.xmax;
    ymax = box.ymax;
    return true;
}

bool Drawing::GetExtents(float& xmin, float& ymin, float& xmax, float& ymax) const {
    double a = 0, b = 0, c = 0, d = 0;
    if (!GetExtents(a, b, c, d))
        return false;
    xmin = static_cast<float>(a);
    ymin = static_cast<float>(b);
    xmax = static_cast<float>(c);
    ymax = static_cast<float>(d);
    return true;
}

double Drawing::KindLength(LineKind lineKind, int, int) const {
    double total = 0;
    for (const Element& e : elements_) {
        if (e.lineKind == lineKind && isShown(e))
            total += strokeLength(e);
    }
    return total;
}

namespace {

// Below this many cuts GEOS is quick whatever they are.
constexpr std::size_t kFewCuts = 1000;

// The elements of the closed cut-outs that lie alone inside another closed cut, no other cut
// near them: they change nothing of the outer contour, and a sheet of thousands of holes
// costs GEOS far less without them.
std::vector<bool> loneCutOuts(const Drawing& d, std::size_t count) {
    std::vector<bool> lone(d.elements().size(), false);
    const RuleNetwork cuts = ruleNetwork(d, kind::Cut, count);
    if (cuts.elements.size() < kFewCuts)
        return lone;
    const std::vector<bool> cutOut = cutOutRuns(d, cuts);
    std::vector<Box> strokeBoxes(cuts.elements.size());
    std::vector<Box> runBoxes(cuts.runCount);
    for (std::size_t s = 0; s < cuts.elements.size(); ++s) {
        strokeBoxes[s] = strokeBox(d.elements()[cuts.elements[s]]);
        runBoxes[cuts.run[s]].add(strokeBoxes[s]);
    }
    const BoxGrid grid(strokeBoxes);
    std::vector<bool> alone(cuts.runCount, false);
    for (std::size_t r = 0; r < cuts.runCount; ++r) {
        if (!cutOut[r])
            continue;
        const Box area = BoxGrid::grown(runBoxes[r], kJoinTolerance);
        bool near = false;
        grid.visit(area, [&](std::size_t s) {
            const Box& b = strokeBoxes[s];
            near = near || (cuts.run[s] != r && b.xmin <= area.xmax && b.xmax >= area.xmin &&
                            b.ymin <= area.ymax && b.ymax >= area.ymin);
        });
        alone[r] = !near;
    }
    for (std::size_t s = 0; s < cuts.elements.size(); ++s)
        lone[cuts.elements[s]] = alone[cuts.run[s]];
    return lone;
}

}  // namespace

ElementId Drawing::OuterContour(double x1, double y1, double x2, double y2) {
    const Box window{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), false};
    auto inside = [&window](Point p) {
        return p.x >= window.xmin && p.x <= window.xmax && p.y >= window.ymin && p.y <= window.ymax;
    };
    std::vector<Segment> linework;
    const auto blankCount = static_cast<std::size_t>(blankElementCount());
    const std::vector<bool> lone = loneCutOuts(*this, blankCount);
    for (std::size_t i = 0; i < blankCount && i < elements_.size(); ++i) {
        const Element& e = elements_[i];
        if (e.lineKind != kind::Cut || !isShown(e) || lone[i])
            continue;
        if (const auto* l = std::get_if<LineShape>(&e.shape)) {
            if (inside(l->a) && inside(l->b))
                linework.push_back({l->a, l->b});
        } else if (const auto* a = std::get_if<ArcShape>(&e.shape)) {
            const Box box = arcBox(*a);
            if (inside({box.xmin, box.ymin}) && inside({box.xmax, box.ymax})) {
                for (const Segment& s : flattenArc(*a, kContourArcTolerance))
                    linework.push_back(s);
            }
        }
    }
    OuterContourResult contour = outerContour(linework);
    return add(ContourShape{std::move(contour.rings), contour.area});
}

double Drawing::ContourArea(ElementId id) const {
    const auto* c = std::get_if<ContourShape>(&element(id).shape);
    return c ? c->area : 0.0;
}

std::int32_t Drawing::LoadSymbols(const std::filesystem::path& path) {
    auto library = SymbolLibrary::load(path);
    if (!library)
        return 0;
    symbolLibraries_.push_back(std::move(*library));
    return static_cast<std::int32_t>(symbolLibraries_.size());
}

ElementId Drawing::InsertSymbol(double x, double y, std::int32_t handle, std::int32_t number,
                                double size, double angleDeg) {
    if (handle < 1 || handle > static_cast<std::int32_t>(symbolLibraries_.size()))
        throw GenerationError("Bibliothèque de symboles non chargée");
    const SymbolDefinition* symbol =
        symbolLibraries_[static_cast<std::size_t>(handle - 1)].find(number);
    if (!symbol)
        throw GenerationError("Symbole " + std::to_string(number) + " absent de la bibliothèque");
    return add(SymbolShape{{x, y}, number, size, angleDeg, symbol->strokes});
}

bool Drawing::SetFilter(std::string_view expression) {
    auto parsed = ElementFilter::parse(expression);
    if (!parsed)
        return false;
    filter_ = std::move(*parsed);
    return true;
}

bool Drawing::contains(ElementId id) const {
    return id.value >= kFirstElementId && id.value < kFirstElementId + ElementCount();
}

std::size_t Drawing::indexOf(ElementId id) const {
    if (!contains(id)) {
        throw GenerationError("Élément inexistant : " + std::to_string(id.value));
    }
    return static_cast<std::size_t>(id.value - kFirstElementId);
}

const Element& Drawing::element(ElementId id) const {
    return elements_[indexOf(id)];
}
Element& Drawing::mutableElement(ElementId id) {
    return elements_[indexOf(id)];
}

Point Drawing::midpoint(ElementId id) const {
    return std::visit(Overloaded{
                          [](const LineShape& l) { return (l.a + l.b) * 0.5; },
                          [](const ArcShape& a) { return a.centre; },
                          [](const DimensionShape& d) { return (d.p1 + d.p2) * 0.5; },
                          [](const TextShape& t) { return t.position; },
                          [](const SheetShape& r) { return (r.min + r.max) * 0.5; },
                          [](const ContourShape& c) { return contourCentre(c); },
                          [](const SymbolShape& s) { return s.position; },
                      },
                      element(id).shape);
}

double Drawing::ElementX(ElementId id) const {
    return midpoint(id).x;
}
double Drawing::ElementY(ElementId id) const {
    return midpoint(id).y;
}

double Drawing::ElementHalfLength(ElementId id) const {
    return std::visit(Overloaded{
                          [](const LineShape& l) { return distance(l.a, l.b) / 2; },
                          [](const ArcShape& a) { return a.radius; },
                          [](const DimensionShape& d) { return distance(d.p1, d.p2) / 2; },
                          [](const TextShape&) { return 0.0; },
                          [](const SheetShape&) { return 0.0; },
                          [](const ContourShape&) { return 0.0; },
                          [](const SymbolShape& s) { return s.size; },
                      },
                      element(id).shape);
}

double Drawing::ElementAngle(ElementId id) const {
    auto direction = [](Point a, Point b) {
        return normalizeDegrees(toDegrees(std::atan2(b.y - a.y, b.x - a.x)));
    };
    return std::visit(Overloaded{
                          [&](const LineShape& l) { return direction(l.a, l.b); },
                          [](const ArcShape& a) { return a.startDeg; },
                          [&](const DimensionShape& d) { return direction(d.p1, d.p2); },
                          [](const TextShape& t) { return t.angleDeg; },
                          [](const SheetShape&) { return 0.0; },
                          [](const ContourShape&) { return 0.0; },
                          [](const SymbolShape& s) { return s.angleDeg; },
                      },
                      element(id).shape);
}

double Drawing::ElementSweep(ElementId id) const {
    const auto* a = std::get_if<ArcShape>(&element(id).shape);
    return a ? a->sweepDeg : 0.0;
}

void Drawing::moveBy(Element& e, Point delta) {
    place(e.shape, Transform::move(delta));
}

void Drawing::SetElementX(ElementId id, double value) {
    moveBy(mutableElement(id), {value - ElementX(id), 0});
}

void Drawing::SetElementY(ElementId id, double value) {
    moveBy(mutableElement(id), {0, value - ElementY(id)});
}

void Drawing::SetElementHalfLength(ElementId id, double value) {
    const Point mid = midpoint(id);
    const double current = ElementHalfLength(id);
    auto scaled = [&](Point p) {
        return current <= kEps ? p : mid + (p - mid) * (value / current);
    };
    std::visit(Overloaded{
                   [&](LineShape& l) {
                       l.a = scaled(l.a);
                       l.b = scaled(l.b);
                   },
                   [&](ArcShape& a) { a.radius = std::fabs(value); },
                   [&](DimensionShape& d) {
                       d.p1 = scaled(d.p1);
                       d.p2 = scaled(d.p2);
                   },
                   [](TextShape&) {},
                   [](SheetShape&) {},
                   [](ContourShape&) {},
                   [&](SymbolShape& s) { s.size = std::fabs(value); },
               },
               mutableElement(id).shape);
}

void Drawing::SetElementAngle(ElementId id, double value) {
    const Point mid = midpoint(id);
    const double turn = value - ElementAngle(id);
    auto turned = [&](Point p) { return mid + rotate(p - mid, turn); };
    std::visit(Overloaded{
                   [&](LineShape& l) {
                       l.a = turned(l.a);
                       l.b = turned(l.b);
                   },
                   [&](ArcShape& a) { a.startDeg = normalizeDegrees(value); },
                   [&](DimensionShape& d) {
                       d.p1 = turned(d.p1);
                       d.p2 = turned(d.p2);
                       d.ref = turned(d.ref);
                   },
                   [&](TextShape& t) { t.angleDeg = normalizeDegrees(value); },
                   [](SheetShape&) {},
                   [](ContourShape&) {},
                   [](SymbolShape&) {},
               },
               mutableElement(id).shape);
}

std::string Drawing::FieldLabel(std::int32_t i) const {
    return i >= 1 && i <= FieldCount() ? sheetFields_[static_cast<std::size_t>(i - 1)].label
                                       : std::string();
}

std::string Drawing::FieldValue(std::int32_t i) const {
    return i >= 1 && i <= FieldCount() ? sheetFields_[static_cast<std::size_t>(i - 1)].value
                                       : std::string();
}

namespace {

// The texts of a technical sheet that show a field's value follow it, so that the drawing and
// every file written from it show the value.
void showFieldValue(std::vector<Element>& elements, std::int32_t field, const std::string& value) {
    for (Element& e : elements) {
        if (e.flag != kFlagSheetField + field)
            continue;
        if (auto* t = std::get_if<TextShape>(&e.shape))
            t->text = value;
    }
}

}  // namespace

void Drawing::SetFieldValue(std::int32_t i, std::string_view value) {
    if (i >= 1 && i <= FieldCount()) {
        sheetFields_[static_cast<std::size_t>(i - 1)].value = std::string(value);
        showFieldValue(elements_, i, sheetFields_[static_cast<std::size_t>(i - 1)].value);
    }
}

void Drawing::ShowFieldText(std::int32_t i, std::string_view text) {
    if (i >= 1 && i <= FieldCount())
        showFieldValue(elements_, i, std::string(text));
}

void Drawing::setTechnicalSheet(std::string name, std::vector<SheetField> fields) {
    sheetName_ = std::move(name);
    sheetFields_ = std::move(fields);
    for (std::int32_t i = 1; i <= FieldCount() && kFlagSheetField + i <= kMaxSheetFieldFlag; ++i)
        showFieldValue(elements_, i, sheetFields_[static_cast<std::size_t>(i - 1)].value);
}

ElementId Drawing::addElement(Element e) {
    elements_.push_back(std::move(e));
    return lastId();
}

void Drawing::DeleteElement(ElementId id) {
    const std::size_t index = indexOf(id);
    elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(index));
    if (poseSourceCount_ && index < *poseSourceCount_)
        --*poseSourceCount_;
}

std::int32_t Drawing::blankElementCount() const {
    return static_cast<std::int32_t>(poseSourceCount_.value_or(elements_.size()));
}

ElementId Drawing::addPoses(const PoseRow& row) {
    if (!poseSourceCount_)
        poseSourceCount_ = elements_.size();
    const std::size_t source = *poseSourceCount_;
    if (row.count <= 0 || source == 0)
        return ElementId{};
    // Mirrored across y = 0, then turned half a turn for the mirror across x = 0.
    const bool mirrorY =
        row.flip == PoseFlip::MirroredAcrossX || row.flip == PoseFlip::MirroredAcrossY;
    const double turn =
        (row.flip == PoseFlip::MirroredAcrossY || row.flip == PoseFlip::HalfTurn) ? 180.0 : 0.0;
    const Transform spin = Transform::turnAbout(row.centre, row.angle);
    // Geometric growth: one reservation per call would reallocate at every pose.
    const std::size_t needed = elements_.size() + source * static_cast<std::size_t>(row.count);
    if (elements_.capacity() < needed)
        elements_.reserve(std::max(needed, 2 * elements_.capacity()));
    const std::size_t first = elements_.size();
    for (std::int32_t k = 1; k <= row.count; ++k) {
        const Transform move = Transform::placement(k * row.step, turn, mirrorY);
        for (std::size_t i = 0; i < source; ++i) {
            const ShapeType type = elements_[i].type();
            if (type == ShapeType::Dimension || type == ShapeType::Sheet)
                continue;
            Element copy = elements_[i];
            placeElement(copy, move);
            if (row.angle != 0)
                place(copy.shape, spin);
            elements_.push_back(std::move(copy));
        }
    }
    if (elements_.size() == first)
        return ElementId{};
    return ElementId{kFirstElementId + static_cast<std::int32_t>(first)};
}

ElementId Drawing::AddSheetCentred(double width, double height) {
    const Box box = extents();
    const Point centre =
        box.empty ? Point{} : Point{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
    const Point half{std::fabs(width) / 2, std::fabs(height) / 2};
    return addSheet(SheetShape{centre - half, centre + half});
}

ElementId Drawing::AddSheetAtMargins(double width, double height, double marginX, double marginY) {
    const Box box = extents();
    const Point corner = box.empty ? Point{} : Point{box.xmin, box.ymin};
    const Point low = corner - Point{marginX, marginY};
    return addSheet(SheetShape{low, low + Point{std::fabs(width), std::fabs(height)}});
}

// A sheet is no line of the blank: whatever kind is current, it takes the auxiliary one.
ElementId Drawing::addSheet(SheetShape sheet) {
    const ElementId id = add(sheet);
    elements_.back().lineKind = kind::Auxiliary;
    return id;
}

}  // namespace brontaxe
