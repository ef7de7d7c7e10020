// A die-line made elsewhere in place of a style: the regeneration draws it as it was read.
#include "workbench/workbench.h"

namespace brontaxe {

void Workbench::adoptDieLine(const Drawing& blank, const std::string& name) {
    std::vector<Element> elements;
    for (const Element& e : blank.elements()) {
        if (e.type() != ShapeType::Contour && e.type() != ShapeType::Sheet)
            elements.push_back(e);
    }
    dieLine_ = std::move(elements);
    blankEdits_.reset();
    // Drawn as read: no mirror, no creases of our own over it.
    model_.Sym_Verticale = false;
    model_.ListeFoulages.clear();
    window_.creaseList.clear();
    window_.codeText = name;
}

RegenerationReport Workbench::drawDieLine() {
    drawing_.ClearDrawing();
    drawing_.reserveElements(dieLine_->size());
    for (const Element& e : *dieLine_)
        drawing_.addElement(e);
    drawing_.BeginDrawing();
    // The file's dimensions, frames and unnamed layers are no part of the blank: hidden
    // while it is measured and imposed, shown again at the end of the regeneration.
    drawing_.SetFilter("pen=3");
    RegenerationReport report;
    report.drawn = true;
    return report;
}

}  // namespace brontaxe
