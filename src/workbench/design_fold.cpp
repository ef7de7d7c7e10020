#include "workbench/design_fold.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "fold/blank_faces.h"
#include "fold/style_folds.h"

namespace brontaxe {
namespace {

// Coordinates in hundredths of a millimetre: the edits copy the style's elements, so faces
// they leave alone come out the same to the bit; the rounding only orders them.
long long hundredths(double v) {
    return std::llround(v * 100);
}

using Outline = std::array<long long, 4>;
using FoldLine = std::array<long long, 5>;

struct FaceShape {
    std::vector<Outline> faces;  // the box of each face's outer ring
    std::vector<FoldLine> hinges;
    bool operator==(const FaceShape&) const = default;
};

FaceShape faceShape(const std::vector<Element>& blank) {
    Drawing d;
    d.reserveElements(blank.size());
    for (const Element& e : blank)
        d.addElement(e);
    const fold::BlankFaces faces = fold::blankFaces(d);
    FaceShape out;
    for (const fold::Face& f : faces.faces) {
        if (f.outer.points.empty())
            continue;
        Outline box{hundredths(f.outer.points.front().x), hundredths(f.outer.points.front().y),
                    hundredths(f.outer.points.front().x), hundredths(f.outer.points.front().y)};
        for (const Point& p : f.outer.points) {
            box[0] = std::min(box[0], hundredths(p.x));
            box[1] = std::min(box[1], hundredths(p.y));
            box[2] = std::max(box[2], hundredths(p.x));
            box[3] = std::max(box[3], hundredths(p.y));
        }
        out.faces.push_back(box);
    }
    for (const fold::Hinge& h : faces.hinges) {
        Point a = h.line.a;
        Point b = h.line.b;
        if (std::pair(b.x, b.y) < std::pair(a.x, a.y))
            std::swap(a, b);
        out.hinges.push_back({hundredths(a.x), hundredths(a.y), hundredths(b.x), hundredths(b.y),
                              lineKindNumber(h.kind)});
    }
    std::sort(out.faces.begin(), out.faces.end());
    std::sort(out.hinges.begin(), out.hinges.end());
    return out;
}

}  // namespace

bool editsKeepStyleFaces(const Workbench& wb) {
    if (!wb.hasBlankEdits())
        return true;
    if (wb.styleOwnBlank().empty())
        return false;
    return faceShape(wb.styleOwnBlank()) == faceShape(wb.editableBlank());
}

DesignFold foldDesign(const Workbench& wb) {
    const Model& m = wb.model();
    if (editsKeepStyleFaces(wb))
        return {fold::foldStyle(wb.drawing(), m.CodeModele, m), std::nullopt};
    DesignFold out{fold::foldBlank(wb.drawing(), m.EpaisseurCarton),
                   "Découpe modifiée : ses faces ne sont plus celles du modèle, elle reste à plat"};
    for (fold::FoldLink& link : out.folded.links) {
        link.angleDeg = 0;
        link.layer = 0;
    }
    return out;
}

}  // namespace brontaxe
