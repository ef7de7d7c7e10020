// The multi-piece options, the pieces shown, the pass direction and the section tool.

#include "drawing/pen_scope.h"
#include "platform/number_text.h"
#include "workbench/workbench.h"

namespace brontaxe {

RegenerationReport Workbench::choosePiece(Piece piece) {
    showOnlyPiece(model_, piece);
    return regenerate();
}

RegenerationReport Workbench::chooseAllPieces() {
    showAllPieces(model_);
    return regenerate();
}

RegenerationReport Workbench::toggleTwoPieceCase() {
    toggleTwoPieces(model_);
    return regenerate();
}

RegenerationReport Workbench::setFourPieceCase(std::int16_t variant) {
    setFourPieces(model_, variant);
    return regenerate();
}

RegenerationReport Workbench::togglePassDirection(AlongAxis direction) {
    brontaxe::togglePassDirection(model_, direction);
    return regenerate();
}

SectionOutcome Workbench::applySection(SectionSide keep, double position) {
    pendingSection_ = SectionRequest{keep, position};
    sectionRefusal_.reset();
    SectionOutcome out;
    out.report = regenerate();
    pendingSection_.reset();
    out.refusal = sectionRefusal_;
    if (out.report.drawn && !out.refusal)
        appliedSection_ = SectionRequest{keep, position};
    if (!out.report.drawn && !out.refusal)
        out.refusal = "Section impossible : aucune découpe dessinée";
    return out;
}

void Workbench::cutAlongSection(Box& blank) {
    const SectionRequest asked = *pendingSection_;
    const bool vertical = isVerticalSection(asked.keep);
    const double span = vertical ? sectionFrame_.width() : sectionFrame_.height();
    if (!(asked.position > 0 && asked.position < span)) {
        sectionRefusal_ = "Section impossible : " + platform::readableNumber(asked.position, "mm") +
                          " est hors de la découpe (de 0 à " +
                          platform::readableNumber(span, "mm") + " exclus)";
        return;
    }
    const SectionCut cut{asked.keep,
                         (vertical ? sectionFrame_.xmin : sectionFrame_.ymin) + asked.position};
    const SectionResult result = sectionDrawing(drawing_, cut);
    if (result.why) {
        sectionRefusal_ = "Section impossible : " + *result.why;
        return;
    }
    measureSize();
    // The arrows stand over what is left, placed as on the blank before its mirror.
    const Box left = drawing_.extents();
    blank = left;
    if (model_.Sym_Verticale) {
        blank.xmin = -left.xmax;
        blank.xmax = -left.xmin;
    }
}

void Workbench::previewSection(SectionSide keep, double position) {
    const Box& f = sectionFrame_;
    if (f.empty)
        return;
    drawing_.BeginDrawing();
    const PenScope pen(drawing_, kind::SectionLine);
    if (isVerticalSection(keep)) {
        const double m = f.height() / 20;
        drawing_.AddLine(f.xmin + position, f.ymin - m, f.xmin + position, f.ymax + m);
    } else {
        const double m = f.width() / 20;
        drawing_.AddLine(f.xmin - m, f.ymin + position, f.xmax + m, f.ymin + position);
    }
    drawing_.EndDrawing();
}

}  // namespace brontaxe
