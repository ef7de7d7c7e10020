#include "workbench/nesting_workbench.h"

namespace brontaxe {
namespace {

// A regeneration that keeps the section the drawing on show was cut along.
RegenerationReport redraw(Workbench& wb) {
    if (const std::optional<SectionRequest> cut = wb.appliedSection()) {
        SectionOutcome out = wb.applySection(cut->keep, cut->position);
        return out.report;
    }
    return wb.regenerate();
}

}  // namespace

std::optional<NestingOffer> optimiseImposition(Workbench& wb, const NestingRequest& r) {
    const ImpositionSettings kept = wb.imposition();
    const std::optional<NestPattern> keptNesting = wb.nesting();
    const Model before = wb.model();
    wb.imposition().AvecImpos = false;
    wb.nesting().reset();
    std::optional<NestingOffer> offer;
    if (redraw(wb).drawn) {
        // The sheet and counts as the user left them, the blank's figures as just measured.
        Model m = wb.model();
        m.FmtCartonX = before.FmtCartonX;
        m.FmtCartonY = before.FmtCartonY;
        if (r.count) {
            const std::optional<double> roll =
                r.roll ? std::optional<double>(r.rollWidth.value_or(m.FmtCartonX)) : std::nullopt;
            offer = offerSmallestSheet(m, wb.drawing(), kept, *r.count, roll);
        } else {
            offer = offerNesting(m, wb.drawing(), kept, r.roll);
        }
    }
    wb.imposition() = kept;
    wb.nesting() = keptNesting;
    wb.model().FmtCartonX = before.FmtCartonX;
    wb.model().FmtCartonY = before.FmtCartonY;
    wb.model().NbPoseX = before.NbPoseX;
    wb.model().NbPoseY = before.NbPoseY;
    wb.model().ImposManuelle = before.ImposManuelle;
    redraw(wb);
    return offer;
}

RegenerationReport takeNestingOffer(Workbench& wb, const NestingOffer& offer) {
    takeNesting(wb.model(), wb.imposition(), offer);
    wb.nesting() = offer.arrangement.pattern;
    return redraw(wb);
}

RegenerationReport leaveNesting(Workbench& wb) {
    wb.nesting().reset();
    return redraw(wb);
}

}  // namespace brontaxe
