#include "app/views/closure_picture.h"

#include <QPainter>

#include "app/views/drawing_scene.h"
#include "app/views/pen_set.h"
#include "drawing/drawing.h"
#include "platform/errors.h"
#include "styles/top_bottom/architecture.h"

namespace brontaxe::app {

QPixmap closurePicture(const Model& model, std::int16_t closure, bool top, QSize size) {
    Model m = model;
    m.TypeDessus = top ? closure : std::int16_t{0};
    m.TypeDessous = top ? std::int16_t{0} : closure;
    m.MajoDessous = m.Majo;  // a picture: the current style's allowances do
    m.Sym_Verticale = false;
    Drawing d;
    try {
        Architecture(m, d);
    } catch (const GenerationError&) {
        return {};
    }
    const Box box = d.extents();
    if (box.empty || box.width() <= 0 || box.height() <= 0)
        return {};

    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = 6;
    const double scale = std::min((size.width() - 2 * margin) / box.width(),
                                  (size.height() - 2 * margin) / box.height());
    const double left = (size.width() - box.width() * scale) / 2;
    const double topEdge = (size.height() - box.height() * scale) / 2;
    painter.setTransform(
        QTransform(scale, 0, 0, -scale, left - box.xmin * scale, topEdge + box.ymax * scale));
    DrawingScene scene;
    scene.rebuild(d);
    // The blank's lines only: dimensions would be unreadable at this size.
    scene.paintStrokes(
        painter,
        [](PenRole role) {
            if (role == PenRole::Dimension || role == PenRole::Text)
                return QPen(Qt::NoPen);
            QPen pen(toQColor(defaultPen(role).colour), 0);
            if (role == PenRole::Crease)
                pen.setStyle(Qt::DashLine);
            return pen;
        },
        Qt::transparent);
    return picture;
}

}  // namespace brontaxe::app
