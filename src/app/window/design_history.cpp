#include "app/window/design_history.h"

#include <QUndoCommand>
#include <utility>

namespace brontaxe::app {
namespace {

class DesignChange : public QUndoCommand {
  public:
    DesignChange(DesignHistory& history, DesignState before, DesignState after)
        : history_(history), before_(std::move(before)), after_(std::move(after)) {}

    void undo() override { history_.putBack(before_); }
    void redo() override {
        // The change was made before the step was pushed: only a redo puts it back.
        if (done_)
            history_.putBack(after_);
        done_ = true;
    }

  private:
    DesignHistory& history_;
    DesignState before_;
    DesignState after_;
    bool done_ = false;
};

}  // namespace

DesignHistory::DesignHistory(Workbench& wb, std::function<void(const RestoredDesign&)> show,
                             QObject* parent)
    : QObject(parent), wb_(wb), show_(std::move(show)) {}

void DesignHistory::reset() {
    stack_.clear();
    last_ = captureDesign(wb_);
}

void DesignHistory::record() {
    if (puttingBack_ || groupDepth_ > 0)
        return;
    DesignState now = captureDesign(wb_);
    if (now == last_)
        return;
    DesignState before = std::exchange(last_, now);
    stack_.push(new DesignChange(*this, std::move(before), std::move(now)));
}

void DesignHistory::beginGroup() {
    ++groupDepth_;
}

void DesignHistory::endGroup() {
    if (groupDepth_ > 0 && --groupDepth_ == 0)
        record();
}

void DesignHistory::putBack(const DesignState& state) {
    puttingBack_ = true;
    const RestoredDesign restored = restoreDesignState(wb_, state);
    last_ = captureDesign(wb_);
    show_(restored);
    puttingBack_ = false;
}

}  // namespace brontaxe::app
