// frmPrinc's section and machine-passes commands.

#include "app/dialogs/frm_passage.h"
#include "app/dialogs/frm_section.h"
#include "app/views/drawing_view.h"
#include "app/window/frm_princ.h"

namespace brontaxe::app {

void frmPrinc::mnsection_Click() {
    SectionHost host;
    host.preview = [this](SectionSide side, double position) {
        regenerate([this] { return wb_.regenerate(); });
        wb_.previewSection(side, position);
        Trazel1_->drawingChanged();
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
    frmSection dialog(std::move(host), this);
    dialog.exec();
}

void frmPrinc::mnpassage_Click() {
    frmPassage dialog(wb_.model().PassesMachine, this);
    dialog.exec();
}

}  // namespace brontaxe::app
