#pragma once
// The edit mode's hands on the drawing view: the clicks and drags of the left button, the
// cursor's moves, the keys and the command line under the drawing, turned into a selection of
// the blank's elements and into the steps of the tool at work. Each completed edit is handed
// to the host, which makes it a step of the design; the blank on show then comes back through
// blankChanged().
//
// Tests drive it through the view's mouse and keys, or through the public functions below,
// which take points in drawing millimetres.

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "editing/edit_tool.h"
#include "editing/snapping.h"

class QLabel;
class QLineEdit;

namespace brontaxe::app {

class DrawingView;

// What the edit mode needs from the window.
struct EditHost {
    // The blank the edits start from (the first elements of the drawing, in the same order).
    std::function<const std::vector<Element>&()> blank;
    // Everything on show, which the snaps reach.
    std::function<std::span<const Element>()> drawing;
    // A completed edit: the blank becomes `edited`.
    std::function<void(std::vector<Element> edited)> apply;
    // The status bar's message, in red for a fault.
    std::function<void(const QString& text, bool fault)> say;
};

class EditController : public QObject {
    Q_OBJECT
  public:
    EditController(DrawingView& view, QLineEdit& commandLine, QLabel& prompt, EditHost host,
                   QObject* parent = nullptr);
    ~EditController() override;

    // Edit mode on or off; off drops the tool, the selection and the overlay.
    void setActive(bool on);
    bool active() const { return active_; }

    // A tool starts on the blank on show, with the selection when it works on one; a tool that
    // needs one refuses to start without it. None goes back to selecting.
    bool startTool(std::optional<editing::ToolKind> kind);
    std::optional<editing::ToolKind> tool() const;
    QString prompt() const;

    const editing::Selection& selection() const { return selection_; }
    void select(editing::Selection selection);
    void setSnapSettings(const editing::SnapSettings& settings) { snaps_ = settings; }
    const editing::SnapSettings& snapSettings() const { return snaps_; }
    const LineStyle& pen() const { return pen_; }
    void setPen(const LineStyle& pen) { pen_ = pen; }
    // The snap the cursor was on at its last move.
    const std::optional<editing::Snap>& currentSnap() const { return snap_; }

    // The user's actions, in drawing millimetres. A click selects (with `adding`, the element
    // is added to the selection or taken out of it) or gives the tool its point; a drag from
    // `from` to `to` selects by window.
    void click(Point at, bool adding = false);
    void hover(Point at);
    void dragWindow(Point from, Point to, bool adding = false);
    // The command line's text, as Enter takes it: a point, a value, or nothing (ends a
    // polyline).
    void enter(const QString& text);
    // Escape: the tool at work is dropped, and with none the selection.
    void escape();
    // The Delete key: the selection removed from the blank.
    void deleteSelection();

    // The blank on show changed (an edit, an undo, a regeneration): the selection keeps the
    // elements that are still there, and a tool started on another blank starts again.
    void blankChanged();

  protected:
    // Escape in the command line does what it does over the drawing.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // The selection or the tool changed (the properties panel and the tool bar follow).
    void selectionChanged();
    void toolChanged();

  private:
    void pressed(QPointF at, Qt::KeyboardModifiers modifiers);
    void moved(QPointF at, bool buttonDown);
    void released(QPointF at, Qt::KeyboardModifiers modifiers);
    void keyPressed(int key, const QString& text);
    void commandEntered();

    double pixelsToMm(double pixels) const;
    std::optional<std::size_t> pickAt(Point at) const;
    Point snapped(Point cursor);
    void take(const editing::ToolStep& step);
    void restartTool();
    void showOverlay();
    void showPrompt();

    DrawingView& view_;
    QLineEdit& commandLine_;
    QLabel& prompt_;
    EditHost host_;
    bool active_ = false;

    std::unique_ptr<editing::EditTool> tool_;
    std::vector<Element> toolBlank_;  // the blank the tool started on
    editing::Selection selection_;
    editing::SnapSettings snaps_;
    LineStyle pen_;
    std::optional<editing::Snap> snap_;
    std::optional<Point> cursor_;

    std::optional<QPointF> pressAt_;  // where the left button went down, on screen
    bool windowing_ = false;
    Point windowFrom_;
    Point windowTo_;
};

}  // namespace brontaxe::app
