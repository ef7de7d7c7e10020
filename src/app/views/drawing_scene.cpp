#include "app/views/drawing_scene.h"

#include <QPainter>
#include <variant>

#include "drawing/bridges.h"
#include "io/overloaded.h"

namespace brontaxe::app {
namespace {

QPointF toQ(Point p) {
    return {p.x, p.y};
}

Point middle(Point a, Point b) {
    return (a + b) * 0.5;
}

// Painting order: sheets first, cuts last so that the cut line is on top.
constexpr std::array kPaintOrder{
    PenRole::SheetOutline, PenRole::Auxiliary, PenRole::Dimension,   PenRole::SectionLine,
    PenRole::Crease,       PenRole::HalfCut,   PenRole::Perforation, PenRole::PerforatedCrease,
    PenRole::Text,         PenRole::Cut,
};

// Cuts a path where a subpath starts, once a piece has at least `most` elements.
std::vector<QPainterPath> splitAtMoves(const QPainterPath& path, int most) {
    std::vector<QPainterPath> pieces;
    QPainterPath piece;
    int inPiece = 0;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (inPiece >= most) {
                pieces.push_back(std::move(piece));
                piece = QPainterPath();
                inPiece = 0;
            }
            piece.moveTo(e);
        } else if (e.isLineTo()) {
            piece.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < count) {
            piece.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
            inPiece += 2;
        }
        ++inPiece;
    }
    if (!piece.isEmpty())
        pieces.push_back(std::move(piece));
    return pieces;
}

}  // namespace

void DrawingScene::rebuild(const Drawing& drawing, const std::set<LineKind>& hiddenKinds) {
    for (QPainterPath& path : strokes_)
        path = QPainterPath();
    arrowheads_ = QPainterPath();
    texts_.clear();
    numbers_.clear();
    shownCount_ = 0;

    const Box blank = drawing.extents();
    const DimensionStyle style = DimensionStyle::forExtents(blank);
    bounds_ = drawingBounds(drawing, style);
    int id = kFirstElementId;
    for (const Element& e : drawing.elements()) {
        const bool hiddenKind =
            hiddenKinds.count(e.lineKind) != 0 && !std::holds_alternative<DimensionShape>(e.shape);
        if (drawing.isShown(e) && !hiddenKind && !std::holds_alternative<ContourShape>(e.shape)) {
            if (e.bridges.empty()) {
                addElement(e, id, blank, style);
            } else {
                // Bridges show as the gaps they leave in the knife.
                for (const Element& piece : knifePieces(e))
                    addElement(piece, id, blank, style);
            }
        }
        ++id;
    }
}

void DrawingScene::addElement(const Element& e, int id, const Box& blank,
                              const DimensionStyle& style) {
    const PenRole role = penRoleOf(e);
    QPainterPath& path = strokes_[static_cast<std::size_t>(role)];
    Point numberAt;
    std::visit(io::Overloaded{
                   [&](const LineShape& l) {
                       path.moveTo(toQ(l.a));
                       path.lineTo(toQ(l.b));
                       numberAt = middle(l.a, l.b);
                   },
                   [&](const ArcShape& a) {
                       const QRectF box(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius,
                                        2 * a.radius);
                       // Qt turns clockwise in y-up coordinates: negated angles go our way.
                       path.arcMoveTo(box, -a.startDeg);
                       path.arcTo(box, -a.startDeg, -a.sweepDeg);
                       numberAt = pointOnCircle(a.centre, a.radius, a.startDeg + a.sweepDeg / 2);
                   },
                   [&](const DimensionShape& d) {
                       const DimensionLayout lay = layoutDimension(d, style, blank);
                       path.moveTo(toQ(lay.dimensionLine.a));
                       path.lineTo(toQ(lay.dimensionLine.b));
                       for (const Segment& s : lay.extensionLines) {
                           path.moveTo(toQ(s.a));
                           path.lineTo(toQ(s.b));
                       }
                       if (lay.hasArrows) {
                           for (const Arrowhead& h : lay.arrows) {
                               arrowheads_.moveTo(toQ(h.tip));
                               arrowheads_.lineTo(toQ(h.left));
                               arrowheads_.lineTo(toQ(h.right));
                               arrowheads_.closeSubpath();
                           }
                       }
                       texts_.push_back({lay.textAnchor, QString::fromStdString(lay.text),
                                         lay.textHeight, lay.textAngleDeg, true, role});
                       numberAt = middle(d.p1, d.p2);
                   },
                   [&](const TextShape& t) {
                       texts_.push_back({t.position, QString::fromStdString(t.text), t.height,
                                         t.angleDeg, false, role});
                       numberAt = t.position;
                   },
                   [&](const SheetShape& s) {
                       path.addRect(QRectF(toQ(s.min), toQ(s.max)).normalized());
                       numberAt = s.min;
                   },
                   [](const ContourShape&) {},
                   [&](const SymbolShape& s) {
                       for (const Segment& seg : s.placedStrokes()) {
                           path.moveTo(toQ(seg.a));
                           path.lineTo(toQ(seg.b));
                       }
                       numberAt = s.position;
                   },
               },
               e.shape);
    ++shownCount_;
    numbers_.push_back({numberAt, id});
}

void DrawingScene::paintStrokes(QPainter& painter, const std::function<QPen(PenRole)>& penFor,
                                const QColor& arrowColour) const {
    for (PenRole role : kPaintOrder) {
        const QPainterPath& path = strokes(role);
        if (path.isEmpty())
            continue;
        painter.setPen(penFor(role));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    if (!arrowheads_.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(arrowColour);
        painter.drawPath(arrowheads_);
    }
}

std::vector<DrawingScene::StrokePiece> DrawingScene::strokePieces(int elementsPerPiece) const {
    std::vector<StrokePiece> pieces;
    const auto add = [&](PenRole role, bool arrowheads, const QPainterPath& path) {
        // QPainterPath has no move constructor: the copy shares the piece's data.
        for (const QPainterPath& piece : splitAtMoves(path, elementsPerPiece)) {
            const QRectF bounds = piece.controlPointRect();
            pieces.push_back({role, arrowheads, piece, bounds});
        }
    };
    for (PenRole role : kPaintOrder)
        add(role, false, strokes(role));
    add(PenRole::Dimension, true, arrowheads_);
    return pieces;
}

}  // namespace brontaxe::app
