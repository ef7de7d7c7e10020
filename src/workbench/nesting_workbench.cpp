#include "workbench/nesting_workbench.h"

namespace brontaxe {

std::optional<NestingOffer> optimiseImposition(Workbench& wb, const NestingRequest& r) {
    const ImpositionSettings kept = wb.imposition();
    const std::optional<NestPattern> keptNesting = wb.nesting();
    const Model before = wb.model();
    wb.imposition().AvecImpos = false;
    wb.nesting().reset();
    std::optional<NestingOffer> offer;
    if (wb.regenerate().drawn) {
        // The sheet and counts as the user left them, the blank's figures as just measured.
        Model m = wb.model();
        m.FmtCartonX = before.FmtCartonX;
        m.FmtCartonY = before.FmtCartonY;
        if (r.count) {
            const std::optional<double> roll =
                r.roll ? std::optional<double>(m.FmtCartonX) : std::nullopt;
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
    wb.regenerate();
    return offer;
}

RegenerationReport takeNestingOffer(Workbench& wb, const NestingOffer& offer) {
    takeNesting(wb.model(), wb.imposition(), offer);
    wb.nesting() = offer.arrangement.pattern;
    return wb.regenerate();
}

RegenerationReport leaveNesting(Workbench& wb) {
    wb.nesting().reset();
    return wb.regenerate();
}

}  // namespace brontaxe
