#include "builders/emit.h"

#include <cmath>
#include <string>

#include "platform/errors.h"

namespace brontaxe {

void ensureRegistryRoom(const Model& m) {
    if (m.NbLignes >= kRegistryCapacity) {
        throw GenerationError("Dessin trop chargé : plus de " + std::to_string(kRegistryCapacity) +
                              " éléments enregistrés");
    }
}

ElementId registerElement(Model& m, ElementId id) {
    ensureRegistryRoom(m);
    m.NbLignes += 1;
    m.IdLignes[static_cast<std::size_t>(m.NbLignes)] = id;
    return id;
}

ElementId emitLine(Model& m, Drawing& d) {
    ensureRegistryRoom(m);
    return registerElement(m, d.AddLine(m.X1, m.Y1, m.X2, m.Y2));
}

ElementId line(Model& m, Drawing& d, float x1, float y1, float x2, float y2) {
    m.X1 = x1;
    m.Y1 = y1;
    m.X2 = x2;
    m.Y2 = y2;
    return emitLine(m, d);
}

void chainStart(Model& m, float x, float y) {
    m.X2 = x;
    m.Y2 = y;
}

ElementId lineTo(Model& m, Drawing& d, float x, float y) {
    return line(m, d, m.X2, m.Y2, x, y);
}

ElementId emitArc(Model& m, Drawing& d) {
    ensureRegistryRoom(m);
    d.Radius = m.Rayon;
    d.StartAngle = m.AngleDep;
    return registerElement(m, d.AddArc(m.Xc, m.Yc, m.Balayage));
}

ElementId arc(Model& m, Drawing& d, float cx, float cy, float radius, float start, float sweep) {
    m.Xc = cx;
    m.Yc = cy;
    m.Rayon = radius;
    m.AngleDep = start;
    m.Balayage = sweep;
    return emitArc(m, d);
}

ElementId emitDimension(Model& m, Drawing& d) {
    ensureRegistryRoom(m);
    return registerElement(m, d.AddDimension(m.X1, m.Y1, m.X2, m.Y2, m.Xr, m.Yr));
}

ElementId dimension(Model& m, Drawing& d, float x1, float y1, float x2, float y2, float xr,
                    float yr) {
    m.X1 = x1;
    m.Y1 = y1;
    m.X2 = x2;
    m.Y2 = y2;
    m.Xr = xr;
    m.Yr = yr;
    return emitDimension(m, d);
}

ElementId emitText(Model& m, Drawing& d, std::string_view text, std::int16_t option, float size) {
    ensureRegistryRoom(m);
    d.LineKind = kind::Text;
    d.Radius = m.Rayon;
    d.StartAngle = m.AngleDep;
    return registerElement(m, d.AddText(m.Xc, m.Yc, text, option, size));
}

ElementId fillet(Model& m, Drawing& d, ElementId first, ElementId second, float radius) {
    ensureRegistryRoom(m);
    const ElementId id = d.AddFillet(first, second, radius);
    // A zero radius only joins the lines: there is no arc to register.
    return id.valid() ? registerElement(m, id) : id;
}

ElementId text(Model& m, Drawing& d, float x, float y, std::string_view content,
               std::int16_t option, float size, float angle) {
    m.Xc = x;
    m.Yc = y;
    m.Rayon = size;
    m.AngleDep = angle;
    return emitText(m, d, content, option, size);
}

int beginFeature(const Model& m) {
    return m.NbLignes + 1;
}

void placeFeature(Model& m, Drawing& d, int first, float x, float y, float angle, bool mirrored) {
    if (first > m.NbLignes)
        return;  // the feature drew nothing
    d.TransformRange(m.IdLignes[static_cast<std::size_t>(first)],
                     m.IdLignes[static_cast<std::size_t>(m.NbLignes)], x, y, angle,
                     mirrored ? -1.0 : 1.0);
}

void fourQuarters(Model& m, Drawing& d, const std::function<void()>& drawQuarter) {
    const struct {
        float angle;
        bool mirrored;
    } quarters[] = {{0, false}, {0, true}, {180, false}, {180, true}};
    for (const auto& q : quarters) {
        const int start = beginFeature(m);
        drawQuarter();
        placeFeature(m, d, start, 0, 0, q.angle, q.mirrored);
    }
}

std::pair<float, float> DemiEncoches(const Model& m) {
    if (m.Majo[15] != 0 && m.Majo[16] != 0)
        return {m.Majo[15], m.Majo[16]};
    if (!(m.decalenc > m.encoche)) {
        const float a = m.encoche / 2 - m.decalenc;
        return {a, m.encoche - a};
    }
    return {m.encoche / 2, m.encoche / 2};
}

void InversePasses(Model& m) {
    auto& p = m.PassesMachine;
    auto swapPairs = [&p](std::initializer_list<std::pair<int, int>> pairs) {
        for (auto [i, j] : pairs)
            std::swap(p[static_cast<std::size_t>(i)], p[static_cast<std::size_t>(j)]);
    };
    if (p[3] == 0 && p[4] == 0) {
        swapPairs({{0, 2}, {6, 8}, {11, 13}});
    } else if (p[4] == 0) {
        swapPairs({{0, 3}, {1, 2}, {6, 9}, {7, 8}, {11, 14}, {12, 13}});
    } else {
        swapPairs({{0, 4}, {1, 3}, {6, 10}, {7, 9}, {11, 15}, {12, 14}});
    }
}

GenerationPass::GenerationPass(Model& m, Drawing& d) : drawing_(d) {
    d.ClearDrawing();
    d.BeginDrawing();
    d.Piece = 1;
    m.NbLignes = 0;
    m.DegRad = 4 * std::atan(1.0f) / 180;
}

}  // namespace brontaxe
