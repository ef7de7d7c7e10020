#pragma once
// The drawing control: it holds the elements of one blank, stamps each with the current line
// style (kind, variant, piece), and answers the queries and transforms the generators, the
// regeneration and the files need. Element ids are consecutive from 3 in creation order; an
// element's id is its position + 3, so deleting one renumbers those after it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/element.h"
#include "drawing/element_filter.h"
#include "drawing/element_id.h"
#include "drawing/line_style.h"
#include "drawing/symbol_library.h"
#include "drawing/tracer.h"
#include "drawing/transform.h"

namespace brontaxe {

// One field of a technical sheet: the question and its answer.
struct SheetField {
    std::string label;
    std::string value;
    friend bool operator==(const SheetField&, const SheetField&) = default;
};

// How a pose lies against the blank it copies.
enum class PoseFlip : std::int16_t {
    AsDrawn,
    MirroredAcrossX,  // upside down: mirrored across the horizontal axis y = 0
    MirroredAcrossY,  // left to right: mirrored across the vertical axis x = 0
    HalfTurn,         // turned half a turn
};

// A row of poses of the blank: the k-th of them (k from 1 to `count`) placed by `flip` about
// the origin, then moved by k x `step` and turned by `angle` degrees about `centre`.
struct PoseRow {
    std::int32_t count = 1;
    Point step{};
    PoseFlip flip = PoseFlip::AsDrawn;
    double angle = 0;
    Point centre{};
};

class Drawing {
  public:
    // The style stamped on the next elements. A PenScope changes it for a block of drawing;
    // each generation starts from the default one.
    const LineStyle& lineStyle() const { return lineStyle_; }

    // What the generation draws through: its registry of elements and the chain's end.
    Tracer& tracer() { return tracer_; }
    const Tracer& tracer() const { return tracer_; }

    std::int32_t ElementCount() const { return static_cast<std::int32_t>(elements_.size()); }

    void ClearDrawing();
    void BeginDrawing() { ++openPasses_; }
    void EndDrawing() {
        if (openPasses_ > 0)
            --openPasses_;
    }
    bool isEditing() const { return openPasses_ > 0; }

    ElementId AddLine(double x1, double y1, double x2, double y2);
    // Arc of `radius` from `startDeg` over `sweep` degrees (negative sweeps run clockwise).
    ElementId AddArc(double cx, double cy, double radius, double startDeg, double sweep);
    // Rounds the corner between two straight elements: both are trimmed to the tangent points
    // and the new arc joins them. Throws GenerationError when the radius does not fit, the
    // lines are parallel or one has no length. A zero radius makes no arc: both lines are
    // brought to meet at the corner and the returned id is invalid.
    ElementId AddFillet(ElementId first, ElementId second, double radius);
    ElementId AddDimension(double x1, double y1, double x2, double y2, double xr, double yr);
    // Text of height `size` turned by `angleDeg`.
    ElementId AddText(double x, double y, std::string_view text, std::int16_t option, double size,
                      double angleDeg);

    // Elements first..last in place, through a rigid map (mirrors, turns and moves; a scale
    // would leave radii and text sizes as they are).
    void TransformRange(ElementId first, ElementId last, const Transform& t);
    // One element through a rigid map, in place; or a copy of it through the map, added as
    // a new element whose id is returned.
    void TransformElement(ElementId id, const Transform& t);
    ElementId AddTransformedCopy(ElementId id, const Transform& t);

    // Imposition. A pose is a copy of the blank: every element drawn before the first copy
    // except dimensions (the chains stay on the first pose only) and sheet outlines. The
    // row's poses are added, the k-th placed by its `mode`, then moved by k x `step`, and
    // finally turned by `angle` degrees about `centre`, the centre of the copy's cell.
    // The turns and mirrors work about the origin because the generators build every blank
    // on its axes (glue-flap edge at x = 0, mirrored body halves about y = 0, the front edge
    // of a folder at y = 0, folders symmetric about x = 0): a turned copy is then put back in
    // its cell by a plain offset, and flaps that stick out on one side of a row land beside
    // the short flaps of the next. Copies keep their line kind, variant and piece. Returns
    // the id of the first element made, or no id when nothing was copied.
    ElementId addPoses(const PoseRow& row);
    // Room for `total` elements, so that an imposition whose size is known allocates once.
    void reserveElements(std::size_t total) { elements_.reserve(total); }
    // Number of elements of the first pose: those drawn before the first copy.
    std::int32_t blankElementCount() const;

    // Sheet outline (a SheetShape, outside the blank's size and totals) of the given size,
    // centred on the drawn poses.
    ElementId AddSheetCentred(double width, double height);
    // Sheet outline whose lower-left corner lies the margins below and left of the poses.
    ElementId AddSheetAtMargins(double width, double height, double marginX, double marginY);

