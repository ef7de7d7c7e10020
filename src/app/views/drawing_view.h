#pragma once
// The drawing on screen: every element with its pen, antialiased,
// zoomed with the wheel about the cursor, panned by dragging, fitted on "Recadrage". In edit
// mode the left button and the keys are handed to the edit mode and the middle button pans.

#include <QPainterPath>
#include <QWidget>
#include <array>
#include <set>
#include <vector>

#include "app/views/drawing_scene.h"
#include "app/views/edit_overlay.h"
#include "app/views/pen_set.h"
#include "drawing/dimension_layout.h"
#include "drawing/drawing.h"

namespace brontaxe::app {

class DrawingView : public QWidget {
    Q_OBJECT
  public:
    enum class Tool { None, ZoomIn, ZoomOut, Pan };

    explicit DrawingView(const Drawing& drawing, QWidget* parent = nullptr);

    // The drawing's elements changed: rebuilt, and fitted again when fitting is on or when the
    // new drawing would be out of view or far smaller than it.
    void drawingChanged();

    void setPens(const PenSet& pens);
    const PenSet& pens() const { return pens_; }
    void setNumbering(bool on);
    bool numbering() const { return numbering_; }
    // Line kinds hidden by the filter dialog, on top of the drawing's own filter.
    void setHiddenKinds(std::set<LineKind> kinds);
    const std::set<LineKind>& hiddenKinds() const { return hiddenKinds_; }

    // "Recadrage": fitting stays on until the user zooms or pans (in edit mode, it fits once).
    void fitToWindow();
    bool fitting() const { return fitting_; }
    void zoomAbout(double factor, QPointF screenPoint);
    void panBy(QPointF screenDelta);
    // The next click zooms in or out about the point clicked; Pan drags.
    void setTool(Tool tool);
    Tool tool() const { return tool_; }

    double scale() const { return scale_; }  // pixels per millimetre
    QPointF toScreen(Point p) const;
    Point toWorld(QPointF screen) const;
    // How many element shapes the last rebuild put on screen.
    int shownElementCount() const { return scene_.shownCount(); }

    // Elements and places the design-rule check points at, drawn over the drawing until the
    // next call (an empty call clears them).
    void setHighlights(const std::vector<ElementId>& ids, const std::vector<Point>& places);
    const std::vector<ElementId>& highlightedElements() const { return highlighted_; }

    // Edit mode on or off. The view keeps its zoom and pan from then on: a drawing changed by
    // an edit is not fitted again.
    void setEditing(bool on);
    bool editing() const { return editing_; }
    // Drawn over the drawing until the next call.
    void setOverlay(EditOverlay overlay);
    const EditOverlay& overlay() const { return overlay_; }

    QSize sizeHint() const override { return {900, 620}; }

  signals:
    // In edit mode only, at the cursor's place in the view.
    void editPressed(QPointF at, Qt::KeyboardModifiers modifiers);
    void editMoved(QPointF at, bool buttonDown);
    void editReleased(QPointF at, Qt::KeyboardModifiers modifiers);
    void editKey(int key, const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Whether the whole drawing lies in a view of that size, at the present zoom and centre.
    bool wholeInView(QSize viewSize) const;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void rebuild();
    bool lostFromView() const;
    void paintTexts(QPainter& painter) const;
    void paintNumbers(QPainter& painter) const;
    void paintHighlights(QPainter& painter) const;
    void paintOverlay(QPainter& painter) const;
    QTransform worldToScreen() const;

    const Drawing& drawing_;
    PenSet pens_;
    bool numbering_ = false;
    std::set<LineKind> hiddenKinds_;

    DrawingScene scene_;
    Box bounds_;
    std::vector<ElementId> highlighted_;
    QPainterPath highlightPath_;  // the highlighted elements, in drawing millimetres
    std::vector<Point> highlightPlaces_;
    EditOverlay overlay_;
    QPainterPath selectedPath_;  // the overlay's elements, in drawing millimetres
    QPainterPath previewPath_;

    double scale_ = 1;
    Point centre_;
    bool fitting_ = true;
    Tool tool_ = Tool::None;
    bool dragging_ = false;
    bool editing_ = false;
    bool editButtonDown_ = false;
    QPointF lastMouse_;
};

}  // namespace brontaxe::app
