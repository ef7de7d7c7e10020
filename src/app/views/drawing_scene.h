#pragma once
// A drawing made ready for a QPainter: one path a pen role, the dimensions' arrowheads, the
// texts and the element numbers, in drawing millimetres (y up). The screen and the printer
// paint the same scene, each with its own pens and text sizes.

#include <QPainterPath>
#include <QPen>
#include <QString>
#include <array>
#include <functional>
#include <set>
#include <vector>

#include "drawing/dimension_layout.h"
#include "drawing/drawing.h"
#include "drawing/pens.h"

class QPainter;

namespace brontaxe::app {

class DrawingScene {
  public:
    struct TextItem {
        Point anchor;  // baseline: its start, or its middle when centred
        QString text;
        double heightMm;
        double angleDeg;
        bool centred;  // dimension values
        PenRole role;
    };
    struct NumberItem {
        Point at;
        int id;
    };

    // Every shown element of the drawing, except the line kinds in `hiddenKinds` (dimensions
    // stay: they have their own filter).
    void rebuild(const Drawing& drawing, const std::set<LineKind>& hiddenKinds = {});

    const QPainterPath& strokes(PenRole role) const {
        return strokes_[static_cast<std::size_t>(role)];
    }
    const QPainterPath& arrowheads() const { return arrowheads_; }
    const std::vector<TextItem>& texts() const { return texts_; }
    const std::vector<NumberItem>& numbers() const { return numbers_; }
    // Everything drawn, dimensions and texts included.
    const Box& bounds() const { return bounds_; }
    int shownCount() const { return shownCount_; }

    // The lines and arrowheads through the painter's current transform (drawing millimetres
    // to the device), sheets first and cuts last so that the cut line is on top.
    void paintStrokes(QPainter& painter, const std::function<QPen(PenRole)>& penFor,
                      const QColor& arrowColour) const;

    // The same lines cut into pieces of about `elementsPerPiece` path elements, in the order
    // paintStrokes paints them, the arrowheads last: a long print paints them one at a time,
    // telling its progress in between, and leaves out those off its page.
    struct StrokePiece {
        PenRole role;
        bool arrowheads;  // filled with the dimensions' colour, not stroked
        QPainterPath path;
        QRectF bounds;  // drawing millimetres
    };
    std::vector<StrokePiece> strokePieces(int elementsPerPiece) const;

  private:
    void addElement(const Element& e, int id, const Box& blank, const DimensionStyle& style);

    std::array<QPainterPath, kPenRoleCount> strokes_;
    QPainterPath arrowheads_;
    std::vector<TextItem> texts_;
    std::vector<NumberItem> numbers_;
    Box bounds_;
    int shownCount_ = 0;
};

}  // namespace brontaxe::app
