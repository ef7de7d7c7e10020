#pragma once
// Undo and redo of the design: each change the user makes (a value taken, a code, a grade, a
// dialog validated, a section applied, a sheet filled in) is one step, kept as the design
// before and after it. Going back puts a design back and draws it again.

#include <QObject>
#include <QUndoStack>
#include <functional>

#include "workbench/design_state.h"

namespace brontaxe::app {

class DesignHistory : public QObject {
    Q_OBJECT
  public:
    // `show` brings the window up to date after a state was put back and drawn.
    DesignHistory(Workbench& wb, std::function<void(const RestoredDesign&)> show,
                  QObject* parent = nullptr);

    QUndoStack& stack() { return stack_; }
    // The design on show becomes the start of a new history (start-up, open, new design).
    void reset();
    // After a change: when the design differs from the last one recorded, one step from that
    // one to this. Ignored while a step is being put back or a group is open.
    void record();
    // A dialog whose values count as one step once validated: no step is recorded until the
    // group closes, then one for all it changed.
    void beginGroup();
    void endGroup();
    // Called by the steps.
    void putBack(const DesignState& state);

  private:
    Workbench& wb_;
    std::function<void(const RestoredDesign&)> show_;
    QUndoStack stack_;
    DesignState last_;
    bool puttingBack_ = false;
    int groupDepth_ = 0;
};

}  // namespace brontaxe::app
