#include "io/cairo_render.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "drawing/bridges.h"
#include "drawing/pens.h"
#include "io/overloaded.h"

namespace brontaxe::io {
namespace {

constexpr const char* kFontFace = "DejaVu Sans";

class Painter {
  public:
    Painter(cairo_t* cr, const PageLayout& page, double unitsPerMm, double minLineUnits)
        : cr_(cr), page_(page), minLineMm_(minLineUnits / unitsPerMm) {
        // Drawing millimetres, y up, onto the page with its margin.
        cairo_scale(cr_, unitsPerMm, -unitsPerMm);
        cairo_translate(cr_, -(page.shown.xmin - kPageMarginMm),
                        -(page.shown.ymax + kPageMarginMm));
        cairo_select_font_face(cr_, kFontFace, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    }

    // Adds a line of the blank to the current path; false for what is not a plain stroke.
    bool addStroke(const Element& e) {
        return std::visit(
            Overloaded{
                [&](const LineShape& l) {
                    segment(Segment{l.a, l.b});
                    return true;
                },
                [&](const ArcShape& a) {
                    cairo_new_sub_path(cr_);
                    cairo_arc(cr_, a.centre.x, a.centre.y, a.radius, toRadians(a.startDeg),
                              toRadians(a.startDeg + a.sweepDeg));
                    return true;
                },
                [&](const SheetShape& s) {
                    cairo_rectangle(cr_, s.min.x, s.min.y, s.max.x - s.min.x, s.max.y - s.min.y);
                    return true;
                },
                [&](const SymbolShape& s) {
                    for (const Segment& stroke : s.placedStrokes())
                        segment(stroke);
                    return true;
                },
                [](const auto&) { return false; },
            },
            e.shape);
    }

    // Dimensions and texts, one by one.
    void drawAnnotation(const Element& e) {
        const Pen& pen = defaultPen(e);
        std::visit(Overloaded{
                       [&](const DimensionShape& d) { dimension(d, pen); },
                       [&](const TextShape& t) {
                           setColour(pen);
                           text(t.position, t.text, t.height, t.angleDeg, false);
                       },
                       [](const auto&) {},  // strokes go by pen; a contour is a measure
                   },
                   e.shape);
    }

    void stroke(const Pen& pen) {
        setColour(pen);
        cairo_set_line_width(cr_, std::max(pen.widthMm, minLineMm_));
        const std::vector<double> dashes(pen.dashMm.begin(), pen.dashMm.end());
        cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), 0);
        cairo_stroke(cr_);
    }

  private:
    void setColour(const Pen& pen) {
        cairo_set_source_rgb(cr_, pen.colour.r, pen.colour.g, pen.colour.b);
    }

    void segment(const Segment& s) {
        cairo_move_to(cr_, s.a.x, s.a.y);
        cairo_line_to(cr_, s.b.x, s.b.y);
    }

    void dimension(const DimensionShape& d, const Pen& pen) {
        const DimensionLayout l = layoutDimension(d, page_.style, page_.blank);
        segment(l.dimensionLine);
        for (const Segment& s : l.extensionLines)
            segment(s);
        stroke(pen);
        if (l.hasArrows) {
            for (const Arrowhead& a : l.arrows) {
                cairo_move_to(cr_, a.tip.x, a.tip.y);
                cairo_line_to(cr_, a.left.x, a.left.y);
                cairo_line_to(cr_, a.right.x, a.right.y);
                cairo_close_path(cr_);
            }
            cairo_fill(cr_);
        }
        text(l.textAnchor, l.text, l.textHeight, l.textAngleDeg, true);
    }

    // A text from its anchor on the baseline: its start, or its middle when `centred`.
    void text(Point anchor, const std::string& s, double height, double angleDeg, bool centred) {
        if (s.empty() || height <= 0)
            return;
        cairo_save(cr_);
        cairo_translate(cr_, anchor.x, anchor.y);
        cairo_scale(cr_, 1, -1);  // glyphs upright in a y-up drawing
        cairo_rotate(cr_, -toRadians(angleDeg));
        cairo_set_font_size(cr_, height);
        double x = 0;
        if (centred) {
            cairo_text_extents_t ext;
            cairo_text_extents(cr_, s.c_str(), &ext);
            x = -ext.x_advance / 2;
        }
        cairo_move_to(cr_, x, 0);
        cairo_show_text(cr_, s.c_str());
        cairo_new_path(cr_);
        cairo_restore(cr_);
    }

    cairo_t* cr_;
    const PageLayout& page_;
    double minLineMm_;
};

}  // namespace

bool renderDrawing(cairo_t* cr, const Drawing& d, const PageLayout& page, double unitsPerMm,
                   const WriteProgress& progress, double minLineUnits) {
    cairo_save(cr);
    Painter painter(cr, page, unitsPerMm, minLineUnits);
    // The lines of one pen go in paths of a few thousand lines, one stroke each. Stroked one by
    // one, a sheet of thousands of poses costs the vector surfaces time growing as the square
    // of the lines (each operation updates a region of every operation before it); stroked all
    // at once, the outline Cairo computes for the whole dashed path would take hundreds of MB.
    constexpr int kLinesPerStroke = 2000;
    // One pass over the elements a pen, then one for the dimensions and texts.
    const std::size_t total = (defaultPens().size() + 1) * d.ElementCount();
    std::size_t done = 0;
    for (const Pen& pen : defaultPens()) {
        int pending = 0;
        for (const Element& e : d.elements()) {
            if (!progress.at(done++, total)) {
                cairo_new_path(cr);
                cairo_restore(cr);
                return false;
            }
            if (!d.isShown(e) || penRoleOf(e) != pen.role)
                continue;
            // A bridge is a gap in the knife: a bridged line is drawn as its pieces.
            bool added = false;
            if (e.bridges.empty()) {
                added = painter.addStroke(e);
            } else {
                for (const Element& piece : knifePieces(e))
                    added = painter.addStroke(piece) || added;
            }
            if (!added)
                continue;
            if (++pending == kLinesPerStroke) {
                painter.stroke(pen);
                pending = 0;
            }
        }
        if (pending > 0)
            painter.stroke(pen);
        cairo_new_path(cr);
    }
    for (const Element& e : d.elements()) {
        if (!progress.at(done++, total))
            break;
        if (d.isShown(e))
            painter.drawAnnotation(e);
    }
    cairo_restore(cr);
    return !progress.stopped();
}

}  // namespace brontaxe::io
