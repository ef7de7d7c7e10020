// A blank edited by hand: drawn in place of the style's own, or become the die-line's rules.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <variant>

#include "io/overloaded.h"
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

// FNV-1a over the values that place and mark each element.
class Fingerprint {
  public:
    void add(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (v >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001B3ULL;
        }
    }
    void add(double v) { add(std::bit_cast<std::uint64_t>(v)); }
    void add(Point p) {
        add(p.x);
        add(p.y);
    }
    void add(const std::string& text) {
        add(static_cast<std::uint64_t>(text.size()));
        for (const char c : text)
            add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
    }
    void add(const Element& e) {
        add(static_cast<std::uint64_t>(e.shape.index()));
        std::visit(io::Overloaded{
                       [this](const LineShape& l) {
                           add(l.a);
                           add(l.b);
                       },
                       [this](const ArcShape& a) {
                           add(a.centre);
                           add(a.radius);
                           add(a.startDeg);
                           add(a.sweepDeg);
                       },
                       [this](const DimensionShape& d) {
                           add(d.p1);
                           add(d.p2);
                           add(d.ref);
                       },
                       [this](const TextShape& t) {
                           add(t.position);
                           add(t.text);
                           add(t.height);
                           add(t.angleDeg);
                       },
                       [](const auto&) {},
                   },
                   e.shape);
        add(static_cast<std::uint64_t>(static_cast<std::uint16_t>(e.lineKind)));
        add(static_cast<std::uint64_t>(static_cast<std::uint16_t>(e.piece)));
        add(static_cast<std::uint64_t>(e.bridgeless));
    }
    std::uint64_t value() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

std::string fingerprintText(const std::vector<Element>& blank) {
    Fingerprint f;
    for (const Element& e : blank)
        f.add(e);
    return std::to_string(f.value());
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