    // Bounding box of the blank itself (lines and arcs); false when there are none.
    bool GetExtents(double& xmin, double& ymin, double& xmax, double& ymax) const;
    bool GetExtents(float& xmin, float& ymin, float& xmax, float& ymax) const;
    Box extents() const;
    float BlankSizeX() const { return static_cast<float>(extents().width()); }
    float BlankSizeY() const { return static_cast<float>(extents().height()); }

    // Total length in millimetres of the lines and arcs of one line kind.
    double KindLength(LineKind lineKind, int = -1, int = -1) const;

    ShapeType ElementType(ElementId id) const { return element(id).type(); }
    LineKind ElementLineKind(ElementId id) const { return element(id).lineKind; }
    double ElementX(ElementId id) const;
    double ElementY(ElementId id) const;
    double ElementHalfLength(ElementId id) const;
    double ElementAngle(ElementId id) const;
    double ElementSweep(ElementId id) const;
    void SetElementX(ElementId id, double value);
    void SetElementY(ElementId id, double value);
    void SetElementHalfLength(ElementId id, double value);
    void SetElementAngle(ElementId id, double value);
    void SetElementFlag(ElementId id, std::int32_t value) { mutableElement(id).flag = value; }
    void SetElementBridges(ElementId id, std::vector<Bridge> bridges) {
        mutableElement(id).bridges = std::move(bridges);
    }
    void DeleteElement(ElementId id);

    // Technical sheet: SheetName is empty while the drawing holds none. Fields count from 1;
    // an index out of range reads as empty text and is not written.
    const std::string& SheetName() const { return sheetName_; }
    std::int32_t FieldCount() const { return static_cast<std::int32_t>(sheetFields_.size()); }
    std::string FieldLabel(std::int32_t i) const;
    std::string FieldValue(std::int32_t i) const;
    void SetFieldValue(std::int32_t i, std::string_view value);
    // The texts of field i show `text`, its answer kept (an answer may stand for values of the
    // design, shown as they are now).
    void ShowFieldText(std::int32_t i, std::string_view text);
    void setTechnicalSheet(std::string name, std::vector<SheetField> fields);
    const std::vector<SheetField>& sheetFields() const { return sheetFields_; }

    // Appends an element as it is, attributes included (file readers).
    ElementId addElement(Element e);

    bool contains(ElementId id) const;
    const Element& element(ElementId id) const;
    const std::vector<Element>& elements() const { return elements_; }
    ElementId firstId() const { return ElementId{kFirstElementId}; }
    ElementId lastId() const { return ElementId{kFirstElementId + ElementCount() - 1}; }

    // The outer contour of the shown cut lines and arcs of the blank (imposed copies repeat
    // it) lying inside the window, added as a contour element; its id.
    ElementId OuterContour(double x1, double y1, double x2, double y2);
    // Area in mm² of a contour element, 0 for any other element.
    double ContourArea(ElementId id) const;

    // Loads a symbol library; its handle, or 0 when the file is missing or not a library.
    std::int32_t LoadSymbols(const std::filesystem::path& path);
    // A symbol of a loaded library at (x, y), scaled by `size` and turned by `angleDeg`.
    // Throws GenerationError for an unknown handle or symbol.
    ElementId InsertSymbol(double x, double y, std::int32_t handle, std::int32_t number,
                           double size, double angleDeg);

    // Hides the elements the expression selects from display, measures and files. An
    // expression this control cannot read is refused (false) and the filter stays as it was.
    bool SetFilter(std::string_view expression);
    const ElementFilter& filter() const { return filter_; }
    bool isShown(const Element& e) const { return filter_.hidesNothing() || !filter_.hides(e); }

  private:
    friend class PenScope;

    Element& mutableElement(ElementId id);
    ElementId add(Shape shape);
    ElementId addSheet(SheetShape sheet);
    std::size_t indexOf(ElementId id) const;
    Point midpoint(ElementId id) const;
    void moveBy(Element& e, Point delta);

    std::vector<Element> elements_;
    LineStyle lineStyle_;
    Tracer tracer_;
    int openPasses_ = 0;
    ElementFilter filter_ = *ElementFilter::parse("");
    std::vector<SymbolLibrary> symbolLibraries_;
    // Elements of the blank that addPoses copies, fixed by the first copy; cleared with the
    // drawing. Copying only these keeps an imposition linear in the number of poses.
    std::optional<std::size_t> poseSourceCount_;
    std::string sheetName_;
    std::vector<SheetField> sheetFields_;
};

}  // namespace brontaxe
