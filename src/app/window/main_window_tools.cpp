// MainWindow's section and machine-passes commands.

#include "app/dialogs/machine_passes_dialog.h"
#include "app/dialogs/section_dialog.h"
#include "app/views/drawing_view.h"
#include "app/window/design_history.h"
#include "app/window/main_window.h"

namespace brontaxe::app {

void MainWindow::openSection() {
    SectionHost host;
    host.preview = [this](SectionSide side, double position) {
        regenerate([this] { return wb_.regenerate(); });
        wb_.previewSection(side, position);
        drawingView_->drawingChanged();
    };
    host.apply = [this](SectionSide side, double position) {
        std::optional<std::string> refusal;
        regenerate([&] {
            SectionOutcome cut = wb_.applySection(side, position);
            refusal = cut.refusal;
            return cut.report;
        });
        return refusal;
    };
    host.restore = [this] { regenerate([this] { return wb_.regenerate(); }); };
    host.blankSize = [this] {
        const Box& f = wb_.sectionFrame();
        return std::make_pair(f.width(), f.height());
    };
    SectionDialog dialog(std::move(host), this);
    // In the window's lower right corner, over the figures rather than the line it previews.
    dialog.adjustSize();
    const QPoint corner = mapToGlobal(QPoint(width(), height()));
    dialog.move(corner - QPoint(dialog.width() + 16, dialog.height() + 48));
    // Its previews draw the blank whole: the section left on the drawing is the one step.
    history_->beginGroup();
    dialog.exec();
    history_->endGroup();
}

void MainWindow::showMachinePasses() {
    MachinePassesDialog dialog(wb_.model().PassesMachine, this);
    dialog.exec();
}

}  // namespace brontaxe::app
