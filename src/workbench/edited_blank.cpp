// A blank edited by hand: drawn in place of the style's own, or become the die-line's rules.

#include <functional>

#include "drawing/drawing_dump.h"
#include "platform/number_text.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

// A bridge must lie wholly on its stroke: one left past the end of a shortened line would
// make the design file refuse to open again.
void dropBridgesOffTheirStrokes(std::vector<Element>& blank) {
    for (Element& e : blank) {
        if (e.bridges.empty())
            continue;
        const double length = strokeLength(e);
        std::erase_if(e.bridges, [length](const Bridge& b) {
            return !(b.width > 0 && b.at - b.width / 2 >= -kEps &&
                     b.at + b.width / 2 <= length + kEps);
        });
    }
}

// The blank's elements to a hundredth of a millimetre, hashed: another edit, another text.
std::string fingerprintText(const std::vector<Element>& blank) {
    std::string text;
    for (const Element& e : blank)
        text += dumpElement(e) + "\n";
    return std::to_string(std::hash<std::string>{}(text));
}

}  // namespace

RegenerationReport Workbench::applyBlankEdit(std::vector<Element> edited) {
    dropBridgesOffTheirStrokes(edited);
    if (dieLine_)
        dieLine_ = std::move(edited);
    else
        blankEdits_ = std::move(edited);
    return regenerate();
}

RegenerationReport Workbench::discardBlankEdits() {
    blankEdits_.reset();
    return regenerate();
}

// The style's blank just drawn (mirrored, with its extra creases) gives way to the edits, which
// hold both already. Returns the edited blank's extents as the arrows take them: before the
// mirror.
Box Workbench::drawEditedBlank() {
    styleOwnBlank_ = drawing_.elements();
    drawing_.ClearDrawing();
    drawing_.reserveElements(blankEdits_->size());
    for (const Element& e : *blankEdits_)
        drawing_.addElement(e);
    measureSize();
    const Box drawn = drawing_.extents();
    Box blank = drawn;
    if (model_.Sym_Verticale && !drawn.empty) {
        blank.xmin = -drawn.xmax;
        blank.xmax = -drawn.xmin;
    }
    return blank;
}

// The blank an optimised pattern was made for: its code, its overall size and, for a blank
// edited by hand or read from a file, its elements.
std::string Workbench::nestingKey() const {
    std::string key = model_.CodeModele + " " + platform::numberText(model_.HorsToutX) + " x " +
                      platform::numberText(model_.HorsToutY);
    if (blankEdits_)
        key += " modifiée " + fingerprintText(*blankEdits_);
    else if (dieLine_)
        key += " découpe " + fingerprintText(*dieLine_);
    return key;
}

}  // namespace brontaxe
